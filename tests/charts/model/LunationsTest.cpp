#include "charts/model/Lunations.h"

#include "tests/charts/ChartsTestKit.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace nemra {
namespace {

using test::kBangkok;
const ChartPlace kGreenwich{"0.00E", "51.29N", "0.00E", "Greenwich"};

// The phases of the Moon of 2024 as the U.S. Naval Observatory publishes them ("Phases of the
// Moon", Astronomical Applications Department), UT rounded to the minute; the new moon of
// 8 April is that of the total solar eclipse.
TEST(Lunations, MeetThePublishedPhasesOf2024)
{
    const char* const published[] = {
        "2024-01-11T11:57", "2024-01-25T17:54", "2024-02-09T22:59", "2024-02-24T12:30", "2024-03-10T09:00",
        "2024-03-25T07:00", "2024-04-08T18:21", "2024-04-23T23:49", "2024-05-08T03:22", "2024-05-23T13:53",
        "2024-06-06T12:38", "2024-06-22T01:08", "2024-07-05T22:57", "2024-07-21T10:17", "2024-08-04T11:13",
        "2024-08-19T18:26", "2024-09-03T01:55", "2024-09-18T02:34", "2024-10-02T18:49", "2024-10-17T11:26",
        "2024-11-01T12:47", "2024-11-15T21:28", "2024-12-01T06:21", "2024-12-15T09:02", "2024-12-30T22:27",
    };
    const LunationList year = FindLunations(2567, std::nullopt, kGreenwich);
    ASSERT_TRUE(year.ok()) << test::ReasonOf(year);
    ASSERT_EQ(year->size(), std::size(published));
    for (std::size_t i = 0; i < year->size(); ++i) {
        const Lunation& event = (*year)[i];
        EXPECT_LE(std::llabs(test::SecondsFrom(published[i], event.moment)), 60) << published[i];
        EXPECT_EQ(event.kind, i % 2 == 0 ? LunationKind::NewMoon : LunationKind::FullMoon) << published[i];
        EXPECT_EQ(event.chart.Name.str(), LunationName(event.kind));
        EXPECT_EQ(MomentOf(event.chart), event.moment);
    }
    EXPECT_EQ(LunationName(LunationKind::NewMoon), "จันทร์ดับ");
    EXPECT_EQ(LunationName(LunationKind::FullMoon), "จันทร์เพ็ญ");
}

TEST(Lunations, AMonthAtAZoneTakesTheLocalDates)
{
    // At 7 hours east the full moon of 23 April 23:49 UT falls on 24 April.
    const LunationList april = FindLunations(2567, 4, kBangkok);
    ASSERT_EQ(april->size(), 2u);
    EXPECT_EQ((*april)[0].chart.Date.str(), "09/04/2567");
    EXPECT_EQ((*april)[0].chart.Time.str().substr(0, 5), " 1.20");
    EXPECT_EQ((*april)[1].chart.Date.str(), "24/04/2567");
    EXPECT_EQ(PlaceOf((*april)[1].chart), kBangkok);
    const LunationList fullOnly = FindLunations(2567, 4, kBangkok, {false, true});
    ASSERT_EQ(fullOnly->size(), 1u);
    EXPECT_EQ((*fullOnly)[0].kind, LunationKind::FullMoon);

    // 2483 ran from 1 April to 31 December 1940: its lunations are those nine months'.
    const LunationList y2483 = FindLunations(2483, std::nullopt, kBangkok);
    ASSERT_GE(y2483->size(), 17u);
    EXPECT_EQ(y2483->front().chart.Date.str().substr(3), "04/2483");
    EXPECT_EQ(y2483->back().chart.Date.str().substr(3), "12/2483");
}

TEST(Lunations, RefuseWhatCannotBeListed)
{
    for (const LunationList& list : {FindLunations(2567, 0, kBangkok), FindLunations(2567, 13, kBangkok),
                                     FindLunations(543, std::nullopt, kBangkok), FindLunations(3543, 1, kBangkok),
                                     FindLunations(2567, 1, {"7.00H", "91.00N", "100.30E", ""})}) {
        EXPECT_NE(test::ReasonOf(list), "");
    }
}

} // namespace
} // namespace nemra
