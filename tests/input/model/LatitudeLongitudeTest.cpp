#include "ChartInputEntry.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

// The largest angles take no minutes: 90°30' north or 180°30' east is no place the chart
// computation accepts, so such a text is refused rather than shown clamped.
TEST(ReadLatitudeAndLongitude, KeepToTheirRanges)
{
    EXPECT_EQ(ReadLatitude("90.00S").value_or(AngleEntry{}).degrees, 90);
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
