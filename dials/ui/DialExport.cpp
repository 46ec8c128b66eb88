#include "dials/ui/DialExport.h"

#include "core/FileReplace.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>

namespace nemra::ui {

SaveDialogTexts PositionsSaveDialogTexts()
{
    return {QStringLiteral("บันทึกสมผุสลงไฟล์"), QStringLiteral("Text File (*.txt);;All File (*.*)"),
            QStringLiteral("txt")};
}

SaveDialogTexts BitmapSaveDialogTexts()
{
    return {QStringLiteral("บันทึกภาพดวงลงไฟล์"), QStringLiteral("Bitmap files (*.bmp)"), QStringLiteral("bmp")};
}

Result<QString> CopyDialToClipboard(const QImage& dial)
{
    if (QGuiApplication::instance() == nullptr)
        return Fault{"no application to hold the clipboard"};
    if (dial.isNull())
        return Fault{"no dial picture to copy"};
    QGuiApplication::clipboard()->setImage(dial);
    return QStringLiteral("คัดลอกภาพดวงไปยังคลิปบอร์ดแล้ว");
}

QByteArray DialBitmapBytes(const QImage& dial)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    dial.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

Result<> SaveDialBitmap(const QImage& dial, const QString& path)
{
    const QByteArray bytes = DialBitmapBytes(dial);
    if (bytes.isEmpty())
        return Fault{"the picture could not be encoded"};
    return ReplaceFileContents(path.toStdString(),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace nemra::ui
