// The chart store on a real database file: where it lives, saving, finding, editing,
// deleting, importing, exporting, backing up, and two copies of the program on one file.
#include "library/model/ChartStore.h"

#include "../StoreTestKit.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sqlite3.h>

namespace nemra {
namespace {

using librarytest::Chart;
using librarytest::OpenStore;
using librarytest::Query;
using librarytest::TempDir;

std::string Pragma(const std::filesystem::path& db, const std::string& name)
{
    sqlite3* handle = nullptr;
    sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(handle, ("PRAGMA " + name).c_str(), -1, &stmt, nullptr);
    std::string value;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    sqlite3_close(handle);
    return value;
}

std::set<std::string> Names(const ChartPage& page)
{
    std::set<std::string> names;
    for (const StoredChart& chart : page.rows)
        names.insert(chart.chart.input.Name.str());
    return names;
}

TEST(ChartDatabasePath, ExplicitPathThenVariablesThenHome)
{
    struct Case {
        std::optional<std::filesystem::path> explicitPath;
        std::map<std::string, std::string> environment;
        std::string expected;
    };
    const Case cases[] = {
        {"/x/my.sqlite", {{"NEMRA_CHART_DB", "/y/db"}, {"HOME", "/home/a"}}, "/x/my.sqlite"},
        {{}, {{"NEMRA_CHART_DB", "/y/db"}, {"XDG_DATA_HOME", "/d"}, {"HOME", "/home/a"}}, "/y/db"},
        {{}, {{"XDG_DATA_HOME", "/d"}, {"HOME", "/home/a"}}, "/d/nemra/charts.sqlite"},
        {{}, {{"XDG_DATA_HOME", "relative"}, {"HOME", "/home/a"}}, "/home/a/.local/share/nemra/charts.sqlite"},
        {{}, {{"NEMRA_CHART_DB", ""}, {"HOME", "/home/a"}}, "/home/a/.local/share/nemra/charts.sqlite"},
        {{}, {}, ""},
    };
    for (const Case& c : cases) {
        const auto lookup = [&c](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(ChartDatabasePath(c.explicitPath, lookup).string(), c.expected);
    }
}

TEST(ChartStore, ANewFileGetsItsFoldersTheSchemaAndWriteAheadLogging)
{
    TempDir dir;
    const auto path = dir / "a/b/charts.sqlite";
    {
        ChartStore store = OpenStore(path);
        EXPECT_FALSE(store.ReadOnly());
        EXPECT_EQ(*store.Count(), 0);
    }
    EXPECT_EQ(Pragma(path, "user_version"), "2");
    EXPECT_EQ(Pragma(path, "journal_mode"), "wal");
    ChartStore again = OpenStore(path); // opening a prepared file changes nothing
    EXPECT_EQ(*again.Count(), 0);
}

TEST(ChartStore, AChartComesBackExactlyAsTyped)
{
    TempDir dir;
    ChartStore store = OpenStore(dir / "c.sqlite");
    const ChartDraft chart = Chart("นายสมชาย ใจดี", "ลำปาง", "5/1/2484", "9.3", "หมอดู, \"ประจำ\"\nบรรทัดสอง", "ลูกค้า");
    const auto id = store.Add(chart, IfNameExists::Ask);
    ASSERT_TRUE(id) << id.fault().reason;
    const auto stored = store.Get(*id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->chart, chart);
    EXPECT_EQ(stored->created, "2026-12-08 14:03:22");
    EXPECT_EQ(stored->changed, "2026-12-08 14:03:22");
    EXPECT_EQ(store.Get(*id + 1).fault().kind, StoreFaultKind::NotFound);
}

TEST(ChartStore, ASecondChartOfTheSameNameAsksReplacesOrKeepsBoth)
{
    TempDir dir;
    ChartStore store = OpenStore(dir / "c.sqlite");
    const auto first = *store.Add(Chart("ก", "เดิม"), IfNameExists::Ask);
    const auto asked = store.Add(Chart("ก", "ใหม่"), IfNameExists::Ask);
    ASSERT_FALSE(asked);
    EXPECT_EQ(asked.fault().kind, StoreFaultKind::NameExists);
    EXPECT_NE(asked.fault().reason.find("\"ก\""), std::string::npos);
    EXPECT_EQ(*store.Count(), 1);

    EXPECT_EQ(*store.Add(Chart("ก", "แทน"), IfNameExists::Replace), first);
    EXPECT_EQ(store.Get(first)->chart.input.Place.str(), "แทน");
    const auto second = *store.Add(Chart("ก", "คู่"), IfNameExists::KeepBoth);
    EXPECT_NE(second, first);
    EXPECT_EQ(store.IdsNamed("ก")->size(), 2u);
}

TEST(ChartStore, UpdateKeepsTheCreationTimeAndDeleteTakesMany)
{
    TempDir dir;
    UtInstant now = librarytest::kStampMoment;
    auto opened = ChartStore::Open(dir / "c.sqlite", {2000, [&now] { return now; }});
    ASSERT_TRUE(opened);
    ChartStore& store = *opened;
    std::vector<std::int64_t> ids;
    for (const char* name : {"ก", "ข", "ค", "ง"})
        ids.push_back(*store.Add(Chart(name), IfNameExists::Ask));
    now += std::chrono::days{1};
    ASSERT_TRUE(store.Update(ids[0], Chart("ก", "ใหม่", "2/2/2502")));
    const StoredChart changed = *store.Get(ids[0]);
    EXPECT_EQ(changed.chart.input.Date.str(), "2/2/2502");
    EXPECT_EQ(changed.created, "2026-12-08 14:03:22");
    EXPECT_EQ(changed.changed, "2026-12-09 14:03:22");
    EXPECT_EQ(store.Update(999, Chart("x")).fault().kind, StoreFaultKind::NotFound);

    const std::int64_t gone[] = {ids[1], ids[3], 999};
    EXPECT_EQ(*store.Delete(gone), 2);
    EXPECT_EQ(Names(*store.Find({})), (std::set<std::string>{"ก", "ค"}));
}

TEST(ChartStore, ChartsThatCannotBeStoredAreRefusedWithTheReason)
{
    TempDir dir;
    ChartStore store = OpenStore(dir / "c.sqlite");
    const std::pair<ChartDraft, std::string> cases[] = {
        {Chart("ก☃"), "นามมีอักขระที่รหัสภาษาไทย (CP874) เก็บไม่ได้: \"☃\""},
        {Chart("ก", "东京"), "จังหวัด/เมืองมีอักขระที่รหัสภาษาไทย (CP874) เก็บไม่ได้: \"东\""},
        {Chart("ก", "x", "1/1/2500", "9.30", "ok\n€", "Ω"), "กลุ่มมีอักขระ"},
        {Chart("ก", "x", "1/1/2500", "9.30", "😀"), "หมายเหตุมีอักขระ"},
        {Chart("ก", "x", "31/02/2500"), "ไม่มีวันที่นี้ในเดือนที่ระบุ"},
        {Chart("ก", "x", "1/1/2500", "9.30", "", std::string(31, 'g')), "กลุ่มยาวเกิน 30"},
    };
    for (const auto& [chart, reason] : cases) {
        const auto added = store.Add(chart, IfNameExists::KeepBoth);
        ASSERT_FALSE(added) << reason;
        EXPECT_EQ(added.fault().kind, StoreFaultKind::Refused);
        EXPECT_NE(added.fault().reason.find(reason), std::string::npos) << added.fault().reason;
    }
    EXPECT_EQ(*store.Count(), 0);
}

class ChartSearch : public testing::Test {
  protected:
    void SetUp() override
    {
        const ChartDraft charts[] = {
            Chart("นายสมชาย ใจดี", "กรุงเทพฯ", "1/1/2500", "9.30", "", "ลูกค้า"),
            Chart("สมหญิง รักไทย", "เชียงใหม่", "2/2/2510", "10.00", "พบที่งานบวช", "ครอบครัว"),
            Chart("Somchai Smith", "London", "3/3/2520", "8.00", "", "ลูกค้า"),
            Chart("100%_done", "ภูเก็ต", "4/4/2530", "7.00", "", "เหตุการณ์"),
            Chart("ใจ", "ตาก", "5/5/2540", "6.00", "", ""),
        };
        for (const ChartDraft& chart : charts)
            ASSERT_TRUE(store.Add(chart, IfNameExists::KeepBoth));
    }
    std::set<std::string> Search(const std::string& text) { return Names(*store.Find(Query(text))); }
    TempDir dir;
    ChartStore store = OpenStore(dir / "c.sqlite");
};

TEST_F(ChartSearch, WordsAreFoundInsideNamePlaceNoteAndGroup)
{
    const std::pair<std::string, std::set<std::string>> cases[] = {
        {"สมชาย", {"นายสมชาย ใจดี"}},                 // Thai inside a word, trigram index
        {"สม", {"นายสมชาย ใจดี", "สมหญิง รักไทย"}},     // shorter than three characters
        {"ใจ", {"นายสมชาย ใจดี", "ใจ"}},              //
        {"เชียง", {"สมหญิง รักไทย"}},                   // place
        {"งานบวช", {"สมหญิง รักไทย"}},                 // note
        {"ลูกค้า", {"นายสมชาย ใจดี", "Somchai Smith"}}, // group
        {"SOMCHAI", {"Somchai Smith"}},              // case ignored
        {"som smi", {"Somchai Smith"}},              // every word must occur
        {"สม ลอนดอน", {}},                           //
        {"%", {"100%_done"}},                        // LIKE wildcards are plain characters
        {"_", {"100%_done"}},                        //
        {"'; DROP TABLE charts; --", {}},            // never part of the SQL
        {"\"สมชาย\" OR x", {}},                      // nor of the full-text query
        {"  ", {"นายสมชาย ใจดี", "สมหญิง รักไทย", "Somchai Smith", "100%_done", "ใจ"}},
    };
    for (const auto& [text, names] : cases)
        EXPECT_EQ(Search(text), names) << text;
    EXPECT_EQ(*store.Count(), 5); // the table is still there
}

TEST_F(ChartSearch, GroupFilterSortingAndPages)
{
    EXPECT_EQ(Names(*store.Find([] {
                  ChartQuery q;
                  q.group = "ลูกค้า";
                  return q;
              }())),
              (std::set<std::string>{"นายสมชาย ใจดี", "Somchai Smith"}));
    const auto names = [](const ChartPage& page) {
        std::vector<std::string> list;
        for (const StoredChart& chart : page.rows)
            list.push_back(chart.chart.input.Name.str());
        return list;
    };
    const auto byDate = *store.Find(Query("", ChartColumn::Date, true, 2, 1));
    EXPECT_EQ(names(byDate), (std::vector<std::string>{"100%_done", "Somchai Smith"}));
    EXPECT_EQ(byDate.total, 5);
    const auto byTime = *store.Find(Query("", ChartColumn::Time, false, 2));
    EXPECT_EQ(names(byTime), (std::vector<std::string>{"ใจ", "100%_done"}));
    const auto byPlace = *store.Find(Query("สม", ChartColumn::Place));
    EXPECT_EQ(names(byPlace), (std::vector<std::string>{"นายสมชาย ใจดี", "สมหญิง รักไทย"})); // ก before เ
    EXPECT_EQ(byPlace.total, 2);
    EXPECT_EQ(*store.Groups(), (std::vector<std::string>{"ครอบครัว", "ลูกค้า", "เหตุการณ์"}));
}

TEST_F(ChartSearch, AChartSavedByAnotherCopyIsFoundByTheNextSearch)
{
    ChartStore other = OpenStore(dir / "c.sqlite");
    EXPECT_TRUE(Names(*other.Find(Query("มานี"))).empty());
    ASSERT_TRUE(store.Add(Chart("มานี มีนา"), IfNameExists::Ask));
    EXPECT_EQ(Names(*other.Find(Query("มานี"))), std::set<std::string>{"มานี มีนา"});
    const std::int64_t ids[] = {other.IdsNamed("มานี มีนา")->front()};
    ASSERT_TRUE(other.Delete(ids));
    EXPECT_TRUE(Names(*store.Find(Query("มานี"))).empty());
}

TEST(ChartStore, ImportStoresTheGoodRowsListsTheBadOnesAndSkipsWhatIsStored)
{
    TempDir dir;
    ChartStore store = OpenStore(dir / "c.sqlite");
    const std::string csv = "name,date,time,zone,latitude,longitude,place,note,group,created\r\n"
                            "ก,1/1/2500,9.30,7.00H,13.45N,100.30E,x,\"a,b\",ลูกค้า,2001-02-03 04:05:06\r\n"
                            "ข,1/13/2500,9.30,7.00H,13.45N,100.30E,x,,,\r\n"
                            "ค,1/1/2500,9.30,7.00H,13.45N,100.30E,x,,,\r\n";
    std::vector<int> progress;
    const auto report =
        store.ImportCsv(csv, [&progress](int done, int total) { progress.push_back(done * 10 + total); });
    ASSERT_TRUE(report) << report.fault().reason;
    EXPECT_EQ(report->added, 2);
    ASSERT_EQ(report->faults.size(), 1u);
    EXPECT_EQ(report->faults[0].line, 3);
    EXPECT_EQ(progress, (std::vector<int>{12, 22}));
    const StoredChart first = store.Find(Query("ก"))->rows.at(0);
    EXPECT_EQ(first.created, "2001-02-03 04:05:06");
    EXPECT_EQ(first.changed, "2001-02-03 04:05:06");
    EXPECT_EQ(first.chart.note, "a,b");

    const auto again = store.ImportCsv(csv);
    EXPECT_EQ(again->added, 0);
    EXPECT_EQ(again->unchanged, 2);
    EXPECT_EQ(*store.Count(), 2);
    EXPECT_EQ(store.ImportCsv("colour\n").fault().kind, StoreFaultKind::BadFile);
}

TEST(ChartStore, ExportAndBackupGiveTheSameChartsElsewhere)
{
    TempDir dir;
    ChartStore store = OpenStore(dir / "c.sqlite");
    for (const char* name : {"ข, \"2\"", "ก\u0E48", "ค"})
        ASSERT_TRUE(store.Add(Chart(name, "x", "1/1/2500", "9.30", "บันทึก\r\nสอง"), IfNameExists::Ask));
    const std::int64_t someIds[] = {store.IdsNamed("ค")->front()};
    EXPECT_EQ(*store.ExportCsv(dir / "some.csv", someIds), 1);
    EXPECT_EQ(*store.ExportCsv(dir / "all.csv", {}), 3);
    EXPECT_EQ(store.ExportCsv(dir.path(), {}).fault().kind, StoreFaultKind::Io); // a folder is not replaced

    ASSERT_TRUE(store.Backup(dir / "backup.sqlite"));
    ChartStore copy = OpenStore(dir / "backup.sqlite");
    ChartStore imported = OpenStore(dir / "imported.sqlite");
    EXPECT_EQ(imported.ImportCsv(librarytest::ReadBytes(dir / "all.csv"))->added, 3);
    const auto all = store.Find({});
    for (ChartStore* other : {&copy, &imported}) {
        const auto theirs = other->Find({});
        ASSERT_EQ(theirs->rows.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(theirs->rows[i].chart, all->rows[i].chart);
            EXPECT_EQ(theirs->rows[i].created, all->rows[i].created);
        }
    }
    EXPECT_EQ(store.Backup(dir / "c.sqlite").fault().kind, StoreFaultKind::Io); // never over itself
}

} // namespace
} // namespace nemra
