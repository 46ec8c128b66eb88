#include "input/ui/utrplace.h"

#include "input/ui/InputDialogKit.h"

#include "tests/input/ui/ScriptedCityDialog.h"
#include "tests/support/Widgets.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;
#include "tests/support/ChartInputs.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <QtTest>

#include <functional>

namespace {

using ScriptedPlace = ScriptedCityDialog<TTrplaceDlg>;
using nemra::test::Checked;
using nemra::test::Child;
using nemra::test::FocusOrder;
using nemra::test::StoredTransit;
using nemra::test::Value;

} // namespace

class utrplaceTest : public QObject {
    Q_OBJECT
  private:
    nemra::TChartInput FInput;
    nemra::CityListState FCities;

    std::unique_ptr<ScriptedPlace> Create() { return std::make_unique<ScriptedPlace>(FInput, FCities, DataDirs()); }
    std::unique_ptr<ScriptedPlace> Open()
    {
        auto dialog = Create();
        dialog->show();
        return dialog;
    }
    static std::vector<std::filesystem::path> DataDirs() { return {}; }
    static QString Place(QWidget& dialog) { return Child<QLineEdit>(dialog, "Edit1")->text(); }
    // The degrees, minutes and direction the dialog shows, as "8 4 N 98 54 E".
    static QString Position(QWidget& dialog)
    {
        return QStringLiteral("%1 %2 %3 %4 %5 %6")
            .arg(Value(dialog, "SpinEdit7"))
            .arg(Value(dialog, "SpinEdit8"))
            .arg(Checked(dialog, "RadioButton3") ? 'N' : 'S')
            .arg(Value(dialog, "SpinEdit9"))
            .arg(Value(dialog, "SpinEdit10"))
            .arg(Checked(dialog, "RadioButton5") ? 'E' : 'W');
    }
    // The city list as it leaves things when the user takes `line`.
    void ChooseCity(ScriptedPlace& dialog, const std::string& line)
    {
        dialog.cityDialog = [this, line] {
            FCities.CityChosen = false;
            FCities.SelectedLine = line;
            nemra::ParseCityLine(FCities, FInput);
        };
        QTest::mouseClick(Child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    }

  private slots:
    void init()
    {
        FInput = {};
        FCities = {};
    }

    void opensOnBangkokAndWritesItsPositionAtOnce()
    {
        FInput = StoredTransit("", "", "");
        auto dialog = Create();
        // Creating the dialog is enough: the record has Bangkok's position before it is shown.
        QCOMPARE(FInput, StoredTransit("", "13.45N", "100.30E"));
        QCOMPARE(Place(*dialog), QStringLiteral("กรุงเทพฯ"));
        QCOMPARE(Position(*dialog), QStringLiteral("13 45 N 100 30 E"));

        dialog->show();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("เลือกสถานที่"));
        QCOMPARE(dialog->size(), QSize(395, 173));
        QVERIFY(dialog->font().bold());
        QVERIFY(Child<QPushButton>(*dialog, "OKBtn")->isDefault());
        QCOMPARE(dialog->focusWidget(), Child<QWidget>(*dialog, "OKBtn"));
        QVERIFY(dialog->errors.isEmpty());

        // Cancel keeps the defaults already written, and writes no place name.
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(FInput, StoredTransit("", "13.45N", "100.30E"));
    }

    void aStoredPlaceOpensAndClosesUnchanged()
    {
        const struct {
            const char *latitude, *longitude, *shown;
        } cases[] = {{"8.04N", "98.54E", "8 4 N 98 54 E"},
                     {"33.52S", "151.13W", "33 52 S 151 13 W"},
                     {"89.59S", "180.00W", "89 59 S 180 0 W"}};
        for (const auto& c : cases) {
            FInput = StoredTransit("ภูเก็ต", c.latitude, c.longitude);
            const auto stored = FInput;
            auto dialog = Open();
            QCOMPARE(Place(*dialog), QStringLiteral("ภูเก็ต"));
            QCOMPARE(Position(*dialog), QString::fromLatin1(c.shown));
            QTest::keyClick(dialog.get(), Qt::Key_Return);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(FInput, stored);
        }
    }

