#include "reports/ui/UBriefAspect.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

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

constexpr std::size_t kGridColumns = 4;
constexpr int kColumnWidth = 82;
constexpr int kRowHeight = 18;
constexpr int kBaseItemOf45 = 2;

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

TFBriefAspect::TFBriefAspect(nemra::MainSession& session, QWidget* parent)
    : TReportDialog(parent)
    , FSession(session)
{
    setObjectName(QStringLiteral("FBriefAspect"));
    setWindowTitle(QStringLiteral("การทำมุมของปัจจัยเดี่ยว"));
    CreateControls();
    resize(660, 540); // wide enough for the five tabs on one line
    FormCreate();
    ConnectControls();
}

void TFBriefAspect::CreateControls()
{
    TabControl1 = new QTabBar(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    for (int mode = 1; mode <= nemra::kAspectModeCount; ++mode)
        TabControl1->addTab(FromUtf8(nemra::AspectModeCaptions[static_cast<std::size_t>(mode - 1)]));

    StringGrid1 = new QTableWidget(1, static_cast<int>(kGridColumns), this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    SetUpReportGrid(*StringGrid1, kRowHeight);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setMinimumWidth(static_cast<int>(kGridColumns) * kColumnWidth + 24);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));

    auto* sizes = new QGroupBox(QStringLiteral("ขนาดมุม/วังกะ"), this);
    sizes->setObjectName(QStringLiteral("GroupBox1"));
    ComboBox1 = new QComboBox(sizes);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const auto item : nemra::AspectBaseItems)
        ComboBox1->addItem(FromUtf8(item));
    ComboBox2 = new QComboBox(sizes);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("0"), QStringLiteral("1")});
    ComboBox3 = new QComboBox(sizes);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    for (int minute = 0; minute < 60; ++minute)
        ComboBox3->addItem(TwoDigits(minute));
    auto* sizesLayout = new QHBoxLayout(sizes);
    sizesLayout->addWidget(ComboBox1);
    sizesLayout->addWidget(ComboBox2);
    sizesLayout->addWidget(ComboBox3);

    auto* arcs = new QGroupBox(QStringLiteral("โค้งสุริยยาตร์"), this);
    arcs->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1Items = new QButtonGroup(arcs);
    auto* arcsLayout = new QHBoxLayout(arcs);
    const QString arcItems[] = {QStringLiteral("โค้งปกติ"), QStringLiteral("ครึ่งโค้ง"), QStringLiteral("โค้ง 2 เท่า")};
    for (int i = 0; i < nemra::kArcKindCount; ++i) {
        auto* button = new QRadioButton(arcItems[i], arcs);
        button->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Items->addButton(button, i);
        arcsLayout->addWidget(button);
    }

    SaveV1NatalBtn = new QPushButton(QStringLiteral("บันทึกไฟล์"), this);
    SaveV1NatalBtn->setObjectName(QStringLiteral("SaveV1NatalBtn"));
    SaveV1NatalBtn->setToolTip(QStringLiteral("บันทึกรายงานการทำมุมและคำแปลทุกรายการลงไฟล์"));
    CloseBtn = new QPushButton(QStringLiteral("ออก"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));

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
    if (FSession.BriefAspectMode < 1 || FSession.BriefAspectMode > nemra::kAspectModeCount)
        FSession.BriefAspectMode = 1;
    TabControl1->setCurrentIndex(FSession.BriefAspectMode - 1);
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
    FSession.BriefAspectMode = index + 1;
    WriteTabCaptions();
    RebuildAspectList();
}

void TFBriefAspect::RadioGroup1Click(int itemIndex)
{
    ArcKind = itemIndex + 1;
    ShowArcLabel();
    if (FSession.BriefAspectMode == 3 || FSession.BriefAspectMode == 5)
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
                                QString::fromStdString(nemra::AspectTabCaption(mode, FSession.BriefAspectMode)));
}

void TFBriefAspect::ShowArcLabel()
{
    Label3->setText(
        QString::fromStdString(nemra::ArcLabelText({FSession.FArc, FSession.FHalfArc, FSession.FDoubleArc}, ArcKind)));
}

void TFBriefAspect::RebuildAspectList()
{
    const nemra::AspectListCharts charts{
        FSession.FNatal, FSession.FTransit, {FSession.FArc, FSession.FHalfArc, FSession.FDoubleArc}};
    FList = nemra::BuildAspectList(charts, {FSession.BriefAspectMode, AspectBase, AspectOrb, ArcKind});
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
        const std::array<std::string, kGridColumns> cells = {row.first, row.angle, row.second, row.deviation};
        SetReportGridRow(*StringGrid1, r, cells);
    }
    if (rows == 0) // the grid keeps one row under its header, empty
        SetReportGridRow(*StringGrid1, 0, std::array<std::string, kGridColumns>{});
    StringGrid1->setUpdatesEnabled(true);
}

void TFBriefAspect::SaveAspectList()
{
    SaveLinesToFile(nemra::AspectListFileLines(FList));
}
