// nemra-chart under hostile arguments: refusals are one short line of plain text with
// status 2, and nothing reaches the output.
#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace nemra::cli {
namespace {

using namespace testkit;

// kNatal with one field replaced (0 date .. 4 longitude, 5 name, 6 place).
std::string NatalWith(std::size_t field, const std::string& text)
{
    std::vector<std::string> fields = {"05/12/2540", "9.30", "7.00H", "13.45N", "100.30E", "ทดสอบ", "กรุงเทพฯ"};
    fields[field] = text;
    std::string joined = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i)
        joined += "," + fields[i];
    return joined;
}

TEST(HostileArguments, AreRefusedWithOneShortPlainLine)
{
    const std::string huge(100000, '7');
    const std::string cut = "'" + std::string(40, '7') + "...'";
    struct Case {
        std::vector<std::string> args;
        std::string expected; // part of the message
    };
    const std::vector<Case> cases = {
        // Bases outside 0.5..180 degrees: tiny ones list nearly every candidate.
        {{"hits", "--natal", kNatal, "--index-mc", "--target", "1", "--base", "1e-300"}, "--base must be degrees"},
        {{"hits", "--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--base", "4.9e-324"}, "--base"},
        {{"hits", "--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--base", "0.49"}, "--base"},
        {{"hits", "--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--base", "180.01"}, "--base"},
        {{"hits", "--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--base", "-45"}, "--base"},
        {{"aspects", "--natal", kNatal, "--mode", "1", "--base", "0"}, "--base"},
        {{"aspects", "--natal", kNatal, "--mode", "1", "--base", "inf"}, "--base"},
        // A pole has no Ascendant.
        {{"positions", "--natal", NatalWith(3, "90.00N")}, "--natal: bad latitude '90.00N'"},
        {{"signs", "--natal", kNatal, "--transit", NatalWith(3, "90.00S")}, "--transit: bad latitude '90.00S'"},
        // Control characters, quoted escaped.
        {{"positions", "--natal", NatalWith(5, "ab\ncd"), "--format", "file", "--cp874"},
         "--natal: a control character in the name 'ab\\ncd'"},
        {{"positions", "--natal", NatalWith(6, "x\r\n"), "--format", "text"},
         "a control character in the place 'x\\r\\n'"},
        {{"positions", "--natal", NatalWith(5, "\x1b[31mred")}, "a control character in the name '\\x1B[31mred'"},
        {{"positions", "--natal", NatalWith(5, "\xc2\x9b[2J")}, "a control character in the name '\\xC2\\x9B[2J'"},
        {{"positions", "--natal", NatalWith(5, "a\tb")}, "the name 'a\\tb'"},
        {{"positions", "--natal", NatalWith(5, "a\x7f")}, "the name 'a\\x7F'"},
        {{"positions", "--natal", NatalWith(1, "9.30\n")}, "a control character in the time '9.30\\n'"},
        {{"hits", "--natal", kNatal, "--index-user", "จุด\n,3,0,0", "--target", "1"},
         "--index-user: a control character in the name 'จุด\\n'"},
        // Bytes that are no UTF-8: a stray byte, a cut Thai letter, an overlong slash.
        {{"positions", "--natal", NatalWith(5, "\xff")}, "bytes that are not UTF-8 in the name '\\xFF'"},
        {{"positions", "--natal", NatalWith(6, "\xe0\xb8")}, "the place '\\xE0\\xB8'"},
        {{"solar-arc", "--natal", NatalWith(5, "a\xc0\xaf")}, "the name 'a\\xC0\\xAF'"},
        {{"hits", "--natal", kNatal, "--index-user", "\xfe,3,0,0", "--target", "1"}, "not UTF-8 in the name '\\xFE'"},
        {{"positions", "--bogus\xff"}, "unknown option '--bogus\\xFF'"},
        {{"\x1b]0;title\x07"}, "unknown command '\\x1B]0;title\\x07'"},
        // Long texts: 40 characters quoted, then an ellipsis.
        {{"positions", "--natal", NatalWith(0, huge)}, "bad date " + cut},
        {{"positions", "--natal", NatalWith(0, "ก" + huge)}, "bad date 'ก" + std::string(39, '7') + "...'"},
        {{"hits", "--natal", kNatal, "--index-mid", huge + ",3", "--target", "1"}, "got " + cut},
        {{"positions", "--" + huge}, "unknown option '--" + std::string(38, '7') + "...'"},
        {{huge}, "unknown command " + cut},
        {{"positions", "--natal", NatalWith(5, huge + "\n")}, "a control character in the name " + cut},
    };
    for (const Case& c : cases) {
        const CommandRun r = RunArgs(c.args);
        EXPECT_EQ(r.status, 2) << c.expected;
        EXPECT_TRUE(r.out.empty()) << c.expected;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err.substr(0, 200);
        EXPECT_TRUE(IsOnePlainLine(r.err)) << r.err.substr(0, 200);
        EXPECT_LT(r.err.size(), 300u) << c.expected;
    }

    // Next to the refused values, the largest accepted ones.
    const std::vector<std::vector<std::string>> accepted = {
        {"hits", "--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--base", "0.5"},
        {"hits", "--natal", kNatal, "--index-mid", "3,3", "--target", "1", "--base", "180"},
        {"aspects", "--natal", kNatal, "--mode", "1", "--base", "7.5"},
        {"positions", "--natal", NatalWith(3, "89.59N")},
        {"positions", "--natal", NatalWith(3, "89.59S")},
        {"positions", "--natal", NatalWith(5, "ทดสอบ ชื่อ-ยาว (1)\\")},
    };
    for (const auto& args : accepted) {
        const CommandRun r = RunArgs(args);
        EXPECT_EQ(r.status, 0) << args.back() << r.err;
    }
    // A file's lines end in CR LF, with no other CR or LF in them.
    const std::string file =
        RunArgs({"positions", "--natal", kNatal, "--transit", kTransit, "--format", "file", "--cp874"}).out;
    std::size_t crlf = 0;
    for (std::size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + 2))
        ++crlf;
    EXPECT_GT(crlf, 20u);
    EXPECT_EQ(static_cast<std::size_t>(std::count(file.begin(), file.end(), '\r')), crlf);
    EXPECT_EQ(static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n')), crlf);
}

} // namespace
} // namespace nemra::cli
