// The chart library's database: one SQLite file, opened by this class alone; nothing else in
// the program runs SQL. Every change is one transaction of prepared statements, so a search
// text or an imported row is never part of the SQL itself, and a failure leaves the file as
// it was before the change.
//
// Opening never rewrites a file that is not a sound chart database: a file that is not a
// database, is truncated, or fails the database's quick check is refused with the reason; a
// file or folder that cannot be written opens read-only and says why, and every change is
// then refused with that reason; a file another copy of the program is writing is waited
// for (the busy time of the options) and then reported as busy.
#pragma once

#include "core/Clock.h"
#include "library/model/ChartAaf.h"
#include "library/model/ChartCsv.h"
#include "library/model/FormulaBook.h"
#include "library/model/StoreResult.h"
#include "library/model/StoredChart.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace nemra {

// The database file: `explicitPath` when given, else $NEMRA_CHART_DB, else
// $XDG_DATA_HOME/nemra/charts.sqlite, else $HOME/.local/share/nemra/charts.sqlite (an empty
// or relative XDG_DATA_HOME counts as unset). Empty when none of these can be formed.
using EnvironmentLookup = std::function<const char*(const char*)>;
std::filesystem::path ChartDatabasePath(const std::optional<std::filesystem::path>& explicitPath,
                                        const EnvironmentLookup& environment);

struct ChartStoreOptions {
    int busyTimeoutMs = 2000; // how long a change waits for another copy's write to end
    Clock clock = SystemNow;  // stamps created and changed times (written in UT)
};

enum class ChartColumn { Name, Date, Time, Place, Group };

// A search as the find list asks it. Every word of `text` (words are separated by blanks)
// must occur somewhere in the name, place, note or group, case ignored; words of three or
// more characters are looked up in the trigram index, shorter ones by scanning.
struct ChartQuery {
    std::string text;
    std::optional<std::string> group; // only charts of this group
    ChartColumn sortBy = ChartColumn::Name;
    bool descending = false;
    int limit = 200;
    int offset = 0;
    bool countMatches = false; // also count the matches of all pages (a second pass)
};

struct ChartPage {
    std::vector<StoredChart> rows;
    std::int64_t total = -1; // charts matching the query, all pages together, when counted
};

// What storing a chart under a name that is stored already does.
enum class IfNameExists {
    Ask,     // nothing is stored; the fault NameExists says so
    Replace, // the chart of that name changed last takes the new texts
    KeepBoth // a second chart of that name is stored
};

struct ImportReport {
    int added = 0;
    int unchanged = 0; // rows identical to a stored chart, not stored again
    std::vector<CsvRowFault> faults;
    std::vector<CsvRowFault> needsPlace; // AAF records the atlas could not place
    int ignoredChunks = 0;               // AAF chunks that hold nothing the library keeps
};

// What a book import did: entries stored new, stored texts replaced, entries already
// stored with the same text, and the blocks left out with their lines.
struct BookImportReport {
    int added = 0;
    int replaced = 0;
    int unchanged = 0;
    std::vector<BookBlockFault> faults;
};

// What an import did, in Thai for the user: how many charts were stored and left out as
// already stored, then each row that was not stored, with its line and reason.
std::string DescribeImport(const ImportReport& report);

// Called after each imported row with the rows done and the rows to do.
using ImportProgress = std::function<void(int done, int total)>;

class ChartStore {
  public:
    static constexpr int kSchemaVersion = 2;

    static StoreResult<ChartStore> Open(const std::filesystem::path& path, ChartStoreOptions options = {});

    ChartStore(ChartStore&& other) noexcept;
    ChartStore& operator=(ChartStore&& other) noexcept;
    ChartStore(const ChartStore&) = delete;
    ChartStore& operator=(const ChartStore&) = delete;
    ~ChartStore();

    const std::filesystem::path& Path() const { return path_; }
    bool ReadOnly() const { return !readOnlyReason_.empty(); }
    // Why the file is open read-only (Thai), empty when it is writable.
    const std::string& ReadOnlyReason() const { return readOnlyReason_; }

