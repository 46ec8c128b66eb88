// nemra-chart book ... and hits --book: the book through the command line.
#include "tests/support/TempFiles.h"
#include "tests/tools/CommandTestKit.h"

#include "core/FactorCatalogue.h"

#include <gtest/gtest.h>

#include <fstream>

namespace nemra::cli {
namespace {

using namespace testkit;
using test::ReadBytes;
using test::TempDir;

CommandRun Book(const std::filesystem::path& db, std::vector<std::string> args)
{
    args.insert(args.begin(), "book");
    args.insert(args.end(), {"--db", db.string()});
    return RunArgs(args);
}

void Write(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

TEST(BookCommands, ImportListExportAndBadBlocks)
{
    TempDir dir;
    const auto db = dir.path() / "charts.sqlite";
    Write(dir.path() / "in.txt", "Ma=MO/SU\nline one\nline two\n\nSU H13\nno such house\n\nVe H5\nห้า\n");
    const auto imported = Book(db, {"import", (dir.path() / "in.txt").string()});
    EXPECT_EQ(imported.status, 2);
    EXPECT_EQ(imported.out, "added\t2\nreplaced\t0\nunchanged\t0\nrefused\t5\tสูตรไม่ถูกต้อง: เรือนต้องอยู่ระหว่าง 1 ถึง 12\n");
    EXPECT_EQ(Book(db, {"list"}).out, "SU/MO=Ma\tline one / line two\nVe H5\tห้า\n");
    EXPECT_EQ(Book(db, {"list", "--book", "houses"}).out, "Ve H5\tห้า\n");
    EXPECT_EQ(Book(db, {"list", "--search", "TWO"}).out, "SU/MO=Ma\tline one / line two\n");
    ASSERT_EQ(Book(db, {"export", (dir.path() / "out.txt").string()}).status, 0);
    EXPECT_EQ(ReadBytes(dir.path() / "out.txt"), "SU/MO=Ma\nline one\nline two\n\nVe H5\nห้า\n");
    EXPECT_EQ(Book(db, {"import", (dir.path() / "out.txt").string()}).out, "added\t0\nreplaced\t0\nunchanged\t2\n");
}

TEST(BookCommands, HitsTakeTheBookTextAsAFifthField)
{
    TempDir dir;
    const auto db = dir.path() / "charts.sqlite";
    // An entry for the Sun with every other factor, its text naming the factor's Thai name as
    // the hit lines write it.
    std::string book;
    for (int f = 0; f <= kPoseidon; ++f)
        if (f != kSun)
            book += "SU=" + std::string(FactorCode[static_cast<std::size_t>(f)]) + "\n"
                    + std::string(FactorNamesThai[static_cast<std::size_t>(f)]) + "\n\n";
    Write(dir.path() / "book.txt", book);
    ASSERT_EQ(Book(db, {"import", (dir.path() / "book.txt").string()}).status, 0);
    const std::vector<std::string> hits = {"hits",        "--natal", kNatal,     "--target", "1",
                                           "--index-mid", "3,3",     "--base",   "7.5",      "--orb",
                                           "1.59",        "--kinds", "11000000", "--db",     db.string()};
    const auto plain = RunArgs(hits);
    auto withBook = hits;
    withBook.push_back("--book");
    const auto run = RunArgs(withBook);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.lines();
    const auto plainLines = plain.lines();
    ASSERT_EQ(lines.size(), plainLines.size());
    int withText = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == plainLines[i])
            continue; // the lines before the hits
        ASSERT_EQ(lines[i].rfind(plainLines[i] + ",", 0), 0u) << lines[i];
        const std::string text = lines[i].substr(plainLines[i].size() + 1);
        const std::string name = plainLines[i].substr(plainLines[i].find(',') + 1);
        // A factor's hit carries its own name; a reflection ("-" first) has no picture.
        if (name.front() == '-') {
            EXPECT_EQ(text, "") << lines[i];
        } else {
            EXPECT_EQ(name.rfind(text + ",", 0), 0u) << lines[i];
            ++withText;
        }
    }
    EXPECT_GT(withText, 0);
}

} // namespace
} // namespace nemra::cli
