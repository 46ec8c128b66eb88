#include "mainwin/model/Settings.h"

#include "core/ThaiText.h"
#include "mainwin/model/Session.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

TEST(Settings, MissingFileAndKeysGiveDefaults)
{
    const StartSettings d = ReadSettingsFile("/nonexistent/Nemra06.INI");
    EXPECT_EQ(d.dialType, 360);
    EXPECT_EQ(d.axis, 360);
    EXPECT_TRUE(d.trueNode);
    EXPECT_EQ(d.cityName, "กรุงเทพฯ");
    EXPECT_EQ(d.timeZone, "105.00E");
    EXPECT_EQ(d.latitude, "13.45N");
    EXPECT_EQ(d.longitude, "100.30E");
    EXPECT_EQ(d.maxContracia, 0);
    EXPECT_EQ(ParseSettings("").dialType, 360);
    EXPECT_EQ(ParseSettings("\x01\x02garbage[[[=\n=\n[Dial\nDialType").dialType, 360);
}

TEST(Settings, ReadsEachKeyWithItsRule)
{
    const std::string text = "[Dial]\r\nDialType=45\r\nMaxContracia=7\r\n[Calculations]\r\nAxis=0\r\nNode=0\r\n"
                             "[Place]\r\nCityName="
                             + ToCp874("ภูเก็ต")
                             + "\r\nTimezone=7.00H\r\nLatitude=7.53N\r\n"
                               "Longitude=98.24E\r\n";
    const StartSettings s = ParseSettings(text);
    EXPECT_EQ(s.dialType, 90);
    EXPECT_EQ(s.axis, 180);
    EXPECT_FALSE(s.trueNode);
    EXPECT_EQ(s.maxContracia, 0);
    EXPECT_EQ(s.cityName, "ภูเก็ต");
    EXPECT_EQ(s.timeZone, "7.00H");
    EXPECT_EQ(ParseSettings("[dial]\ndialtype = 90\nMaxContracia=5\n").dialType, 90);
    EXPECT_EQ(ParseSettings("[Dial]\nMaxContracia=21\n").maxContracia, 21);
    EXPECT_EQ(ParseSettings("[Dial]\nDialType=abc\n").dialType, 360); // not a number: the default
    EXPECT_EQ(ParseSettings("[Calculations]\nNode=x\n").trueNode, true);
    EXPECT_EQ(ParseSettings("DialType=90\n").dialType, 360); // outside any section
}

// Place texts are checked as a chart's input: one that no chart could be cast from is
// ignored like a missing key, and named in the one start-up message.
TEST(Settings, RefusedPlaceTextsTakeTheirDefaultsAndAreNamed)
{
    struct Case {
        std::string file;
        std::string zone, latitude, longitude; // as read
        std::vector<std::string> ignored;
    };
    const Case cases[] = {
        {"[Place]\nTimezone=7.00h\n", "105.00E", "13.45N", "100.30E", {"Timezone=7.00h"}}, // lower-case h
        {"[Place]\nTimezone=7.00H\nLatitude=8.04S\nLongitude=74.00W\n", "7.00H", "8.04S", "74.00W", {}},
        {"[Place]\nTimezone=105.00E-long\n", "105.00E-long", "13.45N", "100.30E", {}}, // cut to 105.00E
        {"[place]\nlatitude=95.00N\nLONGITUDE=100.30\nTimezone=\n",
         "105.00E",
         "13.45N",
         "100.30E",
         {"Timezone=", "Latitude=95.00N", "Longitude=100.30"}},
        {"[Place]\nLatitude=13.75N\nLongitude=1e99E\n",
         "105.00E",
         "13.45N",
         "100.30E",
         {"Latitude=13.75N", "Longitude=1e99E"}}, // 75 minutes; not degrees.minutes
        // The file saved as UTF-8 with a byte-order mark keeps its first section.
        {"\xEF\xBB\xBF[Place]\r\nTimezone=7.00x\r\n", "105.00E", "13.45N", "100.30E", {"Timezone=7.00x"}},
    };
    for (const Case& c : cases) {
        const StartSettings s = ParseSettings(c.file);
        EXPECT_EQ(s.timeZone, c.zone) << c.file;
        EXPECT_EQ(s.latitude, c.latitude) << c.file;
        EXPECT_EQ(s.longitude, c.longitude) << c.file;
        EXPECT_EQ(s.ignoredPlaceKeys, c.ignored) << c.file;
        const std::string notice = SettingsNotice(s);
        EXPECT_EQ(notice.empty(), c.ignored.empty()) << c.file;
        for (const auto& key : c.ignored)
            EXPECT_NE(notice.find(key), std::string::npos) << notice;
    }
    const StartSettings bom = ParseSettings("\xEF\xBB\xBF[Dial]\r\nDialType=90\r\nMaxContracia=21\r\n");
    EXPECT_EQ(bom.dialType, 90);
    EXPECT_EQ(bom.maxContracia, 21);
}

TEST(Settings, ApplyCutsPlaceTextsToTheirFields)
{
    StartSettings settings = ParseSettings("[Place]\nTimezone=105.00E-long\nCityName=" + std::string(40, 'x') + "\n");
    MainSession s;
    ApplySettings(s, settings);
    EXPECT_EQ(s.GChartInput.TimeZone.str(), "105.00E");
    EXPECT_EQ(s.GChartInput.Place.str().size(), 30u);
    EXPECT_EQ(s.GChartInput.Name.str(), "ดวงจรขณะนี้");
}

} // namespace
} // namespace nemra
