#include "Uuserp1.h"

#include "DialTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using namespace dialtest;

class Uuserp1Test : public QObject {
    Q_OBJECT
  private slots:
    void opensWithItsInitialValues()
    {
        TFUserP1 d;
        QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QStringLiteral("User's Point"));
        const auto* signs = Child<QComboBox>(d, "ComboBox1");
        QCOMPARE(signs->currentIndex(), 0);
        QCOMPARE(signs->count(), 12);
        QCOMPARE(signs->itemText(2), QStringLiteral("เมถุน"));
        QCOMPARE(Child<QSpinBox>(d, "SpinEdit1")->maximum(), 29);
        QCOMPARE(Child<QSpinBox>(d, "SpinEdit2")->maximum(), 59);
        QCOMPARE(d.focusWidget(), Child<QWidget>(d, "OKBtn"));
        QCOMPARE(d.windowTitle(), QStringLiteral("จุดกำหนดเอง"));
    }

    void okSetsTheUserPoint()
    {
        nemra::MainSession s = SessionWith(true, true);
        QVERIFY(nemra::ui::ChooseUserIndex(nullptr, s, Scripted<TFUserP1>("OKBtn", [](TFUserP1& d) {
                                               Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
                                           })));
        QCOMPARE(s.FDialRotation, 90.0);
        QCOMPARE(QString::fromStdString(s.FDialTitle), QStringLiteral("User's Point"));
        QCOMPARE(s.FIndexMode, 0);
        QCOMPARE(s.FIndexDial, -1);
        QVERIFY(s.FIndexAccepted);
        QVERIFY(!s.FDialSubTitle.empty());

        QVERIFY(nemra::ui::ChooseUserIndex(nullptr, s, Scripted<TFUserP1>("OKBtn", [](TFUserP1& d) {
                                               Child<QLineEdit>(d, "Edit1")->clear();
                                               Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(11);
                                               Child<QSpinBox>(d, "SpinEdit1")->setValue(29);
                                               Child<QSpinBox>(d, "SpinEdit2")->setValue(59);
                                           })));
        QCOMPARE(s.FDialRotation, 359.0 + 59.0 / 60.0);
        QVERIFY(s.FDialTitle.empty());
    }

    void cancelLeavesTheIndexAlone()
    {
        nemra::MainSession s = SessionWithIndex(false, true);
        const nemra::MainSession before = s;
        QVERIFY(!nemra::ui::ChooseUserIndex(nullptr, s, Scripted<TFUserP1>("CancelBtn")));
        QVERIFY(!s.FIndexAccepted);
        ExpectIndexUnchanged(before, s); // the kind too: a transit factor keeps following its chart
    }

    void theNameTakesOnlyThaiCodePageCharacters()
    {
        TFUserP1 d;
        d.show();
        auto* edit = Child<QLineEdit>(d, "Edit1");
        edit->clear();
        for (const QChar ch : QStringLiteral("จุดA中"))
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_A, QString(ch), Qt::NoModifier);
        QCOMPARE(edit->text(), QStringLiteral("จุดA"));
        QCOMPARE(d.Choice().name, std::string("จุดA"));
    }

    void enterConfirmsAndEscapeCancels()
    {
        for (const char* control : {"Edit1", "ComboBox1", "SpinEdit1", "SpinEdit2"}) {
            TFUserP1 d;
            QVERIFY2(PressKey(d, control, Qt::Key_Return) == QDialog::Accepted, control);
        }
        TFUserP1 d;
        QCOMPARE(PressKey(d, "SpinEdit2", Qt::Key_Escape), int(QDialog::Rejected));
    }
};

QTEST_MAIN(Uuserp1Test)
#include "Uuserp1Test.moc"
