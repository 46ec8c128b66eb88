// Pictures of the main window and of every dialog as a user sees them, for the
// documentation: NEMRA_SCREENSHOTS=<folder> saves them there; without it this test only
// checks that every dialog opens over a started main window.
#include "dials/model/DialIndex.h"
#include "dials/ui/Umidp1.h"
#include "dials/ui/Usenp1.h"
#include "input/ui/Input1.h"
#include "input/ui/utrplace.h"
#include "mainwin/model/HouseReportFlow.h"
#include "mainwin/model/ReportAdapters.h"
#include "mainwin/ui/Mainp.h"
#include "reports/model/ReportSnapshot.h"
#include "reports/model/SolarArcTable.h"
#include "reports/ui/UBriefAspect.h"
#include "reports/ui/Uhouse.h"
#include "reports/ui/Urasi.h"
#include "reports/ui/Ureport.h"
#include "reports/ui/Usolrep.h"
#include "tests/support/UtMoment.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// 8 December 2026, noon at the default zone 105°E.
nemra::UtInstant FixedNow()
{
    return nemra::test::UtAt(2026, 12, 8, 5, 0, 0);
}

class QuietMainForm : public TMainForm {
  public:
    using TMainForm::TMainForm;
    int RunDialog(QDialog&) override { return QDialog::Rejected; }
    static std::vector<std::filesystem::path> Dirs() { return DataDirs(); }
};

// Shows the widget, lets it lay itself out and saves its picture when asked to.
void Picture(QWidget& widget, const QString& name)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTest::qWait(50);
    const QPixmap picture = widget.grab();
    QVERIFY(!picture.isNull());
    const QString folder = qEnvironmentVariable("NEMRA_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(picture.save(folder + "/" + name + ".png"));
    widget.hide();
}

} // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindow()
    {
        QTemporaryDir empty;
        QuietMainForm form(FixedNow, empty.path());
        auto& s = form.session();
        nemra::SetMidpointIndex(s, {nemra::kMidNatal, nemra::kSun, nemra::kMoon, true, false});
        form.DrawChart();
        form.UpdateCommandState();
        Picture(form, "main-window-360");
        form.SetDialType(90);
        Picture(form, "main-window-90");
        form.SetDialType(360);

        TNew1 input(s.GChartInput, s.Cities, FixedNow, QuietMainForm::Dirs(), &form);
        Picture(input, "input-dialog");
        TTrplaceDlg place(s.GChartInput, s.Cities, QuietMainForm::Dirs(), &form);
        Picture(place, "place-dialog");
        TFMidP1 midpoint(s, &form);
        Picture(midpoint, "midpoint-dial");
        TFSenP1 sensitive(s, &form);
        Picture(sensitive, "sensitive-dial");
        int target = 1;
        TFReport hits(nemra::MakeReportSnapshot(s), target, &form);
        Picture(hits, "hit-report");
        TFBriefAspect aspects(s, &form);
        Picture(aspects, "single-factor-angles");
        TFSolRep solar(nemra::SolarArcNatalOf(s.FNatal), &form);
        Picture(solar, "solar-arc-table");
        TFRasi signs(nemra::SignReportOf(s), &form);
        Picture(signs, "signs-report");
        nemra::SetHouseReportIndex(s, nemra::kMeridian, 1);
        TFHouse houses(nemra::ShiftIndexToHouses(s, nemra::kMeridian), &form);
        Picture(houses, "houses-report");
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "ScreenshotsTest.moc"
