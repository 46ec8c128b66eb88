#include "ChartInputEntry.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

// Texts beyond the largest angles are refused rather than shown clamped: a latitude ends
// at 89°59' (a pole has no Ascendant), a longitude at 180°00'.
TEST(ReadLatitudeAndLongitude, KeepToTheirRanges)
{
    EXPECT_EQ(ReadLatitude("89.59S").value_or(AngleEntry{}).minutes, 59);
    EXPECT_FALSE(ReadLatitude("90.00S"));
    EXPECT_FALSE(ReadLatitude("90.00N"));
    EXPECT_FALSE(ReadLatitude("90.30S"));
    EXPECT_FALSE(ReadLatitude("89.60N"));
    EXPECT_EQ(ReadLongitude("180.00W").value_or(AngleEntry{}).degrees, 180);
    EXPECT_FALSE(ReadLongitude("180.01E"));
    EXPECT_FALSE(ReadLongitude("8.04N"));
    EXPECT_FALSE(ReadLatitude("8.04E"));

    const auto phuket = ReadLatitude("08.04N");
    ASSERT_TRUE(phuket);
    EXPECT_EQ(phuket->degrees, 8);
    EXPECT_EQ(phuket->minutes, 4);
    EXPECT_TRUE(phuket->positive);
    const auto west = ReadLongitude("74.00W");
    ASSERT_TRUE(west);
    EXPECT_FALSE(west->positive);
}

} // namespace
} // namespace nemra
