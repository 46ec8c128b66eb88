#include "timeline/ui/TimingListForm.h"

#include "charts/model/ChartMoment.h"
#include "charts/ui/ChartDialog.h"
#include "core/FileReplace.h"
#include "reports/model/AspectList.h"
#include "reports/model/HitSearch.h"
#include "timeline/model/TimingListFiles.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kDefaultBaseItem = 2; // "45.00"
constexpr int kRowHeight = 20;
constexpr double kJulianDayOfUnixEpoch = 2440587.5;

QComboBox* MakeCombo(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    return combo;
}

} // namespace

TTimingListForm::TTimingListForm(const nemra::TChartRecord& natal, const nemra::TimelineSettings& initial,
                                 QWidget* parent)
    : TReportDialog(parent)
    , FNatal(natal)
{
    setObjectName(QStringLiteral("TimingListForm"));
    setWindowTitle(QStringLiteral("ตารางวันเวลาจุดกระทบ"));
    setWindowFlags(Qt::Window);
    FChoices = new TTimelineChoices(initial, this);

    auto* angleBox = new QGroupBox(QStringLiteral("ขนาดมุม/วังกะ"), this);
    angleBox->setObjectName(QStringLiteral("AngleBox"));
    BaseCombo = MakeCombo(angleBox, "BaseCombo");
    for (std::string_view item : nemra::AspectBaseItems)
        BaseCombo->addItem(FromUtf8(std::string(item)));
    BaseCombo->setCurrentIndex(kDefaultBaseItem);
    OrbDegreeCombo = MakeCombo(angleBox, "OrbDegreeCombo");
    OrbDegreeCombo->addItems({QStringLiteral("0"), QStringLiteral("1")});
    OrbDegreeCombo->setCurrentIndex(1);
    OrbMinuteCombo = MakeCombo(angleBox, "OrbMinuteCombo");
    for (int minute = 0; minute < 60; ++minute)
        OrbMinuteCombo->addItem(QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')));
    SearchBtn = MakeButton(angleBox, "SearchBtn", QStringLiteral("ค้นหา"));
    auto* angleLayout = new QGridLayout(angleBox);
    angleLayout->addWidget(MakeLabel(angleBox, "BaseTitle", QStringLiteral("ขนาดของมุม (องศา.ลิบดา)")), 0, 0);
    angleLayout->addWidget(BaseCombo, 0, 1);
    angleLayout->addWidget(MakeLabel(angleBox, "OrbTitle", QStringLiteral("ระยะวังกะ(องศา/ลิบดา)")), 0, 2);
    angleLayout->addWidget(OrbDegreeCombo, 0, 3);
    angleLayout->addWidget(OrbMinuteCombo, 0, 4);
    angleLayout->addWidget(SearchBtn, 0, 5);

    CountLabel = MakeLabel(this, "CountLabel", {});
    HitGrid = new QTableWidget(0, static_cast<int>(nemra::kTimingColumns), this);
    HitGrid->setObjectName(QStringLiteral("HitGrid"));
    SetUpReportGrid(*HitGrid, kRowHeight);
    const auto header = nemra::TimingHeaderCells();
    SetReportGridHeader(*HitGrid, header);
    SaveTextBtn = MakeButton(this, "SaveTextBtn", QStringLiteral("บันทึกไฟล์"));
    SaveTextBtn->setToolTip(QStringLiteral("บันทึกตารางวันเวลาจุดกระทบลงไฟล์ข้อความ"));
    SaveCsvBtn = MakeButton(this, "SaveCsvBtn", QStringLiteral("บันทึก CSV"));
    SaveIcsBtn = MakeButton(this, "SaveIcsBtn", QStringLiteral("บันทึกปฏิทิน (iCalendar)"));
    CloseBtn = MakeButton(this, "CloseBtn", QStringLiteral("ออก"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(FChoices, 0, 0, 4, 1);
    grid->addWidget(angleBox, 0, 1, 1, 5);
    grid->addWidget(CountLabel, 1, 1, 1, 5);
    grid->addWidget(HitGrid, 2, 1, 1, 5);
    grid->addWidget(SaveTextBtn, 3, 2);
    grid->addWidget(SaveCsvBtn, 3, 3);
    grid->addWidget(SaveIcsBtn, 3, 4);
    grid->addWidget(CloseBtn, 3, 5);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    resize(1100, 680);

    connect(SearchBtn, &QPushButton::clicked, this, &TTimingListForm::Search);
    connect(SaveTextBtn, &QPushButton::clicked, this, &TTimingListForm::SaveText);
    connect(SaveCsvBtn, &QPushButton::clicked, this, &TTimingListForm::SaveCsv);
    connect(SaveIcsBtn, &QPushButton::clicked, this, &TTimingListForm::SaveIcs);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    Search();
}

nemra::TimelineSettings TTimingListForm::CurrentSettings() const
{
    nemra::TimelineSettings settings = FChoices->Settings();
    settings.base = nemra::AspectBaseDegrees[static_cast<std::size_t>(std::max(BaseCombo->currentIndex(), 0))];
    settings.orb = nemra::AspectOrbFor(OrbDegreeCombo->currentIndex(), OrbMinuteCombo->currentIndex());
    return settings;
}

void TTimingListForm::Search()
{
    FSearched = CurrentSettings();
    const nemra::PeriodOutcome period = nemra::PeriodOf(FSearched, nemra::ZoneSeconds(FNatal.Input.TimeZone));
    FHits.clear();
    if (period.ok()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        FPeriod = *period;
        FHits = nemra::FindTimingHits(FNatal, FSearched, FPeriod);
        QApplication::restoreOverrideCursor();
    }
    nemra::HitReport count;
    count.hitCount = static_cast<int>(FHits.size());
    CountLabel->setText(FromUtf8(period.ok() ? nemra::HitCountText(count) : period.fault().reason));
    HitGrid->setRowCount(static_cast<int>(FHits.size()));
    for (std::size_t row = 0; row < FHits.size(); ++row)
        SetReportGridRow(*HitGrid, static_cast<int>(row), nemra::TimingRowCells(FHits[row], FPeriod.zoneSeconds));
    HitGrid->resizeColumnsToContents();
    for (QPushButton* button : {SaveTextBtn, SaveCsvBtn, SaveIcsBtn})
        button->setEnabled(period.ok());
}

void TTimingListForm::SaveText()
{
    SaveLinesToFile(nemra::TimingTextLines(FNatal.Input, FSearched, FPeriod, FHits),
                    QStringLiteral("บันทึกตารางวันเวลาจุดกระทบลงไฟล์"));
}

void TTimingListForm::SaveCsv()
{
    SaveToFile(QStringLiteral("บันทึกตารางวันเวลาจุดกระทบลงไฟล์"), QStringLiteral("CSV File (*.csv);;All File (*.*)"),
               QStringLiteral("csv"), nemra::ui::SaveMode::Replace, [this](const std::string& path) {
                   return nemra::ReplaceFileContents(path, nemra::TimingCsv(FHits, FPeriod.zoneSeconds));
               });
}

void TTimingListForm::SaveIcs()
{
    // The file's own stamp: the moment it is made.
    const double now =
        kJulianDayOfUnixEpoch + static_cast<double>(QDateTime::currentDateTimeUtc().toSecsSinceEpoch()) / 86400.0;
    SaveToFile(QStringLiteral("บันทึกตารางวันเวลาจุดกระทบลงไฟล์"), QStringLiteral("iCalendar File (*.ics);;All File (*.*)"),
               QStringLiteral("ics"), nemra::ui::SaveMode::Replace, [&](const std::string& path) {
                   return nemra::ReplaceFileContents(path, nemra::TimingIcs(FHits, FPeriod.zoneSeconds, now));
               });
}
