// The texts the commands read and write (a CHART, a quoted text in a message) and the one
// step that reads and casts the charts of a command, stored charts included.
#include "tools/nemra-chart/Cli.h"

#include "core/ChartRecord.h"
#include "core/ThaiText.h"
#include "reports/model/ReportFile.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <sstream>

namespace nemra::cli {
namespace {

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

// A whole id: digits only, within the range of an id.
std::optional<std::int64_t> ReadId(const std::string& text)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoll(text);
}

} // namespace

[[noreturn]] void Refuse(std::string message)
{
    throw Refusal{std::move(message)};
}

std::string Escaped(std::string_view text, std::size_t maxChars)
{
    std::string quoted;
    for (std::size_t chars = 0; !text.empty(); ++chars) {
        if (chars == maxChars) {
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
    return quoted;
}

std::string Quoted(std::string_view text)
{
    return "'" + Escaped(text, kQuotedChars) + "'";
}

Result<> CheckArgumentText(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = CharLength(text);
        if (length == 0)
            return Fault{"bytes that are not UTF-8"};
        if (IsControl(text.substr(0, length)))
            return Fault{"a control character"};
        text.remove_prefix(length);
    }
    return {};
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

Result<TChartInput> ParseChartArgument(const std::string& text)
{
    auto fields = SplitFields(text);
    if (fields.size() < 5)
        return Fault{"expected 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]'"};
    // The place, last, takes the rest of the text, commas included, as a written place does.
    if (fields.size() > 7) {
        std::vector<std::string> place(fields.begin() + 6, fields.end());
        fields.resize(6);
        fields.push_back(JoinFields(place));
    }
    static constexpr const char* kFieldNames[] = {"date", "time", "zone", "latitude", "longitude", "name", "place"};
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (const auto check = CheckArgumentText(fields[i]); !check)
            return Fault{check.fault().reason + " in the " + kFieldNames[i] + " " + Quoted(fields[i])};
    TChartInput input;
    input.Date = fields[0];
    input.Time = fields[1];
    input.TimeZone = fields[2];
    input.Latitude = fields[3];
    input.Longitude = fields[4];
    input.Name = fields.size() > 5 ? fields[5] : "";
    input.Place = fields.size() > 6 ? fields[6] : "";
    const std::string_view given[] = {fields[0], fields[1], fields[2], fields[3], fields[4]};
    if (const auto check = CheckInputTexts(input); !check)
        return Fault{"bad " + std::string(FieldKey(check.fault().field)) + " "
                     + Quoted(given[static_cast<std::size_t>(check.fault().field)])};
    // A text longer than its field was cut; the cut text may still read as another value.
    if (CharCount(fields[0]) > decltype(input.Date)::capacity || CharCount(fields[1]) > decltype(input.Time)::capacity
        || CharCount(fields[2]) > decltype(input.TimeZone)::capacity
        || CharCount(fields[3]) > decltype(input.Latitude)::capacity
        || CharCount(fields[4]) > decltype(input.Longitude)::capacity)
        return Fault{"a field is longer than the chart input holds"};
    return input;
}

std::string ChartText(const TChartInput& input)
{
    const std::string name = input.Name.str();
    if (name.find(',') != std::string::npos)
        Refuse("the name " + Quoted(name) + " holds a comma, which a CHART text cannot carry");
    return JoinFields({input.Date.str(), input.Time.str(), input.TimeZone.str(), input.Latitude.str(),
                       input.Longitude.str(), name, input.Place.str()});
}

CivilTime ReadLocalTime(const std::string& dateOption, const std::string& date, const std::string& timeOption,
                        const std::string& time)
{
    for (const auto& [option, text] : {std::pair{&dateOption, &date}, std::pair{&timeOption, &time}})
        if (const auto check = CheckArgumentText(*text); !check)
            Refuse(*option + ": " + check.fault().reason + " in " + Quoted(*text));
    // The texts read as a chart's at zone 0 of a place the check accepts.
    TChartInput input;
    input.Date = date;
    input.Time = time;
    input.TimeZone = "0.00H";
    input.Latitude = "0.00N";
    input.Longitude = "0.00E";
    const auto check = CheckInputTexts(input);
    const bool dateCut = CharCount(date) > decltype(input.Date)::capacity;
    if (dateCut || (!check && check.fault().field == ChartInputField::Date))
        Refuse(dateOption + ": expected a date d/m/yyyy of the Buddhist era, got " + Quoted(date));
    if (!check || CharCount(time) > decltype(input.Time)::capacity)
        Refuse(timeOption + ": expected a clock time H.MM or HH.MM.SS, got " + Quoted(time));
    return LocalTimeOf(*MomentOf(input), 0);
}

std::string Fixed7(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.7f", value);
    return buf;
}

void PrintReportLines(const std::vector<std::string>& lines, bool cp874, std::ostream& out)
{
    for (const auto& line : lines) {
        if (cp874)
            out << ToCp874(line) << "\r\n";
        else
            out << line << '\n';
    }
}

// ---------------------------------------------------------------- the library

void AddLibraryOption(CLI::App& app, LibraryArgs& args)
{
    AddText(app, "--db", args.db, "PATH",
            "the chart library's file (else $NEMRA_CHART_DB, else $XDG_DATA_HOME/nemra/charts.sqlite)");
}

ChartStore OpenLibrary(const LibraryArgs& args, const Context& context, LibraryUse use)
{
    const std::optional<std::filesystem::path> given =
        args.db ? std::optional<std::filesystem::path>(*args.db) : std::nullopt;
    const std::filesystem::path path = ChartDatabasePath(given, context.environment);
    std::error_code ec;
    if (use == LibraryUse::Read && !path.empty() && !std::filesystem::exists(path, ec))
        Refuse("no chart library at " + Quoted(path.string()));
    auto store = ChartStore::Open(path);
    if (!store)
        RefuseFault(store.fault());
    return std::move(*store);
}

StoredChart FindStoredChart(const ChartStore& store, const std::string& key, const std::string& option)
{
    std::optional<std::int64_t> id = ReadId(key);
    if (!id) {
        const auto ids = store.IdsNamed(key);
        if (!ids)
            RefuseFault(ids.fault());
        if (ids->empty())
            Refuse(option + ": no stored chart is named " + Quoted(key));
        if (ids->size() > 1)
            Refuse(option + ": " + std::to_string(ids->size()) + " stored charts are named " + Quoted(key)
                   + "; give @ID (nemra-chart charts list --search lists them)");
        id = ids->front();
    }
    auto stored = store.Get(*id);
    if (!stored && stored.fault().kind == StoreFaultKind::NotFound)
        Refuse(option + ": no stored chart has the id " + key);
    if (!stored)
        RefuseFault(stored.fault());
    return std::move(*stored);
}

[[noreturn]] void RefuseFault(const StoreFault& fault)
{
    // The reason names the file and gives the system's words; it stays one line.
    Refuse(Escaped(fault.reason, std::string::npos));
}

// ---------------------------------------------------------------- the charts

void AddChartOptions(CLI::App& app, ChartArgs& args, ChartOptions which, bool castSwitches)
{
    const std::string chart = "CHART";
    AddText(app, "--natal", args.natal, chart,
            "the natal chart: 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]', or @ID or @NAME of a stored chart");
    if (which == ChartOptions::NatalAndTransit)
        AddText(app, "--transit", args.transit, chart, "the transit chart, written as --natal");
    if (castSwitches) {
        app.add_option_function<std::string>(
               "--axis",
               [&args](const std::string& text) {
                   if (text != "360" && text != "180")
                       Refuse("--axis must be 360 or 180");
                   args.axis = text == "360" ? 360 : 180;
               },
               "the reflection axis: 360 Aries-Libra (default) or 180 Cancer-Capricorn")
            ->type_name("360|180");
        AddSwitch(app, "--mean-node", args.meanNode, "the mean node instead of the true node");
    }
    AddLibraryOption(app, args.library);
}

TChartInput ReadChartOption(const std::string& option, const std::string& text, const LibraryArgs& library,
                            const Context& context)
{
    if (text.empty() || text.front() != '@') {
        const auto input = ParseChartArgument(text);
        if (!input)
            Refuse(option + ": " + input.fault().reason);
        return *input;
    }
    const std::string key = text.substr(1);
    if (const auto check = CheckArgumentText(key); !check)
        Refuse(option + ": " + check.fault().reason + " in " + Quoted(text));
    return FindStoredChart(OpenLibrary(library, context, LibraryUse::Read), key, option).chart.input;
}

TChartInput NatalInput(const ChartArgs& args, const std::string& command, const Context& context)
{
    if (!args.natal)
        Refuse(command + " needs --natal");
    return ReadChartOption("--natal", *args.natal, args.library, context);
}

CastOptions CastSwitches(const ChartArgs& args)
{
    CastOptions options;
    options.trueNode = !args.meanNode;
    if (args.axis)
        options.axis = AxisOf(*args.axis);
    return options;
}

void CastCharts(const ChartArgs& args, const std::string& command, bool transitRequired, MainSession& session,
                const Context& context)
{
    const CastOptions switches = CastSwitches(args);
    session.TrueNodeChecked = switches.trueNode;
    session.FAxis = switches.axis;
    if (!args.natal || (transitRequired && !args.transit))
        Refuse(command + " needs --natal" + (transitRequired ? " and --transit" : ""));
    CastNatal(session, ReadChartOption("--natal", *args.natal, args.library, context));
    if (args.transit)
        CastTransit(session, ReadChartOption("--transit", *args.transit, args.library, context));
}

} // namespace nemra::cli
