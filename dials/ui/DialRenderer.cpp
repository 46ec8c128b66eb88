#include "dials/ui/DialRenderer.h"

#include "core/AngleMath.h"
#include "core/FactorCatalogue.h"
#include "mainwin/model/HouseCusps.h"
#include "mainwin/model/Session.h"
#include "ui/common/DialFonts.h"
#include "ui/common/QtText.h"

#include <QLine>
#include <QPainter>
#include <QPolygon>
#include <QVector>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace nemra::ui {
namespace {

constexpr int kTitlePixels = 16;    // the arc caption keeps within the 20 pixels above the rule
constexpr int kMinTitlePixels = 11; // the smallest size a long title is set in before it is cut
constexpr int kHouseNumberPixels = 13;
constexpr int kFactorGlyphPoints = 16;
constexpr int kMarkerGlyphPoints = 18;
constexpr int kGlyphStored = -20; // GlyphX/GlyphY of a glyph not drawn

QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QString GlyphText(unsigned char code)
{
    return QString(QChar(static_cast<char16_t>(code)));
}

// A title line as it fits its corner at (left, top): in the title size when it fits, else
// in the largest smaller size that fits, else cut with an ellipsis at the smallest size.
struct FittedLine {
    QFont font;
    QString text;
};
FittedLine MeasureCornerLine(const QString& text, int left, int top, int centre)
{
    const QFont designFont = DialTextFont(kTitlePixels);
    const int room = CornerTextRoom(left, top, top + QFontMetrics(designFont).height() - 1, centre);
    for (int pixels = kTitlePixels; pixels >= kMinTitlePixels; --pixels) {
        const QFont font = DialTextFont(pixels);
        if (QFontMetrics(font).boundingRect(text).right() < room)
            return {font, text};
    }
    const QFont smallest = DialTextFont(kMinTitlePixels);
    const QFontMetrics metrics(smallest);
    QString cut = metrics.elidedText(text, Qt::ElideRight, room);
    // The ellipsis may carry a Thai mark past the measured advance: cut on until the ink fits.
    for (int width = room; !cut.isEmpty() && metrics.boundingRect(cut).right() >= room && width > 0; --width)
        cut = metrics.elidedText(text, Qt::ElideRight, width);
    return {smallest, cut};
}

// The fitted line, remembered: the titles and the layout repeat on every repaint, and the
// measuring tries one font size after another.
FittedLine FitCornerLine(const QString& text, int left, int top, int centre)
{
    using Key = std::tuple<QString, int, int, int>;
    thread_local std::map<Key, FittedLine> known;
    Key key{text, left, top, centre};
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    if (known.size() > 256)
        known.clear();
    return known.emplace(std::move(key), MeasureCornerLine(text, left, top, centre)).first->second;
}

// Hands the model the drawn width of every factor glyph: from the left edge of the text
// to the right end of its ink, at the size the rings draw it. "MC" and "AS" are two
// letters wide; picking and spreading need to know.
void MeasureGlyphWidths(MainSession& s)
{
    // The glyphs and their font never change: measure them once.
    static const auto widths = [] {
        decltype(MainSession::FGlyphWidths) measured{};
        const QFontMetrics metrics(GlyphFont(kFactorGlyphPoints));
        for (std::size_t f = 0; f < measured.size(); ++f)
            measured[f] = metrics.boundingRect(QChar(static_cast<char16_t>(FactorGlyphs[f]))).right() + 1;
        return measured;
    }();
    s.FGlyphWidths = widths;
}

} // namespace

void DrawChart(MainSession& s, QImage& image, std::span<const FinderPair> finderPairs)
{
    DialRenderer renderer;
    renderer.SetFinderPairs(finderPairs);
    renderer.Draw(s, image);
}

void PaintDial(MainSession& s, QPainter& painter, QPointF topLeft, double scale, double lineWidth)
{
    painter.save();
    painter.translate(topLeft);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    DialRenderer().Paint(s, painter, true, lineWidth);
    painter.restore();
}

