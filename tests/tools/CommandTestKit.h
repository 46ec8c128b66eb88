// What the nemra-chart tests share: running a command in-process or the program itself,
// splitting its output into lines, the bytes the report writer puts into a new file, the
// test of a one-line message and of a refused command.
#pragma once

#include "core/ThaiText.h"
#include "reports/model/ReportFile.h"
#include "tests/support/TempFiles.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace nemra::cli::testkit {

inline const std::string kNatal = "05/12/2540,9.30,7.00H,13.45N,100.30E,ทดสอบ,กรุงเทพฯ";
inline const std::string kTransit = "07/12/2569,9.05.07,7.00H,13.45N,100.30E,จร";

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct CommandRun {
    int status;
    std::string out;
    std::string err;
    std::vector<std::string> lines() const { return Lines(out); }
};

inline CommandRun RunArgs(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunChartCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// A text as one word of the shell.
inline std::string ShellWord(const std::string& text)
{
    std::string word = "'";
    for (const char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// Runs the program itself, as a script would, with its output and error streams caught.
inline CommandRun RunProgram(const std::vector<std::string>& args)
{
    const test::TempDir dir;
    std::string line = ShellWord(NEMRA_CHART_PROGRAM);
    for (const std::string& arg : args)
        line.append(" ").append(ShellWord(arg));
    line.append(" >").append(ShellWord((dir / "out").string())).append(" 2>").append(ShellWord((dir / "err").string()));
    const int status = std::system(line.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(dir / "out"), test::ReadBytes(dir / "err")};
}

// The bytes the report-file writer puts into a new file for these lines.
inline std::string SavedBytes(const std::vector<std::string>& lines)
{
    const test::TempDir dir;
    const auto file = dir / "report.txt";
    EXPECT_TRUE(SaveReportLines(file.string(), lines).ok());
    return test::ReadBytes(file);
}

// One line of plain text: valid UTF-8, no control character but its final line feed.
inline bool IsOnePlainLine(const std::string& text)
{
    if (text.empty() || text.back() != '\n' || !IsValidUtf8(text))
        return false;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F || (byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0))
            return false;
    }
    return true;
}

// A command line the program refuses, and a piece of the message it must give.
struct Refusal {
    std::vector<std::string> args;
    std::string expected;
};

// A refused command: status 2, nothing on the output, and the message on one plain line.
inline void ExpectRefused(const CommandRun& r, const std::string& expected)
{
    EXPECT_EQ(r.status, 2) << expected;
    EXPECT_TRUE(r.out.empty()) << expected;
    EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
    EXPECT_TRUE(IsOnePlainLine(r.err)) << r.err;
}

} // namespace nemra::cli::testkit
