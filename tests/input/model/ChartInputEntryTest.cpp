#include "input/model/ChartInputEntry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace nemra {
namespace {

TChartInput Written(const ChartInputEntry& entry)
{
    TChartInput input;
    WriteChartInput(entry, input);
    return input;
}

TEST(WriteChartInput, WritesTheRecordForms)
{
    ChartInputEntry entry;
    entry.day = 5;
    entry.month = 3;
    entry.yearBE = 999;
    entry.hour = 9;
    entry.minute = 5;
    entry.zone = {-5, 30, true, false};
    entry.latitude = {90, 0, false};
    entry.longitude = {8, 4, false};
    auto input = Written(entry);
    EXPECT_EQ(input.Date.str(), "05/03/ 999");
    EXPECT_EQ(input.Time.str(), " 9.05.00");
    EXPECT_EQ(input.TimeZone.str(), "-5.30H"); // hours ignore the east/west buttons
    EXPECT_EQ(input.Latitude.str(), "90.00S");
    EXPECT_EQ(input.Longitude.str(), "8.04W");

    entry.hour = entry.minute = 0;
    entry.zone = {105, 0, false, true};
    EXPECT_EQ(Written(entry).Time.str(), " 0.00.00");
    EXPECT_EQ(Written(entry).TimeZone.str(), "105.00E");
    entry.zone.east = false;
    entry.longitude = {179, 59, true};
    EXPECT_EQ(Written(entry).TimeZone.str(), "105.00W");
    EXPECT_EQ(Written(entry).Longitude.str(), "179.59E");
}

TEST(WriteChartInput, CutsNameAndPlaceToThirtyCharacters)
{
    ChartInputEntry entry;
    entry.name = std::string(29, 'a') + "ดวง";
    entry.place = std::string(31, 'p');
    const auto input = Written(entry);
    EXPECT_EQ(input.Name.str(), std::string(29, 'a') + "ด");
    EXPECT_EQ(input.Place.str(), std::string(30, 'p'));
}

// The year shown beside the Buddhist year follows the year rule for the month chosen.
TEST(ChristianYearLabel, FollowsTheYearRuleOfTheMonth)
{
    struct Case {
        int yearBE, month;
        const char* label;
    };
    for (const auto& c : {Case{2483, 2, "(ค.ศ. 1941)"}, Case{2483, 4, "(ค.ศ. 1940)"}, Case{2484, 2, "(ค.ศ. 1941)"},
                          Case{2538, 1, "(ค.ศ. 1995)"}})
        EXPECT_EQ(ChristianYearLabel(ChristianYearFor(c.month, c.yearBE)), c.label) << c.yearBE << "/" << c.month;
}

TEST(DayWithinMonth, KeepsTheDayOrTakesTheMonthsLastDay)
{
    EXPECT_EQ(DayWithinMonth(31, 2, 2024), 29);
    EXPECT_EQ(DayWithinMonth(31, 2, 1900), 28);
    EXPECT_EQ(DayWithinMonth(31, 2, 2000), 29);
    EXPECT_EQ(DayWithinMonth(31, 4, 2025), 30);
    EXPECT_EQ(DayWithinMonth(15, 4, 2025), 15);
    EXPECT_EQ(DayWithinMonth(0, 4, 2025), 1);
}

CityChoice City(const char* zone, const char* latitude, const char* longitude)
{
    return {"C", "D", zone, latitude, longitude};
}

// A city's zone read into the dialog's values and written back gives the same text, the
// minus sign of a zone of 0 whole hours included.
TEST(CityEntryFor, ZoneTextsComeBackAsTheyWere)
{
    for (const char* zone :
         {"-0.30H", "-0.45H", "0.30H", "-5.30H", "7.00H", "12.00H", "-11.00H", "105.00E", "75.00W", "0.00E"}) {
        ChartInputEntry entry;
        entry.zone = *CityEntryFor(City(zone, "13.45N", "100.30E")).zone;
        EXPECT_EQ(Written(entry).TimeZone.str(), zone);
    }
}

// What the dialog refuses on OK: only what the chart input check refuses, with its reason.
TEST(CheckEntry, NamesTheDatesMeantForTheShortYear)
{
    ChartInputEntry entry;
    entry.day = 7;
    entry.month = 2;
    entry.yearBE = 2483;
    const auto check = CheckEntry(entry);
    ASSERT_FALSE(check.ok());
    const std::string& refusal = check.fault().reason;
    EXPECT_NE(refusal.find("07/02/2482 (ค.ศ. 1940)"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("07/02/2484 (ค.ศ. 1941)"), std::string::npos) << refusal;
    for (const int yearBE : {2484, 2482, 999, kMinYearBE, kMaxYearBE}) {
        entry.yearBE = yearBE;
        EXPECT_TRUE(CheckEntry(entry).ok()) << yearBE;
    }
}

// A text that cannot be read stops the conversion there; what came before stays converted.
TEST(CityEntryFor, StopsAtTheFirstTextItCannotRead)
{
    struct Case {
        CityChoice city;
        bool zone, latitude;
    };
    const Case cases[] = {
        {City("", "13.45N", "100.30E"), false, false},       // empty
        {City("7.00X", "13.45N", "100.30E"), false, false},  // unknown letter
        {City("13.00H", "13.45N", "100.30E"), false, false}, // beyond +12 hours
        {City("181.00E", "13.45N", "100.30E"), false, false}, {City("7.00H", "abcN", "100.30E"), true, false},
        {City("7.00H", "13.45E", "100.30E"), true, false}, // east is no latitude
        {City("7.00H", "-13.4N", "100.30E"), true, false},    {City("7.00H", "91.00N", "100.30E"), true, false},
        {City("7.00H", "13.75N", "100.30E"), true, false}, // 75 minutes
        {City("7.00H", "13.45N", "100.30N"), true, true},     {City("7.00H", "13.45N", "1000.3E"), true, true},
        {City("7.00H", "13.45N", "100.30"), true, true},    // the letter missing
        {City("1e99H", "13.45N", "100.30E"), false, false}, // a number, but no zone
        {City("7.00H", "1e99N", "100.30E"), true, false},
    };
    for (const auto& c : cases) {
        const auto entry = CityEntryFor(c.city);
        const std::string label = c.city.Zone.str() + "," + c.city.Latitude.str() + "," + c.city.Longitude.str();
        EXPECT_TRUE(entry.failure) << label;
        EXPECT_EQ(entry.zone.has_value(), c.zone) << label;
        EXPECT_EQ(entry.latitude.has_value(), c.latitude) << label;
        EXPECT_FALSE(entry.longitude) << label;
        EXPECT_EQ(entry.place, "C");
    }
}

// A stored chart shown in the dialog's controls: texts in the forms people type, read back to
// the values a person would set (hand-read from the texts).
TEST(EntryForChartInput, ShowsTheTextsAsTheControlsHoldThem)
{
    TChartInput input;
    input.Name = "ก";
    input.Place = "ภูเก็ต";
    input.Date = "5/3/2483";
    input.Time = "9.3";
    input.TimeZone = "-5.30H";
    input.Latitude = "8.04S";
    input.Longitude = "98.24W";
    const ChartInputEntry entry = EntryForChartInput(input);
    EXPECT_EQ(entry.name, "ก");
    EXPECT_EQ(entry.place, "ภูเก็ต");
    EXPECT_EQ(std::tie(entry.day, entry.month, entry.yearBE), std::make_tuple(5, 3, 2483));
    EXPECT_EQ(std::tie(entry.hour, entry.minute, entry.second), std::make_tuple(9, 30, 0));
    EXPECT_EQ(std::tie(entry.zone.value, entry.zone.minutes, entry.zone.inHours), std::make_tuple(-5, 30, true));
    EXPECT_EQ(std::tie(entry.latitude.degrees, entry.latitude.minutes, entry.latitude.positive),
              std::make_tuple(8, 4, false));
    EXPECT_EQ(std::tie(entry.longitude.degrees, entry.longitude.minutes, entry.longitude.positive),
              std::make_tuple(98, 24, false));
    // The dialog's own forms come back unchanged.
    const TChartInput written = Written(entry);
    EXPECT_EQ(EntryForChartInput(written).second, 0);
    EXPECT_EQ(Written(EntryForChartInput(written)), written);
    EXPECT_EQ(written.Time.str(), " 9.30.00");
}

} // namespace
} // namespace nemra
