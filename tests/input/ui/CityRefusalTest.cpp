// A city line the dialogs cannot take whole is refused in both dialogs that take cities, and
// the refusal changes nothing: not the controls, not the chart input record, not the city
// list's choice, also when the dialog is then cancelled.
#include "input/ui/Input1.h"
#include "input/ui/utrplace.h"
#include "tests/support/UtMoment.h"

#include "tests/input/ui/ScriptedCityDialog.h"

#include "tests/support/ChartInputs.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

nemra::TChartInput Stored()
{
    return nemra::test::StoredTransit("เชียงใหม่", "18.47N", "98.59E");
}

// Opens the dialog, takes `line` from a scripted city list, then cancels; returns the errors
// shown and the place name the dialog showed after the refusal.
template <class Dialog, class... Extra>
std::pair<QStringList, QString> RefuseThenCancel(nemra::TChartInput& input, nemra::CityListState& cities,
                                                 const std::string& line, const char* placeEdit, Extra... extra)
{
    ScriptedCityDialog<Dialog> dialog(input, cities, extra..., std::vector<std::filesystem::path>{});
    dialog.show();
    dialog.cityDialog = [&] {
        cities.CityChosen = false;
        cities.SelectedLine = line;
        nemra::ParseCityLine(cities, input);
    };
    dialog.Button1Click();
    const QString shown = dialog.template findChild<QLineEdit*>(QLatin1String(placeEdit))->text();
    dialog.reject();
    return {dialog.errors, shown};
}

nemra::UtInstant Morning()
{
    return nemra::test::UtAt(2026, 12, 7, 2, 5, 0); // 9.05 at 105°E
}

} // namespace

class CityRefusalTest : public QObject {
    Q_OBJECT
  private slots:
    void aRefusedCityChangesNothing()
    {
        struct Case {
            const char* line;
            bool inputDialog; // TNew1, else the place dialog
        };
        const Case cases[] = {
            {"ลำปาง,ไทย,7,00H,18.17N,99.30E", true},  // the zone does not read
            {"ลำปาง,ไทย,7.00H,18,17N,99.30E", true},  // the latitude does not read
            {"ลำปาง,ไทย,7.00H,18.17N,99,30E", true},  // the longitude does not read
            {"ลำปาง,ไทย,7.00H,18,17N,99.30E", false}, // the place dialog reads no zone
            {"ลำปาง,ไทย,7.00H,18.17N,99.30X", false},
        };
        for (const Case& c : cases) {
            nemra::TChartInput input = Stored();
            nemra::CityListState cities;
            cities.CityChoice = {"เชียงใหม่", "ไทย", "7.00H", "18.47N", "98.59E"};
            cities.CityChosen = true;
            const nemra::CityListState citiesBefore = cities;
            const auto [errors, shown] =
                c.inputDialog ? RefuseThenCancel<TNew1>(input, cities, c.line, "Edit2", nemra::Clock(Morning))
                              : RefuseThenCancel<TTrplaceDlg>(input, cities, c.line, "Edit1");
            QCOMPARE(errors.size(), 1);
            QCOMPARE(shown, QStringLiteral("เชียงใหม่"));
            QVERIFY2(input == Stored(), c.line);
            QVERIFY2(cities.CityChoice == citiesBefore.CityChoice, c.line);
            QCOMPARE(cities.CityChosen, citiesBefore.CityChosen);
        }
    }
};

QTEST_MAIN(CityRefusalTest)
#include "CityRefusalTest.moc"
