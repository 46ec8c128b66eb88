#include "ChartCommand.h"

#include "AspectList.h"
#include "ChartRecord.h"
#include "DialIndex.h"
#include "FactorCatalogue.h"
#include "HitSearch.h"
#include "HouseReportFlow.h"
#include "Placement.h"
#include "PositionsExport.h"
#include "ReportFile.h"
#include "Session.h"
#include "SolarArcTable.h"
#include "ThaiText.h"
#include "WinDeg.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace nemra::cli {
namespace {

constexpr const char* kUsage =
    "usage: nemra-chart positions --natal 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]'"
    " [--axis 360|180] [--mean-node] [--format tsv|text]\n"
    "       nemra-chart positions --natal CHART [--transit CHART] --format file [--tab 0|1] [--axis 360|180]"
    " [--mean-node] [--cp874]\n"
    "       nemra-chart aspects --natal CHART [--transit CHART] --mode 1..5 [--base 45]"
    " [--orb 1.00] [--arc 1..3] [--axis 360|180] [--mean-node] [--cp874]\n"
    "       nemra-chart solar-arc --natal CHART [--cp874]\n"
    "       nemra-chart arcs --natal CHART --transit CHART [--axis 360|180] [--mean-node]\n"
    "       nemra-chart signs --natal CHART [--transit CHART] [--show 0|1|2] [--cp874]\n"
    "       nemra-chart houses --natal CHART [--transit CHART] --factor 1..21 [--chart 1|2]"
    " [--show 0|1|2] [--cp874]\n"
    "       nemra-chart hits --natal CHART [--transit CHART] INDEX --target 1..8 [--base 45]"
    " [--orb 1.00] [--kinds 11100000] [--sort orb|factor] [--axis 360|180] [--mean-node]"
    " [--cp874]\n"
    "         INDEX: --index-mid SOURCE,A[,B][,r] | --index-sens KIND,SOURCE,A,B,C | --index-mc"
    " | --index-user 'NAME,SIGN,DEG,MIN'";

// Ends the one line that refuses bad arguments.
constexpr const char* kSeeHelp = " (nemra-chart --help lists the commands)";

// How much of a text a message quotes, in characters.
constexpr std::size_t kQuotedChars = 40;

// The length in bytes of the UTF-8 character that `text` starts with; 0 when its first
// bytes are no character.
std::size_t CharLength(std::string_view text)
{
    for (std::size_t n = 1; n <= 4 && n <= text.size(); ++n)
        if (IsValidUtf8(text.substr(0, n)))
            return n;
    return 0;
}

// A control character: C0, DEL, or C1 (U+0080..U+009F, in UTF-8 C2 80..C2 9F).
bool IsControl(std::string_view character)
{
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return first < 0x20 || first == 0x7F;
    return character.size() == 2 && first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

// One byte as a message writes it when it may not stand as it is: \n, \r, \t, \\ or \xHH.
std::string Escape(unsigned char byte)
{
    switch (byte) {
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    case '\\':
        return "\\\\";
    default: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", byte);
        return hex;
    }
    }
}

// A text as a message quotes it: in single quotes, at most kQuotedChars characters and then
// "...", with control characters, backslashes and bytes that are no UTF-8 written as
// escapes, so that a message stays one short line of plain text.
std::string Quoted(std::string_view text)
{
    std::string quoted = "'";
    for (std::size_t chars = 0; !text.empty(); ++chars) {
        if (chars == kQuotedChars) {
            quoted += "...";
            break;
        }
        const std::size_t length = CharLength(text);
        const std::string_view character = text.substr(0, length == 0 ? 1 : length);
        if (length != 0 && !IsControl(character) && character != "\\") {
            quoted += character;
        } else {
            for (const char byte : character)
                quoted += Escape(static_cast<unsigned char>(byte));
        }
        text.remove_prefix(character.size());
    }
    return quoted + "'";
}

// Why a text may not be copied into the output: a control character (a line break would
// break the CR LF lines of a file, an escape sequence would reach the terminal) or bytes
// that are no UTF-8; nothing for plain text.
std::optional<std::string> TextFault(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = CharLength(text);
        if (length == 0)
            return "bytes that are not UTF-8";
        if (IsControl(text.substr(0, length)))
            return "a control character";
        text.remove_prefix(length);
    }
    return std::nullopt;
}

std::vector<std::string> SplitFields(const std::string& text)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(text);
    while (std::getline(in, field, ','))
        fields.push_back(field);
    if (!text.empty() && text.back() == ',')
        fields.emplace_back();
    return fields;
}