    // OK writes place, latitude and longitude from the controls; the rest stays. The
    // latitude ends at 89°59': a pole has no Ascendant.
    void okWritesWhatWasTyped()
    {
        FInput = StoredTransit("ภูเก็ต", "8.04N", "98.54E");
        auto dialog = Open();
        auto* edit = Child<QLineEdit>(*dialog, "Edit1");
        edit->clear();
        for (const QChar typed : QStringLiteral("เชียงราย"))
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(typed), Qt::NoModifier);
        auto* degrees = Child<QSpinBox>(*dialog, "SpinEdit7");
        auto* minutes = Child<QSpinBox>(*dialog, "SpinEdit8");
        minutes->setValue(59);
        degrees->setValue(90);
        QCOMPARE(degrees->value(), 89);
        QTest::keyClick(minutes, Qt::Key_Up);
        QCOMPARE(minutes->value(), 59);
        QTest::mouseClick(Child<QRadioButton>(*dialog, "RadioButton4"), Qt::LeftButton);
        Child<QSpinBox>(*dialog, "SpinEdit9")->setValue(99);
        Child<QSpinBox>(*dialog, "SpinEdit10")->setValue(5);
        QTest::mouseClick(Child<QRadioButton>(*dialog, "RadioButton6"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(*dialog, "OKBtn"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(FInput, StoredTransit("เชียงราย", "89.59S", "99.05W"));

        auto* lonDegrees = Child<QSpinBox>(*dialog, "SpinEdit9");
        auto* lonMinutes = Child<QSpinBox>(*dialog, "SpinEdit10");
        lonMinutes->setValue(30);
        lonDegrees->setValue(180);
        QCOMPARE(lonMinutes->value(), 0); // 180°30' is no place either
    }

    // The reading stops at the first text it cannot read; what came before is shown.
    void anUnreadableStoredTextIsReported()
    {
        const struct {
            const char *latitude, *longitude, *shown, *named;
        } cases[] = {{"13,45N", "98.54E", "0 0 N 0 0 E", "13,45N"}, {"8.04S", "98.54X", "8 4 S 0 0 E", "98.54X"}};
        for (const auto& c : cases) {
            FInput = StoredTransit("ภูเก็ต", c.latitude, c.longitude);
            auto dialog = Create();
            QVERIFY(dialog->errors.isEmpty()); // not before the dialog is on the screen
            dialog->show();
            QCOMPARE(dialog->errors.size(), 1);
            QVERIFY2(dialog->errors.front().contains(QLatin1String(c.named)), qPrintable(dialog->errors.front()));
            QCOMPARE(Position(*dialog), QString::fromLatin1(c.shown));
            dialog->hide();
            dialog->show();
            QCOMPARE(dialog->errors.size(), 1); // told once
        }
    }

    void aCityFillsPlaceAndPosition()
    {
        FInput = StoredTransit("ภูเก็ต", "8.04N", "98.54E");
        auto dialog = Open();
        // The zone is not this dialog's concern: one it could not read does not stop the city.
        ChooseCity(*dialog, "Sydney,AU,10.00X,33.52S,151.13E");
        QCOMPARE(Place(*dialog), QStringLiteral("Sydney"));
        QCOMPARE(Position(*dialog), QStringLiteral("33 52 S 151 13 E"));
        QVERIFY(dialog->errors.isEmpty());
        const std::string longName = "นครศรีธรรมราช นครศรีธรรมราช นครศรีธรรมราช";
        ChooseCity(*dialog, longName + ",ไทย,7.00H,8.25N,99.58E");
        QCOMPARE(Place(*dialog), FromUtf8(nemra::CutToChars(longName, 30)));
        ChooseCity(*dialog, "C,D,105.00E,08.04N,74.00W");
        QCOMPARE(Position(*dialog), QStringLiteral("8 4 N 74 0 W"));

        // The place name is taken at once; Cancel keeps it but not the position.
        QCOMPARE(FInput.Place.str(), std::string("C"));
        QTest::mouseClick(Child<QPushButton>(*dialog, "CancelBtn"), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(FInput, StoredTransit("C", "8.04N", "98.54E"));
    }

    // Cancelling the list changes nothing; a city position that cannot be read is reported and
    // leaves every control as it was.
    void aCityListWithoutAUsableCity()
    {
        FInput = StoredTransit("ภูเก็ต", "8.04N", "98.54E");
        auto dialog = Open();
        Child<QLineEdit>(*dialog, "Edit1")->setText(QStringLiteral("พิมพ์เอง"));
        dialog->cityDialog = [this] { FCities.CityChosen = false; };
        QTest::mouseClick(Child<QPushButton>(*dialog, "Button1"), Qt::LeftButton);
        QCOMPARE(Place(*dialog), QStringLiteral("พิมพ์เอง"));
        QCOMPARE(Position(*dialog), QStringLiteral("8 4 N 98 54 E"));
        QCOMPARE(FInput, StoredTransit("ภูเก็ต", "8.04N", "98.54E"));

        ChooseCity(*dialog, "G,H,7.00H,13.45N,98,24E");
        QCOMPARE(dialog->errors.size(), 1);
        QVERIFY(dialog->errors.front().contains(QStringLiteral("98")));
        QCOMPARE(Place(*dialog), QStringLiteral("พิมพ์เอง")); // nothing of the line is taken
        QCOMPARE(Position(*dialog), QStringLiteral("8 4 N 98 54 E"));
    }

    void theKeyboardReachesEveryControl()
    {
        auto dialog = Open();
        const QStringList expected{"Edit1",        "SpinEdit7", "SpinEdit8",  "RadioButton3",
                                   "RadioButton4", "SpinEdit9", "SpinEdit10", "RadioButton5",
                                   "RadioButton6", "OKBtn",     "CancelBtn",  "Button1"};
        QCOMPARE(FocusOrder(*dialog, "Edit1", expected), expected);

        // Enter in a spin edit is OK, and takes the value typed there.
        auto* degrees = Child<QSpinBox>(*dialog, "SpinEdit7");
        degrees->setFocus();
        degrees->selectAll();
        QTest::keyClicks(degrees, QStringLiteral("20"));
        QTest::keyClick(degrees, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(FInput.Latitude.str(), std::string("20.45N"));
    }

    void thaiTextFitsTheDialog()
    {
        auto dialog = Open();
        QVERIFY(dialog->layout()->minimumSize().width() <= 395);
        QVERIFY(dialog->layout()->minimumSize().height() <= 173);
        for (auto* widget : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect at(widget->pos(), widget->size());
            QVERIFY2(dialog->rect().contains(at), qPrintable(widget->objectName()));
            QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(widget->objectName()));
            QVERIFY2(widget->height() >= widget->minimumSizeHint().height(), qPrintable(widget->objectName()));
        }
    }
};

QTEST_MAIN(utrplaceTest)
#include "utrplaceTest.moc"
