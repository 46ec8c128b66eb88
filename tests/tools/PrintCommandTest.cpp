// print: the program itself writes each kind of page as a PDF file, read back with pdfinfo;
// a file that cannot be written is never left half-written.
#include "tests/support/TempFiles.h"
#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace nemra::cli {
namespace {

using namespace testkit;
using test::ReadBytes;
using test::TempDir;

// A field of pdfinfo's report on a file ("Pages", "Page size"); empty when it fails.
std::string PdfInfo(const std::filesystem::path& pdf, const std::string& field)
{
    const std::string command = "pdfinfo " + ShellWord(pdf.string()) + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string report;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        report.append(buffer, got);
    ::pclose(pipe);
    for (const std::string& line : Lines(report))
        if (line.rfind(field + ":", 0) == 0)
            return line.substr(line.find_first_not_of(' ', field.size() + 1));
    return {};
}

TEST(PrintCommand, WritesEveryKindOfPageAsAPdf)
{
    if (std::system("pdfinfo -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    TempDir dir;
    // The dial and the positions fit one page; the reports run over several (the solar arc
    // has 100 rows, the hit points with every kind some 200).
    const struct {
        std::vector<std::string> options;
        int pages; // 0: more than one
    } cases[] = {
        {{"--what", "chart"}, 1},
        {{"--what", "disc12"}, 1},
        {{"--what", "disc15", "--paper", "Letter"}, 1},
        {{"--what", "positions", "--tab", "1"}, 1},
        {{"--what", "solar-arc"}, 0},
        {{"--what", "hits", "--index-mid", "3,3", "--target", "2", "--kinds", "11111111"}, 0},
        {{"--what", "aspects", "--mode", "3", "--base", "22.5"}, 0},
        {{"--what", "houses", "--factor", "3", "--show", "2"}, 0},
        {{"--what", "signs", "--show", "1"}, 0},
    };
    for (const auto& c : cases) {
        const auto pdf = dir.path() / (c.options[1] + ".pdf");
        std::vector<std::string> args = {"print", "--natal", kNatal, "--transit", kTransit, "--pdf", pdf.string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CommandRun r = RunProgram(args);
        ASSERT_EQ(r.status, 0) << c.options[1] << ": " << r.err;
        EXPECT_TRUE(r.out.empty() && r.err.empty()) << r.err;
        const int pages = std::atoi(PdfInfo(pdf, "Pages").c_str());
        if (c.pages == 0)
            EXPECT_GT(pages, 1) << c.options[1];
        else
            EXPECT_EQ(pages, c.pages) << c.options[1];
        const bool letter = c.options.back() == "Letter";
        EXPECT_EQ(PdfInfo(pdf, "Page size").substr(0, 10), letter ? "612 x 792 " : "595 x 842 ") << c.options[1];
    }
}

TEST(PrintCommand, AFailedWriteLeavesNoHalfWrittenPdf)
{
    TempDir dir;
    const std::vector<std::string> print = {"print", "--natal", kNatal, "--what", "chart", "--pdf"};
    const auto run = [&print](const std::filesystem::path& pdf) {
        std::vector<std::string> args = print;
        args.push_back(pdf.string());
        return RunProgram(args);
    };
    // A missing folder: the system's reason, status 1, no file.
    const auto lost = dir.path() / "none" / "chart.pdf";
    const CommandRun missing = run(lost);
    EXPECT_EQ(missing.status, kOutputFailed);
    EXPECT_EQ(missing.err, "nemra-chart: cannot write '" + lost.string() + "': " + std::strerror(ENOENT) + "\n");
    EXPECT_FALSE(std::filesystem::exists(lost.parent_path()));

    // A disk that fills in the middle of the write: the old file stays whole, and nothing
    // else is left beside it.
    const auto old = dir.write("old.pdf", "%PDF-1.4 the old pages");
    CommandRun full{};
    {
        test::FileSizeLimit limit(4096);
        full = run(old);
    }
    EXPECT_EQ(full.status, kOutputFailed);
    EXPECT_NE(full.err.find(std::strerror(EFBIG)), std::string::npos) << full.err;
    EXPECT_TRUE(IsOnePlainLine(full.err)) << full.err;
    EXPECT_EQ(ReadBytes(old), "%PDF-1.4 the old pages");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PrintCommand, BadArgumentsAreRefusedBeforeAnythingIsWritten)
{
    const struct {
        std::vector<std::string> args;
        const char* expected;
    } cases[] = {
        {{"print", "--natal", kNatal, "--what", "chart"}, "print needs --pdf"},
        {{"print", "--natal", kNatal, "--pdf", "x.pdf"}, "print needs --what"},
        {{"print", "--natal", kNatal, "--what", "wheel", "--pdf", "x.pdf"}, "--what must be one of chart, disc12"},
        {{"print", "--natal", kNatal, "--what", "chart", "--paper", "A3", "--pdf", "x.pdf"}, "--paper must be A4"},
        {{"print", "--natal", kNatal, "--what", "chart", "--mode", "3", "--pdf", "x.pdf"},
         "--mode is not an option of --what chart"},
        {{"print", "--natal", kNatal, "--what", "aspects", "--pdf", "x.pdf"}, "print needs --mode 1..5"},
        {{"print", "--natal", kNatal, "--what", "hits", "--target", "1", "--pdf", "x.pdf"}, "print needs exactly one"},
        {{"print", "--natal", kNatal, "--what", "houses", "--pdf", "x.pdf"}, "print needs --factor 1..21"},
    };
    for (const auto& c : cases) {
        const CommandRun r = RunArgs(c.args);
        EXPECT_EQ(r.status, 2) << c.expected;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err;
        EXPECT_TRUE(IsOnePlainLine(r.err)) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists("x.pdf"));
}

} // namespace
} // namespace nemra::cli
