#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include "reports/model/ReportFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace nemra::cli {
namespace {

using namespace testkit;

using HitsRun = CommandRun;

HitsRun Hits(std::vector<std::string> args)
{
    args.insert(args.begin(), "hits");
    return RunArgs(args);
}

const std::string kHeader = "การทำมุม,จุดกระทบ,สมผุส,ระยะวังกะ";

double Deviation(const std::string& line)
{
    return std::strtod(line.substr(line.rfind(',') + 1).c_str(), nullptr);
}

TEST(HitsCommand, SortedByOrbWithAllKindsAndTheFileBytes)
{
    const std::vector<std::string> args = {"--natal",  kNatal, "--transit", kTransit,   "--index-sens", "1,9,3,4,8",
                                           "--target", "2",    "--kinds",   "11111111", "--sort",       "orb",
                                           "--base",   "22.5", "--orb",     "0.30"};
    const HitsRun r = Hits(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[1], "จร,07/12/2569,9.05.07,7.00H,13.45N,100.30E");
    EXPECT_EQ(lines[2].rfind("โค้งสุริยยาตร ", 0), 0u);
    EXPECT_EQ(lines[5].rfind("อท+จท-อง จุด V1 ", 0), 0u) << lines[5];
    EXPECT_EQ(lines[6], kHeader);
    ASSERT_GT(lines.size(), 8u) << "all eight kinds at 22.5 degrees find hits";
    for (std::size_t i = 8; i < lines.size(); ++i)
        EXPECT_LE(Deviation(lines[i - 1]), Deviation(lines[i])) << lines[i];

    std::vector<std::string> cp874 = args;
    cp874.push_back("--cp874");
    EXPECT_EQ(Hits(cp874).out, SavedBytes(lines));
}

TEST(HitsCommand, DailyMeridianAndUserPointIndexes)
{
    const HitsRun mc = Hits({"--natal", kNatal, "--transit", kTransit, "--index-mc", "--target", "3"});
    ASSERT_EQ(mc.status, 0) << mc.err;
    EXPECT_EQ(Lines(mc.out)[5].rfind("เมอริเดียนประจำวัน  ", 0), 0u) << Lines(mc.out)[5];

    const HitsRun user = Hits({"--natal", kNatal, "--index-user", "จุด,ทดสอบ,3,0,0", "--target", "1", "--orb", "0.00"});
    ASSERT_EQ(user.status, 0) << user.err;
    const auto lines = Lines(user.out);
    ASSERT_EQ(lines.size(), 3u); // orb 0: no search, the header only
    EXPECT_EQ(lines[1], "จุด,ทดสอบ 00กฎ00 ทำมุมกับ  ดวงกำเนิด");
}

// The studied point written in another form than the search writes it is still not its own
// hit: a reflected midpoint ("-อท/จท" against "-(อท/จท)"), a pair given in the other order
// ("จท/อท" against "อท/จท") and A+B+C in any order. Each would stand at +0.00.
TEST(HitsCommand, TheStudiedPointIsNotItsOwnHitInAnyForm)
{
    const struct {
        const char* option;
        const char* index;
        const char* kinds;
        std::vector<std::string> self;
    } cases[] = {
        {"--index-mid", "3,3,4,r", "00010000", {"-(อท/จท)"}},
        {"--index-mid", "3,4,3", "00100000", {"อท/จท"}},
        {"--index-sens", "2,7,8,4,3", "00000100", {"จท+อง+อท", "อท+อง+จท", "อท+จท+อง"}},
    };
    for (const auto& c : cases) {
        const HitsRun r = Hits({"--natal", kNatal, c.option, c.index, "--target", "1", "--kinds", c.kinds});
        ASSERT_EQ(r.status, 0) << r.err;
        for (const std::string& line : Lines(r.out))
            for (const std::string& self : c.self)
                EXPECT_EQ(line.find("," + self + ","), std::string::npos) << c.index << ": " << line;
    }
}

TEST(HitsCommand, BadArgumentsAreRefusedWithOneLineAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--natal", kNatal, "--index-mid", "3,3"},
        {"--natal", kNatal, "--target", "1"},
        {"--natal", kNatal, "--index-mid", "3,3", "--index-mc", "--target", "1"},
        {"--natal", kNatal, "--index-mid", "3,3", "--target", "2"},
        {"--natal", kNatal, "--index-mid", "3,22", "--target", "1"},
        {"--natal", kNatal, "--transit", kTransit, "--index-mid", "5,3", "--target", "1"},
        {"--natal", kNatal, "--transit", kTransit, "--index-mid", "6,3", "--target", "3"},
        {"--natal", kNatal, "--index-sens", "1,8,1,2,3", "--target", "1"},
        {"--natal", kNatal, "--index-user", "x,12,0,0", "--target", "1"},
        {"--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--kinds", "11100002"},
        {"--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--sort", "name"},
    };
    for (const auto& args : cases) {
        const HitsRun r = Hits(args);
        EXPECT_EQ(r.status, 2) << args[args.size() - 1] << " " << r.out;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
    }
}

} // namespace
} // namespace nemra::cli
