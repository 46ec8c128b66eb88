#include "ChartCommand.h"

#include "ChartRecord.h"
#include "FactorCatalogue.h"
#include "WinDeg.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace nemra::cli {
namespace {

constexpr const char* kUsage = "usage: nemra-chart positions --natal 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]'"
                               " [--axis 360|180] [--mean-node] [--format tsv|text]";

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
    static const std::vector<std::string> kValued = {"--natal", "--transit", "--axis", "--format"};
    static const std::vector<std::string> kFlags = {"--mean-node"};
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
            error = "unknown option '" + arg + "'";
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
    if (format != "tsv" && format != "text") {
        err << "nemra-chart: --format must be tsv or text\n";
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

} // namespace

std::optional<TChartInput> ParseChartArgument(const std::string& text, std::string& error)
{
    const auto fields = SplitFields(text);
    if (fields.size() < 5 || fields.size() > 7) {
        error = "expected 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]'";
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
        error = "bad " + std::string(FieldKey(fault->field)) + " '" + std::string(given[index]) + "'";
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
        err << "nemra-chart: " << error << '\n' << kUsage << '\n';
        return 2;
    }
    if (args[0] == "positions")
        return Positions(options, out, err);
    err << "nemra-chart: unknown command '" << args[0] << "'\n" << kUsage << '\n';
    return 2;
}

} // namespace nemra::cli
