// SaveFileDialog: the one way the program asks for the name of a file to save: a file dialog
// in save mode with its title, filter and default suffix. Text files are appended to when
// they exist, so their dialogs ask nothing about replacing; a picture replaces the file and
// the dialog asks first.
#pragma once

#include <QFileDialog>
#include <QString>

#include <memory>

class QWidget;

namespace nemra::ui {

enum class SaveMode {
    Append,  // the save adds to an existing file: no question about replacing it
    Replace, // the save replaces an existing file: the dialog asks first
};

// The dialog as it will be shown; tests inspect it.
std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent, const QString& title, const QString& filter,
                                                const QString& defaultSuffix, SaveMode mode);

// Shows the dialog modally: the chosen file's path, or empty when cancelled.
QString RunSaveFileDialog(QFileDialog& dialog);

} // namespace nemra::ui
