#include "reports/ui/ReportDialog.h"

#include "reports/model/AspectList.h"
#include "reports/model/ReportFile.h"
#include "ui/common/QtText.h"
#include "ui/common/SaveFileDialog.h"
#include "ui/common/ThaiFonts.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableWidget>

using namespace nemra::ui;

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

std::unique_ptr<QFileDialog> TReportDialog::SaveFileDialog(const QString& title, const QString& filter,
                                                           const QString& defaultSuffix)
{
    // Reports are appended to a file that exists: there is nothing to replace, unless the save
    // being asked for replaces its file.
    return nemra::ui::MakeSaveFileDialog(this, title, filter, defaultSuffix, FSaveMode);
}

QString TReportDialog::AskSaveFileName(const QString& title, const QString& filter, const QString& defaultSuffix)
{
    return nemra::ui::RunSaveFileDialog(*SaveFileDialog(title, filter, defaultSuffix));
}

void TReportDialog::ShowMessage(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

bool TReportDialog::SaveLinesToFile(const std::vector<std::string>& lines, const QString& title)
{
    return SaveToFile(title.isEmpty() ? kSaveTitle : title, kSaveFilter, kSaveSuffix, nemra::ui::SaveMode::Append,
                      [&lines](const std::string& path) { return nemra::SaveReportLines(path, lines); });
}

bool TReportDialog::SaveToFile(const QString& title, const QString& filter, const QString& defaultSuffix,
                               nemra::ui::SaveMode mode,
                               const std::function<nemra::Result<>(const std::string& path)>& write)
{
    FSaveMode = mode;
    const QString path = AskSaveFileName(title, filter, defaultSuffix);
    FSaveMode = nemra::ui::SaveMode::Append;
    if (path.isEmpty())
        return false;
    const nemra::Result<> result = [&] {
        BusyCursor busy;
        return write(path.toStdString());
    }();
    if (!result) {
        ShowMessage(QMessageBox::Critical, kNotSaved.arg(path, QString::fromStdString(result.fault().reason)));
        return false;
    }
    ShowMessage(QMessageBox::Information, kSaved);
    return true;
}

void nemra::ui::SetUpReportGrid(QTableWidget& grid, int rowHeight)
{
    grid.setFont(nemra::ui::LabelFont(14, false));
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setDefaultSectionSize(rowHeight);
    QHeaderView& header = *grid.horizontalHeader();
    header.show();
    header.setFont(grid.font());
    header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header.setHighlightSections(false);
    header.setFixedHeight(rowHeight);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void nemra::ui::SetReportGridHeader(QTableWidget& grid, std::span<const std::string> cells)
{
    QStringList labels;
    for (const std::string& cell : cells)
        labels << QString::fromStdString(cell);
    grid.setHorizontalHeaderLabels(labels);
}

void nemra::ui::SetReportGridRow(QTableWidget& grid, int row, std::span<const std::string> cells)
{
    for (std::size_t column = 0; column < cells.size(); ++column)
        grid.setItem(row, static_cast<int>(column), new QTableWidgetItem(QString::fromStdString(cells[column])));
}

std::tuple<QComboBox*, QComboBox*, QComboBox*> nemra::ui::MakeAspectSizeLists(QWidget* parent)
{
    const auto list = [parent](const char* name, const QStringList& items) {
        auto* box = new QComboBox(parent);
        box->setObjectName(QLatin1String(name));
        box->addItems(items);
        return box;
    };
    QStringList bases;
    for (const auto item : nemra::AspectBaseItems)
        bases << nemra::ui::FromUtf8(item);
    QStringList minutes;
    for (int minute = 0; minute < 60; ++minute)
        minutes << QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
    return {list("ComboBox1", bases), list("ComboBox2", {QStringLiteral("0"), QStringLiteral("1")}),
            list("ComboBox3", minutes)};
}
