// DialRenderer: the one repaint of the dial (DrawChart). Paints the whole dial bitmap from
// the session: the 360 or 90 degree face, the titles and the arc caption, then the natal,
// transit and directed factor rings that are cast and shown. Stores where each factor glyph
// was drawn in the chart records (GlyphX/GlyphY) for the mouse handlers.
#pragma once

#include "DialGeometry.h"
#include "DialLayers.h"

#include <QImage>

#include <array>
#include <initializer_list>
#include <vector>

class QPainter;

namespace nemra {

struct MainSession;

class DialRenderer {
  public:
    // Repaints `image`; an image not FChartSize square in 32-bit RGB is first made so.
    void Draw(MainSession& s, QImage& image);

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
};

// DrawChart: the design's name for the repaint.
void DrawChart(MainSession& s, QImage& image);

} // namespace nemra
