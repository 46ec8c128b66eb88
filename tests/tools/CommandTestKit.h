// What the nemra-chart tests share: running a command in-process or the program itself,
// splitting its output into lines, the bytes the report writer puts into a new file, and the
// test of a one-line message.
#pragma once

#include "core/ThaiText.h"
#include "reports/model/ReportFile.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
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
    char pattern[] = "/tmp/nemra-run-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(pattern);
    std::string line = ShellWord(NEMRA_CHART_PROGRAM);
    for (const std::string& arg : args)
        line += " " + ShellWord(arg);
    line += " >" + ShellWord((dir / "out").string()) + " 2>" + ShellWord((dir / "err").string());
    const int status = std::system(line.c_str());
    const auto read = [&dir](const char* name) {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    };
    CommandRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read("out"), read("err")};
    std::filesystem::remove_all(dir);
    return run;
}

// The bytes the report-file writer puts into a new file for these lines.
inline std::string SavedBytes(const std::vector<std::string>& lines)
{
    char pattern[] = "/tmp/nemra-cli-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(pattern);
    const auto file = dir / "report.txt";
    EXPECT_TRUE(SaveReportLines(file.string(), lines).ok);
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::filesystem::remove_all(dir);
    return bytes.str();
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

} // namespace nemra::cli::testkit
