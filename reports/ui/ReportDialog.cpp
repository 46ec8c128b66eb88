#include "ReportDialog.h"

#include "ReportFile.h"
#include "ThaiFonts.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableWidget>

namespace {

const QString kSaveTitle = QStringLiteral("บันทึกการทำมุมลงไฟล์");
const QString kSaveFilter = QStringLiteral("Text File (*.txt);;All File (*.*)");
const QString kSaveSuffix = QStringLiteral("txt");
const QString kSaved = QStringLiteral("บันทึกไฟล์เรียบร้อยแล้ว!");
const QString kNotSaved = QStringLiteral("บันทึกไฟล์ไม่สำเร็จ: %1\n%2");

// The hourglass for as long as it is in scope.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TReportDialog::TReportDialog(QWidget* parent)
    : QDialog(parent)
{
    setFont(nemra::ui::DialogFont());
}

QString TReportDialog::AskSaveFileName(const QString& title, const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(this, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TReportDialog::ShowMessage(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

bool TReportDialog::SaveLinesToFile(const std::vector<std::string>& lines, const QString& title)
{
    const QString path = AskSaveFileName(title.isEmpty() ? kSaveTitle : title, kSaveFilter, kSaveSuffix);
    if (path.isEmpty())
        return false;
    nemra::WriteResult result;
    {
        BusyCursor busy;
        result = nemra::SaveReportLines(path.toStdString(), lines);
    }
    if (!result.ok) {
        ShowMessage(QMessageBox::Critical, kNotSaved.arg(path, QString::fromStdString(result.reason)));
        return false;
    }
    ShowMessage(QMessageBox::Information, kSaved);
    return true;
}

void SetUpReportGrid(QTableWidget& grid, int rowHeight)
{
    grid.setFont(nemra::ui::LabelFont(14, false));
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setDefaultSectionSize(rowHeight);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void SetReportGridRow(QTableWidget& grid, int row, std::span<const std::string> cells, bool header)
{
    for (std::size_t column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(QString::fromStdString(cells[column]));
        if (header)
            item->setFlags(Qt::ItemIsEnabled);
        grid.setItem(row, static_cast<int>(column), item);
    }
}
