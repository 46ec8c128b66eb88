#include "reports/ui/PlacementDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kItemHeight = 16;
constexpr int kChartItems = 3;

constexpr int kFactorRole = Qt::UserRole;
constexpr int kHouseRole = Qt::UserRole + 1;
constexpr int kBookPaneHeight = 90;

QTreeWidgetItem* OutlineItem(const std::string& text)
{
    auto* item = new QTreeWidgetItem({QString::fromStdString(text)});
    item->setSizeHint(0, QSize(0, kItemHeight));
    return item;
}

} // namespace

TPlacementDialog::TPlacementDialog(const nemra::PlacementReport& report, const QString& saveTitle,
                                   const QString& saveHint, QWidget* parent)
    : TReportDialog(parent)
    , FReport(report)
    , FSaveTitle(saveTitle)
{
    CreateControls(saveHint);
    resize(420, 560);
    FormCreate();
    ConnectControls();
}

// Made in tab order: the outline, the radio group, the save and the close button.
void TPlacementDialog::CreateControls(const QString& saveHint)
{
    Outline1 = new QTreeWidget(this);
    Outline1->setObjectName(QStringLiteral("Outline1"));
    Outline1->setHeaderHidden(true);
    Outline1->setColumnCount(1);
    Outline1->setUniformRowHeights(true);
    Outline1->setSelectionMode(QAbstractItemView::SingleSelection);
    BookPane = new QTextBrowser(this);
    BookPane->setObjectName(QStringLiteral("BookPane"));
    BookPane->setMaximumHeight(kBookPaneHeight);
    BookPane->setVisible(false);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1Items = new QButtonGroup(RadioGroup1);
    auto* chartsLayout = new QHBoxLayout(RadioGroup1);
    const QString items[kChartItems] = {QStringLiteral("ดวงกำเนิด"), QStringLiteral("ดวงจร"),
                                        QStringLiteral("ดวงกำเนิดและจร")};
    for (int i = 0; i < kChartItems; ++i) {
        auto* button = new QRadioButton(items[i], RadioGroup1);
        button->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Items->addButton(button, i);
        chartsLayout->addWidget(button);
    }

    BitBtn2 = new QPushButton(QStringLiteral("บันทึกไฟล์"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(saveHint);
    BitBtn1 = new QPushButton(QStringLiteral("จบรายงาน"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Outline1, 1);
    layout->addWidget(BookPane);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);
}

void TPlacementDialog::ConnectControls()
{
    // Toggled rather than clicked, so that choosing an item with the arrow keys rebuilds too.
    connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            RadioGroup1Click(id);
    });
    connect(Outline1, &QTreeWidget::currentItemChanged, this, [this] { ShowBookText(); });
    connect(BitBtn2, &QPushButton::clicked, this, &TPlacementDialog::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TPlacementDialog::FormCreate()
{
    setWindowTitle(QString::fromStdString(nemra::PlacementCaption(FReport)));
    const auto opening = nemra::ChartChoiceOpeningFor(FReport.Natal.Computed, FReport.Transit.Computed);
    RadioGroup1Items->button(opening.item)->setChecked(true);
    RadioGroup1->setEnabled(opening.enabled);
    RadioGroup1Click(opening.item);
}

void TPlacementDialog::RadioGroup1Click(int itemIndex)
{
    nemra::ShowChartsOfItem(FReport, itemIndex);
    RebuildOutline();
}

void TPlacementDialog::BitBtn2Click()
{
    SaveLinesToFile(nemra::PlacementFileLines(nemra::PlacementCaption(FReport), FTree), FSaveTitle);
}

void TPlacementDialog::RebuildOutline()
{
    FTree = nemra::BuildPlacementOutline(FReport);
    FillOutline();
}

void TPlacementDialog::FillOutline()
{
    Outline1->setUpdatesEnabled(false);
    Outline1->clear();
    // Only the houses outline has book entries: a factor in a sign has none.
    const bool withBook = FBookLookup && FReport.Houses;
    for (std::size_t house = 0; house < FTree.size(); ++house) {
        const nemra::PlacementGroup& group = FTree[house];
        QTreeWidgetItem* line = OutlineItem(group.Text);
        for (std::size_t i = 0; i < group.Children.size(); ++i) {
            QTreeWidgetItem* child = OutlineItem(group.Children[i]);
            const int factor = i < group.ChildFactors.size() ? group.ChildFactors[i] : 0;
            child->setData(0, kFactorRole, factor);
            child->setData(0, kHouseRole, static_cast<int>(house) + 1);
            if (withBook && factor > 0)
                child->setToolTip(0, QString::fromStdString(FBookLookup(factor, static_cast<int>(house) + 1)));
            line->addChild(child);
        }
        Outline1->addTopLevelItem(line);
    }
    Outline1->expandAll();
    Outline1->setUpdatesEnabled(true);
}

void TPlacementDialog::SetBookLookup(BookLookup lookup)
{
    FBookLookup = std::move(lookup);
    BookPane->setVisible(FBookLookup && FReport.Houses);
    FillOutline();
}

void TPlacementDialog::ShowBookText()
{
    const QTreeWidgetItem* item = Outline1->currentItem();
    const int factor = item ? item->data(0, kFactorRole).toInt() : 0;
    if (!FBookLookup || !FReport.Houses || factor <= 0) {
        BookPane->clear();
        return;
    }
    BookPane->setPlainText(QString::fromStdString(FBookLookup(factor, item->data(0, kHouseRole).toInt())));
}
