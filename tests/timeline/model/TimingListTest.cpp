#include "timeline/model/MoverTrack.h"
#include "timeline/model/TimingListFiles.h"

#include "charts/model/ChartMoment.h"
#include "core/AngleMath.h"
#include "tests/timeline/TimelineTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace nemra {
namespace {

using test::SettingsFrom;

std::vector<TimingHit> Hits(const TimelineSettings& s)
{
    const TChartRecord natal = test::TimelineNatal();
    const PeriodOutcome period = PeriodOf(s, ZoneSeconds(natal.Input.TimeZone));
    EXPECT_TRUE(period.ok()) << test::ReasonOf(period);
    return FindTimingHits(natal, s, *period);
}

// Saturn's passes over natal Neptune + 45° (303.1826464 + 45, swetest -b1.1.2000 -ut5:00 -p8
// -eswe) around its 2024 station, found by bisection on `swetest -bjJD -ut -p6 -fls -eswe`
// alone: the moment (Julian day, UT) and Saturn's speed there (degrees a day), which bounds how
// far the found moment may lie from it while Saturn stays within 1" of the aspect.
struct PinnedPass {
    double jdUT;
    double speed;
    bool retrograde;
};
constexpr std::array<PinnedPass, 3> kSaturnPasses = {{
    {2460452.094827, 0.0616402, false}, // 21 May 2024
    {2460531.137923, -0.0588521, true}, // 8 August 2024
    {2460714.342834, 0.1132852, false}, // 7 February 2025
}};

TEST(TimingList, ARetrogradeStationGivesAllThreePassesAtTheirMoments)
{
    const auto hits = Hits(test::SaturnStation());
    ASSERT_EQ(hits.size(), kSaturnPasses.size());
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const PinnedPass& pass = kSaturnPasses[i];
        const double arcSeconds = std::fabs(hits[i].jdUT - pass.jdUT) * std::fabs(pass.speed) * 3600.0;
        EXPECT_LT(arcSeconds, 1.0) << i;
        EXPECT_EQ(hits[i].retrograde, pass.retrograde) << i;
        EXPECT_EQ(hits[i].picture, "สร จร = นป");
        EXPECT_DOUBLE_EQ(hits[i].aspectDeg, 45.0);
        // At the dates the orb is entered and left, Saturn stands one orb off the aspect.
        ASSERT_TRUE(hits[i].orbEnterJdUT && hits[i].orbLeaveJdUT) << i;
        EXPECT_LT(*hits[i].orbEnterJdUT, hits[i].jdUT);
        EXPECT_GT(*hits[i].orbLeaveJdUT, hits[i].jdUT);
        for (double edge : {*hits[i].orbEnterJdUT, *hits[i].orbLeaveJdUT}) {
            const double lon = MoverLongitude(test::TimelineNatal(), hits[i].mover, true, edge);
            EXPECT_NEAR(std::fabs(ShortestArc(348.1826464, lon)), 1.0, 0.01) << i;
        }
    }
}

// The solar-arc directed Sun reaches natal Sun + 45° when the Sun, a day after birth for each
// tropical year (365.2422 days), has moved 45°: found by bisection on swetest's Sun
// (`swetest -bjJD -ut -p0 -fl -eswe`) at 2451588.97372746, which puts the hit at this moment.
constexpr double kDirectedSunHitJd = 2467712.298270;
constexpr double kDirectedSpeed = 0.9856 / 365.2422; // degrees a day

TEST(TimingList, ADirectedFactorHitsWhenTheSolarArcReachesTheAspect)
{
    const auto hits =
        Hits(SettingsFrom("01/01/2587", 12, {{MoverLayer::Directed, kSun}}, {{FixedKind::Factor, kSun, kSun}}));
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_LT(std::fabs(hits[0].jdUT - kDirectedSunHitJd) * kDirectedSpeed * 3600.0, 1.0);
    EXPECT_EQ(hits[0].picture, "อท V1 = อท");
    EXPECT_FALSE(hits[0].retrograde);
}

