#include "printing/ui/PrintPages.h"

#include "dials/ui/DialRenderer.h"
#include "mainwin/model/DialGeometry.h"
#include "mainwin/model/PositionsExport.h"
#include "ui/common/DialFonts.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace nemra::print {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kDialLineWidth = 0.5; // dial pixels: 0.14 mm on a 12 cm disc
constexpr double kTitlePoints = 14.0;
constexpr double kTextPoints = 10.0;
constexpr double kGapMm = 3.0;
constexpr double kCellPaddingMm = 1.5;
constexpr double kRowHeightFactor = 1.4; // row height in lines of the table font
constexpr double kRuleMm = 0.15;
const QColor kHeaderFill(225, 225, 225);

// The dial's Thai text face at a size in points, so it keeps its size on any device, set
// so that its text stays searchable in a PDF.
QFont PrintFont(double points, bool bold)
{
    QFont font = ui::PaperFont(ui::DialTextFont(12));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One document on one device: the painter, the printable area in device units and the
// conversion from millimetres.
struct Sheet {
    QPagedPaintDevice& device;
    QPainter& painter;
    QRectF area;
    double Mm(double mm) const { return mm / kMmPerInch * device.logicalDpiY(); }
};

// The heading block from the top of the area: the title, its lines (wrapped when too long)
// and a rule under them. Painted only when `paint`; returns where the block ends.
double HeadingBlock(Sheet& sheet, const PrintHeading& heading, bool paint)
{
    double y = sheet.area.top();
    const auto addLine = [&](const std::string& text, const QFont& font) {
        const QRectF room(sheet.area.left(), y, sheet.area.width(), sheet.area.bottom() - y);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF used = QFontMetricsF(font, &sheet.device).boundingRect(room, flags, FromUtf8(text));
        if (paint) {
            sheet.painter.setFont(font);
            sheet.painter.drawText(room, flags, FromUtf8(text));
        }
        y += used.height();
    };
    addLine(heading.title, PrintFont(kTitlePoints, true));
    const QFont text = PrintFont(kTextPoints, false);
    for (const std::string& line : heading.lines)
        addLine(line, text);
    y += sheet.Mm(kGapMm) / 2;
    if (paint)
        sheet.painter.fillRect(QRectF(sheet.area.left(), y, sheet.area.width(), sheet.Mm(kRuleMm)), Qt::black);
    return y + sheet.Mm(kGapMm);
}

double FooterHeight(const Sheet& sheet)
{
    return QFontMetricsF(PrintFont(kTextPoints, false), &sheet.device).height() + sheet.Mm(kGapMm);
}

void PaintFooter(Sheet& sheet, int page, int pages)
{
    sheet.painter.setFont(PrintFont(kTextPoints, false));
    sheet.painter.drawText(sheet.area, Qt::AlignRight | Qt::AlignBottom,
                           QStringLiteral("หน้า %1/%2").arg(page).arg(pages));
}

// The dial in `room`, centred: as large as the room allows, or scaled so that the zodiac
// ring's outer circle is `ringDiameterMm` across. What does not fit the room is cut off,
// never shrunk.
void PaintDialIn(Sheet& sheet, MainSession dial, double ringDiameterMm, const QRectF& room)
{
    const double centre = dial.FChartCenter; // the ring's centre, dial pixels from the corner
    const double scale = ringDiameterMm > 0 ? sheet.Mm(ringDiameterMm) / (2.0 * DialRadius::kOuter)
                                            : std::min(room.width(), room.height()) / (2.0 * centre);
    sheet.painter.save();
    sheet.painter.setClipRect(room);
    ui::PaintDial(dial, sheet.painter, room.center() - QPointF(centre, centre) * scale, scale, kDialLineWidth);
    sheet.painter.restore();
}

// The columns of a table: each as wide as its widest text, all narrowed alike when the
// table is wider than the area.
struct TableLayout {
    QFont font = PrintFont(kTextPoints, false);
    QFont headerFont = PrintFont(kTextPoints, true);
    std::vector<double> widths;
    double rowHeight = 0.0;
    double padding = 0.0;
};

TableLayout LayOutTable(const Sheet& sheet, const PrintTable& table)
{
    TableLayout layout;
    layout.padding = sheet.Mm(kCellPaddingMm);
    const QFontMetricsF metrics(layout.font, &sheet.device);
    const QFontMetricsF headerMetrics(layout.headerFont, &sheet.device);
    layout.rowHeight = metrics.height() * kRowHeightFactor;
    const auto widen = [&](const std::vector<std::string>& cells, const QFontMetricsF& m) {
        if (layout.widths.size() < cells.size())
            layout.widths.resize(cells.size(), 0.0);
        for (std::size_t c = 0; c < cells.size(); ++c)
            layout.widths[c] = std::max(layout.widths[c], m.horizontalAdvance(FromUtf8(cells[c])) + 2 * layout.padding);
    };
    widen(table.header, headerMetrics);
    for (const auto& row : table.rows)
        widen(row, metrics);
    double total = 0.0;
    for (double w : layout.widths)
        total += w;
    if (total > sheet.area.width())
        for (double& w : layout.widths)
            w *= sheet.area.width() / total;
    return layout;
}

// Which rows go on each page: [first, end) of the table's rows. The first page starts
// below the heading; every page has the header row; each page holds one row at least.
std::vector<std::pair<std::size_t, std::size_t>> PageRows(std::size_t rowCount, double firstRoom, double room,
                                                          double rowHeight)
{
    std::vector<std::pair<std::size_t, std::size_t>> pages;
    std::size_t first = 0;
    do {
        const double space = pages.empty() ? firstRoom : room;
        const auto fits = static_cast<std::size_t>(std::max(1.0, std::floor(space / rowHeight)));
        const std::size_t end = std::min(rowCount, first + fits);
        pages.emplace_back(first, end);
        first = end;
    } while (first < rowCount);
    return pages;
}

void PaintRow(Sheet& sheet, const TableLayout& layout, const std::vector<std::string>& cells, double y)
{
    double x = sheet.area.left();
    for (std::size_t c = 0; c < cells.size() && c < layout.widths.size(); ++c) {
        const QRectF cell(x + layout.padding, y, layout.widths[c] - 2 * layout.padding, layout.rowHeight);
        const QString text = QFontMetricsF(sheet.painter.font(), &sheet.device)
                                 .elidedText(FromUtf8(cells[c]), Qt::ElideRight, cell.width());
        sheet.painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text);
        x += layout.widths[c];
    }
}

