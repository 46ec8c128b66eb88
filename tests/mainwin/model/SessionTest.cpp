#include "Session.h"

#include "AngleMath.h"
#include "CommandState.h"
#include "OwnerChart.h"
#include "UtMoment.h"
#include "WinDeg.h"
#include "WinPl.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace nemra {
namespace {

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

TEST(Session, FirstCastsChooseTheirDisplayModes)
{
    MainSession natalFirst;
    CastNatal(natalFirst, Chart("01/01/2530", "12.00.00"));
    EXPECT_EQ(natalFirst.FDisplayMode, kShowNatal);
    EXPECT_FALSE(natalFirst.FProgressed.Computed);
    CastTransit(natalFirst, Chart("01/01/2569", "12.00.00"));
    EXPECT_EQ(natalFirst.FDisplayMode, kShowAll);
    EXPECT_TRUE(natalFirst.FProgressed.Computed);

    MainSession transitFirst;
    CastTransit(transitFirst, Chart("01/01/2569", "12.00.00"));
    EXPECT_EQ(transitFirst.FDisplayMode, kShowTransit);
    EXPECT_FALSE(transitFirst.FNatal.Visible);
}

TEST(Session, EveryCastTurnsTheDialBackButKeepsTheIndexMode)
{
    MainSession s;
    s.FDialRotation = 12.5;
    s.FDialTitle = "อื่น";
    s.FDialSubTitle = "12มษ30";
    s.FIndexMode = 4;
    CastNatal(s, Chart("01/01/2530", "12.00.00"));
    EXPECT_EQ(s.FDialRotation, 90.0);
    EXPECT_EQ(s.FDialTitle, kZodiacDialTitle);
    EXPECT_TRUE(s.FDialSubTitle.empty());
    EXPECT_EQ(s.FIndexMode, 4);
}

TEST(Session, SolarArcTakesOneDayPerYear)
{
    MainSession s;
    // Born 15 January 1990; transit 15 April 2000: 10 years and 3 months.
    CastNatal(s, Chart("15/01/2533", "12.00.00"));
    CastTransit(s, Chart("15/04/2543", "12.00.00"));
    const double age = (2000 + 4 / 12.0 + 15 / 365.0) - (1990 + 1 / 12.0 + 15 / 365.0);
    EXPECT_NEAR(age, 10.25, 1e-12);
    const double progressedSun = WinPl::Sun(s.FNatal.Day2000 + age).sun;
    EXPECT_NEAR(s.FArc, Normalize360(progressedSun - s.FNatal.Factors[kSun].Lon), 1e-12);
    EXPECT_NEAR(s.FArc, 10.4, 0.2); // the Sun moves about 1.02 degrees a day in January
    EXPECT_DOUBLE_EQ(s.FHalfArc, s.FArc / 2);
    EXPECT_DOUBLE_EQ(s.FDoubleArc, s.FArc * 2);
    EXPECT_EQ(s.FArcText[0].find('.') != std::string::npos, true);
    for (int f = 0; f <= 21; ++f) {
        const auto i = static_cast<std::size_t>(f);
        EXPECT_NEAR(s.FProgressed.Factors[i].Lon, Normalize360(s.FNatal.Factors[i].Lon + s.FArc), 1e-9);
        EXPECT_NEAR(LayerLongitude(s, kLayerV2Double, f), Normalize360(s.FNatal.Factors[i].Lon - 2 * s.FArc), 1e-9);
        EXPECT_NEAR(LayerReflection(s, kLayerV1Half, f), Normalize360(s.FNatal.Factors[i].Refl + s.FArc / 2), 1e-9);
    }
    const double mc = s.FNatal.Factors[kMeridian].Lon + s.FArc;
    EXPECT_NEAR(s.FDailyMeridian, Normalize360(mc + s.FTransit.Factors[kSun].Lon - s.FNatal.Factors[kSun].Lon), 1e-9);
}

TEST(Session, AxisSwitchesKeepTheMeaningOfV1Reflections)
{
    MainSession s;
    CastNatal(s, Chart("15/01/2533", "12.00.00"));
    CastTransit(s, Chart("15/04/2543", "12.00.00"));
    const double viaArcs = s.FProgressed.Factors[kSun].Refl;
    SetAxis(s, 180);
    EXPECT_NEAR(s.FProgressed.Factors[kSun].Refl, Normalize360(s.FNatal.Factors[kSun].Refl + s.FArc), 1e-9);
    EXPECT_NEAR(s.FNatal.Factors[kSun].Refl, Normalize360(180 - s.FNatal.Factors[kSun].Lon), 1e-9);
    SetAxis(s, 360);
    // Away and back: the same points as the arcs formed them, not shifted by twice the arc.
    EXPECT_NEAR(s.FProgressed.Factors[kSun].Refl, viaArcs, 1e-9);
}

// After node and axis switches every value formed from the positions equals what a fresh
// cast with the final switches gives: the reflections, the V1 set, the arcs.
TEST(Session, SwitchesLeaveWhatAFreshCastGives)
{
    struct Step {
        bool node; // true: a node switch to `trueNode`; false: an axis switch to `axis`
        bool trueNode;
        int axis;
    };
    struct Case {
        const char* name;
        bool startTrueNode;
        int startAxis;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"true to mean node", true, 360, {{true, false, 0}}},
        {"mean to true node on the Cancer axis", false, 180, {{true, true, 0}}},
        {"axis, then node", true, 360, {{false, false, 180}, {true, false, 0}}},
        {"node, then axis, then node back", true, 180, {{true, false, 0}, {false, false, 360}, {true, true, 0}}},
    };
    const TChartInput natal = OwnerChartInput();
    const TChartInput transit = Chart("07/12/2569", " 9.05.07");
    for (const Case& c : cases) {
        MainSession switched;
        switched.TrueNodeChecked = c.startTrueNode;
        switched.FAxis = c.startAxis;
        CastNatal(switched, natal);
        CastTransit(switched, transit);
        for (const Step& step : c.steps) {
            if (step.node)
                SetTrueNode(switched, step.trueNode);
            else
                SetAxis(switched, step.axis);
        }
        MainSession fresh;
        fresh.TrueNodeChecked = switched.TrueNodeChecked;
        fresh.FAxis = switched.FAxis;
        CastNatal(fresh, natal);
        CastTransit(fresh, transit);

        const std::pair<const TChartRecord*, const TChartRecord*> charts[] = {
            {&switched.FNatal, &fresh.FNatal},
            {&switched.FTransit, &fresh.FTransit},
            {&switched.FProgressed, &fresh.FProgressed}};
        for (const auto& [got, want] : charts) {
            for (std::size_t f = 0; f <= kLastPositionedFactor; ++f) {
                EXPECT_NEAR(got->Factors[f].Lon, want->Factors[f].Lon, 1e-9) << c.name << " factor " << f;
                EXPECT_NEAR(got->Factors[f].Refl, want->Factors[f].Refl, 1e-9) << c.name << " factor " << f;
                EXPECT_EQ(got->Retro[f], want->Retro[f]) << c.name << " factor " << f;
            }
        }
        EXPECT_NEAR(switched.FArc, fresh.FArc, 1e-9) << c.name;
        EXPECT_NEAR(switched.FDailyMeridian, fresh.FDailyMeridian, 1e-9) << c.name;
        for (int column = 1; column <= 3; ++column)
            EXPECT_EQ(GridCellText(switched, column, kNode), GridCellText(fresh, column, kNode)) << c.name;
    }

