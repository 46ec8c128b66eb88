// The dial picture leaving the program: to the clipboard and to a bitmap file; and the
// texts of the two save dialogs the main window shows (positions text file, dial bitmap).
#pragma once

#include "core/Result.h"

#include <QImage>
#include <QString>

namespace nemra::ui {

// What a save dialog shows: its title, its filter in the toolkit's ";;" form and the
// extension added to a name typed without one.
struct SaveDialogTexts {
    QString title;
    QString filter;
    QString defaultSuffix;
};

SaveDialogTexts PositionsSaveDialogTexts(); // SaveDialog1: the positions text file
SaveDialogTexts BitmapSaveDialogTexts();    // SaveDialog2: the dial bitmap

// Puts the dial picture on the system clipboard; gives the information text to show, or a
// fault when nothing was copied (no picture, no application).
Result<QString> CopyDialToClipboard(const QImage& dial);

// The dial picture as a 24-bit Windows bitmap file.
QByteArray DialBitmapBytes(const QImage& dial);

// Saves the dial picture as a 24-bit Windows bitmap, replacing any file of that name. The
// old file is replaced only by a complete new one: a failed save leaves it untouched.
Result<> SaveDialBitmap(const QImage& dial, const QString& path);

} // namespace nemra::ui
