#include "Uselhous.h"

#include "DialTestSupport.h"

#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

using namespace dialtest;

class UselhousTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheChartsThatExist()
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
            QCOMPARE(list->item(0)->text(), QStringLiteral("เมอริเดียน"));
            QCOMPARE(list->item(20)->text(), QStringLiteral("โพไซดอน"));
        }
    }

    void okSetsTheHouseIndex()
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

    void cancelChangesNothing()
    {
        nemra::MainSession s = SessionWithIndex(true, true);
        const nemra::MainSession before = s;
        QVERIFY(!nemra::ui::ChooseHouseIndex(nullptr, s, Scripted<TFSelHous>("CancelBtn")));
        ExpectIndexUnchanged(before, s);
        QCOMPARE(s.FIndexAccepted, before.FIndexAccepted);
        QCOMPARE(s.GHouseChart, before.GHouseChart);
    }

    void worksFromTheKeyboard()
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
};

QTEST_MAIN(UselhousTest)
#include "UselhousTest.moc"