// Periods and the settings refused, at Bangkok's zone (+7 h).
TEST(TimelinePeriod, RunsFromLocalMidnightAndRefusesWhatCannotBeDrawn)
{
    constexpr std::int64_t kZone = 7 * 3600;
    const auto period = [&](TimelineSettings s) { return PeriodOf(s, kZone); };
    // 31 January 2567 BE (2024) for one month ends on 29 February: 0h local is 17h UT before.
    const PeriodOutcome leap = period(SettingsFrom("31/01/2567", 1, DefaultMovers(), DefaultFixedPoints()));
    ASSERT_TRUE(leap.ok());
    EXPECT_EQ(IsoUtText(MomentOfJulianDay(leap->fromJdUT)), "2024-01-30T17:00:00Z");
    EXPECT_EQ(IsoUtText(MomentOfJulianDay(leap->toJdUT)), "2024-02-28T17:00:00Z");

    TimelineSettings moon = SettingsFrom("01/01/2567", 4, {{MoverLayer::Transit, kMoon}}, DefaultFixedPoints());
    TimelineSettings base50 = SettingsFrom("01/01/2567", 4, DefaultMovers(), DefaultFixedPoints());
    base50.base = 50.0;
    TimelineSettings wideOrb = base50;
    wideOrb.base = 7.5;
    wideOrb.orb = 3.75;
    TimelineSettings modulus = base50;
    modulus.base = 45.0;
    modulus.modulus = 60.0;
    // Each refusal names the setting it is about, so the dialog and the tool point at the right one.
    struct Refused {
        TimelineSettings settings;
        const char* reason;
        TimelineSetting setting;
    };
    const Refused refused[] = {
        {SettingsFrom("30/02/2567", 1, {}, {}), "ไม่มีวันที่นี้ในเดือนที่ระบุ", TimelineSetting::Start},
        {SettingsFrom("01/01/2567", 121, {}, {}), "ช่วงเวลาต้องอยู่ระหว่าง 1 เดือน ถึง 10 ปี", TimelineSetting::Length},
        {SettingsFrom("01/06/3542", 12, {}, {}), "ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542", TimelineSetting::Length},
        {moon, "จันทร์จรแสดงได้เมื่อช่วงเวลาไม่เกิน 3 เดือน", TimelineSetting::Movers},
        {base50, "ขนาดของมุมต้องหาร 360 องศาลงตัว", TimelineSetting::Base},
        {wideOrb, "ระยะวังกะต้องไม่ติดลบและน้อยกว่าครึ่งหนึ่งของขนาดของมุม", TimelineSetting::Orb},
        {modulus, "มาตราองศาต้องเป็น 360, 90, 45, 30 หรือ 22.30 องศา", TimelineSetting::Modulus},
    };
    for (const Refused& r : refused) {
        const PeriodOutcome outcome = period(r.settings);
        ASSERT_FALSE(outcome.ok()) << r.reason;
        EXPECT_EQ(outcome.fault().reason.substr(0, std::string(r.reason).size()), r.reason);
        EXPECT_EQ(outcome.fault().setting, r.setting) << r.reason;
    }
}

// Runs swetest and returns its output lines; empty when it cannot be run.
std::vector<std::string> Swetest(const std::string& args)
{
    std::vector<std::string> lines;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("swetest " + args + " 2>/dev/null").c_str(), "r"), pclose);
    if (!pipe)
        return lines;
    char buf[512];
    while (std::fgets(buf, sizeof buf, pipe.get()))
        lines.emplace_back(buf);
    return lines;
}

// swetest's letter of each transit body.
const std::map<int, char> kSwetestBody = {
    {kSun, '0'},    {kMercury, '2'}, {kVenus, '3'},   {kMars, '4'},    {kJupiter, '5'},  {kSaturn, '6'},
    {kUranus, '7'}, {kNeptune, '8'}, {kPluto, '9'},   {kNode, 't'},    {kCupido, 'J'},   {kHades, 'K'},
    {kZeus, 'L'},   {kKronos, 'M'},  {kApollon, 'N'}, {kAdmetos, 'O'}, {kVulcanus, 'P'}, {kPoseidon, 'Q'},
};

