#include "mainwin/ui/Mainp.h"

#include "charts/ui/StepForm.h"
#include "core/FactorCatalogue.h"
#include "core/WinPl.h"
#include "dials/model/DialIndex.h"
#include "dials/ui/DialExport.h"
#include "dials/ui/DialRenderer.h"
#include "dials/ui/Uselhous.h"
#include "input/ui/Input1.h"
#include "input/ui/utrplace.h"
#include "library/model/ChartStore.h"
#include "mainwin/model/CommandState.h"
#include "mainwin/model/DialInteraction.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/PositionsExport.h"
#include "mainwin/model/RealTime.h"
#include "mainwin/model/Settings.h"
#include "mainwin/ui/ChartArea.h"
#include "mainwin/ui/DialMouse.h"
#include "mainwin/ui/MainpLayout.h"
#include "mainwin/ui/MainpMenus.h"
#include "printing/ui/PrintOutput.h"
#include "reports/model/SolarArcTable.h"
#include "reports/ui/ReportCommands.h"
#include "reports/ui/UBriefAspect.h"
#include "reports/ui/Uhouse.h"
#include "reports/ui/Ureport.h"
#include "reports/ui/Usolrep.h"
#include "ui/common/ElidedLabel.h"
#include "ui/common/FormText.h"
#include "ui/common/QtText.h"
#include "ui/common/SaveFileDialog.h"
#include "ui/common/ThaiFonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtMath>

#include <algorithm>

using nemra::ui::FromUtf8;

namespace {

constexpr const char* kTrueNodeHintChecked = "คลิกเพื่อเปลี่ยนเป็นราหูเฉลี่ย";
constexpr const char* kTrueNodeHintUnchecked = "คลิกเพื่อเปลี่ยนเป็นราหูจริง";

} // namespace

