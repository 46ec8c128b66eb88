// The dial's pixel mapping, text placement and face rules.
#include "mainwin/model/DialGeometry.h"
#include "core/WinPl.h"
#include "mainwin/model/HouseCusps.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace nemra {
namespace {

constexpr int kCentre = 261;

TEST(DialGeometry, DialPointRunsCounterClockwiseFromTheTop)
{
    EXPECT_EQ(DialPoint(0, 100, kCentre), (DialPixel{261, 161}));
    EXPECT_EQ(DialPoint(90, 100, kCentre), (DialPixel{161, 261}));
    EXPECT_EQ(DialPoint(180, 100, kCentre), (DialPixel{261, 361}));
    EXPECT_EQ(DialPoint(270, 100, kCentre), (DialPixel{361, 261}));
    // trunc toward zero on both sides: r sin 40 = 6.43, r cos 40 = 7.66; at 200: -3.42 and -9.40.
    EXPECT_EQ(DialPoint(40, 10, kCentre), (DialPixel{255, 254}));
    EXPECT_EQ(DialPoint(200, 10, kCentre), (DialPixel{264, 270}));
    // Angles beyond one turn or below zero land within a pixel of their reduced value (the
    // scale normalises its angles first; only the mirrored glyph angles come unreduced).
    for (double a : {-30.0, 375.0, 725.5}) {
        const DialPixel p = DialPoint(a, 140, kCentre);
        const DialPixel q = DialPoint(std::fmod(a + 720.0, 360.0), 140, kCentre);
        EXPECT_LE(std::abs(p.x - q.x) + std::abs(p.y - q.y), 2) << a;
    }
}

TEST(DialGeometry, TextsShiftLeftAndUpOnTheFarSide)
{
    // A factor glyph at the top of the natal ring (r 155): k = 20/310, reach 416.
    const DialPixel top = DialPoint(0, 155, kCentre);
    EXPECT_EQ(FactorGlyphTopLeft(top, 155, kCentre), (DialPixel{261 - 10, 106 - 20}));
    // At the right edge (angle 270) nothing moves sideways: the anchor is the reach itself.
    const DialPixel right = DialPoint(270, 155, kCentre);
    EXPECT_EQ(FactorGlyphTopLeft(right, 155, kCentre), (DialPixel{416, 261 - 10}));
    // Sign glyphs and house numbers measure from centre + 50 with k 0.2 and 0.1.
    EXPECT_EQ(SignGlyphTopLeft({211, 261}, kCentre), (DialPixel{211 - 20, 261 - 10}));
    EXPECT_EQ(HouseNumberTopLeft({166, 261}, kCentre), (DialPixel{166 - 14, 261 - 5}));
}

TEST(DialGeometry, HouseNumberingFollowsTheIndexFactor)
{
    // After a cast (rotation 90, Meridian index) the sector after the red line is 10.
    EXPECT_EQ(HouseNumber(1, 1, 90.0), 10);
    // The zodiac dial: 7 at the Aries point (rotation exactly 0), 10 at the Cancer point.
    EXPECT_EQ(HouseNumber(1, 0, 0.0), 7);
    EXPECT_EQ(HouseNumber(1, 0, 90.0), 10);
    EXPECT_EQ(HouseNumber(1, 0, 1e-9), 10);
    EXPECT_EQ(HouseNumber(1, 2, 33.0), 1); // Ascendant: the sector is the house
    EXPECT_EQ(HouseNumber(1, 3, 33.0), 4); // Sun and the rest: house 4 follows the index
    EXPECT_EQ(HouseNumber(12, 5, 33.0), 12);
    // Every numbering is a permutation of 1..12.
    for (int index : {-1, 0, 1, 2, 3, 4, 5, 6, 21}) {
        std::set<int> houses;
        for (int sector = 1; sector <= 12; ++sector)
            houses.insert(HouseNumber(sector, index, 45.0));
        EXPECT_EQ(houses.size(), 12u) << index;
        EXPECT_EQ(*houses.begin(), 1);
        EXPECT_EQ(*houses.rbegin(), 12);
    }
}

TEST(DialGeometry, ReflectedHousePairsJoinDistinctHouses)
{
    EXPECT_TRUE(ReflectedHousePairs(-1).empty());
    EXPECT_TRUE(ReflectedHousePairs(22).empty());
    EXPECT_EQ(ReflectedHousePairs(2).size(), 5u);
    EXPECT_EQ(ReflectedHousePairs(4).data(), ReflectedHousePairs(1).data());
    EXPECT_EQ(ReflectedHousePairs(21).data(), ReflectedHousePairs(3).data());
    EXPECT_EQ(ReflectedHousePairs(0)[0].a, 7);
    EXPECT_EQ(ReflectedHousePairs(0)[0].b, 3);
    for (int index = -1; index <= 21; ++index) {
        std::set<int> houses;
        for (const HousePair& p : ReflectedHousePairs(index)) {
            houses.insert(p.a);
            houses.insert(p.b);
        }
        EXPECT_EQ(houses.size(), 2 * ReflectedHousePairs(index).size()) << index;
    }
}

TEST(DialGeometry, FiveDegreeScaleFillsTheGapsBetweenLinesAndPointers)
{
    // Ticks, house lines (every 30) and half-quadrant pointers (45 + 90 i) give exactly one
    // mark at each multiple of 5 degrees from the rotation.
    std::multiset<int> marks;
    for (int j = 1; j <= 71; ++j)
        if (HasFiveDegreeTick(j))
            marks.insert(5 * j);
    for (int i = 1; i <= 12; ++i)
        marks.insert(30 * i);
    for (int i = 0; i < 4; ++i)
        marks.insert(45 + 90 * i);
    for (int a = 5; a <= 360; a += 5)
        EXPECT_EQ(marks.count(a), 1u) << a;
    EXPECT_EQ(FiveDegreeTickInnerRadius(3), 125);
    EXPECT_EQ(FiveDegreeTickInnerRadius(4), 130);
}

TEST(DialGeometry, NinetyDialMarks)
{
    int count[5] = {};
    for (int i = 0; i < 180; ++i)
        ++count[static_cast<int>(Dial90MarkAt(i).kind)];
    EXPECT_EQ(count[static_cast<int>(Dial90Mark::Kind::Main)], 8);
    EXPECT_EQ(count[static_cast<int>(Dial90Mark::Kind::Tens)], 12);
    EXPECT_EQ(count[static_cast<int>(Dial90Mark::Kind::Eighth)], 4);
    EXPECT_EQ(count[static_cast<int>(Dial90Mark::Kind::Whole)], 72);
    EXPECT_EQ(count[static_cast<int>(Dial90Mark::Kind::Half)], 84); // 45 and 135 are main marks

    const Dial90Mark index = Dial90MarkAt(0);
    EXPECT_TRUE(index.pointer && index.spoke && index.third && index.wideArrow && !index.narrowArrow);

    // The bands over dial values 5-10, 15-20, 25-30, 35-40, 50-55, 60-65, 70-75, 80-85.
    int blocks = 0;
    for (int i = 0; i < 180; ++i)
        blocks += Dial90HasBandBlock(i);
    EXPECT_EQ(blocks, 72);
    EXPECT_FALSE(Dial90HasBandBlock(10));
    EXPECT_TRUE(Dial90HasBandBlock(11));
    EXPECT_FALSE(Dial90HasBandBlock(91));
    EXPECT_TRUE(Dial90HasBandBlock(169));
    EXPECT_DOUBLE_EQ(Dial90ScaleStart(100.0), 40.0);
}

TEST(DialGeometry, ArcLabelIsCutToFifteenCharacters)
{
    EXPECT_EQ(ArcLabel("90.53"), "ค.ส.= 90.53");
    EXPECT_EQ(ArcLabel("1234567890"), "ค.ส.= 123456789");
}

TEST(HouseCusps, MeridianHousesSpanTwoSiderealHours)
{
    // Without obliquity the meridian of sidereal time t is 15 t: cusps exactly 30 degrees apart.
    const auto flat = MeridianHouseCusps(3.0, 0.0);
    for (int n = 1; n <= 12; ++n)
        EXPECT_NEAR(flat[static_cast<std::size_t>(n - 1)], std::fmod(15.0 * (3.0 + 6.0 + 2.0 * (n - 1)), 360.0), 1e-9);
    // With the real obliquity cusp 10 is the chart's Meridian and opposite cusps are 180 apart.
    const auto cusps = MeridianHouseCusps(17.25, 23.44);
    EXPECT_NEAR(cusps[9], WinPl::Meridian(17.25, 23.44), 1e-9);
    for (std::size_t n = 0; n < 6; ++n)
        EXPECT_NEAR(std::fmod(cusps[n + 6] - cusps[n] + 360.0, 360.0), 180.0, 1e-9);
}

TEST(HouseCusps, DrawnOnlyForTheMeridianOfAComputedChart)
{
    MainSession s;
    s.FIndexDial = 1;
    s.GHouseChart = kLayerNatal;
    EXPECT_FALSE(DialHouseCusps(s)); // no natal chart yet
    s.FOwnerInput = OwnerChartInput();
    CastOwner(s);
    ASSERT_TRUE(DialHouseCusps(s));
    EXPECT_NEAR((*DialHouseCusps(s))[9], s.FNatal.Factors[kMeridian].Lon, 1e-6);
    s.GHouseChart = kLayerTransit; // the transit chart is not computed
    EXPECT_FALSE(DialHouseCusps(s));
    s.GHouseChart = kLayerNone;
    EXPECT_FALSE(DialHouseCusps(s));
    s.GHouseChart = kLayerNatal;
    s.FIndexDial = 3;
    EXPECT_FALSE(DialHouseCusps(s));
}

} // namespace
} // namespace nemra
