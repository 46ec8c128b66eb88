#include "core/MomentFinder.h"

#include "core/AngleMath.h"
#include "core/WinPl.h"

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

// More samples than any search over the years the program serves needs; a range or step that
// asks for more is refused rather than left to run for ever.
constexpr double kMaxSamples = 1e7;
// Refinement steps: the bracket is well below the tolerance long before this.
constexpr int kMaxRefinements = 100;

struct Sample {
    double jd;    // Julian day, UT
    double value; // reduced difference, degrees, [-180, 180)
};

double Reduced(double deg)
{
    return std::isfinite(deg) ? Normalize360(deg + 180.0) - 180.0 : 0.0;
}

Sample SampleAt(const AngleDifference& difference, double jd)
{
    return {jd, Reduced(difference(jd))};
}

// A bracket whose ends lie on both sides of zero, narrowed by the Illinois form of the false
// position method: the interpolated point replaces the end of its own sign, and an end kept
// twice in a row has its value halved so the bracket closes from both sides.
double Refine(const AngleDifference& difference, Sample a, Sample b)
{
    int keptSide = 0; // -1: `a` was kept last time, +1: `b` was
    double jd = (a.jd + b.jd) / 2.0;
    for (int i = 0; i < kMaxRefinements && std::fabs(b.jd - a.jd) > kMomentToleranceDays; ++i) {
        jd = (a.jd * b.value - b.jd * a.value) / (b.value - a.value);
        const Sample c = SampleAt(difference, jd);
        if (c.value == 0.0)
            return jd;
        if ((c.value < 0.0) == (b.value < 0.0)) {
            b = c;
            if (keptSide == -1)
                a.value /= 2.0;
            keptSide = -1;
        } else {
            a = c;
            if (keptSide == 1)
                b.value /= 2.0;
            keptSide = 1;
        }
    }
    return jd;
}

// The moments of FindMoments; with `firstOnly` the sampling stops at the first.
std::vector<double> Scan(const AngleDifference& difference, double fromJdUT, double toJdUT, double stepDays,
                         bool firstOnly)
{
    std::vector<double> moments;
    if (!std::isfinite(fromJdUT) || !std::isfinite(toJdUT) || !(stepDays > 0.0) || !(toJdUT > fromJdUT)
        || (toJdUT - fromJdUT) / stepDays > kMaxSamples)
        return moments;
    Sample a = SampleAt(difference, fromJdUT);
    for (long i = 1; a.jd < toJdUT && !(firstOnly && !moments.empty()); ++i) {
        const Sample b = SampleAt(difference, std::min(fromJdUT + static_cast<double>(i) * stepDays, toJdUT));
        if (a.value == 0.0)
            moments.push_back(a.jd);
        else if (b.value != 0.0 && (a.value < 0.0) != (b.value < 0.0) && std::fabs(b.value - a.value) < 180.0)
            moments.push_back(Refine(difference, a, b));
        a = b;
    }
    return moments;
}

} // namespace

std::vector<double> FindMoments(const AngleDifference& difference, double fromJdUT, double toJdUT, double stepDays)
{
    return Scan(difference, fromJdUT, toJdUT, stepDays, false);
}

std::optional<double> FindMoment(const AngleDifference& difference, double fromJdUT, double toJdUT, double stepDays)
{
    const auto moments = Scan(difference, fromJdUT, toJdUT, stepDays, true);
    if (moments.empty())
        return std::nullopt;
    return moments.front();
}

double SunLongitudeAt(double jdUT)
{
    return WinPl::Sun(jdUT - WinPl::kJulianDayOfD2000Zero).sun;
}

double MoonSunElongationAt(double jdUT)
{
    const double d2000 = jdUT - WinPl::kJulianDayOfD2000Zero;
    const WinPl::SolarTerms sun = WinPl::Sun(d2000);
    return Normalize360(WinPl::Moon(d2000, sun.sun, sun.s1, sun.s2, sun.s3).moon - sun.sun);
}

} // namespace nemra