void DialRenderer::Draw(MainSession& s, QImage& image)
{
    // The dial is FChartSize pixels square in logical pixels; an image with a device pixel
    // ratio above 1 (a high-density screen) is drawn on at its full resolution.
    const QSizeF logical = image.deviceIndependentSize();
    if (logical != QSizeF(s.FChartSize, s.FChartSize) || image.format() != QImage::Format_RGB32)
        image = QImage(s.FChartSize, s.FChartSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false); // 1-pixel lines in their exact colours
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Paint(s, painter);
}

void DialRenderer::Paint(MainSession& s, QPainter& painter, bool paper, double lineWidth)
{
    RegisterDialFonts();
    MeasureGlyphWidths(s);
    s_ = &s;
    p_ = &painter;
    c_ = s.FChartCenter;
    lineWidth_ = paper ? lineWidth : 0.0;
    paper_ = paper;

    if (s.FDialType == 90)
        Draw90Dial();
    else if (s.FDialType == 360)
        Draw360Dial();
    DrawTitles();
    if (s.FNatal.Computed && s.FNatal.Visible)
        DrawNatalLayer();
    if (s.FTransit.Computed && s.FTransit.Visible)
        DrawTransitLayer();
    if (s.FNatal.Computed && s.FTransit.Computed && s.FShowV1)
        DrawArcLayer();
    DrawFinderLines();

    p_ = nullptr;
    s_ = nullptr;
}

// --- the 360 dial -------------------------------------------------------------------

void DialRenderer::Draw360Dial()
{
    DrawFace(DialColour::kOuterRing360, {120, 90, 10});
    DrawFixedZodiac();
    std::array<DialPixel, 13> labelPoints{};
    DrawHouseRing(labelPoints);
    DrawHalfQuadrantPointers();
    DrawScaleTicks();
    const bool ariesAxis = s_->FAxis == 360;
    DrawAxisMarker(ariesAxis, SignGlyphs[ariesAxis ? 1 : 4]);
    DrawHouseCusps();
    if (s_->FHouseLines)
        DrawReflectedHouseLines(labelPoints);
}

void DialRenderer::DrawFace(Rgb outerRing, std::initializer_list<int> purpleCircles)
{
    SetPen(DialColour::kFrame);
    SetBrush(DialColour::kBackground);
    p_->drawRect(0, 0, s_->FChartSize - 1, s_->FChartSize - 1);
    SetPen(DialColour::kPurple);
    SetBrush(outerRing);
    Circle(DialRadius::kOuter);
    SetBrush(DialColour::kBackground);
    Circle(DialRadius::kMiddle);
    SetBrush(DialColour::kInnerDisc);
    SetPen(DialColour::kScale);
    Circle(DialRadius::kScale);
    SetPen(DialColour::kPurple);
    for (int r : purpleCircles)
        Circle(r);
    ClearBrush();
}

void DialRenderer::DrawFixedZodiac()
{
    const QFont font = GlyphFont(kMarkerGlyphPoints);
    for (int i = 1; i <= 12; ++i) {
        const double a = Normalize360(30.0 * i);
        SetPen(DialColour::kPurple);
        Spoke(a, 10, 90);
        Spoke(a, DialRadius::kOuter, DialRadius::kScale);
        const DialPixel anchor = DialPoint(30.0 * i - 15.0, DialRadius::kSignGlyphs, c_);
        Text(SignGlyphTopLeft(anchor, c_), GlyphText(SignGlyphs[static_cast<std::size_t>(i)]), font, SignColour(i));
    }
}