double SwetestLongitude(int factor, double jdUT)
{
    char args[96];
    std::snprintf(args, sizeof args, "-bj%.8f -ut -p%c -fl -head -eswe", jdUT, kSwetestBody.at(factor));
    const auto lines = Swetest(args);
    return lines.empty() ? std::nan("") : std::stod(lines.front());
}

TEST(TimingList, EveryListedMomentPutsTheMoverOnTheAspectBySwetest)
{
    if (Swetest("-h").empty())
        GTEST_SKIP() << "swetest is not installed";
    // The natal bodies by swetest itself, and from them a midpoint and a reflection point.
    std::map<int, double> natal;
    for (const auto& [factor, letter] : kSwetestBody)
        natal[factor] = SwetestLongitude(factor, 2451544.5 + 5.0 / 24.0);
    std::vector<FixedPoint> fixed;
    std::vector<double> targets;
    for (const auto& [factor, lon] : natal) {
        fixed.push_back({FixedKind::Factor, factor, factor});
        targets.push_back(lon);
    }
    fixed.push_back({FixedKind::Midpoint, kSun, kMars});
    targets.push_back(Normalize360(natal[kSun] + ShortestArc(natal[kSun], natal[kMars]) / 2.0));
    fixed.push_back({FixedKind::Reflection, kVenus, kVenus});
    targets.push_back(Normalize360(360.0 - natal[kVenus]));

    const TimelineSettings s = SettingsFrom("01/03/2567", 1, DefaultMovers(), fixed);
    const auto hits = Hits(s);
    ASSERT_GT(hits.size(), 40u);
    for (const TimingHit& hit : hits) {
        const auto at = std::find(fixed.begin(), fixed.end(), hit.point) - fixed.begin();
        const double second = MomentOfJulianDay(hit.jdUT).JulianDay(); // the found second
        const AspectResult r =
            AspectOf(targets[static_cast<std::size_t>(at)], SwetestLongitude(hit.mover.factor, second), s.base);
        EXPECT_LT(std::fabs(r.orb) * 3600.0, 1.0) << hit.picture << " " << IsoUtText(MomentOfJulianDay(second));
        EXPECT_DOUBLE_EQ(r.aspect, hit.aspectDeg) << hit.picture;
    }
    EXPECT_TRUE(std::is_sorted(hits.begin(), hits.end(),
                               [](const TimingHit& a, const TimingHit& b) { return a.jdUT < b.jdUT; }));
}

// A small reader of iCalendar text: checks the line structure while it unfolds the lines and
// returns the components' properties in order, values unescaped.
struct IcsComponent {
    std::string name;
    std::multimap<std::string, std::string> properties;
};

std::vector<IcsComponent> ParseIcs(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = text.substr(at, end - at);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        EXPECT_TRUE(IsValidUtf8(line)) << "a character split by folding";
        if (!line.empty() && line[0] == ' ')
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
        at = end + 2;
    }
    std::vector<IcsComponent> components;
    std::vector<std::string> open;
    for (const std::string& line : lines) {
        const std::size_t colon = line.find(':');
        EXPECT_NE(colon, std::string::npos) << line;
        const std::string name = line.substr(0, colon);
        std::string value;
        for (std::size_t i = colon + 1; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                ++i;
                value += line[i] == 'n' || line[i] == 'N' ? '\n' : line[i];
            } else {
                EXPECT_TRUE(line[i] != ',' && line[i] != ';') << "unescaped in " << line;
                value += line[i];
            }
        }
        if (name == "BEGIN") {
            open.push_back(value);
            components.push_back({value, {}});
        } else if (name == "END") {
            EXPECT_FALSE(open.empty());
            EXPECT_EQ(open.back(), value);
            open.pop_back();
        } else if (!components.empty()) {
            components.back().properties.emplace(name, value);
        }
    }
    EXPECT_TRUE(open.empty());
    return components;
}

