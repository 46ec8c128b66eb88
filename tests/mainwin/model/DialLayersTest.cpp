// Glyph spreading and the plans of the three factor rings.
#include "mainwin/model/DialLayers.h"

#include "core/AngleMath.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"
#include "tests/support/UtMoment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace nemra {
namespace {

// Factor f at 10 + 15 f degrees: no two closer than 5, nothing moves.
DialPairs Apart()
{
    DialPairs p{};
    for (int f = 0; f < kDialFactorCount; ++f)
        p[static_cast<std::size_t>(f)].Lon = 10.0 + 15.0 * f;
    return p;
}

double& At(DialPairs& p, int f)
{
    return p[static_cast<std::size_t>(f)].Lon;
}

TEST(SpreadGlyphs, GlyphsFarApartStayAndReflectionsMirrorThem)
{
    const DialPairs in = Apart();
    const DialPairs out = SpreadGlyphs(in, 360, 360);
    for (std::size_t f = 0; f < in.size(); ++f) {
        EXPECT_DOUBLE_EQ(out[f].Lon, in[f].Lon);
        EXPECT_DOUBLE_EQ(out[f].Refl, 360.0 - in[f].Lon);
    }
    // Cancer-Capricorn axis: 180 - position, not reduced; the 90 dial always mirrors at 360.
    EXPECT_DOUBLE_EQ(SpreadGlyphs(in, 360, 180)[21].Refl, 180.0 - 325.0);
    EXPECT_DOUBLE_EQ(SpreadGlyphs(in, 90, 180)[21].Refl, 360.0 - 325.0);
}

TEST(SpreadGlyphs, TheLaterOfEqualFactorsKeepsItsPlace)
{
    DialPairs in = Apart();
    At(in, 3) = At(in, 8); // Sun and Mars together at 130
    const DialPairs out = SpreadGlyphs(in, 360, 360);
    EXPECT_DOUBLE_EQ(out[8].Lon, 130.0);
    EXPECT_DOUBLE_EQ(out[3].Lon, 135.0);
    EXPECT_DOUBLE_EQ(out[3].Refl, 225.0); // mirrored from the spread place
}

TEST(SpreadGlyphs, ClustersFanOutForwardPastThreeSixty)
{
    DialPairs in = Apart();
    for (int f = 16; f <= 21; ++f)
        At(in, f) = 350.0 + 0.15 * (f - 16);
    const DialPairs out = SpreadGlyphs(in, 360, 360);
    for (int f = 16; f <= 21; ++f)
        EXPECT_DOUBLE_EQ(out[static_cast<std::size_t>(f)].Lon, 350.0 + 5.0 * (f - 16)) << f;
    // A cluster each pushes on from its already moved predecessor.
    DialPairs close = Apart();
    At(close, 4) = 70.0;
    At(close, 5) = 72.0;
    At(close, 6) = 74.0; // factor 3 stands at 55
    const DialPairs fanned = SpreadGlyphs(close, 360, 360);
    EXPECT_DOUBLE_EQ(fanned[4].Lon, 70.0);
    EXPECT_DOUBLE_EQ(fanned[5].Lon, 75.0);
    EXPECT_DOUBLE_EQ(fanned[6].Lon, 80.0);
}

TEST(SpreadGlyphs, WrapGuardPullsBackOnlyTheLastGlyph)
{
    DialPairs in = Apart(); // factor 21 at 325, factor 20 at 310
    At(in, 21) = 358.5;
    DialPairs out = SpreadGlyphs(in, 360, 360);
    EXPECT_DOUBLE_EQ(out[21].Lon, 357.0);
    EXPECT_DOUBLE_EQ(out[21].Refl, 3.0);
    EXPECT_DOUBLE_EQ(out[20].Lon, 310.0);
    // Not when the neighbour is itself at 354 or beyond.
    At(in, 20) = 354.5;
    out = SpreadGlyphs(in, 360, 360);
    EXPECT_DOUBLE_EQ(out[20].Lon, 354.5);
    EXPECT_DOUBLE_EQ(out[21].Lon, 359.5);
}

TEST(SpreadGlyphs, NeverCloserThanFiveAndNeverBackwards)
{
    std::mt19937 rng(20261208);
    std::uniform_real_distribution<double> angle(0.0, 360.0);
    for (int round = 0; round < 200; ++round) {
        DialPairs in{};
        for (auto& p : in)
            p.Lon = angle(rng);
        const DialPairs out = SpreadGlyphs(in, 360, 360);
        std::vector<double> placed;
        for (std::size_t f = 0; f < in.size(); ++f) {
            placed.push_back(out[f].Lon);
            if (out[f].Lon != 357.0) {
                EXPECT_GE(out[f].Lon, in[f].Lon);
            }
        }
        std::sort(placed.begin(), placed.end());
        for (std::size_t k = 1; k + 1 < placed.size(); ++k)
            EXPECT_GE(placed[k] - placed[k - 1], 5.0 - 1e-9);
    }
}

class DialLayersTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        s.FOwnerInput = OwnerChartInput();
        s.GChartInput = OwnerChartInput();
        CastOwner(s);
        CastTransitNow(s, test::UtAt(2026, 12, 8, 5, 0, 0)); // noon at 105°E
        SetDisplayMode(s, kShowAll);
        s.FMaxContracia = 21;
    }
    MainSession s;
};

