// DialRenderer: the one drawing of the dial (DrawChart). Paints the whole dial from the
// session: the 360 or 90 degree face, the titles and the arc caption, then the natal,
// transit and directed factor rings that are cast and shown. Stores where each factor glyph
// was drawn in the chart records (GlyphX/GlyphY) for the mouse handlers.
//
// The drawing is in dial pixels (FChartSize square); the same code paints the screen's
// bitmap and, through PaintDial, any other painter (a printer, a PDF) at any scale.
#pragma once

#include "dialtools/model/MidpointFinder.h"
#include "mainwin/model/DialGeometry.h"
#include "mainwin/model/DialLayers.h"

#include <QImage>
#include <QPointF>

#include <array>
#include <initializer_list>
#include <span>
#include <vector>

class QPainter;

namespace nemra {
struct MainSession;
}

namespace nemra::ui {

class DialRenderer {
  public:
    // Repaints `image`; an image not FChartSize square in 32-bit RGB is first made so.
    void Draw(MainSession& s, QImage& image);

    // Paints the dial on `painter` in dial pixels, through the painter's transform, as on
    // screen; on `paper`, lines are `lineWidth` dial pixels wide rather than one device pixel
    // (too fine to see on a printer) and texts are set in their PaperFont.
    void Paint(MainSession& s, QPainter& painter, bool paper = false, double lineWidth = 0.0);

    // The midpoint finder's pairs to draw over the rings, each joined by a line in its
    // list colour; none by default. The pairs must outlive the next Draw or Paint.
    void SetFinderPairs(std::span<const FinderPair> pairs) { finder_ = pairs; }

  private:
    void Draw360Dial();
    void Draw90Dial();
    void DrawTitles();
    void DrawNatalLayer();
    void DrawTransitLayer();
    void DrawArcLayer();

    void DrawFace(Rgb outerRing, std::initializer_list<int> purpleCircles);
    void DrawFixedZodiac();
    void DrawHouseRing(std::array<DialPixel, 13>& labelPoints);
    void DrawHalfQuadrantPointers();
    void DrawScaleTicks();
    void DrawAxisMarker(bool atTop, unsigned char glyph);
    void DrawHouseCusps();
    void DrawReflectedHouseLines(const std::array<DialPixel, 13>& labelPoints);
    void Draw90Mark(int step, double angle);
    void DrawLayer(DialLayer layer);
    void DrawFinderLines();
    void DrawGlyphMark(const GlyphMark& mark, const std::vector<LeaderSegment>& segments, QChar glyph);

    // Drawing primitives in the design's terms.
    void SetPen(Rgb colour, bool dotted = false);
    void SetBrush(Rgb colour);
    void ClearBrush();
    void Line(DialPixel from, DialPixel to);
    void Spoke(double angle, double fromRadius, double toRadius);
    void Arrowhead(double angle, double tipRadius, double spread, double baseRadius);
    void Circle(int radius);
    void Polygon(const std::array<DialPixel, 4>& corners);
    void Text(DialPixel topLeft, const QString& text, const QFont& font, Rgb colour);

    MainSession* s_ = nullptr;
    QPainter* p_ = nullptr;
    int c_ = 0;
    double lineWidth_ = 0.0;
    bool paper_ = false;
    std::span<const FinderPair> finder_;
};

// DrawChart: the design's name for the repaint; with the midpoint finder's pairs drawn
// over the rings when there are any.
void DrawChart(MainSession& s, QImage& image, std::span<const FinderPair> finderPairs = {});

// Paints the dial on paper with its top-left corner at `topLeft` (device units of the
// painter), `scale` device units to a dial pixel, lines `lineWidth` dial pixels wide,
// smoothed. The painter's state is restored afterwards.
void PaintDial(MainSession& s, QPainter& painter, QPointF topLeft, double scale, double lineWidth);

} // namespace nemra::ui