void DialRenderer::DrawHouseRing(std::array<DialPixel, 13>& labelPoints)
{
    const QFont font = DialTextFont(kHouseNumberPixels);
    const double rotation = s_->FDialRotation;
    for (int i = 1; i <= 12; ++i) {
        const double a = Normalize360(30.0 * i + rotation);
        SetPen(HouseLineColour(i, s_->FDialSubTitle.empty()));
        Spoke(a, DialRadius::kScale, 90);
        const int house = HouseNumber(i, s_->FIndexDial, rotation);
        const DialPixel anchor = DialPoint(a - 15.0, DialRadius::kHouseNumbers, c_);
        labelPoints[static_cast<std::size_t>(house)] = anchor;
        Text(HouseNumberTopLeft(anchor, c_), QString::number(house), font,
             HouseNumberColour(house, s_->FIndexMode, s_->FIndexDial));
        if (i % 3 == 0)
            Arrowhead(a, DialRadius::kScale, 4, 120);
    }
}

void DialRenderer::DrawHalfQuadrantPointers()
{
    SetPen(DialColour::kScale);
    for (int i = 0; i <= 3; ++i) {
        const double a = Normalize360(s_->FDialRotation + 45.0 + 90.0 * i);
        Spoke(a, DialRadius::kScale, 120);
        Arrowhead(a, DialRadius::kScale, 2, 120);
    }
}

void DialRenderer::DrawScaleTicks()
{
    SetPen(DialColour::kScale);
    for (int j = 1; j <= 71; ++j) {
        if (HasFiveDegreeTick(j))
            Spoke(Normalize360(5.0 * j + s_->FDialRotation), DialRadius::kScale, FiveDegreeTickInnerRadius(j));
    }
    for (int k = 1; k <= 359; ++k) {
        if (k % 5 != 0)
            Spoke(Normalize360(k + s_->FDialRotation), DialRadius::kScale, 135);
    }
}

void DialRenderer::DrawAxisMarker(bool atTop, unsigned char glyph)
{
    const QFont font = GlyphFont(kMarkerGlyphPoints);
    SetPen(DialColour::kRed);
    if (atTop) {
        Text({c_ - 9, 1}, GlyphText(glyph), font, DialColour::kRed);
        Line({c_, 120}, {c_, 20});
    } else {
        Text({1, c_ - 9}, GlyphText(glyph), font, DialColour::kRed);
        Line({120, c_}, {20, c_});
    }
}

void DialRenderer::DrawHouseCusps()
{
    const auto cusps = DialHouseCusps(*s_);
    if (!cusps)
        return;
    SetPen(DialColour::kRed, true);
    for (double cusp : *cusps)
        Spoke(cusp, DialRadius::kScale, DialRadius::kCuspOuter);
    SetPen(DialColour::kRed);
}

void DialRenderer::DrawReflectedHouseLines(const std::array<DialPixel, 13>& labelPoints)
{
    SetPen(DialColour::kRed);
    for (const HousePair& pair : ReflectedHousePairs(s_->FIndexDial))
        Line(labelPoints[static_cast<std::size_t>(pair.a)], labelPoints[static_cast<std::size_t>(pair.b)]);
}

// --- the 90 dial --------------------------------------------------------------------

void DialRenderer::Draw90Dial()
{
    DrawFace(DialColour::kOuterRing90, {125, 100, 90, 62, 10});
    const double start = Dial90ScaleStart(s_->FDialRotation);
    for (int i = 0; i < 180; ++i) {
        const double a = Normalize360(2.0 * i + start);
        Draw90Mark(i, a);
        if (Dial90HasBandBlock(i)) {
            SetPen(DialColour::kPurple);
            SetBrush(DialColour::kBlue);
            Polygon({DialPoint(a + 2, 100, c_), DialPoint(a - 2, 100, c_), DialPoint(a - 2, 90, c_),
                     DialPoint(a + 2, 90, c_)});
            ClearBrush();
        }
    }
    DrawAxisMarker(true, SignGlyphs[s_->FAxis == 360 ? 1 : 4]);
}

