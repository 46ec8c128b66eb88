#include "reports/ui/Ureport.h"

#include "reports/model/AspectList.h"
#include "reports/ui/UreportLayout.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

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

namespace L = nemra::ui::hitreport;
using nemra::ui::MakeControl;

constexpr int kBaseItemOf45 = 2;
constexpr int kLayerCount = 8;

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
    setWindowTitle(QString::fromUtf8(L::kTitle));
    CreateControls();
    FormCreate();
    ConnectControls();
}

// The controls from UreportLayout.h, in their layouts.
void TFReport::CreateControls()
{
    Label1 = MakeControl<QLabel>(this, L::kStudiedLabel);
    Label2 = MakeControl<QLabel>(this, L::kIndexLabel);
    Label6 = MakeControl<QLabel>(this, L::kHiddenLabel);
    Label6->hide();

    std::tie(ComboBox1, ComboBox2, ComboBox3) = MakeAspectSizeLists(this);
    auto* baseLabel = MakeControl<QLabel>(this, L::kBaseLabel);
    baseLabel->setBuddy(ComboBox1);
    auto* orbLabel = MakeControl<QLabel>(this, L::kOrbLabel);
    orbLabel->setBuddy(ComboBox2);

    auto* layers = MakeControl<QGroupBox>(this, L::kLayerGroup);
    for (int layer = 1; layer <= kLayerCount; ++layer) {
        auto* button = new QRadioButton(FromUtf8(nemra::TargetLayerCaptions[static_cast<std::size_t>(layer)]), layers);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(layer));
        button->setEnabled(false);
        FLayerButtons[static_cast<std::size_t>(layer - 1)] = button;
    }
    LayOutInTwoColumns(layers, {FLayerButtons.begin(), FLayerButtons.end()});

    auto* kinds = MakeControl<QGroupBox>(this, L::kKindGroup);
    for (int kind = 1; kind <= nemra::kHitKindCount; ++kind) {
        auto* box = new QCheckBox(FromUtf8(nemra::HitKindCaptions[static_cast<std::size_t>(kind - 1)]), kinds);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(kind));
        FKindBoxes[static_cast<std::size_t>(kind - 1)] = box;
    }
    LayOutInTwoColumns(kinds, {FKindBoxes.begin(), FKindBoxes.end()});

    auto* sort = MakeControl<QGroupBox>(this, L::kSortGroup);
    FSortByOrb = MakeControl<QRadioButton>(sort, L::kSortButtons[0]);
    FSortByFactor = MakeControl<QRadioButton>(sort, L::kSortButtons[1]);
    FSortByFactor->setChecked(true);
    LayOutInTwoColumns(sort, {FSortByOrb, FSortByFactor});

    auto* list = MakeControl<QGroupBox>(this, L::kListGroup);
    StringGrid1 = new QTableWidget(1, L::kGridColumns, list);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    SetUpReportGrid(*StringGrid1, L::kRowHeight);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(L::kColumnWidth);
    StringGrid1->setMinimumWidth(L::kGridColumns * L::kColumnWidth + 24);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->addWidget(StringGrid1);
    BookPane = new QTextBrowser(list);
    BookPane->setObjectName(QStringLiteral("BookPane"));
    BookPane->setMaximumHeight(L::kBookPaneHeight);
    BookPane->setVisible(false);
    listLayout->addWidget(BookPane);

    Label5 = MakeControl<QLabel>(this, L::kCountLabel);
    BitBtn2 = MakeControl<QPushButton>(this, L::kSaveButton);
    BitBtn2->setAutoDefault(false);
    BitBtn3 = MakeControl<QPushButton>(this, L::kPrintButton);
    BitBtn3->setAutoDefault(false);
    CloseBtn = MakeControl<QPushButton>(this, L::kCloseButton);
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
    for (QWidget* group : {layers, kinds, sort})
        controls->addWidget(group);
    controls->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(controls);
    body->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label5);
    buttons->addWidget(Label6);
    buttons->addStretch();
    for (QPushButton* button : {BitBtn2, BitBtn3, CloseBtn})
        buttons->addWidget(button);
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
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this] { ShowBookText(); });
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
