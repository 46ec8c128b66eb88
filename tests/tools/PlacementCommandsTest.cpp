#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include "reports/model/ReportFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace nemra::cli {
namespace {

using namespace testkit;

std::size_t CountStarting(const std::vector<std::string>& lines, const std::string& start)
{
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&start](const std::string& l) { return l.rfind(start, 0) == 0; }));
}

TEST(PlacementCommands, PrintTheLinesTheDialogsSave)
{
    const CommandRun houses =
        RunArgs({"houses", "--natal", kNatal, "--transit", kTransit, "--factor", "3", "--show", "2"});
    ASSERT_EQ(houses.status, 0) << houses.err;
    const auto lines = houses.lines();
    ASSERT_EQ(lines.size(), 1u + 12u + 41u); // less the natal Sun the houses start from
    EXPECT_EQ(lines[0], "เรือนชะตาอาทิตย์กำเนิด");
    EXPECT_EQ(CountStarting(lines, "เรือนที่ "), 12u);
    EXPECT_EQ(CountStarting(lines, "\tอาทิตย์จร - "), 1u);
    const CommandRun bytes =
        RunArgs({"houses", "--natal", kNatal, "--transit", kTransit, "--factor", "3", "--show", "2", "--cp874"});
    EXPECT_EQ(bytes.out, SavedBytes(lines));

    // Without --show the report opens as the dialog does, on the natal chart.
    const CommandRun signs = RunArgs({"signs", "--natal", kNatal, "--transit", kTransit});
    ASSERT_EQ(signs.status, 0) << signs.err;
    EXPECT_EQ(signs.lines().size(), 1u + 12u + 21u);
    EXPECT_EQ(signs.lines()[0], "ปัจจัยในราศี");
    EXPECT_EQ(CountStarting(signs.lines(), "\t"), 21u);
    EXPECT_EQ(signs.out.find("จร - "), std::string::npos);
}

TEST(PlacementCommands, BadArgumentsAreRefusedWithOneLineAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"signs"},
        {"signs", "--natal", kNatal, "--show", "1"},
        {"signs", "--natal", kNatal, "--bogus"},
        {"houses", "--natal", kNatal},
        {"houses", "--natal", kNatal, "--factor", "0"},
        {"houses", "--natal", kNatal, "--factor", "3", "--chart", "2"},
        {"houses", "--natal", kNatal, "--transit", kTransit, "--factor", "3", "--chart", "3"},
        {"houses", "--natal", kNatal, "--factor", "3", "--show", "2"},
        {"houses", "--natal", "32/01/2540,9.30,7.00H,13.45N,100.30E", "--factor", "3"},
    };
    for (const auto& args : cases) {
        const CommandRun r = RunArgs(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

} // namespace
} // namespace nemra::cli
