#include "library/model/ChartStore.h"

#include "core/FileReplace.h"
#include "core/ThaiText.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace nemra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kChartColumns =
    "SELECT id, name, date, time, zone, latitude, longitude, place, note, grp, created, changed FROM charts";

// Schema steps: step i takes a database from user_version i to i + 1. A step is never
// changed once released; a new version adds a step.
constexpr const char* kMigrations[] = {
    R"sql(
CREATE TABLE charts (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL,
    date TEXT NOT NULL,
    time TEXT NOT NULL,
    zone TEXT NOT NULL,
    latitude TEXT NOT NULL,
    longitude TEXT NOT NULL,
    place TEXT NOT NULL,
    note TEXT NOT NULL DEFAULT '',
    grp TEXT NOT NULL DEFAULT '',
    date_key INTEGER NOT NULL,
    time_key INTEGER NOT NULL,
    created TEXT NOT NULL,
    changed TEXT NOT NULL
);
CREATE INDEX charts_by_name ON charts (name, id);
CREATE INDEX charts_by_date ON charts (date_key, time_key);
CREATE INDEX charts_by_group ON charts (grp, name);
CREATE VIRTUAL TABLE chart_words USING fts5 (
    name, place, note, grp, content = 'charts', content_rowid = 'id', tokenize = 'trigram');
)sql",
    // The formula book: planetary pictures (book 1) and factors in houses (book 2), each
    // entry under its normalised key.
    R"sql(
CREATE TABLE book_entries (
    book INTEGER NOT NULL CHECK (book IN (1, 2)),
    key TEXT NOT NULL,
    text TEXT NOT NULL,
    changed TEXT NOT NULL,
    PRIMARY KEY (book, key)
) WITHOUT ROWID;
)sql",
};
static_assert(std::size(kMigrations) == ChartStore::kSchemaVersion);

// The word index is kept in step by the store itself, right after each change of a chart,
// with single-row VALUES statements: an index change made by a trigger or by INSERT ...
// SELECT runs inside a statement savepoint, which writes the index's pending terms out on
// every row and makes a large import several times slower.
constexpr const char* kIndexWords =
    "INSERT INTO chart_words (rowid, name, place, note, grp) VALUES (?1, ?2, ?3, ?4, ?5)";
constexpr const char* kUnindexWords =
    "INSERT INTO chart_words (chart_words, rowid, name, place, note, grp) VALUES ('delete', ?1, ?2, ?3, ?4, ?5)";

// A prepared statement, finalized when it goes out of scope.
class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql)
    {
        code_ = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int PrepareCode() const { return code_; }
    sqlite3_stmt* get() const { return stmt_; }
    int Step() { return sqlite3_step(stmt_); }
    void Reset()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    std::string Text(int column) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
    }
    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int code_ = SQLITE_OK;
};

