#include "reports/model/HitSearch.h"

#include "core/FactorCatalogue.h"
#include "core/WinDeg.h"
#include "dials/model/DialIndex.h"
#include "mainwin/model/DialInteraction.h"
#include "mainwin/model/ReportAdapters.h"
#include "mainwin/model/Session.h"
#include "reports/model/ReportFile.h"
#include "tests/support/ChartInputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace nemra {
namespace {

std::string Name(int factor)
{
    return std::string(FactorNamesThai[static_cast<std::size_t>(factor)]);
}

std::string Abbr(int factor)
{
    return std::string(FactorCodeThai[static_cast<std::size_t>(factor)]);
}

// Both charts cast; every factor at 20 degrees, which stands 20 degrees from the index
// point at 0 and so is no hit at base 45 with an orb of up to 1 degree.
ReportSnapshot QuietSnapshot()
{
    ReportSnapshot snap;
    snap.natalComputed = true;
    snap.transitComputed = true;
    for (auto& pos : snap.natalFactors)
        pos.Lon = 20.0;
    snap.transitFactors = snap.natalFactors;
    snap.arcs = {30.0, 15.0, 60.0};
    snap.indexPoint = 0.0;
    snap.indexText = "00มษ00";
    snap.indexName = "จุดทดสอบ";
    return snap;
}

HitSettings Only(int kind, double base = 45.0, double orb = 1.0)
{
    HitSettings settings;
    settings.kinds = {};
    settings.kinds[static_cast<std::size_t>(kind - 1)] = true;
    settings.base = base;
    settings.orb = orb;
    return settings;
}

std::vector<std::string> Names(const HitReport& report)
{
    std::vector<std::string> names;
    for (const HitRow& row : report.rows)
        names.push_back(row.name);
    return names;
}

bool Lists(const HitReport& report, const std::string& name)
{
    const auto names = Names(report);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Base 360 with an orb of 180 degrees makes every candidate a hit, so the list shows
// exactly which candidates each kind examines and in what order.
TEST(HitSearch, EachKindExaminesItsCandidatesOnceInLoopOrder)
{
    const ReportSnapshot snap = QuietSnapshot();
    struct Case {
        int kind;
        int count;
        std::string first;
        std::string second;
    };
    const std::vector<Case> cases = {
        {1, 22, Name(kAries), Name(kMeridian)},
        {2, 21, "-" + Name(kMeridian), "-" + Name(kAscendant)},
        {3, 231, Abbr(kAries) + "/" + Abbr(kMeridian), Abbr(kAries) + "/" + Abbr(kAscendant)},
        {4, 231, "-(" + Abbr(kAries) + "/" + Abbr(kMeridian) + ")", "-(" + Abbr(kAries) + "/" + Abbr(kAscendant) + ")"},
        // C outer, then A, then B from 1: the first admitted triples have C = Aries point.
        {5, 21 * 21 + 231 * 20, Abbr(1) + "+" + Abbr(1) + "-" + Abbr(0), Abbr(1) + "+" + Abbr(2) + "-" + Abbr(0)},
        {6, 21 * 22 + 231 * 20, Abbr(1) + "+" + Abbr(1) + "+" + Abbr(0), Abbr(1) + "+" + Abbr(2) + "+" + Abbr(0)},
        {7, 231 * 20, Abbr(1) + "-" + Abbr(2) + "-" + Abbr(0), Abbr(1) + "-" + Abbr(3) + "-" + Abbr(0)},
        {8, 231 * 20, Abbr(1) + "/" + Abbr(2) + "//" + Abbr(0), Abbr(1) + "/" + Abbr(3) + "//" + Abbr(0)},
    };
    for (const Case& c : cases) {
        const HitReport report = SearchHits(snap, Only(c.kind, 360.0, 180.0));
        ASSERT_TRUE(report.searched);
        EXPECT_EQ(report.hitCount, c.count) << "kind " << c.kind;
        ASSERT_EQ(report.rows.size(), static_cast<std::size_t>(c.count)) << "kind " << c.kind;
        EXPECT_EQ(report.rows[0].name, c.first) << "kind " << c.kind;
        EXPECT_EQ(report.rows[1].name, c.second) << "kind " << c.kind;
        EXPECT_FALSE(Lists(report, Name(kKetu))) << "kind " << c.kind;
    }
    const auto kind = [&](int k) { return SearchHits(snap, Only(k, 360.0, 180.0)); };
    EXPECT_TRUE(Lists(kind(5), Abbr(kSun) + "+" + Abbr(kSun) + "-" + Abbr(kMoon)));    // 2A - C
    EXPECT_FALSE(Lists(kind(5), Abbr(kMoon) + "+" + Abbr(kSun) + "-" + Abbr(kMars)));  // A > B
    EXPECT_TRUE(Lists(kind(6), Abbr(kSun) + "+" + Abbr(kSun) + "+" + Abbr(kSun)));     // 3A
    EXPECT_FALSE(Lists(kind(6), Abbr(kSun) + "+" + Abbr(kMoon) + "+" + Abbr(kSun)));   // C = A only
    EXPECT_FALSE(Lists(kind(7), Abbr(kSun) + "-" + Abbr(kSun) + "-" + Abbr(kMoon)));   // A = B
    EXPECT_FALSE(Lists(kind(8), Abbr(kSun) + "/" + Abbr(kMoon) + "//" + Abbr(kMoon))); // C = B
}

TEST(HitSearch, CandidatesAreFormedOnTheChartThenShiftedIntoTheTargetLayer)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.natalFactors[kSun].Lon = 100.0;
    snap.natalFactors[kMoon].Lon = 140.0;
    snap.transitFactors[kSun].Lon = 250.0;
    // The longitude listed for `name` when kind `kind` searches `layer` (every candidate a hit).
    const auto lonOf = [&](int kind, int layer, const std::string& name) {
        HitSettings settings = Only(kind, 360.0, 180.0);
        settings.targetLayer = ChartLayerOf(layer);
        for (const HitRow& row : SearchHits(snap, settings).rows)
            if (row.name == name)
                return row.longitude;
        ADD_FAILURE() << name;
        return -1.0;
    };
    EXPECT_DOUBLE_EQ(lonOf(1, 1, Name(kSun)), 100.0);
    EXPECT_DOUBLE_EQ(lonOf(1, 2, Name(kSun)), 250.0);
    EXPECT_DOUBLE_EQ(lonOf(1, 6, Name(kSun)), 85.0);
    // The reflection of the natal point plus the arc, not the reflection of the V1 point.
    EXPECT_DOUBLE_EQ(lonOf(2, 3, "-" + Name(kSun)), 290.0);
    EXPECT_DOUBLE_EQ(lonOf(4, 8, "-(" + Abbr(kSun) + "/" + Abbr(kMoon) + ")"), 180.0); // 360 - 120 - 60
    snap.axis = nemra::kAxisCancerCapricorn;
    EXPECT_DOUBLE_EQ(lonOf(2, 3, "-" + Name(kSun)), 110.0);
}

TEST(HitSearch, ADeviationUpToTheOrbIsAHitWithItsFoldedAngle)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.indexPoint = 10.0;
    snap.natalFactors[kSun].Lon = 101.0;     // 90 + 1: the orb itself
    snap.natalFactors[kMoon].Lon = 189.5;    // 180 - 0.5
    snap.natalFactors[kMercury].Lon = 235.5; // 225 + 0.5 folds to 135
    snap.natalFactors[kVenus].Lon = 143.98;  // 135 - 1.02: outside
    snap.natalFactors[kKetu].Lon = 10.0;     // Ketu never takes part
    const HitReport report = SearchHits(snap, Only(1));
    ASSERT_EQ(Names(report), (std::vector<std::string>{Name(kSun), Name(kMoon), Name(kMercury)}));
    EXPECT_DOUBLE_EQ(report.rows[0].angle, 90.0);
    EXPECT_NEAR(report.rows[0].deviation, 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(report.rows[1].angle, 180.0);
    EXPECT_NEAR(report.rows[1].deviation, -0.5, 1e-12);
    EXPECT_DOUBLE_EQ(report.rows[2].angle, 135.0);
    EXPECT_NEAR(report.rows[2].deviation, 0.5, 1e-12);
    EXPECT_EQ(HitCountText(report), "พบจุดกระทบ 3 จุด");

    HitSettings base72 = Only(1, 72.0);
    snap.natalFactors = QuietSnapshot().natalFactors;
    snap.natalFactors[kSun].Lon = 190.0; // 180 from the index: 2.5 x 72 rounds to 2, deviation +36
    EXPECT_EQ(SearchHits(snap, base72).hitCount, 0);
    EXPECT_EQ(HitCountText(SearchHits(snap, base72)), "ไม่มีจุดกระทบ");
}

TEST(HitSearch, TheStudiedPointIsSkippedOnlyInItsOwnLayer)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.natalFactors[kMoon].Lon = 0.0;
    snap.transitFactors[kMoon].Lon = 0.0;
    snap.indexName = Name(kMoon);
    snap.indexLayer = kLayerNatal;
    snap.indexMode = kIndexFactor;
    snap.indexFactorA = kMoon;
    HitSettings settings = Only(1);
    EXPECT_FALSE(Lists(SearchHits(snap, settings), Name(kMoon)));
    settings.targetLayer = kLayerTransit;
    EXPECT_TRUE(Lists(SearchHits(snap, settings), Name(kMoon)));
    snap.indexLayer = kLayerNone; // a mixture of natal and transit is never its own hit
    settings.targetLayer = kLayerNatal;
    EXPECT_TRUE(Lists(SearchHits(snap, settings), Name(kMoon)));

