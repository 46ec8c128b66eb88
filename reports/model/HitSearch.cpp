#include "reports/model/HitSearch.h"

#include "core/AngleMath.h"
#include "core/ChartLayers.h"
#include "core/FactorCatalogue.h"
#include "core/WinDeg.h"
#include "reports/model/AspectList.h"
#include "reports/model/ReportFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace nemra {

const std::array<std::string_view, kHitKindCount> HitKindCaptions = {
    "ปัจจัยเดี่ยว", "จุดสะท้อนปัจจัย", "A/B", "-(A/B)", "A+B-C", "A+B+C", "A-B-C", "A/B//C",
};

const std::array<std::string_view, 9> TargetLayerCaptions = {
    "", "ดวงกำเนิด", "ดวงจร", "V1 ธรรมดา", "V2 ธรรมดา", "V1 ครึ่งโค้ง", "V2 ครึ่งโค้ง", "V1 โค้ง 2 เท่า", "V2 โค้ง 2 เท่า",
};

namespace {

constexpr int kLastHitFactor = kPoseidon; // factors 0..21 take part; Ketu never does

// A deviation equal to the orb is within it, and deviations this close sort as equal; the
// margin absorbs the last bit of rounding in sums of longitudes (far below the arc-second
// the texts show).
constexpr double kOrbMargin = 1e-9;

constexpr const char* kNoHits = "ไม่มีจุดกระทบ";
constexpr const char* kHitsFound = "พบจุดกระทบ ";
constexpr const char* kHitsUnit = " จุด";
constexpr const char* kArcLine = "โค้งสุริยยาตร ";
constexpr const char* kHalfArcLine = "ค่าครึงโค้ง ";
constexpr const char* kDoubleArcLine = "ค่าโค้ง 2 เท่า ";
constexpr const char* kAspectsWith = " ทำมุมกับ ";

const HitGridRow kHeaderRow = {"การทำมุม", "จุดกระทบ", "สมผุส", "ระยะวังกะ"};

// Which formula row follows a hit: kinds 1 and 2 name the studied factor or pair with the
// hit factor, kinds 3 and 4 the hit pair with the studied factor, kinds 5 to 8 none.
enum class FormulaStyle { Factor, Pair, None };

bool ValidLayer(int layer)
{
    return layer >= 0 && layer < static_cast<int>(ChartLayerLabels.size());
}

std::string_view Abbr(int factor)
{
    return FactorCodeThai[static_cast<std::size_t>(std::clamp(factor, 0, static_cast<int>(kFactorCount) - 1))];
}

std::string FactorName(int factor)
{
    return std::string(FactorNamesThai[static_cast<std::size_t>(factor)]);
}

std::string PairName(int a, int b)
{
    return std::string(Abbr(a)) + "/" + std::string(Abbr(b));
}

bool TargetChartCast(const ReportSnapshot& snap, int layer)
{
    if (layer == kLayerNatal)
        return snap.natalComputed;
    if (layer == kLayerTransit)
        return snap.transitComputed;
    return snap.natalComputed && snap.transitComputed;
}

// The three-factor kinds 5..8 and the factor triples each admits.
bool TripleAdmitted(int kind, int a, int b, int c)
{
    switch (kind) {
    case 5:
        return c != a && c != b && a <= b;
    case 6:
        return (c == a) == (c == b) && a <= b;
    default:
        return c != a && c != b && a < b;
    }
}

// What a point is, as far as the search forms points (see HitPoint).
using PointIdentity = HitPoint;

PointIdentity IdentityOf(int kind, int a, int b = 0, int c = 0)
{
    switch (kind) {
    case 1:
    case 2:
        return {kind, {a, 0, 0}};
    case 3:
    case 4:
        return {kind, {std::min(a, b), std::max(a, b), 0}};
    case 5:
    case 8:
        return {kind, {std::min(a, b), std::max(a, b), c}};
    case 6: {
        std::array<int, 3> factors = {a, b, c};
        std::sort(factors.begin(), factors.end());
        return {kind, factors};
    }
    case 7:
        return {kind, {a, std::min(b, c), std::max(b, c)}};
    default:
        return {};
    }
}

// The studied point as the search would form it, from the kind of index the dials stored.
// Its name is no guide: the dials and the search write one point in different forms
// ("-อท/จท" and "-(อท/จท)", "อท/จท" and "จท/อท").
PointIdentity StudiedIdentity(const ReportSnapshot& snap)
{
    const int a = snap.indexFactorA;
    const int b = snap.indexFactorB;
    const int c = snap.indexFactorC;
    switch (snap.indexMode) {
    case kIndexHouse:
    case kIndexFactor:
        return IdentityOf(1, a);
    case kIndexFactorReflection:
        return IdentityOf(2, a);
    case kIndexMidpoint:
        return IdentityOf(3, a, b);
    case kIndexMidpointReflection:
        return IdentityOf(4, a, b);
    case kIndexSumMinus:
    case kIndexSumPlus:
    case kIndexDiffMinus:
    case kIndexMidpointOfPair:
        return IdentityOf(snap.indexMode - kIndexSumMinus + 5, a, b, c);
    case kIndexZodiac:
        // The Aries marker's pick: a point of the zodiac that is one chart's factor, the only
        // zodiac index that keeps a factor code.
        return snap.indexFactorCode.empty() ? PointIdentity{} : IdentityOf(1, snap.indexCodeFactor);
    default: // the natal/transit mixtures, the daily meridian, AR+MC-(MC/SU), AR+SU-(MC/SU)
        return {};
    }
}

// Ascending signed deviation, a formula row kept right after its hit. Deviations within
// kOrbMargin of each other are equal and keep the order in which they were found: one
// point reached by permuted factors (A+B+C and C+B+A) differs only in the last bit of its
// sums, and that noise, which changes between compilers, must not order the rows.
void SortByDeviation(std::vector<HitRow>& rows)
{
    struct Hit {
        std::size_t first; // the hit's row
        std::size_t count; // the hit and its formula row
        double deviation;
    };
    std::vector<Hit> hits;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].formula && !hits.empty())
            ++hits.back().count;
        else
            hits.push_back({i, 1, rows[i].deviation});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& x, const Hit& y) { return x.deviation < y.deviation; });
    // A run of deviations, each within the margin of the one before, is one value.
    for (auto run = hits.begin(); run != hits.end();) {
        auto end = std::next(run);
        while (end != hits.end() && end->deviation - std::prev(end)->deviation <= kOrbMargin)
            ++end;
        std::sort(run, end, [](const Hit& x, const Hit& y) { return x.first < y.first; });
        run = end;
    }
    std::vector<HitRow> sorted;
    sorted.reserve(rows.size());
    for (const Hit& hit : hits)
        for (std::size_t i = hit.first; i < hit.first + hit.count; ++i)
            sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

