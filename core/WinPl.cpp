#include "core/WinPl.h"

#include "core/AngleMath.h"
#include "core/FactorCatalogue.h"

#include <swephexp.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace nemra::WinPl {
namespace {

std::string& PreferredPath()
{
    static std::string path;
    return path;
}

// True when the folder holds a planetary ephemeris file (sepl_*.se1).
bool HoldsEphemerisFiles(const std::string& folder)
{
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        return false;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("sepl", 0) == 0 && entry.path().extension() == ".se1")
            return true;
    }
    return false;
}

std::string FindEphemerisFolder()
{
    std::vector<std::string> candidates;
    if (!PreferredPath().empty())
        candidates.push_back(PreferredPath());
    if (const char* env = std::getenv("NEMRA_EPHE_PATH"))
        candidates.emplace_back(env);
#ifdef NEMRA_DATA_DIR
    candidates.emplace_back(NEMRA_DATA_DIR "/ephe");
#endif
    for (const char* folder :
         {"/usr/share/libswe/ephe", "/usr/local/share/libswe/ephe", "/usr/share/sweph", "/usr/share/sweph/ephe"})
        candidates.emplace_back(folder);
    for (const auto& folder : candidates)
        if (HoldsEphemerisFiles(folder))
            return folder;
    return {};
}

double YearOfJulianDay(double jd)
{
    return 2000.0 + (jd - 2451545.0) / 365.25;
}

EphemerisInfo OpenEphemeris()
{
    EphemerisInfo info;
    info.path = FindEphemerisFolder();
    // An empty path would make the library search its compiled-in default; point it at
    // a folder of our choice either way so the choice is ours.
    swe_set_ephe_path(info.path.empty() ? "/nonexistent" : info.path.c_str());
    char version[256] = {};
    info.libraryVersion = swe_version(version);
    if (!info.path.empty()) {
        double x[6];
        char err[AS_MAXCH] = {};
        const int32 flags = swe_calc(2451545.0, SE_SUN, SEFLG_SWIEPH, x, err);
        double start = 0.0;
        double end = 0.0;
        int denum = 0;
        if (flags >= 0 && (flags & SEFLG_SWIEPH) && swe_get_current_file_data(0, &start, &end, &denum)) {
            info.usesFiles = true;
            info.firstYear = YearOfJulianDay(start);
            info.lastYear = YearOfJulianDay(end);
        }
    }
    return info;
}

int32 CalcFlags()
{
    return Ephemeris().usesFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH;
}

// Apparent geocentric longitude of a body at a Julian day in TT. The library falls back
// to its analytic ephemeris outside the files' range; an error gives 0.
double LongitudeAtTT(int body, double jdTT)
{
    double x[6] = {};
    char err[AS_MAXCH] = {};
    if (swe_calc(jdTT, body, CalcFlags(), x, err) < 0)
        return 0.0;
    return Normalize360(x[0]);
}

double JulianDayUT(double d2000)
{
    return d2000 + kJulianDayOfD2000Zero;
}

double JulianDayTT(double d2000)
{
    const double jdUT = JulianDayUT(d2000);
    return jdUT + swe_deltat_ex(jdUT, CalcFlags(), nullptr);
}

} // namespace

const EphemerisInfo& Ephemeris()
{
    static const EphemerisInfo info = OpenEphemeris();
    return info;
}

int EphemerisFlag()
{
    return CalcFlags();
}

void SetPreferredEphemerisPath(const std::string& folder)
{
    PreferredPath() = folder;
}

int DayCount(int day, int month, int year)
{
    return DayNumber(day, month, year);
}

int DayNumber(int day, int month, int year)
{
    const double jd = swe_julday(year, month, day, 0.0, SE_GREG_CAL);
    return static_cast<int>(std::lround(jd - kJulianDayOfDayNumberZero));
}

double DeltaTDays(double dayValue)
{
    return swe_deltat_ex(dayValue + kJulianDayOfDayNumberZero, CalcFlags(), nullptr);
}

double Obliquity(double dayValue)
{
    const double jdUT = dayValue + kJulianDayOfDayNumberZero;
    double x[6] = {};
    char err[AS_MAXCH] = {};
    swe_calc(jdUT + DeltaTDays(dayValue), SE_ECL_NUT, CalcFlags(), x, err);
    return x[0];
}

