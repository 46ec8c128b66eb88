#include "core/WinDeg.h"

#include "core/AngleMath.h"
#include "core/FactorCatalogue.h"

#include <algorithm>
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
    constexpr long long kMinutesPerSign = 30 * 60;
    const double lon = Normalize360(std::isfinite(lonDeg) ? lonDeg : 0.0);
    // The sign is the one the longitude lies in; rounding may not carry the text into the
    // next sign, so the last half minute of a sign reads 29°59' of that sign.
    const long long sign = std::min(static_cast<long long>(std::floor(lon / 30.0)), 11LL);
    const long long inSign =
        std::clamp(std::llround((lon - 30.0 * static_cast<double>(sign)) * 60.0), 0LL, kMinutesPerSign - 1);
    // Sized for any long long, so the compiler can see no text is ever cut.
    char deg[24];
    char min[24];
    std::snprintf(deg, sizeof deg, "%02lld", inSign / 60);
    std::snprintf(min, sizeof min, "%02lld", inSign % 60);
    return std::string(deg) + std::string(SignAbbrThai[static_cast<std::size_t>(sign) + 1]) + min;
}

} // namespace nemra::WinDeg