void DialRenderer::Draw90Mark(int step, double a)
{
    const Dial90Mark mark = Dial90MarkAt(step);
    SetPen(mark.pen);
    switch (mark.kind) {
    case Dial90Mark::Kind::Main:
        if (mark.spoke)
            Spoke(a, 62, 10);
        if (mark.third) {
            SetPen(DialColour::kThirds);
            Spoke(Normalize360(4.0 * step), DialRadius::kScale, 210);
            SetPen(mark.pen);
        }
        Spoke(a, DialRadius::kScale, 62);
        if (mark.narrowArrow)
            Arrowhead(a, DialRadius::kScale, 2, 125);
        if (mark.wideArrow)
            Arrowhead(a, DialRadius::kScale, 3, 110);
        if (mark.pointer) {
            SetBrush(DialColour::kRed);
            Polygon({DialPoint(a, DialRadius::kScale, c_), DialPoint(a + 3, 110, c_), DialPoint(a, 125, c_),
                     DialPoint(a - 3, 110, c_)});
            ClearBrush();
        }
        break;
    case Dial90Mark::Kind::Tens:
        Spoke(a, DialRadius::kScale, 62);
        break;
    case Dial90Mark::Kind::Eighth:
        Spoke(a, DialRadius::kScale, 100);
        Arrowhead(a, DialRadius::kScale, 2, 125);
        break;
    case Dial90Mark::Kind::Whole:
        Spoke(a, DialRadius::kScale, 125);
        Spoke(a, 100, 90);
        break;
    case Dial90Mark::Kind::Half:
        Spoke(a, DialRadius::kScale, 131);
        break;
    }
}

// --- titles and factor rings --------------------------------------------------------

void DialRenderer::DrawTitles()
{
    const QFont font = DialTextFont(kTitlePixels);
    SetPen(DialColour::kRed);
    // The two title lines keep to the corner, clear of the glyph rings, however long.
    for (const auto& [top, text] : {std::pair{1, &s_->FDialTitle}, std::pair{25, &s_->FDialSubTitle}}) {
        const FittedLine line = FitCornerLine(FromUtf8(*text), 1, top, c_);
        Text({1, top}, line.text, line.font, DialColour::kBlack);
    }
    if (s_->FNatal.Computed && s_->FTransit.Computed) {
        Text({1, s_->FChartSize - 20}, FromUtf8(ArcLabel(s_->FArcText[0])), font, DialColour::kBlack);
        SetPen(DialColour::kFrame);
        Line({0, s_->FChartSize - 1}, {s_->FChartSize, s_->FChartSize - 1});
    }
}

void DialRenderer::DrawNatalLayer()
{
    DrawLayer(DialLayer::Natal);
}

void DialRenderer::DrawTransitLayer()
{
    DrawLayer(DialLayer::Transit);
}

void DialRenderer::DrawArcLayer()
{
    DrawLayer(DialLayer::Arc);
}

// Each pair of the midpoint finder joined by a chord between the two factors' places on
// the scale circle, with a small square at each end. The chords are drawn in one call per
// colour and each end once, so a long list (hundreds of pairs on the 90 dial) stays cheap.
void DialRenderer::DrawFinderLines()
{
    if (finder_.empty())
        return;
    std::vector<std::pair<Rgb, QVector<QLine>>> chords; // one group per colour of the list
    std::vector<std::pair<DialPixel, Rgb>> ends;        // each end once, in its first pair's colour
    const auto place = [this](const FinderPoint& p) {
        return DialPoint(ScreenAngle(p.lon, s_->FDialType), DialRadius::kScale, c_);
    };
    for (std::size_t i = 0; i < finder_.size(); ++i) {
        const Rgb colour = FinderPairColour(i);
        const DialPixel a = place(finder_[i].a);
        const DialPixel b = place(finder_[i].b);
        auto group = std::find_if(chords.begin(), chords.end(), [&colour](const auto& g) { return g.first == colour; });
        if (group == chords.end())
            group = chords.insert(chords.end(), {colour, {}});
        group->second.append(QLine(a.x, a.y, b.x, b.y));
        for (const DialPixel& end : {a, b})
            if (std::none_of(ends.begin(), ends.end(), [&end](const auto& e) { return e.first == end; }))
                ends.emplace_back(end, colour);
    }
    for (const auto& [colour, lines] : chords) {
        SetPen(colour);
        p_->drawLines(lines);
    }
    for (const auto& [end, c] : ends)
        p_->fillRect(end.x - 2, end.y - 2, 5, 5, QColor(c.r, c.g, c.b));
}

