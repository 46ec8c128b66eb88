#include "core/ChartRecord.h"

#include "core/AngleMath.h"
#include "core/WinPl.h"
#include "tests/support/ChartInputs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nemra {
namespace {

TChartInput Input(const char* date, const char* time, const char* zone = "105.00E", const char* lat = "13.45N",
                  const char* lon = "100.30E")
{
    TChartInput in = test::BangkokInput(date, time, zone);
    in.Latitude = lat;
    in.Longitude = lon;
    return in;
}

TChartRecord Parsed(const TChartInput& in)
{
    TChartRecord rec;
    rec.Input = in;
    ParseChartInput(rec);
    ComputeDayNumbers(rec);
    return rec;
}

TChartRecord Cast(const TChartInput& in, CastOptions options = {})
{
    TChartRecord rec;
    rec.Input = in;
    CastChart(rec, options);
    return rec;
}

TEST(ParseChartInput, ReadsDateAndYearRule)
{
    TChartRecord rec = Parsed(Input("15/3/2482", "9.30"));
    EXPECT_EQ(rec.Day, 15);
    EXPECT_EQ(rec.Month, 3);
    EXPECT_EQ(rec.YearBE, 2482);
    EXPECT_EQ(rec.Year, 1940);
    EXPECT_EQ(rec.DateWords, "15 มีนาคม 2482");
    EXPECT_TRUE(rec.InputWellFormed);
    EXPECT_EQ(Parsed(Input("15/04/2483", "9.30")).Year, 1940);
    EXPECT_EQ(Parsed(Input("15/03/2484", "9.30")).Year, 1941);
    EXPECT_FALSE(Parsed(Input("15/03/2483", "9.30")).InputWellFormed); // a day that never existed
}

TEST(ParseChartInput, ReadsZonesLatitudesAndLongitudes)
{
    EXPECT_DOUBLE_EQ(Parsed(Input("1/1/2500", "9.30", "7.00H")).ZoneDeg, 105.0);
    EXPECT_DOUBLE_EQ(Parsed(Input("1/1/2500", "9.30", "105.00E")).ZoneDeg, 105.0);
    EXPECT_DOUBLE_EQ(Parsed(Input("1/1/2500", "9.30", "105.00W")).ZoneDeg, -105.0);
    EXPECT_DOUBLE_EQ(Parsed(Input("1/1/2500", "9.30", "-5.30H")).ZoneDeg, -82.5);
    const TChartRecord south = Parsed(Input("1/1/2500", "9.30", "105.00E", "33.52S", "151.12W"));
    EXPECT_NEAR(south.LatDeg, -(33 + 52.0 / 60), 1e-12);
    EXPECT_NEAR(south.LonDeg, -(151 + 12.0 / 60), 1e-12);
    EXPECT_DOUBLE_EQ(Parsed(Input("1/1/2500", "9.30")).LatDeg, 13.75);
    EXPECT_DOUBLE_EQ(Parsed(Input("1/1/2500", "9.30")).LonDeg, 100.5);
}

TEST(ParseChartInput, ReadsEveryTimeForm)
{
    for (const char* time : {"9.30", "09.30.00", " 9.30.00", "9:30:00", "09:30:00"})
        EXPECT_DOUBLE_EQ(Parsed(Input("1/1/2500", time)).LocalHours, 9.5) << time;
    EXPECT_NEAR(Parsed(Input("1/1/2500", "23.59.59")).LocalHours, 23 + 59 / 60.0 + 59 / 3600.0, 1e-12);
}

TEST(ComputeDayNumbers, CountsFrom1900AndUsesThePreviousDayForEarlyLocalTimes)
{
    // 1 January 1900 is day 1; 31 December 1999 is day 36524 (D = 0).
    EXPECT_EQ(Parsed(Input("1/1/2442", "0.00", "0.00E")).DayNumber, 1);
    const TChartRecord y2k = Parsed(Input("31/12/2542", "0.00", "0.00E"));
    EXPECT_EQ(y2k.DayNumber, 36524);
    EXPECT_DOUBLE_EQ(y2k.Day2000, 0.0);

    // 03:00 at 105E is 20:00 UT of the day before.
    const TChartRecord early = Parsed(Input("15/06/2567", "3.00"));
    EXPECT_DOUBLE_EQ(early.UTHours, 20.0);
    EXPECT_NEAR(early.DayValue, early.DayNumber - 1 + 20.0 / 24.0, 1e-9);
    EXPECT_EQ(early.DayFloor, early.DayNumber - 1);
    EXPECT_NEAR(early.Day2000 + WinPl::kJulianDayOfD2000Zero, 2460475.5 + 20.0 / 24.0,
                1e-9); // JD of 14 June 2024, 20h UT
}

TEST(CastChart, FillsFactorsAndKeepsKetuUntouched)
{
    TChartRecord rec;
    rec.Input = Input("24/06/2475", "6.00");
    rec.Factors[kKetu].Lon = 123.0;
    CastChart(rec, {});
    EXPECT_TRUE(rec.Computed);
    EXPECT_EQ(rec.Factors[kAries].Lon, 0.0);
    EXPECT_EQ(rec.Factors[kKetu].Lon, 123.0);
    for (int i = 1; i <= 21; ++i) {
        EXPECT_GE(rec.Factors[static_cast<std::size_t>(i)].Lon, 0.0) << i;
        EXPECT_LT(rec.Factors[static_cast<std::size_t>(i)].Lon, 360.0) << i;
    }
    for (const int i : {kAries, kMeridian, kAscendant, kSun, kMoon, kCupido, kPoseidon})
        EXPECT_EQ(rec.Retro[static_cast<std::size_t>(i)], kDirectMark) << i;
}

TEST(CastChart, ReflectsAboutEitherAxis)
{
    TChartRecord rec = Cast(Input("24/06/2475", "6.00"));
    rec.Factors[kSun].Lon = 10.0;
    rec.Factors[kMoon].Lon = 200.0;
    ComputeReflections(rec, 360);
    EXPECT_DOUBLE_EQ(rec.Factors[kSun].Refl, 350.0);
    EXPECT_DOUBLE_EQ(rec.Factors[kMoon].Refl, 160.0);
    ComputeReflections(rec, 180);
    EXPECT_DOUBLE_EQ(rec.Factors[kSun].Refl, 170.0);
    EXPECT_DOUBLE_EQ(rec.Factors[kMoon].Refl, 340.0);
    EXPECT_EQ(rec.Factors[kAries].Refl, 0.0);
}

TEST(CastChart, NodeSwitchAndMarks)
{
    TChartRecord rec = Cast(Input("24/06/2475", "6.00"), {.trueNode = false, .axis = nemra::kAxisAriesLibra});
    EXPECT_EQ(rec.Factors[kNode].Lon, rec.MeanNode);
    EXPECT_EQ(rec.Retro[kNode], kRetrogradeMark);
    UseTrueNode(rec);
    EXPECT_EQ(rec.Factors[kNode].Lon, rec.TrueNode);
    EXPECT_EQ(rec.Retro[kNode], rec.TrueNodeMark);
    // The true and the mean node never stand more than about 2 degrees apart.
    EXPECT_LT(std::fabs(ShortestArc(rec.TrueNode, rec.MeanNode)), 2.0);
}

TEST(CastChart, TrueNodeIsComputedForTheChartsOwnMoment)
{
    // 03:00 at 105E on 15 June is 20:00 UT on 14 June: the same moment as a chart cast in UT.
    const TChartRecord local = Cast(Input("15/06/2567", "3.00"));
    const TChartRecord ut = Cast(Input("14/06/2567", "20.00", "0.00E"));
    EXPECT_NEAR(local.TrueNode, ut.TrueNode, 1e-9);
    EXPECT_NEAR(local.Factors[kMoon].Lon, ut.Factors[kMoon].Lon, 1e-9);
}

TEST(CastChart, MotionMarksFollowTheShorterWayRound)
{
    EXPECT_EQ(std::string(MotionMark(359.9, 0.1)), kDirectMark);
    EXPECT_EQ(std::string(MotionMark(0.1, 359.9)), kRetrogradeMark);
    // The Sun crosses 0 Aries at the equinox of 20 March 2024 (03:06 UT): never retrograde.
    const TChartRecord equinox = Cast(Input("20/03/2567", "9.30"));
    EXPECT_GT(equinox.Factors[kSun].Lon, 359.0);
    EXPECT_EQ(equinox.Retro[kSun], kDirectMark);
    // Mercury was retrograde from 1 to 25 April 2024 and direct in May (almanac stations).
    EXPECT_EQ(Cast(Input("10/04/2567", "12.00")).Retro[kMercury], kRetrogradeMark);
    EXPECT_EQ(Cast(Input("10/05/2567", "12.00")).Retro[kMercury], kDirectMark);
}

TEST(CastChart, MalformedTextsGiveDefinedValues)
{
    const TChartInput bad[] = {
        Input("", "", "", "", ""),
        Input("abc", "x", "E", "N", "W"),
        Input("40/13/2483", "9", "1e9H", "999.99N", "-0.00E"),
        Input("15/0/99999", "12.3", "105.00E", "13.45N", "100.30E"),
        Input("//", "99.99.99", "H", "S", "E"),
        Input("1/1/0", "-5.00", "-999.99W", "-91.00S", "720.00E"),
        Input("1/1/2500", "1e300", "1e99H", "1e99N", "-1e99E"),
    };
    for (const TChartInput& in : bad) {
        const TChartRecord rec = Cast(in);
        EXPECT_FALSE(rec.InputWellFormed) << in.Date.str();
        EXPECT_TRUE(rec.Computed);
        EXPECT_GE(rec.UTHours, 0.0);
        EXPECT_LT(rec.UTHours, 24.0);
        for (const auto& f : rec.Factors) {
            EXPECT_TRUE(std::isfinite(f.Lon));
            EXPECT_TRUE(std::isfinite(f.Refl));
        }
    }
}

} // namespace
} // namespace nemra
