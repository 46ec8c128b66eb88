#include "reports/model/Placement.h"

#include "core/WinDeg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

// A computed chart whose factor i stands at `first` + i * `step` degrees, all direct.
PlacementChart SpreadChart(double first, double step)
{
    PlacementChart chart;
    chart.Computed = true;
    for (std::size_t i = 0; i < kFactorCount; ++i) {
        chart.Lon[i] = std::fmod(first + step * static_cast<double>(i), 360.0);
        chart.Retro[i] = kDirectMark;
    }
    return chart;
}

// The report of two charts showing radio item `item`, with equal houses of `factor` of
// `chart` when `chart` is 1 or 2.
PlacementReport Report(const PlacementChart& natal, const PlacementChart& transit, int item, int chart = 0,
                       int factor = 0)
{
    PlacementReport report{natal, transit, false, false, std::nullopt};
    ShowChartsOfItem(report, item);
    if (chart != 0) {
        const double lon = (chart == 2 ? transit : natal).Lon[static_cast<std::size_t>(factor)];
        report.Houses = HouseFrame{EqualHouseCusps(ShiftedHouseStart(factor, lon)), ChartLayerOf(chart), factor};
    }
    return report;
}

std::string Line(std::string_view name, std::string_view chartWord, double lon)
{
    return std::string(name) + std::string(chartWord) + " - " + WinDeg::PositionText(lon) + kDirectMark;
}

// The top-level line (0..11) under which a factor line stands, or -1.
int GroupOf(const PlacementTree& tree, const std::string& text)
{
    for (std::size_t g = 0; g < tree.size(); ++g)
        if (std::count(tree[g].Children.begin(), tree[g].Children.end(), text) > 0)
            return static_cast<int>(g);
    return -1;
}

TEST(Placement, EqualHousesStandTheirFactorOnItsCusp)
{
    const std::pair<int, std::size_t> cases[] = {{kAscendant, 0}, {kNode, 0}, {kMoon, 9}, {kSun, 3}, {kPoseidon, 3}};
    for (const auto& [factor, cusp] : cases)
        for (const double lon : {0.0, 89.5, 200.0, 359.75}) {
            const auto cusps = EqualHouseCusps(ShiftedHouseStart(factor, lon));
            EXPECT_NEAR(cusps[cusp], lon, 1e-9) << factor << ' ' << lon;
            EXPECT_NEAR(std::fmod(cusps[11] - cusps[0] + 360.0, 360.0), 330.0, 1e-9);
        }
    EXPECT_DOUBLE_EQ(ShiftedHouseStart(kMeridian, 123.5), 123.5); // Meridian houses: no shift
}

TEST(Placement, ListIsAscendingWithNewcomersInFrontOfEqualValues)
{
    PlacementChart chart = SpreadChart(1.0, 17.0);
    chart.Lon[kSun] = 30.0;
    const PlacementList list = BuildPlacementList(Report(chart, chart, 2));
    ASSERT_EQ(list.size(), 12u + 2u * 21u);
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](auto& a, auto& b) { return a.Value < b.Value; }));
    const auto at = [&list](const std::string& text) {
        return std::find_if(list.begin(), list.end(), [&text](const PlacementNode& n) { return n.Text == text; })
               - list.begin();
    };
    // The transit Sun, made later, goes before the natal Sun; both after the sign line they
    // stand on, 0 degrees Taurus.
    const auto natalSun = at(Line("อาทิตย์", "เดิม", 30.0));
    EXPECT_EQ(at(Line("อาทิตย์", "จร", 30.0)), natalSun - 1);
    EXPECT_EQ(at("ราศีพฤษภ"), natalSun - 2);
    // ... and in the outline a factor at exactly 30 degrees is in the second sign.
    const PlacementTree tree = BuildPlacementTree(Report(chart, chart, 2), list);
    EXPECT_EQ(GroupOf(tree, Line("อาทิตย์", "เดิม", 30.0)), 1);
}

