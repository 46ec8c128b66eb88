// CSV import and export of charts, and the rules a stored chart meets, without a database.
#include "library/model/ChartCsv.h"

#include "../StoreTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace nemra {
namespace {

using librarytest::Chart;

StoredChart Stored(ChartDraft chart)
{
    return {0, std::move(chart), "2026-12-08 14:03:22", "2026-12-09 08:00:00"};
}

// Texts that need quoting, Thai and line breaks come back from an export exactly.
TEST(ChartCsv, ExportReadsBackExactly)
{
    const std::vector<StoredChart> charts = {
        Stored(Chart("สมชาย, ใจดี", "\"บ้าน\" ริมน้ำ", "01/01/2500", " 9.05.07", "โทร 081\r\nนัดวันจันทร์\n", "ลูกค้า")),
        Stored(Chart("นาย \"ก\"", "เชียงใหม่", "29/02/2543", "23.59", "ข้อความ,มี,จุลภาค\rกับ CR เดี่ยว", "")),
        Stored(Chart("plain", "", "7/7/2569", "0.00", "", "ครอบครัว")),
    };
    const std::string csv = ChartsCsv(charts);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "name,date,time,zone,latitude,longitude,place,note,group,created,changed");
    const CsvImportPlan plan = PlanCsvImport(csv);
    ASSERT_FALSE(plan.fileFault);
    EXPECT_TRUE(plan.faults.empty());
    ASSERT_EQ(plan.rows.size(), charts.size());
    for (std::size_t i = 0; i < charts.size(); ++i) {
        EXPECT_EQ(plan.rows[i].chart, charts[i].chart) << i;
        EXPECT_EQ(plan.rows[i].created, charts[i].created);
        EXPECT_EQ(plan.rows[i].changed, charts[i].changed);
    }
    // Lines counted through the quoted line breaks of the first row's note (two of them).
    EXPECT_EQ(plan.rows[1].line, 5);
}

TEST(ChartCsv, EveryBadRowIsListedWithItsLineAndReason)
{
    struct Case {
        std::string row;
        std::string reason; // part of the reason
    };
    const std::vector<Case> cases = {
        {"ก,15/13/2500,9.30,7.00H,13.45N,100.30E,x,,", "เดือนต้องอยู่ระหว่าง 1 ถึง 12"},
        {"ก,15/03/2500,25.00,7.00H,13.45N,100.30E,x,,", "เวลาต้องอยู่ในรูป"},
        {"ก,15/03/2500,9.30,7.00H,91.00N,100.30E,x,,", "ละติจูด"},
        {"ก☃,15/03/2500,9.30,7.00H,13.45N,100.30E,x,,", "CP874) เก็บไม่ได้: \"☃\""},
        {"ก,15/03/2500,9.30,7.00H,13.45N,100.30E,x,€ ok,😀", "กลุ่มมีอักขระที่รหัสภาษาไทย (CP874) เก็บไม่ได้: \"😀\""},
        {"\"สอง\nบรรทัด\",15/03/2500,9.30,7.00H,13.45N,100.30E,x,,", "นามต้องอยู่ในบรรทัดเดียว"},
        {std::string(31, 'n') + ",15/03/2500,9.30,7.00H,13.45N,100.30E,x,,", "นามยาวเกิน 30 ตัวอักษร"},
        {" ,15/03/2500,9.30,7.00H,13.45N,100.30E,x,,", "ต้องมีนาม"},
        {"ก,15/03/2500,9.30,7.00H,13.45N,100.30E", "มี 6 ช่อง แต่หัวตารางมี 9 ช่อง"},
        {"\"ก\"x,15/03/2500,9.30,7.00H,13.45N,100.30E,x,,", "มีข้อความต่อท้ายเครื่องหมายคำพูดปิด"},
    };
    std::string csv = "name,date,time,zone,latitude,longitude,place,note,group\n";
    csv += "ดี,15/03/2500,9.30,7.00H,13.45N,100.30E,x,,\n";
    int line = 3;
    std::vector<int> lines;
    for (const Case& c : cases) {
        csv += c.row + "\n";
        lines.push_back(line);
        line += 1 + static_cast<int>(std::count(c.row.begin(), c.row.end(), '\n'));
    }
    csv += "\"ไม่ปิด,15/03/2500";
    const CsvImportPlan plan = PlanCsvImport(csv);
    ASSERT_FALSE(plan.fileFault);
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(plan.rows[0].chart.input.Name.str(), "ดี");
    ASSERT_EQ(plan.faults.size(), cases.size() + 1);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(plan.faults[i].line, lines[i]) << cases[i].row;
        EXPECT_NE(plan.faults[i].reason.find(cases[i].reason), std::string::npos)
            << cases[i].row << " -> " << plan.faults[i].reason;
    }
    EXPECT_EQ(plan.faults.back().line, line);
    EXPECT_NE(plan.faults.back().reason.find("เปิดไว้แต่ไม่ได้ปิด"), std::string::npos);
}