void PaintTablePage(Sheet& sheet, const TableLayout& layout, const PrintTable& table,
                    std::pair<std::size_t, std::size_t> rows, double top)
{
    double width = 0.0;
    for (double w : layout.widths)
        width += w;
    double y = top;
    if (!table.header.empty()) {
        sheet.painter.fillRect(QRectF(sheet.area.left(), y, width, layout.rowHeight), kHeaderFill);
        sheet.painter.setFont(layout.headerFont);
        PaintRow(sheet, layout, table.header, y);
        y += layout.rowHeight;
    }
    sheet.painter.setFont(layout.font);
    const QPen rule(QColor(160, 160, 160), sheet.Mm(kRuleMm) / 2);
    for (std::size_t r = rows.first; r < rows.second; ++r) {
        PaintRow(sheet, layout, table.rows[r], y);
        y += layout.rowHeight;
        sheet.painter.save();
        sheet.painter.setPen(rule);
        sheet.painter.drawLine(QPointF(sheet.area.left(), y), QPointF(sheet.area.left() + width, y));
        sheet.painter.restore();
    }
}

} // namespace

PrintDocument::PrintDocument(PrintHeading heading, const MainSession& session, double ringDiameterMm)
    : FHeading(std::move(heading))
    , FDial(session)
    , FRingDiameterMm(ringDiameterMm)
{
}

PrintDocument::PrintDocument(PrintHeading heading, PrintTable table)
    : FHeading(std::move(heading))
    , FTable(std::move(table))
{
}

bool PrintDocument::Paint(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Sheet sheet{device, painter, QRectF(0, 0, device.width(), device.height())};
    painter.setPen(Qt::black);
    const double footer = FooterHeight(sheet);
    const double headingEnd = HeadingBlock(sheet, FHeading, true);
    if (FDial) {
        const QRectF room(sheet.area.left(), headingEnd, sheet.area.width(), sheet.area.bottom() - footer - headingEnd);
        PaintDialIn(sheet, *FDial, FRingDiameterMm, room);
        PaintFooter(sheet, 1, 1);
        return painter.end();
    }
    const TableLayout layout = LayOutTable(sheet, FTable);
    const double headerHeight = FTable.header.empty() ? 0.0 : layout.rowHeight;
    const double pageRoom = sheet.area.height() - footer - headerHeight;
    const auto pages = PageRows(FTable.rows.size(), pageRoom - headingEnd, pageRoom, layout.rowHeight);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        PaintTablePage(sheet, layout, FTable, pages[p], p == 0 ? headingEnd : sheet.area.top());
        PaintFooter(sheet, static_cast<int>(p) + 1, static_cast<int>(pages.size()));
    }
    return painter.end();
}

PrintDocument SessionDocument(const MainSession& s, PageKind kind, const LocalDateTime& now)
{
    switch (kind) {
    case PageKind::Positions: {
        const PositionsGrid grid = PositionsGridOf(s);
        return {ChartPrintHeading(s, grid.tabCaption, now), PositionsPrintTable(grid)};
    }
    case PageKind::Disc12:
    case PageKind::Disc15: {
        const int cm = kind == PageKind::Disc12 ? 12 : 15;
        PrintHeading heading = ChartPrintHeading(s, "ดวงประกอบจานหมุน (" + std::to_string(cm) + " cm)", now);
        heading.lines.push_back(DiscSizeText(cm));
        return {std::move(heading), s, cm * 10.0};
    }
    case PageKind::Chart:
        break;
    }
    return {ChartPrintHeading(s, "ภาพดวง", now), s, 0.0};
}

PrintDocument ReportDocument(const ReportPrint& report)
{
    return {report.heading, report.table};
}

} // namespace nemra::print
