// nemra-chart on a full output device: output that cannot be written is never a success.
#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace nemra::cli {
namespace {

using namespace testkit;

// /dev/full takes no byte: every write fails with ENOSPC, as on a full disk.
TEST(OutputFaults, AFullDeviceIsAFailureWithTheSystemsReason)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    const std::string reason = "nemra-chart: cannot write the output: " + std::string(std::strerror(ENOSPC)) + "\n";
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"positions", "--natal", kNatal},
        {"positions", "--natal", kNatal, "--format", "text"},
        {"positions", "--natal", kNatal, "--transit", kTransit, "--format", "file", "--cp874"},
        {"aspects", "--natal", kNatal, "--transit", kTransit, "--mode", "2"},
        {"solar-arc", "--natal", kNatal, "--cp874"}, // more than one 4 KiB buffer
        {"arcs", "--natal", kNatal, "--transit", kTransit},
        {"signs", "--natal", kNatal},
        {"houses", "--natal", kNatal, "--factor", "3"},
        {"hits", "--natal", kNatal, "--index-mid", "3,3", "--target", "1"},
    };
    const test::TempDir folder;
    const std::string saved = (folder / "out.txt").string();
    for (const auto& args : commands) {
        std::ostringstream err;
        EXPECT_EQ(RunChartProgram(args, ::open("/dev/full", O_WRONLY | O_CLOEXEC), err), kOutputFailed) << args[0];
        EXPECT_EQ(err.str(), reason) << args[0];

        // Where it can be written, the output is the command's, byte for byte.
        std::ostringstream none;
        ASSERT_EQ(RunChartProgram(args, ::open(saved.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600), none), 0)
            << none.str();
        EXPECT_EQ(test::ReadBytes(saved), RunArgs(args).out) << args[0];
    }
    std::ostringstream err; // a refusal writes nothing, so nothing fails to be written
    EXPECT_EQ(RunChartProgram({"positions"}, ::open("/dev/full", O_WRONLY | O_CLOEXEC), err), 2);
    EXPECT_TRUE(IsOnePlainLine(err.str())) << err.str();

    // The program itself, its standard output on the full device.
    const std::string errFile = (folder / "err.txt").string();
    for (const std::string command : {"positions", "solar-arc"}) {
        const std::string line = std::string("'") + NEMRA_CHART_PROGRAM + "' " + command + " --natal '" + kNatal
                                 + "' --cp874 > /dev/full 2> '" + errFile + "'";
        const int status = std::system(line.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << line;
        EXPECT_EQ(WEXITSTATUS(status), kOutputFailed) << line;
        EXPECT_EQ(test::ReadBytes(errFile), reason) << line;
    }
}

} // namespace
} // namespace nemra::cli