TEST(TimingIcs, ParsesBackIntoOneTimedEventPerHit)
{
    auto hits = Hits(test::SaturnStation());
    ASSERT_EQ(hits.size(), 3u);
    hits[0].picture = "a,b;c\\d"; // every character a text value escapes
    const double stamp = 2460600.25;
    const auto components = ParseIcs(TimingIcs(hits, 7 * 3600, stamp));
    ASSERT_EQ(components.size(), 1 + hits.size());
    EXPECT_EQ(components[0].name, "VCALENDAR");
    EXPECT_EQ(components[0].properties.find("VERSION")->second, "2.0");
    EXPECT_EQ(components[0].properties.count("PRODID"), 1u);
    std::set<std::string> uids;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const IcsComponent& event = components[i + 1];
        EXPECT_EQ(event.name, "VEVENT");
        for (const char* once : {"UID", "DTSTAMP", "DTSTART", "SUMMARY", "DESCRIPTION"})
            EXPECT_EQ(event.properties.count(once), 1u) << once;
        uids.insert(event.properties.find("UID")->second);
        // The exact moment in UTC, as the chart moments write it, in the basic form.
        std::string iso = IsoUtText(MomentOfJulianDay(hits[i].jdUT));
        std::erase(iso, '-');
        std::erase(iso, ':');
        EXPECT_EQ(event.properties.find("DTSTART")->second, iso);
        EXPECT_EQ(event.properties.find("DTSTAMP")->second, "20241016T180000Z");
        EXPECT_EQ(event.properties.find("SUMMARY")->second, hits[i].picture + " 45.0");
        const std::string description = event.properties.find("DESCRIPTION")->second;
        EXPECT_NE(description.find("เข้าวังกะ " + TimingDateTimeText(*hits[i].orbEnterJdUT, 7 * 3600)), std::string::npos)
            << description;
        EXPECT_NE(description.find("ออกวังกะ " + TimingDateTimeText(*hits[i].orbLeaveJdUT, 7 * 3600)),
                  std::string::npos);
    }
    EXPECT_EQ(uids.size(), hits.size());
}

// A period given by its first and last day ends at the end of the last day, at the zone; the
// length rules of a period in months apply to it, each refusal naming its setting.
TEST(PeriodThrough, EndsWithTheLastDayAndKeepsTheLengthRules)
{
    const TimelineSettings s = SettingsFrom("01/01/2568", 12, DefaultMovers(), DefaultFixedPoints());
    const struct {
        CivilTime last;
        double toJdUT; // 0 when refused
        TimelineSetting setting;
    } cases[] = {
        // 1 January 2026 0h at +7 h is 31 December 2025 17:00 UT: JD 2461040.5 + 17/24 (hand).
        {{2025, 12, 31}, 2461041.2083333, TimelineSetting::None},
        {{2025, 1, 1}, 2460677.2083333, TimelineSetting::None}, // one day
        {{2024, 12, 31}, 0.0, TimelineSetting::Length},
        {{2035, 1, 1}, 0.0, TimelineSetting::Length}, // ten years and a day
    };
    for (const auto& c : cases) {
        const PeriodOutcome outcome = PeriodThrough(s, c.last, 7 * 3600);
        EXPECT_EQ(outcome.ok() ? TimelineSetting::None : outcome.fault().setting, c.setting) << c.last.year;
        if (c.toJdUT > 0.0) {
            EXPECT_NEAR(outcome->toJdUT, c.toJdUT, 1e-6) << c.last.year;
        }
    }
    TimelineSettings base = s;
    base.base = 7.0;
    EXPECT_EQ(PeriodThrough(base, {2025, 2, 1}, 0).fault().setting, TimelineSetting::Base);
}

} // namespace
} // namespace nemra
