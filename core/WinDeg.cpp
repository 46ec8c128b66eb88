#include "WinDeg.h"

#include "AngleMath.h"
#include "FactorCatalogue.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace nemra::WinDeg {
namespace {
constexpr double kRadPerDeg = std::numbers::pi / 180.0;
}

double Reduce360(double deg)
{
    return Normalize360(deg);
}

double SinDeg(double deg)
{
    return std::sin(deg * kRadPerDeg);
}

double CosDeg(double deg)
{
    return std::cos(deg * kRadPerDeg);
}

double ArcTanDeg(double t)
{
    return std::atan(t) / kRadPerDeg;
}

double DegMinToDecimal(double degMin)
{
    if (!std::isfinite(degMin))
        return 0.0;
    const double a = std::fabs(degMin);
    const double whole = std::floor(a);
    double minutes = (a - whole) * 100.0;
    // 13.45 is stored as 13.4499999...: snap to the whole minute the text meant.
    const double nearest = std::round(minutes);
    if (std::fabs(minutes - nearest) < 1e-7)
        minutes = nearest;
    return SignOf(degMin) * (whole + minutes / 60.0);
}

double Reduce24(double hours)
{
    double h = hours - 24.0 * FloorPart(hours / 24.0);
    if (h >= 24.0 || h < 0.0)
        h = 0.0;
    return h;
}

std::string ArcText(double arcDeg)
{
    if (!std::isfinite(arcDeg))
        arcDeg = 0.0;
    const long long totalMinutes = std::llround(std::fabs(arcDeg) * 60.0);
    const bool negative = arcDeg < 0.0 && totalMinutes != 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%lld.%02lld", negative ? "-" : "", totalMinutes / 60, totalMinutes % 60);
    return buf;
}

std::string PositionText(double lonDeg)
{
    constexpr long long kMinutesPerTurn = 360 * 60;
    long long totalMinutes = std::llround(Normalize360(std::isfinite(lonDeg) ? lonDeg : 0.0) * 60.0);
    if (totalMinutes >= kMinutesPerTurn)
        totalMinutes -= kMinutesPerTurn;
    const auto sign = static_cast<std::size_t>(totalMinutes / (30 * 60)) + 1;
    const long long inSign = totalMinutes % (30 * 60);
    char deg[8];
    char min[8];
    std::snprintf(deg, sizeof deg, "%02lld", inSign / 60);
    std::snprintf(min, sizeof min, "%02lld", inSign % 60);
    return std::string(deg) + std::string(SignAbbrThai[sign]) + min;
}

} // namespace nemra::WinDeg