TMainForm::TMainForm(nemra::Clock clock, const QString& settingsFolder, QWidget* parent)
    : QMainWindow(parent)
    , FClock(std::move(clock))
    , FPageLayout(nemra::print::DefaultPageLayout())
{
    setObjectName("MainForm");
    setWindowTitle(QStringLiteral("โหราศาสตร์ยูเรเนียน"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        CheckScreenSize(screen->size());
    BuildLayout();
    BuildCommands();
    BuildActions();
    BuildMainMenu();
    BuildPopupMenus();
    BuildDialToolCommands();
    ShowHoroscopePage();
    FSession.FChartSize = ChartArea->width();
    FSession.FChartCenter = (FSession.FChartSize - 1) / 2 + 1;
    FillGridHeadings();
    nemra::ResetDialToZodiac(FSession);
    FSession.FIndexDial = 1;

    FIniPath = (settingsFolder.isEmpty() ? QDir::currentPath() : settingsFolder) + "/" + nemra::kSettingsFileName;
    FSettings = nemra::ReadSettingsFile(FIniPath.toStdString());
    nemra::ApplySettings(FSession, FSettings);
    // Said once the window exists, so the message has its parent and the event loop runs.
    if (const std::string notice = nemra::SettingsNotice(FSettings); !notice.empty())
        QTimer::singleShot(0, this, [this, text = FromUtf8(notice)] { ShowSettingsNotice(text); });
    FSession.FPlaceChoice = FSession.GChartInput; // the place dialog first opens on the start-up place
    UpdateDialTypeControls();
    CheckChoice(nemra::ui::kAxisChoices, FSession.FAxis == 360 ? 360 : 180);
    SetChecked({"MnTrueNode"}, FSession.TrueNodeChecked);
    item("MnTrueNode")->setStatusTip(FSession.TrueNodeChecked ? kTrueNodeHintChecked : kTrueNodeHintUnchecked);
    item("MnTrueNode")->setToolTip(item("MnTrueNode")->statusTip());

    FSession.FOwnerInput = nemra::OwnerChartInput();
    const QString ownerCaption = (QStringLiteral("ดวง") + FromUtf8(FSession.FOwnerInput.Name.str())).left(33);
    item("MnOwnerChart")
        ->setText(ownerCaption + "\t" + item("OwnerChart")->shortcut().toString(QKeySequence::NativeText));
    item("Pop2OwnerChart")->setText(ownerCaption);

    UpdateCommandState();
    UpdateContraciaMenus();
    FSession.FMidSource = 3;
    FSession.FSensKind = 1;
    FSession.FSensSource = 7;
    CastOwnerChart();
    CastTransitNow();
    ChooseChartList->setCurrentIndex(nemra::kShowAll);
    CentreOnScreen();
}

TMainForm::~TMainForm() = default;

bool TMainForm::CheckScreenSize(QSize screen)
{
    if (screen.width() >= 800 && screen.height() >= 600)
        return true;
    QMessageBox box(QMessageBox::Critical, windowTitle(), QStringLiteral("การแสดงผลหน้าจอ (Resolution) ไม่ถูกต้อง!"),
                    QMessageBox::Ok, this);
    box.setObjectName("ResolutionMessage");
    RunDialog(box);
    // Quitting closes the window first: it must close without asking whether to end.
    FEnding = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return false;
}

// The window, menu bar included, in the middle of the screen's free area.
void TMainForm::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    adjustSize();
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

// ---------------------------------------------------------------- layout

// The horoscope page's widgets at their places (MainpLayout.h), then their wiring.
void TMainForm::BuildLayout()
{
    namespace L = nemra::ui::mainp;
    using nemra::ui::DialogFont;
    using nemra::ui::LabelFont;
    using nemra::ui::MakeControl;

    Notebook1 = new QTabWidget(this);
    Notebook1->setObjectName("Notebook1");
    Notebook1->tabBar()->hide();
    Notebook1->setDocumentMode(true);
    auto* page = new QWidget(Notebook1);
    page->setObjectName("HoroScope");
    page->setAutoFillBackground(true);
    Notebook1->addTab(page, QStringLiteral("Horoscope"));
    setCentralWidget(Notebook1);

    ChartArea = new TChartArea(page);
    ChartArea->setObjectName("ChartArea");
    ChartArea->setGeometry(L::kChartArea.rect());
    FChartAreaHint = QString::fromUtf8(L::kMenuHint);
    ChartArea->setToolTip(FChartAreaHint);

    const QFont labelFont = LabelFont(L::kLabelFontPixels, true);
    for (const L::LabelColumn* column : {&L::kNatalLabels, &L::kTransitLabels})
        for (int i = 0; i < 7; ++i) {
            // A long chart name is cut with "…" inside its column rather than running into the next.
            auto* label = MakeControl<nemra::ui::ElidedLabel>(page, column->lines[i]);
            label->setGeometry(column->left, L::kLabelTops[i], column->width, L::kLabelHeight);
            label->setFont(labelFont);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor::fromRgb(L::kLabelRgb));
            label->setPalette(palette);
            FLabels[column->lines[i].name] = label;
        }

    StringGrid1 = new QTableWidget(L::kGridRows, L::kGridColumns, page);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setGeometry(L::kGrid.rect());
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setDefaultSectionSize(L::kGridColumnWidth);
    StringGrid1->verticalHeader()->setDefaultSectionSize(L::kGridRowHeight);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(10);
    StringGrid1->verticalHeader()->setMinimumSectionSize(10);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int row = 0; row < StringGrid1->rowCount(); ++row)
        StringGrid1->setRowHeight(row, L::kGridRowHeight);
    for (int column = 0; column < StringGrid1->columnCount(); ++column)
        StringGrid1->setColumnWidth(column, L::kGridColumnWidth);
    StringGrid1->setShowGrid(false);
    StringGrid1->setFont(LabelFont(L::kGridFontPixels, true));
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setWordWrap(false);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setToolTip(QString::fromUtf8(L::kMenuHint));
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);

    TabSet1 = new QTabBar(page);
    TabSet1->setObjectName("TabSet1");
    for (const char* caption : L::kGridTabCaptions)
        TabSet1->addTab(QString::fromUtf8(caption));
    TabSet1->setShape(QTabBar::TriangularSouth);
    TabSet1->setFont(DialogFont(L::kGridTabFontPixels, true));
    TabSet1->setStyleSheet(QString::fromLatin1(L::kGridTabStyle));
    TabSet1->setGeometry(L::kGridTabs.rect());
    TabSet1->setDrawBase(false);

    ChooseChartList = new QComboBox(page);
    ChooseChartList->setObjectName("ChooseChartList");
    for (const char* caption : L::kChartListItems)
        ChooseChartList->addItem(QString::fromUtf8(caption));
    ChooseChartList->setGeometry(L::kChartList.rect());
    ChooseChartList->setFont(DialogFont(L::kListFontPixels));

    auto* dialGroup = MakeControl<QGroupBox>(page, L::kDialGroupText);
    dialGroup->setGeometry(L::kDialGroup.rect());
    dialGroup->setFont(DialogFont(L::kDialGroupFontPixels));
    dialGroup->setStyleSheet(QString::fromLatin1(L::kDialGroupStyle));
    auto* dialLayout = new QHBoxLayout(dialGroup);
    const auto& margins = L::kDialGroupMargins;
    dialLayout->setContentsMargins(margins[0], margins[1], margins[2], margins[3]);
    dialLayout->setSpacing(L::kDialGroupSpacing);
    FDial360Button = MakeControl<QRadioButton>(dialGroup, L::kDialButtons[0]);
    FDial90Button = MakeControl<QRadioButton>(dialGroup, L::kDialButtons[1]);
    dialLayout->addWidget(FDial360Button);
    dialLayout->addWidget(FDial90Button);

    ReflectSelectList = new QComboBox(page);
    ReflectSelectList->setObjectName("ReflectSelectList");
    for (const char* caption : L::kReflectListItems)
        ReflectSelectList->addItem(QString::fromUtf8(caption));
    ReflectSelectList->setGeometry(L::kReflectList.rect());
    ReflectSelectList->setFont(DialogFont(L::kListFontPixels));

    StopBtn = MakeControl<QPushButton>(page, L::kStopButtonText);
    StopBtn->setGeometry(L::kStopButton.rect());
    StopBtn->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(nemra::kRealTimeIntervalMs);

    FDialMouse = new TDialMouse(FSession, ChartArea, StringGrid1, this);

    for (QWidget* onTop : std::initializer_list<QWidget*>{ChooseChartList, dialGroup, ReflectSelectList, StopBtn})
        onTop->raise();

    menuBar()->setObjectName("MainMenu1");
    // The client area is fixed; the window grows by the menu bar.
    Notebook1->setFixedSize(L::kClientWidth, L::kClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(TabSet1, &QTabBar::currentChanged, this, [this](int index) {
        FSession.GridTab = index;
        if (FSession.FNatal.Computed)
            FillNatalColumn();
        if (FSession.FTransit.Computed)
            FillTransitColumn();
        if (FSession.FNatal.Computed && FSession.FTransit.Computed)
            FillV1Column();
    });
    connect(ChooseChartList, &QComboBox::activated, this,
            [this](int index) { ApplyDialRefresh(nemra::ChooseChartLayers(FSession, index)); });
    connect(FDial360Button, &QRadioButton::clicked, this,
            [this] { ApplyDialRefresh(nemra::ChooseDialTypeItem(FSession, 0)); });
    connect(FDial90Button, &QRadioButton::clicked, this,
            [this] { ApplyDialRefresh(nemra::ChooseDialTypeItem(FSession, 1)); });
    connect(ReflectSelectList, &QComboBox::activated, this,
            [this](int index) { ApplyDialRefresh(nemra::ChooseReflectionSet(FSession, index)); });
    connect(StopBtn, &QPushButton::clicked, this, &TMainForm::StopRealTimeTransit);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(FDialMouse, &TDialMouse::refreshNeeded, this, &TMainForm::ApplyDialRefresh);
}

