#include "core/WinPlAstro.h"

#include "core/AngleMath.h"
#include "core/FactorCatalogue.h"
#include "core/WinPl.h"

#include <swephexp.h>

#include <filesystem>
#include <system_error>

namespace nemra::WinPl {
namespace {

// The body number of a factor in the library, or -1.
int BodyOf(int factor, bool trueNode)
{
    if (factor == kSun)
        return SE_SUN;
    if (factor == kMoon)
        return SE_MOON;
    if (factor == kNode)
        return trueNode ? SE_TRUE_NODE : SE_MEAN_NODE;
    if (factor >= kMercury && factor <= kPluto)
        return SE_MERCURY + (factor - kMercury);
    if (factor >= kCupido && factor <= kPoseidon)
        return SE_CUPIDO + (factor - kCupido);
    return -1;
}

// Sidereal positions are asked with the Lahiri ayanamsa, set before each use since the
// library keeps it as a global mode.
int32 SiderealFlags()
{
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0.0, 0.0);
    return EphemerisFlag() | SEFLG_SIDEREAL;
}

// The refraction of a standard atmosphere at sea level, as the reference tool assumes.
constexpr double kPressureHPa = 1013.25;
constexpr double kTemperatureC = 15.0;

std::optional<double> SunEventAfter(int32 event, double jdUT, double eastLonDeg, double latDeg)
{
    double geopos[3] = {eastLonDeg, latDeg, 0.0};
    double when = 0.0;
    char err[AS_MAXCH] = {};
    const int32 rc =
        swe_rise_trans(jdUT, SE_SUN, nullptr, EphemerisFlag(), event, geopos, kPressureHPa, kTemperatureC, &when, err);
    if (rc != 0)
        return std::nullopt;
    return when;
}

} // namespace

MomentFigures MomentFiguresAt(double jdUT, double eastLonDeg)
{
    MomentFigures m;
    const int32 flags = EphemerisFlag();
    m.jdUT = jdUT;
    const double deltaT = swe_deltat_ex(jdUT, flags, nullptr);
    m.jdTT = jdUT + deltaT;
    m.deltaTSeconds = deltaT * 86400.0;
    m.siderealHours = Normalize360(swe_sidtime(jdUT) * 15.0 + eastLonDeg) / 15.0;
    double x[6] = {};
    char err[AS_MAXCH] = {};
    swe_calc(m.jdTT, SE_ECL_NUT, flags, x, err);
    m.trueObliquity = x[0];
    m.nutationLongitude = x[2];
    m.nutationObliquity = x[3];
    double ayanamsa = 0.0;
    swe_get_ayanamsa_ex_ut(jdUT, SiderealFlags(), &ayanamsa, err);
    m.ayanamsa = ayanamsa;
    return m;
}

BodyFigures FactorFiguresAt(int factor, bool trueNode, double jdUT)
{
    BodyFigures b;
    const int body = BodyOf(factor, trueNode);
    if (body < 0)
        return b;
    double ecl[6] = {};
    double equ[6] = {};
    double sid[6] = {};
    char err[AS_MAXCH] = {};
    const int32 flags = EphemerisFlag() | SEFLG_SPEED;
    const int32 used = swe_calc_ut(jdUT, body, flags, ecl, err);
    if (used < 0 || swe_calc_ut(jdUT, body, flags | SEFLG_EQUATORIAL, equ, err) < 0
        || swe_calc_ut(jdUT, body, SiderealFlags() | SEFLG_SPEED, sid, err) < 0)
        return b;
    b.ok = true;
    b.fromFiles = (used & SEFLG_SWIEPH) != 0;
    b.longitude = Normalize360(ecl[0]);
    b.latitude = ecl[1];
    b.distanceAU = ecl[2];
    b.speed = ecl[3];
    b.rightAscension = Normalize360(equ[0]);
    b.declination = equ[1];
    b.siderealLongitude = Normalize360(sid[0]);
    return b;
}

Equatorial EclipticPointToEquatorial(double lonDeg, double obliquityDeg)
{
    double ecl[3] = {lonDeg, 0.0, 1.0};
    double equ[3] = {};
    swe_cotrans(ecl, equ, -obliquityDeg);
    return {Normalize360(equ[0]), equ[1]};
}

double MoonPhaseAngleAt(double jdUT)
{
    double attr[20] = {};
    char err[AS_MAXCH] = {};
    swe_pheno_ut(jdUT, SE_MOON, EphemerisFlag(), attr, err);
    return attr[0];
}

std::optional<double> SunriseAfter(double jdUT, double eastLonDeg, double latDeg)
{
    return SunEventAfter(SE_CALC_RISE, jdUT, eastLonDeg, latDeg);
}

std::optional<double> SunsetAfter(double jdUT, double eastLonDeg, double latDeg)
{
    return SunEventAfter(SE_CALC_SET, jdUT, eastLonDeg, latDeg);
}

bool OrbitalElementsFromFile()
{
    const std::string& folder = Ephemeris().path;
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_regular_file(std::filesystem::path(folder) / "seorbel.txt", ec);
}

} // namespace nemra::WinPl
