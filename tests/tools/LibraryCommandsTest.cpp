// charts ...: the chart library on the command line, and @ID / @NAME in the chart options.
#include "tests/support/TempFiles.h"
#include "tests/tools/CommandTestKit.h"
#include "tools/nemra-chart/ChartCommand.h"

#include "library/model/ChartStore.h"

#include <gtest/gtest.h>

namespace nemra::cli {
namespace {

using namespace testkit;
using test::ReadBytes;
using test::TempDir;

// A command of the library on the file `db`.
CommandRun Library(const std::filesystem::path& db, std::vector<std::string> args)
{
    args.insert(args.begin(), "charts");
    args.insert(args.end(), {"--db", db.string()});
    return RunArgs(args);
}

TEST(LibraryCommands, AddListShowExportImportBackupAndDelete)
{
    TempDir dir;
    const auto db = dir.path() / "charts.sqlite";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } steps[] = {
        {{"add", kNatal, "--group", "ลูกค้า", "--note", "บรรทัด\tหนึ่ง\nสอง"}, 0, "1\n"},
        {{"add", kNatal}, 2, ""},
        {{"add", kNatal, "--if-exists", "keep-both"}, 0, "2\n"},
        {{"add", kTransit}, 0, "3\n"},
        {{"list", "--group", "ลูกค้า", "--format", "text"}, 0, "1  ทดสอบ  05/12/2540  9.30  กรุงเทพฯ  [ลูกค้า]\n"},
        {{"list", "--search", "กรุง", "--format", "text"},
         0,
         "1  ทดสอบ  05/12/2540  9.30  กรุงเทพฯ  [ลูกค้า]\n2  ทดสอบ  05/12/2540  9.30  กรุงเทพฯ\n"},
        {{"list", "--search", "'; DROP TABLE charts; --"},
         0,
         "id\tname\tdate\ttime\tzone\tlatitude\tlongitude\tplace\tgroup\tnote\tcreated\tchanged\n"},
        {{"show", "ทดสอบ"}, 2, ""},
        {{"delete", "2"}, 0, ""},
        {{"delete", "2"}, 2, ""},
        {{"delete", "ทดสอบ"}, 2, ""},
    };
    for (const auto& step : steps) {
        const CommandRun r = Library(db, step.args);
        EXPECT_EQ(r.status, step.status) << step.args[0] << " " << step.args[1] << ": " << r.err;
        EXPECT_EQ(r.out, step.out) << step.args[0] << " " << step.args[1];
        EXPECT_TRUE(step.status == 0 ? r.err.empty() : IsOnePlainLine(r.err)) << r.err;
    }

    const auto shown = Library(db, {"show", "1"}).lines();
    ASSERT_EQ(shown.size(), 14u);
    // The moment, 9:30 at +7 h: 2:30 UT, JD 2450787.5 (0h UT, hand computation) + 2.5 h.
    EXPECT_EQ(shown[12], "ut\t1997-12-05T02:30:00Z");
    EXPECT_EQ(shown[13], "jd\t2450787.6041667");
    const std::vector<std::string> fields(shown.begin(), shown.begin() + 10);
    EXPECT_EQ(fields, (std::vector<std::string>{"id\t1", "name\tทดสอบ", "date\t05/12/2540", "time\t9.30", "zone\t7.00H",
                                                "latitude\t13.45N", "longitude\t100.30E", "place\tกรุงเทพฯ",
                                                "group\tลูกค้า", "note\tบรรทัด\\tหนึ่ง\\nสอง"}));
    const auto listed = Library(db, {"list"});
    ASSERT_EQ(listed.lines().size(), 3u) << listed.out;
    EXPECT_EQ(listed.lines()[1].substr(0, 9), "3\tจร\t"); // by name: จร before ทดสอบ

