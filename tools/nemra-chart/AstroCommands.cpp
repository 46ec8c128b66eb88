// astro: the astronomical data of a chart (Julian days, Delta T, sidereal time, obliquity and
// nutation; each factor's ecliptic and equatorial place, distance, speed and sidereal
// longitude; the Moon's phase; sunrise and sunset), as the astronomical data window shows it.
#include "tools/nemra-chart/Cli.h"

#include "astro/model/AstroData.h"

namespace nemra::cli {
namespace {

struct AstroArgs {
    ChartArgs charts;
    std::optional<std::string> format;
};

} // namespace

void AddAstroCommand(CLI::App& app, CommandTable& table, Context& context)
{
    auto args = std::make_shared<AstroArgs>();
    CLI::App* command = table.Add(app, "astro", "the astronomical data of a chart", [args, &context] {
        const TChartInput natal = NatalInput(args->charts, "astro", context);
        const bool tsv = args->format.value_or("tsv") == "tsv";
        PrintReportLines(AstroLinesOfChart(natal, CastSwitches(args->charts), tsv), false, context.out);
    });
    AddChartOptions(*command, args->charts, ChartOptions::NatalOnly);
    command->get_option("--natal")->required();
    AddChoice(*command, "--format", args->format, {"tsv", "text"}, "--format must be tsv or text",
              "tsv: one line per figure, decimal degrees and Julian days (default); text: the window's Thai text");
}

} // namespace nemra::cli
