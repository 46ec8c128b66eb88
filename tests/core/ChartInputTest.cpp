#include "core/ChartInput.h"

#include "tests/support/ChartInputs.h"

#include <gtest/gtest.h>

#include <vector>

namespace nemra {
namespace {

TChartInput Bangkok(const std::string& date, const std::string& time)
{
    return test::BangkokInput(date, time);
}

TEST(ChartInput, BuddhistYearRuleChangesIn2484)
{
    EXPECT_EQ(ChristianYearFor(3, 2482), 1940);
    EXPECT_EQ(ChristianYearFor(4, 2483), 1940);
    EXPECT_EQ(ChristianYearFor(3, 2484), 1941);
    EXPECT_EQ(ChristianYearFor(12, 2569), 2026);
    EXPECT_EQ(ChristianYearFor(1, 2443), 1901);
}

// Dates around the short year 2483 BE (1 April - 31 December 1940) and the years below 1000 BE
// that the input dialog writes right-aligned. `meant` lists the dates a refusal must name.
TEST(ChartInput, DateTextsAroundTheShortYearAndShortYears)
{
    struct Case {
        const char* date;
        bool accepted;
        std::vector<const char*> meant;
    };
    const Case cases[] = {
        {"15/03/2483", false, {"15/03/2482 (ค.ศ. 1940)", "15/03/2484 (ค.ศ. 1941)"}},
        {"01/01/2483", false, {"01/01/2482 (ค.ศ. 1940)", "01/01/2484 (ค.ศ. 1941)"}},
        {"31/03/2483", false, {"31/03/2482 (ค.ศ. 1940)", "31/03/2484 (ค.ศ. 1941)"}},
        {"29/02/2483", false, {"29/02/2482 (ค.ศ. 1940)"}}, // 1940 was a leap year, 1941 not
        {"30/02/2483", false, {}},
        {"31/03/2482", true, {}},
        {"01/04/2483", true, {}},
        {"31/12/2483", true, {}},
        {"01/01/2484", true, {}},
        {"01/06/ 999", true, {}}, // as the dialog writes 999 BE
        {"01/06/ 544", true, {}},
        {"01/06/999", true, {}},
        {"01/06/ 543", false, {}}, // before the first year served
        {"01/06/  999", false, {}},
        {"01/06/99 9", false, {}},
    };
    for (const Case& c : cases) {
        const auto check = CheckInputTexts(Bangkok(c.date, "9.30"));
        EXPECT_EQ(check.ok(), c.accepted) << c.date;
        if (check)
            continue;
        const ChartInputFault& fault = check.fault();
        EXPECT_EQ(fault.field, ChartInputField::Date) << c.date;
        for (const char* date : c.meant)
            EXPECT_NE(fault.message.find(date), std::string::npos) << fault.message;
        if (c.meant.size() == 1) {
            EXPECT_EQ(fault.message.find("2484"), std::string::npos) << fault.message;
        }
    }
}

TEST(ChartInput, CapacitiesCountCharacters)
{
    TChartInput in;
    in.Name = std::string(40, 'x');
    in.Place = "นครศรีธรรมราชนครศรีธรรมราชนครศรีธรรมราช"; // 39 characters
    in.TimeZone = "105.00E+";
    EXPECT_EQ(in.Name.str().size(), 30u);
    EXPECT_EQ(CharCount(in.Place), 30u);
    EXPECT_EQ(in.TimeZone.str(), "105.00E");
}

TEST(ChartInput, AcceptsTheFormsTheInputDialogWrites)
{
    for (const auto& [date, time] :
         std::initializer_list<std::pair<const char*, const char*>>{{"15/03/2484", "9.30"},
                                                                    {"1/1/2343", "09.30.00"},
                                                                    {"31/12/2942", " 9.30.00"},
                                                                    {"29/02/2567", "23.59.59"},
                                                                    {"07/12/2569", "9:30:00"},
                                                                    {"15/03/2484", "0.00"}})
        EXPECT_TRUE(CheckInputTexts(Bangkok(date, time)).ok()) << date << " " << time;
    TChartInput in = Bangkok("1/1/2500", "12.00");
    for (const char* zone : {"7.00H", "-12.00H", "14.00H", "105.00E", "75.00W", "0.00E"}) {
        in.TimeZone = zone;
        EXPECT_TRUE(CheckInputTexts(in).ok()) << zone;
    }
    in.Latitude = "89.59N";
    in.Longitude = "180.00W";
    EXPECT_TRUE(CheckInputTexts(in).ok());
}

TEST(ChartInput, NamesTheFirstMalformedField)
{
    struct Case {
        const char* date;
        const char* time;
        const char* zone;
        const char* lat;
        const char* lon;
        ChartInputField field;
    };
    const Case cases[] = {
        {"", "9.30", "105.00E", "13.45N", "100.30E", ChartInputField::Date},
        {"15032483", "9.30", "105.00E", "13.45N", "100.30E", ChartInputField::Date},
        {"15/0/2483", "9.30", "105.00E", "13.45N", "100.30E", ChartInputField::Date},
        {"15/13/2483", "9.30", "105.00E", "13.45N", "100.30E", ChartInputField::Date},
        {"40/01/2483", "9.30", "105.00E", "13.45N", "100.30E", ChartInputField::Date},
        {"29/02/2566", "9.30", "105.00E", "13.45N", "100.30E", ChartInputField::Date},
        {"1a/01/2483", "9.30", "105.00E", "13.45N", "100.30E", ChartInputField::Date},
        {"15/03/2484", "9.30.", "105.00E", "13.45N", "100.30E", ChartInputField::Time},
        {"15/03/2484", "", "105.00E", "13.45N", "100.30E", ChartInputField::Time},
        {"15/03/2484", "x", "105.00E", "13.45N", "100.30E", ChartInputField::Time},
        {"15/03/2484", "9.75", "105.00E", "13.45N", "100.30E", ChartInputField::Time},
        {"15/03/2484", "24.00", "105.00E", "13.45N", "100.30E", ChartInputField::Time},
        {"15/03/2484", "09.30.0", "105.00E", "13.45N", "100.30E", ChartInputField::Time},
        {"15/03/2484", "9.30.00x", "105.00E", "13.45N", "100.30E", ChartInputField::Time},
        {"15/03/2484", "9.30", "105.00", "13.45N", "100.30E", ChartInputField::TimeZone},
        {"15/03/2484", "9.30", "15.00H", "13.45N", "100.30E", ChartInputField::TimeZone},
        {"15/03/2484", "9.30", "-13.00H", "13.45N", "100.30E", ChartInputField::TimeZone},
        {"15/03/2484", "9.30", "E", "13.45N", "100.30E", ChartInputField::TimeZone},
        {"15/03/2484", "9.30", "105.00E", "13.45n", "100.30E", ChartInputField::Latitude},
        {"15/03/2484", "9.30", "105.00E", "91.00N", "100.30E", ChartInputField::Latitude},
        {"15/03/2484", "9.30", "105.00E", "13.75N", "100.30E", ChartInputField::Latitude},
        {"15/03/2484", "9.30", "105.00E", "13.45N", "181.00E", ChartInputField::Longitude},
        {"15/03/2484", "9.30", "105.00E", "13.45N", "", ChartInputField::Longitude},
    };
    for (const Case& c : cases) {
        TChartInput in = Bangkok(c.date, c.time);
        in.TimeZone = c.zone;
        in.Latitude = c.lat;
        in.Longitude = c.lon;
        const auto check = CheckInputTexts(in);
        ASSERT_FALSE(check.ok()) << c.date << "|" << c.time << "|" << c.zone << "|" << c.lat << "|" << c.lon;
        EXPECT_EQ(check.fault().field, c.field)
            << c.date << "|" << c.time << "|" << c.zone << "|" << c.lat << "|" << c.lon;
        EXPECT_FALSE(check.fault().message.empty());
    }
}

TEST(ChartInput, ReadsNumbersStrictly)
{
    EXPECT_EQ(ReadReal(" 13.45 "), 13.45);
    EXPECT_EQ(ReadReal("+1"), 1.0);
    EXPECT_FALSE(ReadReal("13.45N").has_value());
    EXPECT_FALSE(ReadReal("").has_value());
    EXPECT_FALSE(ReadReal("nan").has_value());
    EXPECT_EQ(ReadInt(" 9"), 9);
    EXPECT_FALSE(ReadInt("9a").has_value());
    EXPECT_FALSE(ReadInt("99999999999").has_value());
}

} // namespace
} // namespace nemra