// Options of the form --key value or --flag, in any order after the command.
struct Options {
    std::map<std::string, std::string> values;
    std::vector<std::string> flags;
    bool Has(const std::string& flag) const
    {
        for (const auto& f : flags)
            if (f == flag)
                return true;
        return false;
    }
};

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error)
{
    static const std::vector<std::string> kValued = {
        "--natal", "--transit", "--axis",      "--format",     "--mode",       "--base",
        "--orb",   "--arc",     "--factor",    "--chart",      "--show",       "--target",
        "--kinds", "--sort",    "--index-mid", "--index-sens", "--index-user", "--tab"};
    static const std::vector<std::string> kFlags = {"--mean-node", "--cp874", "--index-mc"};
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool known = false;
        for (const auto& key : kValued)
            if (arg == key) {
                if (i + 1 >= args.size()) {
                    error = arg + " needs a value";
                    return false;
                }
                options.values[arg] = args[++i];
                known = true;
            }
        for (const auto& flag : kFlags)
            if (arg == flag) {
                options.flags.push_back(arg);
                known = true;
            }
        if (!known) {
            error = "unknown option " + Quoted(arg);
            return false;
        }
    }
    return true;
}

std::string Fixed7(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.7f", value);
    return buf;
}

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

int PositionsFile(const Options& options, std::ostream& out, std::ostream& err);

int Positions(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto natal = options.values.find("--natal");
    if (natal == options.values.end()) {
        err << "nemra-chart: positions needs --natal\n";
        return 2;
    }
    std::string error;
    const auto input = ParseChartArgument(natal->second, error);
    if (!input) {
        err << "nemra-chart: --natal: " << error << '\n';
        return 2;
    }
    CastOptions cast;
    cast.trueNode = !options.Has("--mean-node");
    if (const auto axis = options.values.find("--axis"); axis != options.values.end()) {
        if (axis->second != "360" && axis->second != "180") {
            err << "nemra-chart: --axis must be 360 or 180\n";
            return 2;
        }
        cast.axis = axis->second == "360" ? 360 : 180;
    }
    std::string format = "tsv";
    if (const auto f = options.values.find("--format"); f != options.values.end())
        format = f->second;
    if (format == "file")
        return PositionsFile(options, out, err);
    if (format != "tsv" && format != "text") {
        err << "nemra-chart: --format must be tsv, text or file\n";
        return 2;
    }
    TChartRecord rec;
    rec.Input = *input;
    CastChart(rec, cast);
    if (format == "tsv")
        PrintTsv(rec, out);
    else
        PrintText(rec, out);
    return 0;
}

// The switches of the cast shared by the chart commands; false after a message on `err`.
bool ReadCastSwitches(const Options& options, MainSession& session, std::ostream& err)
{
    session.TrueNodeChecked = !options.Has("--mean-node");
    if (const auto axis = options.values.find("--axis"); axis != options.values.end()) {
        if (axis->second != "360" && axis->second != "180") {
            err << "nemra-chart: --axis must be 360 or 180\n";
            return false;
        }
        session.FAxis = axis->second == "360" ? 360 : 180;
    }
    return true;
}

// Casts the natal chart and, when given or `transitRequired`, the transit chart (which
// forms the arcs) into `session`; false after a message on `err`.
bool CastSessionCharts(const Options& options, const std::string& command, bool transitRequired, MainSession& session,
                       std::ostream& err)
{
    if (!ReadCastSwitches(options, session, err))
        return false;
    const auto natal = options.values.find("--natal");
    const auto transit = options.values.find("--transit");
    if (natal == options.values.end() || (transitRequired && transit == options.values.end())) {
        err << "nemra-chart: " << command << " needs --natal" << (transitRequired ? " and --transit" : "") << '\n';
        return false;
    }
    std::string error;
    const auto natalInput = ParseChartArgument(natal->second, error);
    if (!natalInput) {
        err << "nemra-chart: --natal: " << error << '\n';
        return false;
    }
    CastNatal(session, *natalInput);
    if (transit == options.values.end())
        return true;
    const auto transitInput = ParseChartArgument(transit->second, error);
    if (!transitInput) {
        err << "nemra-chart: --transit: " << error << '\n';
        return false;
    }
    CastTransit(session, *transitInput);
    return true;
}

