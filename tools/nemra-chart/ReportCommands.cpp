// The report commands: aspects, solar-arc, signs and houses print the lines their dialogs save.
#include "tools/nemra-chart/Reports.h"

#include "mainwin/model/HouseReportFlow.h"
#include "reports/model/ReportFile.h"

#include <cmath>

namespace nemra::cli {
namespace {

// The base angles a report accepts, in degrees: the ones the report dialogs offer (90 down
// to 7.5, all within these bounds) and any other from half a degree to 180. A smaller base
// lists nearly every candidate, and one near zero hits the limits of the arithmetic.
constexpr double kSmallestBase = 0.5;
constexpr double kLargestBase = 180.0;

double ReadBase(const std::string& text)
{
    const auto value = ReadReal(text);
    if (!value || !(*value >= kSmallestBase && *value <= kLargestBase))
        Refuse("--base must be degrees from 0.5 to 180 (the reports offer 90, 72, 45, 30, 22.5, 15 and 7.5)");
    return *value;
}

// The orb as the dialog offers it, degrees.minutes from 0.00 to 1.59, in degrees.
double ReadOrb(const std::string& text)
{
    // No number, or one out of range before it is turned into whole numbers, is refused.
    const double value = ReadReal(text).value_or(-1.0);
    const double hundredths = value >= 0.0 && value < 2.0 ? std::round(value * 100.0) : -1.0;
    const int degrees = static_cast<int>(hundredths) / 100;
    const int minutes = static_cast<int>(hundredths) % 100;
    if (hundredths < 0.0 || std::fabs(value * 100.0 - hundredths) > 1e-6 || degrees > 1 || minutes > 59)
        Refuse("--orb must be degrees.minutes from 0.00 to 1.59");
    return AspectOrbFor(degrees, minutes);
}

// The radio-group item 0..2 of the placement reports (natal, transit, both): --show, or
// the item the dialog opens on. Without --transit only the natal chart can be shown.
int ShowItem(const ReportArgs& args)
{
    const auto opening = ChartChoiceOpeningFor(true, args.charts.transit.has_value());
    const int item = args.show.value_or(opening.item);
    if (item != opening.item && !opening.enabled)
        Refuse("--show " + std::to_string(item) + " needs --transit");
    return item;
}

PlacementReport WithShownCharts(PlacementReport report, int item)
{
    ShowChartsOfItem(report, item);
    return report;
}

void PrintPlacement(const PlacementReport& report, bool cp874, std::ostream& out)
{
    PrintReportLines(PlacementFileLines(PlacementCaption(report), BuildPlacementOutline(report)), cp874, out);
}

} // namespace

void AddCp874Option(CLI::App& app, ReportArgs& args)
{
    AddSwitch(app, "--cp874", args.cp874, "the file's own bytes: the Thai code page with CR LF");
}

void AddTabOption(CLI::App& app, ReportArgs& args)
{
    AddWhole(app, "--tab", args.tab, 0, 1, "the grid's tab: 0 true positions (default), 1 reflections");
}

void AddAspectOptions(CLI::App& app, ReportArgs& args, bool modeRequired)
{
    AddWhole(app, "--mode", args.mode, 1, kAspectModeCount,
             "the list: 1 natal, 2 transit, 3 natal plus arc to natal, 4 transit to natal, 5 transit to natal plus arc")
        ->required(modeRequired);
    AddWhole(app, "--arc", args.arc, 1, kArcKindCount, "the solar arc: 1 normal (default), 2 half, 3 double");
}

void AddAngleOptions(CLI::App& app, ReportArgs& args)
{
    app.add_option_function<std::string>(
           "--base", [&args](const std::string& text) { args.base = ReadBase(text); },
           "the base angle in degrees (default 45)")
        ->type_name("DEGREES");
    app.add_option_function<std::string>(
           "--orb", [&args](const std::string& text) { args.orb = ReadOrb(text); },
           "the orb as degrees.minutes, 0.00 to 1.59 (default 1.00)")
        ->type_name("D.MM");
}

void AddShowOption(CLI::App& app, ReportArgs& args)
{
    AddWhole(app, "--show", args.show, 0, 2,
             "the charts shown: 0 natal, 1 transit, 2 both (default as the dialog opens)");
}

void AddHouseOptions(CLI::App& app, ReportArgs& args, bool factorRequired)
{
    AddWhole(app, "--factor", args.factor, kFirstPositionedFactor, kLastPositionedFactor,
             "the factor the houses start from")
        ->required(factorRequired);
    AddWhole(app, "--chart", args.chart, 1, 2, "the factor's chart: 1 natal (default), 2 transit");
}

AspectList AspectsReport(const ReportArgs& args, const Context& context)
{
    if (!args.mode)
        Refuse(args.command + " needs --mode 1.." + std::to_string(kAspectModeCount));
    MainSession session;
    CastCharts(args.charts, args.command + " mode " + std::to_string(*args.mode), *args.mode != 1, session, context);
    return BuildAspectList(AspectListChartsOf(session), {*args.mode, args.base, args.orb, args.arc.value_or(1)});
}

SolarArcReport SolarArcOf(const ReportArgs& args, const Context& context)
{
    MainSession session;
    CastCharts(args.charts, args.command, false, session, context);
    SolarArcReport report{SolarArcNatalOf(session.FNatal), {}};
    report.rows = BuildSolarArcTable(report.natal);
    return report;
}

PlacementReport SignsReport(const ReportArgs& args, const Context& context)
{
    const int item = ShowItem(args);
    MainSession session;
    CastCharts(args.charts, args.command, false, session, context);
    return WithShownCharts(SignReportOf(session), item);
}

PlacementReport HousesReport(const ReportArgs& args, const Context& context)
{
    if (!args.factor)
        Refuse(args.command + " needs --factor " + std::to_string(kFirstPositionedFactor) + ".."
               + std::to_string(kLastPositionedFactor));
    const int chart = args.chart.value_or(1);
    if (chart == 2 && !args.charts.transit)
        Refuse("--chart 2 needs --transit");
    const int item = ShowItem(args);
    MainSession session;
    CastCharts(args.charts, args.command, false, session, context);
    SetHouseReportIndex(session, *args.factor, ChartLayerOf(chart));
    return WithShownCharts(ShiftIndexToHouses(session, *args.factor), item);
}

void AddReportCommands(CLI::App& app, CommandTable& table, Context& context)
{
    // A report command with the chart options, --natal required.
    const auto add = [&](const std::string& name, const std::string& help,
                         const std::function<void(const ReportArgs&)>& print) {
        auto args = std::make_shared<ReportArgs>();
        args->command = name;
        CLI::App* command = table.Add(app, name, help, [args, print] { print(*args); });
        AddChartOptions(*command, args->charts, ChartOptions::NatalAndTransit);
        command->get_option("--natal")->required();
        return std::make_pair(command, args);
    };

    auto [aspects, aspectArgs] =
        add("aspects", "the aspects of single factors, as the aspect list saves them", [&context](const ReportArgs& a) {
            PrintReportLines(AspectListFileLines(AspectsReport(a, context)), a.cp874, context.out);
        });
    AddAspectOptions(*aspects, *aspectArgs, true);
    AddAngleOptions(*aspects, *aspectArgs);
    AddCp874Option(*aspects, *aspectArgs);

    auto [solarArc, solarArcArgs] =
        add("solar-arc", "the solar arc for 100 years, as its report saves it", [&context](const ReportArgs& a) {
            const SolarArcReport report = SolarArcOf(a, context);
            PrintReportLines(SolarArcFileLines(report.natal, report.rows), a.cp874, context.out);
        });
    AddCp874Option(*solarArc, *solarArcArgs);

    auto [signs, signArgs] =
        add("signs", "the factors in the signs, as the report saves them",
            [&context](const ReportArgs& a) { PrintPlacement(SignsReport(a, context), a.cp874, context.out); });
    AddShowOption(*signs, *signArgs);
    AddCp874Option(*signs, *signArgs);

    auto [houses, houseArgs] =
        add("houses", "the factors in the houses from a factor, as the report saves them",
            [&context](const ReportArgs& a) { PrintPlacement(HousesReport(a, context), a.cp874, context.out); });
    AddHouseOptions(*houses, *houseArgs, true);
    AddShowOption(*houses, *houseArgs);
    AddCp874Option(*houses, *houseArgs);
}

} // namespace nemra::cli
