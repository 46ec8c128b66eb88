#include "timeline/model/GraphLayout.h"

#include "charts/model/ChartMoment.h"
#include "core/AngleMath.h"
#include "core/WinDeg.h"
#include "timeline/model/TimingListFiles.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <optional>

namespace nemra {
namespace {

// Pixels a month needs before its abbreviation is written, and a year label before the first
// tick gets one of its own.
constexpr double kMonthLabelRoom = 30.0;
constexpr double kYearLabelRoom = 60.0;
constexpr double kDaysPerMonth = 30.44;

double DegreeStep(double modulus)
{
    if (modulus >= 360.0)
        return 30.0;
    if (modulus >= 90.0)
        return 10.0;
    if (modulus >= 30.0)
        return 5.0;
    return 2.5;
}

// Collects the points of one piece of a line (x growing), leaving out each point that lies
// within `tolerance` pixels, up or down, of the straight stretch drawn in its place: the cone of
// slopes from the last kept point that pass every point since then narrows with each point, and
// the point before the one that empties it is kept.
class PieceBuilder {
  public:
    PieceBuilder(std::vector<GraphPoint>& points, double tolerance)
        : FPoints(points)
        , FTolerance(tolerance)
    {
    }

    void Add(GraphPoint p)
    {
        if (FPoints.empty()) {
            FPoints.push_back(p);
            return;
        }
        if (FPending && !Narrow(p)) {
            FPoints.push_back(*FPending);
            FPending.reset();
        }
        if (!FPending) {
            FLow = -HUGE_VAL;
            FHigh = HUGE_VAL;
            if (!Narrow(p)) { // no room to the right of the kept point: keep this one too
                FPoints.push_back(p);
                return;
            }
        }
        FPending = p;
    }

    void Finish()
    {
        if (FPending)
            FPoints.push_back(*FPending);
        FPending.reset();
    }

  private:
    // Narrows the cone to the slopes that pass within the tolerance of `p`; false when none is left.
    bool Narrow(GraphPoint p)
    {
        const GraphPoint& a = FPoints.back();
        const double dx = p.x - a.x;
        if (!(dx > 1e-9))
            return false;
        const double low = std::max(FLow, (p.y - FTolerance - a.y) / dx);
        const double high = std::min(FHigh, (p.y + FTolerance - a.y) / dx);
        const double slope = (p.y - a.y) / dx;
        if (slope < FLow || slope > FHigh || low > high)
            return false;
        FLow = low;
        FHigh = high;
        return true;
    }

