// The program's core: the commands declared with CLI11, the line read, every refusal turned
// into the program's one line on the error stream, and the chosen command run.
#include "tools/nemra-chart/Cli.h"

#include "core/ChartInput.h"
#include "input/model/ChartInputEntry.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace nemra::cli {
namespace {

// Ends the one line that refuses a word the program does not know.
constexpr const char* kSeeHelp = " (nemra-chart --help lists the commands)";

constexpr const char* kDescription = "nemra-chart: casts charts and prints their positions and reports, keeps a "
                                     "library of charts and prints pages as PDF, for scripts.";

constexpr const char* kFooter =
    "A CHART is 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]' in the texts of the chart input (15/03/2484,9.30,"
    "105.00E,13.45N,100.30E), or @ID or @NAME of a chart in the library.\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad arguments or input, or a fault of the chart "
    "library.";

// The subcommand of `app` named `name`, or none.
const CLI::App* SubcommandNamed(const CLI::App& app, const std::string& name)
{
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
        if (sub->check_name(name))
            return sub;
    return nullptr;
}

// The arguments with the value of an option that starts with "-" joined to it
// ("--natal=-x"), so that the argument after an option that takes a value is always its
// value, as the options were always read; refused when the value is missing. "--" ends
// nothing here: it is an unknown option.
std::vector<std::string> JoinValues(const CLI::App& app, const std::vector<std::string>& args)
{
    std::vector<std::string> joined;
    const CLI::App* command = &app;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--")
            Refuse("unknown option '--'" + std::string(kSeeHelp));
        if (const CLI::App* sub = SubcommandNamed(*command, arg)) {
            command = sub;
            joined.push_back(arg);
            continue;
        }
        const CLI::Option* option =
            arg.rfind("--", 0) == 0 && arg.find('=') == std::string::npos ? command->get_option_no_throw(arg) : nullptr;
        joined.push_back(arg);
        if (option == nullptr || option->get_items_expected_min() == 0 || option->get_positional())
            continue;
        if (i + 1 == args.size())
            Refuse(arg + " needs a value" + kSeeHelp);
        const std::string& value = args[++i];
        if (!value.empty() && value.front() == '-')
            joined.back() += "=" + value;
        else
            joined.push_back(value);
    }
    return joined;
}

// The commands from the outermost in, as the line chose them.
std::vector<const CLI::App*> ChosenCommands(const CLI::App& app)
{
    std::vector<const CLI::App*> chosen;
    for (const CLI::App* at = &app; !at->get_subcommands().empty();) {
        at = at->get_subcommands().front();
        chosen.push_back(at);
    }
    return chosen;
}

std::string CommandPath(const std::vector<const CLI::App*>& chosen)
{
    std::string path;
    for (const CLI::App* command : chosen)
        path += (path.empty() ? "" : " ") + command->get_name();
    return path;
}

// The refusal of a line that lacks required options or a command: "arcs needs --transit",
// "aspects needs --mode 1..5" (a range is named with the option).
std::string MissingText(const CLI::App& app)
{
    const auto chosen = ChosenCommands(app);
    std::string missing;
    for (const CLI::App* command : chosen)
        for (const CLI::Option* option : command->get_options())
            if (option->get_required() && option->count() == 0) {
                const std::string type = option->get_type_name();
                const bool range = !type.empty() && type.front() >= '0' && type.front() <= '9';
                const std::string name = option->nonpositional() ? option->get_name() : option->get_name(true);
                missing += (missing.empty() ? "" : " and ") + name + (range ? " " + type : "");
            }
    if (!missing.empty())
        return CommandPath(chosen) + " needs " + missing;
    const CLI::App* last = chosen.empty() ? &app : chosen.back();
    std::string names;
    for (const CLI::App* sub : last->get_subcommands([](const CLI::App*) { return true; }))
        names += (names.empty() ? "" : ", ") + sub->get_name();
    return (chosen.empty() ? "nemra-chart" : CommandPath(chosen)) + " needs a command: " + names;
}

// Refuses the first argument no command took, if there is one.
void RefuseUnknown(const CLI::App& app)
{
    const auto remaining = app.remaining(true);
    if (!remaining.empty())
        Refuse("unknown option " + Quoted(remaining.front()) + kSeeHelp);
}

} // namespace