// One search: every candidate goes through Consider, which lists it when it is a hit.
class HitSearcher {
  public:
    HitSearcher(const ReportSnapshot& snap, const HitSettings& settings)
        : FSnap(snap)
        , FSettings(settings)
        , FChart(settings.targetLayer == kLayerTransit ? snap.transitFactors : snap.natalFactors)
        , FStudied(settings.targetLayer == snap.indexLayer ? StudiedIdentity(snap) : PointIdentity{})
    {
    }

    HitReport Run()
    {
        HitReport report;
        // A base of 0 has no multiples: every deviation would be undefined.
        report.searched = FSettings.orb != 0.0 && FSettings.base > 0.0 && FSettings.targetLayer >= kLayerNatal
                          && FSettings.targetLayer <= kLayerV2Double && TargetChartCast(FSnap, FSettings.targetLayer);
        if (!report.searched)
            return report;
        for (int kind = 1; kind <= kHitKindCount; ++kind)
            if (FSettings.kinds[static_cast<std::size_t>(kind - 1)])
                SearchKind(kind);
        if (FSettings.sortByOrb)
            SortByDeviation(FRows);
        report.hitCount = FHitCount;
        report.studied = StudiedIdentity(FSnap);
        report.rows = std::move(FRows);
        return report;
    }

  private:
    double P(int factor) const { return FChart[static_cast<std::size_t>(factor)].Lon; }

    void SearchKind(int kind)
    {
        switch (kind) {
        case 1:
            SearchSingles(0, false);
            break;
        case 2:
            SearchSingles(1, true);
            break;
        case 3:
        case 4:
            SearchPairs(kind == 4);
            break;
        default:
            SearchTriples(kind);
            break;
        }
    }

    void SearchSingles(int first, bool reflected)
    {
        for (int n = first; n <= kLastHitFactor; ++n) {
            const double lon = reflected ? ReflectionPoint(P(n), FSnap.axis) : P(n);
            Consider(lon, FormulaStyle::Factor, n, IdentityOf(reflected ? 2 : 1, n),
                     [&] { return std::string(reflected ? "-" : "").append(FactorName(n)); });
        }
    }

    void SearchPairs(bool reflected)
    {
        for (int a = 0; a <= kLastHitFactor; ++a)
            for (int b = a + 1; b <= kLastHitFactor; ++b) {
                const double mid = FactorMidpoint(FChart, a, b);
                const double lon = reflected ? ReflectionPoint(mid, FSnap.axis) : mid;
                Consider(lon, FormulaStyle::Pair, 0, IdentityOf(reflected ? 4 : 3, a, b),
                         [&] { return reflected ? "-(" + PairName(a, b) + ")" : PairName(a, b); });
            }
    }

    void SearchTriples(int kind)
    {
        const int sensKind = kind - 4; // A+B-C, A+B+C, A-B-C, A/B//C as the sensitive points number them
        for (int c = 0; c <= kLastHitFactor; ++c)
            for (int a = 0; a <= kLastHitFactor; ++a)
                for (int b = 1; b <= kLastHitFactor; ++b)
                    if (TripleAdmitted(kind, a, b, c))
                        Consider(SensitivePoint(sensKind, FChart, a, b, c), FormulaStyle::None, 0,
                                 IdentityOf(kind, a, b, c), [&] { return SensitiveName(sensKind, a, b, c); });
    }

