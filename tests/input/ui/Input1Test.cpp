#include "input/ui/Input1.h"

#include "tests/input/ui/ScriptedCityDialog.h"
#include "tests/support/UtMoment.h"
#include "tests/support/Widgets.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>

#include <QtTest>

#include <fstream>
#include <functional>

namespace {

using ScriptedNew1 = ScriptedCityDialog<TNew1>;
using nemra::test::Checked;
using nemra::test::Child;
using nemra::test::FocusOrder;
using nemra::test::Value;

// A clock standing at `now` in the zone the dialog opens with, 105°E (UT + 7 hours).
nemra::Clock FixedClock(nemra::LocalDateTime now)
{
    return nemra::test::FixedClock(nemra::test::UtAt(now.year, now.month, now.day, now.hour, now.minute, now.second)
                                   - std::chrono::hours{7});
}

const nemra::LocalDateTime kMorning{2026, 12, 7, 9, 5, 0};

} // namespace

class Input1Test : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir FData;
    nemra::TChartInput FInput;
    nemra::CityListState FCities;

    std::unique_ptr<ScriptedNew1> Open(nemra::LocalDateTime now = kMorning)
    {
        auto dialog = std::make_unique<ScriptedNew1>(FInput, FCities, FixedClock(now),
                                                     std::vector<std::filesystem::path>{FData.path().toStdString()});
        dialog->show();
        return dialog;
    }
    // The city hook as the list would leave it after a choice.
    void ChooseCity(ScriptedNew1& dialog, nemra::CityChoice city)
    {
        dialog.cityDialog = [this, city] {
            FCities.CityChoice = city;
            FCities.CityChosen = true;
            FInput.Place = city.Name;
        };
        QTest::mouseClick(Child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    }

  private slots:
    void init()
    {
        FInput = {};
        FInput.Place = "เชียงใหม่";
        FCities = {};
        std::ofstream(FData.filePath("CityTown.dat").toStdString()) << "A,B,7.00H,13.45N,100.30E\r\n";
    }

    void opensOnThePresentMomentAtBangkok()
    {
        auto dialog = Open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("ข้อมูลดวงชะตา"));
        QCOMPARE(dialog->size(), QSize(465, 467));
        QCOMPARE(Child<QLineEdit>(*dialog, "Edit1")->text(), QStringLiteral("ดวงจรขณะนี้"));
        QCOMPARE(Child<QLineEdit>(*dialog, "Edit2")->text(), QStringLiteral("เชียงใหม่"));
        auto* calendar = Child<QCalendarWidget>(*dialog, "Calendar1");
        QCOMPARE(calendar->selectedDate(), QDate(2026, 12, 7));
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(Child<QTabBar>(*dialog, "TabSet1")->currentIndex(), 11);
        QCOMPARE(Child<QTabBar>(*dialog, "TabSet1")->tabText(3), QStringLiteral("เมย."));
        QCOMPARE(Value(*dialog, "BESpin"), 2569);
        QCOMPARE(dialog->BuddhistYear(), 2569);
        QCOMPARE(Child<QLabel>(*dialog, "Label8")->text(), QStringLiteral("(ค.ศ. 2026)"));
        QCOMPARE(Value(*dialog, "HoSpin"), 9);
        QCOMPARE(Value(*dialog, "MinSpin"), 5);
        QCOMPARE(Value(*dialog, "SecSpin"), 0);
        QCOMPARE(Value(*dialog, "SpinEdit5"), 105);
        QCOMPARE(Value(*dialog, "SpinEdit6"), 0);
        QVERIFY(!Checked(*dialog, "CheckBox1"));
        QVERIFY(Checked(*dialog, "RadioButton1"));
        QCOMPARE(Value(*dialog, "SpinEdit7"), 13);
        QCOMPARE(Value(*dialog, "SpinEdit8"), 45);
        QVERIFY(Checked(*dialog, "RadioButton3"));
        QCOMPARE(Value(*dialog, "SpinEdit9"), 100);
        QCOMPARE(Value(*dialog, "SpinEdit10"), 30);
        QVERIFY(Checked(*dialog, "RadioButton5"));
        QVERIFY(Child<QPushButton>(*dialog, "Button1")->isEnabled());
        QVERIFY(Child<QPushButton>(*dialog, "BitBtn1")->isDefault());
        for (const char* name : {"BitBtn2", "RadioButton2", "RadioButton4", "RadioButton6"})
            Child<QWidget>(*dialog, name);
        // In the fixed size every caption shows whole, inside the dialog: the hours box, the
        // east/west and north/south buttons (east was cut as "ตะวันออ") and the city buttons.
        for (const char* name : {"CheckBox1", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                                 "RadioButton5", "RadioButton6", "Button1", "AtlasButton"}) {
            const auto* button = Child<QAbstractButton>(*dialog, name);
            QVERIFY2(button->width() >= button->sizeHint().width(), name);
            QVERIFY2(dialog->rect().contains(QRect(button->mapTo(dialog.get(), QPoint()), button->size())), name);
        }
        // All six week rows of the calendar show: an empty atlas note used to keep a row that
        // left the calendar 9 px short of its height.
        QVERIFY(calendar->height() >= calendar->minimumSizeHint().height());
    }

    void theCityButtonNeedsACityFile()
    {
        QFile::remove(FData.filePath("CityTown.dat"));
        auto dialog = Open();
        QVERIFY(!Child<QPushButton>(*dialog, "Button1")->isEnabled());
    }

    void theTabOrderFollowsTheForm()
    {
        auto dialog = Open();
        const QStringList expected{"Edit1",        "Calendar1",    "TabSet1",      "BESpin",       "HoSpin",
                                   "MinSpin",      "SecSpin",      "SpinEdit5",    "SpinEdit6",    "SpinEdit7",
                                   "SpinEdit8",    "SpinEdit9",    "SpinEdit10",   "RadioButton1", "RadioButton2",
                                   "RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6", "BitBtn1",
                                   "BitBtn2",      "Button1",      "CheckBox1",    "Edit2"};
        QCOMPARE(FocusOrder(*dialog, "Edit1", expected), expected);
    }

    // The calendar's year follows the Buddhist year and the month tab by the year rule.
    void yearAndMonthMoveTheCalendar()
    {
        auto dialog = Open();
        auto* calendar = Child<QCalendarWidget>(*dialog, "Calendar1");
        auto* tabs = Child<QTabBar>(*dialog, "TabSet1");
        auto* label = Child<QLabel>(*dialog, "Label8");
        tabs->setCurrentIndex(1);
        Child<QSpinBox>(*dialog, "BESpin")->setValue(2483);
        QCOMPARE(dialog->BuddhistYear(), 2483);
        QCOMPARE(calendar->selectedDate(), QDate(1941, 2, 7));
        QCOMPARE(label->text(), QStringLiteral("(ค.ศ. 1941)"));
        tabs->setCurrentIndex(3);
        QCOMPARE(calendar->selectedDate(), QDate(1940, 4, 7));
        QCOMPARE(label->text(), QStringLiteral("(ค.ศ. 1940)"));
        tabs->setCurrentIndex(1);
        Child<QSpinBox>(*dialog, "BESpin")->setValue(2484);
        QCOMPARE(label->text(), QStringLiteral("(ค.ศ. 1941)"));
        QCOMPARE(calendar->yearShown(), 1941);
    }

    void aShorterMonthTakesItsLastDay()
    {
        auto dialog = Open({2024, 1, 31, 12, 0, 0});
        auto* calendar = Child<QCalendarWidget>(*dialog, "Calendar1");
        Child<QTabBar>(*dialog, "TabSet1")->setCurrentIndex(1);
        QCOMPARE(calendar->selectedDate(), QDate(2024, 2, 29));
        QCOMPARE(calendar->monthShown(), 2);
        // Days of the neighbouring months cannot be chosen: the month stays the tab's.
        QCOMPARE(calendar->maximumDate(), QDate(2024, 2, 29));
        QCOMPARE(calendar->minimumDate(), QDate(2024, 2, 1));
    }

    void theHoursBoxSwitchesTheZoneUnit()
    {
        auto dialog = Open();
        auto* zone = Child<QSpinBox>(*dialog, "SpinEdit5");
        auto* hours = Child<QCheckBox>(*dialog, "CheckBox1");
        QTest::mouseClick(hours, Qt::LeftButton);
        QVERIFY(hours->isChecked());
        QCOMPARE(zone->minimum(), -11);
        QCOMPARE(zone->maximum(), 12);
        QCOMPARE(zone->value(), 7);
        QVERIFY(!Child<QRadioButton>(*dialog, "RadioButton1")->isEnabled());
        QVERIFY(!Child<QRadioButton>(*dialog, "RadioButton2")->isEnabled());
        QTest::mouseClick(hours, Qt::LeftButton);
        QCOMPARE(zone->minimum(), 0);
        QCOMPARE(zone->maximum(), 180);
        QCOMPARE(zone->value(), 105);
        QVERIFY(Child<QRadioButton>(*dialog, "RadioButton1")->isEnabled());
    }

    void aCityFillsPlaceZoneAndPosition()
    {
        auto dialog = Open();
        ChooseCity(*dialog, {"C", "D", "-5.30H", "08.04S", "100.55W"});
        QCOMPARE(Child<QLineEdit>(*dialog, "Edit2")->text(), QStringLiteral("C"));
        QVERIFY(Checked(*dialog, "CheckBox1"));
        QCOMPARE(Value(*dialog, "SpinEdit5"), -5);
        QCOMPARE(Value(*dialog, "SpinEdit6"), 30);
        QCOMPARE(Value(*dialog, "SpinEdit7"), 8);
        QCOMPARE(Value(*dialog, "SpinEdit8"), 4);
        QVERIFY(Checked(*dialog, "RadioButton4"));
        QCOMPARE(Value(*dialog, "SpinEdit9"), 100);
        QCOMPARE(Value(*dialog, "SpinEdit10"), 55);
        QVERIFY(Checked(*dialog, "RadioButton6"));

        // A zone in degrees after one in hours clears the hours box.
        ChooseCity(*dialog, {"E", "F", "75.00W", "40.43N", "74.00W"});
        QVERIFY(!Checked(*dialog, "CheckBox1"));
        QCOMPARE(Value(*dialog, "SpinEdit5"), 75);
        QVERIFY(Checked(*dialog, "RadioButton2"));
        QVERIFY(Child<QRadioButton>(*dialog, "RadioButton2")->isEnabled());
        QVERIFY(dialog->errors.isEmpty());
    }

    void anUnreadableCityIsReportedAndChangesNothing()
    {
        auto dialog = Open();
        const QString placeBefore = Child<QLineEdit>(*dialog, "Edit2")->text();
        ChooseCity(*dialog, {"G", "H", "7.00H", "13,45N", "98.24E"});
        QCOMPARE(dialog->errors.size(), 1);
        QVERIFY(dialog->errors.front().contains(QStringLiteral("13,45N")));
        QCOMPARE(Child<QLineEdit>(*dialog, "Edit2")->text(), placeBefore);
        QVERIFY(!Checked(*dialog, "CheckBox1")); // the readable zone is not taken either
        QCOMPARE(Value(*dialog, "SpinEdit5"), 105);
        QCOMPARE(Value(*dialog, "SpinEdit7"), 13); // latitude and longitude unchanged
        QCOMPARE(Value(*dialog, "SpinEdit8"), 45);
        QCOMPARE(Value(*dialog, "SpinEdit9"), 100);
    }

    void okWritesTheSevenTexts()
    {
        auto dialog = Open();
        Child<QLineEdit>(*dialog, "Edit1")->setText(QStringLiteral("ทดสอบ"));
        Child<QLineEdit>(*dialog, "Edit2")->setText(QStringLiteral("ภูเก็ต"));
        QTest::mouseClick(Child<QCheckBox>(*dialog, "CheckBox1"), Qt::LeftButton);
        Child<QSpinBox>(*dialog, "SpinEdit6")->setValue(30);
        Child<QSpinBox>(*dialog, "SpinEdit7")->setValue(90); // the latitude ends at 89°59'
        Child<QSpinBox>(*dialog, "SpinEdit8")->setValue(60);
        Child<QRadioButton>(*dialog, "RadioButton4")->setChecked(true);
        Child<QSpinBox>(*dialog, "SpinEdit9")->setValue(98);
        Child<QSpinBox>(*dialog, "SpinEdit10")->setValue(24);
        QTest::keyClick(Child<QLineEdit>(*dialog, "Edit2"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(FInput.Name.str(), std::string("ทดสอบ"));
        QCOMPARE(FInput.Place.str(), std::string("ภูเก็ต"));
        QCOMPARE(FInput.Date.str(), std::string("07/12/2569"));
        QCOMPARE(FInput.Time.str(), std::string(" 9.05.00"));
        QCOMPARE(FInput.TimeZone.str(), std::string("7.30H"));
        QCOMPARE(FInput.Latitude.str(), std::string("89.59S"));
        QCOMPARE(FInput.Longitude.str(), std::string("98.24E"));
    }

    void enterOnTheCalendarIsOk()
    {
        auto dialog = Open({2026, 1, 2, 0, 0, 0});
        auto* calendar = Child<QCalendarWidget>(*dialog, "Calendar1");
        auto* days = calendar->findChild<QAbstractItemView*>();
        QVERIFY(days != nullptr);
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(FInput.Date.str(), std::string("03/01/2569"));
        QCOMPARE(FInput.Time.str(), std::string(" 0.00.00"));
    }

    void cancelLeavesTheRecordAsItWas()
    {
        FInput.Name = "เดิม";
        FInput.Date = "01/01/2500";
        const auto before = FInput;
        auto dialog = Open();
        Child<QLineEdit>(*dialog, "Edit1")->setText(QStringLiteral("ใหม่"));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(FInput == before);
    }

    void namesTakeOnlyThaiCodePageText()
    {
        auto dialog = Open();
        auto* name = Child<QLineEdit>(*dialog, "Edit1");
        name->clear();
        for (const QString& typed : {QStringLiteral("ก"), QStringLiteral("€"), QStringLiteral("☃")})
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, typed, Qt::NoModifier);
        QCOMPARE(name->text(), QStringLiteral("ก€"));
    }

    // A city's zone comes back from OK as it was written, the sign of 0 whole hours included.
    void aCitysZoneIsWrittenBackWithItsSign()
    {
        for (const char* zone : {"-0.30H", "-5.30H", "0.30H", "7.00H", "105.00E", "75.00W"}) {
            auto dialog = Open();
            ChooseCity(*dialog, {"X", "Y", zone, "13.45N", "100.30E"});
            QTest::mouseClick(Child<QPushButton>(*dialog, "BitBtn1"), Qt::LeftButton);
            QCOMPARE(QString::fromStdString(FInput.TimeZone.str()), QString::fromLatin1(zone));
        }
        // A zone typed in hours takes its side from its sign; 0 keeps the side it had.
        auto dialog = Open();
        QTest::mouseClick(Child<QCheckBox>(*dialog, "CheckBox1"), Qt::LeftButton);
        auto* hours = Child<QSpinBox>(*dialog, "SpinEdit5");
        hours->setValue(-1);
        hours->setValue(0);
        Child<QSpinBox>(*dialog, "SpinEdit6")->setValue(30);
        QTest::mouseClick(Child<QPushButton>(*dialog, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(FInput.TimeZone.str(), std::string("-0.30H"));
    }

    // January to March 2483 BE never existed: OK names the two dates meant and keeps the dialog
    // open with the record unchanged.
    void okRefusesADateThatNeverExisted()
    {
        auto dialog = Open();
        const nemra::TChartInput before = FInput;
        Child<QTabBar>(*dialog, "TabSet1")->setCurrentIndex(1);
        Child<QSpinBox>(*dialog, "BESpin")->setValue(2483);
        QTest::mouseClick(Child<QPushButton>(*dialog, "BitBtn1"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QVERIFY(FInput == before);
        QCOMPARE(dialog->errors.size(), 1);
        QVERIFY2(dialog->errors[0].contains(QStringLiteral("07/02/2482 (ค.ศ. 1940)"))
                     && dialog->errors[0].contains(QStringLiteral("07/02/2484 (ค.ศ. 1941)")),
                 qPrintable(dialog->errors[0]));
        Child<QSpinBox>(*dialog, "BESpin")->setValue(2484);
        QTest::mouseClick(Child<QPushButton>(*dialog, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(FInput.Date.str(), std::string("07/02/2484"));
    }
};

QTEST_MAIN(Input1Test)
#include "Input1Test.moc"