    snap.indexName = "-" + Name(kMoon); // a reflected index skips the reflection point
    snap.indexLayer = kLayerNatal;
    snap.indexMode = kIndexFactorReflection;
    snap.natalFactors[kMoon].Lon = 360.0 - 45.0;
    const HitReport reflections = SearchHits(snap, Only(2));
    EXPECT_FALSE(Lists(reflections, "-" + Name(kMoon)));
}

// The studied point is recognised by what it is (kind, factors in any order that forms the
// same point, reflection, layer), not by its name: the dials and the search write one point
// in different forms. Each row names the candidates that are the studied point, written by
// hand from the loop order of the search; in the studied point's own layer none of them is
// listed and no other candidate of those kinds stands exactly on the point, and in any
// other layer they all are.
TEST(HitSearch, TheStudiedPointIsRecognisedByWhatItIs)
{
    TChartInput natal;
    natal.Name = "ทดสอบ";
    natal.Date = "05/12/2540";
    natal.Time = "9.30";
    natal.TimeZone = "7.00H";
    natal.Latitude = "13.45N";
    natal.Longitude = "100.30E";
    TChartInput transit = natal;
    transit.Date = "07/12/2569";
    transit.Time = "9.05.07";
    MainSession cast;
    CastNatal(cast, natal);
    CastTransit(cast, transit);

    const auto mid = [](int source, int a, int b, bool pair, bool reflect) {
        return [=](MainSession& s) { SetMidpointIndex(s, {source, a, b, pair, reflect}); };
    };
    const auto sens = [](int kind, int a, int b, int c) {
        return [=](MainSession& s) { SetSensitiveIndex(s, {kind, kSensNatal, a, b, c}); };
    };
    struct Case {
        const char* what;
        std::function<void(MainSession&)> setIndex;
        const char* kinds;
        std::vector<std::string> self;
    };
    const std::vector<Case> cases = {
        {"reflected Sun/Moon, named -อท/จท", mid(kMidNatal, kSun, kMoon, true, true), "00010000", {"-(อท/จท)"}},
        {"Moon/Sun, named จท/อท", mid(kMidNatal, kMoon, kSun, true, false), "00100000", {"อท/จท"}},
        {"transit Moon/Sun", mid(kMidTransit, kMoon, kSun, true, false), "00100000", {"อท/จท"}},
        {"a single factor", mid(kMidNatal, kMoon, 0, false, false), "10000000", {Name(kMoon)}},
        {"a reflected factor", mid(kMidNatal, kMoon, 0, false, true), "01000000", {"-" + Name(kMoon)}},
        {"a house dial",
         [](MainSession& s) {
             SetHouseIndex(s, {kMoon, false});
         },
         "10000000",
         {Name(kMoon)}},
        {"the Aries marker",
         [](MainSession& s) { ASSERT_TRUE(PickDialPoint(s, s.FChartCenter, 5)); },
         "10000000",
         {Name(kAries)}},
        {"Moon+Sun-Mars", sens(1, kMoon, kSun, kMars), "00001000", {"อท+จท-อง"}},
        // A+B+C in any order: one form for each C of the outer loop.
        {"Mars+Moon+Sun", sens(2, kMars, kMoon, kSun), "00000100", {"จท+อง+อท", "อท+อง+จท", "อท+จท+อง"}},
        {"Moon-Sun-Mars", sens(3, kMoon, kSun, kMars), "00000010", {"จท-อง-อท"}},
        {"Moon/Sun//Mars", sens(4, kMoon, kSun, kMars), "00000001", {"อท/จท//อง"}},
    };
    const auto zeroRows = [](const HitReport& report) {
        std::vector<std::string> names;
        for (const HitRow& row : report.rows)
            if (!row.formula && std::fabs(row.deviation) < 1e-7)
                names.push_back(row.name);
        return names;
    };
    for (const Case& c : cases) {
        MainSession s = cast;
        c.setIndex(s);
        ReportSnapshot snap = MakeReportSnapshot(s);
        HitSettings settings;
        settings.targetLayer = snap.indexLayer;
        for (std::size_t k = 0; k < settings.kinds.size(); ++k)
            settings.kinds[k] = c.kinds[k] == '1';
        EXPECT_EQ(zeroRows(SearchHits(snap, settings)), std::vector<std::string>{}) << c.what;
        snap.indexLayer = snap.indexLayer == kLayerNatal ? kLayerTransit : kLayerNatal;
        EXPECT_EQ(zeroRows(SearchHits(snap, settings)), c.self) << c.what;
    }
}

