// astro, timeline and graph: the astronomical data, the timing list and the graphic ephemeris
// of a natal chart on the command line.
#include "tests/support/TempFiles.h"
#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

namespace nemra::cli {
namespace {

using namespace testkit;
using test::ReadBytes;
using test::TempDir;

// 5 December 1997 9:30 at +7 h: 2:30 UT.
const std::string kChart = "05/12/2540,9.30,7.00H,13.45N,100.30E";

std::string Figure(const CommandRun& run, const std::string& item, const std::string& quantity)
{
    for (const std::string& line : run.lines())
        if (line.rfind("natal\t" + item + "\t" + quantity + "\t", 0) == 0)
            return line.substr(line.rfind('\t') + 1);
    return {};
}

TEST(AstroCommand, FiguresAgreeWithSwetest)
{
    const CommandRun r = RunArgs({"astro", "--natal", kChart});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines()[0], "chart\titem\tquantity\tvalue");
    // JD 2450787.5 is 0h UT of 5 December 1997 (hand computation), plus 2.5 h.
    EXPECT_EQ(Figure(r, "moment", "jd_ut"), "2450787.604166667");
    // swetest -b5.12.1997 -ut2:30 -p01 -fPls
    EXPECT_EQ(Figure(r, "SU", "lon"), "252.9873226");
    EXPECT_EQ(Figure(r, "SU", "speed"), "1.0150028");
    EXPECT_EQ(Figure(r, "MO", "lon"), "315.1955383");

    const CommandRun text = RunArgs({"astro", "--natal", kChart, "--format", "text"});
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.lines()[0].rfind("ดวงกำเนิด", 0), 0u);
}

// Each hit's moment, read back with swetest, puts the mover at the aspect to the natal point
// (natal from swetest -b5.12.1997 -ut2:30): Mercury 260.8339637 at 17:51:14 UT is 45° before
// natal Uranus 305.8339683; Venus 328.6510134 at 21:01:51 UT is 45° behind natal Saturn
// 13.6510156 (swetest -b1.1.2025 -ut17:51:14 -p2, -ut21:01:51 -p3).
TEST(TimelineCommand, ListsTheMomentsSwetestConfirms)
{
    const std::vector<std::string> period = {"timeline", "--natal", kChart, "--from", "1/1/2568", "--to", "2/1/2568"};
    auto args = period;
    args.insert(args.end(), {"--format", "csv"});
    const CommandRun csv = RunArgs(args);
    ASSERT_EQ(csv.status, 0) << csv.err;
    const auto lines = csv.lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "02/01/2568,00.51,2025-01-01T17:51:14Z,พธ จร = มฤ,45.0,,01/01/2568,02/01/2568\r");
    EXPECT_EQ(lines[2].substr(0, 44), "02/01/2568,04.02,2025-01-01T21:01:51Z,ศก");

    const CommandRun text = RunArgs(period);
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.lines()[0], "," + kChart); // no name
    // The heading names the first and the last day asked for, both included.
    EXPECT_EQ(text.lines()[1], "ตารางวันเวลาจุดกระทบ,01/01/2568,02/01/2568,ขนาดของมุม 45.00,ระยะวังกะ 1.00");
    EXPECT_NE(text.out.find("02/01/2568,00.51,พธ จร = มฤ, 45.0"), std::string::npos);

    args = period;
    args.insert(args.end(), {"--format", "ics"});
    const CommandRun ics = RunArgs(args);
    ASSERT_EQ(ics.status, 0);
    EXPECT_EQ(ics.out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_NE(ics.out.find("DTSTART:20250101T175114Z\r\n"), std::string::npos);

    args = period;
    args.insert(args.end(), {"--movers", "directed", "--targets", "midpoints"});
    const CommandRun directed = RunArgs(args);
    ASSERT_EQ(directed.status, 0);
    EXPECT_EQ(directed.out.find(" จร ="), std::string::npos); // no transit mover
}

TEST(GraphCommand, WritesThePictureOrFailsWithoutAFile)
{
    TempDir dir;
    const std::vector<std::string> graph = {"graph", "--natal", kChart, "--from", "1/1/2568", "--to", "31/12/2568"};
    const struct {
        const char* option;
        const char* file;
        std::string start; // the format's signature
    } cases[] = {{"--png", "g.png", "\x89PNG"}, {"--svg", "g.svg", "<?xml"}, {"--pdf", "g.pdf", "%PDF"}};
    for (const auto& c : cases) {
        auto args = graph;
        args.insert(args.end(), {c.option, (dir.path() / c.file).string()});
        const CommandRun r = RunProgram(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(ReadBytes(dir.path() / c.file).substr(0, c.start.size()), c.start) << c.file;
    }
    auto args = graph;
    const auto missing = dir.path() / "no-folder" / "g.svg";
    args.insert(args.end(), {"--svg", missing.string()});
    const CommandRun r = RunProgram(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(IsOnePlainLine(r.err)) << r.err;
    EXPECT_NE(r.err.find("No such file or directory"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(AstroTimelineGraph, BadArgumentsAreRefusedWithOneLineAndStatusTwo)
{
    const std::vector<std::string> period = {"--natal", kChart, "--from", "1/1/2568", "--to", "31/1/2568"};
    const auto with = [&period](const std::string& command, std::vector<std::string> more) {
        more.insert(more.begin(), period.begin(), period.end());
        more.insert(more.begin(), command);
        return more;
    };
    const Refusal cases[] = {
        {{"astro"}, "astro needs --natal"},
        {{"astro", "--natal", kChart, "--format", "csv"}, "--format must be tsv or text"},
        {{"timeline", "--natal", kChart, "--from", "1/1/2568"}, "timeline needs --to"},
        {with("timeline", {"--to", "31/12/2567"}), "--to: "},
        {with("timeline", {"--to", "1/1/2579"}), "--to: "},
        {with("timeline", {"--from", "32/1/2568"}), "--from: expected a date d/m/yyyy"},
        {with("timeline", {"--base", "7"}), "--base: "},
        {with("timeline", {"--orb", "2.00"}), "--orb must be degrees.minutes"},
        {with("timeline", {"--movers", "moon"}), "--movers must be transit, directed or both"},
        {with("timeline", {"--format", "pdf"}), "--format must be text, csv or ics"},
        {with("graph", {}), "graph needs one of --svg, --png or --pdf FILE"},
        {with("graph", {"--png", "a.png", "--svg", "a.svg"}), "graph needs one of"},
        {with("graph", {"--modulus", "50", "--png", "a.png"}), "--modulus must be 360, 90, 45, 30 or 22.5"},
    };
    for (const Refusal& c : cases)
        ExpectRefused(RunArgs(c.args), c.expected);
}

} // namespace
} // namespace nemra::cli