    // Lists the candidate at `chartLon` (before the shift into the target layer) when it
    // stands within the orb and is not the studied point itself, with its formula row.
    template <class NameFn>
    void Consider(double chartLon, FormulaStyle style, int factor, const PointIdentity& identity, NameFn name)
    {
        const double lon = ShiftToLayer(chartLon, FSettings.targetLayer, FSnap.arcs);
        const AspectResult r = AspectOf(FSnap.indexPoint, lon, FSettings.base);
        if (std::fabs(r.orb) > FSettings.orb + kOrbMargin)
            return;
        if (FStudied.kind != 0 && identity == FStudied)
            return;
        std::string hitName = name();
        std::string formula = FormulaText(style, hitName, factor);
        FRows.push_back({std::move(hitName), lon, r.aspect, r.orb, false, identity});
        ++FHitCount;
        if (!formula.empty())
            FRows.push_back({std::move(formula), lon, r.aspect, r.orb, true, identity});
    }

    std::string FormulaText(FormulaStyle style, const std::string& hitName, int factor) const
    {
        const std::size_t codeLength = FSnap.indexFactorCode.size();
        const std::string studied(Abbr(FSnap.indexCodeFactor));
        if (style == FormulaStyle::Factor && codeLength == 2)
            return studied + "+" + std::string(Abbr(factor));
        if (style == FormulaStyle::Factor && codeLength == 4)
            return FSnap.indexName + "=" + std::string(Abbr(factor));
        if (style == FormulaStyle::Pair && codeLength == 2)
            return hitName + "=" + studied;
        return {};
    }

    const ReportSnapshot& FSnap;
    const HitSettings& FSettings;
    const FactorPositions& FChart;
    const PointIdentity FStudied; // kind 0 when the target layer is not the studied point's
    std::vector<HitRow> FRows;
    int FHitCount = 0;
};

std::string LayerPointLabel(int layer)
{
    return ValidLayer(layer) ? std::string(ChartLayerPointLabels[static_cast<std::size_t>(layer)]) : std::string();
}

} // namespace

bool TargetLayerOffered(const ReportSnapshot& snap, ChartLayer layer)
{
    if (layer == kLayerNatal || layer == kLayerTransit)
        return TargetChartCast(snap, layer);
    return layer >= kLayerV1 && layer <= kLayerV2Double && snap.natalComputed && snap.transitComputed
           && layer != snap.indexLayer;
}

ChartLayer OpeningTargetLayer(const ReportSnapshot& snap, ChartLayer current)
{
    if (snap.natalComputed)
        return kLayerNatal;
    if (snap.transitComputed)
        return kLayerTransit;
    return current;
}

HitReport SearchHits(const ReportSnapshot& snap, const HitSettings& settings)
{
    return HitSearcher(snap, settings).Run();
}

std::string HitAngleText(double angleDeg)
{
    const double whole = IntPart(angleDeg);
    const double value = whole + (std::fabs(angleDeg) - std::fabs(whole)) * 60.0 / 100.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5.1f", value);
    return buf;
}

std::string StudiedPointTitle(const ReportSnapshot& snap)
{
    const std::string_view label =
        ValidLayer(snap.indexLayer) ? ChartLayerLabels[static_cast<std::size_t>(snap.indexLayer)] : std::string_view{};
    return snap.indexName + std::string(label);
}

std::string HitCountText(const HitReport& report)
{
    if (report.hitCount == 0)
        return kNoHits;
    return kHitsFound + std::to_string(report.hitCount) + kHitsUnit;
}

std::vector<HitGridRow> HitGridRows(const ReportSnapshot& snap, const HitReport& report)
{
    std::vector<HitGridRow> rows = {kHeaderRow, {"", snap.indexName, snap.indexText, ""}};
    rows.reserve(report.rows.size() + 2);
    for (const HitRow& row : report.rows) {
        if (row.formula)
            rows.push_back({"", row.name, "", ""});
        else
            rows.push_back(
                {HitAngleText(row.angle), row.name, WinDeg::PositionText(row.longitude), DeviationText(row.deviation)});
    }
    return rows;
}

std::vector<std::string> HitReportFileLines(const ReportSnapshot& snap, ChartLayer targetLayer, const HitReport& report)
{
    std::vector<std::string> lines;
    if (snap.natalComputed)
        lines.push_back(IdentityLine(snap.natalInput));
    if (snap.transitComputed)
        lines.push_back(IdentityLine(snap.transitInput));
    if (snap.natalComputed && snap.transitComputed) {
        lines.push_back(kArcLine + WinDeg::ArcText(snap.arcs.arc));
        lines.push_back(kHalfArcLine + WinDeg::ArcText(snap.arcs.halfArc));
        lines.push_back(kDoubleArcLine + WinDeg::ArcText(snap.arcs.doubleArc));
    }
    lines.push_back(snap.indexName + LayerPointLabel(snap.indexLayer) + " " + snap.indexText + kAspectsWith
                    + LayerPointLabel(targetLayer));
    for (const HitGridRow& row : HitGridRows(snap, report))
        if (!row[0].empty())
            lines.push_back(JoinFields({row.begin(), row.end()}));
    return lines;
}

} // namespace nemra