// A+B+C reached by its three orders differs in the last bit of the sums: with 0.1, 0.2 and
// 0.4 (IEEE doubles), (0.2 + 0.4) + 0.1 and (0.1 + 0.2) + 0.4 give 0.7000000000000001 but
// (0.1 + 0.4) + 0.2 gives 0.7 (checked in Python). The sort by orb keeps them in the order
// they were found, as it does for any deviations within 1e-9 degrees.
TEST(HitSearch, SortingByOrbTreatsDeviationsWithinRoundingAsEqual)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.natalFactors[1].Lon = 0.1;
    snap.natalFactors[2].Lon = 0.2;
    snap.natalFactors[3].Lon = 0.4;
    snap.indexPoint = 0.7;
    HitSettings settings = Only(6, 45.0, 1.0 / 60.0);
    const std::vector<std::string> found = {Abbr(2) + "+" + Abbr(3) + "+" + Abbr(1),
                                            Abbr(1) + "+" + Abbr(3) + "+" + Abbr(2),
                                            Abbr(1) + "+" + Abbr(2) + "+" + Abbr(3)};
    const HitReport unsorted = SearchHits(snap, settings);
    ASSERT_EQ(Names(unsorted), found);
    ASSERT_GT(unsorted.rows[0].deviation, unsorted.rows[1].deviation); // the noise is there
    settings.sortByOrb = true;
    EXPECT_EQ(Names(SearchHits(snap, settings)), found);

    snap.natalFactors[4].Lon = 0.7 - 0.5 / 60.0; // a deviation of -0:30 still sorts first
    snap.natalFactors[5].Lon = 0.7 + 1e-6;       // and one of 1e-6 degrees after the three
    settings.kinds[0] = true;
    const std::vector<std::string> sorted = Names(SearchHits(snap, settings));
    ASSERT_EQ(sorted.size(), 5u);
    EXPECT_EQ(sorted.front(), Name(4));
    EXPECT_EQ(std::vector<std::string>(sorted.begin() + 1, sorted.end() - 1), found);
    EXPECT_EQ(sorted.back(), Name(5));
}

