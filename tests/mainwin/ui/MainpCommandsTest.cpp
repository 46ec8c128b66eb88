// The menu entries of the chart library, the charts made from charts, the settings, the city
// list, the astronomical data and the timeline windows: which charts each needs, the window
// it opens, and the charts that come back cast into the session. Each test works on its own
// chart database (NEMRA_CHART_DB), settings folder and working folder.
//
// With NEMRA_SCREENSHOTS=<folder> the library's and the chart dialogs' pictures are saved
// there, over a library holding a few charts.
#include "tests/mainwin/ui/ScriptedMainForm.h"
#include "tests/support/ChartInputs.h"
#include "tests/support/Screenshot.h"

#include "charts/model/ChartMoment.h"
#include "charts/ui/PlaceBox.h"
#include "charts/ui/StepForm.h"
#include "library/model/ChartStore.h"
#include "library/ui/ChartFind.h"
#include "library/ui/ChartList.h"
#include "library/ui/ChartSave.h"
#include "settings/ui/MiscSettingsDlg.h"
#include "timeline/ui/GraphEphemerisForm.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

enum class Needs { Nothing, Natal, Transit, Either };

nemra::TChartInput Chart(const char* name, const char* date, const char* time, const char* place = "กรุงเทพฯ",
                         const char* latitude = "13.45N", const char* longitude = "100.30E")
{
    nemra::TChartInput c = nemra::test::BangkokInput(date, time, "105.00E", name, place);
    c.Latitude = latitude;
    c.Longitude = longitude;
    return c;
}

QString Text(const auto& capped)
{
    return QString::fromStdString(capped.str());
}

// Closes a chart dialog with OK: the dialog makes its chart as a person's OK would.
int Accept(QDialog& dialog)
{
    dialog.accept();
    return dialog.result();
}

} // namespace

class MainpCommandsTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<QTemporaryDir> FDir;
    QString FOldCurrent;

    std::unique_ptr<ScriptedMainForm> NewForm() { return std::make_unique<ScriptedMainForm>(FixedNow, FDir->path()); }

    // A library of a few charts, as an astrologer's would start.
    void StoreCharts()
    {
        auto store = nemra::ChartStore::Open(FDir->filePath("charts.sqlite").toStdString());
        QVERIFY(store.ok());
        const struct {
            nemra::TChartInput input;
            const char* group;
        } charts[] = {
            {Chart("นายสมชาย ใจดี", "15/03/2520", "9.30"), "ลูกค้า"},
            {Chart("นางสาวมาลี ศรีสุข", "02/11/2531", "14.05", "เชียงใหม่", "18.47N", "98.59E"), "ลูกค้า"},
            {Chart("ลูกชาย", "21/06/2555", "6.45"), "ครอบครัว"},
            {Chart("เปิดร้านสาขาใหม่", "01/08/2567", "10.09"), "เหตุการณ์"},
        };
        for (const auto& c : charts)
            QVERIFY(store->Add({c.input, "", c.group}, nemra::IfNameExists::KeepBoth).ok());
    }

  private slots:
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        qputenv("NEMRA_CHART_DB", FDir->filePath("charts.sqlite").toUtf8());
        FOldCurrent = QDir::currentPath();
        QDir::setCurrent(FDir->path()); // the city editor writes to the working folder
    }

    void cleanup()
    {
        QDir::setCurrent(FOldCurrent);
        qunsetenv("NEMRA_CHART_DB");
        FDir.reset();
    }

    void entriesFollowTheChartsAndOpenTheirWindows()
    {
        const struct {
            const char* entry;
            Needs needs;
            const char* window;
        } rows[] = {
            {"SaveNatal", Needs::Natal, "ChartSave"},
            {"SaveTransit", Needs::Transit, "ChartSave"},
            {"OldNatal", Needs::Nothing, "ChartFind"},
            {"OldTransit", Needs::Nothing, "ChartFind"},
            {"Pop2OldNatal", Needs::Nothing, "ChartFind"},
            {"Pop2OldTransit", Needs::Nothing, "ChartFind"},
            {"Correct", Needs::Nothing, "ChartEdit"},
            {"MnReloc1", Needs::Natal, "RelocateDlg"},
            {"MnReloc2", Needs::Transit, "RelocateDlg"},
            {"MnChangeNatal", Needs::Natal, "StepForm"},
            {"MnChangeTransit", Needs::Transit, "StepForm"},
            {"MnSolar", Needs::Natal, "SolarReturnDlg"},
            {"MnSunIngress", Needs::Nothing, "SunIngressDlg"},
            {"MnMoonPhase", Needs::Nothing, "MoonPhaseDlg"},
            {"MnPlaceSettings", Needs::Nothing, "PlaceSettingsDlg"},
            {"MnMiscSettings", Needs::Nothing, "MiscSettingsDlg"},
            {"MnCorrectCity", Needs::Nothing, "CityEditor"},
            {"MnAstronomy", Needs::Either, "AstronomyForm"},
            {"MnGraphEphemeris", Needs::Natal, "GraphEphemerisForm"},
            {"MnTimingList", Needs::Natal, "TimingListForm"},
        };
        auto form = NewForm();
        auto& s = form->session();
        // No chart, then the natal chart alone, then both.
        s.FNatal = {};
        s.FTransit = {};
        form->UpdateCommandState();
        for (const auto& row : rows)
            QVERIFY2(form->item(row.entry)->isEnabled() == (row.needs == Needs::Nothing), row.entry);
        form->CastChart(true, Chart("ทดลอง", "15/03/2520", "9.30"));
        for (const auto& row : rows)
            QVERIFY2(form->item(row.entry)->isEnabled() == (row.needs != Needs::Transit), row.entry);
        form->CastChart(false, Chart("จร", "08/12/2569", "12.00"));

        for (const auto& row : rows) {
            form->shown.clear();
            QVERIFY2(form->item(row.entry)->isEnabled(), row.entry);
            form->item(row.entry)->trigger();
            if (QString(row.window) == "StepForm")
                QVERIFY2(form->findChild<TStepForm*>() && form->findChild<TStepForm*>()->isVisible(), row.entry);
            else
                QVERIFY2(form->shown == QStringList{row.window},
                         qPrintable(row.entry + (": " + form->shown.join(","))));
        }
        // The timeline windows end the reports menu.
        const QList<QAction*> reports = form->findChild<QMenu*>("MnReport")->actions();
        QCOMPARE(reports.at(reports.size() - 2)->text(), QStringLiteral("กราฟปฏิทินดาว"));
        QCOMPARE(reports.last()->text(), QStringLiteral("ตารางวันเวลาจุดกระทบ"));
    }

    void savedChartIsFoundAndCast()
    {
        StoreCharts();
        auto form = NewForm();
        auto& s = form->session();
        form->CastChart(true, Chart("ลูกค้าใหม่", "05/05/2525", "17.20", "ภูเก็ต", "7.53N", "98.24E"));
        form->answers["ChartSave"] = [](QDialog& dialog) {
            auto& save = static_cast<TChartSave&>(dialog);
            save.NoteEdit->setPlainText(QStringLiteral("นัดครั้งแรก"));
            SaveScreenshot(save, "chart-save");
            save.SaveBtnClick();
            return save.result();
        };
        form->item("SaveNatal")->trigger();

        // Found by a part of the name and cast as the transit chart, texts as stored.
        form->answers["ChartFind"] = [](QDialog& dialog) {
            auto& find = static_cast<TChartFind&>(dialog);
            find.List->SearchEdit->setText(QStringLiteral("ลูกค้า"));
            SaveScreenshot(find, "chart-find");
            find.List->SearchEdit->setText(QStringLiteral("ค้าให"));
            find.List->ChartList->selectRow(0);
            find.OKBtn->click();
            return find.result();
        };
        form->item("Pop2OldTransit")->trigger();
        QCOMPARE(Text(s.FTransit.Input.Name), QStringLiteral("ลูกค้าใหม่"));
        QCOMPARE(Text(s.FTransit.Input.Time), Text(s.FNatal.Input.Time));
        QCOMPARE(s.FTransit.Factors[nemra::kSun].Lon, s.FNatal.Factors[nemra::kSun].Lon);
        QCOMPARE(form->findChild<QLabel*>("trname")->text(), QStringLiteral("ลูกค้าใหม่"));

        form->answers["ChartEdit"] = [](QDialog& dialog) {
            SaveScreenshot(dialog, "chart-edit");
            return QDialog::Rejected;
        };
        form->item("Correct")->trigger();
        QCOMPARE(form->shown.last(), QStringLiteral("ChartEdit"));
    }

    void aBrokenLibraryIsReportedAndTheProgramWorksOn()
    {
        const QByteArray bytes = "not a database, but a file someone named so\n";
        QFile junk(FDir->filePath("charts.sqlite"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(bytes);
        junk.close();
        auto form = NewForm();
        form->item("OldNatal")->trigger();
        form->item("SaveNatal")->trigger();
        QCOMPARE(form->shown, (QStringList{"ErrorMessage", "ErrorMessage"}));
        QVERIFY(junk.open(QIODevice::ReadOnly));
        QCOMPARE(junk.readAll(), bytes); // left as it was
        form->item("MnReloc1")->trigger();
        QCOMPARE(form->shown.last(), QStringLiteral("RelocateDlg"));
    }

    void chartsFromChartsAreCast()
    {
        auto form = NewForm();
        auto& s = form->session();
        form->CastChart(true, Chart("ทดลอง", "15/03/2520", "9.30.00"));
        const auto natalMoment = nemra::MomentOf(s.FNatal.Input);

        // Relocated to London: the same moment, the clock time of zone 0, the new place.
        form->answers["RelocateDlg"] = [](QDialog& dialog) {
            nemra::ChartPlace london;
            london.TimeZone = "0.00H";
            london.Latitude = "51.30N";
            london.Longitude = "0.07W";
            london.Place = "London";
            dialog.findChild<TPlaceBox*>()->ShowPlace(london);
            SaveScreenshot(dialog, "relocate");
            return Accept(dialog);
        };
        form->item("MnReloc1")->trigger();
        QCOMPARE(Text(s.FNatal.Input.Place), QStringLiteral("London"));
        QCOMPARE(Text(s.FNatal.Input.Time), QStringLiteral(" 2.30.00")); // 9.30 at UT+7
        QVERIFY(nemra::MomentOf(s.FNatal.Input) == natalMoment);

        // The solar return of 2569 as the transit chart: the Sun back at its natal longitude.
        form->answers["SolarReturnDlg"] = [](QDialog& dialog) {
            dialog.findChild<QSpinBox*>("YearSpin")->setValue(2569);
            SaveScreenshot(dialog, "solar-return");
            return Accept(dialog);
        };
        form->item("MnSolar")->trigger();
        QCOMPARE(Text(s.FTransit.Input.Name), QStringLiteral("ดวงทินวรรษ 2569"));
        QVERIFY(Text(s.FTransit.Input.Date).endsWith("/03/2569"));
        // The texts hold whole seconds, in which the Sun moves 0.04": within 0.001° of it.
        QVERIFY(std::abs(s.FTransit.Factors[nemra::kSun].Lon - s.FNatal.Factors[nemra::kSun].Lon) < 1e-3);

        // A step forward of a day and back recasts the natal chart each time.
        form->item("MnChangeNatal")->trigger();
        auto* steps = form->findChild<TStepForm*>();
        QVERIFY(steps != nullptr);
        SaveScreenshot(*steps, "step-time");
        const QString date = Text(s.FNatal.Input.Date);
        steps->StepForward();
        QCOMPARE(Text(s.FNatal.Input.Date), QStringLiteral("16/03/2520"));
        QVERIFY(form->findChild<QLabel*>("LDate")->text().contains(QStringLiteral("16")));
        steps->StepBack();
        QCOMPARE(Text(s.FNatal.Input.Date), date);
        // A chart cast another way is where the window steps on from.
        form->CastChart(true, Chart("อื่น", "01/01/2530", "12.00.00"));
        QCOMPARE(Text(steps->Chart().Name), QStringLiteral("อื่น"));
    }

    void graphDateIsCastAsTheTransit()
    {
        auto form = NewForm();
        auto& s = form->session();
        // JD 2461000.5 is 21 November 2025, 0h UT (hand count from JD 2451544.5 = 1 January
        // 2000, 0h): 7.00 at the transit chart's zone 105°E.
        form->answers["GraphEphemerisForm"] = [](QDialog& dialog) {
            emit static_cast<TGraphEphemerisForm&>(dialog).DateChosen(2461000.5);
            return QDialog::Rejected;
        };
        form->item("MnGraphEphemeris")->trigger();
        QCOMPARE(Text(s.FTransit.Input.Date), QStringLiteral("21/11/2568"));
        QCOMPARE(Text(s.FTransit.Input.Time), QStringLiteral(" 7.00.00"));
        QCOMPARE(form->findChild<QLabel*>("trtime")->text(), QStringLiteral("เวลา  7.00.00 น."));
    }

    void otherSettingsApplyAtOnce()
    {
        auto form = NewForm();
        form->answers["MiscSettingsDlg"] = [](QDialog& dialog) {
            dialog.findChild<QRadioButton*>("Dial90")->setChecked(true);
            dialog.findChild<QRadioButton*>("CancerAxis")->setChecked(true);
            return Accept(dialog);
        };
        form->item("MnMiscSettings")->trigger();
        QCOMPARE(form->session().FDialType, 90);
        QCOMPARE(form->session().FAxis, 180);
        QVERIFY(form->item("MNDial90")->isChecked() && form->item("MnCancerReflect")->isChecked());
        QVERIFY(QFile::exists(FDir->filePath("Nemra06.INI")));
    }
};

QTEST_MAIN(MainpCommandsTest)
#include "MainpCommandsTest.moc"
