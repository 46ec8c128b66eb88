#include "DialIndex.h"

#include "AngleMath.h"
#include "CommandState.h"
#include "WinDeg.h"
#include "WinPl.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace nemra {
namespace {

constexpr double kTolerance = 1e-9;

std::string ThaiCode(int f)
{
    return std::string(FactorCodeThai[static_cast<std::size_t>(f)]);
}

std::string ThaiName(int f)
{
    return std::string(FactorNamesThai[static_cast<std::size_t>(f)]);
}

// A session with both charts "computed" from hand-set longitudes.
MainSession HandSession()
{
    MainSession s;
    s.FNatal.Computed = s.FTransit.Computed = true;
    for (int i = 0; i < static_cast<int>(kFactorCount); ++i) {
        const auto f = static_cast<std::size_t>(i);
        s.FNatal.Factors[f].Lon = Normalize360(17.0 * i + 3.0);
        s.FTransit.Factors[f].Lon = Normalize360(29.0 * i + 11.0);
    }
    s.FNatal.Factors[kAries].Lon = 0.0;
    s.FTransit.Factors[kAries].Lon = 0.0;
    s.FArc = 33.0;
    s.FHalfArc = 16.5;
    s.FDoubleArc = 66.0;
    s.FDailyMeridian = 123.25;
    return s;
}

TChartInput Chart(const char* date, const char* time)
{
    TChartInput in;
    in.Name = "ทดสอบ";
    in.Date = date;
    in.Time = time;
    in.TimeZone = "105.00E";
    in.Latitude = "13.45N";
    in.Longitude = "100.30E";
    in.Place = "กรุงเทพฯ";
    return in;
}

TEST(PointFormulas, PairCodeKeepsTheOrderExceptForTwoPairs)
{
    EXPECT_EQ(PairCode(kSun, kMoon), "SUMO");
    EXPECT_EQ(PairCode(kMoon, kSun), "MOSU");
    EXPECT_EQ(PairCode(kAries, kMeridian), "MCAR");
    EXPECT_EQ(PairCode(kAscendant, kSun), "SUAS");
    EXPECT_EQ(PairCode(kMeridian, kAries), "MCAR");
    EXPECT_EQ(PairCode(kMercury, kVenus), "MEVE");
    EXPECT_EQ(PairCode(kSun, kSun), "SUSU");
    EXPECT_EQ(UpperFactorCode(kPoseidon), "PO");
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
    EXPECT_NEAR(SensitivePoint(1, chart, kMoon, kMars, kJupiter), 340.0, kTolerance);
    EXPECT_NEAR(SensitivePoint(2, chart, kMoon, kMars, kJupiter), 80.0, kTolerance);
    EXPECT_NEAR(SensitivePoint(3, chart, kMoon, kMars, kJupiter), 300.0, kTolerance);
    EXPECT_NEAR(SensitivePoint(4, chart, kMoon, kMars, kJupiter), 32.5, kTolerance);
    // MC/SU = 70; AR + MC - 70 and AR + SU - 70 (not 70 + MC - AR).
    EXPECT_NEAR(SensitivePoint(5, chart, kMoon, kMars, kJupiter), 35.0, kTolerance);
    EXPECT_NEAR(SensitivePoint(6, chart, kMoon, kMars, kJupiter), 335.0, kTolerance);

    EXPECT_EQ(SensitiveName(1, kSun, kMoon, kMars), ThaiCode(kSun) + "+" + ThaiCode(kMoon) + "-" + ThaiCode(kMars));
    EXPECT_EQ(SensitiveName(2, kSun, kMoon, kMars), ThaiCode(kSun) + "+" + ThaiCode(kMoon) + "+" + ThaiCode(kMars));
    EXPECT_EQ(SensitiveName(3, kSun, kMoon, kMars), ThaiCode(kSun) + "-" + ThaiCode(kMoon) + "-" + ThaiCode(kMars));
    EXPECT_EQ(SensitiveName(4, kSun, kMoon, kMars), ThaiCode(kSun) + "/" + ThaiCode(kMoon) + "//" + ThaiCode(kMars));
    EXPECT_EQ(SensitiveName(5, kSun, kMoon, kMars), "AR+MC-(MC/SU)");
    EXPECT_EQ(SensitiveName(6, kSun, kMoon, kMars), "AR+SU-(MC/SU)");
}

TEST(PointFormulas, LayersShiftAndWrap)
{
    const SolarArcs arcs{30.0, 15.0, 60.0};
    EXPECT_NEAR(ShiftToLayer(350.0, kLayerV1, arcs), 20.0, kTolerance);
    EXPECT_NEAR(ShiftToLayer(10.0, kLayerV2, arcs), 340.0, kTolerance);
    EXPECT_NEAR(ShiftToLayer(10.0, kLayerV1Half, arcs), 25.0, kTolerance);
    EXPECT_NEAR(ShiftToLayer(10.0, kLayerV2Double, arcs), 310.0, kTolerance);
    EXPECT_NEAR(ShiftToLayer(10.0, kLayerTransit, arcs), 10.0, kTolerance);
    EXPECT_NEAR(ReflectionPoint(10.0, 180), 170.0, kTolerance);
    EXPECT_NEAR(ReflectionPoint(0.0, 360), 0.0, kTolerance);
    EXPECT_EQ(LayerTitleSuffix(0), "");
    EXPECT_EQ(LayerTitleSuffix(9), "");
}

TEST(PointFormulas, MalformedKindsGiveNoPoint)
{
    const MainSession s = HandSession();
    const PointSources sources = PointSourcesOf(s);
    EXPECT_FALSE(IndexPoint({kIndexZodiac, 3, 0, 0, 1, 1}, sources));
    EXPECT_FALSE(IndexPoint({kIndexFactor, 3, 0, 0, 0, 1}, sources));    // no layer
    EXPECT_FALSE(IndexPoint({kIndexMidpoint, 3, 40, 0, 1, 1}, sources)); // factor out of range
    EXPECT_FALSE(IndexPoint({kIndexSumMinus, -1, 0, 0, 1, 1}, sources)); // factor out of range
    EXPECT_FALSE(IndexPoint({kIndexHouse, 3, 0, 0, 1, -1}, sources));    // no house chart
    EXPECT_FALSE(IndexPoint({15, 3, 0, 0, 1, 1}, sources));              // unknown mode
    EXPECT_TRUE(IndexPoint({kIndexNatalTransitMidpoint, 3, 4, 0, 0, 1}, sources));
}

TEST(MidpointDial, MidpointOfTwoNatalFactors)
{
    MainSession s = HandSession();
    s.FNatal.Factors[kSun].Lon = 10.0;
    s.FNatal.Factors[kMoon].Lon = 350.0;
    SetMidpointIndex(s, {kMidNatal, kSun, kMoon, true, false});
    EXPECT_EQ(s.IndexName, ThaiCode(kSun) + "/" + ThaiCode(kMoon));
    EXPECT_EQ(s.IndexFactorCode, "SUMO");
    EXPECT_EQ(s.FIndexMode, kIndexMidpoint);
    EXPECT_EQ(s.FDialTitle, s.IndexName + " กำเนิด");
    EXPECT_DOUBLE_EQ(s.FDialRotation, WinPl::Midpoint(10.0, 350.0));
    EXPECT_EQ(s.FDialSubTitle, WinDeg::PositionText(s.FDialRotation));
    EXPECT_EQ(s.IndexLayer, kLayerNatal);
    EXPECT_EQ(s.FIndexDial, -1);
    EXPECT_TRUE(s.FIndexAccepted);
}

TEST(MidpointDial, ReflectionComesBeforeTheArcShiftAndMarksTheNames)
{
    MainSession s = HandSession();
    s.FNatal.Factors[kSun].Lon = 10.0;
    s.FNatal.Factors[kMoon].Lon = 340.0; // midpoint 355
    SetMidpointIndex(s, {kMidNatal, kSun, kMoon, true, true});
    EXPECT_NEAR(s.FDialRotation, 5.0, kTolerance);
    EXPECT_EQ(s.IndexName, "-" + ThaiCode(kSun) + "/" + ThaiCode(kMoon));
    EXPECT_EQ(s.FDialTitle, s.IndexName + " กำเนิด");
    EXPECT_EQ(s.FIndexMode, kIndexMidpointReflection);
    EXPECT_EQ(s.IndexFactorCode, "SUMO");

    // Reflected first (360 - 10 = 350), then moved by the V1 arc of 33.
    SetMidpointIndex(s, {kMidV1, kSun, kMoon, false, true});
    EXPECT_NEAR(s.FDialRotation, 23.0, kTolerance);
    EXPECT_EQ(s.FDialTitle, "-" + ThaiName(kSun) + " V1");
    EXPECT_EQ(s.FIndexMode, kIndexFactorReflection);
    EXPECT_EQ(s.FIndexDial, -1);
    EXPECT_EQ(s.IndexLayer, kLayerV1);
}

TEST(MidpointDial, SingleFactors)
{
    MainSession s = HandSession();
    s.FNatal.Factors[kSun].Lon = 15.0;
    s.FHalfArc = 20.0;
    s.GHouseChart = 1;
    SetMidpointIndex(s, {kMidV2Half, kSun, kMoon, false, false});
    EXPECT_NEAR(s.FDialRotation, 355.0, kTolerance);
    EXPECT_EQ(s.IndexLayer, kLayerV2Half);
    EXPECT_EQ(s.FDialTitle, "อาทิตย์ V2 ครึ่งโค้ง");
    EXPECT_EQ(s.IndexName, "อาทิตย์");
    EXPECT_EQ(s.IndexFactorCode, "SU");
    EXPECT_EQ(s.IndexCodeFactor, kSun);
    EXPECT_EQ(s.FIndexDial, -1);
    EXPECT_EQ(s.FIndexFactorB, kMoon);

    SetMidpointIndex(s, {kMidTransit, kMars, kMoon, false, false});
    EXPECT_EQ(s.FDialRotation, s.FTransit.Factors[kMars].Lon);
    EXPECT_EQ(s.FIndexDial, kMars);
    EXPECT_EQ(s.GHouseChart, 2);
    EXPECT_EQ(s.FDialTitle, ThaiName(kMars) + " จร");

    SetMidpointIndex(s, {kMidNatal, kAries, kMoon, false, true});
    EXPECT_EQ(s.FIndexDial, -1);
    EXPECT_EQ(s.GHouseChart, 1);
    EXPECT_EQ(s.IndexFactorCode, "AR");
    EXPECT_EQ(s.FDialTitle, "-" + ThaiName(kAries) + " กำเนิด");
}

TEST(MidpointDial, NatalTransitMixture)
{
    MainSession s = HandSession();
    s.FNatal.Factors[kSun].Lon = 10.0;
    s.FTransit.Factors[kMoon].Lon = 30.0;
    s.FAxis = 180;
    SetMidpointIndex(s, {kMidNatalTransit, kSun, kMoon, true, false});
    EXPECT_NEAR(s.FDialRotation, 20.0, kTolerance);
    EXPECT_EQ(s.IndexName, ThaiCode(kSun) + "กำเนิด/" + ThaiCode(kMoon) + " จร");
    EXPECT_EQ(s.FDialTitle, s.IndexName);
    EXPECT_EQ(s.FIndexMode, kIndexNatalTransitMidpoint);
    EXPECT_EQ(s.IndexLayer, 0);

    SetMidpointIndex(s, {kMidNatalTransit, kSun, kMoon, true, true});
    EXPECT_NEAR(s.FDialRotation, 160.0, kTolerance);
    EXPECT_EQ(s.FDialTitle, "-" + ThaiCode(kSun) + "กำเนิด/" + ThaiCode(kMoon) + " จร");
    EXPECT_EQ(s.FIndexMode, kIndexNatalTransitMidpointReflection);

    // A single factor has no mixture: it comes from the natal chart.
    SetMidpointIndex(s, {kMidNatalTransit, kSun, kMoon, false, false});
    EXPECT_EQ(s.FDialRotation, 10.0);
    EXPECT_EQ(s.IndexLayer, kLayerNatal);
    EXPECT_EQ(s.FDialTitle, ThaiName(kSun) + " กำเนิด");
}

TEST(MidpointDial, RememberedChoicesStayInRange)
{
    MainSession s;
    RememberMidpointChoice(s, {kMidV1, 25, -3, true, true});
    EXPECT_EQ(s.FMidFactorA, kPoseidon);
    EXPECT_EQ(s.FMidFactorB, 0);
    EXPECT_TRUE(s.FMidUsePair && s.FMidReflect);
    EXPECT_EQ(s.FMidSource, kMidNatal); // sources are stored by the dialog's clicks
}

TEST(SensitiveDial, FormulasNamesAndSources)
{
    MainSession s = HandSession();
    s.IndexFactorCode = "SU";
    SetSensitiveIndex(s, {1, kSensNatal, kSun, kMoon, kMars});
    EXPECT_EQ(s.FIndexMode, 9);
    EXPECT_EQ(s.FDialTitle, ThaiCode(kSun) + "+" + ThaiCode(kMoon) + "-" + ThaiCode(kMars) + " กำเนิด");
    EXPECT_DOUBLE_EQ(s.FDialRotation, WinPl::SumMinus(s.FNatal.Factors[kSun].Lon, s.FNatal.Factors[kMoon].Lon,
                                                      s.FNatal.Factors[kMars].Lon));
    EXPECT_TRUE(s.IndexFactorCode.empty());
    EXPECT_EQ(s.FIndexDial, -1);
    EXPECT_EQ(s.FIndexFactorC, kMars);

    SetSensitiveIndex(s, {3, kSensNatal, kSun, kMoon, kMars});
    EXPECT_EQ(s.FIndexMode, 11);

    SetSensitiveIndex(s, {5, kSensTransit, kSun, kMoon, kMars});
    EXPECT_EQ(s.FDialTitle, "AR+MC-(MC/SU) จร");
    EXPECT_EQ(s.IndexName, "AR+MC-(MC/SU)");
    EXPECT_EQ(s.IndexLayer, kLayerTransit);
    EXPECT_DOUBLE_EQ(s.FDialRotation, SensitivePoint(5, s.FTransit.Factors, 0, 0, 0));

    SetSensitiveIndex(s, {6, kSensV1Double, kSun, kMoon, kMars});
    EXPECT_NEAR(s.FDialRotation, Normalize360(SensitivePoint(6, s.FNatal.Factors, 0, 0, 0) + s.FDoubleArc), kTolerance);
    EXPECT_EQ(s.IndexLayer, kLayerV1Double);
    EXPECT_EQ(s.FDialTitle, "AR+SU-(MC/SU) V1 โค้ง 2 เท่า");
    EXPECT_TRUE(s.IndexFactorCode.empty());

    SetSensitiveIndex(s, {2, kSensV2, kSun, kMoon, kMars});
    EXPECT_EQ(s.IndexLayer, kLayerV2);
    EXPECT_NEAR(s.FDialRotation, Normalize360(SensitivePoint(2, s.FNatal.Factors, kSun, kMoon, kMars) - s.FArc),
                kTolerance);
}

TEST(HouseAndZodiacDials, SetTheirPointsAndLabels)
{
    MainSession s = HandSession();
    s.IndexName = "อื่น";
    SetHouseIndex(s, {kMeridian, true});
    EXPECT_EQ(s.FIndexDial, 1);
    EXPECT_EQ(s.GHouseChart, 1);
    EXPECT_EQ(s.FIndexMode, kIndexHouse);
    EXPECT_EQ(s.FDialRotation, s.FNatal.Factors[kMeridian].Lon);
    EXPECT_EQ(s.FDialTitle, "เรือนชะตา เมอริเดียน");
    EXPECT_TRUE(s.FDialSubTitle.empty());
    EXPECT_EQ(s.IndexName, "เมอริเดียน");
    EXPECT_EQ(s.IndexLayer, kLayerNatal);

    SetHouseIndex(s, {kPoseidon, false});
    EXPECT_EQ(s.FDialRotation, s.FTransit.Factors[kPoseidon].Lon);
    EXPECT_EQ(s.GHouseChart, 2);
    EXPECT_EQ(s.FIndexFactorA, kPoseidon);

    s.FDialSubTitle = "01มษ00";
    SetZodiacIndex(s);
    EXPECT_EQ(s.FDialRotation, 90.0);
    EXPECT_EQ(s.FIndexMode, 0);
    EXPECT_EQ(s.FIndexDial, 0);
    EXPECT_EQ(s.FDialTitle, "จักรราศี");
    EXPECT_TRUE(s.FDialSubTitle.empty());
    const CommandState c = ComputeCommandState(s);
    EXPECT_FALSE(c.MnReportIndex);
    EXPECT_EQ(c.MnReportIndexCaption, "ไม่ได้กำหนดจุดดัชนีจานหมุน");
}

TEST(DailyMeridianAndUserPoint, SetTheirPoints)
{
    MainSession s = HandSession();
    SetMidpointIndex(s, {kMidNatal, kMars, kSun, false, false});
    const int houseChart = s.GHouseChart;
    SetDailyMeridianIndex(s);
    EXPECT_EQ(s.FDialRotation, 123.25);
    EXPECT_EQ(s.FDialTitle, "เมอริเดียนประจำวัน ");
    EXPECT_EQ(s.IndexName, s.FDialTitle);
    EXPECT_EQ(s.IndexFactorCode, "MC");
    EXPECT_EQ(s.IndexCodeFactor, kMeridian);
    EXPECT_EQ(s.FIndexMode, kIndexDailyMeridian);
    EXPECT_EQ(s.IndexLayer, 0);
    EXPECT_EQ(s.FIndexDial, -1); // not Mars's house numbering
    EXPECT_EQ(s.FIndexFactorA, kMars);
    EXPECT_EQ(s.GHouseChart, houseChart);
    EXPECT_EQ(s.FDialSubTitle, WinDeg::PositionText(123.25));

    SetUserIndex(s, {"User's Point", 3, 0, 0});
    EXPECT_EQ(s.FDialRotation, 90.0);
    EXPECT_EQ(s.FDialTitle, "User's Point");
    EXPECT_EQ(s.FIndexMode, 0);
    EXPECT_EQ(s.FIndexDial, -1);
    EXPECT_TRUE(s.IndexFactorCode.empty());
    EXPECT_FALSE(RecomputeIndexPoint(s)); // a user point stands still

    SetUserIndex(s, {"", 11, 29, 59});
    EXPECT_DOUBLE_EQ(s.FDialRotation, 359.0 + 59.0 / 60.0);
    EXPECT_TRUE(s.FDialTitle.empty());
    EXPECT_DOUBLE_EQ(UserPointLongitude({"", 12, 30, 60}), 359.0 + 59.0 / 60.0);
}

// Every dial records a kind from which its own point is recomputed on an unchanged
// session, and which follows the charts when they change.
TEST(RecomputeIndexPoint, ReproducesEveryDialsPoint)
{
    MainSession s;
    CastNatal(s, Chart("15/06/2520", "06.30.00"));
    CastTransit(s, Chart("07/12/2569", "09.05.07"));
    ASSERT_GT(s.FArc, 1.0);
    struct Case {
        const char* what;
        std::function<void(MainSession&)> set;
        int mode;
    };
    const std::vector<Case> cases = {
        {"zodiac", [](MainSession& m) { SetZodiacIndex(m); }, 0},
        {"house",
         [](MainSession& m) {
             SetHouseIndex(m, {kAscendant, false});
         },
         1},
        {"factor V1",
         [](MainSession& m) {
             SetMidpointIndex(m, {kMidV1, kMoon, 0, false, false});
         },
         2},
        {"reflected factor V2",
         [](MainSession& m) {
             SetMidpointIndex(m, {kMidV2, kVenus, 0, false, true});
         },
         3},
        {"midpoint transit",
         [](MainSession& m) {
             SetMidpointIndex(m, {kMidTransit, kSun, kMoon, true, false});
         },
         4},
        {"reflected midpoint V1 half",
         [](MainSession& m) {
             SetMidpointIndex(m, {kMidV1Half, kSun, kPluto, true, true});
         },
         5},
        {"natal/transit",
         [](MainSession& m) {
             SetMidpointIndex(m, {kMidNatalTransit, kMars, kSun, true, false});
         },
         6},
        {"reflected natal/transit",
         [](MainSession& m) {
             SetMidpointIndex(m, {kMidNatalTransit, kMars, kSun, true, true});
         },
         7},
        {"daily meridian", [](MainSession& m) { SetDailyMeridianIndex(m); }, 8},
        {"A+B-C V2 double",
         [](MainSession& m) {
             SetSensitiveIndex(m, {1, kSensV2Double, kSun, kMoon, kMars});
         },
         9},
        {"A+B+C",
         [](MainSession& m) {
             SetSensitiveIndex(m, {2, kSensNatal, kSun, kMoon, kMars});
         },
         10},
        {"A-B-C",
         [](MainSession& m) {
             SetSensitiveIndex(m, {3, kSensTransit, kSun, kMoon, kMars});
         },
         11},
        {"A/B//C",
         [](MainSession& m) {
             SetSensitiveIndex(m, {4, kSensV2Half, kSun, kMoon, kMars});
         },
         12},
        {"AR+MC-(MC/SU)",
         [](MainSession& m) {
             SetSensitiveIndex(m, {5, kSensV1, 0, 0, 0});
         },
         13},
        {"AR+SU-(MC/SU)",
         [](MainSession& m) {
             SetSensitiveIndex(m, {6, kSensTransit, 0, 0, 0});
         },
         14},
    };
    for (const Case& c : cases) {
        for (int axis : {360, 180}) {
            SCOPED_TRACE(std::string(c.what) + " axis " + std::to_string(axis));
            MainSession m = s;
            SetAxis(m, axis);
            c.set(m);
            EXPECT_EQ(m.FIndexMode, c.mode);
            const std::optional<double> again = RecomputeIndexPoint(m);
            if (c.mode == 0) {
                EXPECT_FALSE(again);
                continue;
            }
            ASSERT_TRUE(again);
            EXPECT_DOUBLE_EQ(*again, m.FDialRotation);
        }
    }
}

TEST(RecomputeIndexPoint, FollowsTheLiveTransitChart)
{
    MainSession s;
    CastNatal(s, Chart("15/06/2520", "06.30.00"));
    CastTransit(s, Chart("07/12/2569", "09.05.07"));

    SetMidpointIndex(s, {kMidTransit, kMoon, 0, false, false});
    const double before = s.FDialRotation;
    MainSession later = s;
    CastTransit(later, Chart("07/12/2569", "15.05.07"));
    EXPECT_GT(std::abs(ShortestArc(before, *RecomputeIndexPoint(later))), 2.0); // the Moon moved
    EXPECT_DOUBLE_EQ(*RecomputeIndexPoint(later), later.FTransit.Factors[kMoon].Lon);

    SetMidpointIndex(s, {kMidNatal, kMoon, 0, false, false});
    later = s;
    CastTransit(later, Chart("07/12/2569", "15.05.07"));
    EXPECT_DOUBLE_EQ(*RecomputeIndexPoint(later), s.FDialRotation); // a natal factor stays

    SetMidpointIndex(s, {kMidV1Half, kSun, 0, false, false});
    later = s;
    CastTransit(later, Chart("07/12/2570", "09.05.07"));
    EXPECT_NEAR(ShortestArc(s.FDialRotation, *RecomputeIndexPoint(later)), later.FHalfArc - s.FHalfArc, 1e-9);

    // An index picked on the V1 column of the grid (mode 2, layer 3) is the V1 factor.
    later.FIndexMode = kIndexFactor;
    later.IndexLayer = kLayerV1;
    later.FIndexFactorA = kVenus;
    EXPECT_NEAR(*RecomputeIndexPoint(later), later.FProgressed.Factors[kVenus].Lon, 1e-9);
    later.IndexLayer = 0; // a mixture has no layer to follow
    EXPECT_FALSE(RecomputeIndexPoint(later));
}

} // namespace
} // namespace nemra
