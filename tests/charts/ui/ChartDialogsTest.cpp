// The dialogs of charts made from charts, driven offscreen: what they open on, what OK makes,
// and that a refusal keeps them open.
#include "charts/model/SunCharts.h"
#include "charts/ui/MoonPhaseDlg.h"
#include "charts/ui/RelocateDlg.h"
#include "charts/ui/SolarReturnDlg.h"
#include "charts/ui/SunIngressDlg.h"

#include "tests/charts/ChartsTestKit.h"
#include "tests/input/ui/ScriptedCityDialog.h"
#include "tests/support/UtMoment.h"
#include "tests/support/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

using nemra::test::BangkokChart;

nemra::Clock At(int year, int month)
{
    return nemra::test::FixedClock(nemra::test::UtAt(year, month, 15, 12, 0, 0));
}

using nemra::test::Child;
using nemra::test::Value;

// Every control a dialog makes carries a name, the place box's as well.
void CheckNames(QWidget& dialog)
{
    for (QWidget* parent : {&dialog, Child<QWidget>(dialog, "PlaceBox")})
        for (auto* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
}

void ClickOK(QWidget& dialog)
{
    QTest::mouseClick(Child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
}

} // namespace

class ChartDialogsTest : public QObject {
    Q_OBJECT
  private:
    nemra::CityListState FCities;

    template <typename Dialog> auto Shown(std::unique_ptr<ScriptedCityDialog<Dialog>> dialog)
    {
        dialog->show();
        CheckNames(*dialog);
        return dialog;
    }
    template <typename Dialog> auto Open(const nemra::TChartInput& chart)
    {
        return Shown(std::make_unique<ScriptedCityDialog<Dialog>>(chart, FCities, DataDirs()));
    }
    template <typename Dialog> auto Open(const nemra::TChartInput& chart, const nemra::Clock& clock)
    {
        return Shown(std::make_unique<ScriptedCityDialog<Dialog>>(chart, FCities, clock, DataDirs()));
    }
    static std::vector<std::filesystem::path> DataDirs() { return {}; }
    template <typename Dialog> void ChooseCity(ScriptedCityDialog<Dialog>& dialog, const char* line)
    {
        dialog.cityDialog = [this, line] {
            nemra::TChartInput ignored;
            FCities.SelectedLine = line;
            nemra::ParseCityLine(FCities, ignored);
        };
        QTest::mouseClick(Child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    }

  private slots:
    void relocationKeepsTheMomentAtTheChosenCity()
    {
        auto dialog = Open<TRelocateDlg>(BangkokChart("08/04/2567", "12.00.00", "7.00H"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("เปลี่ยนสถานที่"));
        QVERIFY(Child<QCheckBox>(*dialog, "CheckBox1")->isChecked());
        QCOMPARE(Value(*dialog, "SpinEdit5"), 7);
        QCOMPARE(Value(*dialog, "SpinEdit7"), 13);
        QCOMPARE(Value(*dialog, "SpinEdit10"), 30);

        ChooseCity(*dialog, "London,UK,7.00X,51.30N,0.08W"); // unreadable: nothing changes
        QCOMPARE(dialog->errors.size(), 1);
        QCOMPARE(Value(*dialog, "SpinEdit7"), 13);
        ChooseCity(*dialog, "London,UK,0.00E,51.30N,0.08W");
        QVERIFY(!Child<QCheckBox>(*dialog, "CheckBox1")->isChecked());
        QVERIFY(Child<QRadioButton>(*dialog, "RadioButton6")->isChecked());
        ClickOK(*dialog);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        auto london = BangkokChart("08/04/2567", " 5.00.00");
        nemra::PutPlace(nemra::test::kLondon, london);
        QCOMPARE(*dialog->Result(), london);
    }

    void aRefusalKeepsTheDialogOpen()
    {
        auto dialog = Open<TRelocateDlg>(BangkokChart("31/12/3542", "23.30.00", "7.00H"));
        Child<QSpinBox>(*dialog, "SpinEdit5")->setValue(12); // the next day, a year beyond the range
        ClickOK(*dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->Result().has_value());
        QCOMPARE(dialog->errors, QStringList{QStringLiteral("ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542")});
    }

    // The owner chart's return of 2024: 04:27:47 UT (swetest bisection on the natal Sun).
    void solarReturnAtTheNatalOrAChosenPlace()
    {
        const auto natal = BangkokChart("24/06/2475", " 6.00.00", "105.00E");
        auto dialog = Open<TSolarReturnDlg>(natal, At(2024, 3));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("ดวงทินวรรษ"));
        QCOMPARE(Value(*dialog, "YearSpin"), 2567);
        QCOMPARE(Child<QLabel>(*dialog, "YearLabel")->text(), QStringLiteral("(ค.ศ. 2024)"));
        QVERIFY(!Child<QWidget>(*dialog, "PlaceBox")->isEnabled());
        ClickOK(*dialog);
        QCOMPARE(dialog->Result()->Time.str(), std::string("11.27.47"));
        QCOMPARE(*dialog->Result(), nemra::SolarReturn(natal, 2567)->chart);

        auto other = Open<TSolarReturnDlg>(natal, At(2024, 3));
        QTest::mouseClick(Child<QRadioButton>(*other, "OtherPlaceRadio"), Qt::LeftButton);
        QVERIFY(Child<QWidget>(*other, "PlaceBox")->isEnabled());
        ChooseCity(*other, "London,UK,0.00E,51.30N,0.08W");
        ClickOK(*other);
        QCOMPARE(*other->Result(), nemra::SolarReturn(natal, 2567, nemra::test::kLondon)->chart);
    }

    // The June solstice of 2024, 20:51 UT (U.S. Naval Observatory), is 21 June at Bangkok.
    void sunIngressOfAChosenSign()
    {
        auto dialog = Open<TSunIngressDlg>(BangkokChart("01/01/2567", "12.00.00", "7.00H"), At(2024, 3));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("อาทิตย์ยกราศี"));
        auto* signs = Child<QComboBox>(*dialog, "SignCombo");
        QCOMPARE(signs->count(), 12);
        signs->setCurrentIndex(10); // Aquarius: January, which before 2484 closed the year
        Child<QSpinBox>(*dialog, "YearSpin")->setValue(2480);
        QCOMPARE(Child<QLabel>(*dialog, "YearLabel")->text(), QStringLiteral("(ค.ศ. 1938)"));
        Child<QSpinBox>(*dialog, "YearSpin")->setValue(2567);
        signs->setCurrentIndex(3);
        ClickOK(*dialog);
        QCOMPARE(dialog->Result()->Date.str(), std::string("21/06/2567"));
        QCOMPARE(*dialog->Result(), nemra::SunIngress(2567, 4, nemra::test::kBangkok)->chart);
    }

    // The lunations of April 2024 (U.S. Naval Observatory: new 8 April 18:21, full 23 April
    // 23:49 UT), at Bangkok on the 9th and the 24th.
    void moonPhasesAreListedAndOneChosen()
    {
        auto dialog = Open<TMoonPhaseDlg>(BangkokChart("01/01/2567", "12.00.00", "7.00H"), At(2024, 4));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("ดวงจันทร์เพ็ญจันทร์ดับ"));
        auto* list = Child<QListWidget>(*dialog, "EventList");
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("จันทร์ดับ  09/04/2567   1.2")));
        QVERIFY(list->item(1)->text().startsWith(QStringLiteral("จันทร์เพ็ญ  24/04/2567")));

        QTest::mouseClick(Child<QCheckBox>(*dialog, "NewMoonBox"), Qt::LeftButton);
        QCOMPARE(list->count(), 0); // the list no longer answers the controls
        ClickOK(*dialog);
        QCOMPARE(dialog->errors.size(), 1);
        QTest::mouseClick(Child<QPushButton>(*dialog, "FindBtn"), Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        Child<QComboBox>(*dialog, "MonthCombo")->setCurrentIndex(0);
        QTest::mouseClick(Child<QPushButton>(*dialog, "FindBtn"), Qt::LeftButton);
        QCOMPARE(list->count(), 12);

        Child<QComboBox>(*dialog, "MonthCombo")->setCurrentIndex(4);
        QTest::mouseClick(Child<QPushButton>(*dialog, "FindBtn"), Qt::LeftButton);
        list->setCurrentRow(0);
        ClickOK(*dialog);
        QCOMPARE(*dialog->Result(), nemra::FindLunations(2567, 4, nemra::test::kBangkok)->at(1).chart);
    }
};

QTEST_MAIN(ChartDialogsTest)
#include "ChartDialogsTest.moc"
