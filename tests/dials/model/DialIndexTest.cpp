#include "dials/model/DialIndex.h"

#include "core/AngleMath.h"
#include "mainwin/model/Session.h"
#include "tests/support/ChartInputs.h"

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace nemra {
namespace {

constexpr double kTolerance = 1e-9;

std::string Code(int f)
{
    return std::string(FactorCodeThai[static_cast<std::size_t>(f)]);
}

// Both charts "computed" from hand-set longitudes, with arcs and a daily meridian.
MainSession HandSession()
{
    MainSession s;
    s.FNatal.Computed = s.FTransit.Computed = true;
    for (std::size_t i = 1; i < kFactorCount; ++i) {
        s.FNatal.Factors[i].Lon = Normalize360(17.0 * static_cast<double>(i) + 3.0);
        s.FTransit.Factors[i].Lon = Normalize360(29.0 * static_cast<double>(i) + 11.0);
    }
    s.FArc = 33.0;
    s.FHalfArc = 16.5;
    s.FDoubleArc = 66.0;
    s.FDailyMeridian = 123.25;
    return s;
}

// Charts cast for real, natal 1977 and transit 2026 (arc about 49 degrees).
MainSession CastSession(const char* transitDate = "07/12/2569", const char* transitTime = "09.05.07")
{
    MainSession s;
    CastNatal(s, test::BangkokInput("15/06/2520", "06.30.00"));
    CastTransit(s, test::BangkokInput(transitDate, transitTime));
    return s;
}

TEST(PointFormulas, PairCodeKeepsTheOrderExceptForTwoPairs)
{
    EXPECT_EQ(PairCode(kSun, kMoon), "SUMO");
    EXPECT_EQ(PairCode(kMoon, kSun), "MOSU");
    EXPECT_EQ(PairCode(kAries, kMeridian), "MCAR");
    EXPECT_EQ(PairCode(kAscendant, kSun), "SUAS");
    EXPECT_EQ(PairCode(kMercury, kVenus), "MEVE");
}

TEST(PointFormulas, SensitivePointsKeepTheirOrdinalsAndArgumentOrder)
{
    FactorPositions chart{};
    chart[kAries].Lon = 5.0;
    chart[kMeridian].Lon = 100.0;
    chart[kSun].Lon = 40.0;
    chart[kMoon].Lon = 10.0;
    chart[kMars].Lon = 20.0;
    chart[kJupiter].Lon = 50.0;
    const double expected[] = {340.0, 80.0, 300.0, 32.5, 35.0, 335.0}; // MC/SU = 70: AR+MC-70, AR+SU-70
    for (int kind = 1; kind <= kSensKindCount; ++kind)
        EXPECT_NEAR(SensitivePoint(kind, chart, kMoon, kMars, kJupiter), expected[kind - 1], kTolerance) << kind;

    EXPECT_EQ(SensitiveName(1, kSun, kMoon, kMars), Code(kSun) + "+" + Code(kMoon) + "-" + Code(kMars));
    EXPECT_EQ(SensitiveName(3, kSun, kMoon, kMars), Code(kSun) + "-" + Code(kMoon) + "-" + Code(kMars));
    EXPECT_EQ(SensitiveName(4, kSun, kMoon, kMars), Code(kSun) + "/" + Code(kMoon) + "//" + Code(kMars));
    EXPECT_EQ(SensitiveName(6, kSun, kMoon, kMars), "AR+SU-(MC/SU)");
}

TEST(PointFormulas, MalformedKindsGiveNoPoint)
{
    const MainSession s = HandSession();
    const PointSources sources = PointSourcesOf(s);
    EXPECT_FALSE(IndexPoint({kIndexFactor, kSun, 0, 0, kLayerNone, kLayerNatal}, sources));     // no layer
    EXPECT_FALSE(IndexPoint({kIndexMidpoint, kSun, 40, 0, kLayerNatal, kLayerNatal}, sources)); // factor out of range
    EXPECT_FALSE(IndexPoint({kIndexSumMinus, -1, 0, 0, kLayerNatal, kLayerNatal}, sources));    // factor out of range
    EXPECT_FALSE(IndexPoint({kIndexHouse, kSun, 0, 0, kLayerNatal, kLayerNone}, sources));      // no house chart
    EXPECT_FALSE(IndexPoint({15, kSun, 0, 0, kLayerNatal, kLayerNatal}, sources));              // unknown mode
}

TEST(MidpointDial, MidpointsAndTheirReflections)
{
    MainSession s = HandSession();
    s.FNatal.Factors[kSun].Lon = 10.0;
    s.FNatal.Factors[kMoon].Lon = 350.0;
    SetMidpointIndex(s, {kMidNatal, kSun, kMoon, true, false});
    EXPECT_EQ(s.IndexName, Code(kSun) + "/" + Code(kMoon));
    EXPECT_EQ(s.IndexFactorCode, "SUMO");
    EXPECT_EQ(s.FIndexMode, kIndexMidpoint);
    EXPECT_EQ(s.FDialTitle, s.IndexName + " กำเนิด");
    EXPECT_NEAR(Normalize360(s.FDialRotation), 0.0, kTolerance); // across 0 Aries, not 180
    EXPECT_EQ(s.FDialSubTitle, "00มษ00");

    s.FNatal.Factors[kMoon].Lon = 340.0; // midpoint 355, reflected 5
    SetMidpointIndex(s, {kMidNatal, kSun, kMoon, true, true});
    EXPECT_NEAR(s.FDialRotation, 5.0, kTolerance);
    EXPECT_EQ(s.IndexName, "-" + Code(kSun) + "/" + Code(kMoon));
    EXPECT_EQ(s.FDialTitle, s.IndexName + " กำเนิด");
    EXPECT_EQ(s.FIndexMode, kIndexMidpointReflection);

    // Natal A with transit B, no title suffix; reflected about the Cancer axis.
    s.FTransit.Factors[kMoon].Lon = 30.0;
    s.FAxis = nemra::kAxisCancerCapricorn;
    SetMidpointIndex(s, {kMidNatalTransit, kSun, kMoon, true, false});
    EXPECT_NEAR(s.FDialRotation, 20.0, kTolerance);
    EXPECT_EQ(s.FDialTitle, Code(kSun) + "กำเนิด/" + Code(kMoon) + " จร");
    EXPECT_EQ(s.FIndexMode, kIndexNatalTransitMidpoint);
    EXPECT_EQ(s.IndexLayer, 0);
    SetMidpointIndex(s, {kMidNatalTransit, kSun, kMoon, true, true});
    EXPECT_NEAR(s.FDialRotation, 160.0, kTolerance);
    EXPECT_EQ(s.FIndexMode, kIndexNatalTransitMidpointReflection);
}

TEST(MidpointDial, SingleFactors)
{
    MainSession s = HandSession();
    s.FNatal.Factors[kSun].Lon = 15.0;
    s.FHalfArc = 20.0;
    SetMidpointIndex(s, {kMidV2Half, kSun, kMoon, false, false});
    EXPECT_NEAR(s.FDialRotation, 355.0, kTolerance);
    EXPECT_EQ(s.IndexLayer, kLayerV2Half);
    EXPECT_EQ(s.FDialTitle, "อาทิตย์ V2 ครึ่งโค้ง");
    EXPECT_EQ(s.IndexFactorCode, "SU");
    EXPECT_EQ(s.FIndexDial, -1);

    // Reflected first (360 - 15 = 345), then moved by the V1 arc of 33.
    SetMidpointIndex(s, {kMidV1, kSun, kMoon, false, true});
    EXPECT_NEAR(s.FDialRotation, 18.0, kTolerance);
    EXPECT_EQ(s.FDialTitle, "-อาทิตย์ V1");
    EXPECT_EQ(s.FIndexMode, kIndexFactorReflection);

    SetMidpointIndex(s, {kMidTransit, kMars, kMoon, false, false});
    EXPECT_EQ(s.FDialRotation, s.FTransit.Factors[kMars].Lon);
    EXPECT_EQ(s.FIndexDial, kMars);
    EXPECT_EQ(s.GHouseChart, 2);

    // A single factor has no natal/transit mixture: it comes from the natal chart.
    SetMidpointIndex(s, {kMidNatalTransit, kSun, kMoon, false, false});
    EXPECT_EQ(s.FDialRotation, 15.0);
    EXPECT_EQ(s.IndexLayer, kLayerNatal);
    EXPECT_EQ(s.FDialTitle, "อาทิตย์ กำเนิด");
}

// Every source of both dials against the layer it stands for: the layer recorded, the point
// moved by that layer's arc, and the title's suffix. Hand values: arcs 33, 16.5 and 66;
// natal Sun 10, Moon 50, Mars 20 and transit Sun 100, Moon 140, Mars 170, so the Sun/Moon
// midpoint is 30 natal and 120 transit (natal Sun with transit Moon: 75), and Sun+Moon-Mars
// is 40 natal and 70 transit. Each directed layer adds (V1) or subtracts (V2) its arc.
TEST(DialSources, EverySourceTakesItsLayer)
{
    struct Row {
        bool sensitive; // the sensitive-point dial, else the midpoint dial
        int source;
        int layer;
        double point;
        const char* suffix;
    };
    const Row rows[] = {
        {false, kMidNatal, kLayerNatal, 30.0, " กำเนิด"},
        {false, kMidTransit, kLayerTransit, 120.0, " จร"},
        {false, kMidNatalTransit, 0, 75.0, ""},
        {false, kMidV1, kLayerV1, 63.0, " V1"},
        {false, kMidV1Half, kLayerV1Half, 46.5, " V1 ครึ่งโค้ง"},
        {false, kMidV1Double, kLayerV1Double, 96.0, " V1 โค้ง 2 เท่า"},
        {false, kMidV2, kLayerV2, 357.0, " V2"},
        {false, kMidV2Half, kLayerV2Half, 13.5, " V2 ครึ่งโค้ง"},
        {false, kMidV2Double, kLayerV2Double, 324.0, " V2 โค้ง 2 เท่า"},
        {true, kSensNatal, kLayerNatal, 40.0, " กำเนิด"},
        {true, kSensTransit, kLayerTransit, 70.0, " จร"},
        {true, kSensV1, kLayerV1, 73.0, " V1"},
        {true, kSensV1Half, kLayerV1Half, 56.5, " V1 ครึ่งโค้ง"},
        {true, kSensV1Double, kLayerV1Double, 106.0, " V1 โค้ง 2 เท่า"},
        {true, kSensV2, kLayerV2, 7.0, " V2"},
        {true, kSensV2Half, kLayerV2Half, 23.5, " V2 ครึ่งโค้ง"},
        {true, kSensV2Double, kLayerV2Double, 334.0, " V2 โค้ง 2 เท่า"},
    };
    MainSession s = HandSession();
    s.FNatal.Factors[kSun].Lon = 10.0;
    s.FNatal.Factors[kMoon].Lon = 50.0;
    s.FNatal.Factors[kMars].Lon = 20.0;
    s.FTransit.Factors[kSun].Lon = 100.0;
    s.FTransit.Factors[kMoon].Lon = 140.0;
    s.FTransit.Factors[kMars].Lon = 170.0;
    for (const Row& r : rows) {
        SCOPED_TRACE((r.sensitive ? "sensitive source " : "midpoint source ") + std::to_string(r.source));
        std::string name;
        if (r.sensitive) {
            SetSensitiveIndex(s, {1, r.source, kSun, kMoon, kMars});
            name = Code(kSun) + "+" + Code(kMoon) + "-" + Code(kMars);
            EXPECT_EQ(SensSourceLayer(r.source), r.layer);
        } else {
            SetMidpointIndex(s, {r.source, kSun, kMoon, true, false});
            name = r.source == kMidNatalTransit ? Code(kSun) + "กำเนิด/" + Code(kMoon) + " จร"
                                                : Code(kSun) + "/" + Code(kMoon);
            EXPECT_EQ(MidSourceLayer(r.source), r.layer);
        }
        EXPECT_EQ(s.IndexLayer, r.layer);
        EXPECT_NEAR(s.FDialRotation, r.point, kTolerance);
        EXPECT_EQ(s.FDialTitle, name + r.suffix);
    }
}

TEST(SensitiveDial, FormulasNamesAndSources)
{
    MainSession s = HandSession();
    s.IndexFactorCode = "SU";
    SetSensitiveIndex(s, {1, kSensNatal, kSun, kMoon, kMars});
    EXPECT_EQ(s.FIndexMode, 9);
    EXPECT_EQ(s.FDialTitle, Code(kSun) + "+" + Code(kMoon) + "-" + Code(kMars) + " กำเนิด");
    EXPECT_TRUE(s.IndexFactorCode.empty());

    SetSensitiveIndex(s, {5, kSensTransit, kSun, kMoon, kMars});
    EXPECT_EQ(s.FDialTitle, "AR+MC-(MC/SU) จร");
    EXPECT_NEAR(s.FDialRotation, 331.0, kTolerance); // 0 + 40 - (40/98 = 69), transit MC 40, Sun 98

    SetSensitiveIndex(s, {6, kSensV1Double, kSun, kMoon, kMars});
    EXPECT_NEAR(s.FDialRotation, 83.0, kTolerance); // 0 + 54 - (20/54 = 37) + 66, natal MC 20, Sun 54
    EXPECT_EQ(s.IndexLayer, kLayerV1Double);
    EXPECT_EQ(s.FIndexDial, -1);
}

TEST(OtherDials, HouseZodiacDailyMeridianAndUserPoint)
{
    MainSession s = HandSession();
    SetHouseIndex(s, {kMeridian, true});
    EXPECT_EQ(s.FIndexDial, 1);
    EXPECT_EQ(s.GHouseChart, 1);
    EXPECT_EQ(s.FDialRotation, s.FNatal.Factors[kMeridian].Lon);
    EXPECT_EQ(s.FDialTitle, "เรือนชะตา เมอริเดียน");
    EXPECT_TRUE(s.FDialSubTitle.empty());
    EXPECT_EQ(s.IndexName, "เมอริเดียน"); // not the name of an earlier index

    s.FDialSubTitle = "01มษ00";
    SetZodiacIndex(s);
    EXPECT_EQ(s.FDialRotation, 90.0);
    EXPECT_EQ(s.FIndexDial, 0);
    EXPECT_TRUE(s.FDialSubTitle.empty());

    SetMidpointIndex(s, {kMidNatal, kMars, kSun, false, false});
    SetDailyMeridianIndex(s);
    EXPECT_EQ(s.FDialRotation, 123.25);
    EXPECT_EQ(s.FDialTitle, "เมอริเดียนประจำวัน ");
    EXPECT_EQ(s.IndexFactorCode, "MC");
    EXPECT_EQ(s.FIndexMode, kIndexDailyMeridian);
    EXPECT_EQ(s.FIndexDial, -1); // no longer Mars's house numbering
    EXPECT_EQ(s.FIndexFactorA, kMars);

    SetUserIndex(s, {"User's Point", 3, 0, 0});
    EXPECT_EQ(s.FDialRotation, 90.0);
    EXPECT_EQ(s.FDialTitle, "User's Point");
    EXPECT_EQ(s.FIndexMode, 0);
    EXPECT_DOUBLE_EQ(UserPointLongitude({"", 11, 29, 59}), 359.0 + 59.0 / 60.0);
    EXPECT_DOUBLE_EQ(UserPointLongitude({"", 12, 30, 60}), 359.0 + 59.0 / 60.0);
}

// Every dial records a kind from which its own point is recomputed on an unchanged session.
TEST(RecomputeIndexPoint, ReproducesEveryDialsPoint)
{
    const MainSession cast = CastSession();
    ASSERT_GT(cast.FArc, 1.0);
    std::vector<std::function<void(MainSession&)>> dials = {SetZodiacIndex, SetDailyMeridianIndex, [](MainSession& m) {
                                                                SetHouseIndex(m, {kAscendant, false});
                                                            }};
    for (const MidpointChoice& c :
         {MidpointChoice{kMidV1, kMoon, 0, false, false}, MidpointChoice{kMidV2, kVenus, 0, false, true},
          MidpointChoice{kMidTransit, kSun, kMoon, true, false}, MidpointChoice{kMidV1Half, kSun, kPluto, true, true},
          MidpointChoice{kMidNatalTransit, kMars, kSun, true, false},
          MidpointChoice{kMidNatalTransit, kMars, kSun, true, true}})
        dials.push_back([c](MainSession& m) { SetMidpointIndex(m, c); });
    const int sources[] = {kSensV2Double, kSensNatal, kSensTransit, kSensV2Half, kSensV1, kSensTransit};
    for (int kind = 1; kind <= kSensKindCount; ++kind)
        dials.push_back([kind, &sources](MainSession& m) {
            SetSensitiveIndex(m, {kind, sources[kind - 1], kSun, kMoon, kMars});
        });

    std::set<int> modes;
    for (int axis : {360, 180})
        for (const auto& dial : dials) {
            MainSession m = cast;
            SetAxis(m, axis);
            dial(m);
            modes.insert(m.FIndexMode);
            SCOPED_TRACE("mode " + std::to_string(m.FIndexMode) + " axis " + std::to_string(axis));
            const std::optional<double> again = RecomputeIndexPoint(m);
            ASSERT_EQ(again.has_value(), m.FIndexMode != kIndexZodiac);
            if (again) {
                EXPECT_DOUBLE_EQ(*again, m.FDialRotation);
            }
        }
    EXPECT_EQ(modes.size(), 15u);
}

TEST(RecomputeIndexPoint, FollowsTheLiveTransitChart)
{
    MainSession s = CastSession();
    const MainSession later = CastSession("07/12/2569", "15.05.07");
    const auto recomputedLater = [&later](const MainSession& chosen) {
        MainSession m = later;
        m.FIndexMode = chosen.FIndexMode;
        m.FIndexFactorA = chosen.FIndexFactorA;
        m.IndexLayer = chosen.IndexLayer;
        return RecomputeIndexPoint(m);
    };
    SetMidpointIndex(s, {kMidTransit, kMoon, 0, false, false});
    EXPECT_DOUBLE_EQ(*recomputedLater(s), later.FTransit.Factors[kMoon].Lon);
    EXPECT_GT(std::abs(ShortestArc(s.FDialRotation, *recomputedLater(s))), 2.0); // the Moon moved

    SetMidpointIndex(s, {kMidNatal, kMoon, 0, false, false});
    EXPECT_DOUBLE_EQ(*recomputedLater(s), s.FDialRotation); // a natal factor stays

    // An index picked on the V1 column of the grid is the V1 factor; a mixture has no layer.
    s.FIndexMode = kIndexFactor;
    s.IndexLayer = kLayerV1;
    s.FIndexFactorA = kVenus;
    EXPECT_NEAR(*RecomputeIndexPoint(s), s.FProgressed.Factors[kVenus].Lon, kTolerance);
    s.IndexLayer = kLayerNone;
    EXPECT_FALSE(RecomputeIndexPoint(s));
}

} // namespace
} // namespace nemra
