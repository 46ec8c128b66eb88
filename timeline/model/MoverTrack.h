// The positions of the moving factors over a period: the exact longitude of a mover from the
// ephemeris layer, and a track of samples taken once per period from which any moment between
// them is read by cubic interpolation (the graph's lines, the hover readout, the brackets of
// the timing list). Angles are degrees; moments are Julian days in universal time.
#pragma once

#include "timeline/model/TimelineSettings.h"

#include <functional>
#include <vector>

namespace nemra {

// A longitude in degrees at a moment (Julian day, UT).
using LongitudeAt = std::function<double(double jdUT)>;

// The apparent longitude of a mover at a moment, 0 <= lon < 360: a transit body as the chart
// casting computes it (the true or the mean node by `trueNode`), or a natal factor moved on by
// the solar arc of that moment (the progressed Sun, a day after birth for every tropical year
// of age, less the natal Sun).
double MoverLongitude(const TChartRecord& natal, const Mover& mover, bool trueNode, double jdUT);

// How a mover is sampled and searched: the days between samples (cubic interpolation between
// them stays within about 20 arc-seconds), the days between the timing list's bracket samples,
// and its mean daily motion and the widest swing of its retrograde loop (degrees), which bound
// how long it can stay within an orb.
struct MoverPace {
    double sampleDays = 1.0;
    double scanDays = 1.0;
    double meanDegPerDay = 1.0;
    double loopDeg = 0.0;
};
MoverPace PaceOf(const Mover& mover);

// Samples of one mover's longitude, unwrapped so that it runs on across 0°; read between them
// by cubic Hermite interpolation with slopes from a five-point difference.
class MoverTrack {
  public:
    MoverTrack() = default;
    // Samples `longitude` every `stepDays` (> 0) over [fromJdUT, toJdUT] and two steps beyond
    // each end.
    MoverTrack(const LongitudeAt& longitude, double fromJdUT, double toJdUT, double stepDays);

    // The longitude at a moment, continuous across turns (not reduced); a moment outside the
    // sampled range is read from the nearest end's curve.
    double At(double jdUT) const;
    // Degrees per day; negative while the mover is retrograde.
    double SpeedAt(double jdUT) const;
    // The same track `deg` further on.
    MoverTrack Shifted(double deg) const;

    bool Empty() const { return lon_.size() < 2; }
    // The range asked for when the track was sampled.
    double FromJdUT() const { return first_ + kEdgeSamples * step_; }
    double ToJdUT() const { return to_; }
    std::size_t SampleCount() const { return lon_.size(); }

  private:
    // Samples beyond each end, for the five-point slopes at the ends.
    static constexpr int kEdgeSamples = 2;

    struct Span {
        std::size_t i; // the sample at the start of the span
        double s;      // fraction of the step from it
    };
    Span SpanOf(double jdUT) const;

    double first_ = 0.0; // moment of sample 0
    double step_ = 1.0;  // days
    double to_ = 0.0;
    std::vector<double> lon_;
    std::vector<double> slope_; // degrees per step
};

// The tracks of the movers over [fromJdUT, toJdUT], each widened at both ends by
// `marginDays(mover)` (nothing for none): the directed movers share one sampling of the arc.
std::vector<MoverTrack> ComputeTracks(const TChartRecord& natal, const std::vector<Mover>& movers, bool trueNode,
                                      double fromJdUT, double toJdUT,
                                      const std::function<double(const Mover&)>& marginDays = {});

} // namespace nemra
