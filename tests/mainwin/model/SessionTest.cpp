#include "mainwin/model/Session.h"

#include "core/AngleMath.h"
#include "core/WinDeg.h"
#include "mainwin/model/CommandState.h"
#include "mainwin/model/OwnerChart.h"
#include "tests/support/ChartInputs.h"
#include "tests/support/UtMoment.h"

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
    return test::BangkokInput(date, time);
}

TChartInput ChartAt(const char* date, const char* time, const char* zone, const char* latitude, const char* longitude)
{
    TChartInput in = Chart(date, time);
    in.TimeZone = zone;
    in.Latitude = latitude;
    in.Longitude = longitude;
    in.Place = "New York";
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

// The arcs of charts cast from their texts, against values computed with swetest 2.10 (files
// mode, apparent geocentric). For each case, by hand: the age A in years is
// (year + month/12 + day/365) of the transit's local date less that of the natal date; the
// natal Julian day (UT) is the one swetest prints for the natal UT moment; the progressed Sun
// is `swetest -bj<natal JD + A> -ut -p0 -fPl` and the natal Sun `swetest -bj<natal JD> -ut
// -p0 -fPl`; arc = progressed Sun - natal Sun (mod 360), half = arc/2, double = arc*2; the
// texts are these rounded to whole minutes. The daily meridian is natal MC + arc + transit
// Sun - natal Sun (mod 360), with the MC from `swetest -b<date> -ut<time>
// -house<lon>,<lat>,P`. Directed points: V1 Sun is the progressed Sun, V1 MC the natal MC +
// arc, V2 double Sun the natal Sun - 2 arc, the V1 half reflection of the Sun 360 - natal Sun
// + arc/2. The days of the month differ in every case, so the day term of the age counts
// (ten times that term moves the arc by 25' to 42').
TEST(Session, ArcsAgreeWithTheReferenceEphemeris)
{
    struct Case {
        const char* name;
        TChartInput natal;
        TChartInput transit;
        double arcs[3]; // arc, half arc, double arc
        const char* arcTexts[3];
        double dailyMeridian;
        double directed[4]; // V1 Sun, V1 MC, V2 double Sun, V1 half Sun reflection
    };
    const Case cases[] = {
        // 3 Feb 1990 5:00 UT (JD 2447925.708333) to 28 Jul 2026: A = 36.4851598 years.
        {"Bangkok 1990 to 2026",
         Chart("03/02/2533", "12.00.00"),
         Chart("28/07/2569", " 9.30.00"),
         {36.7419307, 18.3709654, 73.4838614},
         {"36.45", "18.22", "73.29"},
         153.9416054,
         {350.8446449, 342.9791118, 240.6188528, 64.2682512}},
        // Zone 75W: 29 Oct 1975 11:15 UT (JD 2442714.968750) to 1 Mar 2001 23:00 UT:
        // A = 25.3399543 years; MC at 74W 40.7167N.
        {"New York 1975 to 2001",
         ChartAt("29/10/2518", " 6.15.00", "75.00W", "40.43N", "74.00W"),
         ChartAt("01/03/2544", "18.00.00", "75.00W", "40.43N", "74.00W"),
         {25.4710879, 12.7355439, 50.9421758},
         {"25.28", "12.44", "50.57"},
         280.9675303,
         {240.8798272, 154.9488895, 164.4665635, 157.3268046}},
        // The owner chart: local 24 Jun 1932, 23 Jun 23:00 UT (JD 2426882.458333), to
        // 7 Dec 2026 2:05:07 UT: A = 94.4534247 years (the local day counts, not the UT day).
        {"owner chart to 2026",
         OwnerChartInput(),
         Chart("07/12/2569", " 9.05.07"),
         {90.8788686, 45.4394343, 181.7577372},
         {"90.53", "45.26", "181.45"},
         250.7931790,
         {183.0890923, 88.0368413, 270.4524865, 313.2292106}},
        // 2 Nov 1900 local, 1 Nov 17:30 UT (JD 2415325.229167), to 30 Aug 2199:
        // A = 298.8267123 years; the double arc stays beyond one turn.
        {"1900 to 2199",
         Chart("02/11/2443", " 0.30.00"),
         Chart("30/08/2742", "12.00.00"),
         {294.6951689, 147.3475844, 589.3903378},
         {"294.42", "147.21", "589.23"},
         278.8836713,
         {153.5467847, 340.7070711, 349.4612780, 288.4959687}},
    };
    constexpr double kArcTolerance = 1e-5;      // same ephemeris: well under 0.1"
    constexpr double kMeridianTolerance = 3e-4; // the MC agrees with swetest within 1"
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainSession s;
        CastNatal(s, c.natal);
        CastTransit(s, c.transit);
        EXPECT_NEAR(s.FArc, c.arcs[0], kArcTolerance);
        EXPECT_NEAR(s.FHalfArc, c.arcs[1], kArcTolerance);
        EXPECT_NEAR(s.FDoubleArc, c.arcs[2], kArcTolerance);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(s.FArcText[i], c.arcTexts[i]) << i;
        EXPECT_NEAR(s.FDailyMeridian, c.dailyMeridian, kMeridianTolerance);

        EXPECT_NEAR(s.FProgressed.Factors[kSun].Lon, c.directed[0], kArcTolerance);
        EXPECT_NEAR(s.FProgressed.Factors[kMeridian].Lon, c.directed[1], kMeridianTolerance);
        EXPECT_NEAR(LayerLongitude(s, kLayerV2Double, kSun), c.directed[2], kArcTolerance);
        EXPECT_NEAR(LayerReflection(s, kLayerV1Half, kSun), c.directed[3], kArcTolerance);
        // Every factor of the V1 set stands the whole arc beyond its natal place.
        for (std::size_t f = 0; f <= static_cast<std::size_t>(kLastPositionedFactor); ++f) {
            EXPECT_NEAR(Normalize360(s.FProgressed.Factors[f].Lon - s.FNatal.Factors[f].Lon), c.arcs[0], 1e-6) << f;
            EXPECT_NEAR(Normalize360(s.FProgressed.Factors[f].Refl - s.FNatal.Factors[f].Refl), c.arcs[0], 1e-6) << f;
        }
    }
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
        switched.FAxis = AxisOf(c.startAxis);
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
