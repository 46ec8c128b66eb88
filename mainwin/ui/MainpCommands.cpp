// The main window's commands over the chart library, the charts made from charts, the saved
// settings, the city list, the astronomical data and the timeline windows. Each opens its
// window; every chart it yields is cast through CastChart, as a typed chart is.
#include "mainwin/ui/Mainp.h"

#include "astro/ui/AstronomyForm.h"
#include "charts/model/ChartMoment.h"
#include "charts/ui/MoonPhaseDlg.h"
#include "charts/ui/RelocateDlg.h"
#include "charts/ui/SolarReturnDlg.h"
#include "charts/ui/StepForm.h"
#include "charts/ui/SunIngressDlg.h"
#include "library/model/ChartStore.h"
#include "library/ui/ChartEdit.h"
#include "library/ui/ChartFind.h"
#include "library/ui/ChartSave.h"
#include "reports/model/SolarArcTable.h"
#include "settings/ui/CityEditor.h"
#include "settings/ui/MiscSettingsDlg.h"
#include "settings/ui/PlaceSettingsDlg.h"
#include "timeline/ui/GraphEphemerisForm.h"
#include "timeline/ui/TimingListForm.h"

#include <QAction>

#include <cstdlib>

namespace {

QString Q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

const nemra::TChartRecord& TMainForm::ChartOf(bool natal) const
{
    return natal ? FSession.FNatal : FSession.FTransit;
}

// ---------------------------------------------------------------- chart library

nemra::ChartStore* TMainForm::ChartLibrary()
{
    if (FChartStore)
        return FChartStore.get();
    const std::filesystem::path path =
        nemra::ChartDatabasePath(std::nullopt, [](const char* name) { return std::getenv(name); });
    if (path.empty()) {
        ShowMessage(QMessageBox::Critical, QStringLiteral("ไม่พบที่เก็บแฟ้มดวงชะตา: ไม่ได้กำหนด HOME หรือ NEMRA_CHART_DB"));
        return nullptr;
    }
    auto opened = nemra::ChartStore::Open(path);
    if (!opened) {
        ShowMessage(QMessageBox::Critical, Q(opened.fault().reason));
        return nullptr;
    }
    FChartStore = std::make_unique<nemra::ChartStore>(std::move(*opened));
    return FChartStore.get();
}

void TMainForm::SaveChart(bool natal)
{
    if (nemra::ChartStore* store = ChartLibrary()) {
        TChartSave dialog(*store, ChartOf(natal).Input, QStringLiteral("บันทึกลงไฟล์"), this);
        RunDialog(dialog);
    }
}

void TMainForm::FindChart(bool natal)
{
    nemra::ChartStore* store = ChartLibrary();
    if (store == nullptr)
        return;
    TChartFind dialog(*store, natal ? QStringLiteral("หาดวงกำเนิดจากไฟล์") : QStringLiteral("หาดวงจรจากไฟล์"), this);
    if (RunDialog(dialog) != QDialog::Accepted)
        return;
    if (const auto chosen = dialog.ChosenInput())
        CastChart(natal, *chosen);
}

void TMainForm::EditCharts()
{
    if (nemra::ChartStore* store = ChartLibrary()) {
        TChartEdit dialog(*store, FSession.Cities, DataDirs(), this);
        RunDialog(dialog);
    }
}

// ---------------------------------------------------------------- charts from charts

bool TMainForm::RunChartDialog(TChartDialog& dialog, bool natal)
{
    if (RunDialog(dialog) != QDialog::Accepted || !dialog.Result())
        return false;
    CastChart(natal, *dialog.Result());
    return true;
}

void TMainForm::RelocateChart(bool natal)
{
    TRelocateDlg dialog(ChartOf(natal).Input, FSession.Cities, DataDirs(), this);
    RunChartDialog(dialog, natal);
}

void TMainForm::OpenStepForm(bool natal)
{
    QPointer<TStepForm>& steps = FStepForms[natal ? 1 : 0];
    if (!steps) {
        steps = new TStepForm(
            ChartOf(natal).Input, [this, natal](const nemra::TChartInput& chart) { CastChart(natal, chart); }, this);
        steps->setAttribute(Qt::WA_DeleteOnClose);
        steps->setWindowTitle(steps->windowTitle()
                              + (natal ? QStringLiteral(" - ดวงกำเนิด") : QStringLiteral(" - ดวงจร")));
        steps->adjustSize();
        // Beside the main window, the natal chart's window above the transit chart's.
        const QRect frame = frameGeometry();
        steps->move(frame.right() + 1, frame.top() + (natal ? 0 : steps->frameGeometry().height() + 8));
    }
    steps->show();
    steps->raise();
    steps->activateWindow();
}

void TMainForm::CastSolarReturn()
{
    TSolarReturnDlg dialog(FSession.FNatal.Input, FSession.Cities, FClock, DataDirs(), this);
    RunChartDialog(dialog, false);
}

// The ingress and lunation dialogs open on the transit chart's place, or on the start-up place.
void TMainForm::CastSunIngress()
{
    TSunIngressDlg dialog(FSession.FTransit.Computed ? FSession.FTransit.Input : FSession.GChartInput, FSession.Cities,
                          FClock, DataDirs(), this);
    RunChartDialog(dialog, false);
}

void TMainForm::CastMoonPhase()
{
    TMoonPhaseDlg dialog(FSession.FTransit.Computed ? FSession.FTransit.Input : FSession.GChartInput, FSession.Cities,
                         FClock, DataDirs(), this);
    RunChartDialog(dialog, false);
}

// ---------------------------------------------------------------- settings, cities, astronomy

void TMainForm::OpenPlaceSettings()
{
    TPlaceSettingsDlg dialog(FSettings, FIniPath.toStdString(), FSession.Cities, DataDirs(), this);
    if (RunDialog(dialog) == QDialog::Accepted)
        FSettings = dialog.Settings();
}

void TMainForm::OpenMiscSettings()
{
    nemra::StartSettings inForce = FSettings;
    inForce.dialType = FSession.FDialType;
    inForce.axis = FSession.FAxis;
    inForce.trueNode = FSession.TrueNodeChecked;
    inForce.maxContracia = FSession.FMaxContracia;
    TMiscSettingsDlg dialog(
        inForce, FIniPath.toStdString(), [this](const nemra::StartSettings& s) { ApplyMiscSettings(s); }, this);
    RunDialog(dialog);
}

void TMainForm::ApplyMiscSettings(const nemra::StartSettings& settings)
{
    FSettings = settings;
    SetDialType(settings.dialType == 360 ? 360 : 90);
    SetAxis(settings.axis == 360 ? 360 : 180);
    if (settings.trueNode != FSession.TrueNodeChecked) {
        item("MnTrueNode")->setChecked(settings.trueNode);
        ToggleTrueNode();
    }
    SetMaxContracia(settings.maxContracia);
}

void TMainForm::EditCityList()
{
    TCityEditor editor(std::filesystem::current_path(), DataDirs(), this);
    RunDialog(editor);
}

void TMainForm::ShowAstronomy()
{
    TAstronomyForm form(FSession.FNatal, FSession.FTransit, FSession.TrueNodeChecked, this);
    RunDialog(form);
}

// ---------------------------------------------------------------- timeline

// A year from the first day of the present month at the natal chart's zone, the node the
// program uses, the other choices as the windows offer them first.
nemra::TimelineSettings TMainForm::TimelineStart() const
{
    const nemra::LocalDateTime today = nemra::DateTimeInZone(FClock(), FSession.FNatal.ZoneDeg);
    nemra::TimelineSettings settings;
    settings.startDay = 1;
    settings.startMonth = today.month;
    settings.startYearBE = nemra::BuddhistYearFor(today.month, today.year);
    settings.trueNode = FSession.TrueNodeChecked;
    return settings;
}

void TMainForm::ShowGraphEphemeris()
{
    TGraphEphemerisForm form(FSession.FNatal, TimelineStart(), this);
    connect(&form, &TGraphEphemerisForm::DateChosen, this, &TMainForm::CastTransitAtJulianDay);
    RunDialog(form);
}

void TMainForm::ShowTimingList()
{
    TTimingListForm form(FSession.FNatal, TimelineStart(), this);
    RunDialog(form);
}

void TMainForm::CastTransitAtJulianDay(double jdUT)
{
    const nemra::TChartInput& place = FSession.FTransit.Computed ? FSession.FTransit.Input : FSession.GChartInput;
    const nemra::ChartOutcome outcome = nemra::ChartAt(place, nemra::MomentOfJulianDay(jdUT));
    if (!outcome.ok()) {
        ShowMessage(QMessageBox::Warning, Q(outcome.fault().reason));
        return;
    }
    CastChart(false, outcome->chart);
}