    // The owner chart (24 June 2475, 6.00 at zone 105E: 23 June 1932 23.00 UT) on the mean
    // node: swetest -b23.6.1932 -ut23:00:00 -pm gives 351.0207830; its reflection about the
    // Aries axis is 360 less that, 8.9792.
    MainSession s;
    CastNatal(s, natal);
    CastTransit(s, transit);
    SetTrueNode(s, false);
    EXPECT_NEAR(s.FNatal.Factors[kNode].Lon, 351.0208, 0.001);
    EXPECT_NEAR(s.FNatal.Factors[kNode].Refl, 8.9792, 0.001);
}

TEST(Session, NodeSwitchAndGridCells)
{
    MainSession s;
    CastNatal(s, Chart("15/01/2533", "12.00.00"));
    CastTransit(s, Chart("15/04/2543", "12.00.00"));
    SetTrueNode(s, false);
    EXPECT_EQ(s.FNatal.Retro[kNode], kRetrogradeMark);
    EXPECT_EQ(s.FTransit.Retro[kNode], kRetrogradeMark);
    EXPECT_EQ(GridCellText(s, 1, kNode).substr(GridCellText(s, 1, kNode).size() - 4), " พ");
    // Reflections tab: natal and transit cells keep the mark, V1 cells have none.
    s.GridTab = 1;
    s.FNatal.Retro[kMercury] = kRetrogradeMark;
    EXPECT_EQ(GridCellText(s, 1, kMercury), WinDeg::PositionText(s.FNatal.Factors[kMercury].Refl) + " พ");
    EXPECT_EQ(GridCellText(s, 2, kMercury), WinDeg::PositionText(s.FProgressed.Factors[kMercury].Refl));
    EXPECT_EQ(GridCellText(s, 0, kMercury), "");
    EXPECT_EQ(GridCellText(s, 1, 22), "");
}

