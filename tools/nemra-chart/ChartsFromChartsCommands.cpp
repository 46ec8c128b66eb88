// Charts made from charts: relocate, step, solar-return, ingress and lunations. Each prints
// the chart it makes as a CHART text and, after a tab, its moment in universal time.
#include "tools/nemra-chart/Cli.h"

#include "charts/model/Lunations.h"
#include "charts/model/Relocation.h"
#include "charts/model/SunCharts.h"
#include "charts/model/TimeStep.h"
#include "mainwin/model/Settings.h"
#include "reports/model/ReportFile.h"

namespace nemra::cli {
namespace {

// The place the program starts with, where no --place is given.
ChartPlace StartPlace()
{
    const StartSettings start;
    ChartPlace place;
    place.TimeZone = start.timeZone;
    place.Latitude = start.latitude;
    place.Longitude = start.longitude;
    place.Place = start.cityName;
    return place;
}

std::optional<ChartPlace> ReadPlaceOption(const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    if (const auto check = CheckArgumentText(*text); !check)
        Refuse("--place: " + check.fault().reason + " in " + Quoted(*text));
    const auto reading = ReadPlace(*text);
    if (!reading)
        Refuse("--place: " + Escaped(reading.fault().reason) + ", got " + Quoted(*text));
    return *reading;
}

void PrintChartLine(const TChartInput& chart, UtMoment moment, std::ostream& out)
{
    out << ChartText(chart) << '\t' << IsoUtText(moment) << '\n';
}

// The chart made, or the refusal naming the option it comes from.
void PrintOutcome(const ChartOutcome& outcome, const std::string& option, std::ostream& out)
{
    if (!outcome.ok())
        Refuse(option + ": " + Escaped(outcome.fault().reason));
    PrintChartLine(outcome->chart, outcome->moment, out);
}

struct FromChartArgs {
    ChartArgs charts;
    std::optional<std::string> place;
    std::optional<std::string> by;
    std::optional<int> year;
    std::optional<int> sign;
    std::optional<int> month;
    std::optional<std::string> kind;
    std::optional<std::string> zone;
};

constexpr const char* kPlaceType = "'ZONE,LAT,LON[,PLACE]'";

CLI::Option* AddPlaceOption(CLI::App& command, FromChartArgs& args, const std::string& help)
{
    return AddText(command, "--place", args.place, kPlaceType, help);
}

// A place as --place writes it.
std::string PlaceText(const ChartPlace& place)
{
    return JoinFields({place.TimeZone.str(), place.Latitude.str(), place.Longitude.str(), place.Place.str()});
}

} // namespace

void AddChartsFromChartsCommands(CLI::App& app, CommandTable& table, Context& context)
{
    // A command that makes a chart from the natal chart.
    const auto fromNatal = [&](const std::string& name, const std::string& help,
                               std::function<void(const FromChartArgs&, const TChartInput&)> make) {
        auto args = std::make_shared<FromChartArgs>();
        CLI::App* command = table.Add(
            app, name, help, [args, name, make, &context] { make(*args, NatalInput(args->charts, name, context)); });
        AddChartOptions(*command, args->charts, ChartOptions::NatalOnly, false);
        command->get_option("--natal")->required();
        return std::make_pair(command, args);
    };

    auto [relocate, relocateArgs] =
        fromNatal("relocate", "the natal chart's moment at another place",
                  [&context](const FromChartArgs& a, const TChartInput& natal) {
                      PrintOutcome(Relocate(natal, *ReadPlaceOption(a.place)), "--place", context.out);
                  });
    AddPlaceOption(*relocate, *relocateArgs, "the new place")->required();

    auto [step, stepArgs] =
        fromNatal("step", "the natal chart a step later or earlier",
                  [&context](const FromChartArgs& a, const TChartInput& natal) {
                      const auto by = ReadTimeStep(*a.by);
                      if (!by)
                          Refuse("--by: expected a signed number and a unit s, m, h, d, mo or y (+1d, -3h, +2y), got "
                                 + Quoted(*a.by));
                      PrintOutcome(StepChart(natal, *by), "--by", context.out);
                  });
    AddText(*step, "--by", stepArgs->by, "AMOUNT",
            "the step: a signed number and a unit s, m, h, d, mo (months) or y (+1d, -3h, +2y)")
        ->required();

    auto [solarReturn, solarReturnArgs] =
        fromNatal("solar-return", "the solar return of a Buddhist-era year",
                  [&context](const FromChartArgs& a, const TChartInput& natal) {
                      PrintOutcome(SolarReturn(natal, *a.year, ReadPlaceOption(a.place)), "--year", context.out);
                  });
    AddYear(*solarReturn, solarReturnArgs->year, "the Buddhist-era year of the return")->required();
    AddPlaceOption(*solarReturn, *solarReturnArgs, "where the return is cast (default the natal place)");

    auto ingressArgs = std::make_shared<FromChartArgs>();
    CLI::App* ingress =
        table.Add(app, "ingress", "the Sun's entry into a sign in a Buddhist-era year", [ingressArgs, &context] {
            const auto place = ReadPlaceOption(ingressArgs->place);
            PrintOutcome(SunIngress(*ingressArgs->year, *ingressArgs->sign, place.value_or(StartPlace())), "--year",
                         context.out);
        });
    AddYear(*ingress, ingressArgs->year, "the Buddhist-era year")->required();
    AddWhole(*ingress, "--sign", ingressArgs->sign, 1, 12, "the sign: 1 Aries (the March equinox) .. 12 Pisces")
        ->required();
    AddPlaceOption(*ingress, *ingressArgs, "where the ingress is cast (default " + PlaceText(StartPlace()) + ")");

    auto lunationArgs = std::make_shared<FromChartArgs>();
    CLI::App* lunations =
        table.Add(app, "lunations", "the new and full moons of a Buddhist-era year or of one of its months",
                  [lunationArgs, &context] {
                      const FromChartArgs& a = *lunationArgs;
                      ChartPlace place = StartPlace();
                      if (a.zone) {
                          place.TimeZone = *a.zone;
                          if (!CheckArgumentText(*a.zone) || place.TimeZone.str() != *a.zone)
                              Refuse("--zone: expected a zone such as 105.00E or 7.00H, got " + Quoted(*a.zone));
                          if (const auto check = CheckPlace(place); !check)
                              Refuse("--zone: " + Escaped(check.fault().reason));
                      }
                      const std::string kind = a.kind.value_or("both");
                      const LunationList list = FindLunations(*a.year, a.month, place, {kind != "full", kind != "new"});
                      if (!list)
                          Refuse((a.month ? "--month: " : "--year: ") + Escaped(list.fault().reason));
                      for (const Lunation& event : *list)
                          PrintChartLine(event.chart, event.moment, context.out);
                  });
    AddYear(*lunations, lunationArgs->year, "the Buddhist-era year")->required();
    AddWhole(*lunations, "--month", lunationArgs->month, 1, 12, "only this month of the year");
    AddChoice(*lunations, "--kind", lunationArgs->kind, {"new", "full", "both"}, "--kind must be new, full or both",
              "new moons, full moons or both (default)");
    AddText(*lunations, "--zone", lunationArgs->zone, "ZONE",
            "the zone of the dates and the charts, cast at " + PlaceText(StartPlace()) + " (default its zone)");
}

} // namespace nemra::cli
