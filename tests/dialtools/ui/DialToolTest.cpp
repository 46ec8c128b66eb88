// The dial tool and the midpoint finder in the main window: their actions, turning the
// pointer (a user point, as a drag makes), the typed position and the finder's list.
#include "dialtools/ui/DialTool.h"
#include "../../mainwin/ui/ScriptedMainForm.h"
#include "tests/support/Screenshot.h"

#include "core/WinDeg.h"
#include "mainwin/model/DialInteraction.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <cmath>

class DialToolTest : public QObject {
    Q_OBJECT
  private slots:
    void actionsAreEnabledWithAChartAndKeepTheirKeys()
    {
        ScriptedMainForm form(FixedNow);
        struct Entry {
            const char* name;
            const char* keys;
        };
        for (const Entry& e : {Entry{"DiscTool", "Ctrl+D"}, Entry{"MidPointTool", "Ctrl+M"}}) {
            QVERIFY(form.item(e.name)->isEnabled());
            QCOMPARE(form.item(e.name)->shortcut(), QKeySequence(e.keys));
        }
        for (const char* name : {"MnShowTool", "Pop1DiskTool", "MnMidPointTool", "Pop1MidpointTool"})
            QVERIFY2(form.item(name)->isEnabled(), name);
        QVERIFY(form.item("MidPointTool")->isCheckable());
    }

    void turningMakesAUserPoint()
    {
        ScriptedMainForm form(FixedNow);
        form.show();
        form.item("Pop1DiskTool")->trigger();
        TDialTool* tool = form.dialTool();
        QVERIFY(tool && tool->isVisible());
        auto& s = form.session();
        auto* edit = tool->findChild<QLineEdit*>("PointerEdit");
        QCOMPARE(edit->text(), QString::fromStdString(nemra::WinDeg::PositionText(s.FDialRotation)));

        edit->setText("4,15,30");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(s.FDialRotation, 135.5);
        QCOMPARE(QString::fromStdString(s.FDialTitle), QString::fromUtf8(nemra::kUserPointTitle));
        QCOMPARE(s.FIndexMode, 0);
        QCOMPARE(s.IndexLayer, 0);

        struct Step {
            const char* button;
            double expected;
        };
        // Each step from the one before: 135.5 + 1 degree, - 10', + 1', then keys.
        for (const Step& step :
             {Step{"Turn1Deg", 136.5}, Step{"TurnBack10Min", 136.5 - 10.0 / 60}, Step{"Turn1Min", 136.5 - 9.0 / 60}}) {
            tool->findChild<QPushButton*>(step.button)->click();
            QVERIFY2(std::fabs(s.FDialRotation - step.expected) < 1e-9, step.button);
        }
        QTest::keyClick(tool, Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(std::fabs(s.FDialRotation - (136.5 + 1.0 / 60)) < 1e-9);
        QTest::keyClick(tool, Qt::Key_Down);
        QVERIFY(std::fabs(s.FDialRotation - (135.5 + 1.0 / 60)) < 1e-9);
        QCOMPARE(QString::fromStdString(s.FDialSubTitle), QStringLiteral("15สห31"));

        // A malformed position is refused with a message and turns nothing.
        edit->setText("13,0,0");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(tool->findChild<QLabel*>("PointerError")->text(), QStringLiteral("ราศีต้องอยู่ระหว่าง 0 ถึง 11"));
        QVERIFY(std::fabs(s.FDialRotation - (135.5 + 1.0 / 60)) < 1e-9);

        // Go to: the first factor of the shown rings (the natal MC).
        auto* goTo = tool->findChild<QComboBox*>("GoToList");
        QVERIFY(goTo->count() > 0);
        goTo->setCurrentIndex(0);
        tool->findChild<QPushButton*>("GoToButton")->click();
        QCOMPARE(s.FDialRotation, s.FNatal.Factors[nemra::kMeridian].Lon);

        // The other arms: one on the 360 dial, three on the 90 dial.
        const auto* arms = tool->findChild<QLabel*>("Equivalents");
        QCOMPARE(arms->text().split("   ").size(), 1);
        form.SetDialType(90);
        QCOMPARE(arms->text().split("   ").size(), 3);

        const double before = s.FDialRotation;
        tool->close();
        QCOMPARE(s.FDialRotation, before);
    }

    void finderDrawsAndListsThePairs()
    {
        ScriptedMainForm form(FixedNow);
        form.show();
        auto& s = form.session();
        form.DrawChart();
        const QImage off = form.findChild<QWidget*>("ChartArea")->grab().toImage();
        form.item("MnMidPointTool")->trigger();
        QVERIFY(s.FMidFinderOn);
        QVERIFY(form.item("MidPointTool")->isChecked() && form.item("Pop1MidpointTool")->isChecked());
        TDialTool* tool = form.dialTool();
        QVERIFY(tool && tool->isVisible());
        tool->findChild<QDoubleSpinBox*>("OrbBox")->setValue(2.0);
        QCOMPARE(s.FMidFinderOrb, 2.0);
        auto* list = tool->findChild<QListWidget*>("PairList");
        QVERIFY(!form.finderPairs().empty());
        QCOMPARE(list->count(), static_cast<int>(form.finderPairs().size()));
        QVERIFY(form.findChild<QWidget*>("ChartArea")->grab().toImage() != off);

        // The list follows the pointer.
        const auto firstBefore = list->item(0)->text();
        tool->findChild<QPushButton*>("Turn1Deg")->click();
        tool->findChild<QPushButton*>("Turn1Deg")->click();
        tool->findChild<QPushButton*>("Turn1Deg")->click();
        QCOMPARE(list->count(), static_cast<int>(form.finderPairs().size()));
        QVERIFY(list->count() == 0 || list->item(0)->text() != firstBefore);
        SaveScreenshot(*tool, "dial-tool");
        SaveScreenshot(form, "midpoint-finder");

        form.item("MidPointTool")->trigger();
        QVERIFY(!s.FMidFinderOn && form.finderPairs().empty());
        QVERIFY(!form.item("MnMidPointTool")->isChecked());
    }
};

QTEST_MAIN(DialToolTest)
#include "DialToolTest.moc"
