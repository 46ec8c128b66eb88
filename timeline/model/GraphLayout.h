// Where the graphic ephemeris puts things on a picture of a given size: the plot area, the time
// axis (moments to x) and the modulus axis (degrees to y, 0 at the bottom), the month and year
// ticks in the Buddhist era, the degree ticks, each mover's line as pieces that wrap from one
// edge of the modulus to the other, and where its glyph stands. Pixels are picture pixels,
// x to the right and y downwards; moments are Julian days in universal time.
#pragma once

#include "timeline/model/MoverTrack.h"

#include <string>
#include <vector>

namespace nemra {

// Room around the plot: fixed-line labels on the left, the movers' end glyphs on the right,
// glyphs above, two rows of date labels below.
inline constexpr int kGraphLeftMargin = 64;
inline constexpr int kGraphRightMargin = 28;
inline constexpr int kGraphTopMargin = 22;
inline constexpr int kGraphBottomMargin = 38;

struct GraphPoint {
    double x = 0.0;
    double y = 0.0;
};

class GraphScale {
  public:
    GraphScale(const TimelinePeriod& period, double modulus, int width, int height);

    double Left() const { return left_; }
    double Right() const { return right_; }
    double Top() const { return top_; }
    double Bottom() const { return bottom_; }
    double Modulus() const { return modulus_; }
    const TimelinePeriod& Period() const { return period_; }

    double X(double jdUT) const;
    double JdAt(double x) const;
    // A longitude's place in the modulus (0 <= v < modulus) as a height.
    double Y(double lonDeg) const;

  private:
    TimelinePeriod period_;
    double modulus_;
    double left_, right_, top_, bottom_;
};

// A tick on the time axis: the first day of a month, or of a Buddhist-era year. Months carry
// their abbreviation when they are wide enough for it; the first day of a year carries the
// year, and so does the first tick when no year begins near it.
struct DateTick {
    double x = 0.0;
    bool yearStart = false;
    std::string monthLabel;
    std::string yearLabel;
};
std::vector<DateTick> DateTicks(const GraphScale& scale);

struct DegreeTick {
    double y = 0.0;
    std::string label; // degrees.minutes
};
// Ticks from 0 to the modulus: every 30° of 360, 10° of 90, 5° of 45 and 30, 2.30 of 22.30.
std::vector<DegreeTick> DegreeTicks(const GraphScale& scale);

enum class GlyphPlace { Start, End, FromBottom, FromTop };

struct GlyphAnchor {
    GraphPoint at;
    GlyphPlace place = GlyphPlace::Start;
};

// One mover's line: pieces of one pixel column per point, broken where the line leaves the
// top or the bottom and comes back at the other edge; its glyph at both ends and where it comes
// back in, unless another of its glyphs stands closer than `glyphGap` pixels before.
struct TrackPlot {
    std::vector<std::vector<GraphPoint>> pieces;
    std::vector<GlyphAnchor> glyphs;
};
TrackPlot PlotTrack(const MoverTrack& track, const GraphScale& scale, double glyphGap = 72.0);

// Heights for labels wanted at `ys`, moved apart to at least `gap` and kept within
// [top, bottom] where they fit; in the order given.
std::vector<double> SpreadLabels(const std::vector<double>& ys, double gap, double top, double bottom);

// What the graph shows, computed once per period: the movers' tracks and the fixed points'
// longitudes.
struct GraphContent {
    TimelinePeriod period;
    double modulus = kDefaultModulus;
    std::vector<Mover> movers;
    std::vector<MoverTrack> tracks; // one per mover
    std::vector<FixedPoint> fixed;
    std::vector<double> fixedLon; // one per fixed point, degrees
};
GraphContent ComputeGraphContent(const TChartRecord& natal, const TimelineSettings& settings,
                                 const TimelinePeriod& period);

// The graph laid out on a picture of one size: everything a repaint draws, without computing.
struct GraphPicture {
    GraphScale scale;
    std::vector<DateTick> dates;
    std::vector<DegreeTick> degrees;
    std::vector<TrackPlot> plots; // one per mover
    std::vector<double> fixedY;   // one per fixed point
    std::vector<double> labelY;   // the fixed points' labels, spread apart
};
GraphPicture LayOutGraph(const GraphContent& content, int width, int height, double labelGap = 16.0);

// "15มษ34 15.34": a longitude in its sign and its place in the modulus (degrees.minutes).
std::string GraphPositionText(double lonDeg, double modulus);

// The readout at a moment: the date and time at the period's zone, then one line per mover and
// per fixed point, "พฤ จร 15มษ34 15.34".
std::vector<std::string> GraphReadout(const GraphContent& content, double jdUT);

} // namespace nemra
