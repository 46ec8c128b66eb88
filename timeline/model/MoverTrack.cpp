#include "timeline/model/MoverTrack.h"

#include "core/AngleMath.h"
#include "core/WinPl.h"

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

// Days of the mean tropical year: the progressed Sun moves one day for each of them.
constexpr double kTropicalYearDays = 365.2422;
// More samples than any period and margin need (ten years of hourly samples is 88 000).
constexpr double kMaxSamples = 2e6;
// The moments the chart input serves, 1 January of 1 CE to 31 December of 3000 CE (Julian days,
// UT); margins stop there.
constexpr double kFirstServedJd = 1721425.5;
constexpr double kLastServedJd = 2817152.5;

double TransitLongitude(int factor, bool trueNode, double jdUT)
{
    const double d = jdUT - WinPl::kJulianDayOfD2000Zero;
    if (factor == kSun)
        return WinPl::Sun(d).sun;
    if (factor == kMoon || (factor == kNode && !trueNode)) {
        const WinPl::SolarTerms sun = WinPl::Sun(d);
        const WinPl::MoonResult moon = WinPl::Moon(d, sun.sun, sun.s1, sun.s2, sun.s3);
        return factor == kMoon ? moon.moon : moon.meanNode;
    }
    if (factor == kNode) {
        const double dayValue = jdUT - WinPl::kJulianDayOfDayNumberZero;
        const double day = std::floor(dayValue);
        return WinPl::TrueNode(day, (dayValue - day) * 24.0);
    }
    // The layer computes the planets and the transneptunian points from the moment alone: the
    // outer terms carry the TT day (a) the solar terms would (s2) without computing the Sun,
    // and the Sun's longitude, month and year are not read. Sampling needs every call it saves.
    const WinPl::OuterTerms o = WinPl::Outer(d);
    switch (factor) {
    case kMercury:
        return WinPl::Mercury(d, 0.0, o.a);
    case kVenus:
        return WinPl::Venus(d, 0.0, o.a);
    case kMars:
        return WinPl::Mars(d, 0.0, o.a);
    case kJupiter:
        return WinPl::Jupiter(d, 0.0, o.a, o.a, o.b, o.c);
    case kSaturn:
        return WinPl::Saturn(d, 0.0, o.a, o.a, o.b, o.c);
    case kUranus:
        return WinPl::Uranus(d, 0.0, o.a, o.b);
    case kNeptune:
        return WinPl::Neptune(d, 0.0, o.a);
    case kPluto:
        return WinPl::Pluto(d, 0.0, o.a);
    default:
        return WinPl::TransNeptunian(factor, 0, 0, 0.0, d);
    }
}

double SolarArcAt(const TChartRecord& natal, double jdUT)
{
    const double natalJd = natal.Day2000 + WinPl::kJulianDayOfD2000Zero;
    const double ageYears = (jdUT - natalJd) / kTropicalYearDays;
    return Normalize360(WinPl::Sun(natal.Day2000 + ageYears).sun - natal.Factors[kSun].Lon);
}

// Mean daily motion (degrees) of the transneptunian points Cupido..Poseidon: a turn in their
// periods of 262, 360, 456, 522, 577, 618, 663 and 740 years.
constexpr std::array<double, 8> kPointMotion = {0.00376, 0.00274, 0.00216, 0.00189, 0.00171, 0.00160, 0.00149, 0.00133};

} // namespace

double MoverLongitude(const TChartRecord& natal, const Mover& mover, bool trueNode, double jdUT)
{
    const int factor = std::clamp(mover.factor, 0, kLastPositionedFactor);
    if (mover.layer == MoverLayer::Directed)
        return Normalize360(natal.Factors[static_cast<std::size_t>(factor)].Lon + SolarArcAt(natal, jdUT));
    return TransitLongitude(factor, trueNode, jdUT);
}

MoverPace PaceOf(const Mover& mover)
{
    if (mover.layer == MoverLayer::Directed)
        return {30.0, 5.0, 0.9856 / kTropicalYearDays, 0.0};
    switch (mover.factor) {
    case kSun:
        return {20.0, 1.0, 0.9856, 0.0};
    case kMoon:
        return {1.0 / 24.0, 0.1, 13.176, 0.0};
    case kNode:
        return {2.0, 0.5, 0.0530, 3.0};
    case kMercury:
        return {3.0, 1.0, 0.9856, 3.0};
    case kVenus:
        return {6.0, 1.0, 0.9856, 3.0};
    case kMars:
        return {8.0, 1.0, 0.5240, 3.0};
    case kJupiter:
        return {24.0, 1.0, 0.0831, 3.0};
    case kSaturn:
        return {24.0, 1.0, 0.0335, 3.0};
    case kUranus:
        return {32.0, 2.0, 0.0117, 3.0};
    case kNeptune:
        return {32.0, 2.0, 0.0060, 3.0};
    case kPluto:
        return {32.0, 2.0, 0.0040, 3.0};
    default: {
        const int point = std::clamp(mover.factor, static_cast<int>(kCupido), static_cast<int>(kPoseidon)) - kCupido;
        return {48.0, 2.0, kPointMotion[static_cast<std::size_t>(point)], 3.0};
    }
    }
}