// A whole-number option within [low, high], `fallback` when it is not given.
std::optional<int> IntOption(const Options& options, const std::string& key, int low, int high, int fallback,
                             std::ostream& err)
{
    const auto it = options.values.find(key);
    if (it == options.values.end())
        return fallback;
    const auto value = ReadInt(it->second);
    if (!value || *value < low || *value > high) {
        err << "nemra-chart: " << key << " must be a whole number from " << low << " to " << high << '\n';
        return std::nullopt;
    }
    return *value;
}

// The base angles a report accepts, in degrees: the ones the report dialogs offer (90 down
// to 7.5, all within these bounds) and any other from half a degree to 180. A smaller base
// lists nearly every candidate, and one near zero hits the limits of the arithmetic.
constexpr double kSmallestBase = 0.5;
constexpr double kLargestBase = 180.0;

// The base angle in degrees.
std::optional<double> BaseOption(const Options& options, std::ostream& err)
{
    const auto it = options.values.find("--base");
    if (it == options.values.end())
        return 45.0;
    const auto value = ReadReal(it->second);
    if (!value || !(*value >= kSmallestBase && *value <= kLargestBase)) {
        err << "nemra-chart: --base must be degrees from 0.5 to 180 (the reports offer 90, 72, 45, 30, 22.5, 15"
               " and 7.5)\n";
        return std::nullopt;
    }
    return *value;
}

// The orb as the dialog offers it, degrees.minutes from 0.00 to 1.59, in degrees.
std::optional<double> OrbOption(const Options& options, std::ostream& err)
{
    const auto it = options.values.find("--orb");
    if (it == options.values.end())
        return 1.0;
    auto value = ReadReal(it->second);
    if (value && (*value < 0.0 || *value >= 2.0)) // out of range before it is turned into whole numbers
        value.reset();
    const double hundredths = value ? std::round(*value * 100.0) : -1.0;
    const int degrees = static_cast<int>(hundredths) / 100;
    const int minutes = static_cast<int>(hundredths) % 100;
    if (!value || hundredths < 0.0 || std::fabs(*value * 100.0 - hundredths) > 1e-6 || degrees > 1 || minutes > 59) {
        err << "nemra-chart: --orb must be degrees.minutes from 0.00 to 1.59\n";
        return std::nullopt;
    }
    return AspectOrbFor(degrees, minutes);
}

// The lines of a report file: UTF-8 with LF, or with --cp874 the file's own bytes.
void PrintReportLines(const std::vector<std::string>& lines, bool cp874, std::ostream& out)
{
    for (const auto& line : lines) {
        if (cp874)
            out << ToCp874(line) << "\r\n";
        else
            out << line << '\n';
    }
}

// The positions text file the main window writes: the grid of the chosen tab, the chart
// data and the arcs.
int PositionsFile(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto tab = IntOption(options, "--tab", 0, 1, 0, err);
    if (!tab)
        return 2;
    MainSession session;
    if (!CastSessionCharts(options, "positions", false, session, err))
        return 2;
    session.GridTab = *tab;
    PrintReportLines(PositionsTextLines(session, PositionsGridOf(session)), options.Has("--cp874"), out);
    return 0;
}

int Aspects(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.values.find("--mode") == options.values.end()) {
        err << "nemra-chart: aspects needs --mode 1..5\n";
        return 2;
    }
    const auto mode = IntOption(options, "--mode", 1, kAspectModeCount, 1, err);
    const auto arcKind = mode ? IntOption(options, "--arc", 1, kArcKindCount, 1, err) : std::nullopt;
    const auto base = arcKind ? BaseOption(options, err) : std::nullopt;
    const auto orb = base ? OrbOption(options, err) : std::nullopt;
    if (!orb)
        return 2;
    MainSession session;
    if (!CastSessionCharts(options, "aspects mode " + std::to_string(*mode), *mode != 1, session, err))
        return 2;
    const AspectListCharts charts{
        session.FNatal, session.FTransit, {session.FArc, session.FHalfArc, session.FDoubleArc}};
    PrintReportLines(AspectListFileLines(BuildAspectList(charts, {*mode, *base, *orb, *arcKind})),
                     options.Has("--cp874"), out);
    return 0;
}

int SolarArc(const Options& options, std::ostream& out, std::ostream& err)
{
    MainSession session;
    if (!CastSessionCharts(options, "solar-arc", false, session, err))
        return 2;
    const SolarArcNatal natal = SolarArcNatalOf(session.FNatal);
    PrintReportLines(SolarArcFileLines(natal, BuildSolarArcTable(natal)), options.Has("--cp874"), out);
    return 0;
}

