#include "timeline/model/GraphLayout.h"

#include "core/AngleMath.h"

#include "tests/timeline/TimelineTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nemra {
namespace {

// A track read between its samples stays within 25" of the ephemeris itself, for every mover the
// graph offers, at moments that fall anywhere between samples.
TEST(MoverTrack, StaysWithinArcSecondsOfTheEphemerisBetweenSamples)
{
    const TChartRecord natal = test::TimelineNatal();
    std::vector<Mover> movers = DefaultMovers();
    movers.push_back({MoverLayer::Transit, kMoon});
    movers.push_back({MoverLayer::Directed, kMeridian});
    const double from = 2460310.5; // 1 January 2024, 0h UT
    const double to = from + 90.0;
    const auto tracks = ComputeTracks(natal, movers, true, from, to);
    for (std::size_t i = 0; i < movers.size(); ++i)
        for (double jd = from; jd < to; jd += 0.737) {
            const double exact = MoverLongitude(natal, movers[i], true, jd);
            EXPECT_LT(std::fabs(ShortestArc(exact, tracks[i].At(jd))) * 3600.0, 25.0)
                << MoverName(movers[i]) << " at " << jd;
        }
}

// A straight line drawn on a 45° modulus: 10° + 2°/day over 30 days wraps where it reaches each
// multiple of 45°, at jd = from + (45k - 10) / 2, and each piece needs only its two ends.
TEST(PlotTrack, WrapsAtTheEdgesWhereTheLineReachesThem)
{
    const TimelinePeriod period{2460000.5, 2460030.5, 0};
    const MoverTrack track([&](double jd) { return 10.0 + 2.0 * (jd - period.fromJdUT); }, period.fromJdUT,
                           period.toJdUT, 5.0);
    const GraphScale scale(period, 45.0, 700, 400);
    const TrackPlot plot = PlotTrack(track, scale);
    ASSERT_EQ(plot.pieces.size(), 2u); // 10° .. 70°: one wrap, at 45°
    const double wrapX = scale.X(period.fromJdUT + 17.5);
    EXPECT_NEAR(plot.pieces[0].back().x, wrapX, 1e-6);
    EXPECT_DOUBLE_EQ(plot.pieces[0].back().y, scale.Top());
    EXPECT_NEAR(plot.pieces[1].front().x, wrapX, 1e-6);
    EXPECT_DOUBLE_EQ(plot.pieces[1].front().y, scale.Bottom());
    for (const auto& piece : plot.pieces)
        EXPECT_EQ(piece.size(), 2u);
    ASSERT_EQ(plot.glyphs.size(), 3u);
    EXPECT_EQ(plot.glyphs[0].place, GlyphPlace::Start);
    EXPECT_EQ(plot.glyphs[1].place, GlyphPlace::FromBottom);
    EXPECT_EQ(plot.glyphs[2].place, GlyphPlace::End);
}

// A curve keeps enough points that the drawn line stays within a third of a pixel of it.
TEST(PlotTrack, KeepsCurvesWithinAThirdOfAPixel)
{
    const TimelinePeriod period{2460000.5, 2460060.5, 0};
    const auto curve = [&](double jd) {
        return 20.0 + 10.0 * std::sin(2.0 * std::numbers::pi * (jd - 2460000.5) / 10.0);
    };
    const MoverTrack track(curve, period.fromJdUT, period.toJdUT, 0.05);
    const GraphScale scale(period, 45.0, 900, 500);
    const TrackPlot plot = PlotTrack(track, scale);
    ASSERT_EQ(plot.pieces.size(), 1u);
    const auto& points = plot.pieces.front();
    EXPECT_LT(points.size(), 600u); // fewer than one a column
    for (double x = scale.Left(); x <= scale.Right(); x += 0.5) {
        const auto next =
            std::lower_bound(points.begin(), points.end(), x, [](const GraphPoint& p, double v) { return p.x < v; });
        if (next == points.begin() || next == points.end())
            continue;
        const GraphPoint a = *std::prev(next);
        const GraphPoint b = *next;
        const double drawn = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
        EXPECT_LT(std::fabs(drawn - scale.Y(curve(scale.JdAt(x)))), 1.0 / 3.0) << x;
    }
}

// Until 1940 the Buddhist year began on 1 April: 1940 begins in 2482 BE, and 2483 BE on 1 April.
TEST(DateTicks, MarkTheBuddhistYearWhereItBegins)
{
    TimelineSettings s = test::SettingsFrom("01/01/2482", 12, DefaultMovers(), DefaultFixedPoints());
    const PeriodOutcome period = PeriodOf(s, 7 * 3600);
    ASSERT_TRUE(period.ok()) << test::ReasonOf(period);
    const auto ticks = DateTicks(GraphScale(*period, 45.0, 1000, 500));
    ASSERT_EQ(ticks.size(), 12u);
    EXPECT_EQ(ticks[0].monthLabel, "ม.ค.");
    EXPECT_EQ(ticks[0].yearLabel, "2482");
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].yearStart, i == 3) << i;
        EXPECT_EQ(ticks[i].yearLabel, i == 3 ? "2483" : "") << i;
    }
}

TEST(SpreadLabels, MovesCrowdedLabelsApartWithinTheRange)
{
    const std::vector<double> ys = {95.0, 99.0, 20.0, 98.0, 97.0};
    const auto placed = SpreadLabels(ys, 10.0, 0.0, 100.0);
    auto sorted = placed;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_GE(sorted[i] - sorted[i - 1], 10.0 - 1e-9);
    EXPECT_DOUBLE_EQ(placed[2], 20.0); // room enough where it stands
    EXPECT_LE(*std::max_element(placed.begin(), placed.end()), 100.0);
    EXPECT_LT(placed[0], placed[1]); // the order of the heights is kept
}

} // namespace
} // namespace nemra