    StoreResult<std::int64_t> Count() const;
    StoreResult<ChartPage> Find(const ChartQuery& query) const;
    StoreResult<StoredChart> Get(std::int64_t id) const;
    // Charts by id, in the order of `ids`; an id that is not stored is left out.
    StoreResult<std::vector<StoredChart>> GetMany(std::span<const std::int64_t> ids) const;
    StoreResult<std::vector<std::int64_t>> IdsNamed(const std::string& name) const;
    // The groups in use, sorted.
    StoreResult<std::vector<std::string>> Groups() const;

    // Stores a chart that passes CheckDraft; gives its id.
    StoreResult<std::int64_t> Add(const ChartDraft& chart, IfNameExists ifExists);
    StoreResult<Done> Update(std::int64_t id, const ChartDraft& chart);
    // Deletes the charts in one transaction; gives how many there were.
    StoreResult<int> Delete(std::span<const std::int64_t> ids);

    // Imports a CSV text (see PlanCsvImport): every row is checked first, rows with faults
    // are listed and left out, the others are stored in one transaction.
    StoreResult<ImportReport> ImportCsv(std::string_view bytes, const ImportProgress& progress = {});
    // The same for a file; a file that cannot be read is reported with the system's reason.
    StoreResult<ImportReport> ImportCsvFile(const std::filesystem::path& file, const ImportProgress& progress = {});
    // Writes the charts with the ids (all charts, by name, when `ids` is empty) as a CSV
    // file, replacing `file` only once the whole text is written; gives how many.
    StoreResult<int> ExportCsv(const std::filesystem::path& file, std::span<const std::int64_t> ids) const;

    // The same for AAF (see PlanAafImport and ChartsAaf): records are checked first and stored
    // in one transaction; `atlas` (may be null) places records without #B93.
    StoreResult<ImportReport> ImportAaf(std::string_view bytes, const Atlas* atlas,
                                        const ImportProgress& progress = {});
    StoreResult<ImportReport> ImportAafFile(const std::filesystem::path& file, const Atlas* atlas,
                                            const ImportProgress& progress = {});
    StoreResult<int> ExportAaf(const std::filesystem::path& file, std::span<const std::int64_t> ids) const;
    // The formula book (see FormulaBook.h): the entries of one book sorted by key, one entry
    // by its key (in any written form), storing (a new key or a new text for a stored key;
    // the key is normalised, an empty text refused) and deleting by key.
    StoreResult<std::vector<BookEntry>> BookEntries(BookKind book) const;
    StoreResult<std::optional<BookEntry>> FindBookEntry(BookKind book, const std::string& key) const;
    StoreResult<Done> PutBookEntry(const BookEntry& entry);
    StoreResult<Done> DeleteBookEntry(BookKind book, const std::string& key);
    // Imports the text form of both books: blocks with faults are listed and left out, the
    // others stored in one transaction (a stored key takes the file's text).
    StoreResult<BookImportReport> ImportBook(std::string_view bytes);
    StoreResult<BookImportReport> ImportBookFile(const std::filesystem::path& file);
    // Writes both books (pictures first) in the text form, replacing `file` only once the
    // whole text is written; gives how many entries.
    StoreResult<int> ExportBook(const std::filesystem::path& file) const;

    // A consistent copy of the database while it stays in use, written beside `file` and
    // then renamed to it.
    StoreResult<Done> Backup(const std::filesystem::path& file) const;
    // The database's full integrity check.
    StoreResult<Done> CheckIntegrity() const;

  private:
    ChartStore(sqlite3* db, std::filesystem::path path, ChartStoreOptions options);
    StoreResult<Done> Prepare(bool writable);
    StoreResult<Done> Migrate(int fromVersion);
    StoreResult<int> UserVersion() const;
    StoreResult<ImportReport> ImportPlan(CsvImportPlan plan, const ImportProgress& progress);
    StoreResult<int> ExportText(const std::filesystem::path& file, std::span<const std::int64_t> ids,
                                std::string (*format)(const std::vector<StoredChart>&)) const;
    StoreResult<Done> Execute(const char* sql) const;
    StoreResult<Done> CheckChangeAllowed() const;
    std::string Now() const;
    StoreFault Fault(int code, const std::string& doing) const;
    StoreResult<std::vector<StoredChart>> Select(const std::string& sql,
                                                 const std::function<void(sqlite3_stmt*)>& bind) const;

    sqlite3* db_ = nullptr;
    std::filesystem::path path_;
    ChartStoreOptions options_;
    std::string readOnlyReason_;
};

} // namespace nemra
