// The atlas search dialog and the atlas buttons of the input panel (TNew1 and the chart
// library's edit window) and of the place dialog, offscreen. Places, positions and zones are
// those of the shipped atlas (GeoNames) and the IANA data: Paris 48°51' N 2°21' E, on CEST
// (+2 h) in July 1980 and CET (+1 h) in January, on its own mean time before 1891.
#include "atlas/ui/AtlasSearch.h"

#include "input/ui/ChartInputPanel.h"
#include "input/ui/utrplace.h"
#include "tests/support/Screenshot.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

namespace {

nemra::AtlasPlace PlaceNamed(const char* typed)
{
    auto opened = nemra::Atlas::Open(NEMRA_ATLAS_FILE);
    const auto places = opened.atlas ? opened.atlas->Search(typed, 1) : std::vector<nemra::AtlasPlace>{};
    if (places.empty())
        qFatal("no place %s in the atlas", typed);
    return places.front();
}

class PlaceWithAtlas : public TTrplaceDlg {
  public:
    using TTrplaceDlg::TTrplaceDlg;

  protected:
    std::optional<nemra::AtlasPlace> RunAtlasDialog() override { return PlaceNamed("bangkok"); }
};

} // namespace

class AtlasSearchTest : public QObject {
    Q_OBJECT
  private slots:
    void ListsPlacesAsTypedAndGivesTheChosenOne()
    {
        TAtlasDialog dialog(NEMRA_ATLAS_FILE);
        QTest::keyClicks(dialog.AtlasEdit, "paris, fr");
        QVERIFY(dialog.AtlasList->rowCount() > 0);
        QCOMPARE(dialog.AtlasList->item(0, 0)->text(), QStringLiteral("ปารีส (Paris)"));
        QCOMPARE(dialog.AtlasList->item(0, 1)->text(), QStringLiteral("ฝรั่งเศส"));
        QCOMPARE(dialog.AtlasList->item(0, 2)->text(), QStringLiteral("Europe/Paris"));
        SaveScreenshot(dialog, QStringLiteral("atlas-search"));
        dialog.AtlasEdit->setText(QStringLiteral("กรุงเทพ"));
        QCOMPARE(dialog.Chosen()->id, 1609350);
        QVERIFY(dialog.AtlasOk->isEnabled());

        TAtlasDialog missing("/nonexistent/atlas.sqlite");
        QVERIFY(!missing.AtlasEdit->isEnabled());
        QVERIFY(missing.AtlasStatus->text().contains(QStringLiteral("ไม่พบไฟล์แผนที่โลก")));
    }

    void PanelZoneFollowsDateAndTimeUntilSetByHand()
    {
        TChartInputPanel panel;
        nemra::ChartInputEntry entry;
        entry.day = 15;
        entry.month = 7;
        entry.yearBE = 2523; // 1980
        entry.hour = 12;
        panel.ShowEntry(entry);
        QVERIFY(!panel.AtlasNote->isVisibleTo(&panel)); // no note, no row: the calendar has the height
        panel.RunAtlasDialog = [] { return std::optional(PlaceNamed("paris, fr")); };
        QTest::mouseClick(panel.AtlasButton, Qt::LeftButton);

        const auto zone = [&panel] {
            const nemra::ZoneEntry z = panel.Entry().zone;
            return std::tuple(z.value, z.minutes, z.inHours);
        };
        QCOMPARE(panel.Edit2->text(), QStringLiteral("ปารีส"));
        QCOMPARE(zone(), std::tuple(2, 0, true)); // CEST
        const nemra::ChartInputEntry shown = panel.Entry();
        QCOMPARE(std::tuple(shown.latitude.degrees, shown.latitude.minutes), std::tuple(48, 51));
        QCOMPARE(std::tuple(shown.longitude.degrees, shown.longitude.minutes), std::tuple(2, 21));
        QVERIFY(panel.AtlasNote->text().contains(QStringLiteral("CEST")));
        QVERIFY(panel.AtlasNote->isVisibleTo(&panel));

        panel.TabSet1->setCurrentIndex(0); // January: CET
        QCOMPARE(zone(), std::tuple(1, 0, true));
        panel.BESpin->setValue(2422); // January 1880, before Paris time: the place's meridian
        QCOMPARE(zone(), std::tuple(2, 21, false));

        panel.BESpin->setValue(2564); // 28 March 2021, 2:30 never happened in Paris
        panel.TabSet1->setCurrentIndex(2);
        panel.Calendar1->setSelectedDate(QDate(2021, 3, 28));
        panel.HoSpin->setValue(2);
        panel.MinSpin->setValue(30);
        QVERIFY(panel.AtlasNote->text().contains(QStringLiteral("ไม่มีอยู่จริง")));

        panel.HoSpin->setValue(12);
        QCOMPARE(zone(), std::tuple(2, 0, true));
        panel.SpinEdit5->setValue(3);                   // the user's own zone is kept from here on
        QVERIFY(!panel.AtlasNote->isVisibleTo(&panel)); // the note went with the atlas zone
        panel.HoSpin->setValue(13);
        panel.TabSet1->setCurrentIndex(0);
        QCOMPARE(zone(), std::tuple(3, 0, true));
    }

    void PlaceDialogTakesNameAndPosition()
    {
        nemra::TChartInput input;
        nemra::CityListState cities;
        PlaceWithAtlas dialog(input, cities, {});
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("AtlasButton")), Qt::LeftButton);
        QCOMPARE(dialog.Entry().place, std::string("กรุงเทพ"));
        QCOMPARE(std::tuple(dialog.Entry().latitude.degrees, dialog.Entry().latitude.minutes), std::tuple(13, 45));
        QCOMPARE(std::tuple(dialog.Entry().longitude.degrees, dialog.Entry().longitude.minutes), std::tuple(100, 30));
    }
};

QTEST_MAIN(AtlasSearchTest)
#include "AtlasSearchTest.moc"