// The clock's instant written as the date and time of the chart's own zone. Expected texts
// by hand: UT plus the zone (degrees / 15 hours), Buddhist year = Christian year + 543.
TEST(Session, PresentMomentTextsInTheChartsZone)
{
    struct Case {
        UtInstant ut;
        const char* zone;
        const char* date;
        const char* time;
    };
    const UtInstant morning = test::UtAt(2026, 12, 7, 2, 5, 7);
    for (const Case& c : {
             Case{morning, "105.00E", "07/12/2569", " 9.05.07"}, Case{morning, "7.00H", "07/12/2569", " 9.05.07"},
             Case{morning, "0.00E", "07/12/2569", " 2.05.07"},
             Case{morning, "75.00W", "06/12/2569", "21.05.07"},                             // the day before
             Case{morning, "-0.30H", "07/12/2569", " 1.35.07"},                             // half an hour west
             Case{morning, "100.30E", "07/12/2569", " 8.47.07"},                            // 6 h 42 min
             Case{test::UtAt(2025, 12, 31, 17, 0, 0), "105.00E", "01/01/2569", " 0.00.00"}, // new year
         }) {
        TChartInput in;
        in.TimeZone = c.zone;
        SetInputToMoment(in, c.ut);
        EXPECT_EQ(in.Date.str(), c.date) << c.zone;
        EXPECT_EQ(in.Time.str(), c.time) << c.zone;
    }
}

// The real clock: the present chart is the same instant whatever zone the machine is set to.
TEST(Session, PresentMomentIgnoresTheMachinesZone)
{
    const char* const saved = std::getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    for (const char* machineZone : {"UTC0", "<+07>-7", "<-05>5"}) {
        ::setenv("TZ", machineZone, 1);
        ::tzset();
        MainSession s;
        s.GChartInput.TimeZone = "105.00E";
        const double before = static_cast<double>(std::time(nullptr));
        CastTransitNow(s, SystemNow());
        const double after = static_cast<double>(std::time(nullptr));
        // Julian day of a Unix time: seconds / 86400 + 2440587.5; the day count adds 2415019.5.
        const double jd = s.FTransit.DayValue + 2415019.5;
        EXPECT_GE(jd, before / 86400.0 + 2440587.5 - 1.5 / 86400) << machineZone;
        EXPECT_LE(jd, after / 86400.0 + 2440587.5 + 1.5 / 86400) << machineZone;
    }
    if (saved)
        ::setenv("TZ", savedZone.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(CommandState, FollowsWhichChartsExist)
{
    MainSession s;
    CommandState c = ComputeCommandState(s);
    EXPECT_FALSE(c.MnIndex || c.NatalCommands || c.TransitCommands || c.MnAstronomy);
    EXPECT_FALSE(c.MnMcDay.has_value()); // left as it was
    EXPECT_EQ(c.MnReportIndexCaption, kNoReportIndexCaption);
    CastNatal(s, Chart("15/01/2533", "12.00.00"));
    c = ComputeCommandState(s);
    EXPECT_TRUE(c.MnIndex && c.MnReport && c.MnSompusFile);
    EXPECT_EQ(c.MnMcDay, false);
    EXPECT_FALSE(c.MnHideShowChart);
    EXPECT_TRUE(c.NatalCommands && c.MnAstronomy);
    EXPECT_FALSE(c.TransitCommands); // nothing to save, relocate or step as the transit chart
    CastTransit(s, Chart("15/04/2543", "12.00.00"));
    s.FDialTitle = "อาทิตย์";
    s.FDialSubTitle = "24มก51";
    c = ComputeCommandState(s);
    EXPECT_TRUE(c.MnHideShowChart && c.TransitCommands);
    EXPECT_EQ(c.MnReportMc, true);
    EXPECT_TRUE(c.MnReportIndex);
    EXPECT_EQ(c.MnReportIndexCaption, "จุดดัชนีจานหมุน : อาทิตย์");
}

} // namespace
} // namespace nemra