    // Export, import into a new library, backup: the same charts each time.
    const auto csv = dir.path() / "charts.csv";
    ASSERT_EQ(Library(db, {"export", csv.string()}).status, 0);
    EXPECT_EQ(ReadBytes(csv).substr(0, 73),
              "name,date,time,zone,latitude,longitude,place,note,group,created,changed\r\n");
    const auto copy = dir.path() / "copy.sqlite";
    const CommandRun imported = Library(copy, {"import", csv.string()});
    EXPECT_EQ(imported.out, "added\t2\nunchanged\t0\n") << imported.err;
    const auto backup = dir.path() / "backup.sqlite";
    ASSERT_EQ(Library(db, {"backup", backup.string()}).status, 0);
    EXPECT_EQ(ReadBytes(backup).substr(0, 16), std::string("SQLite format 3\0", 16));
    EXPECT_EQ(Library(backup, {"list"}).out, listed.out);
    // Only the ids differ in the imported library.
    EXPECT_EQ(Library(copy, {"list", "--format", "text"}).lines().size(), 2u);

    // An import lists the rows it refuses and stores the others.
    const auto rows = dir.write("rows.csv", "name,date,time,zone,latitude,longitude,place\n"
                                            "ก,01/01/2500,9.00,7.00H,13.45N,100.30E,x\n"
                                            "ข,32/01/2500,9.00,7.00H,13.45N,100.30E,x\n");
    const CommandRun partial = Library(db, {"import", rows.string()});
    EXPECT_EQ(partial.status, 2);
    ASSERT_EQ(partial.lines().size(), 3u) << partial.out;
    EXPECT_EQ(partial.lines()[0], "added\t1");
    EXPECT_EQ(partial.lines()[2].substr(0, 10), "refused\t3\t");
    EXPECT_TRUE(IsOnePlainLine(partial.err)) << partial.err;
}

// A stored chart casts exactly as the texts it was stored from.
TEST(LibraryCommands, AStoredChartCastsAsItsTexts)
{
    TempDir dir;
    const auto db = (dir.path() / "charts.sqlite").string();
    ASSERT_EQ(Library(db, {"add", kNatal}).out, "1\n");
    ASSERT_EQ(Library(db, {"add", kTransit}).out, "2\n");
    const std::vector<std::string> hits = {"--index-mid", "3,3,4", "--target", "2", "--kinds", "11111111"};
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> pairs = {
        {{"positions", "--natal", "@ทดสอบ", "--db", db}, {"positions", "--natal", kNatal}},
        {{"positions", "--natal", "@1", "--format", "text", "--db", db},
         {"positions", "--natal", kNatal, "--format", "text"}},
        {{"arcs", "--natal", "@1", "--transit", "@จร", "--db", db}, {"arcs", "--natal", kNatal, "--transit", kTransit}},
        {{"relocate", "--natal", "@1", "--place", "0.00H,51.30N,0.10W", "--db", db},
         {"relocate", "--natal", kNatal, "--place", "0.00H,51.30N,0.10W"}},
    };
    for (const auto& [stored, typed] : pairs) {
        const CommandRun r = RunArgs(stored);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, RunArgs(typed).out) << stored[0];
    }
    // NEMRA_CHART_DB names the library when --db does not.
    ::setenv("NEMRA_CHART_DB", db.c_str(), 1);
    EXPECT_EQ(RunArgs({"positions", "--natal", "@1"}).out, RunArgs({"positions", "--natal", kNatal}).out);
    ::unsetenv("NEMRA_CHART_DB");
}

