// hits: the hit points of a dial index, as the hit-point report saves them.
#include "tools/nemra-chart/Reports.h"

#include "dials/model/DialIndex.h"
#include "mainwin/model/ReportAdapters.h"
#include "reports/model/ReportFile.h"

namespace nemra::cli {
namespace {

// Whole numbers of a comma-separated text, each within its range; refused when the count or
// a value is wrong.
std::vector<int> IntFields(const std::vector<std::string>& fields, const std::vector<std::pair<int, int>>& ranges,
                           const std::string& key)
{
    std::vector<int> values;
    for (std::size_t i = 0; i < fields.size() && i < ranges.size(); ++i) {
        const auto value = ReadInt(fields[i]);
        if (!value || *value < ranges[i].first || *value > ranges[i].second)
            break;
        values.push_back(*value);
    }
    if (fields.size() != ranges.size() || values.size() != ranges.size())
        Refuse(key + ": expected " + std::to_string(ranges.size()) + " whole numbers within their ranges, got "
               + Quoted(JoinFields(fields)));
    return values;
}

constexpr std::pair<int, int> kFactorRange = {0, kPoseidon};

// --index-mid SOURCE,A[,B][,r]: a factor or a midpoint, optionally reflected.
MidpointChoice MidpointIndexOption(const std::string& text)
{
    std::vector<std::string> fields = SplitFields(text);
    const bool reflect = !fields.empty() && fields.back() == "r";
    if (reflect)
        fields.pop_back();
    std::vector<std::pair<int, int>> ranges = {{kMidNatal, kMidV2Double}, kFactorRange};
    if (fields.size() == 3)
        ranges.push_back(kFactorRange);
    const auto values = IntFields(fields, ranges, "--index-mid");
    const bool usePair = values.size() == 3;
    if (values[0] == kMidNatalTransit && !usePair)
        Refuse("--index-mid: source 5 takes a midpoint of two factors");
    return MidpointChoice{values[0], values[1], usePair ? values[2] : 0, usePair, reflect};
}

// --index-sens KIND,SOURCE,A,B,C.
SensitiveChoice SensitiveIndexOption(const std::string& text)
{
    const auto values = IntFields(
        SplitFields(text), {{1, kSensKindCount}, {kSensNatal, kSensV2Double}, kFactorRange, kFactorRange, kFactorRange},
        "--index-sens");
    return SensitiveChoice{values[0], values[1], values[2], values[3], values[4]};
}

// --index-user 'NAME,SIGN,DEG,MIN': the name may itself hold commas.
UserPointChoice UserIndexOption(const std::string& text)
{
    const std::vector<std::string> fields = SplitFields(text);
    if (fields.size() < 4)
        Refuse("--index-user: expected 'NAME,SIGN,DEG,MIN'");
    const std::vector<std::string> numbers(fields.end() - 3, fields.end());
    const auto values = IntFields(numbers, {{0, 11}, {0, 29}, {0, 59}}, "--index-user");
    const std::string name = JoinFields({fields.begin(), fields.end() - 3});
    if (const auto check = CheckArgumentText(name); !check)
        Refuse("--index-user: " + check.fault().reason + " in the name " + Quoted(name));
    return UserPointChoice{name, values[0], values[1], values[2]};
}

// A source other than the natal chart needs the transit chart.
void NeedsTransit(bool needsTransit, bool transitCast, const std::string& key)
{
    if (needsTransit && !transitCast)
        Refuse(key + ": this source needs --transit");
}

// Sets the dial index named by the one INDEX option as the dial would.
void SetIndex(const ReportArgs& args, MainSession& session)
{
    const int given =
        (args.indexMid ? 1 : 0) + (args.indexSens ? 1 : 0) + (args.indexUser ? 1 : 0) + (args.indexMc ? 1 : 0);
    if (given != 1)
        Refuse(args.command + " needs exactly one of --index-mid, --index-sens, --index-mc, --index-user");
    const bool transit = session.FTransit.Computed;
    if (args.indexMid) {
        const auto choice = MidpointIndexOption(*args.indexMid);
        NeedsTransit(choice.source != kMidNatal, transit, "--index-mid");
        SetMidpointIndex(session, choice);
    } else if (args.indexSens) {
        const auto choice = SensitiveIndexOption(*args.indexSens);
        NeedsTransit(choice.source != kSensNatal, transit, "--index-sens");
        SetSensitiveIndex(session, choice);
    } else if (args.indexUser) {
        SetUserIndex(session, UserIndexOption(*args.indexUser));
    } else {
        NeedsTransit(true, transit, "--index-mc");
        SetDailyMeridianIndex(session);
    }
}

} // namespace

void AddHitOptions(CLI::App& app, ReportArgs& args, bool targetRequired)
{
    AddWhole(app, "--target", args.target, kLayerNatal, kLayerV2Double,
             "the layer searched: 1 natal, 2 transit, 3 V1, 4 V2, 5 V1 half, 6 V2 half, 7 V1 double, 8 V2 double")
        ->required(targetRequired);
    app.add_option_function<std::string>(
           "--kinds",
           [&args](const std::string& text) {
               bool valid = text.size() == args.kinds.size();
               for (std::size_t i = 0; valid && i < args.kinds.size(); ++i) {
                   valid = text[i] == '0' || text[i] == '1';
                   args.kinds[i] = text[i] == '1';
               }
               if (!valid)
                   Refuse("--kinds must be eight digits 0 or 1");
           },
           "eight switches 0 or 1 for the kinds of hit point: factor, reflection, A/B, -(A/B), A+B-C, A+B+C, A-B-C, "
           "A/B//C (default 11100000)")
        ->type_name("BITS");
    app.add_option_function<std::string>(
           "--sort",
           [&args](const std::string& text) {
               if (text != "orb" && text != "factor")
                   Refuse("--sort must be orb or factor");
               args.sortByOrb = text == "orb";
           },
           "orb: by deviation; factor: in the order of the search (default)")
        ->type_name("orb|factor");
    AddText(app, "--index-mid", args.indexMid, "SOURCE,A[,B][,r]",
            "INDEX: a factor or midpoint; sources 3..11, factors 0..21, r reflects");
    AddText(app, "--index-sens", args.indexSens, "KIND,SOURCE,A,B,C",
            "INDEX: a sensitive point; kinds 1..6, sources 7..14, factors 0..21");
    AddSwitch(app, "--index-mc", args.indexMc, "INDEX: the daily meridian (needs --transit)");
    AddText(app, "--index-user", args.indexUser, "'NAME,SIGN,DEG,MIN'",
            "INDEX: a point of your own; sign 0..11, degrees 0..29, minutes 0..59");
}

HitsReport HitPointsReport(const ReportArgs& args, const Context& context)
{
    if (!args.target)
        Refuse(args.command + " needs --target 1..8");
    MainSession session;
    CastCharts(args.charts, args.command, false, session, context);
    SetIndex(args, session);
    HitsReport hits{MakeReportSnapshot(session), ChartLayerOf(*args.target), {}};
    if (!TargetLayerOffered(hits.snapshot, hits.target))
        Refuse("--target " + std::to_string(hits.target) + " is not offered for this index and these charts");
    hits.report = SearchHits(hits.snapshot, {hits.target, args.base, args.orb, args.kinds, args.sortByOrb});
    return hits;
}

void AddHitsCommand(CLI::App& app, CommandTable& table, Context& context)
{
    auto args = std::make_shared<ReportArgs>();
    args->command = "hits";
    CLI::App* command =
        table.Add(app, "hits", "the hit points of a dial index, as the hit-point report saves them", [args, &context] {
            const HitsReport hits = HitPointsReport(*args, context);
            auto lines = HitReportFileLines(hits.snapshot, hits.target, hits.report);
            if (args->book)
                lines = WithBookTexts(std::move(lines), hits, args->charts.library, context);
            PrintReportLines(lines, args->cp874, context.out);
        });
    AddChartOptions(*command, args->charts, ChartOptions::NatalAndTransit);
    command->get_option("--natal")->required();
    AddHitOptions(*command, *args, true);
    AddAngleOptions(*command, *args);
    AddCp874Option(*command, *args);
    AddSwitch(*command, "--book", args->book, "adds the formula book's entry of each hit as a fifth field");
}

} // namespace nemra::cli
