// relocate, step, solar-return, ingress and lunations: each line is a CHART text and its
// moment in universal time; the CHART text casts again as the same chart.
#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace nemra::cli {
namespace {

using namespace testkit;

// Seconds between two "YYYY-MM-DDTHH:MM[:SS]Z" texts.
double SecondsBetween(const std::string& a, const std::string& b)
{
    const auto seconds = [](const std::string& text) {
        std::tm tm{};
        tm.tm_year = std::stoi(text.substr(0, 4)) - 1900;
        tm.tm_mon = std::stoi(text.substr(5, 2)) - 1;
        tm.tm_mday = std::stoi(text.substr(8, 2));
        tm.tm_hour = std::stoi(text.substr(11, 2));
        tm.tm_min = std::stoi(text.substr(14, 2));
        tm.tm_sec = text.size() > 17 ? std::stoi(text.substr(17, 2)) : 0;
        return static_cast<double>(::timegm(&tm));
    };
    return seconds(a) - seconds(b);
}

std::string ChartOf(const std::string& line)
{
    return line.substr(0, line.find('\t'));
}

std::string UtOf(const std::string& line)
{
    return line.substr(line.find('\t') + 1);
}

// Exact results, worked out by hand: kNatal is 9.30 at 7.00H on 5 December 1997 (2540 BE),
// 02:30 UT. Steps and relocations keep or move that moment by whole units; 2024 (2567 BE)
// is a leap year; before 2484 BE the year began on 1 April, so 31 March 1940 is 2482 BE and
// 31 March 1941 is 2484 BE.
TEST(ChartsFromChartsCommands, RelocateAndStepGiveTheChartAndItsMoment)
{
    const struct {
        std::vector<std::string> args;
        std::string line;
    } cases[] = {
        {{"relocate", "--natal", kNatal, "--place", "0.00H,51.30N,0.10W,London, UK"},
         "05/12/2540, 2.30.00,0.00H,51.30N,0.10W,ทดสอบ,London, UK\t1997-12-05T02:30:00Z"},
        {{"relocate", "--natal", kNatal, "--place", " -5.00H , 40.43N , 74.00W , New York"},
         "04/12/2540,21.30.00,-5.00H,40.43N,74.00W,ทดสอบ,New York\t1997-12-05T02:30:00Z"},
        {{"step", "--natal", kNatal, "--by", "+1d"},
         "06/12/2540, 9.30.00,7.00H,13.45N,100.30E,ทดสอบ,กรุงเทพฯ\t1997-12-06T02:30:00Z"},
        {{"step", "--natal", kNatal, "--by", "-3h"},
         "05/12/2540, 6.30.00,7.00H,13.45N,100.30E,ทดสอบ,กรุงเทพฯ\t1997-12-04T23:30:00Z"},
        {{"step", "--natal", "31/01/2567,12.00,7.00H,13.45N,100.30E", "--by", "+1mo"},
         "29/02/2567,12.00.00,7.00H,13.45N,100.30E,,\t2024-02-29T05:00:00Z"},
        {{"step", "--natal", "01/04/2483,12.00,7.00H,13.45N,100.30E", "--by", "-1d"},
         "31/03/2482,12.00.00,7.00H,13.45N,100.30E,,\t1940-03-31T05:00:00Z"},
        {{"step", "--natal", "01/04/2484,12.00,7.00H,13.45N,100.30E", "--by", "-1d"},
         "31/03/2484,12.00.00,7.00H,13.45N,100.30E,,\t1941-03-31T05:00:00Z"},
    };
    for (const auto& c : cases) {
        const CommandRun r = RunArgs(c.args);
        ASSERT_EQ(r.status, 0) << c.args.back() << ": " << r.err;
        EXPECT_EQ(r.out, c.line + "\n");
        // The CHART text is one every command reads, as the same moment.
        const CommandRun again = RunArgs({"step", "--natal", ChartOf(c.line), "--by", "+0s"});
        EXPECT_EQ(again.out, c.line + "\n") << again.err;
    }
    // Bangkok -> London -> Bangkok gives the texts Bangkok gives at once.
    const std::string london = ChartOf(RunArgs(cases[0].args).out);
    const std::string bangkok = "7.00H,13.45N,100.30E,กรุงเทพฯ";
    EXPECT_EQ(RunArgs({"relocate", "--natal", london, "--place", bangkok}).out,
              RunArgs({"relocate", "--natal", kNatal, "--place", bangkok}).out);
}

// Published moments: the equinoxes and solstices of 2024 and its new and full moons, from
// the US Naval Observatory's tables (Earth's Seasons; Phases of the Moon), to the minute in
// UT. The charts are cast at the start place, 105.00E (UT + 7 h).
TEST(ChartsFromChartsCommands, IngressesAndLunationsAgreeWithPublishedMoments)
{
    const struct {
        std::vector<std::string> args;
        std::string date; // local, at the chart's zone
        std::string published;
    } cases[] = {
        {{"ingress", "--year", "2567", "--sign", "1"}, "20/03/2567", "2024-03-20T03:06Z"},
        {{"ingress", "--year", "2567", "--sign", "4"}, "21/06/2567", "2024-06-20T20:51Z"},
        {{"ingress", "--year", "2567", "--sign", "7"}, "22/09/2567", "2024-09-22T12:44Z"},
        {{"ingress", "--year", "2567", "--sign", "10", "--place", "0.00H,51.30N,0.10W"},
         "21/12/2567",
         "2024-12-21T09:21Z"},
        {{"lunations", "--year", "2567", "--month", "4", "--kind", "new"}, "09/04/2567", "2024-04-08T18:21Z"},
        {{"lunations", "--year", "2567", "--month", "4", "--kind", "full", "--zone", "0.00H"},
         "23/04/2567",
         "2024-04-23T23:49Z"},
    };
    for (const auto& c : cases) {
        const CommandRun r = RunArgs(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(r.lines().size(), 1u) << r.out;
        const std::string line = r.lines()[0];
        EXPECT_LT(std::abs(SecondsBetween(UtOf(line), c.published)), 60.0) << line;
        EXPECT_EQ(line.substr(0, c.date.size()), c.date) << line;
    }
    // 2024 has 13 new moons (the last on 30 December, 31 December at 105.00E) and 12 full
    // moons.
    const std::pair<const char*, std::size_t> counts[] = {{"new", 13}, {"full", 12}, {"both", 25}};
    for (const auto& [kind, count] : counts)
        EXPECT_EQ(RunArgs({"lunations", "--year", "2567", "--kind", kind}).lines().size(), count) << kind;
}

// The Sun of the solar return stands where the natal Sun stands, within the 1 s to which
// the moment is given (the Sun moves 0.04" in a second).
TEST(ChartsFromChartsCommands, TheSolarReturnSunIsTheNatalSun)
{
    const auto sun = [](const std::string& chart) {
        const auto lines = RunArgs({"positions", "--natal", chart}).lines();
        const std::string row = lines.at(4); // 3 SU
        return std::strtod(row.substr(row.find('\t', 2) + 1).c_str(), nullptr);
    };
    for (const char* year : {"2567", "2600"}) {
        const CommandRun r = RunArgs({"solar-return", "--natal", kNatal, "--year", year});
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string chart = ChartOf(r.lines().at(0));
        EXPECT_EQ(chart.substr(6, 4), year);
        EXPECT_NEAR(sun(chart), sun(kNatal), 2e-5) << chart;
    }
}

TEST(ChartsFromChartsCommands, BadInputIsRefusedWithOneLineAndStatusTwo)
{
    const Refusal cases[] = {
        {{"relocate", "--natal", kNatal}, "relocate needs --place"},
        {{"relocate", "--natal", kNatal, "--place", "7.00H,13.45N"}, "--place: "},
        {{"relocate", "--natal", kNatal, "--place", "7.00H,95.00N,100.30E"}, "--place: "},
        {{"relocate", "--natal", kNatal, "--place", "7.00H,13.45N,100.30E,a\nb"}, "--place: a control character"},
        {{"step", "--natal", kNatal, "--by", "1 week"}, "--by: expected a signed number and a unit"},
        {{"step", "--natal", "01/01/3542,9.00,7.00H,13.45N,100.30E", "--by", "+1y"}, "--by: "},
        {{"step", "--natal", "32/01/2540,9.00,7.00H,13.45N,100.30E", "--by", "+1d"}, "--natal: bad date"},
        {{"solar-return", "--natal", kNatal, "--year", "3543"}, "--year must be a whole number from 544 to 3542"},
        {{"solar-return", "--natal", kNatal}, "solar-return needs --year 544..3542"},
        {{"ingress", "--year", "2567", "--sign", "13"}, "--sign must be a whole number from 1 to 12"},
        {{"ingress", "--year", "2567", "--sign", "0"}, "--sign"},
        {{"lunations", "--year", "2567", "--month", "13"}, "--month must be a whole number from 1 to 12"},
        {{"lunations", "--year", "2567", "--kind", "half"}, "--kind must be new, full or both"},
        {{"lunations", "--year", "2567", "--zone", "15.00H"}, "--zone: "},
        {{"lunations", "--year", "2567", "--zone", "7.00H,13.45N"}, "--zone: "},
        {{"lunations", "--year", "2483", "--month", "2"}, "--month: "},
    };
    for (const Refusal& c : cases)
        ExpectRefused(RunArgs(c.args), c.expected);
}

} // namespace
} // namespace nemra::cli
