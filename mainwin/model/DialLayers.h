// The factor rings of the dial: glyph spreading and, per ring, where every glyph, its leader
// line and the leader segments at the exact position go and in what colour. The renderer
// only paints what this plans. Angles are screen degrees of the dial in force (on the 90
// dial a longitude v stands at 4v).
#pragma once

#include "core/ChartRecord.h"
#include "mainwin/model/DialGeometry.h"

#include <array>
#include <optional>
#include <vector>

namespace nemra {

struct MainSession;

// Factors 0..21 take part in spreading; Ketu (22) is never drawn.
inline constexpr int kDialFactorCount = 22;
using DialPairs = std::array<TFactorPos, kDialFactorCount>;

// Screen angle of a longitude on a dial of type 360 or 90, in one turn.
double ScreenAngle(double lonDeg, int dialType);

// Room in screen degrees that each factor's glyph needs on either side beyond what a
// one-letter glyph needs (0 for a one-letter glyph).
using GlyphRoom = std::array<double, kDialFactorCount>;

// The extra room of each glyph on a ring of `radius` pixels: half of what its drawn width
// (pixels) exceeds a one-letter glyph's, as the angle it takes on that ring.
GlyphRoom ExtraGlyphRoom(const std::array<int, kFactorCount>& widths, double radius);

// Spreads the true glyphs of 22 factors (screen angles) so that no two stand closer than 5
// degrees plus the extra room of both (a wider glyph keeps its neighbours as far from its
// edges as one-letter glyphs keep from each other): sorted insertion (a later factor goes
// before equal positions), a forward sweep that only ever pushes on (positions may pass
// 360), and a guard that pulls the last one back to 357 when it passed it and its
// neighbour is below 354. Each reflected glyph goes to the mirror image of its spread true
// glyph: axis - position on the 360 dial, 360 - position on the 90 dial, not reduced.
DialPairs SpreadGlyphs(const DialPairs& screen, int dialType, int axis, const GlyphRoom& extraRoom = {});

enum class DialLayer { Natal, Arc, Transit };

// A stretch of a leader line between two radii, drawn at a factor's exact angle.
struct LeaderSegment {
    double from = 0.0;
    double to = 0.0;
};

// One glyph as a ring draws it.
struct GlyphMark {
    double exactAngle = 0.0; // where the factor really stands (screen degrees)
    double glyphAngle = 0.0; // where its glyph stands after spreading
    double radius = 0.0;
    Rgb colour;
    DialPixel leaderFrom;  // exact angle at the outer end of the segments
    DialPixel leaderTo;    // glyph angle at the glyph radius
    DialPixel textTopLeft; // what GlyphX/GlyphY store
};

struct FactorMarks {
    int factor = 0;
    std::optional<GlyphMark> reflected; // absent: not drawn, slots set to -20
    GlyphMark truePos;
};

struct LayerPlan {
    std::vector<LeaderSegment> segments; // the same for every glyph of the ring
    std::vector<FactorMarks> factors;    // in ascending factor order
};

// The ring of a layer as the session's state asks for it (dial type, axis, reflection
// count, arc, natal visibility). The caller decides whether the layer is shown.
LayerPlan PlanLayer(const MainSession& s, DialLayer layer);

// The width in pixels a text line may take in the dial's top-left corner when it starts
// at x = `left` and covers the rows `top`..`bottom`: up to the nearest place where a factor
// glyph of any ring can stand across those rows, so a title never reaches the glyphs.
int CornerTextRoom(int left, int top, int bottom, int centre);

// The record whose GlyphX/GlyphY a layer fills: FNatal, FProgressed or FTransit.
TChartRecord& LayerGlyphRecord(MainSession& s, DialLayer layer);

} // namespace nemra
