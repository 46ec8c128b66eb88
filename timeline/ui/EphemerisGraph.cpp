#include "timeline/ui/EphemerisGraph.h"

#include "core/FileReplace.h"
#include "mainwin/model/DialGeometry.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/DialFonts.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

#include <QBuffer>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace nemra::ui {

// The readout's text size (pixels) and the most lines it shows in one column.
constexpr int kReadoutPixels = 12;
constexpr int kReadoutRows = 15;

namespace {

// Glyph and text sizes of the graph (design points and pixels).
constexpr int kGlyphPoints = 12;
constexpr int kTextPixels = 12;
constexpr double kMoverPenWidth = 1.0;

QColor ToQColor(Rgb c, int alpha = 255)
{
    return QColor(c.r, c.g, c.b, alpha);
}

// The line colours of factors 0..21: the dial's own colours where they fit a body (Mars red,
// Jupiter blue, Venus green, Pluto maroon, the Meridian purple), distinct hues for the others.
constexpr std::array<Rgb, kLastPositionedFactor + 1> kFactorColours = {{
    {0, 0, 0},     {128, 0, 128}, {200, 0, 100}, {230, 120, 0}, {110, 110, 110}, {120, 70, 20},
    {0, 150, 150}, {0, 128, 0},   {255, 0, 0},   {0, 0, 255},   {60, 60, 60},    {0, 160, 230},
    {90, 0, 200},  {128, 0, 0},   {230, 0, 160}, {130, 100, 0}, {210, 100, 0},   {0, 90, 160},
    {150, 150, 0}, {90, 90, 150}, {190, 40, 40}, {0, 120, 90},
}};

QString Glyph(int factor)
{
    return QString(QChar(static_cast<char16_t>(FactorGlyphs[static_cast<std::size_t>(factor)])));
}

// A colour `share` (0..1) of the way from the plot's background: opaque, since lines of a colour
// with transparency draw several times slower.
QColor Faded(Rgb c, double share)
{
    const Rgb b = DialColour::kBackground;
    const auto mix = [share](int fore, int back) { return qRound(back + (fore - back) * share); };
    return QColor(mix(c.r, b.r), mix(c.g, b.g), mix(c.b, b.b));
}

QColor FixedColour(const FixedPoint& point)
{
    if (point.kind == FixedKind::Midpoint)
        return Faded(DialColour::kPurple, 0.5);
    if (point.kind == FixedKind::Reflection)
        return Faded(DialColour::kGreen, 0.5);
    return Faded(point.a <= kNode ? DialColour::kRed : DialColour::kBlue, 0.43);
}

// A fixed point's label: its glyph, "-" and the glyph of a reflection, two glyphs around "/"
// for a midpoint; drawn right-aligned to `right`, centred on `y`.
void PaintFixedLabel(QPainter& p, const FixedPoint& point, double right, double y)
{
    struct Part {
        QString text;
        QFont font;
    };
    std::vector<Part> parts;
    if (point.kind == FixedKind::Reflection)
        parts.push_back({QStringLiteral("-"), DialTextFont(kTextPixels)});
    parts.push_back({Glyph(point.a), GlyphFont(kGlyphPoints)});
    if (point.kind == FixedKind::Midpoint) {
        parts.push_back({QStringLiteral("/"), DialTextFont(kTextPixels)});
        parts.push_back({Glyph(point.b), GlyphFont(kGlyphPoints)});
    }
    double width = 0.0;
    for (const Part& part : parts)
        width += QFontMetricsF(part.font).horizontalAdvance(part.text);
    double x = right - width;
    for (const Part& part : parts) {
        const QFontMetricsF metrics(part.font);
        p.setFont(part.font);
        p.drawText(QPointF(x, y + (metrics.ascent() - metrics.descent()) / 2.0), part.text);
        x += metrics.horizontalAdvance(part.text);
    }
}

// The grid, the frame and the fixed lines run along the pixel rows and columns: drawn without
// antialiasing, in whole pixels, each pen's lines in one call.
QLine Row(double y, double left, double right)
{
    return QLine(qRound(left), qRound(y), qRound(right), qRound(y));
}

QPen HairPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, 0.0, style);
    pen.setCosmetic(true);
    return pen;
}

