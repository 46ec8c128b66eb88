#include "PlacementDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kItemHeight = 16;
constexpr int kChartItems = 3;

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
    for (const nemra::PlacementGroup& group : FTree) {
        QTreeWidgetItem* line = OutlineItem(group.Text);
        for (const std::string& child : group.Children)
            line->addChild(OutlineItem(child));
        Outline1->addTopLevelItem(line);
    }
    Outline1->expandAll();
    Outline1->setUpdatesEnabled(true);
}
