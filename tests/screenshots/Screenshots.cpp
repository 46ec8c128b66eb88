// nemra_screenshots FOLDER: pictures of the main window and of its dialogs as a user sees
// them, for the documentation, saved as PNG files in FOLDER. A fixed clock and empty
// settings make every run draw the same charts. Run it on the offscreen platform
// (QT_QPA_PLATFORM=offscreen) where there is no display; scripts/screenshots does that.
#include "dials/model/DialIndex.h"
#include "dials/ui/Umidp1.h"
#include "dials/ui/Usenp1.h"
#include "input/ui/Input1.h"
#include "input/ui/utrplace.h"
#include "mainwin/model/HouseReportFlow.h"
#include "mainwin/model/ReportAdapters.h"
#include "mainwin/model/Session.h"
#include "mainwin/ui/Mainp.h"
#include "reports/model/ReportSnapshot.h"
#include "reports/model/SolarArcTable.h"
#include "reports/ui/UBriefAspect.h"
#include "reports/ui/Uhouse.h"
#include "reports/ui/Urasi.h"
#include "reports/ui/Ureport.h"
#include "reports/ui/Usolrep.h"
#include "tests/support/UtMoment.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <utility>

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

// Saves pictures into one folder and remembers whether every one was written.
class Pictures {
  public:
    explicit Pictures(QString folder)
        : folder_(std::move(folder))
    {
    }

    // Shows the widget, lets it lay itself out and saves its picture as NAME.png.
    void Take(QWidget& widget, const QString& name)
    {
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget)) {
            std::fprintf(stderr, "nemra_screenshots: %s was never shown\n", qPrintable(name));
            ok_ = false;
        }
        QTest::qWait(50);
        const QString file = QDir(folder_).filePath(name + ".png");
        if (widget.grab().save(file)) {
            std::printf("%s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "nemra_screenshots: cannot write %s\n", qPrintable(file));
            ok_ = false;
        }
        widget.hide();
    }
    bool ok() const { return ok_; }

  private:
    QString folder_;
    bool ok_ = true;
};

void TakeAll(Pictures& pictures)
{
    QTemporaryDir empty;
    QuietMainForm form(FixedNow, empty.path());
    auto& s = form.session();
    nemra::SetMidpointIndex(s, {nemra::kMidNatal, nemra::kSun, nemra::kMoon, true, false});
    form.DrawChart();
    form.UpdateCommandState();
    pictures.Take(form, "main-window-360");
    form.SetDialType(90);
    pictures.Take(form, "main-window-90");
    form.SetDialType(360);

    TNew1 input(s.GChartInput, s.Cities, FixedNow, QuietMainForm::Dirs(), &form);
    pictures.Take(input, "input-dialog");
    TTrplaceDlg place(s.GChartInput, s.Cities, QuietMainForm::Dirs(), &form);
    pictures.Take(place, "place-dialog");
    TFMidP1 midpoint(s, &form);
    pictures.Take(midpoint, "midpoint-dial");
    TFSenP1 sensitive(s, &form);
    pictures.Take(sensitive, "sensitive-dial");
    nemra::ChartLayer target = nemra::kLayerNatal;
    TFReport hits(nemra::MakeReportSnapshot(s), target, &form);
    pictures.Take(hits, "hit-report");
    TFBriefAspect aspects(s, s, &form);
    pictures.Take(aspects, "single-factor-angles");
    TFSolRep solar(nemra::SolarArcNatalOf(s.FNatal), &form);
    pictures.Take(solar, "solar-arc-table");
    TFRasi signs(nemra::SignReportOf(s), &form);
    pictures.Take(signs, "signs-report");
    nemra::SetHouseReportIndex(s, nemra::kMeridian, nemra::kLayerNatal);
    TFHouse houses(nemra::ShiftIndexToHouses(s, nemra::kMeridian), &form);
    pictures.Take(houses, "houses-report");
}

} // namespace

int main(int argc, char** argv)
{
    // The same pictures with or without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nemra_screenshots FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "nemra_screenshots: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    Pictures pictures(folder);
    TakeAll(pictures);
    return pictures.ok() ? 0 : 1;
}
