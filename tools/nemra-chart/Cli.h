// What the command files of nemra-chart share: the refusal of bad input, the way a command
// is declared with its options, the texts of messages, and the one step that reads and casts
// the charts a command is given.
#pragma once

#include "charts/model/ChartMoment.h"
#include "core/Result.h"
#include "library/model/ChartStore.h"
#include "mainwin/model/Session.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace nemra::cli {

// Bad arguments or input: the one line that says why, without the program's name. Thrown
// wherever it is found; the program writes it to the error stream and ends with status 2.
struct Refusal {
    std::string message;
};
[[noreturn]] void Refuse(std::string message);

// The output of a file (--pdf, an export, a backup) could not be written: status 1.
struct OutputFailure {
    std::string message;
};

// Where a command writes, and how it finds the environment (NEMRA_CHART_DB, XDG_DATA_HOME, HOME).
struct Context {
    std::ostream& out;
    EnvironmentLookup environment;
};

// A declared command: its CLI11 subcommand and what runs it once the whole line is read.
struct CommandTable {
    std::vector<std::pair<const CLI::App*, std::function<void()>>> runs;

    CLI::App* Add(CLI::App& parent, const std::string& name, const std::string& help, std::function<void()> run);
};

// The command groups, each in its own file.
void AddPositionsCommands(CLI::App& app, CommandTable& table, Context& context);
void AddReportCommands(CLI::App& app, CommandTable& table, Context& context);
void AddHitsCommand(CLI::App& app, CommandTable& table, Context& context);
void AddLibraryCommands(CLI::App& app, CommandTable& table, Context& context);
void AddChartsFromChartsCommands(CLI::App& app, CommandTable& table, Context& context);
void AddPrintCommand(CLI::App& app, CommandTable& table, Context& context);
void AddAstroCommand(CLI::App& app, CommandTable& table, Context& context);
void AddTimelineCommands(CLI::App& app, CommandTable& table, Context& context);
void AddAtlasCommands(CLI::App& app, CommandTable& table, Context& context);
void AddPairsCommand(CLI::App& app, CommandTable& table, Context& context);
void AddBookCommands(CLI::App& app, CommandTable& table, Context& context);

// ---------------------------------------------------------------- option declarations

// A whole number within [low, high]; refused as "--tab must be a whole number from 0 to 1".
CLI::Option* AddWhole(CLI::App& app, const std::string& name, std::optional<int>& value, int low, int high,
                      const std::string& help);
// One of `choices`; refused with `refusal` ("--sort must be orb or factor").
CLI::Option* AddChoice(CLI::App& app, const std::string& name, std::optional<std::string>& value,
                       const std::vector<std::string>& choices, const std::string& refusal, const std::string& help);
// Any text; `typeName` is what the help shows for the value.
CLI::Option* AddText(CLI::App& app, const std::string& name, std::optional<std::string>& value,
                     const std::string& typeName, const std::string& help);
CLI::Option* AddSwitch(CLI::App& app, const std::string& name, bool& value, const std::string& help);

// The Buddhist-era year of the charts from charts: --year BE.
CLI::Option* AddYear(CLI::App& app, std::optional<int>& year, const std::string& help);

// --db PATH: the chart library; without it $NEMRA_CHART_DB, else the data folder's file.
struct LibraryArgs {
    std::optional<std::string> db;
};
void AddLibraryOption(CLI::App& app, LibraryArgs& args);

// How a command opens the chart library: to read (a missing file is refused, never created)
// or to change it (a missing file is created).
enum class LibraryUse { Read, Change };
ChartStore OpenLibrary(const LibraryArgs& args, const Context& context, LibraryUse use);
// The stored chart of an id (digits) or else of a name, which must name one chart only;
// `option` begins the refusal of one that is not found.
StoredChart FindStoredChart(const ChartStore& store, const std::string& key, const std::string& option);
// A fault of the library as the one line of a refusal.
[[noreturn]] void RefuseFault(const StoreFault& fault);

// ---------------------------------------------------------------- the charts

// --natal and --transit CHART (the text, @ID or @NAME of a stored chart), --axis, --mean-node.
struct ChartArgs {
    std::optional<std::string> natal;
    std::optional<std::string> transit;
    std::optional<int> axis;
    bool meanNode = false;
    LibraryArgs library;
};

enum class ChartOptions { NatalOnly, NatalAndTransit };
// Declares the chart options; with `castSwitches` also --axis and --mean-node.
void AddChartOptions(CLI::App& app, ChartArgs& args, ChartOptions which, bool castSwitches = true);

// The chart input of a CHART option: the text itself, or the stored chart @ID / @NAME.
TChartInput ReadChartOption(const std::string& option, const std::string& text, const LibraryArgs& library,
                            const Context& context);
// The natal chart's input; `command` names what needs it when it is missing.
TChartInput NatalInput(const ChartArgs& args, const std::string& command, const Context& context);

// The shared casting step: the switches, then the natal chart and, when given or
// `transitRequired`, the transit chart (which forms the arcs). `command` names what needs
// the charts in the refusal of a missing one.
void CastCharts(const ChartArgs& args, const std::string& command, bool transitRequired, MainSession& session,
                const Context& context);
// The switches alone, as the options of a single cast.
CastOptions CastSwitches(const ChartArgs& args);

// A date (d/m/yyyy, Buddhist era) and a clock time as the chart input reads them, as a local
// date and time of the Christian calendar; refused naming the option of the text at fault.
CivilTime ReadLocalTime(const std::string& dateOption, const std::string& date, const std::string& timeOption,
                        const std::string& time);

// The graphical application pictures are painted in (print, graph): the program's own, or one
// made for the command on the offscreen platform unless QT_QPA_PLATFORM names
// another; `command` names what needs it in the refusal.
void NeedGuiApplication(const std::string& command);
// Ends the application NeedGuiApplication made, if any; main() calls it before returning.
void EndGuiApplication();

// ---------------------------------------------------------------- texts

// A text with control characters, backslashes and bytes that are no UTF-8 escaped (\n,
// \xHH), so that it stays one line of plain text; after `maxChars` characters, "...".
std::string Escaped(std::string_view text, std::size_t maxChars = std::string::npos);
// A text as a message quotes it: in single quotes, at most 40 characters and then "...",
// control characters, backslashes and bytes that are no UTF-8 escaped.
std::string Quoted(std::string_view text);
// Why a text may not be copied into the output (a control character, bytes that are no
// UTF-8), or nothing.
Result<> CheckArgumentText(std::string_view text);
// The comma-separated fields of a text, a trailing comma giving an empty last field.
std::vector<std::string> SplitFields(const std::string& text);

// A chart input as a CHART text, "DATE,TIME,ZONE,LAT,LON,NAME,PLACE", which every command
// reads back as the same chart; refused when the name holds a comma (the place may).
std::string ChartText(const TChartInput& input);

// "%.7f".
std::string Fixed7(double value);

// The lines of a report file: UTF-8 with LF, or with --cp874 the file's own bytes.
void PrintReportLines(const std::vector<std::string>& lines, bool cp874, std::ostream& out);

} // namespace nemra::cli
