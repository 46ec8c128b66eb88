// AAF import and export. The published sample record (Cezanne) carries its Julian day; by hand:
// JD 2392758.526528 is 19 January 1839 + 0.026528 d = 0:38:12 UT, and the zone 0:21:48 (5°27'
// east, local mean time) makes 1:00:00 local. Places without #B93 are those of the shipped atlas
// (GeoNames: Paris 48.85341 N 2.3488 E), their zones those of the IANA data.
#include "library/model/ChartAaf.h"

#include "../StoreTestKit.h"
#include "charts/model/ChartMoment.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

using librarytest::Chart;
using librarytest::OpenStore;
using librarytest::TempDir;

const Atlas& TheAtlas()
{
    static const Atlas atlas = std::move(*Atlas::Open(NEMRA_ATLAS_FILE).atlas);
    return atlas;
}

constexpr const char* kCezanne = "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\r\n"
                                 "#B93:2392758.526528,43n31,5e27,0e21:48,m\r\n"
                                 "#ZNAM:LMT\r\n"
                                 "#COM:Painter\r\n"
                                 "born in Provence\r\n"
                                 "#SRC:1*,Standesamt\r\n"
                                 "#VIA:an archive\r\n"
                                 "#LPOS:SO28CP19:16,MO12PI56:26,\r\n"
                                 "JU18LI22:42\r\n";

TEST(ChartAaf, PublishedSampleImportsToItsJulianDayToTheSecond)
{
    const AafImportPlan plan = PlanAafImport(kCezanne, nullptr);
    ASSERT_EQ(plan.plan.rows.size(), 1u) << (plan.plan.faults.empty() ? "" : plan.plan.faults[0].reason);
    const ChartDraft& chart = plan.plan.rows[0].chart;
    EXPECT_EQ(chart.input.Name.str(), "Paul Cezanne");
    EXPECT_EQ(chart.input.Date.str(), "19/01/2381"); // January 1839, before the year began in January
    EXPECT_EQ(chart.input.Time.str(), " 1.00.00");
    EXPECT_EQ(chart.input.TimeZone.str(), "5.27E");
    EXPECT_EQ(chart.input.Latitude.str(), "43.31N");
    EXPECT_EQ(chart.input.Longitude.str(), "5.27E");
    EXPECT_EQ(chart.input.Place.str(), "Aix-En-Provence, F");
    EXPECT_EQ(chart.note, "#ZNAM:LMT\nPainter\nborn in Provence\n#SRC:1*,Standesamt");
    EXPECT_EQ(plan.ignoredChunks, 2); // #VIA and #LPOS with its continuation line
    const auto moment = MomentOf(chart.input);
    ASSERT_TRUE(moment);
    EXPECT_EQ(IsoUtText(*moment), "1839-01-19T00:38:12Z");
    EXPECT_NEAR(moment->JulianDay(), 2392758.526528, 0.5 / 86400);
}

TEST(ChartAaf, JulianDayWinsOverTheLocalTime)
{
    std::string text = kCezanne;
    text.replace(text.find("1:00"), 4, "2:15");
    const AafImportPlan plan = PlanAafImport(text, nullptr);
    ASSERT_EQ(plan.plan.rows.size(), 1u);
    EXPECT_EQ(plan.plan.rows[0].chart.input.Time.str(), " 1.00.00");
}

