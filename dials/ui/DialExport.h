// The dial picture leaving the program: to the clipboard and to a bitmap file; and the
// texts of the two save dialogs the main window shows (positions text file, dial bitmap).
#pragma once

#include <QImage>
#include <QString>

namespace nemra {

// What a save dialog shows: its title, its filter in the toolkit's ";;" form and the
// extension added to a name typed without one.
struct SaveDialogTexts {
    QString title;
    QString filter;
    QString defaultSuffix;
};

SaveDialogTexts PositionsSaveDialogTexts(); // SaveDialog1: the positions text file
SaveDialogTexts BitmapSaveDialogTexts();    // SaveDialog2: the dial bitmap

// Puts the dial picture on the system clipboard; returns the information text to show, or
// an empty text when nothing was copied (no picture, no application).
QString CopyDialToClipboard(const QImage& dial);

struct SaveOutcome {
    bool ok = false;
    QString reason; // the system's reason when ok is false
};

// The dial picture as a 24-bit Windows bitmap file.
QByteArray DialBitmapBytes(const QImage& dial);

// Saves the dial picture as a 24-bit Windows bitmap, replacing any file of that name. The
// old file is replaced only by a complete new one: a failed save leaves it untouched.
SaveOutcome SaveDialBitmap(const QImage& dial, const QString& path);

} // namespace nemra
