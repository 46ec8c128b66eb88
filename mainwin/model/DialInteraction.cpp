#include "mainwin/model/DialInteraction.h"

#include "core/AngleMath.h"
#include "core/WinDeg.h"
#include "dials/model/DialIndex.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace nemra {
namespace {

// The grip ring: from the house ring (360 dial) or the centre circle (90 dial) out to the
// scale circle.
constexpr int kGripInner360 = 90;
constexpr int kGripInner90 = 10;
constexpr int kGripOuter = 140;
// Screen degrees per dial degree on the 90 dial.
constexpr int kDial90Speed = 4;
// An axis marker's square, borders included.
constexpr int kMarkerBox = 15;
// The reflection counts of the ReflectSelectList items.
constexpr std::array<int, 3> kReflectionCounts = {21, 5, 0};

struct MarkerBox {
    int left = 0;
    int top = 0;
    bool contains(int x, int y) const { return x >= left && x < left + kMarkerBox && y >= top && y < top + kMarkerBox; }
};

// The marker at the top of the dial (Aries, or Cancer on the 90 dial) and the Cancer
// marker at the left edge of the 360 dial.
MarkerBox TopMarker(int centre)
{
    return {centre - 8, 1};
}
MarkerBox LeftMarker(int centre)
{
    return {1, centre - 8};
}

struct PickedGlyph {
    int layer = 0;
    int factor = 0;
    bool reflected = false;
};

// The rings in the order a pick tries them, with their first factor.
struct PickRing {
    int layer;
    int firstFactor;
};
constexpr std::array<PickRing, 3> kPickRings = {{{kLayerNatal, 1}, {kLayerTransit, 1}, {kLayerV1, 0}}};

bool RingShown(const MainSession& s, int layer)
{
    switch (layer) {
    case kLayerNatal:
        return s.FNatal.Computed && s.FNatal.Visible;
    case kLayerTransit:
        return s.FTransit.Computed && s.FTransit.Visible;
    default:
        return s.FNatal.Computed && s.FTransit.Computed && s.FShowV1;
    }
}

const TChartRecord& RingRecord(const MainSession& s, int layer)
{
    switch (layer) {
    case kLayerNatal:
        return s.FNatal;
    case kLayerTransit:
        return s.FTransit;
    default:
        return s.FProgressed;
    }
}

// A factor glyph's box from its stored top-left corner, borders excluded: one letter's
// square, or as wide as the glyph is drawn when it is wider ("MC", "AS").
bool GlyphHit(const MainSession& s, const TChartRecord& rec, int factor, std::size_t slot, int x, int y)
{
    const auto f = static_cast<std::size_t>(factor);
    const int left = rec.GlyphX[f][slot];
    const int top = rec.GlyphY[f][slot];
    const int width = std::max(kOneGlyphWidth, s.FGlyphWidths[f]);
    return left < x && x < left + width && top < y && y < top + kOneGlyphWidth;
}

// The first glyph under (x, y) among the rings on screen. Rings not drawn under the
// present state are skipped: their stored positions are stale or were never set.
std::optional<PickedGlyph> GlyphAt(const MainSession& s, int x, int y)
{
    for (const PickRing& ring : kPickRings) {
        if (!RingShown(s, ring.layer))
            continue;
        const TChartRecord& rec = RingRecord(s, ring.layer);
        for (int f = ring.firstFactor; f <= kLastPositionedFactor; ++f) {
            if (GlyphHit(s, rec, f, kTrueGlyph, x, y))
                return PickedGlyph{ring.layer, f, false};
            if (GlyphHit(s, rec, f, kReflectedGlyph, x, y))
                return PickedGlyph{ring.layer, f, true};
        }
    }
    return std::nullopt;
}

int MidSourceOfLayer(int layer)
{
    switch (layer) {
    case kLayerTransit:
        return kMidTransit;
    case kLayerV1:
        return kMidV1;
    default:
        return kMidNatal;
    }
}

// One factor, or its reflection, of the natal, transit or V1 set as the index, set
// through the factor dial; the dial and the grid pick through here alike. A true V1
// factor numbers the houses from itself, and no chart's cusps belong to a directed point.
// A reflection is not the factor itself: its code would make the reports write the
// factor's own formulas, so it has none.
void PickFactor(MainSession& s, int layer, int factor, bool reflected)
{
    MidpointChoice choice;
    choice.source = MidSourceOfLayer(layer);
    choice.factorA = factor;
    choice.reflect = reflected;
    SetMidpointIndex(s, choice);
    if (layer == kLayerV1) {
        s.FIndexDial = reflected ? -1 : factor;
        s.GHouseChart = kLayerNone;
    }
    if (reflected)
        s.IndexFactorCode.clear();
}

// Ending of a marker pick: a point of the zodiac with its position as sub-title.
void FinishMarkerPick(MainSession& s)
{
    s.FIndexMode = kIndexZodiac;
    s.FIndexFactorA = kAries;
    s.FIndexDial = 0;
    s.FIndexAccepted = true;
    ShowIndex(s);
}

void PickCancerPoint(MainSession& s)
{
    SetZodiacIndex(s);
    s.FDialTitle = kCancerPointName;
    FinishMarkerPick(s);
}

void PickAriesPoint(MainSession& s)
{
    s.IndexLayer = kLayerNatal;
    s.FDialRotation = s.FNatal.Factors[kAries].Lon;
    s.IndexName = std::string(FactorNamesThai[kAries]);
    s.IndexFactorCode = UpperFactorCode(kAries);
    s.IndexCodeFactor = kAries;
    s.FDialTitle = kAriesPointTitle;
    FinishMarkerPick(s);
}

bool OnCancerMarker(const MainSession& s, int x, int y)
{
    if (s.FAxis != 180)
        return false;
    const MarkerBox box = s.FDialType == 90 ? TopMarker(s.FChartCenter) : LeftMarker(s.FChartCenter);
    return box.contains(x, y);
}

// The dragged ring's pointer as the index: a user-defined point at the new rotation.
void MakeUserPoint(MainSession& s)
{
    s.FDialTitle = kUserPointTitle;
    s.IndexName = kUserPointTitle;
    s.IndexFactorCode.clear();
    s.IndexLayer = kLayerNone;
    s.FIndexMode = kIndexZodiac;
    s.FIndexDial = -1;
    ShowIndex(s);
}

DialRefresh IndexChanged()
{
    DialRefresh r;
    r.drawChart = true;
    r.commandState = true;
    return r;
}

void EndDrag(DialInteraction& ia, DialMouseResult& result)
{
    ia.FDragging = false;
    result.areaCursor = DialCursor::Arrow;
    result.screenCursor = DialCursor::Arrow;
}

} // namespace

