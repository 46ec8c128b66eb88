// timeline: the timing list of a period (every moment a moving factor stands at a multiple of
// the base angle from a natal point) as text, CSV or iCalendar; graph: the graphic ephemeris
// of the period written as an SVG, PNG or PDF file.
#include "tools/nemra-chart/Reports.h"

#include "core/Clock.h"
#include "core/FileReplace.h"
#include "timeline/model/TimingList.h"
#include "timeline/model/TimingListFiles.h"
#include "timeline/ui/EphemerisGraph.h"

namespace nemra::cli {
namespace {

// The picture's size in pixels for SVG and PNG (a PDF takes an A4 landscape page).
constexpr int kGraphWidth = 1600;
constexpr int kGraphHeight = 900;

struct TimelineArgs {
    ReportArgs report; // the natal chart, --base and --orb
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> movers;
    std::optional<std::string> targets;
    std::optional<std::string> format;
    std::optional<std::string> modulus;
    std::optional<std::string> svg;
    std::optional<std::string> png;
    std::optional<std::string> pdf;
};

// The option a refusal of the settings is about.
std::string OptionOf(TimelineSetting setting, const std::string& command)
{
    switch (setting) {
    case TimelineSetting::Start:
        return "--from";
    case TimelineSetting::Length:
        return "--to";
    case TimelineSetting::Modulus:
        return "--modulus";
    case TimelineSetting::Base:
        return "--base";
    case TimelineSetting::Orb:
        return "--orb";
    case TimelineSetting::Movers:
        return "--movers";
    default:
        return command;
    }
}

struct Timeline {
    TChartRecord natal;
    TimelineSettings settings;
    TimelinePeriod period;
};

// The natal chart cast and the settings and period of the options.
Timeline TimelineOf(const TimelineArgs& args, const std::string& command, const Context& context)
{
    Timeline timeline;
    timeline.natal.Input = NatalInput(args.report.charts, command, context);
    const CastOptions cast = CastSwitches(args.report.charts);
    CastChart(timeline.natal, cast);

    TimelineSettings& s = timeline.settings;
    const CivilTime from = ReadLocalTime("--from", *args.from, "--from", "0.00");
    const CivilTime to = ReadLocalTime("--to", *args.to, "--to", "0.00");
    s.startDay = from.day;
    s.startMonth = from.month;
    s.startYearBE = BuddhistYearFor(from.month, from.year);
    const std::string movers = args.movers.value_or("transit");
    s.movers = movers == "directed" ? DirectedMovers() : DefaultMovers();
    if (movers == "both")
        for (const Mover& mover : DirectedMovers())
            s.movers.push_back(mover);
    if (args.targets.value_or("factors") == "midpoints") {
        s.fixed.clear();
        for (int a = kFirstPositionedFactor; a <= kLastPositionedFactor; ++a)
            for (int b = a + 1; b <= kLastPositionedFactor; ++b)
                s.fixed.push_back({FixedKind::Midpoint, a, b});
    }
    s.trueNode = cast.trueNode;
    s.base = args.report.base;
    s.orb = args.report.orb;
    if (args.modulus)
        s.modulus = *ReadReal(*args.modulus);

    const PeriodOutcome outcome = PeriodThrough(s, to, ZoneSeconds(timeline.natal.Input.TimeZone));
    if (!outcome.ok())
        Refuse(OptionOf(outcome.fault().setting, command) + ": " + Escaped(outcome.fault().reason));
    timeline.period = *outcome;
    return timeline;
}

void PrintTimingList(const TimelineArgs& args, const Context& context)
{
    const Timeline t = TimelineOf(args, "timeline", context);
    const std::vector<TimingHit> hits = FindTimingHits(t.natal, t.settings, t.period);
    const std::string format = args.format.value_or("text");
    if (format == "text") {
        PrintReportLines(TimingTextLines(t.natal.Input, t.settings, t.period, hits), false, context.out);
    } else if (format == "csv") {
        context.out << TimingCsv(hits, t.period.zoneSeconds);
    } else {
        // The file's own stamp: the moment it is made.
        const LocalDateTime now = DateTimeInZone(SystemNow(), 0.0);
        const CivilTime stamp{now.year, now.month, now.day, now.hour, now.minute, now.second};
        context.out << TimingIcs(hits, t.period.zoneSeconds, MomentOfLocalTime(stamp, 0).JulianDay());
    }
}

void WriteGraph(const TimelineArgs& args, const Context& context)
{
    const int given = (args.svg ? 1 : 0) + (args.png ? 1 : 0) + (args.pdf ? 1 : 0);
    if (given != 1)
        Refuse("graph needs one of --svg, --png or --pdf FILE");
    const Timeline t = TimelineOf(args, "graph", context);
    const GraphContent content = ComputeGraphContent(t.natal, t.settings, t.period);
    NeedGuiApplication("graph");
    const std::string& path = args.svg ? *args.svg : args.png ? *args.png : *args.pdf;
    const ui::GraphFormat format = args.svg   ? ui::GraphFormat::Svg
                                   : args.png ? ui::GraphFormat::Png
                                              : ui::GraphFormat::Pdf;
    const Result<> written = ReplaceFileContents(path, ui::GraphFileBytes(content, format, kGraphWidth, kGraphHeight));
    if (!written)
        throw OutputFailure{"cannot write " + Quoted(path) + ": " + written.fault().reason};
}

// The options timeline and graph share: the natal chart, the period, the movers and targets.
void AddPeriodOptions(CLI::App& command, TimelineArgs& args, const std::string& name)
{
    args.report.command = name;
    AddChartOptions(command, args.report.charts, ChartOptions::NatalOnly);
    command.get_option("--natal")->required();
    AddText(command, "--from", args.from, "DATE", "the first day of the period, d/m/yyyy of the Buddhist era")
        ->required();
    AddText(command, "--to", args.to, "DATE", "the last day of the period (included), at most ten years on")
        ->required();
    AddChoice(command, "--movers", args.movers, {"transit", "directed", "both"},
              "--movers must be transit, directed or both",
              "the moving factors: transit Sun to Poseidon (default), the solar-arc directed factors, or both");
    AddChoice(command, "--targets", args.targets, {"factors", "midpoints"}, "--targets must be factors or midpoints",
              "the natal points: the factors (default) or every midpoint of two factors");
}

} // namespace

void AddTimelineCommands(CLI::App& app, CommandTable& table, Context& context)
{
    auto list = std::make_shared<TimelineArgs>();
    CLI::App* command = table.Add(app, "timeline", "the moments movers reach the natal points within a period",
                                  [list, &context] { PrintTimingList(*list, context); });
    AddPeriodOptions(*command, *list, "timeline");
    AddAngleOptions(*command, list->report);
    AddChoice(*command, "--format", list->format, {"text", "csv", "ics"}, "--format must be text, csv or ics",
              "text: the saved report's lines (default); csv: with the moments in UTC; ics: an iCalendar file");

    auto graph = std::make_shared<TimelineArgs>();
    command = table.Add(app, "graph", "the graphic ephemeris of a period as an SVG, PNG or PDF file",
                        [graph, &context] { WriteGraph(*graph, context); });
    AddPeriodOptions(*command, *graph, "graph");
    AddChoice(*command, "--modulus", graph->modulus, {"360", "90", "45", "30", "22.5"},
              "--modulus must be 360, 90, 45, 30 or 22.5", "the degrees the graph spans upward (default 45)");
    AddText(*command, "--svg", graph->svg, "FILE", "the picture as SVG, replaced only once it is written whole");
    AddText(*command, "--png", graph->png, "FILE", "the picture as PNG, replaced only once it is written whole");
    AddText(*command, "--pdf", graph->pdf, "FILE", "the picture on an A4 page, replaced only once it is written whole");
}

} // namespace nemra::cli
