#include "Usenp1.h"

#include "DialTestSupport.h"

#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

using namespace dialtest;

namespace {

QRadioButton* Button(const QDialog& d, int number)
{
    return Child<QRadioButton>(d, QStringLiteral("RadioButton%1").arg(number).toLatin1().constData());
}

// Enabled flags of the eight source buttons 7..14.
QString EnabledSources(const QDialog& d)
{
    QString flags;
    for (int v = 7; v <= 14; ++v)
        flags += Button(d, v)->isEnabled() ? '1' : '0';
    return flags;
}

bool FactorListsEnabled(const QDialog& d)
{
    return Child<QComboBox>(d, "ComboBox1")->isEnabled() && Child<QComboBox>(d, "ComboBox2")->isEnabled()
           && Child<QComboBox>(d, "ComboBox3")->isEnabled();
}

} // namespace

class Usenp1Test : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheChartsThatExist()
    {
        nemra::MainSession natalOnly = SessionWith(true, false);
        natalOnly.FSensSource = nemra::kSensV2;
        TFSenP1 a(natalOnly);
        QCOMPARE(EnabledSources(a), QStringLiteral("10000000"));
        QVERIFY(Button(a, 7)->isChecked());
        QCOMPARE(natalOnly.FSensSource, nemra::kSensNatal);

        nemra::MainSession transitOnly = SessionWith(false, true);
        TFSenP1 b(transitOnly);
        QCOMPARE(EnabledSources(b), QStringLiteral("01000000"));
        QVERIFY(Button(b, 8)->isChecked());
        QCOMPARE(transitOnly.FSensSource, nemra::kSensTransit);

        nemra::MainSession both = SessionWith(true, true);
        both.FSensKind = 6;
        both.FSensSource = nemra::kSensV1Double;
        both.FSensFactorC = nemra::kMars;
        TFSenP1 c(both);
        QCOMPARE(EnabledSources(c), QStringLiteral("11111111"));
        QVERIFY(Button(c, 11)->isChecked());
        QVERIFY(Button(c, 6)->isChecked());
        QVERIFY(!Child<QComboBox>(c, "ComboBox1")->isEnabled());
        QCOMPARE(Child<QComboBox>(c, "ComboBox3")->currentIndex(), int(nemra::kMars));
        QCOMPARE(Button(c, 5)->text(), QStringLiteral("AR+MC-(MC/SU)"));
        QCOMPARE(c.windowTitle(), QStringLiteral("จุดอิทธิพล"));
    }

    void formulaAndSourceClicksAreStoredAtOnceAndSurviveCancel()
    {
        nemra::MainSession s = SessionWithIndex(true, true);
        const nemra::MainSession before = s;
        const bool changed =
            nemra::ui::ChooseSensitiveIndex(nullptr, s, Scripted<TFSenP1>("CancelBtn", [&s](TFSenP1& d) {
                                                Button(d, 5)->click();
                                                QCOMPARE(s.FSensKind, 5);
                                                QVERIFY(!FactorListsEnabled(d));
                                                Button(d, 4)->click();
                                                QVERIFY(FactorListsEnabled(d));
                                                Button(d, 13)->click();
                                                Child<QComboBox>(d, "ComboBox2")->setCurrentIndex(9);
                                            }));
        QVERIFY(!changed);
        QCOMPARE(s.FSensKind, 4);
        QCOMPARE(s.FSensSource, nemra::kSensV2Half);
        QCOMPARE(s.FSensFactorB, 0);
        QVERIFY(!s.FIndexAccepted);
        ExpectIndexUnchanged(before, s);
    }

    void okSetsTheIndexAndRemembersTheFactors()
    {
        nemra::MainSession s = SessionWith(true, true);
        s.IndexFactorCode = "SU";
        const bool changed = nemra::ui::ChooseSensitiveIndex(nullptr, s, Scripted<TFSenP1>("OKBtn", [](TFSenP1& d) {
                                                                 Button(d, 3)->click();
                                                                 Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
                                                                 Child<QComboBox>(d, "ComboBox2")->setCurrentIndex(4);
                                                                 Child<QComboBox>(d, "ComboBox3")->setCurrentIndex(8);
                                                                 Button(d, 8)->click();
                                                             }));
        QVERIFY(changed);
        QCOMPARE(s.FIndexMode, int(nemra::kIndexDiffMinus));
        QCOMPARE(QString::fromStdString(s.FDialTitle), QStringLiteral("อท-จท-อง จร"));
        QCOMPARE(s.IndexLayer, int(nemra::kLayerTransit));
        QVERIFY(s.IndexFactorCode.empty());
        QCOMPARE(s.FSensFactorA, 3);
        QCOMPARE(s.FSensFactorB, 4);
        QCOMPARE(s.FSensFactorC, 8);
        QCOMPARE(*nemra::RecomputeIndexPoint(s), s.FDialRotation);
    }

    void enterConfirmsAndEscapeCancels()
    {
        nemra::MainSession s = SessionWith(true, false);
        {
            TFSenP1 d(s);
            QCOMPARE(d.focusWidget(), Child<QWidget>(d, "OKBtn"));
            QCOMPARE(PressKey(d, "ComboBox3", Qt::Key_Enter), int(QDialog::Accepted));
        }
        {
            TFSenP1 d(s);
            QCOMPARE(PressKey(d, "RadioButton2", Qt::Key_Escape), int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(Usenp1Test)
#include "Usenp1Test.moc"