// The radio-group item 0..2 of the placement reports (natal, transit, both): --show, or
// the item the dialog opens on. Without --transit only the natal chart can be shown.
std::optional<int> ShowOption(const Options& options, std::ostream& err)
{
    const bool transit = options.values.count("--transit") > 0;
    const auto opening = ChartChoiceOpeningFor(true, transit);
    const auto item = IntOption(options, "--show", 0, 2, opening.item, err);
    if (item && *item != opening.item && !opening.enabled) {
        err << "nemra-chart: --show " << *item << " needs --transit\n";
        return std::nullopt;
    }
    return item;
}

// The lines the placement dialog saves with radio-group item `item`.
void PrintPlacement(PlacementReport report, int item, bool cp874, std::ostream& out)
{
    ShowChartsOfItem(report, item);
    PrintReportLines(PlacementFileLines(PlacementCaption(report), BuildPlacementOutline(report)), cp874, out);
}

int Signs(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto item = ShowOption(options, err);
    MainSession session;
    if (!item || !CastSessionCharts(options, "signs", false, session, err))
        return 2;
    PrintPlacement(SignReportOf(session), *item, options.Has("--cp874"), out);
    return 0;
}

int Houses(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.values.count("--factor") == 0) {
        err << "nemra-chart: houses needs --factor 1..21\n";
        return 2;
    }
    const auto factor = IntOption(options, "--factor", kFirstPositionedFactor, kLastPositionedFactor, 1, err);
    const auto chart = factor ? IntOption(options, "--chart", 1, 2, 1, err) : std::nullopt;
    if (chart == 2 && options.values.count("--transit") == 0) {
        err << "nemra-chart: --chart 2 needs --transit\n";
        return 2;
    }
    const auto item = chart ? ShowOption(options, err) : std::nullopt;
    MainSession session;
    if (!item || !CastSessionCharts(options, "houses", false, session, err))
        return 2;
    SetHouseReportIndex(session, *factor, *chart);
    PrintPlacement(ShiftIndexToHouses(session, *factor), *item, options.Has("--cp874"), out);
    return 0;
}

int Arcs(const Options& options, std::ostream& out, std::ostream& err)
{
    MainSession session;
    if (!CastSessionCharts(options, "arcs", true, session, err))
        return 2;
    out << "arc\t" << Fixed7(session.FArc) << "\nhalfarc\t" << Fixed7(session.FHalfArc) << "\ndoublearc\t"
        << Fixed7(session.FDoubleArc) << "\ndailymeridian\t" << Fixed7(session.FDailyMeridian) << '\n';
    return 0;
}

// Whole numbers of a comma-separated text, each within its range; nothing after a
// message on `err` when the count or a value is wrong.
std::optional<std::vector<int>> IntFields(const std::vector<std::string>& fields,
                                          const std::vector<std::pair<int, int>>& ranges, const std::string& key,
                                          std::ostream& err)
{
    std::vector<int> values;
    for (std::size_t i = 0; i < fields.size() && i < ranges.size(); ++i) {
        const auto value = ReadInt(fields[i]);
        if (!value || *value < ranges[i].first || *value > ranges[i].second)
            break;
        values.push_back(*value);
    }
    if (fields.size() != ranges.size() || values.size() != ranges.size()) {
        err << "nemra-chart: " << key << ": expected " << ranges.size() << " whole numbers within their ranges, got "
            << Quoted(JoinFields(fields)) << '\n';
        return std::nullopt;
    }
    return values;
}

constexpr std::pair<int, int> kFactorRange = {0, kPoseidon};

// --index-mid SOURCE,A[,B][,r]: a factor or a midpoint, optionally reflected.
std::optional<MidpointChoice> MidpointIndexOption(const std::string& text, std::ostream& err)
{
    std::vector<std::string> fields = SplitFields(text);
    const bool reflect = !fields.empty() && fields.back() == "r";
    if (reflect)
        fields.pop_back();
    std::vector<std::pair<int, int>> ranges = {{kMidNatal, kMidV2Double}, kFactorRange};
    if (fields.size() == 3)
        ranges.push_back(kFactorRange);
    const auto values = IntFields(fields, ranges, "--index-mid", err);
    if (!values)
        return std::nullopt;
    const bool usePair = values->size() == 3;
    if ((*values)[0] == kMidNatalTransit && !usePair) {
        err << "nemra-chart: --index-mid: source 5 takes a midpoint of two factors\n";
        return std::nullopt;
    }
    return MidpointChoice{(*values)[0], (*values)[1], usePair ? (*values)[2] : 0, usePair, reflect};
}

