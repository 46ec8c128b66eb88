#include "charts/model/ChartMoment.h"

#include "core/WinPl.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

// Hand-read from the rule: before 2484 the year began on 1 April; 2483 ran April-December 1940.
TEST(ChartMoment, BuddhistYearsBeginByTheYearRule)
{
    struct First {
        int yearBE, yearCE, month;
    };
    for (const auto& [yearBE, yearCE, month] : {First{2482, 1939, 4}, First{2483, 1940, 4}, First{2484, 1941, 1}}) {
        const CivilTime first = FirstDayOfYearBE(yearBE);
        EXPECT_EQ(first.year, yearCE);
        EXPECT_EQ(first.month, month);
        EXPECT_EQ(first.day, 1);
    }
}

// The local date of every day from 1 CE to 2999 CE agrees with the day numbers the casting uses.
TEST(ChartMoment, LocalDatesAgreeWithTheCastingsDayNumbers)
{
    const int first = WinPl::DayNumber(1, 1, 1);
    const int last = WinPl::DayNumber(31, 12, 2999);
    for (int dayNumber = first; dayNumber <= last; ++dayNumber) {
        const CivilTime t = LocalTimeOf({dayNumber * 86400LL + 43200 - 25200}, 25200);
        ASSERT_EQ(WinPl::DayNumber(t.day, t.month, t.year), dayNumber);
        ASSERT_EQ(t.hour, 12);
        ASSERT_EQ(MomentOfLocalTime(t, 25200).seconds, dayNumber * 86400LL + 43200 - 25200);
    }
}

TEST(ChartMoment, TextsCarryTheirMoment)
{
    TChartInput owner;
    owner.Date = "24/06/2475";
    owner.Time = " 6.00.00";
    owner.TimeZone = "105.00E";
    owner.Latitude = "13.45N";
    owner.Longitude = "100.30E";
    ASSERT_TRUE(MomentOf(owner).has_value());
    EXPECT_EQ(IsoUtText(*MomentOf(owner)), "1932-06-23T23:00:00Z");
    // The same clock in the other zone forms and the short time form.
    for (const char* zone : {"7.00H", "105.00E"}) {
        owner.TimeZone = zone;
        owner.Time = "6.00";
        EXPECT_EQ(IsoUtText(*MomentOf(owner)), "1932-06-23T23:00:00Z") << zone;
    }
    owner.TimeZone = "-5.30H";
    EXPECT_EQ(IsoUtText(*MomentOf(owner)), "1932-06-24T11:30:00Z");
    EXPECT_EQ(ZoneSeconds("105.07E"), 25228); // 7 minutes of arc are 28 seconds of time
    owner.Date = "31/02/2475";
    EXPECT_FALSE(MomentOf(owner).has_value());
    // swetest -bj2460409.264583 -ut: 08.04.2024 18:21:00 UT.
    EXPECT_EQ(IsoUtText(MomentOfJulianDay(2460409.264583)), "2024-04-08T18:21:00Z");
    EXPECT_DOUBLE_EQ(MomentOfJulianDay(2460409.5).JulianDay(), 2460409.5);
}

} // namespace
} // namespace nemra