TEST(HitSearch, FormulaRowsFollowTheirHitByTheKindOfStudiedPoint)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.natalFactors[kMoon].Lon = 45.0;
    snap.natalFactors[kVenus].Lon = 80.0; // Venus/Mars midpoint at 90
    snap.natalFactors[kMars].Lon = 100.0;
    HitSettings settings = Only(1);
    settings.kinds[2] = true;

    snap.indexFactorCode = "SU"; // a single factor
    snap.indexCodeFactor = kSun;
    HitReport report = SearchHits(snap, settings);
    ASSERT_EQ(Names(report),
              (std::vector<std::string>{Name(kMoon), Abbr(kSun) + "+" + "จท", Abbr(kVenus) + "/" + Abbr(kMars),
                                        Abbr(kVenus) + "/" + Abbr(kMars) + "=" + Abbr(kSun)}));
    EXPECT_EQ(report.hitCount, 2);
    EXPECT_TRUE(report.rows[1].formula);
    EXPECT_DOUBLE_EQ(report.rows[1].longitude, report.rows[0].longitude);
    EXPECT_DOUBLE_EQ(report.rows[1].deviation, report.rows[0].deviation);

    snap.indexFactorCode = "SUMO"; // a pair: factor hits only
    snap.indexName = Abbr(kSun) + "/" + Abbr(kMoon);
    report = SearchHits(snap, settings);
    EXPECT_EQ(Names(report), (std::vector<std::string>{Name(kMoon), snap.indexName + "=" + Abbr(kMoon),
                                                       Abbr(kVenus) + "/" + Abbr(kMars)}));

    snap.indexFactorCode.clear(); // a sensitive or user point: none
    EXPECT_EQ(SearchHits(snap, settings).rows.size(), 2u);
}

