#include "input/model/ChartInputEntry.h"

#include "core/AngleReading.h"
#include "core/ChartRecord.h"

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

// The dialogs, the chart check and the cast read angle texts with one reader: a latitude or
// longitude the dialog shows is one the check takes, and the cast gets the value the text
// says (values by hand: 4.5' is 0.075°, 30' of an hour is 7.5° of zone).
TEST(AngleTexts, OneReaderForTheDialogTheCheckAndTheCast)
{
    struct Case {
        const char* text;
        AngleKind kind;
        bool checked;   // the chart check takes it
        double degrees; // the cast's value (0 for a refused text)
    };
    const Case cases[] = {
        {"8.045N", AngleKind::Latitude, true, 8.075},    {"-0.00N", AngleKind::Latitude, true, 0.0},
        {"-0.30N", AngleKind::Latitude, false, 0.0},     {"89.60S", AngleKind::Latitude, false, 0.0},
        {"180.00W", AngleKind::Longitude, true, -180.0}, {"1e99E", AngleKind::Longitude, false, 0.0},
        {"-0.30H", AngleKind::Zone, true, -7.5},         {"-12.00H", AngleKind::Zone, true, -180.0},
        {"14.00H", AngleKind::Zone, true, 210.0},        {"14.01H", AngleKind::Zone, false, 0.0},
        {"7.00h", AngleKind::Zone, false, 0.0},          {"105.00E", AngleKind::Zone, true, 105.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TChartRecord rec;
        rec.Input.Date = "15/03/2484";
        rec.Input.Time = "9.30";
        rec.Input.TimeZone = "7.00H";
        rec.Input.Latitude = "13.45N";
        rec.Input.Longitude = "100.30E";
        double* cast = &rec.ZoneDeg;
        if (c.kind == AngleKind::Latitude) {
            rec.Input.Latitude = c.text;
            cast = &rec.LatDeg;
            EXPECT_EQ(ReadLatitude(c.text).has_value(), c.checked);
        } else if (c.kind == AngleKind::Longitude) {
            rec.Input.Longitude = c.text;
            cast = &rec.LonDeg;
            EXPECT_EQ(ReadLongitude(c.text).has_value(), c.checked);
        } else {
            rec.Input.TimeZone = c.text;
        }
        EXPECT_EQ(CheckInputTexts(rec.Input).ok(), c.checked);
        ParseChartInput(rec);
        EXPECT_NEAR(*cast, c.degrees, 1e-9);
    }
}

} // namespace
} // namespace nemra