// ---------------------------------------------------------------- seams

int TMainForm::RunDialog(QDialog& dialog)
{
    return dialog.exec();
}

QString TMainForm::AskSaveFileName(const QString& title, const QString& filter, const QString& defaultSuffix)
{
    // The positions text file is appended to; the picture replaces its file.
    const auto mode = defaultSuffix == "txt" ? nemra::ui::SaveMode::Append : nemra::ui::SaveMode::Replace;
    return nemra::ui::RunSaveFileDialog(*nemra::ui::MakeSaveFileDialog(this, title, filter, defaultSuffix, mode));
}

std::vector<std::filesystem::path> TMainForm::DataDirs()
{
    return nemra::DefaultCityDataDirs(QCoreApplication::applicationDirPath().toStdString());
}

bool TMainForm::RunChartInputDialog()
{
    TNew1 dialog(FSession.GChartInput, FSession.Cities, FClock, DataDirs(), this);
    return RunDialog(dialog) == QDialog::Accepted;
}

// ---------------------------------------------------------------- command state

void TMainForm::UpdateCommandState()
{
    const nemra::CommandState c = nemra::ComputeCommandState(FSession);
    item("MnRtChart")->setEnabled(c.MnRtChart);
    item("MnIndex")->setEnabled(c.MnIndex);
    item("MnReport")->setEnabled(c.MnReport);
    item("MnSompusFile")->setEnabled(c.MnSompusFile);
    item("MnHideShowChart")->setEnabled(c.MnHideShowChart);
    if (c.MnMcDay) // the pop-up twin follows: the daily meridian needs both charts wherever it is chosen
        for (const char* name : {"MnMcDay", "Pop1MC"})
            item(name)->setEnabled(*c.MnMcDay);
    if (c.MnReportMc)
        item("MnReportMc")->setEnabled(*c.MnReportMc);
    const QString shortcut = item("Send_Report")->shortcut().toString(QKeySequence::NativeText);
    item("MnReportIndex")->setText(FromUtf8(c.MnReportIndexCaption) + "\t" + shortcut);
    for (const char* name : {"MnPrintChart", "MnPrintDisc12", "MnPrintDisc15", "MnPrintSompus", "Pop1Print",
                             "Pop1PrintDisc12", "Pop1PrintDisc15", "Pop2Print"})
        item(name)->setEnabled(c.MnPrint);
    item("MnReportIndex")->setEnabled(c.MnReportIndex);
    item("Send_Report")->setEnabled(c.MnReportIndex);
    for (const char* name : {"SaveNatal", "MnReloc1", "MnChangeNatal", "MnSolar", "MnGraphEphemeris", "MnTimingList"})
        item(name)->setEnabled(c.NatalCommands);
    for (const char* name : {"SaveTransit", "MnReloc2", "MnChangeTransit"})
        item(name)->setEnabled(c.TransitCommands);
    item("MnAstronomy")->setEnabled(c.MnAstronomy);
    UpdateDialToolState();
}

