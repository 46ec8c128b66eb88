#include "library/ui/ChartList.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr int kPageRows = 200;
const char* const kHeaders[] = {"นาม", "วันที่", "เวลา", "จังหวัด/เมือง", "กลุ่ม"};

} // namespace

TChartListModel::TChartListModel(nemra::ChartStore& store, QObject* parent)
    : QAbstractTableModel(parent)
    , FStore(store)
{
    FQuery.limit = kPageRows;
}

void TChartListModel::SetSearchText(const QString& text)
{
    FQuery.text = text.toStdString();
    Reload();
}

void TChartListModel::Reload()
{
    beginResetModel();
    FRows = LoadPage(0);
    endResetModel();
}

std::vector<nemra::StoredChart> TChartListModel::LoadPage(int offset)
{
    FQuery.offset = offset;
    auto page = FStore.Find(FQuery);
    if (!page) {
        FMore = false;
        emit Failed(FromUtf8(page.fault().reason));
        return {};
    }
    FMore = static_cast<int>(page->rows.size()) == FQuery.limit;
    return std::move(page->rows);
}

int TChartListModel::RowOf(std::int64_t id) const
{
    for (std::size_t row = 0; row < FRows.size(); ++row)
        if (FRows[row].id == id)
            return static_cast<int>(row);
    return -1;
}

int TChartListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FRows.size());
}

int TChartListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(std::size(kHeaders));
}

QVariant TChartListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const nemra::StoredChart& chart = Chart(index.row());
    switch (index.column()) {
    case 0:
        return FromUtf8(chart.chart.input.Name.str());
    case 1:
        return FromUtf8(chart.chart.input.Date.str());
    case 2:
        return FromUtf8(chart.chart.input.Time.str());
    case 3:
        return FromUtf8(chart.chart.input.Place.str());
    default:
        return FromUtf8(chart.chart.group);
    }
}

QVariant TChartListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(kHeaders[section]);
}

bool TChartListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && FMore;
}

void TChartListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || !FMore)
        return;
    auto more = LoadPage(rowCount());
    if (more.empty())
        return;
    beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(more.size()) - 1);
    FRows.insert(FRows.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    endInsertRows();
}

// Sorting asks the store again, so the order covers every chart, not only the loaded pages.
void TChartListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    FQuery.sortBy = static_cast<nemra::ChartColumn>(column);
    FQuery.descending = order == Qt::DescendingOrder;
    Reload();
}

TChartListPanel::TChartListPanel(nemra::ChartStore& store, bool multiSelect, QWidget* parent)
    : QWidget(parent)
    , FStore(store)
{
    setObjectName(QStringLiteral("ChartListPanel"));
    SearchEdit = MakeEdit(this, "SearchEdit");
    SearchEdit->setPlaceholderText(QStringLiteral("พิมพ์ชื่อ สถานที่ หมายเหตุ หรือกลุ่มที่ต้องการหา"));
    SearchEdit->setClearButtonEnabled(true);
    Model = new TChartListModel(store, this);
    ChartList = new QTableView(this);
    ChartList->setObjectName(QStringLiteral("ChartList"));
    ChartList->setModel(Model);
    ChartList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ChartList->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                            : QAbstractItemView::SingleSelection);
    ChartList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ChartList->verticalHeader()->hide();
    ChartList->verticalHeader()->setDefaultSectionSize(20);
    ChartList->horizontalHeader()->setStretchLastSection(true);
    ChartList->setColumnWidth(0, 190);
    ChartList->setColumnWidth(3, 130);
    ChartList->setSortingEnabled(true);
    ChartList->sortByColumn(0, Qt::AscendingOrder);
    ChartList->installEventFilter(this);
    SearchEdit->installEventFilter(this);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SearchEdit);
    layout->addWidget(ChartList, 1);
    layout->addWidget(StatusLabel);

    connect(SearchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        Model->SetSearchText(text);
        SelectFirst();
    });
    connect(ChartList, &QTableView::doubleClicked, this, &TChartListPanel::Chosen);
    connect(ChartList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TChartListPanel::CurrentChanged);
    connect(Model, &QAbstractItemModel::modelReset, this, &TChartListPanel::SelectFirst);
    connect(Model, &TChartListModel::Failed, StatusLabel, &QLabel::setText);
    SelectFirst();
    ShowStatus();
}

const nemra::StoredChart* TChartListPanel::Current() const
{
    const QModelIndex current = ChartList->currentIndex();
    return current.isValid() ? &Model->Chart(current.row()) : nullptr;
}

std::vector<nemra::StoredChart> TChartListPanel::Selected() const
{
    std::set<int> rows;
    for (const QModelIndex& index : ChartList->selectionModel()->selectedRows())
        rows.insert(index.row());
    std::vector<nemra::StoredChart> charts;
    for (const int row : rows)
        charts.push_back(Model->Chart(row));
    return charts;
}

void TChartListPanel::Reload(std::int64_t keepId)
{
    Model->Reload();
    const int row = Model->RowOf(keepId);
    if (row >= 0)
        ChartList->setCurrentIndex(Model->index(row, 0));
    ShowStatus();
}

void TChartListPanel::ShowStatus()
{
    const auto count = FStore.Count();
    QString text = QStringLiteral("ไฟล์ข้อมูลดวงชะตา %1: %2 ดวง")
                       .arg(QString::fromStdString(FStore.Path().string()))
                       .arg(count ? QString::number(*count) : QStringLiteral("?"));
    if (FStore.ReadOnly())
        text += QLatin1Char('\n') + FromUtf8(FStore.ReadOnlyReason());
    StatusLabel->setText(text);
}

void TChartListPanel::SelectFirst()
{
    if (Model->rowCount() > 0 && !ChartList->currentIndex().isValid())
        ChartList->setCurrentIndex(Model->index(0, 0));
    emit CurrentChanged();
}

// Enter on the list chooses its current chart; the arrow keys in the search box move
// through the list, so the keyboard alone finds and chooses a chart.
bool TChartListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == ChartList && (key == Qt::Key_Return || key == Qt::Key_Enter) && Current()) {
            emit Chosen();
            return true;
        }
        if (watched == SearchEdit
            && (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp)) {
            ChartList->setFocus();
            QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(ChartList, &copy);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