int DistanceFromCenter(int x, int y, int centre)
{
    const double dx = x - centre;
    const double dy = y - centre;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

double DialAngleOf(int dx, int dy)
{
    if (dx == 0)
        return dy > 0 ? 180.0 : 0.0;
    if (dy == 0)
        return dx > 0 ? 270.0 : 90.0;
    const double t = WinDeg::ArcTanDeg(static_cast<double>(dx) / dy);
    if (dy > 0)
        return t + 180.0;
    return dx > 0 ? t + 360.0 : t;
}

bool InGripRing(const MainSession& s, int x, int y)
{
    const int d = DistanceFromCenter(x, y, s.FChartCenter);
    const int inner = s.FDialType == 90 ? kGripInner90 : kGripInner360;
    return d >= inner && d <= kGripOuter;
}

DialCursor HoverCursor(const MainSession& s, int x, int y)
{
    return InGripRing(s, x, y) ? DialCursor::Grip : DialCursor::Arrow;
}

double DragStepRotation(double rotation, double fromAngle, double toAngle, int dialType)
{
    const double step = ShortestArc(fromAngle, toAngle);
    return Normalize360(rotation + (dialType == 90 ? step / kDial90Speed : step));
}

DialRefresh TurnPointerTo(MainSession& s, double lon)
{
    s.FDialRotation = Normalize360(lon);
    MakeUserPoint(s);
    return IndexChanged();
}

DialMouseResult DialMouseDown(DialInteraction& ia, const MainSession& s, int x, int y)
{
    DialMouseResult result;
    if (!InGripRing(s, x, y))
        return result;
    ia.FDragging = true;
    ia.FDragAngle = DialAngleOf(x - s.FChartCenter, y - s.FChartCenter);
    result.areaCursor = DialCursor::Grab;
    result.screenCursor = DialCursor::Grab;
    return result;
}

DialMouseResult DialMouseMove(DialInteraction& ia, MainSession& s, int x, int y, bool buttonHeld)
{
    DialMouseResult result;
    result.areaCursor = HoverCursor(s, x, y);
    if (ia.FDragging && !buttonHeld) {
        EndDrag(ia, result);
        result.areaCursor = HoverCursor(s, x, y);
        return result;
    }
    if (!ia.FDragging || !InGripRing(s, x, y))
        return result;
    const double a = DialAngleOf(x - s.FChartCenter, y - s.FChartCenter);
    result.areaCursor = DialCursor::Grab;
    s.FDialRotation = DragStepRotation(s.FDialRotation, ia.FDragAngle, a, s.FDialType);
    MakeUserPoint(s);
    result.refresh = IndexChanged();
    ia.FDragAngle = a;
    return result;
}

void DialDoubleClick(DialInteraction& ia)
{
    ia.FDialDblClicked = true;
}

DialMouseResult DialMouseUp(DialInteraction& ia, MainSession& s, int x, int y, KeyState keys)
{
    DialMouseResult result;
    if (ia.FDialDblClicked) {
        if (PickAllowed(keys) && PickDialPoint(s, x, y))
            result.refresh = IndexChanged();
        ia.FDialDblClicked = false;
    }
    if (ia.FDragging)
        EndDrag(ia, result);
    return result;
}

bool PickAllowed(KeyState keys)
{
    const bool onlyCtrl = keys.ctrl && !keys.shift && !keys.other;
    const bool onlyShift = keys.shift && !keys.ctrl && !keys.other;
    return !onlyCtrl && !onlyShift;
}

bool PickDialPoint(MainSession& s, int x, int y)
{
    if (OnCancerMarker(s, x, y)) {
        PickCancerPoint(s);
        return true;
    }
    if (TopMarker(s.FChartCenter).contains(x, y)) {
        PickAriesPoint(s);
        return true;
    }
    const std::optional<PickedGlyph> glyph = GlyphAt(s, x, y);
    if (!glyph)
        return false;
    PickFactor(s, glyph->layer, glyph->factor, glyph->reflected);
    return true;
}

void GridDoubleClick(DialInteraction& ia)
{
    ia.FGridDblClicked = true;
}

DialRefresh GridMouseUp(DialInteraction& ia, MainSession& s, int column, int row, KeyState keys)
{
    DialRefresh refresh;
    if (ia.FGridDblClicked && PickAllowed(keys) && PickGridCell(s, column, row))
        refresh = IndexChanged();
    ia.FGridDblClicked = false;
    return refresh;
}

bool PickGridCell(MainSession& s, int column, int row)
{
    static constexpr std::array<int, 4> kColumnLayers = {0, kLayerNatal, kLayerV1, kLayerTransit};
    if (column < 1 || column > 3 || row < 1 || row > kLastPositionedFactor)
        return false;
    const int layer = kColumnLayers[static_cast<std::size_t>(column)];
    const bool computed = layer == kLayerNatal ? s.FNatal.Computed
                          : layer == kLayerV1  ? s.FNatal.Computed && s.FTransit.Computed
                                               : s.FTransit.Computed;
    if (!computed)
        return false;
    PickFactor(s, layer, row, s.GridTab == 1);
    return true;
}

DialRefresh ChooseDialType(MainSession& s, int type)
{
    const DialType wanted = DialTypeOf(type);
    DialRefresh refresh;
    // The marks are set again also without a change: a checkable item flips its own mark.
    refresh.dialTypeControls = true;
    refresh.drawChart = wanted != s.FDialType;
    s.FDialType = wanted;
    return refresh;
}

DialRefresh ChooseDialTypeItem(MainSession& s, int item)
{
    if (item != 0 && item != 1)
        return {};
    return ChooseDialType(s, item == 0 ? 360 : 90);
}

DialRefresh ToggleDialType(MainSession& s)
{
    return ChooseDialType(s, s.FDialType == 360 ? 90 : 360);
}

DialRefresh ToggleHouseLines(MainSession& s)
{
    s.FHouseLines = !s.FHouseLines;
    DialRefresh refresh;
    refresh.houseLineChecks = true;
    refresh.drawChart = s.FDialType == 360 && s.FIndexDial >= 0;
    return refresh;
}

DialRefresh ChooseReflectionSet(MainSession& s, int item)
{
    if (item < 0 || item >= static_cast<int>(kReflectionCounts.size()))
        return {};
    s.FMaxContracia = kReflectionCounts[static_cast<std::size_t>(item)];
    DialRefresh refresh;
    refresh.contraciaControls = true;
    refresh.drawChart = true;
    return refresh;
}

int ReflectionSetItem(int maxContracia)
{
    for (std::size_t i = 0; i < kReflectionCounts.size(); ++i)
        if (kReflectionCounts[i] == maxContracia)
            return static_cast<int>(i);
    return -1;
}

DialRefresh ChooseChartLayers(MainSession& s, int item)
{
    if (item < kShowAll || item > kShowTransit)
        return {};
    SetDisplayMode(s, item);
    DialRefresh refresh;
    refresh.displayModeControls = true;
    refresh.drawChart = true;
    return refresh;
}

} // namespace nemra
