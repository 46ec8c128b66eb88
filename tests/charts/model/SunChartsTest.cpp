#include "charts/model/SunCharts.h"

#include "tests/charts/ChartsTestKit.h"

#include "core/AngleMath.h"
#include "core/ChartRecord.h"
#include "core/MomentFinder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nemra {
namespace {

using test::BangkokChart;
using test::kBangkok;
using test::kLondon;
using test::SecondsFrom;

constexpr double kArcSecond = 1.0 / 3600.0;

struct Ingress {
    int sign;
    const char* published; // UT, to the minute
};

// The equinoxes and solstices of 2024 (2567 BE) as the U.S. Naval Observatory publishes them
// ("Earth's Seasons and Apsides", Astronomical Applications Department), rounded to the minute.
TEST(SunIngress, MeetsThePublishedSeasonsOf2024)
{
    for (const auto& [sign, published] : {Ingress{1, "2024-03-20T03:06:00"}, Ingress{4, "2024-06-20T20:51:00"},
                                          Ingress{7, "2024-09-22T12:44:00"}, Ingress{10, "2024-12-21T09:21:00"}}) {
        const ChartOutcome outcome = SunIngress(2567, sign, kLondon);
        ASSERT_TRUE(outcome.ok()) << test::ReasonOf(outcome);
        EXPECT_LE(std::llabs(SecondsFrom(published, outcome->moment)), 60) << published;
        EXPECT_EQ(outcome->chart.Name.str(), SunIngressName(2567, sign));
        EXPECT_EQ(outcome->chart.Place.str(), "London");
        // The texts give the moment back when cast.
        TChartRecord rec;
        rec.Input = outcome->chart;
        CastChart(rec, {});
        EXPECT_NEAR(ShortestArc(rec.Factors[kSun].Lon, (sign - 1) * 30.0), 0.0, 0.05 * kArcSecond) << published;
    }
    EXPECT_EQ(SunIngressName(2567, 1), "อาทิตย์ยกราศีเมษ 2567");
    // Before 2484 the year began in April: the Aries ingress of 2480 is that of March 1938, its
    // Capricorn ingress that of December 1937 (swetest: 1938-03-21 06:43 UT, 1937-12-22 06:22 UT).
    EXPECT_EQ(SunIngress(2480, 1, kBangkok)->chart.Date.str(), "21/03/2480");
    EXPECT_EQ(SunIngress(2480, 10, kBangkok)->chart.Date.str(), "22/12/2480");
}

struct Return {
    const char* date;
    const char* time;
    const char* zone;
    int yearBE;
    double natalSun;    // degrees
    const char* moment; // UT
};

// Natal Sun and the return moment found by bisection on swetest 2.10.03 (files mode,
// /usr/share/libswe/ephe), to 1e-7 day.
TEST(SolarReturn, TheSunComesBackToTheNatalSun)
{
    const Return cases[] = {
        {"24/06/2475", " 6.00.00", "105.00E", 2567, 92.2102237, "2024-06-23T04:27:47"},
        {"29/02/2527", "14.30.00", "7.00H", 2566, 339.9050517, "2023-02-28T18:40:24"},   // no 29 February in 2566
        {"15/02/2480", " 8.15.30", "105.00E", 2600, 325.7098605, "2057-02-13T22:28:55"}, // February 1938
        {"31/12/2530", "23.30.00", "75.00W", 2560, 279.9663635, "2017-12-31T11:14:32"},
        {"01/09/2393", "12.00.00", "0.00E", 2933, 158.6446878, "2390-09-01T01:35:43"},
    };
    for (const auto& c : cases) {
        const TChartInput natal = BangkokChart(c.date, c.time, c.zone);
        const ChartOutcome outcome = SolarReturn(natal, c.yearBE);
        ASSERT_TRUE(outcome.ok()) << test::ReasonOf(outcome);
        EXPECT_LE(std::llabs(SecondsFrom(c.moment, outcome->moment)), 1) << c.date;
        EXPECT_EQ(outcome->chart.Name.str(), SolarReturnName(c.yearBE));
        EXPECT_EQ(PlaceOf(outcome->chart), PlaceOf(natal));
        TChartRecord rec;
        rec.Input = outcome->chart;
        CastChart(rec, {});
        EXPECT_NEAR(ShortestArc(rec.Factors[kSun].Lon, c.natalSun), 0.0, 0.1 * kArcSecond) << c.date;
    }
    EXPECT_EQ(SolarReturnName(2567), "ดวงทินวรรษ 2567");

    // At a chosen place the moment is the same, the clock that of the place.
    const TChartInput owner = BangkokChart("24/06/2475", " 6.00.00", "105.00E");
    const ChartOutcome london = SolarReturn(owner, 2567, kLondon);
    EXPECT_EQ(london->moment, SolarReturn(owner, 2567)->moment);
    EXPECT_EQ(london->chart.Date.str(), "23/06/2567");
    EXPECT_EQ(london->chart.Time.str(), " 4.27.47");
    EXPECT_EQ(PlaceOf(london->chart), kLondon);
}

TEST(SunCharts, RefuseWhatCannotBeCast)
{
    const TChartInput natal = BangkokChart("24/06/2475", " 6.00.00", "105.00E");
    const ChartPlace badZone{"7.00X", "13.45N", "100.30E", ""};
    for (const ChartOutcome& outcome :
         {SolarReturn(natal, 543), SolarReturn(natal, 3543), SolarReturn(natal, 2567, badZone),
          SolarReturn(BangkokChart("32/01/2475", " 6.00.00", "105.00E"), 2567), SunIngress(2567, 0, kBangkok),
          SunIngress(2567, 13, kBangkok), SunIngress(3543, 1, kBangkok), SunIngress(2567, 1, badZone)})
        EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(test::ReasonOf(SunIngress(2567, 13, kBangkok)), "ราศีต้องอยู่ระหว่าง 1 ถึง 12");
    EXPECT_EQ(test::ReasonOf(SolarReturn(natal, 3543)), "ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542");
}

} // namespace
} // namespace nemra