void TMainForm::UpdateContraciaMenus()
{
    const auto& choices = nemra::ui::kContraciaChoices;
    const auto shown = std::ranges::find(choices, FSession.FMaxContracia, &nemra::ui::MenuChoice::value);
    if (shown == std::end(choices))
        return;
    CheckChoice(choices, FSession.FMaxContracia);
    ReflectSelectList->setCurrentIndex(static_cast<int>(shown - std::begin(choices)));
}

void TMainForm::UpdateDialTypeControls()
{
    const bool is360 = FSession.FDialType == 360;
    CheckChoice(nemra::ui::kDialTypeChoices, is360 ? 360 : 90);
    FDial360Button->setChecked(is360);
    FDial90Button->setChecked(!is360);
}

// ---------------------------------------------------------------- grid and labels

void TMainForm::FillGridHeadings()
{
    static const char* kHeadings[4] = {"ปัจจัย", "พื้นดวง", "จรอายุขัย", "ดวงจร"};
    const QColor fixedColour = palette().color(QPalette::Button);
    const auto fixedCell = [&](const QString& text) {
        auto* cell = new QTableWidgetItem(text);
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setBackground(fixedColour);
        return cell;
    };
    for (int column = 0; column < 4; ++column)
        StringGrid1->setItem(0, column, fixedCell(QString::fromUtf8(kHeadings[column])));
    for (int row = 1; row <= nemra::kLastPositionedFactor; ++row) {
        StringGrid1->setItem(row, 0, fixedCell(FromUtf8(nemra::FactorNamesThai[static_cast<std::size_t>(row)])));
        for (int column = 1; column < 4; ++column)
            StringGrid1->setItem(row, column, new QTableWidgetItem());
    }
}

void TMainForm::FillColumn(int column)
{
    for (int row = 1; row <= nemra::kLastPositionedFactor; ++row)
        StringGrid1->item(row, column)->setText(FromUtf8(nemra::GridCellText(FSession, column, row)));
}

void TMainForm::FillNatalColumn()
{
    FillColumn(1);
}
void TMainForm::FillV1Column()
{
    FillColumn(2);
}
void TMainForm::FillTransitColumn()
{
    FillColumn(3);
}

void TMainForm::FillNatalLabels()
{
    const auto texts = nemra::ChartLabelTexts(FSession.FNatal);
    for (int i = 0; i < 7; ++i)
        FLabels[nemra::ui::mainp::kNatalLabels.lines[i].name]->setText(FromUtf8(texts[static_cast<std::size_t>(i)]));
}

