// atlas search and zone on the command line, run as the program itself so that it finds the
// atlas as an installed or built program does.
#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

namespace nemra::cli {
namespace {

using namespace testkit;

TEST(AtlasCommands, SearchAndZonesOfKnownPlaces)
{
    // GeoNames: Bangkok 13.754 N 100.501 E, 13°45' N 100°30' E.
    const CommandRun search = RunProgram({"atlas", "search", "bangkok", "--limit", "1"});
    ASSERT_EQ(search.status, 0) << search.err;
    EXPECT_EQ(search.lines(), (std::vector<std::string>{"name\tthai\tcountry\tlatitude\tlongitude\tzone",
                                                        "Bangkok\tกรุงเทพ\tTH\t13.45N\t100.30E\tAsia/Bangkok"}));

    // The zones in force by the IANA database: British Summer Time in July 2024, Eastern
    // Daylight Time in July 1960, Central European Summer Time in July 1980, Bangkok's +7
    // without summer time, and Bangkok Mean Time (+6:42:04) before 1920.
    const struct {
        std::string place, date, time;
        std::vector<std::string> zone; // zone text, IANA name, summer time, abbreviation
    } cases[] = {
        {"London", "1/7/2567", "12.00", {"1.00H", "Europe/London", "yes", "BST"}},
        {"New York City, US", "1/7/2503", "12.00", {"-4.00H", "America/New_York", "yes", "EDT"}},
        {"Paris, France", "15/7/2523", "12.00", {"2.00H", "Europe/Paris", "yes", "CEST"}},
        {"13.75,100.5", "1/1/2568", "9.30", {"7.00H", "Asia/Bangkok", "no", "+07"}},
        {"กรุงเทพ", "1/1/2460", "9.30", {"100.31E", "Asia/Bangkok", "no", "BMT"}},
    };
    for (const auto& c : cases) {
        const CommandRun r = RunProgram({"zone", "--place", c.place, "--date", c.date, "--time", c.time});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto lines = r.lines();
        ASSERT_EQ(lines.size(), 6u) << r.out;
        const std::vector<std::string> got = {lines[1], lines[2], lines[3], lines[4]};
        EXPECT_EQ(got, (std::vector<std::string>{"zone\t" + c.zone[0], "iana\t" + c.zone[1], "summer\t" + c.zone[2],
                                                 "abbreviation\t" + c.zone[3]}))
            << c.place;
    }
}

TEST(AtlasCommands, BadArgumentsAndTimesTheClocksSkipAreRefused)
{
    const Refusal cases[] = {
        // London's clocks went from 1:00 to 2:00 on 30 March 2025 and back on 26 October.
        {{"zone", "--place", "London", "--date", "30/3/2568", "--time", "1.30"}, "the clocks skip '1.30'"},
        {{"zone", "--place", "London", "--date", "26/10/2568", "--time", "1.30"}, "'1.30' comes twice"},
        {{"zone", "--place", "Nowhere Town", "--date", "1/1/2568", "--time", "1.30"}, "--place: no place"},
        {{"zone", "--place", "Paris, Atlantis", "--date", "1/1/2568", "--time", "1.30"}, "--place: no country"},
        {{"zone", "--place", "95,10", "--date", "1/1/2568", "--time", "1.30"}, "--place: a latitude within 90"},
        {{"zone", "--place", "London", "--date", "31/2/2568", "--time", "1.30"}, "--date: expected a date"},
        {{"zone", "--place", "London", "--date", "1/2/2568", "--time", "25.30"}, "--time: expected a clock time"},
        {{"zone", "--place", "London", "--date", "1/2/2568"}, "zone needs --time"},
        {{"atlas"}, "atlas needs a command: search"},
        {{"atlas", "search", "x", "--limit", "0"}, "--limit must be a whole number from 1 to 1000"},
    };
    for (const Refusal& c : cases)
        ExpectRefused(RunProgram(c.args), c.expected);
}

} // namespace
} // namespace nemra::cli
