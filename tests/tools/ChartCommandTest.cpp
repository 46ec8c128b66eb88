#include "tools/nemra-chart/ChartCommand.h"
#include "tests/tools/CommandTestKit.h"

#include "core/ThaiText.h"
#include "mainwin/model/PositionsExport.h"
#include "mainwin/model/Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace nemra::cli {
namespace {

using namespace testkit;

TEST(NemraChart, PositionsTsvHasAHeaderAndEveryFactor)
{
    const CommandRun r = RunArgs({"positions", "--natal", "15/03/2484,9.30,105.00E,13.45N,100.30E"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "index\tcode\tlon\trefl\tretro");
    EXPECT_EQ(lines[1], "0\tAR\t0.0000000\t0.0000000\t0");
    EXPECT_EQ(lines[7].substr(0, 5), "6\tMe\t");
    EXPECT_EQ(lines[23].substr(0, 6), "22\tKe\t");
}

TEST(NemraChart, AxisAndNodeOptionsChangeTheResult)
{
    const std::string natal = "15/03/2484,9.30,105.00E,13.45N,100.30E,ทดสอบ,กรุงเทพฯ";
    const CommandRun base = RunArgs({"positions", "--natal", natal});
    const CommandRun cancer = RunArgs({"positions", "--natal", natal, "--axis", "180"});
    const CommandRun mean = RunArgs({"positions", "--natal", natal, "--mean-node"});
    ASSERT_EQ(base.status, 0);
    ASSERT_EQ(cancer.status, 0);
    ASSERT_EQ(mean.status, 0);
    EXPECT_NE(Lines(base.out)[4], Lines(cancer.out)[4]); // Sun's reflection
    EXPECT_NE(Lines(base.out)[6], Lines(mean.out)[6]);   // the node
    EXPECT_EQ(Lines(mean.out)[6].back(), '1');           // the mean node is always marked
}

TEST(NemraChart, TextFormatShowsThaiNamesAndPositions)
{
    const CommandRun r =
        RunArgs({"positions", "--natal", "15/03/2484,9.30,105.00E,13.45N,100.30E,ทดสอบ", "--format", "text"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("ทดสอบ\t15 มีนาคม 2484"), std::string::npos);
    EXPECT_NE(r.out.find("อาทิตย์\t"), std::string::npos);
    EXPECT_NE(r.out.find("โพไซดอน\t"), std::string::npos);
}

TEST(NemraChart, PositionsFileIsTheMainWindowsExport)
{
    const std::string natal = "15/03/2484,9.30,105.00E,13.45N,100.30E,ทดสอบ";
    const std::string transit = "07/12/2569,9.05.07,7.00H,13.45N,100.30E,ดวงจร";
    const CommandRun r =
        RunArgs({"positions", "--natal", natal, "--transit", transit, "--format", "file", "--tab", "1", "--cp874"});
    ASSERT_EQ(r.status, 0) << r.err;

    MainSession s;
    CastNatal(s, *ParseChartArgument(natal));
    CastTransit(s, *ParseChartArgument(transit));
    s.GridTab = 1;
    const test::TempDir folder;
    const std::string path = (folder / "positions.txt").string();
    ASSERT_TRUE(ExportPositionsText(path, s, PositionsGridOf(s)).ok());
    EXPECT_EQ(r.out, test::ReadBytes(path));
    EXPECT_EQ(r.out.substr(0, r.out.find("\r\n")), ToCp874("สมผุสปัจจัยสะท้อน"));
    EXPECT_EQ(RunArgs({"positions", "--natal", natal, "--format", "file", "--tab", "2"}).status, 2);
}

TEST(NemraChart, BadInputIsRefusedWithStatusTwoNamingTheField)
{
    struct Case {
        std::vector<std::string> args;
        const char* expected;
    };
    const Case cases[] = {
        {{"positions", "--natal", "15/13/2483,9.30,105.00E,13.45N,100.30E"}, "date"},
        {{"positions", "--natal", "15/03/2484,9.99,105.00E,13.45N,100.30E"}, "time"},
        {{"positions", "--natal", "15/03/2484,9.30,105.00X,13.45N,100.30E"}, "zone"},
        {{"positions", "--natal", "15/03/2484,9.30,105.00E,95.00N,100.30E"}, "latitude"},
        {{"positions", "--natal", "15/03/2484,9.30,105.00E,13.45N,100.30"}, "longitude"},
        {{"positions", "--natal", "15/03/2484,9.30"}, "DATE,TIME"},
        {{"positions", "--natal", "15/03/2484,9.30,105.00E,13.45N,1000.30E"}, "longitude"},
        {{"positions", "--natal"}, "needs a value"},
        {{"positions"}, "needs --natal"},
        {{"positions", "--natal", "15/03/2484,9.30,105.00E,13.45N,100.30E", "--axis", "90"}, "--axis"},
        {{"positions", "--natal", "15/03/2484,9.30,105.00E,13.45N,100.30E", "--format", "xml"}, "--format"},
        {{"positions", "--bogus"}, "unknown option"},
        {{"horoscope"}, "unknown command"},
        {{}, "usage"},
    };
    for (const Case& c : cases) {
        const CommandRun r = RunArgs(c.args);
        EXPECT_EQ(r.status, 2) << c.expected;
        EXPECT_TRUE(r.out.empty()) << c.expected;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err;
    }
}

// Every command has its help; the program has a version.
TEST(NemraChart, HelpForEachCommandAndTheVersion)
{
    const CommandRun help = RunArgs({"--help"});
    ASSERT_EQ(help.status, 0);
    const char* commands[] = {"positions", "arcs", "aspects",      "solar-arc", "signs",     "houses", "hits",
                              "relocate",  "step", "solar-return", "ingress",   "lunations", "charts", "print"};
    for (const char* command : commands) {
        EXPECT_NE(help.out.find("\n  " + std::string(command) + " "), std::string::npos) << command;
        const CommandRun own = RunArgs({command, "--help"});
        EXPECT_EQ(own.status, 0) << command;
        EXPECT_NE(own.out.find("Usage: nemra-chart " + std::string(command)), std::string::npos) << own.out;
    }
    EXPECT_NE(RunArgs({"hits", "--help"}).out.find("--index-mid SOURCE,A[,B][,r]"), std::string::npos);
    EXPECT_NE(RunArgs({"charts", "backup", "--help"}).out.find("Usage: nemra-chart charts backup"), std::string::npos);
    const CommandRun version = RunArgs({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("nemra-chart ", 0), 0u);
    EXPECT_EQ(std::count(version.out.begin(), version.out.end(), '.'), 2) << version.out; // 0.1.0
}

} // namespace
} // namespace nemra::cli