void TMainForm::FillTransitLabels()
{
    const auto texts = nemra::ChartLabelTexts(FSession.FTransit);
    for (int i = 0; i < 7; ++i)
        FLabels[nemra::ui::mainp::kTransitLabels.lines[i].name]->setText(FromUtf8(texts[static_cast<std::size_t>(i)]));
}

// ---------------------------------------------------------------- casting

void TMainForm::ShowHoroscopePage()
{
    Notebook1->setCurrentIndex(0);
}

void TMainForm::ComputeArcs()
{
    nemra::ComputeArcs(FSession);
    FillV1Column();
}

void TMainForm::AfterCast(bool natal)
{
    if (FSession.FNatal.Computed && FSession.FTransit.Computed)
        FillV1Column();
    if (natal) {
        FillNatalLabels();
        FillNatalColumn();
    } else {
        FillTransitLabels();
        FillTransitColumn();
    }
    ChooseChartList->setCurrentIndex(FSession.FDisplayMode);
    DrawChart();
    UpdateCommandState();
    // A step window steps on from the chart cast, however it was cast.
    if (TStepForm* steps = FStepForms[natal ? 1 : 0])
        steps->SetChart(ChartOf(natal).Input);
}

void TMainForm::CastChart(bool natal, const nemra::TChartInput& input)
{
    if (&input != &FSession.GChartInput)
        FSession.GChartInput = input;
    if (natal)
        nemra::CastNatal(FSession, FSession.GChartInput);
    else
        nemra::CastTransit(FSession, FSession.GChartInput);
    SetDisplayMode(FSession.FDisplayMode);
    AfterCast(natal);
    ShowHoroscopePage();
}

void TMainForm::CastNatalChart()
{
    if (RunChartInputDialog())
        CastChart(true, FSession.GChartInput);
}

void TMainForm::CastTransitChart()
{
    if (RunChartInputDialog())
        CastChart(false, FSession.GChartInput);
}

void TMainForm::CastOwnerChart()
{
    nemra::CastOwner(FSession);
    AfterCast(true);
}

void TMainForm::CastTransitNow()
{
    nemra::CastTransitNow(FSession, FClock());
    AfterCast(false);
}

// ---------------------------------------------------------------- switches

void TMainForm::SetDisplayMode(int mode)
{
    nemra::SetDisplayMode(FSession, mode);
    CheckChoice(nemra::ui::kDisplayModeChoices, FSession.FDisplayMode);
    ChooseChartList->setCurrentIndex(FSession.FDisplayMode);
}

void TMainForm::SetMaxContracia(int value)
{
    if (value == FSession.FMaxContracia) {
        UpdateContraciaMenus();
        return;
    }
    FSession.FMaxContracia = value;
    UpdateContraciaMenus();
    DrawChart();
}

void TMainForm::SetAxis(int axis)
{
    if (axis == FSession.FAxis) {
        CheckChoice(nemra::ui::kAxisChoices, axis == 360 ? 360 : 180);
        return;
    }
    nemra::SetAxis(FSession, axis);
    CheckChoice(nemra::ui::kAxisChoices, FSession.FAxis == 360 ? 360 : 180);
    FillNatalColumn();
    FillV1Column();
    FillTransitColumn();
    DrawChart();
}

void TMainForm::SetDialType(int type)
{
    ApplyDialRefresh(nemra::ChooseDialType(FSession, type));
}

void TMainForm::ApplyDialRefresh(const nemra::DialRefresh& refresh)
{
    if (refresh.dialTypeControls)
        UpdateDialTypeControls();
    if (refresh.houseLineChecks)
        SetChecked({"MnHouseLine", "Pop1HouseLine"}, FSession.FHouseLines);
    if (refresh.contraciaControls)
        UpdateContraciaMenus();
    if (refresh.displayModeControls)
        SetDisplayMode(FSession.FDisplayMode);
    if (refresh.drawChart)
        DrawChart();
    if (refresh.commandState)
        UpdateCommandState();
}

void TMainForm::ToggleTrueNode()
{
    const bool trueNode = item("MnTrueNode")->isChecked();
    item("MnTrueNode")->setStatusTip(trueNode ? kTrueNodeHintChecked : kTrueNodeHintUnchecked);
    item("MnTrueNode")->setToolTip(item("MnTrueNode")->statusTip());
    FSession.TrueNodeChecked = trueNode;
    if (!FSession.FNatal.Computed && !FSession.FTransit.Computed)
        return;
    nemra::SetTrueNode(FSession, trueNode);
    if (FSession.FNatal.Computed)
        FillNatalColumn();
    if (FSession.FProgressed.Computed)
        FillV1Column();
    if (FSession.FTransit.Computed)
        FillTransitColumn();
    DrawChart();
}