TEST_F(DialLayersTest, LeaderSegmentsByLayerAndNatalVisibility)
{
    const auto radii = [](const LayerPlan& p) {
        std::vector<double> r;
        for (const LeaderSegment& seg : p.segments) {
            r.push_back(seg.from);
            r.push_back(seg.to);
        }
        return r;
    };
    EXPECT_TRUE(PlanLayer(s, DialLayer::Natal).segments.empty());
    EXPECT_EQ(radii(PlanLayer(s, DialLayer::Arc)), (std::vector<double>{140, 145, 170, 175}));
    EXPECT_EQ(radii(PlanLayer(s, DialLayer::Transit)), (std::vector<double>{140, 145, 170, 180, 210, 215}));
    s.FNatal.Visible = false;
    EXPECT_EQ(radii(PlanLayer(s, DialLayer::Arc)), (std::vector<double>{140, 175}));
    EXPECT_EQ(radii(PlanLayer(s, DialLayer::Transit)), (std::vector<double>{140, 215}));
    // The leader starts where the segments end.
    const GlyphMark sun = PlanLayer(s, DialLayer::Transit).factors[kSun - 1].truePos;
    EXPECT_EQ(sun.leaderFrom, DialPoint(s.FTransit.Factors[kSun].Lon, 215, s.FChartCenter));
}

TEST_F(DialLayersTest, RingsColoursAndReflectionCount)
{
    const LayerPlan natal = PlanLayer(s, DialLayer::Natal);
    ASSERT_EQ(natal.factors.size(), 21u);
    EXPECT_EQ(natal.factors.front().factor, 1);
    EXPECT_EQ(natal.factors[kSun - 1].truePos.colour, DialColour::kRed);
    EXPECT_EQ(natal.factors[kSaturn - 1].truePos.colour, DialColour::kBlue);
    EXPECT_EQ(natal.factors[kSun - 1].reflected->colour, DialColour::kGrey);
    EXPECT_EQ(natal.factors[kSaturn - 1].reflected->colour, DialColour::kSilver);

    const LayerPlan arc = PlanLayer(s, DialLayer::Arc);
    ASSERT_EQ(arc.factors.size(), 22u);
    EXPECT_EQ(arc.factors[0].factor, 0); // the directed Aries point, without a reflection
    EXPECT_FALSE(arc.factors[0].reflected);
    EXPECT_EQ(arc.factors[0].truePos.colour, DialColour::kArcOther);
    EXPECT_EQ(arc.factors[kMoon].truePos.colour, DialColour::kArcPersonal);

    s.FMaxContracia = 5;
    for (const FactorMarks& m : PlanLayer(s, DialLayer::Transit).factors)
        EXPECT_EQ(m.reflected.has_value(), m.factor <= 5) << m.factor;
    s.FMaxContracia = 0;
    for (const FactorMarks& m : PlanLayer(s, DialLayer::Transit).factors)
        EXPECT_FALSE(m.reflected) << m.factor;
}

TEST_F(DialLayersTest, DirectedRingIsTheSpreadNatalRingTurnedByTheArc)
{
    DialPairs natal{};
    for (std::size_t f = 0; f < natal.size(); ++f)
        natal[f] = s.FNatal.Factors[f];
    const DialPairs spread = SpreadGlyphs(natal, 360, s.FAxis);
    const LayerPlan arc = PlanLayer(s, DialLayer::Arc);
    for (const FactorMarks& m : arc.factors) {
        const auto f = static_cast<std::size_t>(m.factor);
        EXPECT_NEAR(m.truePos.glyphAngle, Normalize360(spread[f].Lon + s.FArc), 1e-9);
        EXPECT_NEAR(m.truePos.exactAngle, Normalize360(natal[f].Lon + s.FArc), 1e-9);
        if (m.reflected) {
            EXPECT_NEAR(m.reflected->glyphAngle, Normalize360(spread[f].Refl + s.FArc), 1e-9);
        }
    }
}

TEST_F(DialLayersTest, NinetyDialWorksInFourfoldAngles)
{
    s.FDialType = nemra::kDial90;
    const LayerPlan natal = PlanLayer(s, DialLayer::Natal);
    for (const FactorMarks& m : natal.factors) {
        const auto f = static_cast<std::size_t>(m.factor);
        EXPECT_NEAR(m.truePos.exactAngle, Normalize360(4.0 * s.FNatal.Factors[f].Lon), 1e-9);
        EXPECT_NEAR(m.reflected->exactAngle, Normalize360(4.0 * s.FNatal.Factors[f].Refl), 1e-9);
        EXPECT_NEAR(m.reflected->glyphAngle, 360.0 - m.truePos.glyphAngle, 1e-9);
        EXPECT_EQ(m.truePos.textTopLeft, FactorGlyphTopLeft(m.truePos.leaderTo, 155, s.FChartCenter));
    }
    // The V1 ring turns by four times the arc.
    const LayerPlan arc = PlanLayer(s, DialLayer::Arc);
    EXPECT_NEAR(arc.factors[0].truePos.exactAngle, Normalize360(4.0 * s.FArc), 1e-9);
}

} // namespace
} // namespace nemra