TEST(Placement, HousesRunFromTheirCuspToTheNextAndLeaveOutTheirFactor)
{
    // Houses of the natal Sun at 100: cusp 1 at 10, cusp 2 at 40, cusp 4 at 100.
    PlacementChart natal = SpreadChart(3.0, 11.0);
    natal.Lon[kSun] = 100.0;
    natal.Lon[kMoon] = 40.0;  // on cusp 2: the start of house 2
    natal.Lon[kVenus] = 40.5; // house 2
    natal.Lon[kMars] = 9.5;   // just before cusp 1: house 12
    const PlacementTree tree = BuildPlacementOutline(Report(natal, natal, 2, 1, kSun));
    EXPECT_EQ(GroupOf(tree, Line("อาทิตย์", "เดิม", 100.0)), -1);
    EXPECT_EQ(GroupOf(tree, Line("อาทิตย์", "จร", 100.0)), 3); // on cusp 4
    EXPECT_EQ(GroupOf(tree, Line("จันทร์", "เดิม", 40.0)), 1);
    EXPECT_EQ(GroupOf(tree, Line("ศุกร์", "เดิม", 40.5)), 1);
    EXPECT_EQ(GroupOf(tree, Line("อังคาร", "เดิม", 9.5)), 11);
    std::size_t count = 0;
    for (const auto& group : tree)
        count += group.Children.size();
    EXPECT_EQ(count, 41u);

    // Houses of the transit Sun leave out the transit Sun instead; natal factors only.
    const PlacementTree natalOnly = BuildPlacementOutline(Report(natal, natal, 0, 2, kSun));
    EXPECT_EQ(GroupOf(natalOnly, Line("อาทิตย์", "เดิม", 100.0)), 3);
    EXPECT_EQ(GroupOf(natalOnly, Line("ศุกร์", "จร", 40.5)), -1);
}

TEST(Placement, AFactorOnCuspOneOfAnotherChartsHousesIsInHouseOne)
{
    // Houses of the natal Ascendant and the transit Ascendant on the same longitude; the
    // cusp is the Ascendant shifted away and back, for longitudes all round the circle.
    for (double lon = 0.0; lon < 360.0; lon += 7.3) {
        PlacementChart natal = SpreadChart(0.123, 16.0);
        natal.Lon[kAscendant] = lon;
        const PlacementTree tree = BuildPlacementOutline(Report(natal, natal, 2, 1, kAscendant));
        ASSERT_FALSE(tree[0].Children.empty()) << lon;
        EXPECT_EQ(tree[0].Children.front(), Line("ลัคนา", "จร", lon)) << lon;
    }
}

TEST(Placement, FileLinesAreTheCaptionThenTheOutlineWithTabbedFactors)
{
    PlacementChart natal = SpreadChart(0.5, 17.0);
    natal.Lon[kMeridian] = 15.5667;
    natal.Lon[kAscendant] = 20.5;
    natal.Retro[kAscendant] = kRetrogradeMark;
    const auto signs = PlacementFileLines("ปัจจัยในราศี", BuildPlacementOutline(Report(natal, natal, 0)));
    ASSERT_EQ(signs.size(), 1u + 12u + 21u);
    EXPECT_EQ(std::vector<std::string>(signs.begin(), signs.begin() + 5),
              (std::vector<std::string>{"ปัจจัยในราศี", "ราศีเมษ", "\tเมอริเดียนเดิม - 15มษ34  ", "\tลัคนาเดิม - 20มษ30 พ",
                                        "ราศีพฤษภ"}));
    EXPECT_EQ(signs.back(), "\tโพไซดอนเดิม - 27มน30  ");

    const PlacementReport houses = Report(natal, natal, 1, 1, kAscendant);
    EXPECT_EQ(PlacementCaption(houses), "เรือนชะตาลัคนากำเนิด");
    EXPECT_EQ(HouseCaption(kSun, kLayerTransit), "เรือนชะตาอาทิตย์จร");
    const auto lines = TopLevelLines(houses);
    EXPECT_EQ(lines[0], "เรือนที่  1 - 20มษ30");
    EXPECT_EQ(lines[11], "เรือนที่ 12 - 20มน30");
}

} // namespace
} // namespace nemra
