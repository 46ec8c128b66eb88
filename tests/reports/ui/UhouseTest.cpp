#include "Uhouse.h"

#include "HouseReportFlow.h"
#include "PlacementDialogScript.h"
#include "WinDeg.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using HouseDialog = Scripted<TFHouse>;

class UhouseTest : public QObject {
    Q_OBJECT
  private slots:
    void housesOfTheNatalSunRedrawTheDialThenShowTheReport()
    {
        nemra::MainSession s = TestSession(true, true);
        const double sun = s.FNatal.Factors[nemra::kSun].Lon;
        double drawnAt = -1.0;
        QStringList shown;
        QStringList bothShown;
        ShowHouseReport(
            s, nemra::kSun, 1, nullptr, [&] { drawnAt = s.FDialRotation; },
            [&](QDialog& dialog) {
                auto& form = static_cast<TFHouse&>(dialog);
                auto* tree = form.findChild<QTreeWidget*>("Outline1");
                shown << form.windowTitle() << form.objectName();
                for (int i = 0; i < tree->topLevelItemCount(); ++i)
                    shown << tree->topLevelItem(i)->text(0);
                form.findChild<QRadioButton*>("RadioGroup1Item2")->click();
                for (int i = 0; i < tree->topLevelItemCount(); ++i)
                    for (int c = 0; c < tree->topLevelItem(i)->childCount(); ++c)
                        bothShown << tree->topLevelItem(i)->child(c)->text(0);
                return int(QDialog::Rejected);
            });
        QCOMPARE(drawnAt, sun); // the dial is drawn at the Sun, before the house shift
        QVERIFY(qAbs(s.FDialRotation - std::fmod(sun + 180.0, 360.0)) < 1e-9);
        QCOMPARE(s.FDialTitle, QStringLiteral("เรือนชะตาอาทิตย์").toStdString());
        QCOMPARE(shown.size(), 14);
        QCOMPARE(shown[0], QStringLiteral("เรือนชะตาอาทิตย์กำเนิด"));
        QCOMPARE(shown[1], QStringLiteral("FHouse"));
        QCOMPARE(shown[2 + 3],
                 QStringLiteral("เรือนที่  4 - ") + QString::fromStdString(nemra::WinDeg::PositionText(sun)));
        QCOMPARE(shown[2 + 11].left(14), QStringLiteral("เรือนที่ 12 - "));
        QCOMPARE(bothShown.size(), 41);
        QCOMPARE(bothShown.filter(QStringLiteral("อาทิตย์เดิม")).size(), 0);
        QCOMPARE(bothShown.filter(QStringLiteral("อาทิตย์จร")).size(), 1);
    }

    void onlyTransitHousesOpenOnTheTransitChartDisabled()
    {
        nemra::MainSession s = TestSession(false, true);
        nemra::SetHouseReportIndex(s, nemra::kMeridian, 2);
        HouseDialog form(nemra::ShiftIndexToHouses(s, nemra::kMeridian));
        QCOMPARE(form.windowTitle(), QStringLiteral("เรือนชะตาเมอริเดียนจร"));
        QVERIFY(form.item(1)->isChecked());
        QVERIFY(!form.findChild<QGroupBox*>("RadioGroup1")->isEnabled());
        const QStringList factors = form.factorLines();
        QCOMPARE(factors.size(), 20); // the transit Meridian the houses start from is left out
        QCOMPARE(factors.filter(QStringLiteral("เมอริเดียน")).size(), 0);
        // Cusp 10 is the chart's Meridian.
        QCOMPARE(form.tree()->topLevelItem(9)->text(0),
                 QStringLiteral("เรือนที่ 10 - ")
                     + QString::fromStdString(nemra::WinDeg::PositionText(s.FTransit.Factors[nemra::kMeridian].Lon)));
    }

    void savesTheHouseCaptionAndTheOutline()
    {
        nemra::MainSession s = TestSession(true, true);
        nemra::SetHouseReportIndex(s, nemra::kAscendant, 1);
        HouseDialog form(nemra::ShiftIndexToHouses(s, nemra::kAscendant));
        auto* save = form.findChild<QPushButton*>("BitBtn2");
        QCOMPARE(save->toolTip(), QStringLiteral("บันทึกเรือนและดาวในเรือนลงไฟล์"));
        QTemporaryDir dir;
        form.fileName = dir.filePath("houses.txt");
        save->click();
        QCOMPARE(form.askedTitle, QStringLiteral("บันทึกปัจจัยในเรือนชะตาลงไฟล์"));
        QCOMPARE(form.messages.size(), 1);
        QCOMPARE(form.messages[0].first, QMessageBox::Information);
        const QStringList lines = SavedLines(form.fileName);
        QCOMPARE(lines.first(), QStringLiteral("เรือนชะตาลัคนากำเนิด"));
        QCOMPARE(lines.mid(1, lines.size() - 2), form.outlineLines());
        QCOMPARE(lines.filter(QRegularExpression("^เรือนที่")).size(), 12);
        QCOMPARE(lines.filter(QRegularExpression("^\tลัคนาเดิม")).size(), 0);
    }
};

QTEST_MAIN(UhouseTest)
#include "UhouseTest.moc"