CLI::App* CommandTable::Add(CLI::App& parent, const std::string& name, const std::string& help,
                            std::function<void()> run)
{
    CLI::App* command = parent.add_subcommand(name, help);
    command->allow_extras();
    if (run)
        runs.emplace_back(command, std::move(run));
    return command;
}

CLI::Option* AddWhole(CLI::App& app, const std::string& name, std::optional<int>& value, int low, int high,
                      const std::string& help)
{
    return app
        .add_option_function<std::string>(
            name,
            [&value, name, low, high](const std::string& text) {
                const auto number = ReadInt(text);
                if (!number || *number < low || *number > high)
                    Refuse(name + " must be a whole number from " + std::to_string(low) + " to "
                           + std::to_string(high));
                value = *number;
            },
            help)
        ->type_name(std::to_string(low) + ".." + std::to_string(high));
}

CLI::Option* AddChoice(CLI::App& app, const std::string& name, std::optional<std::string>& value,
                       const std::vector<std::string>& choices, const std::string& refusal, const std::string& help)
{
    std::string type;
    for (const std::string& choice : choices)
        type += (type.empty() ? "" : "|") + choice;
    return app
        .add_option_function<std::string>(
            name,
            [&value, choices, refusal](const std::string& text) {
                if (std::find(choices.begin(), choices.end(), text) == choices.end())
                    Refuse(refusal);
                value = text;
            },
            help)
        ->type_name(type);
}

CLI::Option* AddText(CLI::App& app, const std::string& name, std::optional<std::string>& value,
                     const std::string& typeName, const std::string& help)
{
    return app
        .add_option_function<std::string>(
            name, [&value](const std::string& text) { value = text; }, help)
        ->type_name(typeName);
}

CLI::Option* AddSwitch(CLI::App& app, const std::string& name, bool& value, const std::string& help)
{
    return app.add_flag(name, value, help);
}

CLI::Option* AddYear(CLI::App& app, std::optional<int>& year, const std::string& help)
{
    return AddWhole(app, "--year", year, kMinYearBE, kMaxYearBE, help);
}

int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Context context{out, [](const char* name) { return std::getenv(name); }};
    CLI::App app(kDescription, "nemra-chart");
    app.footer(kFooter);
    app.set_version_flag("--version", std::string("nemra-chart ") + NEMRA_VERSION, "print the version and exit");
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.require_subcommand(-1); // at most one
    app.allow_extras();
    CommandTable table;
    AddPositionsCommands(app, table, context);
    AddReportCommands(app, table, context);
    AddHitsCommand(app, table, context);
    AddChartsFromChartsCommands(app, table, context);
    AddLibraryCommands(app, table, context);
    AddPrintCommand(app, table, context);
    AddAstroCommand(app, table, context);
    AddTimelineCommands(app, table, context);
    AddAtlasCommands(app, table, context);
    AddPairsCommand(app, table, context);
    AddBookCommands(app, table, context);

    if (args.empty()) {
        err << "nemra-chart: usage: nemra-chart COMMAND [OPTIONS]" << kSeeHelp << '\n';
        return 2;
    }
    try {
        if (!SubcommandNamed(app, args[0]) && !app.get_option_no_throw(args[0]))
            Refuse("unknown command " + Quoted(args[0]) + kSeeHelp);
        std::vector<std::string> line = JoinValues(app, args);
        std::reverse(line.begin(), line.end()); // CLI11 takes the arguments from the back
        try {
            app.parse(line);
        } catch (const CLI::CallForHelp&) {
            out << app.help();
            return 0;
        } catch (const CLI::CallForVersion& version) {
            out << version.what() << '\n';
            return 0;
        } catch (...) {
            // An argument no command takes is named first, whatever else is wrong.
            RefuseUnknown(app);
            try {
                throw;
            } catch (const CLI::RequiredError&) {
                Refuse(MissingText(app));
            } catch (const CLI::ParseError& error) {
                Refuse(Escaped(error.what(), 200));
            }
        }
        RefuseUnknown(app);
        const auto chosen = ChosenCommands(app);
        for (const auto& [command, run] : table.runs)
            if (!chosen.empty() && command == chosen.back()) {
                run();
                return 0;
            }
        Refuse(MissingText(app));
    } catch (const Refusal& refusal) {
        err << "nemra-chart: " << refusal.message << '\n';
        return 2;
    } catch (const OutputFailure& failure) {
        err << "nemra-chart: " << failure.message << '\n';
        return kOutputFailed;
    }
}

} // namespace nemra::cli
