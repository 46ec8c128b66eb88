#include "reports/ui/Ureport.h"

#include "reports/model/AspectList.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kGridColumns = 4;
constexpr int kColumnWidth = 92;
constexpr int kRowHeight = 20;
constexpr int kBaseItemOf45 = 2;
constexpr int kLayerCount = 8;

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    return group;
}

// Buttons laid out in two columns, first column top to bottom.
void LayOutInTwoColumns(QGroupBox* group, const std::vector<QWidget*>& widgets)
{
    auto* layout = new QGridLayout(group);
    const int rows = static_cast<int>((widgets.size() + 1) / 2);
    for (int i = 0; i < static_cast<int>(widgets.size()); ++i)
        layout->addWidget(widgets[static_cast<std::size_t>(i)], i % rows, i / rows);
}

} // namespace

TFReport::TFReport(const nemra::ReportSnapshot& snapshot, nemra::ChartLayer& targetLayer, QWidget* parent)
    : TReportDialog(parent)
    , FSnapshot(snapshot)
    , FTargetLayer(targetLayer)
{
    setObjectName(QStringLiteral("FReport"));
    setWindowTitle(QStringLiteral("รายงานการทำมุม"));
    CreateControls();
    FormCreate();
    ConnectControls();
}

void TFReport::CreateControls()
{
    Label1 = new QLabel(QStringLiteral("XName"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("XValue"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label6 = new QLabel(this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->hide();

    QStringList baseItems;
    for (const auto item : nemra::AspectBaseItems)
        baseItems << FromUtf8(item);
    ComboBox1 = MakeList(this, "ComboBox1", baseItems);
    ComboBox2 = MakeList(this, "ComboBox2", {QStringLiteral("0"), QStringLiteral("1")});
    QStringList minutes;
    for (int minute = 0; minute < 60; ++minute)
        minutes << TwoDigits(minute);
    ComboBox3 = MakeList(this, "ComboBox3", minutes);
    auto* baseLabel = new QLabel(QStringLiteral("ขนาดของมุม (องศา.ลิบดา)"), this);
    baseLabel->setBuddy(ComboBox1);
    auto* orbLabel = new QLabel(QStringLiteral("ระยะวังกะ(องศา/ลิบดา)"), this);
    orbLabel->setBuddy(ComboBox2);

    QGroupBox* layers = MakeGroup(this, "GroupBox1", QStringLiteral("ทำมุมกับ"));
    std::vector<QWidget*> layerWidgets;
    for (int layer = 1; layer <= kLayerCount; ++layer) {
        auto* button = new QRadioButton(FromUtf8(nemra::TargetLayerCaptions[static_cast<std::size_t>(layer)]), layers);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(layer));
        button->setEnabled(false);
        FLayerButtons[static_cast<std::size_t>(layer - 1)] = button;
        layerWidgets.push_back(button);
    }
    LayOutInTwoColumns(layers, layerWidgets);

    QGroupBox* kinds = MakeGroup(this, "GroupBox2", QStringLiteral("ชนิดจุดกระทบ"));
    std::vector<QWidget*> kindWidgets;
    for (int kind = 1; kind <= nemra::kHitKindCount; ++kind) {
        auto* box = new QCheckBox(FromUtf8(nemra::HitKindCaptions[static_cast<std::size_t>(kind - 1)]), kinds);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(kind));
        FKindBoxes[static_cast<std::size_t>(kind - 1)] = box;
        kindWidgets.push_back(box);
    }
    LayOutInTwoColumns(kinds, kindWidgets);

    QGroupBox* sort = MakeGroup(this, "SortGroup", QStringLiteral("การเรียงลำดับ"));
    FSortByOrb = new QRadioButton(QStringLiteral("ตามระยะวังกะ"), sort);
    FSortByOrb->setObjectName(QStringLiteral("SortGroupItem0"));
    FSortByFactor = new QRadioButton(QStringLiteral("ตามลำดับดาว"), sort);
    FSortByFactor->setObjectName(QStringLiteral("SortGroupItem1"));
    FSortByFactor->setChecked(true);
    LayOutInTwoColumns(sort, {FSortByOrb, FSortByFactor});

    QGroupBox* list = MakeGroup(this, "GroupBox3", QStringLiteral("รายการทำมุม"));
    StringGrid1 = new QTableWidget(1, kGridColumns, list);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    SetUpReportGrid(*StringGrid1, kRowHeight);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    StringGrid1->setMinimumWidth(kGridColumns * kColumnWidth + 24);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->addWidget(StringGrid1);
    BookPane = new QTextBrowser(list);
    BookPane->setObjectName(QStringLiteral("BookPane"));
    BookPane->setMaximumHeight(90);
    BookPane->setVisible(false);
    listLayout->addWidget(BookPane);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this] { ShowBookText(); });

    Label5 = new QLabel(QStringLiteral("จำนวนจุดกระทบที่พบ....จุด"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    BitBtn2 = new QPushButton(QStringLiteral("บันทึกไฟล์"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("บันทึกตารางการทำมุมลงไฟล์"));
    BitBtn2->setAutoDefault(false);
    BitBtn3 = new QPushButton(QStringLiteral("พิมพ์"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setToolTip(QStringLiteral("พิมพ์ข้อมูลในตารางการทำมุม"));
    BitBtn3->setAutoDefault(false);
    CloseBtn = new QPushButton(QStringLiteral("จบรายงาน"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setDefault(true);

    auto* sizes = new QGridLayout;
    sizes->addWidget(baseLabel, 0, 0);
    sizes->addWidget(ComboBox1, 0, 1, 1, 2);
    sizes->addWidget(orbLabel, 1, 0);
    sizes->addWidget(ComboBox2, 1, 1);
    sizes->addWidget(ComboBox3, 1, 2);
    auto* controls = new QVBoxLayout;
    controls->addWidget(Label1);
    controls->addWidget(Label2);
    controls->addLayout(sizes);
    controls->addWidget(layers);
    controls->addWidget(kinds);
    controls->addWidget(sort);
    controls->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(controls);
    body->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label5);
    buttons->addWidget(Label6);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}

void TFReport::ConnectControls()
{
    for (int kind = 1; kind <= nemra::kHitKindCount; ++kind)
        connect(FKindBoxes[static_cast<std::size_t>(kind - 1)], &QCheckBox::toggled, this,
                [this, kind](bool checked) { CheckBoxClick(kind, checked); });
    for (int layer = 1; layer <= kLayerCount; ++layer)
        connect(FLayerButtons[static_cast<std::size_t>(layer - 1)], &QRadioButton::toggled, this,
                [this, layer](bool checked) {
                    if (checked)
                        RadioButtonClick(layer);
                });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFReport::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TFReport::ComboBox2Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TFReport::ComboBox3Change);
    connect(FSortByOrb, &QRadioButton::toggled, this, &TFReport::SortGroupClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TFReport::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFReport::BitBtn3Click);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFReport::FormCreate()
{
    Label1->setText(QString::fromStdString(nemra::StudiedPointTitle(FSnapshot)));
    Label2->setText(QString::fromStdString(FSnapshot.indexText));
    ComboBox1->setCurrentIndex(kBaseItemOf45);
    ComboBox2->setCurrentIndex(1);
    ComboBox3->setCurrentIndex(0);
    FSettings.base = 45.0;
    FSettings.orb = 1.0;
    FSettings.kinds = nemra::kDefaultHitKinds;
    for (int kind = 1; kind <= nemra::kHitKindCount; ++kind)
        FKindBoxes[static_cast<std::size_t>(kind - 1)]->setChecked(FSettings.kinds[static_cast<std::size_t>(kind - 1)]);
    for (int layer = 1; layer <= kLayerCount; ++layer)
        FLayerButtons[static_cast<std::size_t>(layer - 1)]->setEnabled(
            nemra::TargetLayerOffered(FSnapshot, nemra::ChartLayerOf(layer)));
    FTargetLayer = nemra::OpeningTargetLayer(FSnapshot, FTargetLayer);
    if (FTargetLayer >= 1 && FTargetLayer <= kLayerCount
        && FLayerButtons[static_cast<std::size_t>(FTargetLayer - 1)]->isEnabled())
        FLayerButtons[static_cast<std::size_t>(FTargetLayer - 1)]->setChecked(true);
    SearchHits();
}

void TFReport::CheckBoxClick(int kind, bool checked)
{
    FSettings.kinds[static_cast<std::size_t>(kind - 1)] = checked;
    SearchHits();
}

void TFReport::RadioButtonClick(int layer)
{
    FTargetLayer = nemra::ChartLayerOf(layer);
    SearchHits();
}

void TFReport::ComboBox1Change(int itemIndex)
{
    FSettings.base = nemra::AspectBaseFor(itemIndex, FSettings.base);
    SearchHits();
}

void TFReport::ComboBox2Change()
{
    FSettings.orb = nemra::AspectOrbFor(ComboBox2->currentIndex(), ComboBox3->currentIndex());
    SearchHits();
}

void TFReport::ComboBox3Change()
{
    ComboBox2Change();
}

void TFReport::SortGroupClick()
{
    SearchHits();
}

void TFReport::BitBtn2Click()
{
    SaveLinesToFile(nemra::HitReportFileLines(FSnapshot, FTargetLayer, FReport));
}

void TFReport::BitBtn3Click()
{
    emit printRequested();
}

void TFReport::SearchHits()
{
    FSettings.targetLayer = FTargetLayer;
    FSettings.sortByOrb = FSortByOrb->isChecked();
    FReport = nemra::SearchHits(FSnapshot, FSettings);
    BitBtn2->setEnabled(FReport.searched);
    BitBtn3->setEnabled(FReport.searched);
    Label5->setText(QString::fromStdString(nemra::HitCountText(FReport)));
    FillGrid();
}

void TFReport::FillGrid()
{
    // The first row is the header; the studied point and the hits go under it.
    const std::vector<nemra::HitGridRow> rows = nemra::HitGridRows(FSnapshot, FReport);
    StringGrid1->setUpdatesEnabled(false);
    StringGrid1->setRowCount(std::max(0, static_cast<int>(rows.size()) - 1));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r == 0)
            SetReportGridHeader(*StringGrid1, rows[r]);
        else
            SetReportGridRow(*StringGrid1, static_cast<int>(r) - 1, rows[r]);
    }
    // Grid row k (from 1) is report row k - 1; row 0 is the studied point.
    if (FBookLookup)
        for (std::size_t i = 0; i < FReport.rows.size(); ++i) {
            const QString text = QString::fromStdString(FBookLookup(FReport.studied, FReport.rows[i].point));
            for (int column = 0; column < StringGrid1->columnCount(); ++column)
                if (QTableWidgetItem* cell = StringGrid1->item(static_cast<int>(i) + 1, column))
                    cell->setToolTip(text);
        }
    StringGrid1->setUpdatesEnabled(true);
    ShowBookText();
}

void TFReport::SetBookLookup(BookLookup lookup)
{
    FBookLookup = std::move(lookup);
    BookPane->setVisible(static_cast<bool>(FBookLookup));
    FillGrid();
}

void TFReport::ShowBookText()
{
    const int row = StringGrid1->currentRow() - 1;
    if (!FBookLookup || row < 0 || static_cast<std::size_t>(row) >= FReport.rows.size()) {
        BookPane->clear();
        return;
    }
    BookPane->setPlainText(
        QString::fromStdString(FBookLookup(FReport.studied, FReport.rows[static_cast<std::size_t>(row)].point)));
}