TEST(HitSearch, SortingByOrbIsStableAndKeepsFormulaRowsAfterTheirHit)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.indexFactorCode = "MA";
    snap.indexCodeFactor = kMars;
    snap.natalFactors[kSun].Lon = 359.5;    // -0.50
    snap.natalFactors[kMoon].Lon = 45.1;    // +0.10
    snap.natalFactors[kNode].Lon = 89.8;    // -0.20
    snap.natalFactors[kMercury].Lon = 45.1; // +0.10, found after the Moon
    HitSettings settings = Only(1);
    const auto hitsOf = [&](const HitReport& report) {
        std::vector<std::string> hits;
        for (const HitRow& row : report.rows)
            hits.push_back(row.formula ? "=" : row.name);
        return hits;
    };
    EXPECT_EQ(hitsOf(SearchHits(snap, settings)),
              (std::vector<std::string>{Name(kSun), "=", Name(kMoon), "=", Name(kNode), "=", Name(kMercury), "="}));
    settings.sortByOrb = true;
    const HitReport sorted = SearchHits(snap, settings);
    EXPECT_EQ(hitsOf(sorted),
              (std::vector<std::string>{Name(kSun), "=", Name(kNode), "=", Name(kMoon), "=", Name(kMercury), "="}));
    EXPECT_EQ(sorted.rows[1].name, Abbr(kMars) + "+" + Abbr(kSun));
    EXPECT_EQ(sorted.rows[5].name, Abbr(kMars) + "+" + Abbr(kMoon));
}

TEST(HitSearch, NoSearchWithOrbZeroOrWithoutTheTargetChart)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.natalFactors[kSun].Lon = 0.0; // an exact hit, still not searched at orb 0
    HitReport report = SearchHits(snap, Only(1, 45.0, 0.0));
    EXPECT_FALSE(report.searched);
    EXPECT_TRUE(report.rows.empty());
    EXPECT_EQ(HitCountText(report), "ไม่มีจุดกระทบ");
    EXPECT_EQ(HitGridRows(snap, report).size(), 2u); // header and the studied point
    EXPECT_FALSE(SearchHits(snap, Only(1, 0.0, 1.0)).searched);

    snap.transitComputed = false;
    HitSettings settings = Only(1);
    EXPECT_TRUE(SearchHits(snap, settings).searched);
    for (int layer : {2, 3, 8}) {
        settings.targetLayer = ChartLayerOf(layer);
        EXPECT_FALSE(SearchHits(snap, settings).searched) << layer;
    }
}