void PaintAxes(QPainter& p, const GraphPicture& pic)
{
    const GraphScale& s = pic.scale;
    const QRect plot(QPoint(qRound(s.Left()), qRound(s.Top())), QPoint(qRound(s.Right()), qRound(s.Bottom())));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(plot, ToQColor(DialColour::kBackground));
    QVector<QLine> grid, years, marks;
    for (const DegreeTick& tick : pic.degrees)
        grid.push_back(Row(tick.y, s.Left(), s.Right()));
    for (const DateTick& tick : pic.dates) {
        const int x = qRound(tick.x);
        (tick.yearStart ? years : grid).push_back(QLine(x, plot.top(), x, plot.bottom()));
        marks.push_back(QLine(x, plot.bottom(), x, plot.bottom() + (tick.yearStart ? 8 : 4)));
    }
    p.setPen(HairPen(QColor(212, 218, 214)));
    p.drawLines(grid);
    p.setPen(HairPen(ToQColor(DialColour::kGrey)));
    p.drawLines(years);
    p.setPen(HairPen(ToQColor(DialColour::kFrame)));
    p.drawLines(marks);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    p.setFont(DialTextFont(kTextPixels - 2));
    p.setPen(ToQColor(DialColour::kGrey));
    for (const DegreeTick& tick : pic.degrees)
        p.drawText(QRectF(s.Right() - 44, tick.y - 13, 42, 12), Qt::AlignRight | Qt::AlignBottom, FromUtf8(tick.label));
    p.setFont(DialTextFont(kTextPixels));
    p.setPen(ToQColor(DialColour::kFrame));
    const QFontMetricsF metrics(p.font());
    for (const DateTick& tick : pic.dates) {
        if (!tick.monthLabel.empty())
            p.drawText(QPointF(tick.x + 2, s.Bottom() + 4 + metrics.ascent()), FromUtf8(tick.monthLabel));
        if (!tick.yearLabel.empty())
            p.drawText(QPointF(tick.x + 2, s.Bottom() + 19 + metrics.ascent()), FromUtf8(tick.yearLabel));
    }
}

void PaintFixedLines(QPainter& p, const GraphContent& content, const GraphPicture& pic)
{
    const GraphScale& s = pic.scale;
    p.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t i = 0; i < content.fixed.size() && i < pic.fixedY.size(); ++i) {
        const FixedPoint& point = content.fixed[i];
        const Qt::PenStyle style = point.kind == FixedKind::Factor
                                       ? Qt::SolidLine
                                       : (point.kind == FixedKind::Midpoint ? Qt::DotLine : Qt::DashLine);
        p.setPen(HairPen(FixedColour(point), style));
        p.drawLine(Row(pic.fixedY[i], s.Left(), s.Right()));
        // A label moved off its line keeps a short leader to it.
        p.setPen(HairPen(FixedColour(point)));
        if (std::fabs(pic.labelY[i] - pic.fixedY[i]) > 1.0)
            p.drawLine(QPointF(s.Left() - 8, pic.labelY[i]), QPointF(s.Left(), pic.fixedY[i]));
        p.setPen(FixedColour(point).darker(130));
        PaintFixedLabel(p, point, s.Left() - 9, pic.labelY[i]);
    }
}

