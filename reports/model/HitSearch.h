// The hit-point report: every factor, reflection point, midpoint and three-factor point of
// one chart layer that stands within an orb of a whole multiple of a base angle from the
// studied point (the dial index), its grid rows and the lines of its text file.
#pragma once

#include "reports/model/ReportSnapshot.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

// Kinds of hit point 1..8 (index kind - 1): single factors, reflection points, A/B,
// -(A/B), A+B-C, A+B+C, A-B-C, A/B//C.
inline constexpr int kHitKindCount = 8;
extern const std::array<std::string_view, kHitKindCount> HitKindCaptions;
inline constexpr std::array<bool, kHitKindCount> kDefaultHitKinds = {true,  true,  true,  false,
                                                                     false, false, false, false};

// Captions of the target layers 1..8 (index 0 is empty).
extern const std::array<std::string_view, 9> TargetLayerCaptions;

struct HitSettings {
    ChartLayer targetLayer = kLayerNatal; // the layer searched
    double base = 45.0;                   // degrees, > 0
    double orb = 1.0;                     // degrees; 0 means no search
    std::array<bool, kHitKindCount> kinds = kDefaultHitKinds;
    bool sortByOrb = false; // ascending signed deviation (within 1e-9 degrees: found order), else loop order
};

// A point as the search forms it: its kind 1..8 (as HitKindCaptions number them from 1) and
// its factors in one order, so that every way of writing one point compares equal: a
// midpoint's pair in factor order, A and B of A+B-C and of A/B//C in factor order, B and C
// of A-B-C in factor order, the three factors of A+B+C sorted. Kind 0 is no such point.
struct HitPoint {
    int kind = 0;
    std::array<int, 3> factors{};
    friend bool operator==(const HitPoint&, const HitPoint&) = default;
};

// One listed row: a hit, or the formula row that follows a hit of kinds 1 to 4.
struct HitRow {
    std::string name;       // the hit name, or the formula text of a formula row
    double longitude = 0.0; // degrees
    double angle = 0.0;     // the aspect angle, degrees 0..180
    double deviation = 0.0; // signed degrees
    bool formula = false;
    HitPoint point; // the hit (a formula row: its hit's)
};

struct HitReport {
    bool searched = false; // false for orb 0, base 0 or a target layer whose chart is not cast
    int hitCount = 0;      // formula rows are not counted
    std::vector<HitRow> rows;
    HitPoint studied; // the studied point as a point of the search, whatever the layer
};

// Whether the report offers a target layer: the natal layer with a natal chart, the
// transit layer with a transit chart, a directed layer with both charts unless the studied
// point was taken from it.
bool TargetLayerOffered(const ReportSnapshot& snap, ChartLayer layer);

// The target layer when the report opens: natal when there is a natal chart, else transit
// when there is a transit chart, else `current`.
ChartLayer OpeningTargetLayer(const ReportSnapshot& snap, ChartLayer current);

HitReport SearchHits(const ReportSnapshot& snap, const HitSettings& settings);

// The aspect angle as degrees.minutes, width 5 and 1 decimal: 45 -> " 45.0", 22.5 ->
// " 22.3", 7.5 -> "  7.3".
std::string HitAngleText(double angleDeg);

// Label1: the studied point's name and the label of its layer.
std::string StudiedPointTitle(const ReportSnapshot& snap);

// Label5: "ไม่มีจุดกระทบ" or "พบจุดกระทบ n จุด".
std::string HitCountText(const HitReport& report);

// The grid: the header row, the studied point's row, then one row per listed row (a
// formula row has its text in column 1 only).
using HitGridRow = std::array<std::string, 4>;
std::vector<HitGridRow> HitGridRows(const ReportSnapshot& snap, const HitReport& report);

// The lines of the text file: the charts' identity lines, the arcs when both charts are
// cast, the line naming the studied point and the target layer, then every grid row whose
// column 0 is not empty (the header and the hits), cells joined by ",".
std::vector<std::string> HitReportFileLines(const ReportSnapshot& snap, ChartLayer targetLayer,
                                            const HitReport& report);

} // namespace nemra
