#include "Umidp1.h"

#include "DialTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

using namespace dialtest;

namespace {

QRadioButton* Source(const QDialog& d, int value)
{
    return Child<QRadioButton>(d, QStringLiteral("RadioButton%1").arg(value).toLatin1().constData());
}

// Enabled flags of the nine source buttons 3..11.
QString EnabledSources(const QDialog& d)
{
    QString flags;
    for (int v = 3; v <= 11; ++v)
        flags += Source(d, v)->isEnabled() ? '1' : '0';
    return flags;
}

} // namespace

class Umidp1Test : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheChartsThatExist()
    {
        nemra::MainSession natalOnly = SessionWith(true, false);
        natalOnly.FMidSource = nemra::kMidV1;
        TFMidP1 a(natalOnly);
        QCOMPARE(EnabledSources(a), QStringLiteral("100000000"));
        QVERIFY(Source(a, 3)->isChecked());
        QCOMPARE(natalOnly.FMidSource, nemra::kMidNatal);

        nemra::MainSession transitOnly = SessionWith(false, true);
        TFMidP1 b(transitOnly);
        QCOMPARE(EnabledSources(b), QStringLiteral("010000000"));
        QVERIFY(Source(b, 4)->isChecked());
        QCOMPARE(transitOnly.FMidSource, nemra::kMidTransit);

        nemra::MainSession both = SessionWith(true, true);
        both.FMidSource = nemra::kMidV2Half;
        both.FMidFactorA = nemra::kMars;
        both.FMidFactorB = nemra::kPoseidon;
        both.FMidReflect = true;
        TFMidP1 c(both);
        QCOMPARE(EnabledSources(c), QStringLiteral("110111111"));
        QVERIFY(Source(c, 10)->isChecked());
        QVERIFY(Child<QRadioButton>(c, "RadioButton1")->isChecked());
        QVERIFY(!Child<QComboBox>(c, "ComboBox2")->isEnabled());
        QCOMPARE(Child<QComboBox>(c, "ComboBox1")->currentIndex(), int(nemra::kMars));
        QCOMPARE(Child<QComboBox>(c, "ComboBox2")->currentIndex(), int(nemra::kPoseidon));
        QCOMPARE(Child<QComboBox>(c, "ComboBox1")->count(), 22);
        QCOMPARE(Child<QComboBox>(c, "ComboBox1")->itemText(0), QStringLiteral("จุดเมษ"));
        QCOMPARE(Child<QComboBox>(c, "ComboBox1")->itemText(21), QStringLiteral("โพไซดอน"));
        QVERIFY(Child<QCheckBox>(c, "CheckBox1")->isChecked());
        QCOMPARE(c.windowTitle(), QStringLiteral("เลือกปัจจัย/ศูนย์รังสี"));
    }

    void theKindButtonsGovernTheSecondFactorAndTheMixture()
    {
        nemra::MainSession s = SessionWith(true, true);
        s.FMidUsePair = true;
        s.FMidSource = nemra::kMidNatalTransit;
        TFMidP1 d(s);
        QVERIFY(Child<QRadioButton>(d, "RadioButton2")->isChecked());
        QVERIFY(Child<QComboBox>(d, "ComboBox2")->isEnabled());
        QVERIFY(Source(d, 5)->isEnabled() && Source(d, 5)->isChecked());

        Child<QRadioButton>(d, "RadioButton1")->click();
        QVERIFY(!Child<QComboBox>(d, "ComboBox2")->isEnabled());
        QVERIFY(!Source(d, 5)->isEnabled());
        QVERIFY(Source(d, 3)->isChecked());
        QCOMPARE(s.FMidSource, nemra::kMidNatal);

        Child<QRadioButton>(d, "RadioButton2")->click();
        QVERIFY(Source(d, 5)->isEnabled());
    }

    void aRememberedMixtureGivesWayToTheNatalChartForASingleFactor()
    {
        nemra::MainSession s = SessionWith(true, true);
        s.FMidSource = nemra::kMidNatalTransit; // clicked in a cancelled midpoint choice
        s.FMidUsePair = false;
        TFMidP1 d(s);
        QVERIFY(!Source(d, 5)->isEnabled());
        QVERIFY(Source(d, 3)->isChecked());
        QCOMPARE(s.FMidSource, nemra::kMidNatal);
    }

    void aSourceClickSurvivesCancel()
    {
        nemra::MainSession s = SessionWithIndex(true, true);
        const nemra::MainSession before = s;
        s.FIndexAccepted = true;
        const bool changed = nemra::ui::ChooseMidpointIndex(nullptr, s, Scripted<TFMidP1>("BitBtn2", [](TFMidP1& d) {
                                                                Source(d, 7)->click();
                                                                Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(8);
                                                                Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
                                                            }));
        QVERIFY(!changed);
        QCOMPARE(s.FMidSource, nemra::kMidV1Half);
        QCOMPARE(s.FMidFactorA, 0);
        QVERIFY(!s.FMidReflect);
        QVERIFY(!s.FIndexAccepted);
        ExpectIndexUnchanged(before, s);
    }

    void okSetsTheIndexAndRemembersTheChoice()
    {
        nemra::MainSession s = SessionWith(true, true);
        const bool changed = nemra::ui::ChooseMidpointIndex(nullptr, s, Scripted<TFMidP1>("BitBtn1", [](TFMidP1& d) {
                                                                Child<QRadioButton>(d, "RadioButton2")->click();
                                                                Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
                                                                Child<QComboBox>(d, "ComboBox2")->setCurrentIndex(4);
                                                                Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
                                                                Source(d, 9)->click();
                                                            }));
        QVERIFY(changed);
        QVERIFY(s.FIndexAccepted);
        QCOMPARE(s.FIndexMode, int(nemra::kIndexMidpointReflection));
        QCOMPARE(s.IndexLayer, int(nemra::kLayerV2));
        QCOMPARE(s.IndexFactorCode, std::string("SUMO"));
        QCOMPARE(QString::fromStdString(s.FDialTitle), QStringLiteral("-อท/จท V2"));
        QVERIFY(s.FMidUsePair && s.FMidReflect);
        QCOMPARE(s.FMidFactorA, 3);
        QCOMPARE(s.FMidFactorB, 4);
        QCOMPARE(s.FMidSource, nemra::kMidV2);
        QCOMPARE(*nemra::RecomputeIndexPoint(s), s.FDialRotation);

        // The next opening shows the remembered choice.
        TFMidP1 again(s);
        QVERIFY(Child<QRadioButton>(again, "RadioButton2")->isChecked());
        QVERIFY(Source(again, 9)->isChecked());
        QCOMPARE(Child<QComboBox>(again, "ComboBox2")->currentIndex(), 4);
    }

    void enterConfirmsAndEscapeCancels()
    {
        nemra::MainSession s = SessionWith(true, true);
        {
            TFMidP1 d(s);
            QCOMPARE(d.focusWidget(), Child<QWidget>(d, "BitBtn1"));
            QCOMPARE(PressKey(d, "ComboBox1", Qt::Key_Return), int(QDialog::Accepted));
        }
        {
            TFMidP1 d(s);
            QCOMPARE(PressKey(d, "BitBtn2", Qt::Key_Return), int(QDialog::Accepted)); // Enter is always OK
        }
        {
            TFMidP1 d(s);
            QCOMPARE(PressKey(d, "CheckBox1", Qt::Key_Escape), int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(Umidp1Test)
#include "Umidp1Test.moc"
