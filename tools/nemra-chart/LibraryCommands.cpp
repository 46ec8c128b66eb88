// charts: the chart library on the command line: list, add, show, delete, import, export and
// backup, each over the one file the library keeps.
#include "tools/nemra-chart/Cli.h"

#include <limits>

namespace nemra::cli {
namespace {

// A text as one field of a tab-separated line: tab, line ends and backslash escaped.
std::string TsvField(const std::string& text)
{
    std::string field;
    for (const char c : text) {
        switch (c) {
        case '\t':
            field += "\\t";
            break;
        case '\n':
            field += "\\n";
            break;
        case '\r':
            field += "\\r";
            break;
        case '\\':
            field += "\\\\";
            break;
        default:
            field += c;
        }
    }
    return field;
}

// The columns of a chart as the library keeps it: its id, the seven texts, group, note and
// the times it was created and last changed.
std::vector<std::pair<std::string, std::string>> Columns(const StoredChart& stored)
{
    std::string texts[7];
    TextsOfChartInput(stored.chart.input, texts);
    std::vector<std::pair<std::string, std::string>> columns = {{"id", std::to_string(stored.id)}};
    for (std::size_t i = 0; i < 7; ++i)
        columns.emplace_back(kChartTextKeys[i], texts[i]);
    columns.insert(columns.end(), {{"group", stored.chart.group},
                                   {"note", stored.chart.note},
                                   {"created", stored.created},
                                   {"changed", stored.changed}});
    return columns;
}

struct LibraryCommandArgs {
    LibraryArgs library;
    std::optional<std::string> search;
    std::optional<std::string> group;
    std::optional<std::string> format;
    std::optional<std::string> note;
    std::optional<std::string> ifExists;
    std::optional<std::string> target; // the positional argument: a chart, an id or name, a file
};

void List(const LibraryCommandArgs& args, const Context& context)
{
    const ChartStore store = OpenLibrary(args.library, context, LibraryUse::Read);
    ChartQuery query;
    query.text = args.search.value_or("");
    query.group = args.group;
    query.limit = std::numeric_limits<int>::max();
    const auto page = store.Find(query);
    if (!page)
        RefuseFault(page.fault());
    const bool tsv = args.format.value_or("tsv") == "tsv";
    std::ostream& out = context.out;
    if (tsv) {
        std::string header;
        for (const auto& column : Columns(StoredChart{}))
            header += (header.empty() ? "" : "\t") + column.first;
        out << header << '\n';
    }
    for (const StoredChart& stored : page->rows) {
        if (tsv) {
            std::string line;
            for (const auto& column : Columns(stored))
                line += (line.empty() ? "" : "\t") + TsvField(column.second);
            out << line << '\n';
            continue;
        }
        // As the find list shows it: name, date, time, place, group.
        const TChartInput& input = stored.chart.input;
        out << stored.id << "  " << Escaped(input.Name.str()) << "  " << input.Date.str() << "  " << input.Time.str()
            << "  " << Escaped(input.Place.str())
            << (stored.chart.group.empty() ? "" : "  [" + Escaped(stored.chart.group) + "]") << '\n';
    }
}

void Add(const LibraryCommandArgs& args, const Context& context)
{
    ChartDraft draft;
    draft.input = ReadChartOption("CHART", *args.target, args.library, context);
    draft.note = args.note.value_or("");
    draft.group = args.group.value_or("");
    const std::string ifExists = args.ifExists.value_or("refuse");
    ChartStore store = OpenLibrary(args.library, context, LibraryUse::Change);
    const auto id = store.Add(draft, ifExists == "replace"     ? IfNameExists::Replace
                                     : ifExists == "keep-both" ? IfNameExists::KeepBoth
                                                               : IfNameExists::Ask);
    if (!id && id.fault().kind == StoreFaultKind::NameExists)
        Refuse("a chart named " + Quoted(draft.input.Name.str())
               + " is stored already (--if-exists replace or keep-both)");
    if (!id)
        RefuseFault(id.fault());
    context.out << *id << '\n';
}

void Show(const LibraryCommandArgs& args, const Context& context)
{
    const ChartStore store = OpenLibrary(args.library, context, LibraryUse::Read);
    const StoredChart stored = FindStoredChart(store, *args.target, "charts show");
    for (const auto& [key, value] : Columns(stored))
        context.out << key << '\t' << TsvField(value) << '\n';
    // The moment the texts stand for; a stored chart passed the input check, so it has one.
    if (const auto moment = MomentOf(stored.chart.input))
        context.out << "ut\t" << IsoUtText(*moment) << "\njd\t" << Fixed7(moment->JulianDay()) << '\n';
}

void Delete(const LibraryCommandArgs& args, const Context& context)
{
    if (args.target->empty() || args.target->find_first_not_of("0123456789") != std::string::npos)
        Refuse("charts delete: expected the id of a chart, got " + Quoted(*args.target));
    ChartStore store = OpenLibrary(args.library, context, LibraryUse::Read);
    const std::int64_t id = FindStoredChart(store, *args.target, "charts delete").id;
    const auto deleted = store.Delete(std::span<const std::int64_t>(&id, 1));
    if (!deleted)
        RefuseFault(deleted.fault());
}

void Import(const LibraryCommandArgs& args, const Context& context)
{
    ChartStore store = OpenLibrary(args.library, context, LibraryUse::Change);
    const bool aaf = IsAafFileName(*args.target);
    std::optional<Atlas> atlas; // places AAF records without #B93; opened only for them
    if (aaf)
        if (const auto path = ProgramAtlasFile(context.environment); !path.empty())
            atlas = std::move(Atlas::Open(path).atlas);
    const auto report =
        aaf ? store.ImportAafFile(*args.target, atlas ? &*atlas : nullptr) : store.ImportCsvFile(*args.target);
    if (!report)
        RefuseFault(report.fault());
    context.out << "added\t" << report->added << "\nunchanged\t" << report->unchanged << '\n';
    if (aaf)
        context.out << "ignored chunks\t" << report->ignoredChunks << '\n';
    for (const CsvRowFault& fault : report->faults)
        context.out << "refused\t" << fault.line << '\t' << Escaped(fault.reason) << '\n';
    for (const CsvRowFault& fault : report->needsPlace)
        context.out << "needs a place\t" << fault.line << '\t' << Escaped(fault.reason) << '\n';
    const std::size_t left = report->faults.size() + report->needsPlace.size();
    if (left > 0)
        Refuse("charts import: " + std::string(aaf ? "records" : "rows") + " not imported: " + std::to_string(left)
               + " (listed on standard output)");
}

} // namespace

void AddLibraryCommands(CLI::App& app, CommandTable& table, Context& context)
{
    CLI::App* charts =
        table.Add(app, "charts", "the chart library: list, add, show, delete, import, export, backup", {});
    charts->require_subcommand(1);

    const auto add = [&](const std::string& name, const std::string& help,
                         void (*run)(const LibraryCommandArgs&, const Context&)) {
        auto args = std::make_shared<LibraryCommandArgs>();
        CLI::App* command = table.Add(*charts, name, help, [args, run, &context] { run(*args, context); });
        AddLibraryOption(*command, args->library);
        return std::make_pair(command, args);
    };
    // The positional argument of a command.
    const auto target = [](CLI::App& command, LibraryCommandArgs& args, const std::string& name,
                           const std::string& help) {
        command
            .add_option_function<std::string>(
                name, [&args](const std::string& text) { args.target = text; }, help)
            ->required();
    };

    auto [list, listArgs] = add("list", "the stored charts, by name", List);
    AddText(*list, "--search", listArgs->search, "TEXT",
            "only charts whose name, place, note or group hold every word of TEXT");
    AddText(*list, "--group", listArgs->group, "GROUP", "only the charts of this group");
    AddChoice(*list, "--format", listArgs->format, {"tsv", "text"}, "--format must be tsv or text",
              "tsv: a header and one line per chart (default); text: one short line per chart");

    auto [add_, addArgs] = add("add", "stores a chart; prints its id", Add);
    target(*add_, *addArgs, "CHART", "the chart, 'DATE,TIME,ZONE,LAT,LON,NAME[,PLACE]'");
    AddText(*add_, "--note", addArgs->note, "TEXT", "a note");
    AddText(*add_, "--group", addArgs->group, "GROUP", "a group, such as ลูกค้า or ครอบครัว");
    AddChoice(*add_, "--if-exists", addArgs->ifExists, {"refuse", "replace", "keep-both"},
              "--if-exists must be refuse, replace or keep-both",
              "when a chart of that name is stored: refuse (default), replace it, or keep both");

    auto [show, showArgs] = add("show", "one stored chart, a line per field", Show);
    target(*show, *showArgs, "ID_OR_NAME", "the chart's id or name");

    auto [remove, removeArgs] = add("delete", "deletes a stored chart", Delete);
    target(*remove, *removeArgs, "ID", "the chart's id");

    auto [import, importArgs] =
        add("import", "stores the charts of a CSV or AAF file; rows with faults are listed", Import);
    target(*import, *importArgs, "FILE",
           "a CSV file with a header row naming the fields, or an AAF file (its name ends in .aaf)");

    auto [exportCommand, exportArgs] = add(
        "export", "writes every stored chart to a CSV or AAF file", [](const LibraryCommandArgs& a, const Context& c) {
            const ChartStore store = OpenLibrary(a.library, c, LibraryUse::Read);
            const auto written =
                IsAafFileName(*a.target) ? store.ExportAaf(*a.target, {}) : store.ExportCsv(*a.target, {});
            if (!written)
                RefuseFault(written.fault());
        });
    target(*exportCommand, *exportArgs, "FILE",
           "the CSV file, or AAF when its name ends in .aaf, replaced only once it is written whole");

    auto [backup, backupArgs] = add("backup", "a consistent copy of the library, also while the program uses it",
                                    [](const LibraryCommandArgs& a, const Context& c) {
                                        const auto copied =
                                            OpenLibrary(a.library, c, LibraryUse::Read).Backup(*a.target);
                                        if (!copied)
                                            RefuseFault(copied.fault());
                                    });
    target(*backup, *backupArgs, "FILE", "the copy, replaced only once it is written whole");
}

} // namespace nemra::cli
