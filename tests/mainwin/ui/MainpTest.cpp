#include "mainwin/ui/Mainp.h"
#include "tests/mainwin/ui/ScriptedMainForm.h"

#include "core/ThaiText.h"
#include "tests/support/UtMoment.h"
#include "ui/common/ElidedLabel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <fstream>
#include <memory>

namespace {

QString WriteSettings(QTemporaryDir& dir, const std::string& text)
{
    std::ofstream(dir.filePath("Nemra06.INI").toStdString(), std::ios::binary) << text;
    return dir.path();
}

// A main window that notes the title of every dialog it runs, to tell the natal chart's
// dialogs from the transit chart's.
class TitledMainForm : public ScriptedMainForm {
  public:
    using ScriptedMainForm::ScriptedMainForm;
    QStringList titles;
    int RunDialog(QDialog& dialog) override
    {
        titles << dialog.windowTitle();
        return ScriptedMainForm::RunDialog(dialog);
    }
};

// What one menu entry did to a fresh window with an index on the natal Sun: the dialogs
// run, the index and switches of the dial, the charts' names, the dial tool and the file
// written.
QString EntryEffect(const QString& folder, const char* entry)
{
    TitledMainForm form(FixedNow, folder);
    auto& s = form.session();
    s.FMidFactorA = nemra::kSun;
    form.item("MnIndexMidpoint")->trigger(); // an index to report on
    form.shown.clear();
    form.titles.clear();
    form.indexDialogsToAccept = 1;
    form.answers["FSenP1"] = form.answers["FUserP1"] = [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
    form.answerInput = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("ทดลอง"));
        dialog.accept();
        return dialog.result();
    };
    form.saveAs = QDir(folder).filePath(QStringLiteral("%1.out").arg(entry));
    QFile::remove(form.saveAs);
    form.item(entry)->trigger();
    QFile written(form.saveAs);
    const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    return QStringLiteral("%1 [%2] rotation %3 mode %4 dial %5/%6/%7/%8/%9 finder %10 tool %11 natal %12 transit %13 "
                          "file %14 bytes, a picture: %15")
        .arg(form.shown.join(','), form.titles.join(','))
        .arg(s.FDialRotation)
        .arg(s.FIndexMode)
        .arg(s.FDialType)
        .arg(s.FDisplayMode)
        .arg(s.FMaxContracia)
        .arg(s.FAxis)
        .arg(s.FHouseLines)
        .arg(s.FMidFinderOn)
        .arg(form.dialTool() != nullptr)
        .arg(QString::fromStdString(s.FNatal.Input.Name.str()), QString::fromStdString(s.FTransit.Input.Name.str()))
        .arg(bytes.size())
        .arg(!QImage::fromData(bytes).isNull());
}

} // namespace

