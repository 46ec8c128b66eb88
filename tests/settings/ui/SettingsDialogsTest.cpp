// The settings dialogs and the city-list editor worked as a user would, offscreen: what they
// open on, what OK writes, and that a write that fails keeps the dialog open with the reason.
#include "settings/ui/CityEditor.h"
#include "settings/ui/MiscSettingsDlg.h"
#include "settings/ui/PlaceSettingsDlg.h"

#include "core/ThaiText.h"
#include "input/model/CityList.h"
#include "settings/model/IniFile.h"
#include "tests/input/ui/ScriptedCityDialog.h"

#include "tests/support/Screenshot.h"
#include "tests/support/TempFiles.h"
#include "tests/support/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

namespace fs = std::filesystem;
using nemra::test::ReadBytes;
using nemra::test::TempDir;

using nemra::test::Child;

// Every widget a dialog makes carries a name.
void CheckNames(QWidget& dialog)
{
    for (auto* child : dialog.findChildren<QWidget*>())
        if (child->objectName().isEmpty() && !child->inherits("QScrollBar") && child->parent() == &dialog)
            QFAIL(child->metaObject()->className());
}

void ClickOK(QWidget& dialog)
{
    QTest::mouseClick(Child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
}

class ScriptedMisc : public TMiscSettingsDlg {
  public:
    using TMiscSettingsDlg::TMiscSettingsDlg;
    QStringList errors;

  protected:
    void ShowError(const QString& text) override { errors << text; }
};

// The editor with its city form filled in by `fill` and its questions answered yes.
class ScriptedEditor : public TCityEditor {
  public:
    using TCityEditor::TCityEditor;
    std::function<void(TCityForm&)> fill;
    QStringList errors;

  protected:
    void RunCityForm(TCityForm& form) override
    {
        form.show();
        if (fill)
            fill(form);
    }
    bool Confirm(const QString&) override { return true; }
    void ShowError(const QString& text) override { errors << text; }
};

QStringList Column(QTableWidget& grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid.rowCount(); ++row)
        texts << grid.item(row, column)->text();
    return texts;
}

} // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void placeSettingsWriteTheCityTaken()
    {
        TempDir dir;
        const fs::path ini = dir.write("Nemra06.INI", "[Dial]\r\nDialType=90\r\n");
        nemra::CityListState cities;
        nemra::StartSettings inForce; // Bangkok
        ScriptedCityDialog<TPlaceSettingsDlg> dialog(inForce, ini.string(), cities, std::vector<fs::path>{});
        dialog.show();
        CheckNames(dialog);
        QCOMPARE(Child<QSpinBox>(dialog, "SpinEdit7")->value(), 13);
        dialog.cityDialog = [&cities] {
            nemra::TChartInput ignored;
            cities.SelectedLine = "เชียงใหม่,ไทย,7.00H,18.47N,98.59E";
            nemra::ParseCityLine(cities, ignored);
        };
        QTest::mouseClick(Child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        SaveScreenshot(dialog, "place-settings");
        ClickOK(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ReadBytes(ini), "[Dial]\r\nDialType=90\r\n\r\n[Place]\r\nCityName=" + nemra::ToCp874("เชียงใหม่")
                                     + "\r\nTimezone=7.00H\r\nLatitude=18.47N\r\nLongitude=98.59E\r\n");
        QCOMPARE(dialog.Settings().latitude, std::string("18.47N"));

        // A file that cannot be written: the reason, and the dialog stays open.
        ScriptedCityDialog<TPlaceSettingsDlg> refused(inForce, dir.path().string(), cities, std::vector<fs::path>{});
        refused.show();
        ClickOK(refused);
        QVERIFY(refused.isVisible());
        QCOMPARE(refused.errors.size(), 1);
        QVERIFY(refused.errors[0].contains(QString::fromLocal8Bit(std::strerror(EISDIR))));
    }

    void miscSettingsOpenInForceWriteAndApply()
    {
        TempDir dir;
        const fs::path ini = dir.path() / "Nemra06.INI";
        nemra::StartSettings inForce;
        inForce.dialType = nemra::kDial90;
        inForce.maxContracia = 5;
        std::optional<nemra::StartSettings> applied;
        ScriptedMisc dialog(inForce, ini.string(), [&applied](const nemra::StartSettings& s) { applied = s; });
        dialog.show();
        CheckNames(dialog);
        QVERIFY(Child<QRadioButton>(dialog, "Dial90")->isChecked());
        QVERIFY(Child<QRadioButton>(dialog, "AriesAxis")->isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "TrueNodeBox")->isChecked());
        QCOMPARE(Child<QComboBox>(dialog, "ContraciaList")->currentIndex(), 1);
        SaveScreenshot(dialog, "misc-settings");

        Child<QRadioButton>(dialog, "CancerAxis")->setChecked(true);
        Child<QCheckBox>(dialog, "TrueNodeBox")->setChecked(false);
        ClickOK(dialog);
        QVERIFY(applied);
        QCOMPARE(applied->axis, 180);
        QCOMPARE(applied->trueNode, false);
        QCOMPARE(ReadBytes(ini),
                 std::string("[Dial]\r\nDialType=90\r\nMaxContracia=5\r\n\r\n[Calculations]\r\nAxis=180\r\n"
                             "Node=0\r\n"));
    }

    void cityEditorListsSearchesAndKeepsRefusedLines()
    {
        TempDir dir;
        const std::string refused = nemra::ToCp874("ภูเก็ต,ไทย,7.00X,7.53N,98.23E");
        dir.write(nemra::kCityFileName, nemra::ToCp874("กรุงเทพฯ,ไทย,7.00H,13.45N,100.30E\r\n") + refused + "\r\n"
                                            + nemra::ToCp874("Chiang Mai,Thailand,105.00E,18.47N,98.59E\r\n"));
        ScriptedEditor editor(dir.path(), {});
        editor.show();
        CheckNames(editor);
        auto& grid = *Child<QTableWidget>(editor, "CityGrid");
        QCOMPARE(grid.rowCount(), 3);
        QVERIFY(grid.item(1, 0)->text().startsWith(QStringLiteral("(อ่านไม่ได้)")));
        QCOMPARE(grid.item(2, 1)->text(), QStringLiteral("105.00E"));

        QTest::keyClicks(Child<QLineEdit>(editor, "SearchEdit"), "chiang");
        QCOMPARE(Column(grid, 0), QStringList{QStringLiteral("Chiang Mai")});
        Child<QLineEdit>(editor, "SearchEdit")->clear();

        // Add a city whose zone is a meridian: the form's place controls, as in the input dialog.
        editor.fill = [](TCityForm& form) {
            Child<QLineEdit>(form, "Edit1")->setText(QStringLiteral("ตรัง"));
            Child<QCheckBox>(form, "CheckBox1")->setChecked(false);
            Child<QSpinBox>(form, "SpinEdit5")->setValue(105);
            Child<QSpinBox>(form, "SpinEdit7")->setValue(7);
            Child<QSpinBox>(form, "SpinEdit8")->setValue(34);
            Child<QSpinBox>(form, "SpinEdit9")->setValue(99);
            Child<QSpinBox>(form, "SpinEdit10")->setValue(37);
            SaveScreenshot(form, "city-form");
            ClickOK(form);
        };
        editor.AddClick();
        QCOMPARE(grid.rowCount(), 4);
        SaveScreenshot(editor, "city-editor");

        const std::string bytes = ReadBytes(dir.path() / nemra::kCityFileName);
        QVERIFY(bytes.find(refused + "\r\n") != std::string::npos); // kept until deleted
        QVERIFY(bytes.find(nemra::ToCp874("ตรัง,ไทย,105.00E,7.34N,99.37E\r\n")) != std::string::npos);

        grid.selectRow(1);
        editor.DeleteClick();
        QCOMPARE(grid.rowCount(), 3);
        QVERIFY(ReadBytes(dir.path() / nemra::kCityFileName).find(refused) == std::string::npos);
        QVERIFY(editor.errors.isEmpty());
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
