#include "Settings.h"

#include "Session.h"
#include "ThaiText.h"

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
