// print: the pages the program prints, written as a PDF file: the dial, the dial to scale for a
// rotating disc, the positions, and the reports with their own options.
#include "tools/nemra-chart/Reports.h"

#include "mainwin/model/Settings.h"
#include "printing/ui/PrintOutput.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

#include <algorithm>
#include <cstdio>

namespace nemra::cli {
namespace {

// The captions of the report windows, the titles of their printed pages.
constexpr const char* kHitReportTitle = "รายงานการทำมุม";
constexpr const char* kAspectListTitle = "การทำมุมของปัจจัยเดี่ยว";
constexpr const char* kSolarArcTitle = "รายงานโค้งสุริยยาตร์ 100 ปี";

// The report options each page takes besides the charts; any other report option is refused.
const std::vector<std::pair<std::string, std::vector<std::string>>> kPageOptions = {
    {"chart", {}},
    {"disc12", {}},
    {"disc15", {}},
    {"positions", {"--tab"}},
    {"hits",
     {"--target", "--kinds", "--sort", "--index-mid", "--index-sens", "--index-mc", "--index-user", "--base", "--orb"}},
    {"aspects", {"--mode", "--arc", "--base", "--orb"}},
    {"solar-arc", {}},
    {"houses", {"--factor", "--chart", "--show"}},
    {"signs", {"--show"}},
};

struct PrintArgs {
    ReportArgs report;
    std::optional<std::string> what;
    std::optional<std::string> pdf;
    std::optional<std::string> paper;
    const CLI::App* command = nullptr;
};

// Qt's own notes (a missing runtime folder, a font fallback) would add lines to the error
// stream, which says only why a command failed; a fatal one is still written (Qt then ends
// the program).
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "nemra-chart: %s\n", qPrintable(message));
}

} // namespace

namespace {

// The application of the drawing commands; main() ends it before the program returns, so Qt
// and the font configuration are torn down while Qt still stands (not by the exit handlers).
std::unique_ptr<QGuiApplication>& GuiApplication()
{
    static std::unique_ptr<QGuiApplication> application;
    return application;
}

} // namespace

void NeedGuiApplication(const std::string& command)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (QCoreApplication::instance())
        Refuse(command + " needs a graphical application");
    qInstallMessageHandler(QuietQtMessages);
    static char name[] = "nemra-chart";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platform, offscreen, nullptr};
    static int argc = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? 3 : 1;
    GuiApplication() = std::make_unique<QGuiApplication>(argc, argv);
}

void EndGuiApplication()
{
    GuiApplication().reset();
}

namespace {

print::PrintDocument Document(const PrintArgs& args, const Context& context)
{
    const std::string& what = *args.what;
    const ReportArgs& report = args.report;
    // The date of printing in the zone the program starts with.
    const LocalDateTime now = DateTimeInZone(SystemNow(), StartSettings{}.timeZone);
    if (what == "hits") {
        const HitsReport hits = HitPointsReport(report, context);
        return print::ReportDocument(HitReportPrint(kHitReportTitle, hits.snapshot, hits.target, hits.report, now));
    }
    if (what == "aspects")
        return print::ReportDocument(AspectListPrint(kAspectListTitle, AspectsReport(report, context), now));
    if (what == "solar-arc") {
        const SolarArcReport solarArc = SolarArcOf(report, context);
        return print::ReportDocument(SolarArcPrint(kSolarArcTitle, solarArc.natal, solarArc.rows, now));
    }
    if (what == "houses" || what == "signs") {
        const PlacementReport placement =
            what == "houses" ? HousesReport(report, context) : SignsReport(report, context);
        return print::ReportDocument(PlacementPrint(placement, BuildPlacementOutline(placement), now));
    }
    const print::PageKind kind = what == "disc12"      ? print::PageKind::Disc12
                                 : what == "disc15"    ? print::PageKind::Disc15
                                 : what == "positions" ? print::PageKind::Positions
                                                       : print::PageKind::Chart;
    return print::SessionDocument(PositionsSession(report, context), kind, now);
}

void Print(const PrintArgs& args, const Context& context)
{
    const auto page = std::find_if(kPageOptions.begin(), kPageOptions.end(),
                                   [&args](const auto& entry) { return entry.first == *args.what; });
    const auto& taken = page->second;
    for (const auto& [what, options] : kPageOptions)
        for (const std::string& option : options)
            if (args.command->get_option(option)->count() > 0
                && std::find(taken.begin(), taken.end(), option) == taken.end())
                Refuse(option + " is not an option of --what " + *args.what);
    // The pages are made first, so a refusal comes before any graphical application.
    const print::PrintDocument document = Document(args, context);
    NeedGuiApplication("print");
    const QPageSize::PageSizeId paper = args.paper.value_or("A4") == "Letter" ? QPageSize::Letter : QPageSize::A4;
    const QString path = QString::fromStdString(*args.pdf);
    const Result<> written = print::WritePdf(path, document, print::DefaultPageLayout(paper));
    if (!written)
        throw OutputFailure{"cannot write " + Quoted(*args.pdf) + ": " + written.fault().reason};
}

} // namespace

void AddPrintCommand(CLI::App& app, CommandTable& table, Context& context)
{
    auto args = std::make_shared<PrintArgs>();
    args->report.command = "print";
    CLI::App* command = table.Add(app, "print", "writes the pages the program prints as a PDF file",
                                  [args, &context] { Print(*args, context); });
    args->command = command;
    std::vector<std::string> pages;
    std::string names;
    for (const auto& page : kPageOptions) {
        pages.push_back(page.first);
        names += (names.empty() ? "" : ", ") + page.first;
    }
    AddChartOptions(*command, args->report.charts, ChartOptions::NatalAndTransit);
    command->get_option("--natal")->required();
    AddChoice(*command, "--what", args->what, pages, "--what must be one of " + names,
              "the pages: the dial, the dial with its zodiac ring 12 or 15 cm across, the positions, or a report")
        ->required();
    AddText(*command, "--pdf", args->pdf, "FILE", "the PDF file, replaced only once it is written whole")->required();
    AddChoice(*command, "--paper", args->paper, {"A4", "Letter"}, "--paper must be A4 or Letter",
              "the paper (default A4)");
    AddTabOption(*command, args->report);
    AddAspectOptions(*command, args->report, false);
    AddAngleOptions(*command, args->report);
    AddHouseOptions(*command, args->report, false);
    AddShowOption(*command, args->report);
    AddHitOptions(*command, args->report, false);
}

} // namespace nemra::cli
