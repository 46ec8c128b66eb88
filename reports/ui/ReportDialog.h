// ReportDialog: what the report dialogs share: the two seams a test scripts (the question
// for a save file name and the message box) and the one save step that writes a report's
// lines through the report-file writer and tells the user how it went.
#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include "core/ThaiText.h"
#include "ui/common/SaveFileDialog.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <vector>

class QComboBox;
class QTableWidget;

class TReportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TReportDialog(QWidget* parent = nullptr);

    // Seams: the save-file question (an empty name means cancelled) and the message box.
    // The defaults run the file dialog below and a modal message box.
    virtual QString AskSaveFileName(const QString& title, const QString& filter, const QString& defaultSuffix);
    // The file dialog the save-file question shows.
    std::unique_ptr<QFileDialog> SaveFileDialog(const QString& title, const QString& filter,
                                                const QString& defaultSuffix);
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);

  protected:
    // Asks for a file name with the reports' save-dialog settings (`title`, when not empty,
    // in place of the usual title), appends `lines` (CP874, CR LF) and shows
    // "บันทึกไฟล์เรียบร้อยแล้ว!" on success or the system's reason on failure. True when
    // the lines were saved; false when cancelled or failed.
    bool SaveLinesToFile(const std::vector<std::string>& lines, const QString& title = QString());

    // The same for any file: asks for a name (the file dialog asks about replacing an existing
    // file when `mode` is Replace), runs `write` on the chosen path and shows how it went.
    bool SaveToFile(const QString& title, const QString& filter, const QString& defaultSuffix, nemra::ui::SaveMode mode,
                    const std::function<nemra::Result<>(const std::string& path)>& write);

  private:
    nemra::ui::SaveMode FSaveMode = nemra::ui::SaveMode::Append; // of the question being asked
};

namespace nemra::ui {

// A report grid as the reports show it: one fixed header row (the table's own header, so
// it stays in place when the rows scroll), no row headings, whole-row selection,
// read-only, rows `rowHeight` pixels high.
void SetUpReportGrid(QTableWidget& grid, int rowHeight);

// The texts of the fixed header row.
void SetReportGridHeader(QTableWidget& grid, std::span<const std::string> cells);

// Writes the cells of one row under the header (row 0 is the first).
void SetReportGridRow(QTableWidget& grid, int row, std::span<const std::string> cells);

// The aspect's size as both aspect reports choose it: ComboBox1 the base angle
// (AspectBaseItems), ComboBox2 the orb's degrees (0, 1) and ComboBox3 its minutes (00 to 59).
std::tuple<QComboBox*, QComboBox*, QComboBox*> MakeAspectSizeLists(QWidget* parent);

} // namespace nemra::ui
