// The settings dialogs of the calculation dials, worked as a user would: opening rules by
// the charts that exist, clicks stored at once, OK and Cancel, Enter and Escape.
#include "dials/ui/Umidp1.h"
#include "dials/ui/Uselhous.h"
#include "dials/ui/Usenp1.h"
#include "dials/ui/Uuserp1.h"
#include "mainwin/model/Session.h"

#include "tests/support/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <functional>

namespace {

// A session whose natal and/or transit chart counts as computed, with distinct longitudes.
nemra::MainSession SessionWith(bool natal, bool transit)
{
    nemra::MainSession s;
    s.FNatal.Computed = natal;
    s.FTransit.Computed = transit;
    for (std::size_t i = 0; i < nemra::kFactorCount; ++i) {
        s.FNatal.Factors[i].Lon = 13.0 * static_cast<double>(i) + 1.0;
        s.FTransit.Factors[i].Lon = 7.0 * static_cast<double>(i) + 2.0;
    }
    s.FArc = 30.0;
    s.FHalfArc = 15.0;
    s.FDoubleArc = 60.0;
    return s;
}

// A session with an index already set, to see that a cancelled dialog leaves it alone.
nemra::MainSession SessionWithIndex(bool natal, bool transit)
{
    nemra::MainSession s = SessionWith(natal, transit);
    nemra::SetMidpointIndex(s, {natal ? nemra::kMidNatal : nemra::kMidTransit, nemra::kSun, 0, false, false});
    return s;
}

using nemra::test::Child;

// Clicks a button of the dialog and returns the dialog's result.
int Click(QDialog& dialog, const char* button)
{
    Child<QPushButton>(dialog, button)->click();
    return dialog.result();
}

// A dialog run that first lets the test work the dialog, then presses `button`.
template <class D> nemra::ui::RunDialogFn Scripted(const char* button, std::function<void(D&)> work = {})
{
    return [button, work](QDialog& dialog) {
        if (work)
            work(static_cast<D&>(dialog));
        return Click(dialog, button);
    };
}

// Shows the dialog, sends `key` to the named control and returns the dialog's result.
int PressKey(QDialog& dialog, const char* control, Qt::Key key)
{
    dialog.show();
    QWidget* target = Child<QWidget>(dialog, control);
    QTest::keyClick(target, key);
    return dialog.result();
}

void ExpectIndexUnchanged(const nemra::MainSession& before, const nemra::MainSession& after)
{
    QCOMPARE(after.FDialRotation, before.FDialRotation);
    QCOMPARE(after.FDialTitle, before.FDialTitle);
    QCOMPARE(after.FDialSubTitle, before.FDialSubTitle);
    QCOMPARE(after.FIndexMode, before.FIndexMode);
    QCOMPARE(after.FIndexDial, before.FIndexDial);
    QCOMPARE(after.IndexName, before.IndexName);
    QCOMPARE(after.IndexLayer, before.IndexLayer);
}

QRadioButton* Button(const QDialog& d, int number)
{
    return Child<QRadioButton>(d, QStringLiteral("RadioButton%1").arg(number).toLatin1().constData());
}

// Enabled flags of the source buttons first..last.
QString EnabledSources(const QDialog& d, int first, int last)
{
    QString flags;
    for (int v = first; v <= last; ++v)
        flags += Button(d, v)->isEnabled() ? '1' : '0';
    return flags;
}

bool FactorListsEnabled(const QDialog& d)
{
    return Child<QComboBox>(d, "ComboBox1")->isEnabled() && Child<QComboBox>(d, "ComboBox3")->isEnabled();
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void midpointOpensWithTheChartsThatExist()
    {
        nemra::MainSession natalOnly = SessionWith(true, false);
        natalOnly.FMidSource = nemra::kMidV1;
        TFMidP1 a(natalOnly);
        QCOMPARE(EnabledSources(a, 3, 11), QStringLiteral("100000000"));
        QCOMPARE(natalOnly.FMidSource, nemra::kMidNatal);

        nemra::MainSession transitOnly = SessionWith(false, true);
        TFMidP1 b(transitOnly);
        QCOMPARE(EnabledSources(b, 3, 11), QStringLiteral("010000000"));
        QVERIFY(Button(b, 4)->isChecked());
        QCOMPARE(transitOnly.FMidSource, nemra::kMidTransit);

        nemra::MainSession both = SessionWith(true, true);
        both.FMidSource = nemra::kMidV2Half;
        both.FMidFactorB = nemra::kPoseidon;
        both.FMidReflect = true;
        TFMidP1 c(both);
        QCOMPARE(EnabledSources(c, 3, 11), QStringLiteral("110111111"));
        QVERIFY(Button(c, 10)->isChecked() && Button(c, 1)->isChecked());
        QVERIFY(!Child<QComboBox>(c, "ComboBox2")->isEnabled());
        QCOMPARE(Child<QComboBox>(c, "ComboBox2")->currentIndex(), int(nemra::kPoseidon));
        QVERIFY(Child<QCheckBox>(c, "CheckBox1")->isChecked());
    }

    void midpointTheKindButtonsGovernTheSecondFactorAndTheMixture()
    {
        nemra::MainSession s = SessionWith(true, true);
        s.FMidUsePair = true;
        s.FMidSource = nemra::kMidNatalTransit;
        TFMidP1 d(s);
        QVERIFY(Child<QComboBox>(d, "ComboBox2")->isEnabled());
        QVERIFY(Button(d, 5)->isEnabled() && Button(d, 5)->isChecked());
        Button(d, 1)->click();
        QVERIFY(!Child<QComboBox>(d, "ComboBox2")->isEnabled());
        QVERIFY(!Button(d, 5)->isEnabled() && Button(d, 3)->isChecked());
        QCOMPARE(s.FMidSource, nemra::kMidNatal);
        Button(d, 2)->click();
        QVERIFY(Button(d, 5)->isEnabled());

        // A mixture clicked in a cancelled midpoint choice gives way to the natal chart
        // when the dialog opens for a single factor.
        s.FMidSource = nemra::kMidNatalTransit;
        s.FMidUsePair = false;
        TFMidP1 single(s);
        QVERIFY(!Button(single, 5)->isEnabled() && Button(single, 3)->isChecked());
        QCOMPARE(s.FMidSource, nemra::kMidNatal);
    }

    void midpointASourceClickSurvivesCancel()
    {
        nemra::MainSession s = SessionWithIndex(true, true);
        const nemra::MainSession before = s;
        QVERIFY(!nemra::ui::ChooseMidpointIndex(nullptr, s, Scripted<TFMidP1>("BitBtn2", [](TFMidP1& d) {
                                                    Button(d, 7)->click();
                                                    Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
                                                })));
        QCOMPARE(s.FMidSource, nemra::kMidV1Half);
        QVERIFY(!s.FMidReflect && !s.FIndexAccepted);
        ExpectIndexUnchanged(before, s);
    }

    void midpointOkSetsTheIndexAndRemembersTheChoice()
    {
        nemra::MainSession s = SessionWith(true, true);
        QVERIFY(nemra::ui::ChooseMidpointIndex(nullptr, s, Scripted<TFMidP1>("BitBtn1", [](TFMidP1& d) {
                                                   Button(d, 2)->click();
                                                   Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
                                                   Child<QComboBox>(d, "ComboBox2")->setCurrentIndex(4);
                                                   Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
                                                   Button(d, 9)->click();
                                               })));
        QVERIFY(s.FIndexAccepted);
        QCOMPARE(s.FIndexMode, int(nemra::kIndexMidpointReflection));
        QCOMPARE(QString::fromStdString(s.FDialTitle), QStringLiteral("-อท/จท V2"));
        QVERIFY(s.FMidUsePair && s.FMidReflect);
        QCOMPARE(s.FMidFactorB, 4);
        QCOMPARE(s.FMidSource, nemra::kMidV2);
    }

    void midpointEnterConfirmsAndEscapeCancels()
    {
        nemra::MainSession s = SessionWith(true, true);
        TFMidP1 a(s);
        QCOMPARE(a.focusWidget(), Child<QWidget>(a, "BitBtn1"));
        QCOMPARE(PressKey(a, "ComboBox1", Qt::Key_Return), int(QDialog::Accepted));
        TFMidP1 b(s);
        QCOMPARE(PressKey(b, "BitBtn2", Qt::Key_Return), int(QDialog::Accepted)); // Enter is always OK
        TFMidP1 c(s);
        QCOMPARE(PressKey(c, "CheckBox1", Qt::Key_Escape), int(QDialog::Rejected));
    }

    void sensitiveOpensWithTheChartsThatExist()
    {
        nemra::MainSession natalOnly = SessionWith(true, false);
        natalOnly.FSensSource = nemra::kSensV2;
        TFSenP1 a(natalOnly);
        QCOMPARE(EnabledSources(a, 7, 14), QStringLiteral("10000000"));
        QCOMPARE(natalOnly.FSensSource, nemra::kSensNatal);

        nemra::MainSession transitOnly = SessionWith(false, true);
        TFSenP1 b(transitOnly);
        QCOMPARE(EnabledSources(b, 7, 14), QStringLiteral("01000000"));
        QCOMPARE(transitOnly.FSensSource, nemra::kSensTransit);

        nemra::MainSession both = SessionWith(true, true);
        both.FSensKind = 6;
        both.FSensSource = nemra::kSensV1Double;
        TFSenP1 c(both);
        QCOMPARE(EnabledSources(c, 7, 14), QStringLiteral("11111111"));
        QVERIFY(Button(c, 11)->isChecked() && Button(c, 6)->isChecked());
        QVERIFY(!FactorListsEnabled(c));
    }

    void sensitiveFormulaAndSourceClicksAreStoredAtOnceAndSurviveCancel()
    {
        nemra::MainSession s = SessionWithIndex(true, true);
        const nemra::MainSession before = s;
        QVERIFY(!nemra::ui::ChooseSensitiveIndex(nullptr, s, Scripted<TFSenP1>("CancelBtn", [&s](TFSenP1& d) {
                                                     Button(d, 5)->click();
                                                     QCOMPARE(s.FSensKind, 5);
                                                     QVERIFY(!FactorListsEnabled(d));
                                                     Button(d, 4)->click();
                                                     QVERIFY(FactorListsEnabled(d));
                                                     Button(d, 13)->click();
                                                     Child<QComboBox>(d, "ComboBox2")->setCurrentIndex(9);
                                                 })));
        QCOMPARE(s.FSensKind, 4);
        QCOMPARE(s.FSensSource, nemra::kSensV2Half);
        QCOMPARE(s.FSensFactorB, 0);
        QVERIFY(!s.FIndexAccepted);
        ExpectIndexUnchanged(before, s);
    }

    void sensitiveOkSetsTheIndexAndRemembersTheFactors()
    {
        nemra::MainSession s = SessionWith(true, true);
        QVERIFY(nemra::ui::ChooseSensitiveIndex(nullptr, s, Scripted<TFSenP1>("OKBtn", [](TFSenP1& d) {
                                                    Button(d, 3)->click();
                                                    Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
                                                    Child<QComboBox>(d, "ComboBox2")->setCurrentIndex(4);
                                                    Child<QComboBox>(d, "ComboBox3")->setCurrentIndex(8);
                                                    Button(d, 8)->click();
                                                })));
        QCOMPARE(s.FIndexMode, int(nemra::kIndexDiffMinus));
        QCOMPARE(QString::fromStdString(s.FDialTitle), QStringLiteral("อท-จท-อง จร"));
        QCOMPARE(s.FSensFactorC, 8);
    }

    void sensitiveEnterConfirmsAndEscapeCancels()
    {
        nemra::MainSession s = SessionWith(true, false);
        TFSenP1 a(s);
        QCOMPARE(a.focusWidget(), Child<QWidget>(a, "OKBtn"));
        QCOMPARE(PressKey(a, "ComboBox3", Qt::Key_Enter), int(QDialog::Accepted));
        TFSenP1 b(s);
        QCOMPARE(PressKey(b, "RadioButton2", Qt::Key_Escape), int(QDialog::Rejected));
    }

    void houseOpensWithTheChartsThatExist()
    {
        const struct {
            bool natal, transit, natalEnabled, transitEnabled, natalChecked;
        } cases[] = {
            {false, true, false, true, false},
            {true, false, true, false, true},
            {true, true, true, true, true},
        };
        for (const auto& c : cases) {
            TFSelHous d(c.natal, c.transit);
            const auto* natal = Child<QRadioButton>(d, "RadioButton1");
            const auto* transit = Child<QRadioButton>(d, "RadioButton2");
            QCOMPARE(natal->isEnabled(), c.natalEnabled);
            QCOMPARE(transit->isEnabled(), c.transitEnabled);
            QCOMPARE(natal->isChecked(), c.natalChecked);
            QCOMPARE(transit->isChecked(), !c.natalChecked);
            const auto* list = Child<QListWidget>(d, "ListBox1");
            QCOMPARE(list->currentRow(), 0);
            QCOMPARE(list->count(), 21);
        }
    }

    void houseOkSetsTheHouseIndex()
    {
        nemra::MainSession s = SessionWith(true, true);
        s.FDialSubTitle = "01มษ00";
        QVERIFY(nemra::ui::ChooseHouseIndex(nullptr, s, Scripted<TFSelHous>("OKBtn")));
        QCOMPARE(s.FIndexDial, 1);
        QCOMPARE(s.GHouseChart, 1);
        QCOMPARE(s.FDialRotation, s.FNatal.Factors[nemra::kMeridian].Lon);
        QCOMPARE(QString::fromStdString(s.FDialTitle), QStringLiteral("เรือนชะตา เมอริเดียน"));
        QVERIFY(s.FDialSubTitle.empty());

        QVERIFY(nemra::ui::ChooseHouseIndex(nullptr, s, Scripted<TFSelHous>("OKBtn", [](TFSelHous& d) {
                                                Child<QListWidget>(d, "ListBox1")->setCurrentRow(2);
                                                Child<QRadioButton>(d, "RadioButton2")->click();
                                            })));
        QCOMPARE(s.FIndexDial, int(nemra::kSun));
        QCOMPARE(s.GHouseChart, 2);
        QCOMPARE(s.FDialRotation, s.FTransit.Factors[nemra::kSun].Lon);
        QCOMPARE(s.FIndexMode, int(nemra::kIndexHouse));
    }

    void houseCancelChangesNothing()
    {
        nemra::MainSession s = SessionWithIndex(true, true);
        const nemra::MainSession before = s;
        QVERIFY(!nemra::ui::ChooseHouseIndex(nullptr, s, Scripted<TFSelHous>("CancelBtn")));
        ExpectIndexUnchanged(before, s);
        QCOMPARE(s.FIndexAccepted, before.FIndexAccepted);
        QCOMPARE(s.GHouseChart, before.GHouseChart);
    }

    void houseWorksFromTheKeyboard()
    {
        TFSelHous d(true, true);
        QCOMPARE(d.focusWidget(), Child<QWidget>(d, "ListBox1"));
        d.show();
        QTest::keyClick(Child<QWidget>(d, "ListBox1"), Qt::Key_Down);
        QCOMPARE(PressKey(d, "ListBox1", Qt::Key_Return), int(QDialog::Accepted));
        QCOMPARE(d.Choice().factor, int(nemra::kAscendant));

        TFSelHous e(true, true);
        QCOMPARE(PressKey(e, "ListBox1", Qt::Key_Escape), int(QDialog::Rejected));
    }

    void userOpensWithItsInitialValues()
    {
        TFUserP1 d;
        QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QStringLiteral("User's Point"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->currentIndex(), 0);
        QCOMPARE(Child<QSpinBox>(d, "SpinEdit2")->maximum(), 59);
        QCOMPARE(d.focusWidget(), Child<QWidget>(d, "OKBtn"));
    }

    void userOkSetsTheUserPoint()
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

    void userCancelLeavesTheIndexAlone()
    {
        nemra::MainSession s = SessionWithIndex(false, true);
        const nemra::MainSession before = s;
        QVERIFY(!nemra::ui::ChooseUserIndex(nullptr, s, Scripted<TFUserP1>("CancelBtn")));
        QVERIFY(!s.FIndexAccepted);
        ExpectIndexUnchanged(before, s); // the kind too: a transit factor keeps following its chart
    }

    void userTheNameTakesOnlyThaiCodePageCharacters()
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

    void tabWalksTheControlsInOrder()
    {
        const auto walk = [](QDialog& d, const char* first) {
            d.show();
            d.activateWindow();
            if (!QTest::qWaitForWindowActive(&d))
                return QStringLiteral("window not active");
            Child<QWidget>(d, first)->setFocus();
            QStringList names{d.focusWidget()->objectName()};
            for (int i = 0; i < 5; ++i) {
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                names << d.focusWidget()->objectName();
            }
            return names.join(' ');
        };
        TFUserP1 user;
        QCOMPARE(walk(user, "Edit1"), QStringLiteral("Edit1 ComboBox1 SpinEdit1 SpinEdit2 OKBtn CancelBtn"));
        nemra::MainSession s = SessionWith(true, true);
        TFMidP1 mid(s);
        QCOMPARE(walk(mid, "RadioButton1"),
                 QStringLiteral("RadioButton1 ComboBox1 CheckBox1 RadioButton3 BitBtn1 BitBtn2"));
    }

    void userEnterConfirmsAndEscapeCancels()
    {
        for (const char* control : {"Edit1", "ComboBox1", "SpinEdit1", "SpinEdit2"}) {
            TFUserP1 d;
            QVERIFY2(PressKey(d, control, Qt::Key_Return) == QDialog::Accepted, control);
        }
        TFUserP1 d;
        QCOMPARE(PressKey(d, "SpinEdit2", Qt::Key_Escape), int(QDialog::Rejected));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