    std::vector<GraphPoint>& FPoints;
    double FTolerance;
    std::optional<GraphPoint> FPending;
    double FLow = -HUGE_VAL;
    double FHigh = HUGE_VAL;
};

// How far (pixels) a drawn line may stand off the exact curve between the points kept.
constexpr double kLineTolerance = 0.25;

} // namespace

GraphScale::GraphScale(const TimelinePeriod& period, double modulus, int width, int height)
    : period_(period)
    , modulus_(modulus > 0.0 ? modulus : 360.0)
    , left_(kGraphLeftMargin)
    , right_(std::max(width - kGraphRightMargin, kGraphLeftMargin + 1))
    , top_(kGraphTopMargin)
    , bottom_(std::max(height - kGraphBottomMargin, kGraphTopMargin + 1))
{
    if (!(period_.toJdUT > period_.fromJdUT))
        period_.toJdUT = period_.fromJdUT + 1.0;
}

double GraphScale::X(double jdUT) const
{
    return left_ + (jdUT - period_.fromJdUT) / (period_.toJdUT - period_.fromJdUT) * (right_ - left_);
}

double GraphScale::JdAt(double x) const
{
    return period_.fromJdUT + (x - left_) / (right_ - left_) * (period_.toJdUT - period_.fromJdUT);
}

double GraphScale::Y(double lonDeg) const
{
    double v = std::fmod(lonDeg, modulus_);
    if (v < 0.0)
        v += modulus_;
    return bottom_ - v / modulus_ * (bottom_ - top_);
}

std::vector<DateTick> DateTicks(const GraphScale& scale)
{
    const TimelinePeriod& period = scale.Period();
    const UtMoment from = MomentOfJulianDay(period.fromJdUT);
    const CivilTime start = LocalTimeOf(from, period.zoneSeconds);
    CivilTime month{start.year, start.month, 1, 0, 0, 0};
    if (MomentOfLocalTime(month, period.zoneSeconds) < from) {
        month.month = start.month % 12 + 1;
        month.year = start.month == 12 ? start.year + 1 : start.year;
    }
    const double monthWidth = (scale.Right() - scale.Left()) / (period.toJdUT - period.fromJdUT) * kDaysPerMonth;
    std::vector<DateTick> ticks;
    for (int i = 0; i <= kLongestPeriodMonths + 1; ++i) {
        const double jd = MomentOfLocalTime(month, period.zoneSeconds).JulianDay();
        if (jd >= period.toJdUT)
            break;
        const int yearBE = BuddhistYearFor(month.month, month.year);
        const CivilTime first = FirstDayOfYearBE(yearBE);
        DateTick tick;
        tick.x = scale.X(jd);
        tick.yearStart = first.month == month.month && first.year == month.year;
        if (monthWidth >= kMonthLabelRoom)
            tick.monthLabel = MonthAbbrThai[static_cast<std::size_t>(month.month)];
        if (tick.yearStart)
            tick.yearLabel = std::to_string(yearBE);
        ticks.push_back(std::move(tick));
        month.year += month.month / 12;
        month.month = month.month % 12 + 1;
    }
    // The first tick names its year unless a year's own label comes close after it.
    if (!ticks.empty() && ticks.front().yearLabel.empty()) {
        const auto year = std::find_if(ticks.begin(), ticks.end(), [](const DateTick& t) { return t.yearStart; });
        if (year == ticks.end() || year->x - ticks.front().x >= kYearLabelRoom) {
            const CivilTime t = LocalTimeOf(MomentOfJulianDay(scale.JdAt(ticks.front().x)), period.zoneSeconds);
            ticks.front().yearLabel = std::to_string(BuddhistYearFor(t.month, t.year));
        }
    }
    return ticks;
}

std::vector<DegreeTick> DegreeTicks(const GraphScale& scale)
{
    const double step = DegreeStep(scale.Modulus());
    std::vector<DegreeTick> ticks;
    for (int i = 0; i * step <= scale.Modulus() + 1e-9; ++i) {
        const double v = i * step;
        ticks.push_back({scale.Bottom() - v / scale.Modulus() * (scale.Bottom() - scale.Top()), WinDeg::ArcText(v)});
    }
    return ticks;
}

TrackPlot PlotTrack(const MoverTrack& track, const GraphScale& scale, double glyphGap)
{
    TrackPlot plot;
    if (track.Empty())
        return plot;
    const double height = scale.Bottom() - scale.Top();
    const auto yOf = [&](double turns) { return scale.Bottom() - (turns - std::floor(turns)) * height; };
    const auto addGlyph = [&](GraphPoint at, GlyphPlace place) {
        if (place != GlyphPlace::End && !plot.glyphs.empty() && at.x - plot.glyphs.back().at.x < glyphGap)
            return;
        plot.glyphs.push_back({at, place});
    };

    double x0 = scale.Left();
    double v0 = track.At(scale.JdAt(x0)) / scale.Modulus(); // in turns of the modulus
    plot.pieces.emplace_back();
    auto piece = std::make_unique<PieceBuilder>(plot.pieces.back(), kLineTolerance);
    piece->Add({x0, yOf(v0)});
    addGlyph(plot.pieces.back().front(), GlyphPlace::Start);
    const int columns = static_cast<int>(std::ceil(scale.Right() - scale.Left()));
    for (int c = 1; c <= columns; ++c) {
        const double x1 = std::min(scale.Left() + c, scale.Right());
        const double v1 = track.At(scale.JdAt(x1)) / scale.Modulus();
        const double k0 = std::floor(v0);
        const double k1 = std::floor(v1);
        // Every edge of the modulus crossed between the two columns, in order.
        const int crossings = static_cast<int>(std::fabs(k1 - k0));
        for (int n = 1; n <= crossings; ++n) {
            const bool up = k1 > k0;
            const double edge = up ? k0 + n : k0 - n + 1;
            const double x = x0 + (edge - v0) / (v1 - v0) * (x1 - x0);
            piece->Add({x, up ? scale.Top() : scale.Bottom()});
            piece->Finish();
            plot.pieces.emplace_back();
            piece = std::make_unique<PieceBuilder>(plot.pieces.back(), kLineTolerance);
            piece->Add({x, up ? scale.Bottom() : scale.Top()});
            addGlyph(plot.pieces.back().front(), up ? GlyphPlace::FromBottom : GlyphPlace::FromTop);
        }
        piece->Add({x1, yOf(v1)});
        x0 = x1;
        v0 = v1;
    }
    piece->Finish();
    plot.glyphs.push_back({plot.pieces.back().back(), GlyphPlace::End});
    return plot;
}

std::vector<double> SpreadLabels(const std::vector<double>& ys, double gap, double top, double bottom)
{
    std::vector<std::size_t> order(ys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&ys](std::size_t a, std::size_t b) { return ys[a] < ys[b]; });
    std::vector<double> placed(ys.size());
    double last = top - gap;
    for (std::size_t i : order) {
        placed[i] = std::max(ys[i], last + gap);
        last = placed[i];
    }
    // Labels pushed past the bottom move back up as far as the top allows.
    double next = bottom + gap;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        placed[*it] = std::max(std::min(placed[*it], next - gap), top);
        next = placed[*it];
    }
    return placed;
}

