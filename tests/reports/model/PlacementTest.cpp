#include "Placement.h"

#include "WinDeg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

// A chart whose factor i stands at `first` + i * `step` degrees, every factor direct but
// Mercury, which is retrograde.
PlacementChart SpreadChart(double first, double step)
{
    PlacementChart chart;
    chart.Computed = true;
    for (std::size_t i = 0; i < kFactorCount; ++i) {
        chart.Lon[i] = std::fmod(first + step * static_cast<double>(i), 360.0);
        chart.Retro[i] = kDirectMark;
    }
    chart.Retro[kMercury] = kRetrogradeMark;
    return chart;
}

PlacementReport Report(const PlacementChart& natal, const PlacementChart& transit, int item)
{
    PlacementReport report;
    report.Natal = natal;
    report.Transit = transit;
    ShowChartsOfItem(report, item);
    return report;
}

PlacementReport Houses(PlacementReport report, int chart, int factor)
{
    const PlacementChart& from = chart == 2 ? report.Transit : report.Natal;
    const double lon = from.Lon[static_cast<std::size_t>(factor)];
    report.Houses = HouseFrame{EqualHouseCusps(ShiftedHouseStart(factor, lon)), chart, factor};
    return report;
}

std::string FactorLine(std::string_view name, std::string_view chartWord, double lon, const char* mark)
{
    return std::string(name) + std::string(chartWord) + " - " + WinDeg::PositionText(lon) + mark;
}

// The top-level line (0..11) under which a text stands, or -1.
int GroupOf(const PlacementTree& tree, const std::string& text)
{
    for (std::size_t g = 0; g < tree.size(); ++g)
        if (std::find(tree[g].Children.begin(), tree[g].Children.end(), text) != tree[g].Children.end())
            return static_cast<int>(g);
    return -1;
}

TEST(Placement, EqualHousesStandTheirFactorOnItsCusp)
{
    struct Case {
        int factor;
        int cusp; // the house cusp the factor stands on
    };
    const Case cases[] = {{kAscendant, 1}, {kNode, 1}, {kMoon, 10}, {kSun, 4}, {kMercury, 4}, {kPoseidon, 4}};
    for (const Case& c : cases)
        for (const double lon : {0.0, 17.25, 89.5, 200.0, 359.75}) {
            const auto cusps = EqualHouseCusps(ShiftedHouseStart(c.factor, lon));
            EXPECT_NEAR(cusps[static_cast<std::size_t>(c.cusp - 1)], lon, 1e-9) << c.factor << ' ' << lon;
            for (std::size_t n = 1; n < cusps.size(); ++n)
                EXPECT_NEAR(std::fmod(cusps[n] - cusps[n - 1] + 360.0, 360.0), 30.0, 1e-9);
        }
    // The Meridian has Meridian houses: its start is not shifted.
    EXPECT_DOUBLE_EQ(ShiftedHouseStart(kMeridian, 123.5), 123.5);
    EXPECT_DOUBLE_EQ(ShiftedHouseStart(kSun, 270.0), 90.0);
    EXPECT_DOUBLE_EQ(ShiftedHouseStart(kAscendant, 30.0), 300.0);
}

TEST(Placement, CaptionsAndTopLevelLines)
{
    EXPECT_EQ(HouseCaption(kSun, 1), "เรือนชะตาอาทิตย์กำเนิด");
    EXPECT_EQ(HouseCaption(kMeridian, 2), "เรือนชะตาเมอริเดียนจร");
    const PlacementChart chart = SpreadChart(10.0, 15.0);
    EXPECT_EQ(PlacementCaption(Report(chart, chart, 0)), "ปัจจัยในราศี");

    const auto signs = TopLevelLines(Report(chart, chart, 0));
    ASSERT_EQ(signs.size(), 12u);
    EXPECT_EQ(signs[0], "ราศีเมษ");
    EXPECT_EQ(signs[11], "ราศีมีน");

    const PlacementReport houses = Houses(Report(chart, chart, 0), 1, kAscendant);
    const auto lines = TopLevelLines(houses);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "เรือนที่  1 - " + WinDeg::PositionText(40.0));
    EXPECT_EQ(lines[8], "เรือนที่  9 - " + WinDeg::PositionText(280.0));
    EXPECT_EQ(lines[11], "เรือนที่ 12 - " + WinDeg::PositionText(10.0));
}

