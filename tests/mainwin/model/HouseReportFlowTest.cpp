#include "HouseReportFlow.h"

#include "Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

TChartInput Input(const char* name, const char* date, const char* time)
{
    TChartInput in;
    in.Name = name;
    in.Date = date;
    in.Time = time;
    in.TimeZone = "7.00H";
    in.Latitude = "13.45N";
    in.Longitude = "100.30E";
    return in;
}

MainSession BothCharts()
{
    MainSession s;
    CastNatal(s, Input("กำเนิด", "05/12/2540", "9.30"));
    CastTransit(s, Input("จร", "07/12/2569", "9.05.07"));
    return s;
}

bool Lists(const PlacementTree& tree, const std::string& start)
{
    return std::any_of(tree.begin(), tree.end(), [&start](const PlacementGroup& g) {
        return std::any_of(g.Children.begin(), g.Children.end(),
                           [&start](const std::string& c) { return c.rfind(start, 0) == 0; });
    });
}

TEST(HouseReportFlow, SunHousesTurnTheIndexAndPutTheSunOnCuspFour)
{
    MainSession s = BothCharts();
    const double sun = s.FNatal.Factors[kSun].Lon;
    SetHouseReportIndex(s, kSun, 1);
    EXPECT_EQ(s.FIndexDial, kSun);
    EXPECT_EQ(s.GHouseChart, 1);
    EXPECT_DOUBLE_EQ(s.FDialRotation, sun);
    EXPECT_EQ(s.FDialTitle, "เรือนชะตาอาทิตย์");
    EXPECT_TRUE(s.FDialSubTitle.empty());

    const PlacementReport report = ShiftIndexToHouses(s, kSun);
    EXPECT_NEAR(s.FDialRotation, std::fmod(sun + 180.0, 360.0), 1e-9);
    ASSERT_TRUE(report.Houses);
    EXPECT_NEAR(report.Houses->HouseCusps[3], sun, 1e-9);
    EXPECT_EQ(PlacementCaption(report), "เรือนชะตาอาทิตย์กำเนิด");
    EXPECT_TRUE(report.ShowNatalFactors);
    EXPECT_TRUE(report.ShowTransitFactors);

    PlacementReport both = report;
    ShowChartsOfItem(both, 2);
    const PlacementTree tree = BuildPlacementOutline(both);
    EXPECT_FALSE(Lists(tree, "อาทิตย์เดิม"));
    EXPECT_TRUE(Lists(tree, "อาทิตย์จร"));
}

TEST(HouseReportFlow, MeridianHousesOfTheTransitChartStartFromItsSiderealTime)
{
    MainSession s = BothCharts();
    SetHouseReportIndex(s, kMeridian, 2);
    const double meridian = s.FTransit.Factors[kMeridian].Lon;
    const PlacementReport report = ShiftIndexToHouses(s, kMeridian);
    EXPECT_DOUBLE_EQ(s.FDialRotation, meridian); // the Meridian is not shifted
    EXPECT_EQ(s.GHouseChart, 2);
    ASSERT_TRUE(report.Houses);
    EXPECT_NEAR(report.Houses->HouseCusps[9], meridian, 1e-6);
    EXPECT_EQ(PlacementCaption(report), "เรือนชะตาเมอริเดียนจร");

    PlacementReport transit = report;
    ShowChartsOfItem(transit, 1);
    const PlacementTree tree = BuildPlacementOutline(transit);
    EXPECT_FALSE(Lists(tree, "เมอริเดียนจร"));
    EXPECT_TRUE(Lists(tree, "อาทิตย์จร"));
}

TEST(HouseReportFlow, SignReportListsTheComputedCharts)
{
    MainSession s;
    CastTransit(s, Input("จร", "07/12/2569", "9.05.07"));
    const PlacementReport report = SignReportOf(s);
    EXPECT_FALSE(report.ShowNatalFactors);
    EXPECT_TRUE(report.ShowTransitFactors);
    EXPECT_FALSE(report.Houses);
}

} // namespace
} // namespace nemra