// --index-sens KIND,SOURCE,A,B,C.
std::optional<SensitiveChoice> SensitiveIndexOption(const std::string& text, std::ostream& err)
{
    const auto values = IntFields(
        SplitFields(text), {{1, kSensKindCount}, {kSensNatal, kSensV2Double}, kFactorRange, kFactorRange, kFactorRange},
        "--index-sens", err);
    if (!values)
        return std::nullopt;
    return SensitiveChoice{(*values)[0], (*values)[1], (*values)[2], (*values)[3], (*values)[4]};
}

// --index-user 'NAME,SIGN,DEG,MIN': the name may itself hold commas.
std::optional<UserPointChoice> UserIndexOption(const std::string& text, std::ostream& err)
{
    const std::vector<std::string> fields = SplitFields(text);
    if (fields.size() < 4) {
        err << "nemra-chart: --index-user: expected 'NAME,SIGN,DEG,MIN'\n";
        return std::nullopt;
    }
    const std::vector<std::string> numbers(fields.end() - 3, fields.end());
    const auto values = IntFields(numbers, {{0, 11}, {0, 29}, {0, 59}}, "--index-user", err);
    if (!values)
        return std::nullopt;
    const std::string name = JoinFields({fields.begin(), fields.end() - 3});
    if (const auto fault = TextFault(name)) {
        err << "nemra-chart: --index-user: " << *fault << " in the name " << Quoted(name) << '\n';
        return std::nullopt;
    }
    return UserPointChoice{name, (*values)[0], (*values)[1], (*values)[2]};
}

// A source other than the natal chart needs the transit chart; false after a message.
bool SourceCast(bool needsTransit, bool transitCast, const std::string& key, std::ostream& err)
{
    if (needsTransit && !transitCast)
        err << "nemra-chart: " << key << ": this source needs --transit\n";
    return !needsTransit || transitCast;
}

// Sets the dial index named by the one INDEX option as the dial would; false after a
// message on `err`.
bool SetIndexFromOptions(const Options& options, MainSession& session, std::ostream& err)
{
    const auto mid = options.values.find("--index-mid");
    const auto sens = options.values.find("--index-sens");
    const auto user = options.values.find("--index-user");
    const bool mc = options.Has("--index-mc");
    const int given = (mid != options.values.end() ? 1 : 0) + (sens != options.values.end() ? 1 : 0)
                      + (user != options.values.end() ? 1 : 0) + (mc ? 1 : 0);
    if (given != 1) {
        err << "nemra-chart: hits needs exactly one of --index-mid, --index-sens, --index-mc, --index-user\n";
        return false;
    }
    const bool transit = session.FTransit.Computed;
    if (mid != options.values.end()) {
        const auto choice = MidpointIndexOption(mid->second, err);
        if (!choice || !SourceCast(choice->source != kMidNatal, transit, "--index-mid", err))
            return false;
        SetMidpointIndex(session, *choice);
    } else if (sens != options.values.end()) {
        const auto choice = SensitiveIndexOption(sens->second, err);
        if (!choice || !SourceCast(choice->source != kSensNatal, transit, "--index-sens", err))
            return false;
        SetSensitiveIndex(session, *choice);
    } else if (user != options.values.end()) {
        const auto choice = UserIndexOption(user->second, err);
        if (!choice)
            return false;
        SetUserIndex(session, *choice);
    } else {
        if (!SourceCast(true, transit, "--index-mc", err))
            return false;
        SetDailyMeridianIndex(session);
    }
    return true;
}

// --kinds: eight 0/1 switches for the kinds of hit point 1..8.
std::optional<std::array<bool, kHitKindCount>> KindsOption(const Options& options, std::ostream& err)
{
    const auto it = options.values.find("--kinds");
    if (it == options.values.end())
        return kDefaultHitKinds;
    std::array<bool, kHitKindCount> kinds{};
    bool valid = it->second.size() == kinds.size();
    for (std::size_t i = 0; valid && i < kinds.size(); ++i) {
        valid = it->second[i] == '0' || it->second[i] == '1';
        kinds[i] = it->second[i] == '1';
    }
    if (!valid) {
        err << "nemra-chart: --kinds must be eight digits 0 or 1\n";
        return std::nullopt;
    }
    return kinds;
}