TEST(ChartCsv, AHeaderThatCannotBeReadStopsTheWholeImport)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "ไม่มีหัวตาราง"},
        {"name,date,time,zone,latitude,longitude,place,colour\n", "ไม่รู้จัก: \"colour\""},
        {"name,date,time,zone,latitude,longitude,place,Name\n", "ซ้ำ"},
        {"name,date,time,zone,latitude,place\nก,1/1/2500,9.30,7.00H,13.45N,x\n", "ไม่มีช่อง \"longitude\""},
    };
    for (const auto& [csv, reason] : cases) {
        const CsvImportPlan plan = PlanCsvImport(csv);
        ASSERT_TRUE(plan.fileFault) << csv;
        EXPECT_EQ(plan.fileFault->kind, StoreFaultKind::BadFile);
        EXPECT_NE(plan.fileFault->reason.find(reason), std::string::npos) << plan.fileFault->reason;
        EXPECT_TRUE(plan.rows.empty());
    }
}

// Columns in any order and case, the optional ones left out, a byte-order mark, and a file
// in the Thai code page ("\xA1" is ก in CP874).
TEST(ChartCsv, HeadersInAnyOrderAndTheThaiCodePageAreRead)
{
    const CsvImportPlan utf8 = PlanCsvImport("\xEF\xBB\xBFPlace, Longitude ,latitude,ZONE,time,date,name\r\n"
                                             "ภูเก็ต,100.30E,13.45N,7.00H,9.30,1/1/2500,ก\r\n");
    ASSERT_EQ(utf8.rows.size(), 1u);
    EXPECT_EQ(utf8.rows[0].chart, Chart("ก", "ภูเก็ต", "1/1/2500", "9.30"));
    const CsvImportPlan cp874 =
        PlanCsvImport("name,date,time,zone,latitude,longitude,place\n\xA1,1/1/2500,9.30,7.00H,13.45N,100.30E,x\n");
    ASSERT_EQ(cp874.rows.size(), 1u);
    EXPECT_EQ(cp874.rows[0].chart.input.Name.str(), "ก");
}

TEST(StoredChart, SortKeysFollowTheMomentOfTheChart)
{
    // Hand computations: 15 March 2483 BE falls before the year change of 2484, so it is
    // 1941 (2483 - 542); 15 May 2483 BE is 1940; times in seconds of the day.
    EXPECT_EQ(DateSortKey(Chart("a", "", "15/03/2482").input), 19400315);
    EXPECT_EQ(DateSortKey(Chart("a", "", "15/05/2483").input), 19400515);
    EXPECT_EQ(DateSortKey(Chart("a", "", "7/12/2569").input), 20261207);
    const std::pair<const char*, int> times[] = {{"9.30", 34200},    {"9.3", 34200},      {" 9.05.07", 32707},
                                                 {"9.05.07", 32707}, {"23.59.59", 86399}, {"0.00", 0}};
    for (const auto& [time, seconds] : times)
        EXPECT_EQ(TimeSortKey(Chart("a", "", "1/1/2500", time).input), seconds) << time;
}

TEST(StoredChart, FieldsLeftAsTheFormShowedThemKeepTheirTypedText)
{
    const TChartInput stored = Chart("ก", "x", "1/1/2500", "9.30").input;
    TChartInput shown = stored;
    shown.Date = "01/01/2500";
    shown.Time = " 9.30.00";
    TChartInput edited = shown;
    edited.Name = "ข";
    TChartInput expected = stored;
    expected.Name = "ข";
    EXPECT_EQ(MergeEditedInput(stored, shown, edited), expected);
    edited.Time = "10.00.00";
    expected.Time = "10.00.00";
    EXPECT_EQ(MergeEditedInput(stored, shown, edited), expected);
}

} // namespace
} // namespace nemra
