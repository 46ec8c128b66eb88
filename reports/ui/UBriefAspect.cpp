#include "reports/ui/UBriefAspect.h"
#include "reports/ui/UBriefAspectLayout.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

namespace L = nemra::ui::briefaspect;
using nemra::ui::MakeControl;

constexpr int kBaseItemOf45 = 2;
static_assert(std::size(L::kArcButtons) == nemra::kArcKindCount);

} // namespace

TFBriefAspect::TFBriefAspect(const nemra::ChartSet& charts, nemra::ReportChoices& choices, QWidget* parent)
    : TReportDialog(parent)
    , FCharts(charts)
    , FChoices(choices)
{
    setObjectName(QStringLiteral("FBriefAspect"));
    setWindowTitle(QString::fromUtf8(L::kTitle));
    CreateControls();
    resize(L::kWidth, L::kHeight);
    FormCreate();
    ConnectControls();
}

// The controls from UBriefAspectLayout.h, in their layouts.
void TFBriefAspect::CreateControls()
{
    TabControl1 = new QTabBar(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    for (int mode = 1; mode <= nemra::kAspectModeCount; ++mode)
        TabControl1->addTab(FromUtf8(nemra::AspectModeCaptions[static_cast<std::size_t>(mode - 1)]));

    StringGrid1 = new QTableWidget(1, L::kGridColumns, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    SetUpReportGrid(*StringGrid1, L::kRowHeight);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(L::kColumnWidth);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setMinimumWidth(L::kGridColumns * L::kColumnWidth + 24);

    Label1 = MakeControl<QLabel>(this, L::kCountLabel);
    Label3 = MakeControl<QLabel>(this, L::kArcLabel);

    auto* sizes = MakeControl<QGroupBox>(this, L::kSizeGroup);
    std::tie(ComboBox1, ComboBox2, ComboBox3) = MakeAspectSizeLists(sizes);
    auto* sizesLayout = new QHBoxLayout(sizes);
    for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3})
        sizesLayout->addWidget(list);

    auto* arcs = MakeControl<QGroupBox>(this, L::kArcGroup);
    RadioGroup1Items = new QButtonGroup(arcs);
    auto* arcsLayout = new QHBoxLayout(arcs);
    for (int i = 0; i < nemra::kArcKindCount; ++i) {
        auto* button = MakeControl<QRadioButton>(arcs, L::kArcButtons[i]);
        RadioGroup1Items->addButton(button, i);
        arcsLayout->addWidget(button);
    }

    SaveV1NatalBtn = MakeControl<QPushButton>(this, L::kSaveButton);
    CloseBtn = MakeControl<QPushButton>(this, L::kCloseButton);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1);
    buttons->addStretch();
    buttons->addWidget(SaveV1NatalBtn);
    buttons->addWidget(CloseBtn);
    auto* settings = new QHBoxLayout;
    settings->addWidget(sizes);
    settings->addWidget(arcs);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabControl1);
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(Label3);
    layout->addLayout(settings);
    layout->addLayout(buttons);
}

void TFBriefAspect::ConnectControls()
{
    connect(TabControl1, &QTabBar::currentChanged, this, &TFBriefAspect::TabControl1Change);
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this, &TFBriefAspect::RadioGroup1Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFBriefAspect::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TFBriefAspect::ComboBox2Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TFBriefAspect::ComboBox3Change);
    connect(SaveV1NatalBtn, &QPushButton::clicked, this, &TFBriefAspect::SaveV1NatalBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFBriefAspect::FormCreate()
{
    if (FChoices.BriefAspectMode < 1 || FChoices.BriefAspectMode > nemra::kAspectModeCount)
        FChoices.BriefAspectMode = 1;
    TabControl1->setCurrentIndex(FChoices.BriefAspectMode - 1);
    WriteTabCaptions();
    ArcKind = 1;
    RadioGroup1Items->button(0)->setChecked(true);
    ShowArcLabel();
    ComboBox1->setCurrentIndex(kBaseItemOf45);
    ComboBox2->setCurrentIndex(1);
    ComboBox3->setCurrentIndex(0);
    AspectBase = 45.0;
    AspectOrb = 1.0;
    RebuildAspectList();
}

void TFBriefAspect::TabControl1Change(int index)
{
    FChoices.BriefAspectMode = index + 1;
    WriteTabCaptions();
    RebuildAspectList();
}

void TFBriefAspect::RadioGroup1Click(int itemIndex)
{
    ArcKind = itemIndex + 1;
    ShowArcLabel();
    if (FChoices.BriefAspectMode == 3 || FChoices.BriefAspectMode == 5)
        RebuildAspectList();
}

void TFBriefAspect::ComboBox1Change(int itemIndex)
{
    AspectBase = nemra::AspectBaseFor(itemIndex, AspectBase);
    RebuildAspectList();
}

void TFBriefAspect::ComboBox2Change()
{
    AspectOrb = nemra::AspectOrbFor(ComboBox2->currentIndex(), ComboBox3->currentIndex());
    RebuildAspectList();
}

void TFBriefAspect::ComboBox3Change()
{
    ComboBox2Change();
}

void TFBriefAspect::SaveV1NatalBtnClick()
{
    SaveAspectList();
}

void TFBriefAspect::WriteTabCaptions()
{
    for (int mode = 1; mode <= nemra::kAspectModeCount; ++mode)
        TabControl1->setTabText(mode - 1,
                                QString::fromStdString(nemra::AspectTabCaption(mode, FChoices.BriefAspectMode)));
}

void TFBriefAspect::ShowArcLabel()
{
    Label3->setText(QString::fromStdString(nemra::ArcLabelText(nemra::AspectListChartsOf(FCharts).arcs, ArcKind)));
}

void TFBriefAspect::RebuildAspectList()
{
    FList = nemra::BuildAspectList(nemra::AspectListChartsOf(FCharts),
                                   {FChoices.BriefAspectMode, AspectBase, AspectOrb, ArcKind});
    FillGrid();
    Label1->setText(QStringLiteral("การทำมุม %1 รายการ").arg(FList.rows.size()));
}

void TFBriefAspect::FillGrid()
{
    StringGrid1->setUpdatesEnabled(false);
    const int rows = static_cast<int>(FList.rows.size());
    StringGrid1->setRowCount(std::max(1, rows));
    SetReportGridHeader(*StringGrid1, nemra::AspectHeaderCells(FList));
    for (int r = 0; r < rows; ++r) {
        const auto& row = FList.rows[static_cast<std::size_t>(r)];
        const std::array<std::string, L::kGridColumns> cells = {row.first, row.angle, row.second, row.deviation};
        SetReportGridRow(*StringGrid1, r, cells);
    }
    if (rows == 0) // the grid keeps one row under its header, empty
        SetReportGridRow(*StringGrid1, 0, std::array<std::string, L::kGridColumns>{});
    StringGrid1->setUpdatesEnabled(true);
}

void TFBriefAspect::SaveAspectList()
{
    SaveLinesToFile(nemra::AspectListFileLines(FList));
}
