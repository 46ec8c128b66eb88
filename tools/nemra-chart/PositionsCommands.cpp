// positions: the factors of a chart (a table, the Thai texts, or the main window's positions
// file); arcs: the four arcs between the natal and the transit chart.
#include "tools/nemra-chart/Reports.h"

#include "core/ChartRecord.h"
#include "core/FactorCatalogue.h"
#include "core/WinDeg.h"
#include "mainwin/model/PositionsExport.h"

namespace nemra::cli {
namespace {

void PrintTsv(const TChartRecord& rec, std::ostream& out)
{
    out << "index\tcode\tlon\trefl\tretro\n";
    for (std::size_t i = 0; i < kFactorCount; ++i)
        out << i << '\t' << FactorCode[i] << '\t' << Fixed7(rec.Factors[i].Lon) << '\t' << Fixed7(rec.Factors[i].Refl)
            << '\t' << (rec.Retro[i] == kRetrogradeMark ? 1 : 0) << '\n';
}

void PrintText(const TChartRecord& rec, std::ostream& out)
{
    out << rec.Input.Name.str() << '\t' << rec.DateWords << '\t' << rec.Input.Time.str() << '\t'
        << rec.Input.Place.str() << '\n';
    for (int i = kFirstPositionedFactor; i <= kLastPositionedFactor; ++i) {
        const auto f = static_cast<std::size_t>(i);
        out << FactorNamesThai[f] << '\t' << WinDeg::PositionText(rec.Factors[f].Lon) << rec.Retro[f] << '\t'
            << WinDeg::PositionText(rec.Factors[f].Refl) << '\n';
    }
}

struct PositionsArgs {
    ReportArgs report;
    std::optional<std::string> format;
};

void Positions(const PositionsArgs& args, const Context& context)
{
    const std::string format = args.format.value_or("tsv");
    if (format == "file") {
        const MainSession session = PositionsSession(args.report, context);
        PrintReportLines(PositionsTextLines(session, PositionsGridOf(session)), args.report.cp874, context.out);
        return;
    }
    // A table of one chart: the transit chart, if given, plays no part.
    TChartRecord rec;
    rec.Input = NatalInput(args.report.charts, "positions", context);
    CastChart(rec, CastSwitches(args.report.charts));
    if (format == "tsv")
        PrintTsv(rec, context.out);
    else
        PrintText(rec, context.out);
}

} // namespace

MainSession PositionsSession(const ReportArgs& args, const Context& context)
{
    MainSession session;
    CastCharts(args.charts, args.command, false, session, context);
    session.GridTab = args.tab.value_or(0);
    return session;
}

void AddPositionsCommands(CLI::App& app, CommandTable& table, Context& context)
{
    auto positions = std::make_shared<PositionsArgs>();
    positions->report.command = "positions";
    CLI::App* command = table.Add(app, "positions", "the positions of the factors of a chart",
                                  [positions, &context] { Positions(*positions, context); });
    AddChartOptions(*command, positions->report.charts, ChartOptions::NatalAndTransit);
    command->get_option("--natal")->required();
    AddChoice(*command, "--format", positions->format, {"tsv", "text", "file"}, "--format must be tsv, text or file",
              "tsv: a table in decimal degrees (default); text: the Thai names and positions; file: the main "
              "window's positions file, with --transit and --tab");
    AddTabOption(*command, positions->report);
    AddCp874Option(*command, positions->report);

    auto arcs = std::make_shared<ChartArgs>();
    command =
        table.Add(app, "arcs", "the solar arc, half arc, double arc and daily meridian, in degrees", [arcs, &context] {
            MainSession session;
            CastCharts(*arcs, "arcs", true, session, context);
            context.out << "arc\t" << Fixed7(session.FArc) << "\nhalfarc\t" << Fixed7(session.FHalfArc)
                        << "\ndoublearc\t" << Fixed7(session.FDoubleArc) << "\ndailymeridian\t"
                        << Fixed7(session.FDailyMeridian) << '\n';
        });
    AddChartOptions(*command, *arcs, ChartOptions::NatalAndTransit);
    command->get_option("--natal")->required();
    command->get_option("--transit")->required();
}

} // namespace nemra::cli