MoverTrack::MoverTrack(const LongitudeAt& longitude, double fromJdUT, double toJdUT, double stepDays)
{
    if (!(stepDays > 0.0) || !std::isfinite(fromJdUT) || !std::isfinite(toJdUT) || !(toJdUT >= fromJdUT)
        || (toJdUT - fromJdUT) / stepDays > kMaxSamples)
        return;
    const auto n = static_cast<std::size_t>(std::ceil((toJdUT - fromJdUT) / stepDays)) + 1 + 2 * kEdgeSamples;
    first_ = fromJdUT - kEdgeSamples * stepDays;
    step_ = stepDays;
    to_ = toJdUT;
    lon_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double lon = longitude(first_ + static_cast<double>(i) * step_);
        lon_[i] = i == 0 ? lon : lon_[i - 1] + ShortestArc(lon_[i - 1], lon);
    }
    slope_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= 2 && i + 2 < n)
            slope_[i] = (lon_[i - 2] - 8.0 * lon_[i - 1] + 8.0 * lon_[i + 1] - lon_[i + 2]) / 12.0;
        else if (i >= 1 && i + 1 < n)
            slope_[i] = (lon_[i + 1] - lon_[i - 1]) / 2.0;
        else
            slope_[i] = i == 0 ? lon_[1] - lon_[0] : lon_[i] - lon_[i - 1];
    }
}

MoverTrack::Span MoverTrack::SpanOf(double jdUT) const
{
    const double x = (jdUT - first_) / step_;
    const double last = static_cast<double>(lon_.size() - 2);
    const double i = std::isfinite(x) ? std::clamp(std::floor(x), 0.0, last) : 0.0;
    return {static_cast<std::size_t>(i), std::isfinite(x) ? x - i : 0.0};
}

double MoverTrack::At(double jdUT) const
{
    if (Empty())
        return 0.0;
    const auto [i, s] = SpanOf(jdUT);
    const double u = 1.0 - s;
    return (1.0 + 2.0 * s) * u * u * lon_[i] + s * u * u * slope_[i] + s * s * (3.0 - 2.0 * s) * lon_[i + 1]
           - s * s * u * slope_[i + 1];
}

double MoverTrack::SpeedAt(double jdUT) const
{
    if (Empty())
        return 0.0;
    const auto [i, s] = SpanOf(jdUT);
    const double perStep = 6.0 * s * (s - 1.0) * (lon_[i] - lon_[i + 1]) + (3.0 * s * s - 4.0 * s + 1.0) * slope_[i]
                           + (3.0 * s * s - 2.0 * s) * slope_[i + 1];
    return perStep / step_;
}

MoverTrack MoverTrack::Shifted(double deg) const
{
    MoverTrack shifted = *this;
    for (double& lon : shifted.lon_)
        lon += deg;
    return shifted;
}

std::vector<MoverTrack> ComputeTracks(const TChartRecord& natal, const std::vector<Mover>& movers, bool trueNode,
                                      double fromJdUT, double toJdUT,
                                      const std::function<double(const Mover&)>& marginDays)
{
    const auto span = [&](const Mover& mover) {
        const double margin = marginDays ? std::max(0.0, marginDays(mover)) : 0.0;
        return std::pair{std::max(fromJdUT - margin, kFirstServedJd), std::min(toJdUT + margin, kLastServedJd)};
    };
    // The arc over the widest span any directed mover asks for, sampled once for all of them.
    std::optional<MoverTrack> arc;
    const auto arcTrack = [&]() -> const MoverTrack& {
        if (!arc) {
            double from = fromJdUT;
            double to = toJdUT;
            for (const Mover& mover : movers)
                if (mover.layer == MoverLayer::Directed) {
                    from = std::min(from, span(mover).first);
                    to = std::max(to, span(mover).second);
                }
            arc.emplace([&natal](double jd) { return SolarArcAt(natal, jd); }, from, to,
                        PaceOf({MoverLayer::Directed, kSun}).sampleDays);
        }
        return *arc;
    };
    std::vector<MoverTrack> tracks;
    tracks.reserve(movers.size());
    for (const Mover& mover : movers) {
        if (mover.layer == MoverLayer::Directed) {
            const int factor = std::clamp(mover.factor, 0, kLastPositionedFactor);
            tracks.push_back(arcTrack().Shifted(natal.Factors[static_cast<std::size_t>(factor)].Lon));
            continue;
        }
        const auto [from, to] = span(mover);
        tracks.emplace_back([&](double jd) { return MoverLongitude(natal, mover, trueNode, jd); }, from, to,
                            PaceOf(mover).sampleDays);
    }
    return tracks;
}

} // namespace nemra
