#include "reports/ui/Uhouse.h"
#include "mainwin/model/Session.h"

#include "core/WinDeg.h"
#include "mainwin/model/HouseReportFlow.h"
#include "tests/reports/ui/PlacementDialogScript.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using HouseDialog = Scripted<TFHouse>;

namespace {

QString Position(double lon)
{
    return QString::fromStdString(nemra::WinDeg::PositionText(lon));
}

} // namespace

class UhouseTest : public QObject {
    Q_OBJECT
  private slots:
    void housesOfTheNatalSunRedrawTheDialThenShowTheReport()
    {
        nemra::MainSession s = TestSession(true, true);
        const double sun = s.FNatal.Factors[nemra::kSun].Lon;
        double drawnAt = -1.0;
        QStringList shown;
        nemra::ui::ShowHouseReport(
            nullptr, s, nemra::kSun, nemra::kLayerNatal,
            [&](QDialog& dialog) {
                auto* tree = dialog.findChild<QTreeWidget*>("Outline1");
                shown << dialog.windowTitle() << tree->topLevelItem(3)->text(0);
                dialog.findChild<QRadioButton*>("RadioGroup1Item2")->click();
                for (const QTreeWidgetItem* item :
                     tree->findItems(QStringLiteral("อาทิตย์"), Qt::MatchStartsWith | Qt::MatchRecursive))
                    shown << item->text(0).left(11);
                return int(QDialog::Rejected);
            },
            [&] { drawnAt = s.FDialRotation; });
        QCOMPARE(drawnAt, sun); // drawn at the Sun, then shifted by the house rule
        QVERIFY(qAbs(s.FDialRotation - std::fmod(sun + 180.0, 360.0)) < 1e-9);
        QCOMPARE(s.FDialTitle, std::string("เรือนชะตาอาทิตย์"));
        QCOMPARE(shown, (QStringList{QStringLiteral("เรือนชะตาอาทิตย์กำเนิด"),
                                     QStringLiteral("เรือนที่  4 - ") + Position(sun), QStringLiteral("อาทิตย์จร -")}));
    }

    // The houses book reaches each factor line of the outline as its tooltip and, for the
    // chosen line, in the pane: looked up by the line's own factor and the house it stands in.
    void bookTextsFollowTheFactorAndItsHouse()
    {
        nemra::MainSession s = TestSession(true, false);
        QStringList seen;
        nemra::ui::ShowHouseReport(
            nullptr, s, nemra::kSun, nemra::kLayerNatal,
            [&](QDialog& dialog) {
                auto* tree = dialog.findChild<QTreeWidget*>("Outline1");
                auto* pane = dialog.findChild<QTextBrowser*>("BookPane");
                const auto moons = tree->findItems(QStringLiteral("จันทร์"), Qt::MatchStartsWith | Qt::MatchRecursive);
                if (moons.size() != 1 || !pane || pane->isHidden())
                    return int(QDialog::Rejected);
                QTreeWidgetItem* moon = moons.front();
                const int house = tree->indexOfTopLevelItem(moon->parent()) + 1;
                seen << moon->toolTip(0) << QStringLiteral("MO H%1").arg(house);
                tree->setCurrentItem(moon);
                seen << pane->toPlainText();
                tree->setCurrentItem(tree->topLevelItem(0)); // a house line has no entry
                seen << pane->toPlainText();
                return int(QDialog::Rejected);
            },
            [] {},
            [](int factor, int house) {
                return factor == nemra::kMoon ? "MO H" + std::to_string(house) : std::string();
            });
        QCOMPARE(seen.size(), 4);
        QCOMPARE(seen[0], seen[1]);
        QCOMPARE(seen[2], seen[1]);
        QCOMPARE(seen[3], QString());
    }

    void meridianHousesOfTheTransitChartOnly()
    {
        nemra::MainSession s = TestSession(false, true);
        nemra::SetHouseReportIndex(s, nemra::kMeridian, nemra::kLayerTransit);
        HouseDialog form(nemra::ShiftIndexToHouses(s, nemra::kMeridian));
        QCOMPARE(form.windowTitle(), QStringLiteral("เรือนชะตาเมอริเดียนจร"));
        QVERIFY(form.item(1)->isChecked());
        QVERIFY(!form.findChild<QGroupBox*>("RadioGroup1")->isEnabled());
        QCOMPARE(form.factorLines().size(), 20); // less the transit Meridian itself
        QCOMPARE(form.factorLines().filter(QStringLiteral("เมอริเดียน")).size(), 0);
        QCOMPARE(form.tree()->topLevelItem(9)->text(0),
                 QStringLiteral("เรือนที่ 10 - ") + Position(s.FTransit.Factors[nemra::kMeridian].Lon));

        QTemporaryDir dir;
        form.fileName = dir.filePath("houses.txt");
        form.findChild<QPushButton*>("BitBtn2")->click();
        QCOMPARE(form.askedTitle, QStringLiteral("บันทึกปัจจัยในเรือนชะตาลงไฟล์"));
        QCOMPARE(SavedLines(form.fileName).first(), form.windowTitle());
    }
};

QTEST_MAIN(UhouseTest)
#include "UhouseTest.moc"