void PaintMovers(QPainter& p, const GraphContent& content, const GraphPicture& pic)
{
    const GraphScale& s = pic.scale;
    const QFont glyphFont = GlyphFont(kGlyphPoints);
    const QFontMetricsF metrics(glyphFont);
    p.setFont(glyphFont);
    QVector<QPointF> points;
    for (std::size_t i = 0; i < content.movers.size() && i < pic.plots.size(); ++i) {
        const QColor colour = MoverColour(content.movers[i]);
        QPen pen(colour, kMoverPenWidth);
        pen.setCosmetic(true);
        if (content.movers[i].layer == MoverLayer::Directed)
            pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.setClipRect(QRectF(QPointF(s.Left(), s.Top()), QPointF(s.Right(), s.Bottom())));
        for (const auto& piece : pic.plots[i].pieces) {
            points.resize(static_cast<qsizetype>(piece.size()));
            for (std::size_t k = 0; k < piece.size(); ++k)
                points[static_cast<qsizetype>(k)] = QPointF(piece[k].x, piece[k].y);
            p.drawPolyline(points.constData(), static_cast<int>(points.size()));
        }
        p.setClipping(false);
        p.setPen(colour);
        const QString glyph = Glyph(content.movers[i].factor);
        const double h = metrics.ascent();
        for (const GlyphAnchor& anchor : pic.plots[i].glyphs) {
            QPointF at(anchor.at.x + 2, anchor.at.y - 2); // baseline of the glyph
            switch (anchor.place) {
            case GlyphPlace::End:
                at = QPointF(s.Right() + 3, std::clamp(anchor.at.y + h / 2, s.Top() + h, s.Bottom()));
                break;
            case GlyphPlace::FromBottom:
                at.setY(s.Bottom() - 2);
                break;
            case GlyphPlace::FromTop:
                at.setY(s.Top() + h);
                break;
            case GlyphPlace::Start:
                at.setY(std::clamp(anchor.at.y - 2, s.Top() + h, s.Bottom() - 2));
                break;
            }
            p.drawText(at, glyph);
        }
    }
}

} // namespace

QColor MoverColour(const Mover& mover)
{
    return ToQColor(kFactorColours[static_cast<std::size_t>(std::clamp(mover.factor, 0, kLastPositionedFactor))]);
}

void PaintGraph(QPainter& painter, const GraphContent& content, const GraphPicture& picture)
{
    RegisterDialFonts(); // once; a picture may be painted before any graph widget exists
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintAxes(painter, picture);
    PaintFixedLines(painter, content, picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintMovers(painter, content, picture);
    painter.restore();
}

GraphFormat GraphFormatOf(const std::string& path)
{
    const QString lower = QString::fromStdString(path).toLower();
    if (lower.endsWith(QStringLiteral(".svg")))
        return GraphFormat::Svg;
    if (lower.endsWith(QStringLiteral(".pdf")))
        return GraphFormat::Pdf;
    return GraphFormat::Png;
}

std::string GraphFileBytes(const GraphContent& content, GraphFormat format, int width, int height)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == GraphFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle(QStringLiteral("กราฟปฏิทินดาว"));
        QPainter painter(&svg);
        painter.fillRect(QRect(0, 0, width, height), Qt::white);
        PaintGraph(painter, content, LayOutGraph(content, width, height));
    } else if (format == GraphFormat::Pdf) {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        pdf.setResolution(96);
        pdf.setTitle(QStringLiteral("กราฟปฏิทินดาว"));
        QPainter painter(&pdf);
        const QRect page = painter.viewport();
        PaintGraph(painter, content, LayOutGraph(content, page.width(), page.height()));
    } else {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintGraph(painter, content, LayOutGraph(content, width, height));
        }
        image.save(&buffer, "PNG");
    }
    return buffer.data().toStdString();
}

Result<> SaveGraphPicture(const std::string& path, const GraphContent& content, int width, int height)
{
    return ReplaceFileContents(path, GraphFileBytes(content, GraphFormatOf(path), width, height));
}

} // namespace nemra::ui

TEphemerisGraph::TEphemerisGraph(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("EphemerisGraph"));
    setMouseTracking(true);
    setMinimumSize(480, 300);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TEphemerisGraph::SetContent(nemra::GraphContent content)
{
    FContent = std::move(content);
    FPicture.reset();
    update();
}

