#include "core/AngleMath.h"

#include <cmath>

namespace nemra {

double SignOf(double x)
{
    return x >= 0.0 ? 1.0 : -1.0;
}

double IntPart(double x)
{
    return SignOf(x) * std::floor(std::fabs(x));
}

double FloorPart(double x)
{
    const double whole = IntPart(x);
    return (x < 0.0 && whole != x) ? whole - 1.0 : whole;
}

double Normalize360(double x)
{
    double r = x - 360.0 * FloorPart(x / 360.0);
    // x / 360 may round up to a whole number for x just below a multiple of 360,
    // and a tiny negative x gives 360 - tiny == 360 in doubles: keep the half-open range.
    if (r >= 360.0 || r < 0.0)
        r = 0.0;
    return r;
}

double ShortestArc(double from, double to)
{
    double d = Normalize360(to - from);
    if (d >= 180.0)
        d -= 360.0;
    return d;
}

AspectResult AspectOf(double x, double y, double step)
{
    if (y < x)
        y += 360.0;
    const double d = y - x;
    const double k = std::nearbyint(d / step); // default rounding mode: half to even
    AspectResult r;
    r.aspect = k * step;
    r.orb = d - r.aspect;
    if (r.aspect > 180.0)
        r.aspect = 360.0 - r.aspect;
    return r;
}

} // namespace nemra
