// The formula book: every written form of a picture finds its one entry, the text form's
// blocks and their faults, and the book in the database (round trip, one transaction, the
// step from a file of the first schema).
#include "library/model/FormulaBook.h"
#include "library/model/ChartStore.h"

#include "../StoreTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sqlite3.h>

namespace nemra {
namespace {

using librarytest::Chart;
using librarytest::OpenStore;
using librarytest::TempDir;

std::string Key(const std::string& text)
{
    const BookKeyParse parsed = NormaliseBookKey(text);
    return parsed.key ? parsed.key->key : "refused: " + parsed.error;
}

// Every ordering of three or four factor codes put into a template of one picture kind;
// the permutations that keep the picture's meaning must all give the first one's key, the
// others another key. The meaning-keeping swaps are those of the picture's definition: the
// two factors of a midpoint, the added factors, the subtracted factors, the sides of "=".
TEST(FormulaBookTest, EveryPermutationOfEveryPictureFindsItsEntry)
{
    struct Kind {
        std::vector<std::string> forms; // the same picture of SU, MO, Ma (and Ju) written every way
        std::string key;
    };
    const Kind kinds[] = {
        {{"SU=MO", "MO=SU", "su = mo"}, "SU=MO"},
        {{"SU/MO=Ma", "MO/SU=Ma", "Ma=SU/MO", "Ma=MO/SU", "mo/su=ma"}, "SU/MO=Ma"},
        {{"SU/MO=Ma/Ju", "MO/SU=Ma/Ju", "SU/MO=Ju/Ma", "MO/SU=Ju/Ma", "Ma/Ju=SU/MO", "Ju/Ma=MO/SU"}, "SU/MO=Ma/Ju"},
        {{"SU+MO-Ma", "MO+SU-Ma", "SU-Ma+MO", "MO-Ma+SU"}, "SU+MO-Ma"},
        {{"SU+MO+Ma", "SU+Ma+MO", "MO+SU+Ma", "MO+Ma+SU", "Ma+SU+MO", "Ma+MO+SU"}, "SU+MO+Ma"},
        {{"SU-MO-Ma", "SU-Ma-MO"}, "SU-MO-Ma"},
        {{"SU/MO//Ma", "MO/SU//Ma", "Ma//SU/MO", "Ma//MO/SU"}, "SU/MO//Ma"},
        {{"SU H7", "su h7", "SUH07", "SU  H 7"}, "SU H7"},
    };
    for (const Kind& kind : kinds)
        for (const std::string& form : kind.forms)
            EXPECT_EQ(Key(form), kind.key) << form;
    // Different pictures of the same factors stay apart.
    EXPECT_NE(Key("SU+Ma-MO"), Key("SU+MO-Ma"));
    EXPECT_NE(Key("MO-SU-Ma"), Key("SU-MO-Ma"));
    EXPECT_NE(Key("SU/Ma//MO"), Key("SU/MO//Ma"));
    EXPECT_NE(Key("SU/Ma=MO"), Key("SU/MO=Ma"));
}

TEST(FormulaBookTest, MalformedKeysAreRefused)
{
    for (const char* text : {"", "SU", "SU/", "SU//MO", "SU/SU=MO", "XX=MO", "SU*MO", "SU+MO", "SU=MO=Ma", "SU H13",
                             "SU H0", "Ke=SU", "SU/MO/Ma=Ju"})
        EXPECT_FALSE(NormaliseBookKey(text).key) << text;
    // An unknown code is named whole, also when it is typed in Thai letters (three bytes each).
    EXPECT_EQ(Key("อท=จท"), "refused: ไม่รู้จักรหัสปัจจัย \"อท\"");
    EXPECT_EQ(Key("SU=XX"), "refused: ไม่รู้จักรหัสปัจจัย \"XX\"");
}

TEST(FormulaBookTest, TheTextFormListsBadBlocksWithTheirLines)
{
    const std::string text = "# my book\n"  // 1
                             "\n"           // 2
                             "MO/SU=Ma\n"   // 3 good
                             "first line\n" // 4
                             "second line\n"
                             "\n"
                             "SU/XX=Ma\n" // 7 bad key
                             "text\n"
                             "\n"
                             "Ve H5\n" // 10 no text
                             "\n"
                             "SU/MO=Ma\n" // 12 twice
                             "again\n"
                             "\n\n"
                             "Ju H12\r\n" // 16 good, CRLF
                             "ข้อความ\r\n";
    const BookTextPlan plan = ParseBookText(text);
    const std::vector<BookEntry> expected = {{BookKind::Pictures, "SU/MO=Ma", "first line\nsecond line"},
                                             {BookKind::Houses, "Ju H12", "ข้อความ"}};
    EXPECT_EQ(plan.entries, expected);
    std::vector<int> lines;
    for (const BookBlockFault& f : plan.faults)
        lines.push_back(f.line);
    EXPECT_EQ(lines, (std::vector<int>{7, 10, 12}));
    EXPECT_EQ(ParseBookText(BookText(plan.entries)).entries, expected);
}

TEST(FormulaBookTest, StoreRoundTripThroughTheTextForm)
{
    TempDir dir;
    ChartStore store = OpenStore(dir / "b.sqlite");
    const auto report = store.ImportBook("Ma=MO/SU\nหนึ่ง\n\nSU H1\nสอง\n  \nbad\nx\n");
    ASSERT_TRUE(report) << report.fault().reason;
    EXPECT_EQ(report->added, 2);
    ASSERT_EQ(report->faults.size(), 1u);
    EXPECT_EQ(report->faults[0].line, 7);

    const auto found = store.FindBookEntry(BookKind::Pictures, "SU/MO=Ma");
    ASSERT_TRUE(found && *found);
    EXPECT_EQ((*found)->text, "หนึ่ง");
    EXPECT_FALSE(*store.FindBookEntry(BookKind::Houses, "SU/MO=Ma"));

    ASSERT_TRUE(store.PutBookEntry({BookKind::Houses, "su h1", "ใหม่\n\n  บรรทัด  "}));
    EXPECT_EQ((*store.FindBookEntry(BookKind::Houses, "SU H1"))->text, "ใหม่\n  บรรทัด");
    EXPECT_FALSE(store.PutBookEntry({BookKind::Pictures, "SU H1", "wrong book"}));
    EXPECT_FALSE(store.PutBookEntry({BookKind::Pictures, "SU=MO", "  "}));

    ASSERT_TRUE(store.ExportBook(dir / "book.txt"));
    ChartStore other = OpenStore(dir / "c.sqlite");
    const auto again = other.ImportBookFile(dir / "book.txt");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->added, 2);
    for (const BookKind book : {BookKind::Pictures, BookKind::Houses})
        EXPECT_EQ(*other.BookEntries(book), *store.BookEntries(book));
    EXPECT_EQ(other.ImportBookFile(dir / "book.txt")->unchanged, 2);

    ASSERT_TRUE(store.DeleteBookEntry(BookKind::Pictures, "MO/SU=Ma"));
    EXPECT_TRUE(store.BookEntries(BookKind::Pictures)->empty());
    EXPECT_FALSE(store.DeleteBookEntry(BookKind::Pictures, "MO/SU=Ma"));
}

TEST(FormulaBookTest, AFileOfTheFirstSchemaGainsTheBookAndKeepsItsCharts)
{
    TempDir dir;
    const auto path = dir / "old.sqlite";
    {
        ChartStore store = OpenStore(path);
        ASSERT_TRUE(store.Add(Chart("ทดสอบ", "ลำปาง", "5/1/2484", "9.3", "", ""), IfNameExists::Ask));
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DROP TABLE book_entries; PRAGMA user_version = 1", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    ChartStore store = OpenStore(path);
    EXPECT_EQ(*store.Count(), 1);
    EXPECT_TRUE(store.PutBookEntry({BookKind::Pictures, "SU=MO", "x"}));
}

} // namespace
} // namespace nemra