// ---------------------------------------------------------------- dial

void TMainForm::DrawChart()
{
    FFinderPairs = nemra::SessionMidpointPairs(FSession);
    nemra::ui::DrawChart(FSession, ChartArea->image(), FFinderPairs);
    const qreal ratio = ChartArea->devicePixelRatioF();
    QImage& sharp = ChartArea->sharpImage();
    if (ratio > 1.0) {
        const int side = qCeil(FSession.FChartSize * ratio);
        if (sharp.size() != QSize(side, side) || sharp.devicePixelRatio() != ratio) {
            sharp = QImage(side, side, QImage::Format_RGB32);
            sharp.setDevicePixelRatio(ratio);
        }
        nemra::ui::DrawChart(FSession, sharp, FFinderPairs);
    } else {
        sharp = QImage();
    }
    ChartArea->update();
    UpdateDialToolState();
}

// ---------------------------------------------------------------- export

void TMainForm::ShowMessage(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(icon == QMessageBox::Critical ? "ErrorMessage" : "InfoMessage");
    RunDialog(box);
}

void TMainForm::ShowSettingsNotice(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName("SettingsNotice");
    RunDialog(box);
}

void TMainForm::ShowSaveFailure(const QString& path, const QString& reason)
{
    ShowMessage(QMessageBox::Critical, QStringLiteral("บันทึกไฟล์ %1 ไม่สำเร็จ: %2").arg(path, reason));
}

void TMainForm::ExportPositionsText()
{
    const nemra::ui::SaveDialogTexts texts = nemra::ui::PositionsSaveDialogTexts();
    const QString path = AskSaveFileName(texts.title, texts.filter, texts.defaultSuffix);
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const nemra::Result<> result =
        nemra::ExportPositionsText(path.toStdString(), FSession, nemra::PositionsGridOf(FSession));
    QApplication::restoreOverrideCursor();
    if (!result)
        ShowSaveFailure(path, FromUtf8(result.fault().reason));
}

void TMainForm::CopyDialToClipboard()
{
    ShowHoroscopePage();
    // Nothing copied (no picture yet) is not worth a message: the command simply does nothing.
    if (const nemra::Result<QString> copied = nemra::ui::CopyDialToClipboard(ChartArea->image()))
        ShowMessage(QMessageBox::Information, *copied);
}

void TMainForm::SaveDialBitmap()
{
    const nemra::ui::SaveDialogTexts texts = nemra::ui::BitmapSaveDialogTexts();
    const QString path = AskSaveFileName(texts.title, texts.filter, texts.defaultSuffix);
    if (path.isEmpty())
        return;
    const nemra::Result<> outcome = nemra::ui::SaveDialBitmap(ChartArea->image(), path);
    if (!outcome)
        ShowSaveFailure(path, FromUtf8(outcome.fault().reason));
}

// ---------------------------------------------------------------- printing

void TMainForm::PrintPages(nemra::print::PageKind kind)
{
    RunPrintPreview(nemra::print::SessionDocument(FSession, kind, PrintedAt()));
}

void TMainForm::PrintHitReport(const TFReport& report)
{
    RunPrintPreview(nemra::print::ReportDocument(nemra::HitReportPrint(report.windowTitle().toStdString(),
                                                                       report.snapshot(), report.settings().targetLayer,
                                                                       report.report(), PrintedAt())));
}

// The date of printing in the zone the program casts the present moment in.
nemra::LocalDateTime TMainForm::PrintedAt() const
{
    return nemra::DateTimeInZone(FClock(), FSession.GChartInput.TimeZone.str());
}

void TMainForm::RunPrintPreview(const nemra::print::PrintDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(FPageLayout);
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    const auto preview = nemra::print::MakePrintPreview(
        printer, document, [this, &document](const QPageLayout& layout) { SavePrintPdf(document, layout); }, parent);
    RunDialog(*preview);
    FPageLayout = printer.pageLayout(); // a page set up in the preview holds for later printing
}

