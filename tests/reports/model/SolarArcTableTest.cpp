#include "reports/model/SolarArcTable.h"

#include "core/ChartInput.h"
#include "tests/support/ChartInputs.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace nemra {
namespace {

SolarArcNatal CastNatal(const char* dateBE)
{
    TChartRecord rec;
    rec.Input = test::BangkokInput(dateBE, "9.30", "7.00H");
    CastChart(rec, {});
    return SolarArcNatalOf(rec);
}

// A degrees.minutes cell read back into degrees.
double CellDegrees(const std::string& cell)
{
    const double value = std::strtod(cell.c_str(), nullptr);
    const double whole = static_cast<int>(value);
    return whole + (value - whole) * 100.0 / 60.0;
}

TEST(SolarArcTable, BuddhistYearIsTheInverseOfTheYearRule)
{
    EXPECT_EQ(BuddhistYearFor(2, 1920), 2462);
    EXPECT_EQ(BuddhistYearFor(3, 1940), 2482);
    EXPECT_EQ(BuddhistYearFor(4, 1940), 2483);
    EXPECT_EQ(BuddhistYearFor(1, 1941), 2484);
    EXPECT_EQ(BuddhistYearFor(12, 1997), 2540);
    for (int year = 1800; year <= 2400; ++year)
        for (int month = 1; month <= 12; ++month)
            ASSERT_EQ(ChristianYearFor(month, BuddhistYearFor(month, year)), year) << month << '/' << year;
}

TEST(SolarArcTable, BirthdaysCrossTheCalendarChange)
{
    // 15 February 1920 (2462 in the old reckoning, when January to March closed the year).
    const SolarArcNatal february = CastNatal("15/02/2462");
    ASSERT_EQ(february.Year, 1920);
    const auto rows = BuildSolarArcTable(february);
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(rows[0].cells[0], "  1");
    EXPECT_EQ(rows[0].cells[1], "15/02/2463(1921)");
    EXPECT_EQ(rows[9].cells[0], " 10");
    EXPECT_EQ(rows[19].cells[1], "15/02/2482(1940)");
    EXPECT_EQ(rows[20].cells[1], "15/02/2484(1941)");
    EXPECT_EQ(rows[99].cells[0], "100");
    EXPECT_EQ(rows[99].cells[1], "15/02/2563(2020)");

    const SolarArcNatal may = CastNatal("15/05/2463");
    ASSERT_EQ(may.Year, 1920);
    EXPECT_EQ(SolarArcRowFor(may, 1).cells[1], "15/05/2464(1921)");
    EXPECT_EQ(SolarArcRowFor(may, 20).cells[1], "15/05/2483(1940)");
}

TEST(SolarArcTable, ArcsGrowAboutADegreeAYearWithHalfAndDouble)
{
    const auto rows = BuildSolarArcTable(CastNatal("05/12/2539"));
    // The Sun moves 1.01-1.02° a day in December (Astronomical Almanac).
    EXPECT_NEAR(rows[0].arcDeg, 1.017, 0.01);
    for (std::size_t i = 1; i < rows.size(); ++i)
        ASSERT_GT(rows[i].arcDeg, rows[i - 1].arcDeg) << i;
    // 100 days later, mid-March: the Sun near 354.7° against 253.4° at birth.
    EXPECT_NEAR(rows[99].arcDeg, 101.3, 0.3);
    for (const auto& row : rows) {
        EXPECT_NEAR(CellDegrees(row.cells[2]), row.arcDeg, 1.0 / 60.0);
        EXPECT_NEAR(CellDegrees(row.cells[3]), row.arcDeg / 2.0, 1.0 / 60.0);
        EXPECT_NEAR(CellDegrees(row.cells[4]), row.arcDeg * 2.0, 1.0 / 60.0); // not reduced past 360
    }
    EXPECT_GT(CellDegrees(rows[99].cells[4]), 180.0);
}

} // namespace
} // namespace nemra