TEST(Placement, RadioGroupOpensOnTheChartsThatExist)
{
    const auto both = ChartChoiceOpeningFor(true, true);
    EXPECT_EQ(both.item, 0);
    EXPECT_TRUE(both.enabled);
    const auto natal = ChartChoiceOpeningFor(true, false);
    EXPECT_EQ(natal.item, 0);
    EXPECT_FALSE(natal.enabled);
    const auto transit = ChartChoiceOpeningFor(false, true);
    EXPECT_EQ(transit.item, 1);
    EXPECT_FALSE(transit.enabled);
}

TEST(Placement, ListIsAscendingWithNewcomersInFrontOfEqualValues)
{
    // Natal and transit charts on the same longitudes, with the Sun exactly at 30 degrees.
    PlacementChart chart = SpreadChart(1.0, 17.0);
    chart.Lon[kSun] = 30.0;
    const PlacementList list = BuildPlacementList(Report(chart, chart, 2));
    ASSERT_EQ(list.size(), 12u + 2u * 21u);
    for (std::size_t i = 1; i < list.size(); ++i)
        EXPECT_LE(list[i - 1].Value, list[i].Value) << i;
    const auto at = [&list](const std::string& text) {
        return std::find_if(list.begin(), list.end(), [&text](const PlacementNode& n) { return n.Text == text; })
               - list.begin();
    };
    // The transit Sun, made later, stands before the natal Sun; both before the sign line.
    const auto transitSun = at(FactorLine("อาทิตย์", "จร", 30.0, kDirectMark));
    const auto natalSun = at(FactorLine("อาทิตย์", "เดิม", 30.0, kDirectMark));
    EXPECT_EQ(natalSun, transitSun + 1);
    EXPECT_EQ(at("ราศีพฤษภ"), natalSun + 1);
    EXPECT_TRUE(list[static_cast<std::size_t>(at("ราศีพฤษภ"))].Header);
    EXPECT_EQ(list[static_cast<std::size_t>(natalSun)].MotionMark, kDirectMark);
    const auto mercury = at(FactorLine("พุธ", "เดิม", chart.Lon[kMercury], kRetrogradeMark));
    ASSERT_LT(mercury, static_cast<std::ptrdiff_t>(list.size()));
    EXPECT_EQ(list[static_cast<std::size_t>(mercury)].MotionMark, kRetrogradeMark);
}

TEST(Placement, SignsHoldTheFactorsOfTheChartsShown)
{
    PlacementChart natal = SpreadChart(0.0, 17.0); // the Aries point at 0 is never listed
    natal.Lon[kMeridian] = 0.0;
    natal.Lon[kSun] = 30.0;
    natal.Lon[kMoon] = 359.99;
    const PlacementChart transit = SpreadChart(5.0, 13.0);

    const PlacementTree natalOnly = BuildPlacementOutline(Report(natal, transit, 0));
    std::size_t count = 0;
    for (const auto& group : natalOnly)
        count += group.Children.size();
    EXPECT_EQ(count, 21u);
    EXPECT_EQ(GroupOf(natalOnly, FactorLine("เมอริเดียน", "เดิม", 0.0, kDirectMark)), 0);
    EXPECT_EQ(GroupOf(natalOnly, FactorLine("อาทิตย์", "เดิม", 30.0, kDirectMark)), 1);
    EXPECT_EQ(GroupOf(natalOnly, FactorLine("จันทร์", "เดิม", 359.99, kDirectMark)), 11);
    EXPECT_EQ(GroupOf(natalOnly, FactorLine("พุธ", "จร", transit.Lon[kMercury], kRetrogradeMark)), -1);

    const PlacementTree transitOnly = BuildPlacementOutline(Report(natal, transit, 1));
    EXPECT_EQ(GroupOf(transitOnly, FactorLine("พุธ", "จร", transit.Lon[kMercury], kRetrogradeMark)),
              SignNumberOf(transit.Lon[kMercury]) - 1);
    EXPECT_EQ(GroupOf(transitOnly, FactorLine("อาทิตย์", "เดิม", 30.0, kDirectMark)), -1);
}