void TMainForm::SavePrintPdf(const nemra::print::PrintDocument& document, const QPageLayout& layout)
{
    const QString path =
        AskSaveFileName(QStringLiteral("บันทึก PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const nemra::Result<> outcome = nemra::print::WritePdf(path, document, layout);
    if (!outcome)
        ShowSaveFailure(path, FromUtf8(outcome.fault().reason));
}

void TMainForm::OpenPageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(FPageLayout);
    QPageSetupDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PageSetup"));
    if (RunDialog(dialog) == QDialog::Accepted)
        FPageLayout = printer.pageLayout();
}

// ---------------------------------------------------------------- live transit

bool TMainForm::RunPlaceDialog()
{
    // The dialog works on its own record, so it opens on the place last chosen in it
    // whatever chart was cast since, and only OK changes anything.
    nemra::TChartInput place = nemra::PlaceDialogInput(FSession);
    TTrplaceDlg dialog(place, FSession.Cities, DataDirs(), this);
    if (RunDialog(dialog) != QDialog::Accepted)
        return false;
    nemra::TakeChosenPlace(FSession, place);
    return true;
}

bool TMainForm::StartDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool TMainForm::RealTimeRunning() const
{
    return Timer1->isActive();
}

void TMainForm::SetHints(bool on)
{
    StringGrid1->setToolTip(on ? QString::fromUtf8(nemra::ui::mainp::kMenuHint) : QString());
    ChartArea->setToolTip(on ? FChartAreaHint : QString());
}

void TMainForm::StartRealTimeTransit()
{
    if (!RunPlaceDialog())
        return;
    ShowHoroscopePage();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    item("MnIndex")->setEnabled(true);
    item("Transit")->setEnabled(false);
    SetHints(false);
    nemra::StartRealTime(FSession);
    Timer1->start();
}

void TMainForm::Timer1Timer()
{
    nemra::RealTimeTick(FSession, FClock());
    FillTransitLabels();
    FillTransitColumn();
    if (FSession.FNatal.Computed)
        FillV1Column();
    DrawChart();
    if (StopBtn->isHidden()) {
        StopBtn->show();
        QApplication::restoreOverrideCursor();
    }
}

void TMainForm::StopRealTimeTransit()
{
    Timer1->stop();
    if (StopBtn->isHidden()) // stopped before the first tick: the busy cursor is still up
        QApplication::restoreOverrideCursor();
    StopBtn->hide();
    item("Transit")->setEnabled(true);
    SetHints(true);
    UpdateCommandState();
}

void TMainForm::OpenDateTimeSettings()
{
    // The desktop's own date and time settings, the first one installed.
    static const std::pair<const char*, QStringList> kTools[] = {
        {"gnome-control-center", {"datetime"}},
        {"systemsettings", {"kcm_clock"}},
        {"kcmshell6", {"kcm_clock"}},
        {"kcmshell5", {"clock"}},
        {"cinnamon-settings", {"calendar"}},
        {"mate-time-admin", {}},
        {"xfce4-datetime-settings", {}},
        {"lxqt-config-datetime", {}},
        {"time-admin", {}},
    };
    for (const auto& [program, arguments] : kTools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty() && StartDetached(path, arguments))
            return;
    }
    ShowMessage(QMessageBox::Information,
                QStringLiteral("ไม่พบโปรแกรมตั้งวันและเวลาของระบบในเครื่องนี้ โปรดตั้งวันและเวลาด้วยเครื่องมือของระบบปฏิบัติการ"));
}

// ---------------------------------------------------------------- calculation dials

void TMainForm::ShowIndexChange()
{
    DrawChart();
    UpdateCommandState();
    ShowHoroscopePage();
}

void TMainForm::ChooseZodiacIndex()
{
    nemra::SetZodiacIndex(FSession);
    DrawChart();
    UpdateCommandState();
}

void TMainForm::ChooseDailyMeridianIndex()
{
    nemra::SetDailyMeridianIndex(FSession);
    ShowIndexChange();
}

bool TMainForm::RunIndexDial(const IndexDial& dial)
{
    if (!dial(this, FSession, [this](QDialog& dialog) { return RunDialog(dialog); }))
        return false;
    ShowIndexChange();
    return true;
}

// ---------------------------------------------------------------- reports

nemra::ui::RunDialogFn TMainForm::RunDialogFunction()
{
    return [this](QDialog& dialog) {
        // The hit-point report prints through the main window's page setup and preview.
        if (auto* report = qobject_cast<TFReport*>(&dialog)) {
            connect(report, &TFReport::printRequested, this, [this, report] { PrintHitReport(*report); });
            report->SetBookLookup(HitBookLookup());
        }
        return RunDialog(dialog);
    };
}

