// The printed pages: a heading block on the first page of every document, then the dial
// (fitted to the page, or with its zodiac ring at an exact size for a rotating disc) or a
// table over as many pages as it needs, its header row on each page, page numbers at the
// foot. A document paints on any paged device: the printer of the print preview or a PDF.
#pragma once

#include "mainwin/model/Session.h"
#include "printing/model/PrintContent.h"

#include <optional>

class QPagedPaintDevice;

namespace nemra::print {

// What the main window prints from the session.
enum class PageKind {
    Chart,     // the dial as on screen, as large as the page allows
    Disc12,    // the dial with its zodiac ring 12.0 cm across
    Disc15,    // the same, 15.0 cm
    Positions, // the position grid as a table
};

// A document to print, holding copies of what it shows, so the preview can paint it again
// whenever the page setup changes.
class PrintDocument {
  public:
    // The dial of `session` under `heading`: `ringDiameterMm` is the width of the zodiac
    // ring's outer circle on paper, or 0 to fit the dial to the page.
    PrintDocument(PrintHeading heading, const MainSession& session, double ringDiameterMm);
    // A table under `heading`.
    PrintDocument(PrintHeading heading, PrintTable table);

    const PrintHeading& heading() const { return FHeading; }

    // Paints every page on `device` with its page layout; false when the device could not be
    // painted on.
    bool Paint(QPagedPaintDevice& device) const;

  private:
    PrintHeading FHeading;
    std::optional<MainSession> FDial;
    double FRingDiameterMm = 0.0;
    PrintTable FTable;
};

// The document of a page kind from the session as it stands, printed at `now`.
PrintDocument SessionDocument(const MainSession& s, PageKind kind, const LocalDateTime& now);

// A report's document.
PrintDocument ReportDocument(const ReportPrint& report);

} // namespace nemra::print
