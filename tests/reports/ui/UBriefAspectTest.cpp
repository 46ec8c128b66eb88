#include "reports/ui/UBriefAspect.h"
#include "mainwin/model/Session.h"

#include "core/FactorCatalogue.h"
#include "core/ThaiText.h"
#include "tests/reports/ui/ReportGridText.h"

#include "tests/support/Cp874Lines.h"
#include "tests/support/ReportSession.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace {

using nemra::test::ReportSession;

// The aspect list with its save question and its messages answered by the test.
class ScriptedBriefAspect : public TFBriefAspect {
  public:
    using TFBriefAspect::TFBriefAspect;
    QString fileName;
    QStringList asked;
    QList<QPair<QMessageBox::Icon, QString>> messages;

    QString AskSaveFileName(const QString& title, const QString& filter, const QString& suffix) override
    {
        asked << title << filter << suffix;
        return fileName;
    }
    void ShowMessage(QMessageBox::Icon icon, const QString& text) override { messages.append({icon, text}); }

    QTableWidget* grid() const { return findChild<QTableWidget*>("StringGrid1"); }
    QTabBar* tabs() const { return findChild<QTabBar*>("TabControl1"); }
    QString label(const char* name) const { return findChild<QLabel*>(name)->text(); }
    QComboBox* combo(const char* name) const { return findChild<QComboBox*>(name); }
    QString cell(int row, int column) const { return GridText(*grid(), row, column); }
    QString rowLine(int row) const
    {
        return QStringList{cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3)}.join(',');
    }
};

using nemra::test::Cp874TextLines;

} // namespace

class UBriefAspectTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheNatalListWithItsDefaults()
    {
        nemra::MainSession s = ReportSession();
        s.BriefAspectMode = 1;
        ScriptedBriefAspect form(s, s);
        QCOMPARE(form.windowTitle(), QStringLiteral("การทำมุมของปัจจัยเดี่ยว"));
        QCOMPARE(form.tabs()->count(), 5);
        QCOMPARE(form.tabs()->tabText(0), QStringLiteral("*ดวงกำเนิด"));
        QCOMPARE(form.combo("ComboBox1")->currentText(), QStringLiteral("45.00"));
        QCOMPARE(form.combo("ComboBox2")->currentText(), QStringLiteral("1"));
        QCOMPARE(form.combo("ComboBox3")->currentText(), QStringLiteral("00"));
        QCOMPARE(form.label("Label3"), QStringLiteral("โค้งสุริยยาตร์ = ") + QString::fromStdString(s.FArcText[0]));
        QCOMPARE(form.rowLine(0), QStringLiteral("ดวงกำเนิด,การทำมุม,ดวงกำเนิด,ระยะวังกะ"));
        const int count = static_cast<int>(form.aspectList().rows.size());
        QVERIFY(count > 0);
        QCOMPARE(GridRows(*form.grid()), count + 1);
        QCOMPARE(form.label("Label1"), QStringLiteral("การทำมุม %1 รายการ").arg(count));
        for (int row = 1; row <= count; ++row) {
            QVERIFY(form.cell(row, 3).startsWith('+') || form.cell(row, 3).startsWith('-'));
            QVERIFY(std::abs(form.cell(row, 3).toDouble()) <= 1.0);
        }
    }

    void tabsSetTheModeAndTheArcOnlyMattersWhereItIsUsed()
    {
        nemra::MainSession s = ReportSession();
        ScriptedBriefAspect form(s, s);
        form.tabs()->setCurrentIndex(2);
        QCOMPARE(s.BriefAspectMode, 3);
        QCOMPARE(form.tabs()->tabText(0), QStringLiteral("ดวงกำเนิด"));
        QCOMPARE(form.tabs()->tabText(2), QStringLiteral("*บวกโค้งถึงดวงกำเนิด"));
        QCOMPARE(form.cell(0, 0), QStringLiteral("ปัจจัยบวกโค้ง"));
        QCOMPARE(form.cell(0, 2), QStringLiteral("ดวงกำเนิด"));
        const QString withArc = form.rowLine(1) + form.label("Label1");
        form.findChild<QRadioButton*>("RadioGroup1Item2")->click();
        QCOMPARE(form.ArcKind, 3);
        QCOMPARE(form.label("Label3"), QStringLiteral("โค้งสุริยยาตร์ = ") + QString::fromStdString(s.FArcText[2]));
        QVERIFY(form.rowLine(1) + form.label("Label1") != withArc);

        form.tabs()->setCurrentIndex(3);
        QCOMPARE(form.cell(0, 0), QStringLiteral("ดวงจร"));
        const QString transitToNatal = form.rowLine(1) + form.label("Label1");
        form.findChild<QRadioButton*>("RadioGroup1Item1")->click();
        QCOMPARE(form.label("Label3"), QStringLiteral("โค้งสุริยยาตร์ = ") + QString::fromStdString(s.FArcText[1]));
        QCOMPARE(form.rowLine(1) + form.label("Label1"), transitToNatal);
        for (int row = 1; row < GridRows(*form.grid()); ++row)
            QVERIFY(form.cell(row, 0) != QString::fromUtf8(nemra::FactorNamesThai[nemra::kAries].data())); // from MC
    }

    void baseAndOrbRebuildTheList()
    {
        nemra::MainSession s = ReportSession();
        ScriptedBriefAspect form(s, s);
        form.combo("ComboBox1")->setCurrentIndex(4);
        QCOMPARE(form.AspectBase, 22.5);
        form.combo("ComboBox2")->setCurrentIndex(0);
        form.combo("ComboBox3")->setCurrentIndex(30);
        QCOMPARE(form.AspectOrb, 0.5);
        for (int row = 1; row < GridRows(*form.grid()); ++row)
            QVERIFY(std::abs(form.cell(row, 3).toDouble()) <= 0.30);
        form.combo("ComboBox3")->setCurrentIndex(0); // orb 0: nothing exact
        QCOMPARE(form.label("Label1"), QStringLiteral("การทำมุม 0 รายการ"));
        QCOMPARE(GridRows(*form.grid()), 2);
        QCOMPARE(form.rowLine(1), QStringLiteral(",,,"));
    }

    void savesWhatTheGridShowsAndReportsTheOutcome()
    {
        nemra::MainSession s = ReportSession();
        ScriptedBriefAspect form(s, s);
        QTemporaryDir dir;
        auto* save = form.findChild<QPushButton*>("SaveV1NatalBtn");

        save->click(); // cancelled: nothing written, nothing said
        QVERIFY(form.messages.isEmpty());
        QCOMPARE(form.asked.mid(0, 3), (QStringList{QStringLiteral("บันทึกการทำมุมลงไฟล์"),
                                                    QStringLiteral("Text File (*.txt);;All File (*.*)"), "txt"}));

        form.fileName = dir.filePath("aspects.txt");
        save->click();
        QCOMPARE(form.messages.size(), 1);
        QCOMPARE(form.messages[0].first, QMessageBox::Information);
        QCOMPARE(form.messages[0].second, QStringLiteral("บันทึกไฟล์เรียบร้อยแล้ว!"));
        QStringList lines = Cp874TextLines(form.fileName);
        const int rows = GridRows(*form.grid());
        QCOMPARE(lines.size(), rows + 2);
        QCOMPARE(lines[0], QStringLiteral("ทดสอบ,05/12/2540,9.30,7.00H,13.45N,100.30E"));
        QCOMPARE(lines[1], QStringLiteral("ปัจจัยเดี่ยวทำมุมภายในดวงกำเนิด"));
        for (int row = 0; row < rows; ++row)
            QCOMPARE(lines[row + 2], form.rowLine(row));

        form.combo("ComboBox2")->setCurrentIndex(0); // no aspect: headings and header row only
        save->click();
        lines = Cp874TextLines(form.fileName);
        QCOMPARE(lines.size(), rows + 2 + 3);
        QCOMPARE(lines.last(), QStringLiteral("ดวงกำเนิด,การทำมุม,ดวงกำเนิด,ระยะวังกะ"));

        form.fileName = dir.path(); // a folder: refused with the reason, never "saved"
        save->click();
        QCOMPARE(form.messages.size(), 3);
        QCOMPARE(form.messages.last().first, QMessageBox::Critical);
        QVERIFY(form.messages.last().second.contains(dir.path()));
        QVERIFY(!form.messages.last().second.contains(QStringLiteral("เรียบร้อย")));
    }
};

QTEST_MAIN(UBriefAspectTest)
#include "UBriefAspectTest.moc"