double SiderealTime(int dayFloor, double eastLonDeg, double utHours)
{
    const double jdUT = dayFloor + kJulianDayOfDayNumberZero + utHours / 24.0;
    const double st = swe_sidtime(jdUT) + eastLonDeg / 15.0;
    return Normalize360(st * 15.0) / 15.0;
}

namespace {
struct Angles {
    double ascendant;
    double meridian;
};
Angles HouseAngles(double siderealHours, double obliquityDeg, double latDeg)
{
    double cusps[13] = {};
    double ascmc[10] = {};
    swe_houses_armc(Normalize360(siderealHours * 15.0), latDeg, obliquityDeg, 'E', cusps, ascmc);
    return {Normalize360(ascmc[0]), Normalize360(ascmc[1])};
}
} // namespace

double Meridian(double siderealHours, double obliquityDeg)
{
    return HouseAngles(siderealHours, obliquityDeg, 0.0).meridian;
}

double Ascendant(double siderealHours, double obliquityDeg, double latDeg)
{
    return HouseAngles(siderealHours, obliquityDeg, latDeg).ascendant;
}

SolarTerms Sun(double d2000)
{
    const double jdTT = JulianDayTT(d2000);
    double x[6] = {};
    char err[AS_MAXCH] = {};
    swe_calc(jdTT, SE_SUN, CalcFlags(), x, err);
    return {Normalize360(x[0]), JulianDayUT(d2000), jdTT, x[2]};
}

MoonResult Moon([[maybe_unused]] double d2000, [[maybe_unused]] double sun, [[maybe_unused]] double s1, double s2,
                [[maybe_unused]] double s3)
{
    return {LongitudeAtTT(SE_MOON, s2), LongitudeAtTT(SE_MEAN_NODE, s2)};
}

double Mercury(double, double, double s2)
{
    return LongitudeAtTT(SE_MERCURY, s2);
}
double Venus(double, double, double s2)
{
    return LongitudeAtTT(SE_VENUS, s2);
}
double Mars(double, double, double s2)
{
    return LongitudeAtTT(SE_MARS, s2);
}
double Neptune(double, double, double s2)
{
    return LongitudeAtTT(SE_NEPTUNE, s2);
}
double Pluto(double, double, double s2)
{
    return LongitudeAtTT(SE_PLUTO, s2);
}

OuterTerms Outer(double d2000)
{
    const double jdTT = JulianDayTT(d2000);
    const double jdUT = JulianDayUT(d2000);
    return {jdTT, jdUT, jdTT - jdUT};
}

double Jupiter(double, double, double s2, double, double, double)
{
    return LongitudeAtTT(SE_JUPITER, s2);
}
double Saturn(double, double, double s2, double, double, double)
{
    return LongitudeAtTT(SE_SATURN, s2);
}
double Uranus(double, double, double s2, double)
{
    return LongitudeAtTT(SE_URANUS, s2);
}

double TransNeptunian(int factor, [[maybe_unused]] int month, [[maybe_unused]] int year, [[maybe_unused]] double sun,
                      double d2000)
{
    if (factor < kCupido || factor > kPoseidon)
        return 0.0;
    return LongitudeAtTT(SE_CUPIDO + (factor - kCupido), JulianDayTT(d2000));
}

double Midpoint(double a, double b)
{
    return Normalize360(a + ShortestArc(a, b) / 2.0);
}
double SumMinus(double a, double b, double c)
{
    return Normalize360(a + b - c);
}
double SumPlus(double a, double b, double c)
{
    return Normalize360(a + b + c);
}
double DiffMinus(double a, double b, double c)
{
    return Normalize360(a - b - c);
}
double MidpointOfMidpoint(double a, double b, double c)
{
    return Midpoint(Midpoint(a, b), c);
}

double TrueNode(double dayCount, double utHours)
{
    const double d2000 = dayCount - kD2000OfDayNumber + utHours / 24.0;
    return LongitudeAtTT(SE_TRUE_NODE, JulianDayTT(d2000));
}

} // namespace nemra::WinPl