TEST(LibraryCommands, LibraryFaultsAreOneLineWithStatusTwoAndChangeNothing)
{
    TempDir dir;
    const auto junk = dir.write("junk.sqlite", std::string(4096, 'x'));
    const auto missing = dir.path() / "missing.sqlite";
    const Refusal cases[] = {
        {{"charts", "list", "--db", junk.string()}, "junk.sqlite"},
        {{"charts", "add", kNatal, "--db", junk.string()}, "junk.sqlite"},
        {{"positions", "--natal", "@1", "--db", junk.string()}, "junk.sqlite"},
        {{"charts", "show", "1", "--db", missing.string()}, "no chart library at"},
        {{"signs", "--natal", kNatal, "--transit", "@x", "--db", missing.string()}, "no chart library at"},
        {{"charts", "export", (dir.path() / "x.csv").string(), "--db", missing.string()}, "no chart library at"},
        {{"charts", "import", (dir.path() / "none.csv").string(), "--db", (dir.path() / "new.sqlite").string()},
         "none.csv"},
        {{"charts", "add", "05/12/2540,9.30,7.00H,13.45N,100.30E", "--db", (dir.path() / "new.sqlite").string()}, ""},
        {{"charts"}, "charts needs a command: list, add, show, delete, import, export, backup"},
        {{"charts", "show"}, "charts show needs ID_OR_NAME"},
        {{"charts", "list", "--format", "csv"}, "--format must be tsv or text"},
    };
    for (const Refusal& c : cases)
        ExpectRefused(RunArgs(c.args), c.expected);
    EXPECT_EQ(ReadBytes(junk), std::string(4096, 'x'));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// Another copy of the program in the middle of a write holds the file: the command waits
// the busy time, then says so.
TEST(LibraryCommands, ALockedLibraryIsReported)
{
    TempDir dir;
    const auto db = dir.path() / "charts.sqlite";
    auto store = ChartStore::Open(db);
    ASSERT_TRUE(store);
    CommandRun during{};
    const auto imported = store->ImportCsv("name,date,time,zone,latitude,longitude,place\n"
                                           "ก,01/01/2500,9.00,7.00H,13.45N,100.30E,x\n"
                                           "ข,02/01/2500,9.00,7.00H,13.45N,100.30E,x\n",
                                           [&](int done, int) {
                                               if (done == 1)
                                                   during = Library(db, {"add", kNatal});
                                           });
    ASSERT_TRUE(imported);
    EXPECT_EQ(during.status, 2);
    EXPECT_NE(during.err.find("กำลังถูกใช้"), std::string::npos) << during.err;
    EXPECT_TRUE(IsOnePlainLine(during.err)) << during.err;
    EXPECT_EQ(Library(db, {"list", "--format", "text"}).lines().size(), 2u);
}

// The format's published sample record: Cézanne, 19.1.1839 1:00 local mean time at 5°27' E
// (+0:21:48), that is 0:38:12 UT, JD 2392758.526528.
TEST(LibraryCommands, AafImportShowAndExport)
{
    TempDir dir;
    const auto db = (dir.path() / "charts.sqlite").string();
    const auto aaf = dir.write("in.aaf", "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
                                         "#B93:2392758.526528,43n31,5e27,0e21:48,m\n#XYZ:ignored\n");
    const CommandRun imported = RunArgs({"charts", "import", aaf.string(), "--db", db});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "added\t1\nunchanged\t0\nignored chunks\t1\n");

    const CommandRun show = RunArgs({"charts", "show", "1", "--db", db});
    ASSERT_EQ(show.status, 0) << show.err;
    const auto lines = show.lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "ut\t1839-01-19T00:38:12Z");
    EXPECT_EQ(lines.back().substr(0, 17), "jd\t2392758.526527"); // to the second: ±0.0000058

    const auto out = dir.path() / "out.aaf";
    ASSERT_EQ(RunArgs({"charts", "export", out.string(), "--db", db}).status, 0);
    EXPECT_NE(ReadBytes(out).find("#B93:2392758.52652"), std::string::npos) << ReadBytes(out);
    const CommandRun again = RunArgs({"charts", "import", out.string(), "--db", db});
    EXPECT_EQ(again.out, "added\t0\nunchanged\t1\nignored chunks\t0\n") << again.err;

    const auto bad = dir.write("old.aaf", "#A93:Old,One,m,1.1.1700,12:00,Paris,F\n");
    const CommandRun refused = RunArgs({"charts", "import", bad.string(), "--db", db});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(IsOnePlainLine(refused.err)) << refused.err;
    EXPECT_NE(refused.out.find("refused\t1\t"), std::string::npos) << refused.out;
}

} // namespace
} // namespace nemra::cli