GraphContent ComputeGraphContent(const TChartRecord& natal, const TimelineSettings& settings,
                                 const TimelinePeriod& period)
{
    GraphContent content{period, settings.modulus, settings.movers, {}, settings.fixed, {}};
    content.tracks = ComputeTracks(natal, settings.movers, settings.trueNode, period.fromJdUT, period.toJdUT);
    for (const FixedPoint& point : settings.fixed)
        content.fixedLon.push_back(FixedPointLongitude(natal, point));
    return content;
}

GraphPicture LayOutGraph(const GraphContent& content, int width, int height, double labelGap)
{
    GraphPicture picture{GraphScale(content.period, content.modulus, width, height), {}, {}, {}, {}, {}};
    picture.dates = DateTicks(picture.scale);
    picture.degrees = DegreeTicks(picture.scale);
    for (const MoverTrack& track : content.tracks)
        picture.plots.push_back(PlotTrack(track, picture.scale));
    for (double lon : content.fixedLon)
        picture.fixedY.push_back(picture.scale.Y(lon));
    picture.labelY = SpreadLabels(picture.fixedY, labelGap, picture.scale.Top(), picture.scale.Bottom());
    return picture;
}

std::string GraphPositionText(double lonDeg, double modulus)
{
    const double lon = Normalize360(lonDeg);
    return WinDeg::PositionText(lon) + " " + WinDeg::ArcText(modulus > 0.0 ? std::fmod(lon, modulus) : lon);
}

std::vector<std::string> GraphReadout(const GraphContent& content, double jdUT)
{
    std::vector<std::string> lines = {TimingDateTimeText(jdUT, content.period.zoneSeconds)};
    for (std::size_t i = 0; i < content.movers.size() && i < content.tracks.size(); ++i)
        lines.push_back(MoverName(content.movers[i]) + " "
                        + GraphPositionText(content.tracks[i].At(jdUT), content.modulus));
    for (std::size_t i = 0; i < content.fixed.size() && i < content.fixedLon.size(); ++i)
        lines.push_back(FixedPointName(content.fixed[i]) + " "
                        + GraphPositionText(content.fixedLon[i], content.modulus));
    return lines;
}

} // namespace nemra
