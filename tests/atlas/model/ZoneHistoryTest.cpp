// Zone history over the system's IANA data. Expected offsets are those of the tz source files
// (europe, northamerica, asia): Paris on CEST in summer 1980, New York on EDT in 1960, Bangkok
// on +07 since April 1920, on Bangkok Mean Time (6:42:04) from 1880 and on local mean time
// before; the mean time of a place is its longitude / 15 (hand computation).
#include "atlas/model/ZoneHistory.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

struct ZoneCase {
    const char* zone;
    double longitudeDeg;
    CivilTime local;
    std::int64_t offsetSeconds;
    bool summerTime;
    bool localMeanTime;
    const char* abbreviation;
    const char* zoneText;
};

TEST(ZoneHistory, OffsetSummerTimeAbbreviationAndZoneText)
{
    const ZoneCase cases[] = {
        {"Europe/Paris", 2.3488, {1980, 7, 15, 12, 0, 0}, 7200, true, false, "CEST", "2.00H"},
        {"America/New_York", -74.00597, {1960, 7, 1, 12, 0, 0}, -14400, true, false, "EDT", "-4.00H"},
        {"Asia/Bangkok", 100.50144, {1980, 7, 15, 12, 0, 0}, 25200, false, false, "+07", "7.00H"},
        // Bangkok Mean Time: 6:42:04 is 100°31'00" exactly.
        {"Asia/Bangkok", 100.50144, {1900, 1, 1, 12, 0, 0}, 24124, false, false, "BMT", "100.31E"},
        // Local mean time of the place itself: 100.50144° is 6:42:00.3, 100°30.09'.
        {"Asia/Bangkok", 100.50144, {1870, 1, 1, 12, 0, 0}, 24120, false, true, "LMT", "100.30E"},
        // Aix-en-Provence before Paris time (1891): 5.44973° is 0:21:47.9, 5°26.98'.
        {"Europe/Paris", 5.44973, {1839, 1, 19, 1, 0, 0}, 1308, false, true, "LMT", "5.27E"},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.local.year));
        const ZoneReading reading = ZoneAt(c.zone, c.longitudeDeg, c.local);
        EXPECT_EQ(reading.kind, LocalTimeKind::Unique);
        EXPECT_EQ(reading.offsetSeconds, c.offsetSeconds);
        EXPECT_EQ(reading.summerTime, c.summerTime);
        EXPECT_EQ(reading.localMeanTime, c.localMeanTime);
        EXPECT_EQ(reading.abbreviation, c.abbreviation);
        EXPECT_EQ(reading.zoneText, c.zoneText);
        EXPECT_TRUE(reading.fault.empty());
    }
}

TEST(ZoneHistory, TimesSkippedOrPassedTwiceAreReportedNotGuessed)
{
    // Europe/Paris on 28 March 2021: 2:00 CET became 3:00 CEST; on 31 October 3:00 CEST 2:00 CET.
    const ZoneReading skipped = ZoneAt("Europe/Paris", 2.35, {2021, 3, 28, 2, 30, 0});
    EXPECT_EQ(skipped.kind, LocalTimeKind::Nonexistent);
    EXPECT_EQ(skipped.offsetSeconds, 3600);
    EXPECT_EQ(skipped.laterOffsetSeconds, 7200);
    EXPECT_TRUE(skipped.zoneText.empty());
    EXPECT_NE(skipped.fault.find("ไม่มีอยู่จริง"), std::string::npos);

    const ZoneReading twice = ZoneAt("Europe/Paris", 2.35, {2021, 10, 31, 2, 30, 0});
    EXPECT_EQ(twice.kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(twice.offsetSeconds, 7200);
    EXPECT_EQ(twice.laterOffsetSeconds, 3600);
    EXPECT_TRUE(twice.zoneText.empty());
    EXPECT_NE(twice.fault.find("สองครั้ง"), std::string::npos);

    const ZoneReading unknown = ZoneAt("Mars/Olympus_Mons", 0.0, {2021, 1, 1, 0, 0, 0});
    EXPECT_EQ(unknown.kind, LocalTimeKind::UnknownZone);
    EXPECT_FALSE(unknown.fault.empty());
}

TEST(ZoneHistory, ZoneTextsOfOffsets)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {19800, "5.30H"},  // India
        {-1800, "-0.30H"}, // a half hour west keeps its sign
        {-1521, "6.20W"},  // Dublin Mean Time -0:25:21 = 6°20'15" W, to the nearest arc-minute
        {1172, "4.53E"},   // Amsterdam Time 0:19:32 = 4°53' E exactly
        {50400, "14.00H"}, // Kiribati, beyond the 180° meridian
    };
    for (const auto& [offset, text] : cases)
        EXPECT_EQ(ZoneTextOfOffset(offset), text) << offset;
    EXPECT_EQ(OffsetText(24124), "+6:42:04");
    EXPECT_EQ(OffsetText(-14400), "-4:00");
}

} // namespace
} // namespace nemra