void DialRenderer::DrawLayer(DialLayer layer)
{
    const LayerPlan plan = PlanLayer(*s_, layer);
    TChartRecord& record = LayerGlyphRecord(*s_, layer);
    for (const FactorMarks& marks : plan.factors) {
        const auto f = static_cast<std::size_t>(marks.factor);
        const QChar glyph(static_cast<char16_t>(FactorGlyphs[f]));
        DialPixel reflectedAt{kGlyphStored, kGlyphStored};
        if (marks.reflected) {
            DrawGlyphMark(*marks.reflected, plan.segments, glyph);
            reflectedAt = marks.reflected->textTopLeft;
        }
        record.GlyphX[f][kReflectedGlyph] = reflectedAt.x;
        record.GlyphY[f][kReflectedGlyph] = reflectedAt.y;
        DrawGlyphMark(marks.truePos, plan.segments, glyph);
        record.GlyphX[f][kTrueGlyph] = marks.truePos.textTopLeft.x;
        record.GlyphY[f][kTrueGlyph] = marks.truePos.textTopLeft.y;
    }
}

void DialRenderer::DrawGlyphMark(const GlyphMark& mark, const std::vector<LeaderSegment>& segments, QChar glyph)
{
    SetPen(mark.colour);
    for (const LeaderSegment& seg : segments)
        Spoke(mark.exactAngle, seg.from, seg.to);
    Line(mark.leaderFrom, mark.leaderTo);
    Text(mark.textTopLeft, QString(glyph), GlyphFont(kFactorGlyphPoints), mark.colour);
}

// --- primitives ---------------------------------------------------------------------

void DialRenderer::SetPen(Rgb colour, bool dotted)
{
    p_->setPen(QPen(ToQColor(colour), lineWidth_, dotted ? Qt::DotLine : Qt::SolidLine));
}

void DialRenderer::SetBrush(Rgb colour)
{
    p_->setBrush(ToQColor(colour));
}

void DialRenderer::ClearBrush()
{
    p_->setBrush(Qt::NoBrush);
}

void DialRenderer::Line(DialPixel from, DialPixel to)
{
    p_->drawLine(from.x, from.y, to.x, to.y);
}

void DialRenderer::Spoke(double angle, double fromRadius, double toRadius)
{
    Line(DialPoint(angle, fromRadius, c_), DialPoint(angle, toRadius, c_));
}

void DialRenderer::Arrowhead(double angle, double tipRadius, double spread, double baseRadius)
{
    const DialPixel tip = DialPoint(angle, tipRadius, c_);
    Line(tip, DialPoint(angle + spread, baseRadius, c_));
    Line(tip, DialPoint(angle - spread, baseRadius, c_));
}

void DialRenderer::Circle(int radius)
{
    p_->drawEllipse(QPoint(c_, c_), radius, radius);
}

void DialRenderer::Polygon(const std::array<DialPixel, 4>& corners)
{
    QPolygon polygon;
    for (const DialPixel& corner : corners)
        polygon << QPoint(corner.x, corner.y);
    p_->drawPolygon(polygon);
}

void DialRenderer::Text(DialPixel topLeft, const QString& text, const QFont& font, Rgb colour)
{
    if (text.isEmpty())
        return;
    const QPen pen = p_->pen();
    p_->setFont(paper_ ? PaperFont(font) : font);
    p_->setPen(ToQColor(colour));
    p_->drawText(topLeft.x, topLeft.y + QFontMetrics(font).ascent(), text);
    p_->setPen(pen);
}

} // namespace nemra::ui
