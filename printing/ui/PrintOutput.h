// Where printed pages go: a PDF file (written whole or not at all, with or without a
// printer installed) or the print preview, from which the user prints or saves a PDF.
#pragma once

#include "dials/ui/DialExport.h"
#include "printing/ui/PrintPages.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace nemra::print {

// Portrait with 10 mm margins on `paper`: the page setup until the user changes it (A4).
QPageLayout DefaultPageLayout(QPageSize::PageSizeId paper = QPageSize::A4);

// Writes `document` as a PDF file at `path` on pages of `layout`, at `dpi` dots per inch.
// An existing file is replaced only by a complete new one: on failure it is left as it was
// and the outcome carries the system's reason.
Result<> WritePdf(const QString& path, const PrintDocument& document, const QPageLayout& layout, int dpi = 1200);

// The preview of `document` on `printer` (whose page layout it starts with and keeps the
// user's changes in). Its tool bar prints through the printer dialog and has a button
// "บันทึก PDF" that calls `savePdf` with the page layout in force.
std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(QPrinter& printer, const PrintDocument& document,
                                                      std::function<void(const QPageLayout&)> savePdf, QWidget* parent);

} // namespace nemra::print