TEST(HitSearch, TargetLayersOfferedByChartsAndStudiedLayer)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.indexLayer = kLayerV1Half;
    for (int layer = 0; layer <= 9; ++layer)
        EXPECT_EQ(TargetLayerOffered(snap, ChartLayerOf(layer)), layer >= 1 && layer <= 8 && layer != 5) << layer;
    EXPECT_EQ(OpeningTargetLayer(snap, kLayerV2Half), kLayerNatal);
    snap.natalComputed = false;
    for (int layer = 1; layer <= 8; ++layer)
        EXPECT_EQ(TargetLayerOffered(snap, ChartLayerOf(layer)), layer == 2) << layer;
    EXPECT_EQ(OpeningTargetLayer(snap, kLayerV2Half), kLayerTransit);
    snap.transitComputed = false;
    EXPECT_EQ(OpeningTargetLayer(snap, kLayerV2Half), kLayerV2Half);
}

TEST(HitSearch, AngleAndGridTexts)
{
    EXPECT_EQ(HitAngleText(45.0), " 45.0");
    EXPECT_EQ(HitAngleText(22.5), " 22.3");
    EXPECT_EQ(HitAngleText(67.5), " 67.3");
    EXPECT_EQ(HitAngleText(7.5), "  7.3");
    EXPECT_EQ(HitAngleText(157.5), "157.3");

    ReportSnapshot snap = QuietSnapshot();
    snap.indexName = Name(kSun);
    snap.indexLayer = kLayerV1;
    EXPECT_EQ(StudiedPointTitle(snap), Name(kSun) + " V1");

    HitReport report;
    report.rows = {{Name(kMoon), 67.5, 67.5, -(0.5 + 5.0 / 60.0), false, {}}, {"formula", 67.5, 67.5, -0.5, true, {}}};
    const auto rows = HitGridRows(snap, report);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (HitGridRow{"การทำมุม", "จุดกระทบ", "สมผุส", "ระยะวังกะ"}));
    EXPECT_EQ(rows[1], (HitGridRow{"", Name(kSun), "00มษ00", ""}));
    EXPECT_EQ(rows[2], (HitGridRow{" 67.3", Name(kMoon), WinDeg::PositionText(67.5), "-0.35"}));
    EXPECT_EQ(rows[3], (HitGridRow{"", "formula", "", ""}));
}

TEST(HitSearch, FileLinesHoldChartsArcsTitleHeaderAndHitsOnly)
{
    ReportSnapshot snap = QuietSnapshot();
    snap.natalInput = test::BangkokInput("05/12/2540", "9.30", "7.00H");
    snap.transitInput = snap.natalInput;
    snap.transitInput.Name = "จร";
    snap.arcs = {29.5, 14.75, 59.0};
    snap.indexName = Name(kSun);
    snap.indexLayer = kLayerNatal;
    snap.indexFactorCode = "SU";
    snap.indexCodeFactor = kSun;
    snap.natalFactors[kMoon].Lon = 90.0;
    HitSettings settings = Only(1);
    settings.targetLayer = kLayerTransit;
    snap.transitFactors[kMoon].Lon = 90.0;
    const HitReport report = SearchHits(snap, settings);
    ASSERT_EQ(report.rows.size(), 2u); // the Moon and its formula row

    EXPECT_EQ(HitReportFileLines(snap, kLayerTransit, report),
              (std::vector<std::string>{
                  "ทดสอบ,05/12/2540,9.30,7.00H,13.45N,100.30E",
                  "จร,05/12/2540,9.30,7.00H,13.45N,100.30E",
                  "โค้งสุริยยาตร 29.30",
                  "ค่าครึงโค้ง 14.45",
                  "ค่าโค้ง 2 เท่า 59.00",
                  "อาทิตย์ ดวงกำเนิด 00มษ00 ทำมุมกับ  ดวงจร ",
                  "การทำมุม,จุดกระทบ,สมผุส,ระยะวังกะ",
                  " 90.0,จันทร์," + WinDeg::PositionText(90.0) + ",+0.00",
              }));

    snap.transitComputed = false; // natal only: no transit line, no arcs
    const auto natalOnly = HitReportFileLines(snap, kLayerNatal, SearchHits(snap, Only(1)));
    ASSERT_EQ(natalOnly.size(), 4u);
    EXPECT_EQ(natalOnly[1], "อาทิตย์ ดวงกำเนิด 00มษ00 ทำมุมกับ  ดวงกำเนิด");
    EXPECT_EQ(natalOnly[2], "การทำมุม,จุดกระทบ,สมผุส,ระยะวังกะ");
}

} // namespace
} // namespace nemra
