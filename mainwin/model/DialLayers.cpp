#include "mainwin/model/DialLayers.h"

#include "core/AngleMath.h"
#include "mainwin/model/Session.h"

#include <algorithm>
#include <array>
#include <list>
#include <map>
#include <numbers>

namespace nemra {
namespace {

constexpr double kMinGlyphGap = 5.0;  // screen degrees between neighbouring glyphs
constexpr int kLastPersonalPoint = 5; // factors 1..5 take the strong colours

struct SpreadNode {
    int factor = 0;
    double position = 0.0;
};

// Fixed appearance of one ring.
struct RingStyle {
    int firstFactor = 1;
    double reflectedRadius = 0.0;
    double trueRadius = 0.0;
    double leaderStart = DialRadius::kScale; // outer end of the segments
    std::vector<LeaderSegment> segmentsNatalShown;
    Rgb personal;
    Rgb other;
};

const RingStyle& StyleOf(DialLayer layer)
{
    static const RingStyle kNatal{1, 145, 155, 140, {}, DialColour::kRed, DialColour::kBlue};
    static const RingStyle kArc{
        0, 180, 195, 175, {{140, 145}, {170, 175}}, DialColour::kArcPersonal, DialColour::kArcOther};
    static const RingStyle kTransit{
        1, 220, 235, 215, {{140, 145}, {170, 180}, {210, 215}}, DialColour::kRed, DialColour::kBlue};
    switch (layer) {
    case DialLayer::Arc:
        return kArc;
    case DialLayer::Transit:
        return kTransit;
    default:
        return kNatal;
    }
}

// With the natal ring hidden the segments of an outer ring join into one line from the scale.
std::vector<LeaderSegment> SegmentsOf(const RingStyle& style, bool natalShown)
{
    if (natalShown || style.segmentsNatalShown.empty())
        return style.segmentsNatalShown;
    return {{DialRadius::kScale, style.leaderStart}};
}

bool IsPersonalPoint(int factor)
{
    return factor >= 1 && factor <= kLastPersonalPoint;
}

const TChartRecord& SourceRecord(const MainSession& s, DialLayer layer)
{
    return layer == DialLayer::Transit ? s.FTransit : s.FNatal;
}

GlyphMark MarkAt(double exactAngle, double glyphAngle, double radius, double leaderStart, Rgb colour, int centre)
{
    GlyphMark m;
    m.exactAngle = exactAngle;
    m.glyphAngle = glyphAngle;
    m.radius = radius;
    m.colour = colour;
    m.leaderFrom = DialPoint(exactAngle, leaderStart, centre);
    m.leaderTo = DialPoint(glyphAngle, radius, centre);
    m.textTopLeft = FactorGlyphTopLeft(m.leaderTo, radius, centre);
    return m;
}

} // namespace

double ScreenAngle(double lonDeg, int dialType)
{
    return dialType == 90 ? Normalize360(4.0 * lonDeg) : lonDeg;
}

GlyphRoom ExtraGlyphRoom(const std::array<int, kFactorCount>& widths, double radius)
{
    GlyphRoom room{};
    if (radius <= 0.0)
        return room;
    for (std::size_t f = 0; f < room.size(); ++f) {
        const double excess = std::max(0, widths[f] - kOneGlyphWidth) / 2.0;
        room[f] = excess / radius * 180.0 / std::numbers::pi;
    }
    return room;
}

DialPairs SpreadGlyphs(const DialPairs& screen, int dialType, int axis, const GlyphRoom& extraRoom)
{
    std::list<SpreadNode> sorted;
    for (int f = 0; f < kDialFactorCount; ++f) {
        const double position = screen[static_cast<std::size_t>(f)].Lon;
        const auto at = std::find_if(sorted.begin(), sorted.end(),
                                     [position](const SpreadNode& n) { return n.position >= position; });
        sorted.insert(at, {f, position});
    }
    std::vector<SpreadNode> p(sorted.begin(), sorted.end());
    const auto room = [&extraRoom](const SpreadNode& n) { return extraRoom[static_cast<std::size_t>(n.factor)]; };
    for (std::size_t k = 1; k < p.size(); ++k) {
        const double gap = kMinGlyphGap + room(p[k - 1]) + room(p[k]);
        if (p[k].position - p[k - 1].position < gap)
            p[k].position = p[k - 1].position + gap;
    }
    SpreadNode& last = p[p.size() - 1];
    if (last.position > 357.0 && p[p.size() - 2].position < 354.0)
        last.position = 357.0;

    const double mirror = dialType == 90 ? 360.0 : axis;
    DialPairs spread{};
    for (const SpreadNode& n : p) {
        auto& out = spread[static_cast<std::size_t>(n.factor)];
        out.Lon = n.position;
        out.Refl = mirror - n.position;
    }
    return spread;
}

LayerPlan PlanLayer(const MainSession& s, DialLayer layer)
{
    const RingStyle& style = StyleOf(layer);
    const TChartRecord& source = SourceRecord(s, layer);
    const int centre = s.FChartCenter;

    DialPairs exact{};
    for (int f = 0; f < kDialFactorCount; ++f) {
        const TFactorPos& pos = source.Factors[static_cast<std::size_t>(f)];
        exact[static_cast<std::size_t>(f)] = {ScreenAngle(pos.Lon, s.FDialType), ScreenAngle(pos.Refl, s.FDialType)};
    }
    DialPairs spread = SpreadGlyphs(exact, s.FDialType, s.FAxis, ExtraGlyphRoom(s.FGlyphWidths, style.trueRadius));
    if (layer == DialLayer::Arc) {
        // The directed ring is the natal ring turned by the arc, spread as the natal one.
        const double turn = s.FDialType == 90 ? 4.0 * s.FArc : s.FArc;
        for (DialPairs* pairs : {&exact, &spread}) {
            for (TFactorPos& pos : *pairs) {
                pos.Lon = Normalize360(pos.Lon + turn);
                pos.Refl = Normalize360(pos.Refl + turn);
            }
        }
    }

    LayerPlan plan;
    plan.segments = SegmentsOf(style, s.FNatal.Visible);
    for (int f = style.firstFactor; f < kDialFactorCount; ++f) {
        const auto i = static_cast<std::size_t>(f);
        FactorMarks marks;
        marks.factor = f;
        // Reflections are counted from factor 1; the Aries point's own is never drawn.
        if (f >= 1 && f <= s.FMaxContracia) {
            const Rgb grey = IsPersonalPoint(f) ? DialColour::kGrey : DialColour::kSilver;
            marks.reflected =
                MarkAt(exact[i].Refl, spread[i].Refl, style.reflectedRadius, style.leaderStart, grey, centre);
        }
        const Rgb colour = IsPersonalPoint(f) ? style.personal : style.other;
        marks.truePos = MarkAt(exact[i].Lon, spread[i].Lon, style.trueRadius, style.leaderStart, colour, centre);
        plan.factors.push_back(marks);
    }
    return plan;
}

namespace {

int ScanCornerTextRoom(int left, int top, int bottom, int centre)
{
    // Every glyph place of the top-left quarter (screen angles 0..90) on every ring, true and
    // reflected, in tenths of a degree: the left edge of the leftmost box across the rows.
    constexpr int kStepsPerDegree = 10;
    int nearest = centre;
    for (const DialLayer layer : {DialLayer::Natal, DialLayer::Arc, DialLayer::Transit}) {
        const RingStyle& style = StyleOf(layer);
        for (const double radius : {style.reflectedRadius, style.trueRadius}) {
            for (int step = 0; step <= 90 * kStepsPerDegree; ++step) {
                const double angle = static_cast<double>(step) / kStepsPerDegree;
                const DialPixel box = FactorGlyphTopLeft(DialPoint(angle, radius, centre), radius, centre);
                if (box.y <= bottom && box.y + kOneGlyphWidth > top)
                    nearest = std::min(nearest, box.x);
            }
        }
    }
    return std::max(0, nearest - left);
}

} // namespace

int CornerTextRoom(int left, int top, int bottom, int centre)
{
    // The scan costs thousands of trigonometric calls and its answer depends only on the
    // layout, which repeats on every repaint: remember the answers (a handful of title lines
    // at one or two dial sizes).
    using Key = std::array<int, 4>;
    thread_local std::map<Key, int> known;
    const Key key{left, top, bottom, centre};
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    if (known.size() > 256)
        known.clear();
    return known[key] = ScanCornerTextRoom(left, top, bottom, centre);
}

TChartRecord& LayerGlyphRecord(MainSession& s, DialLayer layer)
{
    switch (layer) {
    case DialLayer::Arc:
        return s.FProgressed;
    case DialLayer::Transit:
        return s.FTransit;
    default:
        return s.FNatal;
    }
}

} // namespace nemra
