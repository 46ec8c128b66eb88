// The hit-point report and the report commands on the dial index, worked as a user would.
#include "reports/ui/Ureport.h"
#include "dials/ui/Umidp1.h"
#include "mainwin/model/ReportAdapters.h"
#include "mainwin/model/Session.h"
#include "reports/ui/ReportCommands.h"

#include "core/FactorCatalogue.h"
#include "core/ThaiText.h"
#include "dials/model/DialIndex.h"
#include "tests/reports/ui/ReportGridText.h"

#include "tests/support/Cp874Lines.h"
#include "tests/support/ReportSession.h"
#include "tests/support/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace {

using nemra::test::ReportSession;

// A session studying the natal Sun as a V1 point (IndexLayer 3).
nemra::MainSession SessionOnV1Sun()
{
    nemra::MainSession s = ReportSession();
    nemra::SetMidpointIndex(s, {nemra::kMidV1, nemra::kSun, 0, false, false});
    return s;
}

// The report with its save question and its messages answered by the test.
class ScriptedReport : public TFReport {
  public:
    using TFReport::TFReport;
    QString fileName;
    QList<QPair<QMessageBox::Icon, QString>> messages;

    QString AskSaveFileName(const QString&, const QString&, const QString&) override { return fileName; }
    void ShowMessage(QMessageBox::Icon icon, const QString& text) override { messages.append({icon, text}); }
};

using nemra::test::Child;

QString Cell(const QDialog& form, int row, int column)
{
    return GridText(*Child<QTableWidget>(form, "StringGrid1"), row, column);
}

QString Label(const QDialog& form, const char* name)
{
    return Child<QLabel>(form, name)->text();
}

QRadioButton* LayerButton(const QDialog& form, int layer)
{
    return Child<QRadioButton>(form, QStringLiteral("RadioButton%1").arg(layer));
}

using nemra::test::Cp874TextLines;

} // namespace

class UreportTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithItsDefaultsOnTheStudiedPoint()
    {
        nemra::MainSession s = SessionOnV1Sun();
        s.TargetLayer = nemra::kLayerV1Half;
        ScriptedReport form(nemra::MakeReportSnapshot(s), s.TargetLayer);
        QCOMPARE(form.windowTitle(), QStringLiteral("รายงานการทำมุม"));
        QCOMPARE(Label(form, "Label1"), QStringLiteral("อาทิตย์ V1"));
        QCOMPARE(Label(form, "Label2"), QString::fromStdString(s.FDialSubTitle));
        QCOMPARE(Child<QComboBox>(form, "ComboBox1")->currentText() + Child<QComboBox>(form, "ComboBox2")->currentText()
                     + Child<QComboBox>(form, "ComboBox3")->currentText(),
                 QStringLiteral("45.00100"));
        for (int kind = 1; kind <= 8; ++kind)
            QCOMPARE(Child<QCheckBox>(form, QStringLiteral("CheckBox%1").arg(kind))->isChecked(), kind <= 3);
        QCOMPARE(s.TargetLayer, 1);
        QVERIFY(LayerButton(form, 1)->isChecked());
        for (int layer = 1; layer <= 8; ++layer)
            QCOMPARE(LayerButton(form, layer)->isEnabled(), layer != 3);
        QVERIFY(Child<QRadioButton>(form, "SortGroupItem1")->isChecked());
        QCOMPARE(Cell(form, 1, 1), QStringLiteral("อาทิตย์"));
        QCOMPARE(Cell(form, 1, 2), QString::fromStdString(s.FDialSubTitle));
        const int rows = static_cast<int>(form.report().rows.size());
        QVERIFY(form.report().hitCount > 0);
        QCOMPARE(GridRows(*Child<QTableWidget>(form, "StringGrid1")), rows + 2);
        QCOMPARE(Label(form, "Label5"), QStringLiteral("พบจุดกระทบ %1 จุด").arg(form.report().hitCount));
    }

    void everyControlSearchesAgain()
    {
        nemra::MainSession s = SessionOnV1Sun();
        ScriptedReport form(nemra::MakeReportSnapshot(s), s.TargetLayer);
        const int defaultCount = form.report().hitCount;

        Child<QCheckBox>(form, "CheckBox5")->click();
        QVERIFY(form.settings().kinds[4]);
        QVERIFY(form.report().hitCount > defaultCount);

        LayerButton(form, 7)->click();
        QCOMPARE(s.TargetLayer, 7);
        QCOMPARE(form.settings().targetLayer, 7);

        Child<QComboBox>(form, "ComboBox1")->setCurrentIndex(4);
        QCOMPARE(form.settings().base, 22.5);
        Child<QComboBox>(form, "ComboBox2")->setCurrentIndex(0);
        Child<QComboBox>(form, "ComboBox3")->setCurrentIndex(30);
        QCOMPARE(form.settings().orb, 0.5);

        Child<QRadioButton>(form, "SortGroupItem0")->click();
        QVERIFY(form.settings().sortByOrb);
        double previous = -1e9;
        for (const nemra::HitRow& row : form.report().rows) {
            QVERIFY(row.deviation >= previous);
            previous = row.deviation;
        }

        Child<QComboBox>(form, "ComboBox3")->setCurrentIndex(0); // orb 0: no search
        QCOMPARE(Label(form, "Label5"), QStringLiteral("ไม่มีจุดกระทบ"));
        QVERIFY(!Child<QPushButton>(form, "BitBtn2")->isEnabled());
        QVERIFY(!Child<QPushButton>(form, "BitBtn3")->isEnabled());
        QCOMPARE(GridRows(*Child<QTableWidget>(form, "StringGrid1")), 2);
        QCOMPARE(Cell(form, 1, 1), QStringLiteral("อาทิตย์"));
    }

    void arrowKeysMoveBetweenTargetLayers()
    {
        nemra::MainSession s = ReportSession();
        ScriptedReport form(nemra::MakeReportSnapshot(s), s.TargetLayer);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        LayerButton(form, 1)->setFocus();
        QTest::keyClick(LayerButton(form, 1), Qt::Key_Down);
        QVERIFY(LayerButton(form, 2)->isChecked());
        QCOMPARE(s.TargetLayer, 2);
        QCOMPARE(form.settings().targetLayer, s.TargetLayer);
    }

    void savesTheListThroughTheHookAndReportsFailure()
    {
        nemra::MainSession s = SessionOnV1Sun();
        ScriptedReport form(nemra::MakeReportSnapshot(s), s.TargetLayer);
        QTemporaryDir dir;
        auto* save = Child<QPushButton>(form, "BitBtn2");
        save->click(); // cancelled
        QVERIFY(form.messages.isEmpty());

        form.fileName = dir.filePath("hits.txt");
        save->click();
        QCOMPARE(form.messages.size(), 1);
        QCOMPARE(form.messages[0].second, QStringLiteral("บันทึกไฟล์เรียบร้อยแล้ว!"));
        const QStringList lines = Cp874TextLines(form.fileName);
        const auto expected = nemra::HitReportFileLines(form.snapshot(), nemra::kLayerNatal, form.report());
        QCOMPARE(lines.size(), static_cast<int>(expected.size()));
        QCOMPARE(lines[0], QStringLiteral("ทดสอบ,05/12/2540,9.30,7.00H,13.45N,100.30E"));
        QCOMPARE(lines[5], QStringLiteral("อาทิตย์ จุด V1 ") + QString::fromStdString(s.FDialSubTitle)
                               + QStringLiteral(" ทำมุมกับ  ดวงกำเนิด"));
        QCOMPARE(lines[6], QStringLiteral("การทำมุม,จุดกระทบ,สมผุส,ระยะวังกะ"));
        QCOMPARE(lines.size(), 7 + form.report().hitCount); // neither the studied row nor formula rows

        form.fileName = dir.path(); // a folder: the reason, never "saved"
        save->click();
        QCOMPARE(form.messages.size(), 2);
        QCOMPARE(form.messages.last().first, QMessageBox::Critical);
        QVERIFY(!form.messages.last().second.contains(QStringLiteral("เรียบร้อย")));
    }

    void reportLoopEndsWhenTheDialIsCancelled()
    {
        nemra::MainSession s = ReportSession();
        int dials = 0;
        int reports = 0;
        int redraws = 0;
        QString reportedIndex;
        const nemra::ui::RunDialogFn run = [&](QDialog& dialog) {
            if (auto* report = qobject_cast<TFReport*>(&dialog)) {
                ++reports;
                reportedIndex = Label(*report, "Label1");
                return int(QDialog::Rejected);
            }
            ++dials;
            if (dials == 1) {
                Child<QRadioButton>(dialog, "RadioButton2")->click(); // a midpoint
                Child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(nemra::kSun);
                Child<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(nemra::kMoon);
                Child<QPushButton>(dialog, "BitBtn1")->click();
            } else {
                Child<QPushButton>(dialog, "BitBtn2")->click();
            }
            return dialog.result();
        };
        nemra::ui::ReportMidpointLoop(nullptr, s, run, [&] { ++redraws; });
        QCOMPARE(dials, 2);
        QCOMPARE(reports, 1);
        QCOMPARE(redraws, 1);
        QCOMPARE(reportedIndex, QStringLiteral("อท/จท กำเนิด"));
        QCOMPARE(s.IndexFactorCode, std::string("SUMO"));
        QVERIFY(!s.FIndexAccepted);
    }

    void dailyMeridianAndThePresentIndexReportOnce()
    {
        nemra::MainSession s = ReportSession();
        QStringList shown;
        const nemra::ui::RunDialogFn run = [&](QDialog& dialog) {
            auto& report = dynamic_cast<TFReport&>(dialog);
            shown << Label(report, "Label1") + "|" + Cell(report, 1, 2);
            if (report.snapshot().indexPoint != s.FDialRotation)
                qFatal("the snapshot misses the index point");
            return int(QDialog::Rejected);
        };
        nemra::ui::ReportOnIndex(nullptr, s, run); // nothing chosen since the cast
        int redraws = 0;
        nemra::ui::ReportDailyMeridian(nullptr, s, run, [&] { ++redraws; });
        QCOMPARE(redraws, 1);
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].endsWith('|')); // the Cancer point after the cast, no position text
        QCOMPARE(shown[1], QStringLiteral("เมอริเดียนประจำวัน |") + QString::fromStdString(s.FDialSubTitle));
    }
};

QTEST_MAIN(UreportTest)
#include "UreportTest.moc"
