#include "charts/model/Relocation.h"

#include "tests/charts/ChartsTestKit.h"

#include "core/ChartRecord.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

using test::kLondon;
const ChartPlace kLondonHours{"0.00H", "51.30N", "0.08W", "London"};

TChartRecord Cast(const TChartInput& input)
{
    TChartRecord rec;
    rec.Input = input;
    CastChart(rec, {});
    return rec;
}

struct Move {
    const char* date;
    const char* time;
    const char* zone;
    ChartPlace to;
    const char* londonDate; // hand-computed: Bangkok clock minus 7 hours
    const char* londonTime;
};

TEST(Relocation, TheMomentStaysAndOnlyTheAnglesMove)
{
    const Move moves[] = {
        {"24/06/2475", " 6.00.00", "105.00E", kLondon, "23/06/2475", "23.00.00"},
        {"01/01/2484", " 3.15.20", "7.00H", kLondonHours, "31/12/2483", "20.15.20"},
        {"01/04/2483", " 6.59.59", "7.00H", kLondon, "31/03/2482", "23.59.59"},
        {"01/03/2567", " 0.30.00", "105.00E", kLondon, "29/02/2567", "17.30.00"},
        {"08/04/2567", "12.00.00", "7.00H", kLondon, "08/04/2567", " 5.00.00"},
    };
    for (const Move& m : moves) {
        const TChartInput bangkok = test::BangkokChart(m.date, m.time, m.zone);
        const ChartOutcome london = Relocate(bangkok, m.to);
        ASSERT_TRUE(london.ok()) << test::ReasonOf(london);
        EXPECT_EQ(london->chart.Date.str(), m.londonDate);
        EXPECT_EQ(london->chart.Time.str(), m.londonTime);
        EXPECT_EQ(PlaceOf(london->chart), m.to);
        EXPECT_EQ(london->chart.Name, bangkok.Name);
        EXPECT_EQ(london->moment, MomentOf(bangkok));

        const TChartRecord before = Cast(bangkok);
        const TChartRecord after = Cast(london->chart);
        for (int f = kSun; f <= kPoseidon; ++f)
            EXPECT_NEAR(after.Factors[f].Lon, before.Factors[f].Lon, 1e-7) << m.date << " factor " << f;
        EXPECT_NEAR(after.MeanNode, before.MeanNode, 1e-7);
        EXPECT_GT(std::abs(after.Factors[kMeridian].Lon - before.Factors[kMeridian].Lon), 1.0);

        // Back home: the very texts the chart had.
        const ChartOutcome home = Relocate(london->chart, PlaceOf(bangkok));
        ASSERT_TRUE(home.ok()) << test::ReasonOf(home);
        EXPECT_EQ(home->chart, bangkok) << m.date;
    }
}

TEST(Relocation, RefusesAndReadsPlaces)
{
    const TChartInput bangkok = test::BangkokChart("08/04/2567", "12.00.00", "7.00H");
    // A moment whose date at the new zone leaves the years the charts accept.
    EXPECT_EQ(test::ReasonOf(
                  Relocate(test::BangkokChart("31/12/3542", "23.30.00", "7.00H"), {"14.00H", "1.52N", "157.24W", ""})),
              "ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542");
    EXPECT_FALSE(Relocate(test::BangkokChart("30/02/2567", "12.00.00", "7.00H"), kLondon).ok());

    const auto read = ReadPlace(" 0.00E , 51.30N,0.08W,London, Ontario");
    ASSERT_TRUE(read.ok()) << test::ReasonOf(read);
    EXPECT_EQ(*read, (ChartPlace{"0.00E", "51.30N", "0.08W", "London, Ontario"}));
    EXPECT_EQ(ReadPlace("7.00H,13.45N,100.30E")->Place.str(), "");
    for (const char* bad : {"", "7.00H", "7.00H,13.45N", "7.00X,13.45N,100.30E", "7.00H,95.00N,100.30E",
                            "7.00H,13.45N,100.30", "105.00EE,13.45N,100.30E", "7.00H,13.45N,100.30E,\xff",
                            "7.00H,13.45N,100.30E,a place name far longer than thirty characters"}) {
        EXPECT_NE(test::ReasonOf(ReadPlace(bad)), "") << bad;
    }
    EXPECT_FALSE(Relocate(bangkok, {"7.00H", "13.45N", "181.00E", ""}).ok());
}

} // namespace
} // namespace nemra