TEST(ChartAaf, RecordsWithoutB93ArePlacedByTheAtlasOrListed)
{
    struct Case {
        const char* record;
        const char* zone;   // the chart's zone text, or nullptr when refused
        const char* reason; // part of the refusal
        bool needsPlace;
    };
    const Case cases[] = {
        {"#A93:Summer,,e,15.7.1980,12:00,Paris,F", "2.00H", "", false},
        {"#A93:Early,,e,1.1.1870,12:00,Bangkok,T", "100.30E", "", false}, // local mean time of the place
        {"#A93:Skipped,,e,28.3.2021,2:30,Paris,F", nullptr, "ไม่มีอยู่จริง", false},
        {"#A93:Nowhere,,e,15.7.1980,12:00,Atlantis,F", nullptr, "ต้องระบุสถานที่เอง", true},
        {"#A93:Old,,m,31.12.1799,12:00,Paris,F\n#B93:*,48n51,2e21,0he09:21,m", nullptr, "1800–2399", false},
        {"#A93:Late,,m,1.1.2400,12:00,Paris,F\n#B93:*,48n51,2e21,1he00,0", nullptr, "1800–2399", false},
        {"#A93:Garbled,,m,1.13.1980,12:00,Paris,F", nullptr, "วันที่", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        const AafImportPlan plan = PlanAafImport(c.record, &TheAtlas());
        if (c.zone) {
            ASSERT_EQ(plan.plan.rows.size(), 1u) << (plan.plan.faults.empty() ? "" : plan.plan.faults[0].reason);
            EXPECT_EQ(plan.plan.rows[0].chart.input.TimeZone.str(), c.zone);
            continue;
        }
        EXPECT_TRUE(plan.plan.rows.empty());
        const auto& listed = c.needsPlace ? plan.needsPlace : plan.plan.faults;
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_EQ(listed[0].line, 1);
        EXPECT_NE(listed[0].reason.find(c.reason), std::string::npos) << listed[0].reason;
    }
    const ChartDraft paris = PlanAafImport(cases[0].record, &TheAtlas()).plan.rows.at(0).chart;
    EXPECT_EQ(paris.input.Latitude.str(), "48.51N");
    EXPECT_EQ(paris.input.Longitude.str(), "2.21E");
}

TEST(ChartAaf, Latin1AndUtf8ReadAlike)
{
    const std::string latin1 = "#A93:M\xFC"
                               "ller,J\xFC"
                               "rgen,m,1.5.1950,10:00,Z\xFC"
                               "rich,CH\n#B93:*,47n22,8e32,1he00,0\n";
    const std::string utf8 = "#A93:Müller,Jürgen,m,1.5.1950,10:00,Zürich,CH\n#B93:*,47n22,8e32,1he00,0\n";
    for (const std::string& text : {latin1, utf8}) {
        const AafImportPlan plan = PlanAafImport(text, nullptr);
        ASSERT_EQ(plan.plan.rows.size(), 1u);
        EXPECT_EQ(plan.plan.rows[0].chart.input.Name.str(), "Jurgen Muller");
        EXPECT_EQ(plan.plan.rows[0].chart.input.Place.str(), "Zurich, CH");
        EXPECT_EQ(plan.plan.rows[0].chart.input.Time.str(), "10.00.00");
    }
}

TEST(ChartAaf, ExportThenImportGivesTheSameCharts)
{
    TempDir dir;
    ChartStore store = OpenStore(dir / "charts.sqlite");
    ASSERT_TRUE(store.ImportAaf(kCezanne, nullptr));
    ChartDraft meridian = Chart("สมหญิง", "เชียงใหม่", "01/06/2475", " 6.05.09", "นัด\n\nวันจันทร์\n#แท็ก");
    meridian.input.TimeZone = "105.00E";
    for (const ChartDraft& chart : {Chart("สมชาย", "กรุงเทพฯ", "15/03/2500", " 9.30.00"), meridian})
        ASSERT_TRUE(store.Add(chart, IfNameExists::KeepBoth));
    ASSERT_EQ(*store.ExportAaf(dir / "out.aaf", {}), 3);

    ChartStore copy = OpenStore(dir / "copy.sqlite");
    const auto report = copy.ImportAafFile(dir / "out.aaf", nullptr);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->added, 3);
    EXPECT_TRUE(report->faults.empty());
    const auto all = [](const ChartStore& s) { return s.Find(librarytest::Query("")); };
    const auto before = all(store);
    const auto after = all(copy);
    ASSERT_EQ(after->rows.size(), before->rows.size());
    for (std::size_t i = 0; i < before->rows.size(); ++i)
        EXPECT_EQ(after->rows[i].chart, before->rows[i].chart) << before->rows[i].chart.input.Name.str();
    EXPECT_EQ(store.ExportAaf(dir.path(), {}).fault().kind, StoreFaultKind::Io); // a folder is not replaced
}

} // namespace
} // namespace nemra
