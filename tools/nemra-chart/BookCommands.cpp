// book: the formula book on the command line (list, export, import), and the book's texts
// added to the hit points' lines by hits --book.
#include "tools/nemra-chart/Cli.h"
#include "tools/nemra-chart/Reports.h"

#include "library/model/FormulaBook.h"

namespace nemra::cli {
namespace {

struct BookArgs {
    LibraryArgs library;
    std::optional<std::string> target;
    std::optional<std::string> book;
    std::optional<std::string> search;
};

// An entry's text as one field of a line: its lines joined by " / ", escaped to plain text.
std::string OneLine(const std::string& text)
{
    std::string joined;
    for (const char c : text)
        joined += c == '\n' ? std::string(" / ") : std::string(1, c);
    return Escaped(joined);
}

void List(const BookArgs& args, const Context& context)
{
    const ChartStore store = OpenLibrary(args.library, context, LibraryUse::Read);
    for (const BookKind book : {BookKind::Pictures, BookKind::Houses}) {
        if (args.book && *args.book != (book == BookKind::Pictures ? "pictures" : "houses"))
            continue;
        const auto entries = store.BookEntries(book);
        if (!entries)
            RefuseFault(entries.fault());
        for (const BookEntry& entry : *entries)
            if (!args.search || BookEntryMatches(entry, *args.search))
                context.out << entry.key << '\t' << OneLine(entry.text) << '\n';
    }
}

void Import(const BookArgs& args, const Context& context)
{
    ChartStore store = OpenLibrary(args.library, context, LibraryUse::Change);
    const auto report = store.ImportBookFile(*args.target);
    if (!report)
        RefuseFault(report.fault());
    context.out << "added\t" << report->added << "\nreplaced\t" << report->replaced << "\nunchanged\t"
                << report->unchanged << '\n';
    for (const BookBlockFault& fault : report->faults)
        context.out << "refused\t" << fault.line << '\t' << Escaped(fault.reason) << '\n';
    if (!report->faults.empty())
        Refuse("book import: blocks not imported: " + std::to_string(report->faults.size())
               + " (listed on standard output)");
}

void Export(const BookArgs& args, const Context& context)
{
    const auto written = OpenLibrary(args.library, context, LibraryUse::Read).ExportBook(*args.target);
    if (!written)
        RefuseFault(written.fault());
}

} // namespace

std::vector<std::string> WithBookTexts(std::vector<std::string> lines, const HitsReport& hits,
                                       const LibraryArgs& library, const Context& context)
{
    const ChartStore store = OpenLibrary(library, context, LibraryUse::Read);
    // The last lines are the hits, one each, in the order of the report's hit rows.
    std::size_t line = lines.size() - static_cast<std::size_t>(hits.report.hitCount);
    for (const HitRow& row : hits.report.rows) {
        if (row.formula || line >= lines.size())
            continue;
        std::string text;
        if (const std::string key = HitPictureKey(hits.report.studied, row.point); !key.empty()) {
            const auto entry = store.FindBookEntry(BookKind::Pictures, key);
            if (!entry)
                RefuseFault(entry.fault());
            if (*entry)
                text = OneLine((*entry)->text);
        }
        lines[line++] += "," + text;
    }
    return lines;
}

void AddBookCommands(CLI::App& app, CommandTable& table, Context& context)
{
    CLI::App* book = table.Add(app, "book", "the formula book: list, export, import", {});
    book->require_subcommand(1);
    const auto add = [&](const std::string& name, const std::string& help,
                         void (*run)(const BookArgs&, const Context&)) {
        auto args = std::make_shared<BookArgs>();
        CLI::App* command = table.Add(*book, name, help, [args, run, &context] { run(*args, context); });
        AddLibraryOption(*command, args->library);
        return std::make_pair(command, args);
    };
    const auto target = [](CLI::App& command, BookArgs& args, const std::string& help) {
        command
            .add_option_function<std::string>(
                "FILE", [&args](const std::string& text) { args.target = text; }, help)
            ->required();
    };
    auto [list, listArgs] = add("list", "the entries, a line each: the key, a tab, the text", List);
    AddChoice(*list, "--book", listArgs->book, {"pictures", "houses"}, "--book must be pictures or houses",
              "only the planetary pictures or only the factors in houses");
    AddText(*list, "--search", listArgs->search, "TEXT", "only entries whose key or text hold every word of TEXT");
    auto [exportCommand, exportArgs] = add("export", "writes both books to a UTF-8 text file", Export);
    target(*exportCommand, *exportArgs, "the text file, replaced only once it is written whole");
    auto [import, importArgs] =
        add("import", "stores the entries of a text file; blocks with faults are listed", Import);
    target(*import, *importArgs, "a text file of blocks, the key on each block's first line");
}

} // namespace nemra::cli