class MainpTest : public QObject {
    Q_OBJECT
  private slots:
    void startsWithDefaultsAndBothCharts()
    {
        QTemporaryDir empty;
        ScriptedMainForm form(FixedNow, empty.path());
        QCOMPARE(form.windowTitle(), QStringLiteral("โหราศาสตร์ยูเรเนียน"));
        const auto& s = form.session();
        QVERIFY(s.FNatal.Computed && s.FTransit.Computed && s.FProgressed.Computed);
        QCOMPARE(s.FDialType, 360);
        QCOMPARE(s.FAxis, 360);
        QCOMPARE(s.FMaxContracia, 0);
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Date.str()), QStringLiteral("07/12/2569"));
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Time.str()), QStringLiteral(" 9.05.07"));
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Place.str()), QStringLiteral("กรุงเทพฯ"));
        QVERIFY(form.item("MnTrueNode")->isChecked());
        QVERIFY(form.item("MNDial360")->isChecked() && form.item("Pop1Dial360")->isChecked());
        QVERIFY(form.item("MnNoCon")->isChecked());
        QCOMPARE(form.findChild<QComboBox*>("ChooseChartList")->currentIndex(), 0);
        QCOMPARE(form.findChild<QLabel*>("trname")->text(), QStringLiteral("ดวงจรขณะนี้"));
        QCOMPARE(form.findChild<QLabel*>("trtime")->text(), QStringLiteral("เวลา  9.05.07 น."));
        // The owner chart's name is wider than its column: painted cut short, kept whole.
        const auto* name = form.findChild<nemra::ui::ElidedLabel*>("LName");
        QCOMPARE(name->text(), QStringLiteral("เปลี่ยนแปลงการปกครอง 2475"));
        QVERIFY(name->ShownText().endsWith(QChar(0x2026)));
        QVERIFY(name->fontMetrics().horizontalAdvance(name->ShownText()) <= name->contentsRect().width());
        // Pointing at the cut name shows the whole of it.
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), name->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(form.findChild<nemra::ui::ElidedLabel*>("LName"), &help);
        QCOMPARE(QToolTip::text(), name->text());
        QCOMPARE(form.findChild<nemra::ui::ElidedLabel*>("trname")->ShownText(), QStringLiteral("ดวงจรขณะนี้"));
        const auto* grid = form.findChild<QTableWidget*>("StringGrid1");
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("จรอายุขัย"));
        QCOMPARE(grid->item(3, 0)->text(), QStringLiteral("อาทิตย์"));
        QVERIFY(!grid->item(3, 1)->text().isEmpty() && !grid->item(3, 2)->text().isEmpty());
        QVERIFY(form.item("MnOwnerChart")->text().startsWith(QStringLiteral("ดวงเปลี่ยนแปลงการปกครอง")));
    }

    void readsTheSettingsFile()
    {
        QTemporaryDir dir;
        const std::string ini = "[Dial]\nDialType=45\nMaxContracia=5\n[Calculations]\nAxis=0\nNode=0\n"
                                "[Place]\nTimezone=7.00H\nCityName="
                                + nemra::ToCp874("ภูเก็ต") + "\n";
        ScriptedMainForm form(FixedNow, WriteSettings(dir, ini));
        const auto& s = form.session();
        QCOMPARE(s.FDialType, 90);
        QVERIFY(form.item("MNDial90")->isChecked() && !form.item("MNDial360")->isChecked());
        QCOMPARE(s.FAxis, 180);
        QVERIFY(form.item("MnCancerReflect")->isChecked() && form.item("Pop1CancerReflect")->isChecked());
        QVERIFY(!form.item("MnTrueNode")->isChecked());
        QCOMPARE(QString::fromStdString(s.FNatal.Retro[nemra::kNode]), QStringLiteral(" พ"));
        QCOMPARE(s.FTransit.ZoneDeg, 105.0);
        QCOMPARE(s.FMaxContracia, 5);
        QVERIFY(form.item("Pop1PerCon")->isChecked());
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Place.str()), QStringLiteral("ภูเก็ต"));
    }

    void menusCarryTheirNamesAndState()
    {
        QTemporaryDir empty;
        ScriptedMainForm form(FixedNow, empty.path());
        for (const char* name : {"NewNatal",      "OldNatal",       "MnOwnerChart",    "Exit1",         "MnRtChart",
                                 "MnIndexCancer", "MnShowAllChart", "Pop1ShowTransit", "MnReportIndex", "MnSolARep",
                                 "MnSeeBook1",    "MnClipboard1",   "MnPrintSetup",    "MnTrueNode",    "AboutM",
                                 "Pop1Sens",      "Pop2Text",       "Pop1Report",      "ToggleDisc",    "ToMain"})
            QVERIFY2(form.item(name) != nullptr, name);
        QVERIFY(form.item("OldNatal")->isEnabled());     // the chart library needs no chart
        QVERIFY(form.item("MnPrintSetup")->isEnabled()); // the page setup needs no chart
        QVERIFY(form.item("MnIndex")->isEnabled());
        QVERIFY(form.item("MnMcDay")->isEnabled());
        QVERIFY(!form.item("MnReportIndex")->isEnabled());
        QVERIFY(form.item("MnReportIndex")->text().startsWith(QStringLiteral("ไม่ได้กำหนดจุดดัชนีจานหมุน")));
        QCOMPARE(form.item("OwnerChart")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(form.item("ToggleDisc")->shortcut(), QKeySequence("Ctrl+T"));
    }

    void switchesUpdateStateAndBothMenus()
    {
        QTemporaryDir empty;
        ScriptedMainForm form(FixedNow, empty.path());
        auto& s = form.session();
        form.item("Pop1ShowTransit")->trigger();
        QCOMPARE(s.FDisplayMode, 4);
        form.item("MnShowTransit")->trigger(); // the checked item again: it stays checked
        QVERIFY(form.item("MnShowTransit")->isChecked());
        QVERIFY(!s.FNatal.Visible && s.FTransit.Visible && !s.FShowV1);
        QVERIFY(form.item("MnShowTransit")->isChecked() && !form.item("MnShowAllChart")->isChecked());
        QCOMPARE(form.findChild<QComboBox*>("ChooseChartList")->currentIndex(), 4);

        const auto* grid = form.findChild<QTableWidget*>("StringGrid1");
        const QString before = grid->item(3, 1)->text();
        form.item("MnCancerReflect")->trigger();
        QCOMPARE(s.FAxis, 180);
        QVERIFY(form.item("Pop1CancerReflect")->isChecked() && !form.item("MnAriesReflect")->isChecked());
        QCOMPARE(grid->item(3, 1)->text(), before); // tab 0 shows true positions

        form.item("MnAllCon")->trigger();
        QCOMPARE(s.FMaxContracia, 21);
        QCOMPARE(form.findChild<QComboBox*>("ReflectSelectList")->currentIndex(), 0);

        form.item("MnTrueNode")->trigger(); // to the mean node
        QCOMPARE(QString::fromStdString(s.FTransit.Retro[nemra::kNode]), QStringLiteral(" พ"));
        QVERIFY(grid->item(5, 3)->text().endsWith(QStringLiteral(" พ")));
        // Every column shows the node the switch gave, the V1 one included.
        for (int column = 1; column <= 3; ++column)
            QCOMPARE(grid->item(5, column)->text(),
                     QString::fromStdString(nemra::GridCellText(s, column, nemra::kNode)));
        QCOMPARE(form.item("MnTrueNode")->statusTip(), QStringLiteral("คลิกเพื่อเปลี่ยนเป็นราหูจริง"));

        form.item("ToggleDisc")->trigger();
        QCOMPARE(s.FDialType, 90);
        QVERIFY(form.item("Pop1Dial90")->isChecked());
    }

    // Each pop-up entry runs its main entry's command, is enabled as it is, and shows its
    // caption (none given: the main entry's, without the shortcut).
    void popUpTwinsRunTheirMainEntrysCommand()
    {
        QTemporaryDir dir;
        qputenv("NEMRA_CHART_DB", dir.filePath("charts.sqlite").toUtf8());
        const struct {
            const char* main;
            const char* popup;
            const char* caption;
        } twins[] = {
            {"MnIndexCancer", "Pop1Cancer", nullptr},
            {"MnIndexHouse", "Pop1House", nullptr},
            {"MnIndexMidpoint", "Pop1Mid", nullptr},
            {"MnIndexSens", "Pop1Sens", "จุดอิทธิพล  A,B,C"}, // two spaces, as the pop-up has always had
            {"MnMcDay", "Pop1MC", nullptr},
            {"MnIndexUser", "Pop1User", nullptr},
            {"MnShowTool", "Pop1DiskTool", nullptr},
            {"MnMidPointTool", "Pop1MidpointTool", nullptr},
            {"MNDial90", "Pop1Dial90", nullptr},
            {"MnShowNatal", "Pop1ShowNatal", nullptr},
            {"MnPerCon", "Pop1PerCon", nullptr},
            {"MnCancerReflect", "Pop1CancerReflect", nullptr},
            {"MnHouseLine", "Pop1HouseLine", nullptr},
            {"MnClipboard1", "Pop1Clip", nullptr},
            {"MnSaveBmp", "Pop1SaveBmp", "บันทึกภาพลงไฟล์"},
            {"MnPrintChart", "Pop1Print", nullptr},
            {"MnReportIndex", "Pop1Report", "รายงานการทำมุม"},
            {"NewNatal", "Pop2NewNatal", "ผูกดวงกำเนิดใหม่"},
            {"OldNatal", "Pop2OldNatal", "หาดวงกำเนิดจากไฟล์"},
            {"MnOwnerChart", "Pop2OwnerChart", nullptr},
            {"NewTransit", "Pop2NewTransit", nullptr},
            {"OldTransit", "Pop2OldTransit", nullptr},
            {"MnSompusFile", "Pop2Text", "บันทึกสมผุสลงไฟล์"},
            {"MnPrintSompus", "Pop2Print", "พิมพ์สมผุส"},
        };
        TitledMainForm form(FixedNow, dir.path());
        form.session().FMidFactorA = nemra::kSun;
        form.item("MnIndexMidpoint")->trigger();
        for (const auto& twin : twins) {
            const QAction* main = form.item(twin.main);
            const QAction* popup = form.item(twin.popup);
            QVERIFY2(main && popup, twin.popup);
            QCOMPARE(popup->isEnabled(), main->isEnabled());
            QCOMPARE(popup->isCheckable(), main->isCheckable());
            QCOMPARE(popup->text(), twin.caption ? QString::fromUtf8(twin.caption) : main->text().section('\t', 0, 0));
            QCOMPARE(EntryEffect(dir.path(), twin.popup), EntryEffect(dir.path(), twin.main));
        }
        // With one chart the daily meridian cannot be chosen, from the pop-up either.
        form.session().FTransit.Computed = false;
        form.UpdateCommandState();
        QVERIFY(!form.item("MnMcDay")->isEnabled() && !form.item("Pop1MC")->isEnabled());
        // The effects tell the commands apart: the natal chart's finder from the transit's.
        QVERIFY(EntryEffect(dir.path(), "OldNatal") != EntryEffect(dir.path(), "OldTransit"));
        QVERIFY(EntryEffect(dir.path(), "NewNatal") != EntryEffect(dir.path(), "NewTransit"));
        qunsetenv("NEMRA_CHART_DB");
    }

    void castsANatalChartFromTheInputDialog()
    {
        QTemporaryDir empty;
        ScriptedMainForm form(FixedNow, empty.path());
        auto& s = form.session();
        s.FDialRotation = 33.0;
        form.answerInput = [](QDialog& dialog) {
            dialog.show(); // the dialog fills itself with the present moment when shown
            dialog.findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("ทดลอง"));
            dialog.accept();
            return dialog.result();
        };
        form.item("NewNatal")->trigger();
        QVERIFY2(form.shown.contains("New1"), qPrintable(form.shown.join(",")));
        QCOMPARE(QString::fromStdString(s.FNatal.Input.Name.str()), QStringLiteral("ทดลอง"));
        QCOMPARE(QString::fromStdString(s.FNatal.Input.Date.str()), QStringLiteral("07/12/2569"));
        QCOMPARE(form.findChild<QLabel*>("LName")->text(), QStringLiteral("ทดลอง"));
        QCOMPARE(s.FDialRotation, 90.0);
        QCOMPARE(s.FDisplayMode, 0);

        // Cancelling changes nothing.
        form.answerInput = [](QDialog& dialog) {
            dialog.reject();
            return dialog.result();
        };
        const std::string before = s.FTransit.Input.Date.str();
        form.item("Pop2NewTransit")->trigger();
        QCOMPARE(s.FTransit.Input.Date.str(), before);
    }

    void exportsPositionsAndTheDialPicture()
    {
        QTemporaryDir dir;
        ScriptedMainForm form(FixedNow, dir.path());
        form.saveAs = dir.filePath("สมผุส.txt");
        form.item("MnSompusFile")->trigger();
        form.item("Pop2Text")->trigger();
        QFile text(form.saveAs);
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QByteArray bytes = text.readAll();
        const QByteArray caption = QByteArray::fromStdString(nemra::ToCp874("สมผุสปัจจัยจริง")) + "\r\n";
        QCOMPARE(bytes.count(caption), 2); // two whole blocks, the second appended
        QVERIFY(bytes.contains(QByteArray::fromStdString(nemra::ToCp874("โค้งสุริยยาตร 2 เท่า "))));

        form.saveAs = dir.filePath("dial.bmp");
        form.item("Pop1SaveBmp")->trigger();
        QCOMPARE(QImage(form.saveAs).size(), QSize(521, 521));

        // A folder in place of the file: the user is told, nothing is written.
        form.saveAs = dir.path();
        form.item("MnSompusFile")->trigger();
        QVERIFY(form.shown.contains("ErrorMessage"));
        form.shown.clear();
        form.item("MnSaveBmp")->trigger();
        QVERIFY(form.shown.contains("ErrorMessage"));
    }

    void opensTheReports()
    {
        QTemporaryDir dir;
        ScriptedMainForm form(FixedNow, dir.path());
        form.session().BriefAspectMode = 4;
        form.item("MnBriefReport")->trigger();
        form.item("MnSolARep")->trigger();
        QCOMPARE(form.shown.mid(form.shown.size() - 2), QStringList({"FBriefAspect", "FSolRep"}));
        QCOMPARE(form.session().BriefAspectMode, 1);
    }

    void calculationDialsSetTheIndex()
    {
        QTemporaryDir dir;
        ScriptedMainForm form(FixedNow, dir.path());
        auto& s = form.session();
        s.FMidFactorA = nemra::kSun;
        form.item("MnIndexMidpoint")->trigger();
        QVERIFY(form.shown.contains("FMidP1"));
        QCOMPARE(s.FDialRotation, s.FNatal.Factors[nemra::kSun].Lon);
        QVERIFY(form.item("MnReportIndex")->isEnabled());
        QVERIFY(form.item("MnReportIndex")->text().startsWith(QStringLiteral("จุดดัชนีจานหมุน : อาทิตย์ กำเนิด")));

        form.item("Pop1Cancer")->trigger();
        QCOMPARE(s.FDialRotation, 90.0);
        QVERIFY(!form.item("MnReportIndex")->isEnabled());

        form.item("Pop1MC")->trigger();
        QCOMPARE(s.FDialRotation, s.FDailyMeridian);
        QCOMPARE(s.FIndexMode, 8);

        form.item("MnIndexHouse")->trigger(); // the Meridian of the natal chart
        QCOMPARE(s.FIndexDial, 1);
        QCOMPARE(s.GHouseChart, 1);
    }

    void liveTransitFollowsTheClock()
    {
        QTemporaryDir dir;
        SteppedClock clock;
        clock.now->hour = 12;
        ScriptedMainForm form(clock, dir.path());
        auto& s = form.session();
        auto* stop = form.findChild<QPushButton*>("StopBtn");

        // The place dialog opens on the start-up place, not on the last chart's.
        s.GChartInput.Place = "London";
        form.placeAccepted = false;
        form.item("MnRtChart")->trigger();
        QVERIFY(!form.RealTimeRunning());
        QCOMPARE(form.placesShown, QStringList{QStringLiteral("กรุงเทพฯ")});

        // An index on the transit Moon: a single factor of the transit chart.
        form.placeAccepted = true;
        s.FMidSource = 4;
        s.FMidFactorA = nemra::kMoon;
        form.item("MnIndexMidpoint")->trigger();
        const double moonBefore = s.FTransit.Factors[nemra::kMoon].Lon;
        form.item("MnRtChart")->trigger();
        QVERIFY(form.RealTimeRunning());
        QVERIFY(!form.item("Transit")->isEnabled());
        QVERIFY(stop->isHidden());       // nothing cast until the first tick
        QCOMPARE(s.FDialRotation, 90.0); // turned back to the zodiac at start
        QCOMPARE(s.FTransit.Factors[nemra::kMoon].Lon, moonBefore);

        *clock.now = {2026, 12, 7, 9, 5, 7};
        form.Timer1Timer();
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Date.str()), QStringLiteral("07/12/2569"));
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Time.str()), QStringLiteral(" 9.05.07"));
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Name.str()), QStringLiteral("ดวงจรขณะนี้"));
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Place.str()), QStringLiteral("กรุงเทพฯ"));
        QVERIFY(!stop->isHidden());
        QCOMPARE(s.FDialRotation, s.FTransit.Factors[nemra::kMoon].Lon); // the index follows the Moon
        const double first = s.FDialRotation;
        clock.now->hour = 15;
        form.Timer1Timer();
        QVERIFY(s.FDialRotation > first + 1.0); // the Moon moves about half a degree an hour

        stop->click();
        QVERIFY(!form.RealTimeRunning());
        QVERIFY(stop->isHidden());
        QVERIFY(form.item("Transit")->isEnabled());
        QCOMPARE(QString::fromStdString(s.FTransit.Input.Time.str()), QStringLiteral("15.05.07")); // kept
    }

    void reportMenusRunTheirLoops()
    {
        QTemporaryDir dir;
        ScriptedMainForm form(FixedNow, dir.path());
        form.indexDialogsToAccept = 1; // the first dial ends with OK, the next is cancelled
        form.item("MnReportMid")->trigger();
        QCOMPARE(form.shown, QStringList({"FMidP1", "FReport", "FMidP1"}));

        form.shown.clear();
        form.indexDialogsToAccept = 1;
        form.item("MnSeeHouse")->trigger();
        QCOMPARE(form.shown, QStringList({"FSelHous", "FHouse", "FSelHous"}));

        form.shown.clear();
        form.item("MnSeeRasi")->trigger();
        form.item("Pop1Report")->trigger();
        form.item("MnReportMc")->trigger();
        QCOMPARE(form.shown, QStringList({"FRasi", "FReport", "FReport"}));
        QCOMPARE(form.session().FIndexMode, 8);
    }

    void closingAsksFirst()
    {
        QTemporaryDir empty;
        ScriptedMainForm form(FixedNow, empty.path());
        form.show();
        form.confirmClose = false;
        QVERIFY(!form.close());
        QVERIFY(form.shown.contains("ConfirmClose"));
        form.confirmClose = true;
        QVERIFY(form.close());
    }
};

QTEST_MAIN(MainpTest)
#include "MainpTest.moc"
