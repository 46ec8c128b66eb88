#include "input/ui/Ucity.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

namespace {

// The city dialog with its message box replaced by a record of the messages.
class ScriptedCity : public TFCity {
  public:
    using TFCity::TFCity;
    QStringList errors;

  protected:
    void ShowError(const QString& text) override { errors << text; }
};

const char* const kTwoCities = "A,B,7.00H,13.45N,100.30E\r\nC,D,105.00E,08.04N,98.54E\r\n";

} // namespace

class UcityTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir FData;
    nemra::CityListState FCities;
    nemra::TChartInput FInput;

    std::filesystem::path DataDir() const { return FData.path().toStdString(); }
    void WriteCityFile(const std::string& bytes)
    {
        std::ofstream(DataDir() / nemra::kCityFileName, std::ios::binary) << bytes;
    }
    static QListWidget* List(TFCity& dialog) { return dialog.findChild<QListWidget*>("ListBox1"); }
    // A double click as a person makes it: a click, then the second press.
    static void DoubleClickRow(QListWidget* list, int row)
    {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

  private slots:
    void init()
    {
        FCities = {};
        FInput = {};
        WriteCityFile(kTwoCities);
    }

    void opensWithTheFileLinesAndTheFirstSelected()
    {
        FCities.CityChosen = true;
        ScriptedCity dialog(FCities, FInput, {DataDir()});
        dialog.show();
        auto* list = List(dialog);
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(FCities.SelectedLine, std::string("A,B,7.00H,13.45N,100.30E"));
        QVERIFY(!FCities.CityChosen);
        QVERIFY(dialog.errors.isEmpty());
        QCOMPARE(dialog.size(), QSize(395, 214));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("จังหวัด/เมือง"));
        QVERIFY(dialog.findChild<QPushButton*>("OKBtn")->isDefault());
        QVERIFY(dialog.findChild<QPushButton*>("CancelBtn") != nullptr);
    }

    void doubleClickTakesTheLineAndCloses()
    {
        ScriptedCity dialog(FCities, FInput, {DataDir()});
        dialog.show();
        DoubleClickRow(List(dialog), 1);
        QVERIFY(FCities.CityChosen);
        QCOMPARE(FCities.CityChoice.Name, std::string("C"));
        QCOMPARE(FCities.CityChoice.Zone.str(), std::string("105.00E"));
        QCOMPARE(FCities.CityChoice.Latitude.str(), std::string("08.04N"));
        QCOMPARE(FCities.CityChoice.Longitude.str(), std::string("98.54E"));
        QCOMPARE(FInput.Place.str(), std::string("C"));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void okTakesTheLineChosenFromTheKeyboard()
    {
        ScriptedCity dialog(FCities, FInput, {DataDir()});
        dialog.show();
        auto* list = List(dialog);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(FCities.CityChosen);
        QCOMPARE(FCities.CityChoice.Name, std::string("C"));
    }

    void cancelKeepsThePreviousChoice()
    {
        FCities.CityChoice = {"ภูเก็ต", "ไทย", "7.00H", "7.53N", "98.24E"};
        FInput.Place = "ภูเก็ต";
        const auto before = FCities.CityChoice;
        ScriptedCity dialog(FCities, FInput, {DataDir()});
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!FCities.CityChosen);
        QVERIFY(FCities.CityChoice == before);
        QCOMPARE(FInput.Place.str(), std::string("ภูเก็ต"));

        dialog.show(); // shown again: the list is read anew and Escape cancels too
        QCOMPARE(List(dialog)->count(), 2);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!FCities.CityChosen);
    }

    void aMissingFileIsReportedAndOkChoosesNothing()
    {
        QTemporaryDir empty;
        ScriptedCity dialog(FCities, FInput, {empty.path().toStdString()});
        dialog.show();
        QCOMPARE(List(dialog)->count(), 0);
        QCOMPARE(dialog.errors.size(), 1);
        QVERIFY(dialog.errors.front().contains(QStringLiteral("CityTown.dat")));
        QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!FCities.CityChosen);
    }

    void emptyLinesAreSkippedAndJunkDoesNotHarm()
    {
        WriteCityFile(std::string("A,B,7.00H,13.45N,100.30E\r\n\r\n \r\n")
                      + std::string("\x00\xff\xfe,,,,,,\x81\r\n", 11));
        ScriptedCity dialog(FCities, FInput, {DataDir()});
        dialog.show();
        auto* list = List(dialog);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("A,B,7.00H,13.45N,100.30E"));
        QVERIFY(dialog.errors.isEmpty());
        DoubleClickRow(list, 1);
        QVERIFY(FCities.CityChosen);
        QVERIFY(FCities.CityChoice.Zone.empty());
    }
};

QTEST_MAIN(UcityTest)
#include "UcityTest.moc"