std::function<void()> TMainForm::IndexChanged()
{
    return [this] { ShowIndexChange(); };
}

void TMainForm::ReportOnIndex()
{
    nemra::ui::ReportOnIndex(this, FSession, RunDialogFunction());
}

void TMainForm::ShowHouseReports()
{
    for (;;) {
        TFSelHous select(FSession.FNatal.Computed, FSession.FTransit.Computed, this);
        if (RunDialog(select) != QDialog::Accepted)
            return;
        const nemra::HouseChoice choice = select.Choice();
        nemra::ui::ShowHouseReport(
            this, FSession, choice.factor, choice.natal ? nemra::kLayerNatal : nemra::kLayerTransit,
            RunDialogFunction(),
            [this] {
                DrawChart();
                UpdateCommandState();
            },
            HouseBookLookup());
    }
}

void TMainForm::ShowAspectList()
{
    FSession.BriefAspectMode = 1;
    TFBriefAspect dialog(FSession, FSession, this);
    RunDialog(dialog);
}

void TMainForm::ShowSolarArcTable()
{
    if (!FSession.FNatal.Computed) { // the table is the natal chart's; without one it would be noise
        ShowMessage(QMessageBox::Information, QStringLiteral("ยังไม่ได้ผูกดวงกำเนิด"));
        return;
    }
    TFSolRep dialog(nemra::SolarArcNatalOf(FSession.FNatal), this);
    RunDialog(dialog);
}

// ---------------------------------------------------------------- about and closing

void TMainForm::ShowAbout()
{
    const auto& ephemeris = nemra::WinPl::Ephemeris();
    const QString ephemerisText = ephemeris.usesFiles
                                      ? QStringLiteral("ไฟล์ปฏิทินดาว Swiss Ephemeris %1 ใน %2 (ค.ศ. %3–%4)")
                                            .arg(FromUtf8(ephemeris.libraryVersion), FromUtf8(ephemeris.path))
                                            .arg(static_cast<int>(ephemeris.firstYear))
                                            .arg(static_cast<int>(ephemeris.lastYear))
                                      : QStringLiteral("Swiss Ephemeris %1 แบบคำนวณในตัว (ไม่พบไฟล์ปฏิทินดาว)")
                                            .arg(FromUtf8(ephemeris.libraryVersion));
    QMessageBox box(QMessageBox::Information, QStringLiteral("About"),
                    QStringLiteral("<b>Nemra</b> — โหราศาสตร์ยูเรเนียน<br>รุ่น %1<br><br>%2<br><br>"
                                   "ดวงเจ้าของ (Ctrl+O): ดวงเปลี่ยนแปลงการปกครอง 24 มิถุนายน 2475 เวลา 6.00 น. "
                                   "ณ กรุงเทพฯ วันที่สยามเปลี่ยนเป็นระบอบประชาธิปไตย<br><br>"
                                   "สัญญาอนุญาต GNU Affero General Public License รุ่น 3 หรือใหม่กว่า")
                        .arg(QStringLiteral(NEMRA_VERSION), ephemerisText.toHtmlEscaped()),
                    QMessageBox::Ok, this);
    box.setObjectName("AboutBox");
    box.setTextFormat(Qt::RichText);
    RunDialog(box);
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !FAboutShown) {
        FAboutShown = true;
        QTimer::singleShot(0, this, &TMainForm::ShowAbout);
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FEnding) {
        Timer1->stop();
        event->accept();
        return;
    }
    QMessageBox confirm(QMessageBox::Question, QStringLiteral("โปรดยืนยัน!"), QStringLiteral("คุณต้องการเลิกใช้โปรแกรม?"),
                        QMessageBox::NoButton, this);
    confirm.setObjectName("ConfirmClose");
    QPushButton* yes = confirm.addButton(QStringLiteral("ใช่"), QMessageBox::AcceptRole);
    yes->setObjectName("ConfirmYes");
    QPushButton* no = confirm.addButton(QStringLiteral("ไม่ใช่"), QMessageBox::RejectRole);
    no->setObjectName("ConfirmNo");
    confirm.setDefaultButton(no);
    confirm.setEscapeButton(no);
    RunDialog(confirm);
    if (confirm.clickedButton() != yes) {
        event->ignore();
        return;
    }
    if (StopBtn->isVisible()) {
        Timer1->stop();
        StopBtn->hide();
    }
    event->accept();
}