TEST(Placement, HousesRunFromAboveACuspToTheNextAndLeaveOutTheirFactor)
{
    // Houses of the natal Sun at 100: cusp 4 at 100, cusp 1 at 10, cusp 2 at 40.
    PlacementChart natal = SpreadChart(3.0, 11.0);
    natal.Lon[kSun] = 100.0;
    natal.Lon[kMoon] = 40.0;   // exactly on cusp 2: the end of house 1
    natal.Lon[kVenus] = 40.5;  // just past cusp 2: house 2
    natal.Lon[kMars] = 9.5;    // just before cusp 1: house 12
    natal.Lon[kPluto] = 130.0; // exactly on cusp 5: house 4
    PlacementChart transit = natal;
    const PlacementReport report = Houses(Report(natal, transit, 2), 1, kSun);
    const PlacementTree tree = BuildPlacementOutline(report);

    EXPECT_EQ(GroupOf(tree, FactorLine("อาทิตย์", "เดิม", 100.0, kDirectMark)), -1);
    EXPECT_EQ(GroupOf(tree, FactorLine("อาทิตย์", "จร", 100.0, kDirectMark)), 2); // on cusp 4: end of house 3
    EXPECT_EQ(GroupOf(tree, FactorLine("จันทร์", "เดิม", 40.0, kDirectMark)), 0);
    EXPECT_EQ(GroupOf(tree, FactorLine("ศุกร์", "เดิม", 40.5, kDirectMark)), 1);
    EXPECT_EQ(GroupOf(tree, FactorLine("อังคาร", "เดิม", 9.5, kDirectMark)), 11);
    EXPECT_EQ(GroupOf(tree, FactorLine("พลูโต", "เดิม", 130.0, kDirectMark)), 3);
    std::size_t count = 0;
    for (const auto& group : tree)
        count += group.Children.size();
    EXPECT_EQ(count, 41u); // 21 transit factors, 20 natal ones

    // Houses of the transit Sun leave out the transit Sun instead.
    const PlacementTree fromTransit = BuildPlacementOutline(Houses(Report(natal, transit, 2), 2, kSun));
    EXPECT_EQ(GroupOf(fromTransit, FactorLine("อาทิตย์", "เดิม", 100.0, kDirectMark)), 2);
    EXPECT_EQ(GroupOf(fromTransit, FactorLine("อาทิตย์", "จร", 100.0, kDirectMark)), -1);
}

TEST(Placement, AFactorOnCuspOneOfAnotherChartsHousesIsInHouseOne)
{
    // Houses of the natal Ascendant; the transit Ascendant on the very same longitude. The
    // cusp is the Ascendant shifted away and back, for longitudes all round the circle.
    for (double lon = 0.0; lon < 360.0; lon += 7.3) {
        PlacementChart natal = SpreadChart(0.123, 16.0);
        natal.Lon[kAscendant] = lon;
        const PlacementTree tree = BuildPlacementOutline(Houses(Report(natal, natal, 2), 1, kAscendant));
        const std::string transitAscendant = FactorLine("ลัคนา", "จร", lon, kDirectMark);
        ASSERT_EQ(GroupOf(tree, transitAscendant), 0) << lon;
        EXPECT_EQ(tree[0].Children.front(), transitAscendant) << lon;
    }
}

TEST(Placement, FileLinesAreTheCaptionThenTheOutlineWithTabbedFactors)
{
    PlacementChart natal = SpreadChart(0.5, 17.0);
    natal.Lon[kMeridian] = 15.5667;
    natal.Lon[kAscendant] = 20.5;
    const PlacementReport report = Report(natal, natal, 0);
    const PlacementTree tree = BuildPlacementOutline(report);
    const auto lines = PlacementFileLines(PlacementCaption(report), tree);
    ASSERT_EQ(lines.size(), 1u + 12u + 21u);
    EXPECT_EQ(lines[0], "ปัจจัยในราศี");
    EXPECT_EQ(lines[1], "ราศีเมษ");
    EXPECT_EQ(lines[2], "\tเมอริเดียนเดิม - 15มษ34  ");
    EXPECT_EQ(lines[3], "\tลัคนาเดิม - 20มษ30  ");
    EXPECT_EQ(lines[4], "ราศีพฤษภ");
    std::size_t line = 1;
    for (const PlacementGroup& group : tree) {
        EXPECT_EQ(lines[line++], group.Text);
        for (const std::string& child : group.Children)
            EXPECT_EQ(lines[line++], "\t" + child);
    }
}

} // namespace
} // namespace nemra
