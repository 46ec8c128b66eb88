#include "timeline/model/TimingList.h"

#include "core/AngleMath.h"
#include "core/MomentFinder.h"
#include "timeline/model/MoverTrack.h"

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

constexpr double kHourDays = 1.0 / 24.0;
// The longest orb margin: twenty years.
constexpr double kMaxMarginDays = 7305.0;
// Degrees by which a track may stand off the ephemeris, with room: an approximate moment is
// within this much motion of the exact one.
constexpr double kTrackErrorDeg = 0.01;
// The widest window (days) searched on the ephemeris around an approximate moment.
constexpr double kMaxRefineDays = 30.0;

// Distance of `lon` from the nearest multiple of `base` about `target`, in [-base/2, base/2).
double Deviation(double lon, double target, double base)
{
    const double d = lon - target;
    return d - base * std::floor(d / base + 0.5);
}

// The moment finder's difference for a mover at a target: the distance scaled so that one base
// angle is a whole turn, so every multiple of the base is a zero. The base divides 360, so whole
// turns of the longitude stay whole turns.
AngleDifference ScaledDistance(LongitudeAt longitude, double target, double base)
{
    return [longitude = std::move(longitude), target, scale = 360.0 / base](double jd) {
        return (longitude(jd) - target) * scale;
    };
}

// The exact moment near `approx`, found on the ephemeris: first in a window the track's error
// allows at the mover's speed, then, near a station where that fails, across the whole gap to
// the neighbouring moments; the approximate moment when neither finds one.
double Refine(const AngleDifference& exact, double approx, double speedDegPerDay, double halfGap)
{
    const double w = std::clamp(kTrackErrorDeg / std::max(std::fabs(speedDegPerDay), 1e-9), kHourDays, halfGap);
    if (const auto jd = FindMoment(exact, approx - w, approx + w, 2.0 * w))
        return *jd;
    const auto moments = FindMoments(exact, approx - halfGap, approx + halfGap, halfGap / 16.0);
    if (moments.empty())
        return approx;
    return *std::min_element(moments.begin(), moments.end(),
                             [approx](double a, double b) { return std::fabs(a - approx) < std::fabs(b - approx); });
}

class HitFinder {
  public:
    HitFinder(const TChartRecord& natal, const TimelineSettings& settings, const TimelinePeriod& period)
        : FNatal(natal)
        , FSettings(settings)
        , FPeriod(period)
    {
    }

    std::vector<TimingHit> Run()
    {
        const auto tracks =
            ComputeTracks(FNatal, FSettings.movers, FSettings.trueNode, FPeriod.fromJdUT, FPeriod.toJdUT,
                          [this](const Mover& mover) { return OrbMarginDays(mover, FSettings.orb); });
        for (std::size_t i = 0; i < tracks.size(); ++i)
            for (const FixedPoint& point : FSettings.fixed)
                SearchPair(FSettings.movers[i], tracks[i], point);
        std::stable_sort(FHits.begin(), FHits.end(),
                         [](const TimingHit& a, const TimingHit& b) { return a.jdUT < b.jdUT; });
        return std::move(FHits);
    }

  private:
    void SearchPair(const Mover& mover, const MoverTrack& track, const FixedPoint& point)
    {
        const double target = FixedPointLongitude(FNatal, point);
        const double base = FSettings.base;
        const double scan = PaceOf(mover).scanDays;
        const auto approx = FindMoments(ScaledDistance([&track](double jd) { return track.At(jd); }, target, base),
                                        FPeriod.fromJdUT, FPeriod.toJdUT, scan);
        if (approx.empty())
            return;
        // Where the mover crosses the edge of the orb, over the span its track covers.
        std::vector<double> edges;
        if (FSettings.orb > 0.0)
            edges =
                FindMoments([&](double jd) { return std::fabs(Deviation(track.At(jd), target, base)) - FSettings.orb; },
                            track.FromJdUT(), track.ToJdUT(), scan);
        const LongitudeAt exactLon = [&](double jd) { return MoverLongitude(FNatal, mover, FSettings.trueNode, jd); };
        const AngleDifference exact = ScaledDistance(exactLon, target, base);
        for (std::size_t j = 0; j < approx.size(); ++j) {
            double halfGap = kMaxRefineDays;
            if (j > 0)
                halfGap = std::min(halfGap, (approx[j] - approx[j - 1]) / 2.0);
            if (j + 1 < approx.size())
                halfGap = std::min(halfGap, (approx[j + 1] - approx[j]) / 2.0);
            const double jd = Refine(exact, approx[j], track.SpeedAt(approx[j]), std::max(halfGap, kHourDays));
            if (jd < FPeriod.fromJdUT || jd >= FPeriod.toJdUT)
                continue;
            TimingHit hit;
            hit.jdUT = jd;
            hit.mover = mover;
            hit.point = point;
            hit.picture = PictureText(mover, point);
            hit.aspectDeg = AspectOf(target, exactLon(jd), base).aspect;
            hit.retrograde = ShortestArc(exactLon(jd - kHourDays), exactLon(jd + kHourDays)) < 0.0;
            const auto after = std::upper_bound(edges.begin(), edges.end(), jd);
            if (after != edges.begin())
                hit.orbEnterJdUT = *std::prev(after);
            if (after != edges.end())
                hit.orbLeaveJdUT = *after;
            FHits.push_back(std::move(hit));
        }
    }

    const TChartRecord& FNatal;
    const TimelineSettings& FSettings;
    const TimelinePeriod& FPeriod;
    std::vector<TimingHit> FHits;
};

} // namespace

double OrbMarginDays(const Mover& mover, double orbDeg)
{
    const MoverPace pace = PaceOf(mover);
    return std::min(kMaxMarginDays, 30.0 + (std::max(orbDeg, 0.0) + pace.loopDeg) / pace.meanDegPerDay);
}

std::vector<TimingHit> FindTimingHits(const TChartRecord& natal, const TimelineSettings& settings,
                                      const TimelinePeriod& period)
{
    return HitFinder(natal, settings, period).Run();
}

} // namespace nemra
