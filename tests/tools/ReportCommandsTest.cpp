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

TEST(ReportCommands, ArcsPrintsTheFourArcsInDegrees)
{
    const CommandRun r = RunArgs({"arcs", "--natal", kNatal, "--transit", kTransit});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    const char* names[] = {"arc\t", "halfarc\t", "doublearc\t", "dailymeridian\t"};
    double values[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        ASSERT_EQ(lines[i].rfind(names[i], 0), 0u) << lines[i];
        const std::string value = lines[i].substr(lines[i].find('\t') + 1);
        EXPECT_EQ(value.size() - value.find('.') - 1, 7u) << value;
        values[i] = std::strtod(value.c_str(), nullptr);
    }
    // 29 years of age: about 29 1/2 degrees, the Sun's motion in the 29 days after birth.
    EXPECT_NEAR(values[0], 29.5, 0.5);
    EXPECT_NEAR(values[1], values[0] / 2.0, 2e-7);
    EXPECT_NEAR(values[2], values[0] * 2.0, 2e-7);
    EXPECT_TRUE(values[3] >= 0.0 && values[3] < 360.0);
}

TEST(ReportCommands, AspectsWriteTheLinesTheDialogSaves)
{
    const CommandRun text = RunArgs({"aspects", "--natal", kNatal, "--transit", kTransit, "--mode", "5", "--base",
                                     "22.5", "--orb", "0.30", "--arc", "2"});
    ASSERT_EQ(text.status, 0) << text.err;
    const auto lines = Lines(text.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "จร,07/12/2569,9.05.07,7.00H,13.45N,100.30E");
    EXPECT_EQ(lines[1], "ปัจจัยเดี่ยวดวงจรทำมุมถึงปัจจัยบวกโค้ง");
    EXPECT_EQ(lines[2], "ดวงจร,การทำมุม,ปัจจัยบวกโค้ง,ระยะวังกะ");
    for (std::size_t i = 3; i < lines.size(); ++i) {
        const std::string deviation = lines[i].substr(lines[i].rfind(',') + 1);
        EXPECT_LE(std::abs(std::strtod(deviation.c_str(), nullptr)), 0.30) << lines[i];
    }
    const CommandRun bytes = RunArgs({"aspects", "--natal", kNatal, "--transit", kTransit, "--mode", "5", "--base",
                                      "22.5", "--orb", "0.30", "--arc", "2", "--cp874"});
    ASSERT_EQ(bytes.status, 0);
    EXPECT_EQ(bytes.out, SavedBytes(lines));
}

TEST(ReportCommands, SolarArcWritesIdentityHeaderAndOneHundredRows)
{
    const CommandRun r = RunArgs({"solar-arc", "--natal", "15/02/2462,9.30,7.00H,13.45N,100.30E,ทดสอบ"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[21].substr(0, 21), " 20,15/02/2482(1940),");
    const CommandRun bytes = RunArgs({"solar-arc", "--natal", "15/02/2462,9.30,7.00H,13.45N,100.30E,ทดสอบ", "--cp874"});
    EXPECT_EQ(bytes.out, SavedBytes(lines));
}

TEST(ReportCommands, BadArgumentsAreRefusedWithOneLineAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"aspects", "--natal", kNatal},
        {"aspects", "--natal", kNatal, "--mode", "6"},
        {"aspects", "--natal", kNatal, "--mode", "x"},
        {"aspects", "--natal", kNatal, "--mode", "2"},
        {"aspects", "--natal", kNatal, "--transit", kTransit, "--mode", "3", "--arc", "4"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--base", "0"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--orb", "1.60"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--orb", "2.00"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--orb", "1e300"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--orb", "-1e300"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--orb", "-0.10"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--orb", "0.305"}, // not whole minutes
        {"aspects", "--natal", kNatal, "--mode", "1", "--orb", "x"},
        {"aspects", "--natal", kNatal, "--transit", "32/01/2569,9.00,7.00H,13.45N,100.30E", "--mode", "4"},
        {"solar-arc"},
        {"solar-arc", "--natal", "15/02/2462,9.30,7.00H,13.45N"},
        {"arcs", "--natal", kNatal},
        {"arcs", "--natal", kNatal, "--transit", kTransit, "--axis", "90"},
    };
    for (const auto& args : cases) {
        const CommandRun r = RunArgs(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
    }
}

} // namespace
} // namespace nemra::cli
