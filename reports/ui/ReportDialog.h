// ReportDialog: what the report dialogs share: the two seams a test scripts (the question
// for a save file name and the message box) and the one save step that writes a report's
// lines through the report-file writer and tells the user how it went.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>

#include <span>
#include <string>
#include <vector>

class QTableWidget;

class TReportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TReportDialog(QWidget* parent = nullptr);

    // Seams: the save-file question (an empty name means cancelled) and the message box.
    // The defaults run a file dialog and a modal message box.
    virtual QString AskSaveFileName(const QString& title, const QString& filter, const QString& defaultSuffix);
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);

  protected:
    // Asks for a file name with the reports' save-dialog settings (`title`, when not empty,
    // in place of the usual title), appends `lines` (CP874, CR LF) and shows
    // "บันทึกไฟล์เรียบร้อยแล้ว!" on success or the system's reason on failure. True when
    // the lines were saved; false when cancelled or failed.
    bool SaveLinesToFile(const std::vector<std::string>& lines, const QString& title = QString());
};

// A report grid as the reports show it: the header in row 0 of the cells, no headings of
// its own, whole-row selection, read-only, rows `rowHeight` pixels high.
void SetUpReportGrid(QTableWidget& grid, int rowHeight);

// Writes the cells of one grid row; header cells cannot be selected.
void SetReportGridRow(QTableWidget& grid, int row, std::span<const std::string> cells, bool header);