const nemra::GraphPicture& TEphemerisGraph::Picture()
{
    if (!FPicture || FImage.size() != size())
        Rebuild();
    return *FPicture;
}

void TEphemerisGraph::Rebuild()
{
    FPicture = nemra::LayOutGraph(FContent, width(), height());
    FImage = QImage(size(), QImage::Format_RGB32);
    FImage.fill(Qt::white);
    QPainter painter(&FImage);
    nemra::ui::PaintGraph(painter, FContent, *FPicture);
}

void TEphemerisGraph::paintEvent(QPaintEvent*)
{
    Picture();
    QPainter painter(this);
    painter.drawImage(0, 0, FImage);
    if (FHoverX)
        PaintReadout(painter, *FHoverX);
}

void TEphemerisGraph::PaintReadout(QPainter& painter, double x)
{
    const nemra::GraphScale& s = FPicture->scale;
    painter.setPen(QPen(QColor(0, 0, 85, 160), 1.0));
    painter.drawLine(QPointF(x, s.Top()), QPointF(x, s.Bottom()));
    const auto lines = nemra::GraphReadout(FContent, s.JdAt(x));
    // A long readout goes into three columns, so it covers less of the lines.
    const QFont font = nemra::ui::DialTextFont(nemra::ui::kReadoutPixels);
    const QFontMetrics metrics(font);
    const int rowHeight = metrics.height();
    const int count = static_cast<int>(lines.size());
    const int fitRows = std::max(1, static_cast<int>((s.Bottom() - s.Top()) / rowHeight) - 1);
    const int rows = std::min(count <= nemra::ui::kReadoutRows ? count : (count + 2) / 3, fitRows);
    const int columns = (count + rows - 1) / rows;
    int columnWidth = 0;
    for (const std::string& line : lines)
        columnWidth = std::max(columnWidth, metrics.horizontalAdvance(FromUtf8(line)));
    columnWidth += 12;
    QRect box(0, static_cast<int>(s.Top()) + 4, columnWidth * columns, rows * rowHeight + 8);
    box.moveLeft(x + 12 + box.width() < s.Right() ? static_cast<int>(x) + 12 : static_cast<int>(x) - 12 - box.width());
    painter.fillRect(box, QColor(255, 255, 255, 215));
    painter.setPen(QColor(0, 0, 85));
    painter.drawRect(box);
    painter.setFont(font);
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const QPoint at(box.left() + 6 + (i / rows) * columnWidth, box.top() + 4 + (i % rows) * rowHeight);
        if (i > 0 && static_cast<std::size_t>(i) <= FContent.movers.size())
            painter.setPen(nemra::ui::MoverColour(FContent.movers[static_cast<std::size_t>(i - 1)]));
        else
            painter.setPen(QColor(0, 0, 85));
        painter.drawText(QRect(at, QSize(columnWidth, rowHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                         FromUtf8(lines[static_cast<std::size_t>(i)]));
    }
}

void TEphemerisGraph::resizeEvent(QResizeEvent* event)
{
    FPicture.reset();
    QWidget::resizeEvent(event);
}

bool TEphemerisGraph::InsidePlot(const QPointF& at)
{
    const nemra::GraphScale& s = Picture().scale;
    return at.x() >= s.Left() && at.x() <= s.Right() && at.y() >= s.Top() && at.y() <= s.Bottom();
}

void TEphemerisGraph::mouseMoveEvent(QMouseEvent* event)
{
    if (InsidePlot(event->position()) && !FContent.tracks.empty())
        FHoverX = event->position().x();
    else
        FHoverX.reset();
    update();
}

void TEphemerisGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && InsidePlot(event->position()))
        emit DateClicked(Picture().scale.JdAt(event->position().x()));
    QWidget::mousePressEvent(event);
}

void TEphemerisGraph::leaveEvent(QEvent* event)
{
    FHoverX.reset();
    update();
    QWidget::leaveEvent(event);
}