// --sort orb|factor: by deviation, else in the order of the search.
std::optional<bool> SortByOrbOption(const Options& options, std::ostream& err)
{
    const auto it = options.values.find("--sort");
    if (it == options.values.end())
        return false;
    if (it->second != "orb" && it->second != "factor") {
        err << "nemra-chart: --sort must be orb or factor\n";
        return std::nullopt;
    }
    return it->second == "orb";
}

int Hits(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.values.find("--target") == options.values.end()) {
        err << "nemra-chart: hits needs --target 1..8\n";
        return 2;
    }
    const auto target = IntOption(options, "--target", kLayerNatal, kLayerV2Double, kLayerNatal, err);
    const auto base = target ? BaseOption(options, err) : std::nullopt;
    const auto orb = base ? OrbOption(options, err) : std::nullopt;
    const auto kinds = orb ? KindsOption(options, err) : std::nullopt;
    const auto sortByOrb = kinds ? SortByOrbOption(options, err) : std::nullopt;
    if (!sortByOrb)
        return 2;
    MainSession session;
    if (!CastSessionCharts(options, "hits", false, session, err) || !SetIndexFromOptions(options, session, err))
        return 2;
    const ReportSnapshot snapshot = MakeReportSnapshot(session);
    if (!TargetLayerOffered(snapshot, *target)) {
        err << "nemra-chart: --target " << *target << " is not offered for this index and these charts\n";
        return 2;
    }
    const HitReport report = SearchHits(snapshot, {*target, *base, *orb, *kinds, *sortByOrb});
    PrintReportLines(HitReportFileLines(snapshot, *target, report), options.Has("--cp874"), out);
    return 0;
}

} // namespace

std::optional<TChartInput> ParseChartArgument(const std::string& text, std::string& error)
{
    const auto fields = SplitFields(text);
    if (fields.size() < 5 || fields.size() > 7) {
        error = "expected 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]'";
        return std::nullopt;
    }
    static constexpr const char* kFieldNames[] = {"date", "time", "zone", "latitude", "longitude", "name", "place"};
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (const auto fault = TextFault(fields[i])) {
            error = *fault + " in the " + kFieldNames[i] + " " + Quoted(fields[i]);
            return std::nullopt;
        }
    TChartInput input;
    input.Date = fields[0];
    input.Time = fields[1];
    input.TimeZone = fields[2];
    input.Latitude = fields[3];
    input.Longitude = fields[4];
    input.Name = fields.size() > 5 ? fields[5] : "";
    input.Place = fields.size() > 6 ? fields[6] : "";
    static constexpr std::size_t kFieldIndex[] = {0, 1, 2, 3, 4};
    const std::string_view given[] = {fields[0], fields[1], fields[2], fields[3], fields[4]};
    if (const auto fault = CheckChartInput(input)) {
        const auto index = kFieldIndex[static_cast<std::size_t>(fault->field)];
        error = "bad " + std::string(FieldKey(fault->field)) + " " + Quoted(given[index]);
        return std::nullopt;
    }
    // A text longer than its field was cut; the cut text may still read as another value.
    if (CharCount(fields[0]) > decltype(input.Date)::capacity || CharCount(fields[1]) > decltype(input.Time)::capacity
        || CharCount(fields[2]) > decltype(input.TimeZone)::capacity
        || CharCount(fields[3]) > decltype(input.Latitude)::capacity
        || CharCount(fields[4]) > decltype(input.Longitude)::capacity) {
        error = "a field is longer than the chart input holds";
        return std::nullopt;
    }
    return input;
}

int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kUsage << '\n';
        return args.empty() ? 2 : 0;
    }
    Options options;
    std::string error;
    if (!ParseOptions(args, options, error)) {
        err << "nemra-chart: " << error << kSeeHelp << '\n';
        return 2;
    }
    if (args[0] == "positions")
        return Positions(options, out, err);
    if (args[0] == "aspects")
        return Aspects(options, out, err);
    if (args[0] == "solar-arc")
        return SolarArc(options, out, err);
    if (args[0] == "arcs")
        return Arcs(options, out, err);
    if (args[0] == "signs")
        return Signs(options, out, err);
    if (args[0] == "houses")
        return Houses(options, out, err);
    if (args[0] == "hits")
        return Hits(options, out, err);
    err << "nemra-chart: unknown command " << Quoted(args[0]) << kSeeHelp << '\n';
    return 2;
}

} // namespace nemra::cli