void BindText(sqlite3_stmt* stmt, int index, std::string_view text)
{
    // A null pointer would bind NULL; an empty text must stay an empty text.
    sqlite3_bind_text(stmt, index, text.empty() ? "" : text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Binds the chart's texts and sort keys to parameters 1..11.
void BindChart(sqlite3_stmt* stmt, const ChartDraft& chart)
{
    std::string texts[7];
    TextsOfChartInput(chart.input, texts);
    for (int i = 0; i < 7; ++i)
        BindText(stmt, i + 1, texts[i]);
    BindText(stmt, 8, chart.note);
    BindText(stmt, 9, chart.group);
    sqlite3_bind_int(stmt, 10, DateSortKey(chart.input));
    sqlite3_bind_int(stmt, 11, TimeSortKey(chart.input));
}

// The statements that change charts, prepared once for a run of changes; each keeps the
// word index in step with the table. Every method gives SQLite's result, SQLITE_DONE on
// success.
class ChartWriter {
  public:
    explicit ChartWriter(sqlite3* db)
        : db_(db)
    {
    }
    int Insert(const ChartDraft& chart, const std::string& created, const std::string& changed, std::int64_t& id)
    {
        insert_.Reset();
        BindChart(insert_.get(), chart);
        BindText(insert_.get(), 12, created);
        BindText(insert_.get(), 13, changed);
        if (const int code = insert_.Step(); code != SQLITE_DONE)
            return code;
        id = sqlite3_last_insert_rowid(db_);
        return Words(index_, id, chart.input.Name, chart.input.Place, chart.note, chart.group);
    }
    // `found` tells whether a chart had the id.
    int Update(std::int64_t id, const ChartDraft& chart, const std::string& changed, bool& found)
    {
        if (const int code = Unindex(id, found); code != SQLITE_DONE || !found)
            return code;
        update_.Reset();
        BindChart(update_.get(), chart);
        BindText(update_.get(), 12, changed);
        sqlite3_bind_int64(update_.get(), 13, id);
        if (const int code = update_.Step(); code != SQLITE_DONE)
            return code;
        return Words(index_, id, chart.input.Name, chart.input.Place, chart.note, chart.group);
    }
    int Remove(std::int64_t id, bool& found)
    {
        if (const int code = Unindex(id, found); code != SQLITE_DONE || !found)
            return code;
        remove_.Reset();
        sqlite3_bind_int64(remove_.get(), 1, id);
        return remove_.Step();
    }

  private:
    // Takes the chart's words out of the index, as they are stored now.
    int Unindex(std::int64_t id, bool& found)
    {
        current_.Reset();
        sqlite3_bind_int64(current_.get(), 1, id);
        const int code = current_.Step();
        found = code == SQLITE_ROW;
        if (!found)
            return code == SQLITE_DONE ? SQLITE_DONE : code;
        const std::string words[4] = {current_.Text(0), current_.Text(1), current_.Text(2), current_.Text(3)};
        current_.Reset();
        return Words(unindex_, id, words[0], words[1], words[2], words[3]);
    }
    static int Words(Statement& statement, std::int64_t id, std::string_view name, std::string_view place,
                     std::string_view note, std::string_view group)
    {
        statement.Reset();
        sqlite3_bind_int64(statement.get(), 1, id);
        BindText(statement.get(), 2, name);
        BindText(statement.get(), 3, place);
        BindText(statement.get(), 4, note);
        BindText(statement.get(), 5, group);
        return statement.Step();
    }
    sqlite3* db_;
    Statement insert_{db_, "INSERT INTO charts (name, date, time, zone, latitude, longitude, place, note, grp, "
                           "date_key, time_key, created, changed) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"};
    Statement update_{db_, "UPDATE charts SET name = ?1, date = ?2, time = ?3, zone = ?4, latitude = ?5, "
                           "longitude = ?6, place = ?7, note = ?8, grp = ?9, date_key = ?10, time_key = ?11, "
                           "changed = ?12 WHERE id = ?13"};
    Statement remove_{db_, "DELETE FROM charts WHERE id = ?1"};
    Statement current_{db_, "SELECT name, place, note, grp FROM charts WHERE id = ?1"};
    Statement index_{db_, kIndexWords};
    Statement unindex_{db_, kUnindexWords};
};

StoredChart ReadChart(const Statement& row)
{
    StoredChart chart;
    chart.id = row.Int(0);
    chart.chart.input = TChartInput{.Name = row.Text(1),
                                    .Date = row.Text(2),
                                    .Time = row.Text(3),
                                    .Latitude = row.Text(5),
                                    .TimeZone = row.Text(4),
                                    .Longitude = row.Text(6),
                                    .Place = row.Text(7)};
    chart.chart.note = row.Text(8);
    chart.chart.group = row.Text(9);
    chart.created = row.Text(10);
    chart.changed = row.Text(11);
    return chart;
}

// A write transaction: BEGIN IMMEDIATE takes the write lock at once (waiting the busy time),
// so a change either holds the lock from its start or does not start; rolled back unless
// committed.
class Transaction {
  public:
    explicit Transaction(sqlite3* db)
        : db_(db)
    {
        code_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        open_ = code_ == SQLITE_OK;
    }
    ~Transaction()
    {
        if (open_)
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    int BeginCode() const { return code_; }
    int Commit()
    {
        const int code = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        open_ = code != SQLITE_OK && !sqlite3_get_autocommit(db_);
        return code;
    }

  private:
    sqlite3* db_;
    int code_;
    bool open_;
};

std::string SystemReason(int err)
{
    return std::strerror(err);
}

std::string FolderOf(const fs::path& path)
{
    const fs::path folder = path.parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

std::string WhyNotWritable(const std::string& file, const std::string& folder)
{
    if (::access(file.c_str(), W_OK) != 0)
        return "เขียนไฟล์ " + file + " ไม่ได้ (" + SystemReason(errno) + ")";
    if (::access(folder.c_str(), W_OK) != 0)
        return "เขียนโฟลเดอร์ " + folder + " ไม่ได้ (" + SystemReason(errno) + ")";
    return {};
}

std::uint32_t BigEndian32(const unsigned char* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8)
           | bytes[3];
}

// Reads the first 100 bytes (the database header) without letting the database engine near
// the file: an empty file is an empty database; anything else must start with the SQLite
// header. A file shorter than the pages its header counts gives `shorter`, the fault to
// report if the database engine then refuses the file: only the engine can tell a cut file
// from one another copy is extending at this moment (its header is written first).
std::optional<StoreFault> CheckHeader(const std::string& file, off_t size, std::optional<StoreFault>& shorter)
{
    if (size == 0)
        return std::nullopt;
    const auto notDatabase = [&file](const std::string& why) {
        return StoreFault{StoreFaultKind::NotADatabase,
                          "เปิดไฟล์ข้อมูลดวงชะตาไม่ได้: " + file + " ไม่ใช่ไฟล์ข้อมูลดวงชะตา (" + why + ")", why};
    };
    const auto truncated = [&file](const std::string& why) {
        return StoreFault{StoreFaultKind::Damaged,
                          "เปิดไฟล์ข้อมูลดวงชะตาไม่ได้: ไฟล์ " + file + " ถูกตัดสั้น ข้อมูลไม่ครบ (" + why + ")", why};
    };
    unsigned char header[100] = {};
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return StoreFault{StoreFaultKind::Io, "เปิดไฟล์ข้อมูลดวงชะตา " + file + " ไม่ได้ (" + SystemReason(errno) + ")",
                          SystemReason(errno)};
    const ssize_t got = ::read(fd, header, sizeof header);
    ::close(fd);
    if (got >= 16 && std::memcmp(header, "SQLite format 3", 16) != 0)
        return notDatabase("not an SQLite database");
    if (got < static_cast<ssize_t>(sizeof header)) {
        const auto compared = static_cast<std::size_t>(std::clamp<ssize_t>(got, 0, 16));
        return std::memcmp(header, "SQLite format 3", compared) == 0 ? truncated("header cut short")
                                                                     : notDatabase("not an SQLite database");
    }
    const std::uint32_t pageField = header[16] * 256u + header[17];
    const std::uint32_t pageSize = pageField == 1 ? 65536u : pageField; // 1 stands for 65536
    const std::uint32_t pages = BigEndian32(header + 28);
    const bool pagesValid = BigEndian32(header + 24) == BigEndian32(header + 92);
    if (pagesValid && static_cast<std::uint64_t>(pageSize) * pages > static_cast<std::uint64_t>(size))
        shorter = truncated(std::to_string(size) + " bytes of " + std::to_string(std::uint64_t{pageSize} * pages));
    return std::nullopt;
}

// "file:" URI of a path with the characters a URI reserves escaped, for opening a database
// that sits in a folder nobody may write.
std::string ImmutableUri(const std::string& path)
{
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

std::vector<std::string> SplitWords(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string::npos) {
        const auto end = text.find_first_of(" \t", at);
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

std::string LikePattern(const std::string& word)
{
    std::string pattern = "%";
    for (const char c : word) {
        if (c == '%' || c == '_' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

// The word as an FTS5 string: in double quotes, a quote inside doubled.
std::string FtsString(const std::string& word)
{
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

constexpr const char* kOrderTerms[][3] = {
    {"name", "id", nullptr},        // Name
    {"date_key", "time_key", "id"}, // Date
    {"time_key", "date_key", "id"}, // Time
    {"place", "name", "id"},        // Place
    {"grp", "name", "id"},          // Group
};

// `scanning`: the rows are found by reading the whole table (a word too short for the word
// index); then they are sorted afterwards ("+" keeps SQLite from walking an index in sort
// order, which would look up every row of the table one by one, several times slower).
std::string OrderBy(ChartColumn column, bool descending, bool scanning)
{
    std::string order = " ORDER BY ";
    for (const char* term : kOrderTerms[static_cast<int>(column)]) {
        if (!term)
            break;
        if (order.size() > 10)
            order += ", ";
        else if (scanning)
            order += '+';
        order += term;
        if (descending)
            order += " DESC";
    }
    return order;
}

} // namespace

std::filesystem::path ChartDatabasePath(const std::optional<std::filesystem::path>& explicitPath,
                                        const EnvironmentLookup& environment)
{
    if (explicitPath && !explicitPath->empty())
        return *explicitPath;
    const auto value = [&environment](const char* name) {
        const char* text = environment ? environment(name) : nullptr;
        return std::string(text ? text : "");
    };
    if (const std::string db = value("NEMRA_CHART_DB"); !db.empty())
        return db;
    if (const std::string xdg = value("XDG_DATA_HOME"); !xdg.empty() && xdg.front() == '/')
        return fs::path(xdg) / "nemra" / "charts.sqlite";
    if (const std::string home = value("HOME"); !home.empty())
        return fs::path(home) / ".local" / "share" / "nemra" / "charts.sqlite";
    return {};
}

ChartStore::ChartStore(sqlite3* db, std::filesystem::path path, ChartStoreOptions options)
    : db_(db)
    , path_(std::move(path))
    , options_(std::move(options))
{
}

ChartStore::ChartStore(ChartStore&& other) noexcept
    : db_(std::exchange(other.db_, nullptr))
    , path_(std::move(other.path_))
    , options_(std::move(other.options_))
    , readOnlyReason_(std::move(other.readOnlyReason_))
{
}

ChartStore& ChartStore::operator=(ChartStore&& other) noexcept
{
    if (this != &other) {
        sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
        options_ = std::move(other.options_);
        readOnlyReason_ = std::move(other.readOnlyReason_);
    }
    return *this;
}

ChartStore::~ChartStore()
{
    sqlite3_close_v2(db_);
}

StoreResult<ChartStore> ChartStore::Open(const std::filesystem::path& path, ChartStoreOptions options)
{
    if (path.empty())
        return StoreFault{StoreFaultKind::Io, "ไม่รู้ว่าจะเก็บไฟล์ข้อมูลดวงชะตาไว้ที่ใด (ไม่มีตัวแปร HOME)", "no HOME"};
    const std::string file = path.string();
    const std::string folder = FolderOf(path);
    std::string readOnly;
    std::optional<StoreFault> shorter;
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return StoreFault{StoreFaultKind::NotADatabase, "เปิดไฟล์ข้อมูลดวงชะตาไม่ได้: " + file + " ไม่ใช่ไฟล์ธรรมดา",
                              "not a regular file"};
        if (auto fault = CheckHeader(file, status.st_size, shorter))
            return *fault;
        readOnly = WhyNotWritable(file, folder);
    } else if (errno == ENOENT) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec || ::access(folder.c_str(), W_OK) != 0) {
            const std::string why = ec ? ec.message() : SystemReason(errno);
            return StoreFault{StoreFaultKind::ReadOnly, "สร้างไฟล์ข้อมูลดวงชะตา " + file + " ไม่ได้ (" + why + ")", why};
        }
    } else {
        const std::string why = SystemReason(errno);
        return StoreFault{StoreFaultKind::Io, "เปิดไฟล์ข้อมูลดวงชะตา " + file + " ไม่ได้ (" + why + ")", why};
    }

    const bool writable = readOnly.empty();
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(
        file.c_str(), &db,
        (writable ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX, nullptr);
    ChartStore store(db, path, std::move(options));
    if (code != SQLITE_OK)
        return store.Fault(code, "เปิดไฟล์ข้อมูลดวงชะตา");
    if (!writable)
        store.readOnlyReason_ = "เปิดแบบอ่านอย่างเดียว: " + readOnly;
    auto prepared = store.Prepare(writable);
    if (!prepared && !writable) {
        // A database in write-ahead mode in a folder nobody may write cannot get its shared
        // memory file; as no copy can write it either, it is read as unchanging.
        sqlite3* immutable = nullptr;
        const int again = sqlite3_open_v2(ImmutableUri(file).c_str(), &immutable,
                                          SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
        ChartStore retry(immutable, path, store.options_);
        retry.readOnlyReason_ = store.readOnlyReason_;
        if (again != SQLITE_OK)
            return retry.Fault(again, "เปิดไฟล์ข้อมูลดวงชะตา");
        if (!(prepared = retry.Prepare(false)))
            return shorter && prepared.fault().kind != StoreFaultKind::Busy ? *shorter : prepared.fault();
        return retry;
    }
    if (!prepared)
        return shorter && prepared.fault().kind != StoreFaultKind::Busy ? *shorter : prepared.fault();
    return store;
}

// Checks before anything is written: the database must pass its quick check and be of a
// version this program knows. Then the journal, the foreign keys and the schema.
StoreResult<Done> ChartStore::Prepare(bool writable)
{
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, options_.busyTimeoutMs);
    {
        Statement check(db_, "PRAGMA quick_check");
        int code = check.PrepareCode();
        if (code == SQLITE_OK && (code = check.Step()) == SQLITE_ROW && check.Text(0) != "ok")
            return StoreFault{StoreFaultKind::Damaged,
                              "เปิดไฟล์ข้อมูลดวงชะตาไม่ได้: ไฟล์ " + path_.string()
                                  + " เสียหาย ไม่ผ่านการตรวจสอบ (quick_check: " + check.Text(0) + ")",
                              check.Text(0)};
        if (code != SQLITE_ROW)
            return Fault(code, "เปิดไฟล์ข้อมูลดวงชะตา");
    }
    const auto version = UserVersion();
    if (!version)
        return version.fault();
    if (*version > kSchemaVersion) {
        writable = false;
        readOnlyReason_ = "เปิดแบบอ่านอย่างเดียว: ไฟล์นี้สร้างโดย Nemra รุ่นใหม่กว่า (รุ่นข้อมูล " + std::to_string(*version) + ")";
    }
    if (writable) {
        if (auto done = Execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL"); !done)
            return done.fault();
    }
    if (auto done = Execute("PRAGMA foreign_keys = ON"); !done)
        return done.fault();
    if (*version < kSchemaVersion) {
        if (!writable)
            return StoreFault{
                StoreFaultKind::ReadOnly, "เปิดไฟล์ข้อมูลดวงชะตาไม่ได้: ต้องปรับรุ่นข้อมูลก่อนใช้ แต่" + readOnlyReason_, {}};
        return Migrate(*version);
    }
    return Done{};
}

StoreResult<int> ChartStore::UserVersion() const
{
    Statement query(db_, "PRAGMA user_version");
    if (const int code = query.Step(); code != SQLITE_ROW)
        return Fault(code, "เปิดไฟล์ข้อมูลดวงชะตา");
    return static_cast<int>(query.Int(0));
}

StoreResult<Done> ChartStore::Migrate(int fromVersion)
{
    for (int version = fromVersion; version < kSchemaVersion; ++version) {
        Transaction transaction(db_);
        if (transaction.BeginCode() != SQLITE_OK)
            return Fault(transaction.BeginCode(), "เตรียมไฟล์ข้อมูลดวงชะตา");
        // Another copy may have taken the same step while this one waited for the lock.
        const auto current = UserVersion();
        if (!current)
            return current.fault();
        if (*current > version)
            continue;
        if (auto done = Execute(kMigrations[version]); !done)
            return done.fault();
        if (auto done = Execute(("PRAGMA user_version = " + std::to_string(version + 1)).c_str()); !done)
            return done.fault();
        if (const int code = transaction.Commit(); code != SQLITE_OK)
            return Fault(code, "เตรียมไฟล์ข้อมูลดวงชะตา");
    }
    return Done{};
}

StoreResult<Done> ChartStore::Execute(const char* sql) const
{
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        return Fault(code, "ใช้ไฟล์ข้อมูลดวงชะตา");
    return Done{};
}

StoreResult<Done> ChartStore::CheckChangeAllowed() const
{
    if (!ReadOnly())
        return Done{};
    return StoreFault{StoreFaultKind::ReadOnly, "บันทึกไม่ได้: " + readOnlyReason_, {}};
}

std::string ChartStore::Now() const
{
    const LocalDateTime now = DateTimeInZone(options_.clock(), 0.0); // stamps are in UT
    return StampText(now.year, now.month, now.day, now.hour, now.minute, now.second);
}

StoreFault ChartStore::Fault(int code, const std::string& doing) const
{
    std::string detail = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    if (db_ && sqlite3_system_errno(db_) != 0)
        detail += " (" + SystemReason(sqlite3_system_errno(db_)) + ")";
    StoreFaultKind kind = StoreFaultKind::Io;
    const char* what = "อ่านหรือเขียนไฟล์ข้อมูลดวงชะตาไม่สำเร็จ";
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        kind = StoreFaultKind::Busy;
        what = "ไฟล์ข้อมูลดวงชะตากำลังถูกใช้โดยโปรแกรมอีกตัวหนึ่ง รอแล้วยังไม่ว่าง โปรดลองใหม่อีกครั้ง";
        break;
    case SQLITE_FULL:
        kind = StoreFaultKind::DiskFull;
        what = "ที่เก็บข้อมูลเต็ม";
        break;
    case SQLITE_READONLY:
        kind = StoreFaultKind::ReadOnly;
        what = "ไฟล์ข้อมูลดวงชะตาเขียนไม่ได้";
        break;
    case SQLITE_NOTADB:
        kind = StoreFaultKind::NotADatabase;
        what = "ไม่ใช่ไฟล์ข้อมูลดวงชะตา";
        break;
    case SQLITE_CORRUPT:
        kind = StoreFaultKind::Damaged;
        what = "ไฟล์ข้อมูลดวงชะตาเสียหาย";
        break;
    default:
        break;
    }
    return {kind, doing + "ไม่สำเร็จ: " + what + " (" + path_.string() + ": " + detail + ")", detail};
}

StoreResult<std::vector<StoredChart>> ChartStore::Select(const std::string& sql,
                                                         const std::function<void(sqlite3_stmt*)>& bind) const
{
    Statement query(db_, sql);
    if (query.PrepareCode() != SQLITE_OK)
        return Fault(query.PrepareCode(), "อ่านดวงชะตา");
    bind(query.get());
    std::vector<StoredChart> charts;
    int code = SQLITE_ROW;
    while ((code = query.Step()) == SQLITE_ROW)
        charts.push_back(ReadChart(query));
    if (code != SQLITE_DONE)
        return Fault(code, "อ่านดวงชะตา");
    return charts;
}

StoreResult<std::int64_t> ChartStore::Count() const
{
    Statement query(db_, "SELECT count(*) FROM charts");
    if (const int code = query.Step(); code != SQLITE_ROW)
        return Fault(code, "นับดวงชะตา");
    return query.Int(0);
}

StoreResult<ChartPage> ChartStore::Find(const ChartQuery& query) const
{
    std::vector<std::string> values;
    const auto parameter = [&values](std::string value) {
        values.push_back(std::move(value));
        return "?" + std::to_string(values.size());
    };
    std::string where = " WHERE 1";
    if (query.group)
        where += " AND grp = " + parameter(*query.group);
    std::string match;
    bool scanning = false;
    for (const std::string& word : SplitWords(query.text)) {
        if (CharCount(word) >= 3) {
            match += (match.empty() ? "" : " ") + FtsString(word);
            continue;
        }
        scanning = true;
        const std::string p = parameter(LikePattern(word));
        where += " AND (name LIKE " + p + " ESCAPE '\\' OR place LIKE " + p + " ESCAPE '\\' OR note LIKE " + p
                 + " ESCAPE '\\' OR grp LIKE " + p + " ESCAPE '\\')";
    }
    if (!match.empty())
        where += " AND id IN (SELECT rowid FROM chart_words WHERE chart_words MATCH " + parameter(match) + ")";
    const auto bindAll = [&values](sqlite3_stmt* stmt) {
        for (std::size_t i = 0; i < values.size(); ++i)
            BindText(stmt, static_cast<int>(i + 1), values[i]);
    };

    ChartPage page;
    const std::string limit =
        " LIMIT " + std::to_string(std::max(query.limit, 0)) + " OFFSET " + std::to_string(std::max(query.offset, 0));
    auto rows = Select(
        kChartColumns + where + OrderBy(query.sortBy, query.descending, scanning && match.empty()) + limit, bindAll);
    if (!rows)
        return rows.fault();
    page.rows = std::move(*rows);
    if (!query.countMatches)
        return page;
    Statement count(db_, "SELECT count(*) FROM charts" + where);
    bindAll(count.get());
    if (const int code = count.Step(); code != SQLITE_ROW)
        return Fault(code, "ค้นหาดวงชะตา");
    page.total = count.Int(0);
    return page;
}

StoreResult<StoredChart> ChartStore::Get(std::int64_t id) const
{
    auto charts = GetMany(std::span<const std::int64_t>(&id, 1));
    if (!charts)
        return charts.fault();
    if (charts->empty())
        return StoreFault{StoreFaultKind::NotFound, "ไม่พบดวงชะตาหมายเลข " + std::to_string(id), {}};
    return std::move(charts->front());
}

StoreResult<std::vector<StoredChart>> ChartStore::GetMany(std::span<const std::int64_t> ids) const
{
    Statement query(db_, std::string(kChartColumns) + " WHERE id = ?1");
    std::vector<StoredChart> charts;
    for (const std::int64_t id : ids) {
        query.Reset();
        sqlite3_bind_int64(query.get(), 1, id);
        const int code = query.Step();
        if (code == SQLITE_ROW)
            charts.push_back(ReadChart(query));
        else if (code != SQLITE_DONE)
            return Fault(code, "อ่านดวงชะตา");
    }
    return charts;
}

StoreResult<std::vector<std::int64_t>> ChartStore::IdsNamed(const std::string& name) const
{
    Statement query(db_, "SELECT id FROM charts WHERE name = ?1 ORDER BY changed DESC, id DESC");
    BindText(query.get(), 1, name);
    std::vector<std::int64_t> ids;
    int code = SQLITE_ROW;
    while ((code = query.Step()) == SQLITE_ROW)
        ids.push_back(query.Int(0));
    if (code != SQLITE_DONE)
        return Fault(code, "ค้นหาดวงชะตา");
    return ids;
}

StoreResult<std::vector<std::string>> ChartStore::Groups() const
{
    Statement query(db_, "SELECT DISTINCT grp FROM charts WHERE grp <> '' ORDER BY grp");
    std::vector<std::string> groups;
    int code = SQLITE_ROW;
    while ((code = query.Step()) == SQLITE_ROW)
        groups.push_back(query.Text(0));
    if (code != SQLITE_DONE)
        return Fault(code, "อ่านกลุ่ม");
    return groups;
}

StoreResult<std::int64_t> ChartStore::Add(const ChartDraft& chart, IfNameExists ifExists)
{
    if (const auto check = CheckChangeAllowed(); !check)
        return check.fault();
    if (const auto check = CheckDraft(chart); !check)
        return check.fault();
    Transaction transaction(db_);
    if (transaction.BeginCode() != SQLITE_OK)
        return Fault(transaction.BeginCode(), "บันทึกดวงชะตา");
    std::int64_t id = 0;
    if (ifExists != IfNameExists::KeepBoth) {
        auto ids = IdsNamed(chart.input.Name.str());
        if (!ids)
            return ids.fault();
        if (!ids->empty() && ifExists == IfNameExists::Ask)
            return StoreFault{StoreFaultKind::NameExists, "มีดวงชะตาชื่อ \"" + chart.input.Name.str() + "\" เก็บไว้แล้ว", {}};
        if (!ids->empty())
            id = ids->front();
    }
    ChartWriter writer(db_);
    const std::string now = Now();
    bool found = false;
    const int code = id != 0 ? writer.Update(id, chart, now, found) : writer.Insert(chart, now, now, id);
    if (code != SQLITE_DONE)
        return Fault(code, "บันทึกดวงชะตา");
    if (const int commit = transaction.Commit(); commit != SQLITE_OK)
        return Fault(commit, "บันทึกดวงชะตา");
    return id;
}

StoreResult<Done> ChartStore::Update(std::int64_t id, const ChartDraft& chart)
{
    if (const auto check = CheckChangeAllowed(); !check)
        return check.fault();
    if (const auto check = CheckDraft(chart); !check)
        return check.fault();
    Transaction transaction(db_);
    if (transaction.BeginCode() != SQLITE_OK)
        return Fault(transaction.BeginCode(), "แก้ไขดวงชะตา");
    ChartWriter writer(db_);
    bool found = false;
    if (const int code = writer.Update(id, chart, Now(), found); code != SQLITE_DONE)
        return Fault(code, "แก้ไขดวงชะตา");
    if (!found)
        return StoreFault{StoreFaultKind::NotFound, "ไม่พบดวงชะตาหมายเลข " + std::to_string(id), {}};
    if (const int code = transaction.Commit(); code != SQLITE_OK)
        return Fault(code, "แก้ไขดวงชะตา");
    return Done{};
}

StoreResult<int> ChartStore::Delete(std::span<const std::int64_t> ids)
{
    if (const auto check = CheckChangeAllowed(); !check)
        return check.fault();
    Transaction transaction(db_);
    if (transaction.BeginCode() != SQLITE_OK)
        return Fault(transaction.BeginCode(), "ลบดวงชะตา");
    ChartWriter writer(db_);
    int deleted = 0;
    for (const std::int64_t id : ids) {
        bool found = false;
        if (const int code = writer.Remove(id, found); code != SQLITE_DONE)
            return Fault(code, "ลบดวงชะตา");
        deleted += found ? 1 : 0;
    }
    if (const int code = transaction.Commit(); code != SQLITE_OK)
        return Fault(code, "ลบดวงชะตา");
    return deleted;
}

StoreResult<ImportReport> ChartStore::ImportCsv(std::string_view bytes, const ImportProgress& progress)
{
    if (const auto check = CheckChangeAllowed(); !check)
        return check.fault();
    return ImportPlan(PlanCsvImport(bytes), progress);
}

StoreResult<ImportReport> ChartStore::ImportAaf(std::string_view bytes, const Atlas* atlas,
                                                const ImportProgress& progress)
{
    if (const auto check = CheckChangeAllowed(); !check)
        return check.fault();
    AafImportPlan aaf = PlanAafImport(bytes, atlas);
    auto report = ImportPlan(std::move(aaf.plan), progress);
    if (report) {
        report->needsPlace = std::move(aaf.needsPlace);
        report->ignoredChunks = aaf.ignoredChunks;
    }
    return report;
}

StoreResult<ImportReport> ChartStore::ImportPlan(CsvImportPlan plan, const ImportProgress& progress)
{
    if (plan.fileFault)
        return *plan.fileFault;
    ImportReport report;
    report.faults = std::move(plan.faults);
    // A large import touches far more pages than the default cache holds; a larger cache
    // while it runs keeps them from being written out and read back.
    // The cache size is only a hint: an import runs as well, if slower, when it is refused.
    static_cast<void>(Execute("PRAGMA cache_size = -65536"));
    const std::shared_ptr<void> restoreCache(
        nullptr, [this](void*) { static_cast<void>(Execute("PRAGMA cache_size = -2000")); });
    Transaction transaction(db_);
    if (transaction.BeginCode() != SQLITE_OK)
        return Fault(transaction.BeginCode(), "นำเข้าดวงชะตา");
    Statement same(db_, "SELECT 1 FROM charts WHERE name = ?1 AND date = ?2 AND time = ?3 AND zone = ?4 AND "
                        "latitude = ?5 AND longitude = ?6 AND place = ?7 AND note = ?8 AND grp = ?9 LIMIT 1");
    ChartWriter writer(db_);
    const std::string now = Now();
    const int total = static_cast<int>(plan.rows.size());
    for (int i = 0; i < total; ++i) {
        const CsvImportRow& row = plan.rows[static_cast<std::size_t>(i)];
        same.Reset();
        BindChart(same.get(), row.chart);
        int code = same.Step();
        if (code == SQLITE_ROW) {
            ++report.unchanged;
        } else if (code == SQLITE_DONE) {
            const std::string& created = row.created.empty() ? now : row.created;
            std::int64_t id = 0;
            if ((code = writer.Insert(row.chart, created, row.changed.empty() ? created : row.changed, id))
                != SQLITE_DONE)
                return Fault(code, "นำเข้าดวงชะตา");
            ++report.added;
        } else {
            return Fault(code, "นำเข้าดวงชะตา");
        }
        if (progress)
            progress(i + 1, total);
    }
    if (const int code = transaction.Commit(); code != SQLITE_OK)
        return Fault(code, "นำเข้าดวงชะตา");
    return report;
}

namespace {

// The whole of an import file; one that cannot be read is reported with the system's reason.
StoreResult<std::string> ReadImportFile(const std::filesystem::path& file)
{
    const std::string name = file.string();
    const auto failed = [&name](const std::string& why) {
        return StoreFault{StoreFaultKind::BadFile, "อ่านไฟล์ " + name + " ไม่ได้ (" + why + ")", why};
    };
    struct stat status {};
    if (::stat(name.c_str(), &status) != 0)
        return failed(SystemReason(errno));
    if (!S_ISREG(status.st_mode))
        return failed("not a regular file");
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failed(SystemReason(errno));
    std::string bytes;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
    const int err = got < 0 ? errno : 0;
    ::close(fd);
    if (err != 0)
        return failed(SystemReason(err));
    return bytes;
}

} // namespace

StoreResult<ImportReport> ChartStore::ImportCsvFile(const std::filesystem::path& file, const ImportProgress& progress)
{
    auto bytes = ReadImportFile(file);
    if (!bytes)
        return bytes.fault();
    return ImportCsv(*bytes, progress);
}

StoreResult<ImportReport> ChartStore::ImportAafFile(const std::filesystem::path& file, const Atlas* atlas,
                                                    const ImportProgress& progress)
{
    auto bytes = ReadImportFile(file);
    if (!bytes)
        return bytes.fault();
    return ImportAaf(*bytes, atlas, progress);
}

std::string DescribeImport(const ImportReport& report)
{
    std::string text = "นำเข้าดวงชะตา " + std::to_string(report.added) + " ดวง";
    if (report.unchanged > 0)
        text += ", มีอยู่แล้ว " + std::to_string(report.unchanged) + " ดวง";
    if (!report.faults.empty())
        text += "\nไม่ได้นำเข้า " + std::to_string(report.faults.size()) + " แถว:";
    for (const CsvRowFault& fault : report.faults)
        text += "\nบรรทัด " + std::to_string(fault.line) + ": " + fault.reason;
    if (!report.needsPlace.empty())
        text += "\nต้องระบุสถานที่ " + std::to_string(report.needsPlace.size()) + " ดวง:";
    for (const CsvRowFault& fault : report.needsPlace)
        text += "\nบรรทัด " + std::to_string(fault.line) + ": " + fault.reason;
    if (report.ignoredChunks > 0)
        text += "\nข้ามส่วนข้อมูลที่โปรแกรมไม่ได้ใช้ " + std::to_string(report.ignoredChunks) + " ส่วน";
    return text;
}

StoreResult<int> ChartStore::ExportCsv(const std::filesystem::path& file, std::span<const std::int64_t> ids) const
{
    return ExportText(file, ids, ChartsCsv);
}

StoreResult<int> ChartStore::ExportAaf(const std::filesystem::path& file, std::span<const std::int64_t> ids) const
{
    return ExportText(file, ids, ChartsAaf);
}

StoreResult<int> ChartStore::ExportText(const std::filesystem::path& file, std::span<const std::int64_t> ids,
                                        std::string (*format)(const std::vector<StoredChart>&)) const
{
    auto charts =
        ids.empty() ? Select(std::string(kChartColumns) + " ORDER BY name, id", [](sqlite3_stmt*) {}) : GetMany(ids);
    if (!charts)
        return charts.fault();
    const Result<> written = ReplaceFileContents(file.string(), format(*charts));
    if (!written)
        return StoreFault{StoreFaultKind::Io, "บันทึกไฟล์ " + file.string() + " ไม่สำเร็จ: " + written.fault().reason,
                          written.fault().reason};
    return static_cast<int>(charts->size());
}

StoreResult<Done> ChartStore::Backup(const std::filesystem::path& file) const
{
    const std::string target = file.string();
    const auto failed = [&target](const std::string& why) {
        return StoreFault{StoreFaultKind::Io, "สำรองไฟล์ข้อมูลดวงชะตาไปที่ " + target + " ไม่สำเร็จ: " + why, why};
    };
    std::error_code ec;
    if (fs::equivalent(file, path_, ec))
        return failed("the backup would replace the database itself");
    std::string pattern = target + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return failed(SystemReason(errno));
    ::close(fd);
    const std::string temp = pattern;
    sqlite3* copy = nullptr;
    int code = sqlite3_open_v2(temp.c_str(), &copy, SQLITE_OPEN_READWRITE, nullptr);
    std::string why;
    if (code == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", db_, "main");
        if (!backup) {
            code = sqlite3_errcode(copy);
        } else {
            const int step = sqlite3_backup_step(backup, -1);
            const int finish = sqlite3_backup_finish(backup);
            code = step == SQLITE_DONE ? finish : step;
        }
    }
    if (code != SQLITE_OK)
        why = std::string(sqlite3_errstr(code)) + (copy ? std::string(": ") + sqlite3_errmsg(copy) : "");
    if (sqlite3_close(copy) != SQLITE_OK && why.empty())
        why = "closing the copy failed";
    if (why.empty() && ::rename(temp.c_str(), target.c_str()) != 0)
        why = SystemReason(errno);
    if (!why.empty()) {
        ::unlink(temp.c_str());
        return failed(why);
    }
    return Done{};
}

StoreResult<Done> ChartStore::CheckIntegrity() const
{
    Statement check(db_, "PRAGMA integrity_check");
    const int code = check.Step();
    if (code != SQLITE_ROW)
        return Fault(code, "ตรวจสอบไฟล์ข้อมูลดวงชะตา");
    if (check.Text(0) != "ok")
        return StoreFault{StoreFaultKind::Damaged,
                          "ไฟล์ข้อมูลดวงชะตา " + path_.string() + " เสียหาย (integrity_check: " + check.Text(0) + ")",
                          check.Text(0)};
    return Done{};
}

// ---------------------------------------------------------------- the formula book

namespace {

// The entry's text as stored: lines without trailing blanks, no blank lines (a blank line
// ends an entry in the text form), no blanks around the whole.
std::string StoredBookText(std::string_view text)
{
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") != std::string_view::npos)
            out.append(out.empty() ? "" : "\n").append(line);
        start = end + 1;
    }
    return out;
}

} // namespace

StoreResult<std::vector<BookEntry>> ChartStore::BookEntries(BookKind book) const
{
    Statement query(db_, "SELECT key, text FROM book_entries WHERE book = ?1 ORDER BY key");
    if (query.PrepareCode() != SQLITE_OK)
        return Fault(query.PrepareCode(), "อ่านสูตร");
    sqlite3_bind_int(query.get(), 1, static_cast<int>(book));
    std::vector<BookEntry> entries;
    int code = SQLITE_OK;
    while ((code = query.Step()) == SQLITE_ROW)
        entries.push_back({book, query.Text(0), query.Text(1)});
    if (code != SQLITE_DONE)
        return Fault(code, "อ่านสูตร");
    return entries;
}

StoreResult<std::optional<BookEntry>> ChartStore::FindBookEntry(BookKind book, const std::string& key) const
{
    const BookKeyParse parsed = NormaliseBookKey(key);
    if (!parsed.key || parsed.key->book != book)
        return std::optional<BookEntry>{};
    Statement query(db_, "SELECT text FROM book_entries WHERE book = ?1 AND key = ?2");
    if (query.PrepareCode() != SQLITE_OK)
        return Fault(query.PrepareCode(), "อ่านสูตร");
    sqlite3_bind_int(query.get(), 1, static_cast<int>(book));
    BindText(query.get(), 2, parsed.key->key);
    const int code = query.Step();
    if (code == SQLITE_ROW)
        return std::optional<BookEntry>{BookEntry{book, parsed.key->key, query.Text(0)}};
    if (code != SQLITE_DONE)
        return Fault(code, "อ่านสูตร");
    return std::optional<BookEntry>{};
}

StoreResult<Done> ChartStore::PutBookEntry(const BookEntry& entry)
{
    const std::string block = entry.key + "\n" + StoredBookText(entry.text) + "\n";
    const BookTextPlan plan = ParseBookText(block);
    if (!plan.faults.empty() || plan.entries.size() != 1 || plan.entries[0].book != entry.book)
        return StoreFault{StoreFaultKind::Refused,
                          "บันทึกสูตรไม่ได้: " + (plan.faults.empty() ? std::string("ผิดประเภทสูตร") : plan.faults[0].reason),
                          {}};
    auto done = ImportBook(block);
    if (!done)
        return done.fault();
    return Done{};
}

StoreResult<Done> ChartStore::DeleteBookEntry(BookKind book, const std::string& key)
{
    if (const auto check = CheckChangeAllowed(); !check)
        return check.fault();
    const BookKeyParse parsed = NormaliseBookKey(key);
    if (!parsed.key)
        return StoreFault{StoreFaultKind::NotFound, "ไม่พบสูตร " + key, parsed.error};
    Transaction transaction(db_);
    if (transaction.BeginCode() != SQLITE_OK)
        return Fault(transaction.BeginCode(), "ลบสูตร");
    Statement remove(db_, "DELETE FROM book_entries WHERE book = ?1 AND key = ?2");
    sqlite3_bind_int(remove.get(), 1, static_cast<int>(book));
    BindText(remove.get(), 2, parsed.key->key);
    if (const int code = remove.Step(); code != SQLITE_DONE)
        return Fault(code, "ลบสูตร");
    if (sqlite3_changes(db_) == 0)
        return StoreFault{StoreFaultKind::NotFound, "ไม่พบสูตร " + parsed.key->key, {}};
    if (const int code = transaction.Commit(); code != SQLITE_OK)
        return Fault(code, "ลบสูตร");
    return Done{};
}

StoreResult<BookImportReport> ChartStore::ImportBook(std::string_view bytes)
{
    if (const auto check = CheckChangeAllowed(); !check)
        return check.fault();
    const BookTextPlan plan = ParseBookText(bytes);
    BookImportReport report;
    report.faults = plan.faults;
    Transaction transaction(db_);
    if (transaction.BeginCode() != SQLITE_OK)
        return Fault(transaction.BeginCode(), "นำเข้าสูตร");
    Statement find(db_, "SELECT text FROM book_entries WHERE book = ?1 AND key = ?2");
    Statement put(db_, "INSERT INTO book_entries (book, key, text, changed) VALUES (?1, ?2, ?3, ?4) "
                       "ON CONFLICT (book, key) DO UPDATE SET text = excluded.text, changed = excluded.changed");
    if (find.PrepareCode() != SQLITE_OK || put.PrepareCode() != SQLITE_OK)
        return Fault(find.PrepareCode() != SQLITE_OK ? find.PrepareCode() : put.PrepareCode(), "นำเข้าสูตร");
    const std::string now = Now();
    for (const BookEntry& entry : plan.entries) {
        const std::string text = StoredBookText(entry.text);
        find.Reset();
        sqlite3_bind_int(find.get(), 1, static_cast<int>(entry.book));
        BindText(find.get(), 2, entry.key);
        const int found = find.Step();
        if (found != SQLITE_ROW && found != SQLITE_DONE)
            return Fault(found, "นำเข้าสูตร");
        if (found == SQLITE_ROW && find.Text(0) == text) {
            ++report.unchanged;
            continue;
        }
        ++(found == SQLITE_ROW ? report.replaced : report.added);
        put.Reset();
        sqlite3_bind_int(put.get(), 1, static_cast<int>(entry.book));
        BindText(put.get(), 2, entry.key);
        BindText(put.get(), 3, text);
        BindText(put.get(), 4, now);
        if (const int code = put.Step(); code != SQLITE_DONE)
            return Fault(code, "นำเข้าสูตร");
    }
    if (const int code = transaction.Commit(); code != SQLITE_OK)
        return Fault(code, "นำเข้าสูตร");
    return report;
}

StoreResult<BookImportReport> ChartStore::ImportBookFile(const std::filesystem::path& file)
{
    auto bytes = ReadImportFile(file);
    if (!bytes)
        return bytes.fault();
    return ImportBook(*bytes);
}

StoreResult<int> ChartStore::ExportBook(const std::filesystem::path& file) const
{
    std::vector<BookEntry> all;
    for (const BookKind book : {BookKind::Pictures, BookKind::Houses}) {
        auto entries = BookEntries(book);
        if (!entries)
            return entries.fault();
        all.insert(all.end(), entries->begin(), entries->end());
    }
    const Result<> written = ReplaceFileContents(file.string(), BookText(all));
    if (!written)
        return StoreFault{StoreFaultKind::Io, "บันทึกไฟล์ " + file.string() + " ไม่สำเร็จ: " + written.fault().reason,
                          written.fault().reason};
    return static_cast<int>(all.size());
}

} // namespace nemra
