#include "printing/ui/PrintOutput.h"

#include "core/FileReplace.h"
#include "ui/common/QtText.h"

#include <QAction>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace nemra::print {
namespace {

constexpr double kMarginMm = 10.0;

QString Title(const PrintDocument& document)
{
    return nemra::ui::FromUtf8(document.heading().title);
}

} // namespace

QPageLayout DefaultPageLayout(QPageSize::PageSizeId paper)
{
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

Result<> WritePdf(const QString& path, const PrintDocument& document, const QPageLayout& layout, int dpi)
{
    // The PDF is made in memory first, so that the file is written in one step.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(dpi);
        writer.setPageLayout(layout);
        writer.setTitle(Title(document));
        writer.setCreator(QStringLiteral("Nemra"));
        if (!document.Paint(writer))
            return Fault{"the pages could not be drawn"};
    }
    return ReplaceFileContents(path.toStdString(),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(QPrinter& printer, const PrintDocument& document,
                                                      std::function<void(const QPageLayout&)> savePdf, QWidget* parent)
{
    printer.setDocName(Title(document));
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setObjectName(QStringLiteral("PrintPreview"));
    preview->setWindowTitle(Title(document));
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                     [&document](QPrinter* target) { document.Paint(*target); });
    if (auto* tools = preview->findChild<QToolBar*>()) {
        QAction* save = tools->addAction(QStringLiteral("บันทึก PDF"));
        save->setObjectName(QStringLiteral("SavePdf"));
        QObject::connect(save, &QAction::triggered, preview.get(),
                         [&printer, savePdf = std::move(savePdf)] { savePdf(printer.pageLayout()); });
    }
    return preview;
}

} // namespace nemra::print
