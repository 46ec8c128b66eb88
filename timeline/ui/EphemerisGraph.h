// EphemerisGraph: the graphic ephemeris drawn with QPainter from a laid-out picture, the widget
// that shows it (hover readout of the date and every line's position, a click reporting the
// date), and the picture saved as PNG, SVG or PDF. The widget keeps the positions of the period
// and lays them out once per size; a hover repaints from the cached image.
#pragma once

#include "core/ThaiText.h"
#include "timeline/model/GraphLayout.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <string>

class QPainter;

namespace nemra::ui {

// A mover's line colour: one of its own for each factor, the same for its transit and its
// directed line (the directed line is dashed).
QColor MoverColour(const Mover& mover);

// Draws the whole picture onto `painter` (its device at least the picture's size).
void PaintGraph(QPainter& painter, const GraphContent& content, const GraphPicture& picture);

enum class GraphFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension (.svg, .pdf; anything else PNG).
GraphFormat GraphFormatOf(const std::string& path);

// The picture as the bytes of a file: PNG and SVG at the size given, PDF on an A4 landscape page.
std::string GraphFileBytes(const GraphContent& content, GraphFormat format, int width, int height);

// Writes the picture to `path` (UTF-8) in the format of its extension; a failure carries the
// system's reason and leaves an existing file as it was.
Result<> SaveGraphPicture(const std::string& path, const GraphContent& content, int width, int height);

} // namespace nemra::ui

class TEphemerisGraph : public QWidget {
    Q_OBJECT
  public:
    explicit TEphemerisGraph(QWidget* parent = nullptr);

    void SetContent(nemra::GraphContent content);
    const nemra::GraphContent& Content() const { return FContent; }
    // The layout of the widget's present size.
    const nemra::GraphPicture& Picture();

  signals:
    // A click on the plot: the moment under the pointer (Julian day, UT).
    void DateClicked(double jdUT);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void Rebuild();
    bool InsidePlot(const QPointF& at);
    void PaintReadout(QPainter& painter, double x);

    nemra::GraphContent FContent;
    std::optional<nemra::GraphPicture> FPicture;
    QImage FImage; // the picture at the widget's size, painted once per layout
    std::optional<double> FHoverX;
};
