#include "atlas/model/Atlas.h"

#include "input/model/CityList.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <system_error>
#include <utility>

namespace nemra {
namespace fs = std::filesystem;
namespace {

// Base letters of U+00C0..U+017F, as tools/make-atlas derives them (Unicode decomposition,
// with the letters that do not decompose spelled out); " " for the two signs among them.
constexpr const char* kLatinFold[] = {
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e",  "e",  "i", "i", "i",  "i",  //
    "d", "n", "o",  "o",  "o", "o", "o",  " ", "o", "u", "u",  "u",  "u", "y", "th", "ss", //
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e",  "e",  "i", "i", "i",  "i",  //
    "d", "n", "o",  "o",  "o", "o", "o",  " ", "o", "u", "u",  "u",  "u", "y", "th", "y",  //
    "a", "a", "a",  "a",  "a", "a", "c",  "c", "c", "c", "c",  "c",  "c", "c", "d",  "d",  //
    "d", "d", "e",  "e",  "e", "e", "e",  "e", "e", "e", "e",  "e",  "g", "g", "g",  "g",  //
    "g", "g", "g",  "g",  "h", "h", "h",  "h", "i", "i", "i",  "i",  "i", "i", "i",  "i",  //
    "i", "i", "ij", "ij", "j", "j", "k",  "k", "k", "l", "l",  "l",  "l", "l", "l",  "l",  //
    "l", "l", "l",  "n",  "n", "n", "n",  "n", "n", "n", "ng", "ng", "o", "o", "o",  "o",  //
    "o", "o", "oe", "oe", "r", "r", "r",  "r", "r", "r", "s",  "s",  "s", "s", "s",  "s",  //
    "s", "s", "t",  "t",  "t", "t", "t",  "t", "u", "u", "u",  "u",  "u", "u", "u",  "u",  //
    "u", "u", "u",  "u",  "w", "w", "y",  "y", "y", "z", "z",  "z",  "z", "z", "z",  "s",  //
};
constexpr char32_t kFoldFirst = 0xC0;
constexpr char32_t kFoldEnd = 0x180;

// The largest code point's UTF-8 bytes: every key that begins with a prefix sorts below
// the prefix followed by these.
constexpr const char* kAfterEveryKey = "\xF4\x8F\xBF\xBF";

constexpr const char* kPlaceColumns = "SELECT p.id, p.name, p.thai, p.country, p.latitude, p.longitude, z.name, "
                                      "p.population FROM place p JOIN zone z ON z.id = p.zone ";

class Statement {
  public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool ok() const { return stmt_ != nullptr; }
    void Bind(int index, const std::string& text)
    {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void Bind(int index, int value) { sqlite3_bind_int(stmt_, index, value); }
    void Bind(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
    bool Row() { return sqlite3_step(stmt_) == SQLITE_ROW; }
    std::string Text(int column) const
    {
        const auto* text = sqlite3_column_text(stmt_, column);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                    : std::string();
    }
    double Real(int column) const { return sqlite3_column_double(stmt_, column); }
    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

// The next code point of UTF-8 text at `at` (advanced past it); a byte that does not start a
// well-formed sequence is taken alone, as U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& at, std::size_t& length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = lead < 0x80                   ? 1
             : lead >= 0xC2 && lead < 0xE0 ? 2
             : lead >= 0xE0 && lead < 0xF0 ? 3
             : lead >= 0xF0 && lead < 0xF5 ? 4
                                           : 0;
    if (length == 0 || at + length > text.size()) {
        length = 1;
        ++at;
        return 0xFFFD;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            length = 1;
            ++at;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    at += length;
    return cp;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::vector<AtlasPlace> ReadPlaces(Statement& query, const std::vector<AtlasCountry>& countries)
{
    std::vector<AtlasPlace> places;
    while (query.Row()) {
        AtlasPlace place;
        place.id = query.Int(0);
        place.name = query.Text(1);
        place.thai = query.Text(2);
        const std::string code = query.Text(3);
        const auto country =
            std::find_if(countries.begin(), countries.end(), [&code](const AtlasCountry& c) { return c.code == code; });
        place.country = country != countries.end() ? *country : AtlasCountry{code, code, code};
        place.latitudeDeg = query.Real(4);
        place.longitudeDeg = query.Real(5);
        place.zone = query.Text(6);
        place.population = query.Int(7);
        places.push_back(std::move(place));
    }
    return places;
}

} // namespace

std::string FoldName(std::string_view text)
{
    std::string folded;
    const auto blank = [&folded] {
        if (!folded.empty() && folded.back() != ' ')
            folded += ' ';
    };
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        std::size_t length = 0;
        const char32_t cp = NextCodePoint(text, at, length);
        if (cp < 0x80) {
            const char c = static_cast<char>(cp);
            if (c >= 'A' && c <= 'Z')
                folded += static_cast<char>(c - 'A' + 'a');
            else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
                folded += c;
            else
                blank();
        } else if (cp >= kFoldFirst && cp < kFoldEnd) {
            const std::string_view base = kLatinFold[cp - kFoldFirst];
            if (base == " ")
                blank();
            else
                folded += base;
        } else {
            folded.append(text.substr(start, length));
        }
    }
    if (!folded.empty() && folded.back() == ' ')
        folded.pop_back();
    return folded;
}

std::string LatinBaseLetters(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        std::size_t length = 0;
        const char32_t cp = NextCodePoint(text, at, length);
        const std::string_view base = cp >= kFoldFirst && cp < kFoldEnd ? kLatinFold[cp - kFoldFirst] : "";
        if (base.empty() || base == " ") {
            out.append(text.substr(start, length));
            continue;
        }
        // Upper case: U+00C0..U+00DE (less the sign U+00D7), and the even letters of Latin
        // Extended-A but for the odd runs U+0139..U+0148 and U+0179..U+017E, and the two
        // letters without a capital, U+0138 and U+017F.
        const bool odd = (cp & 1) != 0;
        const bool upper = cp < 0xDF
                           || (cp >= 0x100 && cp != 0x138 && cp != 0x17F
                               && ((cp >= 0x139 && cp <= 0x148) || cp >= 0x179 ? odd : !odd));
        for (std::size_t i = 0; i < base.size(); ++i)
            out += upper && i == 0 ? static_cast<char>(base[i] - 'a' + 'A') : base[i];
    }
    return out;
}

fs::path FindAtlas(const std::optional<fs::path>& explicitPath,
                   const std::function<const char*(const char*)>& environment, const std::vector<fs::path>& dataDirs)
{
    if (explicitPath)
        return *explicitPath;
    if (const char* fromEnvironment = environment ? environment("NEMRA_ATLAS") : nullptr;
        fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    for (const fs::path& dir : dataDirs) {
        std::error_code ec;
        if (!dir.empty() && fs::is_regular_file(dir / kAtlasFileName, ec))
            return dir / kAtlasFileName;
    }
    return {};
}

fs::path ProgramAtlasFile(const std::function<const char*(const char*)>& environment)
{
    // The kernel's link to the running program; without it only the installed data folder.
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return FindAtlas(std::nullopt, environment,
                     ec ? std::vector<fs::path>{InstalledDataDir()} : DefaultCityDataDirs(program.parent_path()));
}

Atlas::Opened Atlas::Open(const fs::path& path)
{
    const std::string name = path.string();
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec))
        return {std::nullopt, "ไม่พบไฟล์แผนที่โลก " + (path.empty() ? std::string(kAtlasFileName) : name)};
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(name.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string why = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return {std::nullopt, "เปิดไฟล์แผนที่โลก " + name + " ไม่ได้ (" + why + ")"};
    }
    Atlas atlas(db);
    Statement countries(db, "SELECT code, name, thai FROM country ORDER BY code");
    Statement places(db, (std::string(kPlaceColumns) + "LIMIT 1").c_str());
    if (!countries.ok() || !places.ok() || !places.Row())
        return {std::nullopt, "ไฟล์ " + name + " ไม่ใช่ไฟล์แผนที่โลก (" + sqlite3_errmsg(db) + ")"};
    while (countries.Row())
        atlas.countries_.push_back({countries.Text(0), countries.Text(1), countries.Text(2)});
    return {std::move(atlas), {}};
}

Atlas::Atlas(sqlite3* db)
    : db_(db)
{
}

Atlas::Atlas(Atlas&& other) noexcept
    : db_(std::exchange(other.db_, nullptr))
    , countries_(std::move(other.countries_))
{
}

Atlas& Atlas::operator=(Atlas&& other) noexcept
{
    if (this != &other) {
        sqlite3_close(db_);
        db_ = std::exchange(other.db_, nullptr);
        countries_ = std::move(other.countries_);
    }
    return *this;
}

Atlas::~Atlas()
{
    sqlite3_close(db_);
}

std::vector<AtlasPlace> Atlas::Query(const std::string& low, const std::string& high, const std::string& countries,
                                     int limit) const
{
    Statement query(db_, (std::string(kPlaceColumns)
                          + "WHERE p.id IN (SELECT place FROM name_key WHERE key >= ?1 AND key < ?2) "
                            "AND (?3 = '' OR instr(?3, '|' || p.country || '|') > 0) "
                            "ORDER BY p.population DESC, p.id LIMIT ?4")
                             .c_str());
    if (!query.ok())
        return {};
    query.Bind(1, low);
    query.Bind(2, high);
    query.Bind(3, countries);
    query.Bind(4, limit);
    return ReadPlaces(query, countries_);
}

std::vector<AtlasPlace> Atlas::Search(std::string_view text, int limit) const
{
    const auto comma = text.find(',');
    const std::string name = FoldName(text.substr(0, comma));
    if (name.empty() || limit <= 0)
        return {};
    std::string countries;
    if (comma != std::string_view::npos) {
        const std::string wanted = FoldName(text.substr(comma + 1));
        for (const AtlasCountry& country : countries_)
            if (!wanted.empty()
                && (FoldName(country.code) == wanted || StartsWith(FoldName(country.name), wanted)
                    || StartsWith(country.thai, wanted)))
                countries += "|" + country.code + "|";
        if (!wanted.empty() && countries.empty())
            return {};
    }
    return Query(name, name + kAfterEveryKey, countries, limit);
}

std::optional<AtlasPlace> Atlas::Lookup(std::string_view name, std::string_view countryCode) const
{
    const std::string key = FoldName(name);
    if (key.empty())
        return std::nullopt;
    const std::string countries =
        countryCode.empty() ? std::string() : std::string("|").append(countryCode).append("|");
    // Every place with the key (a folded key holds no byte below a blank, so "\x01" ends the
    // range at the key itself); the first whose whole name is it.
    for (AtlasPlace& place : Query(key, key + '\x01', countries, 1000))
        if (FoldName(place.name) == key || (!place.thai.empty() && place.thai == key))
            return std::move(place);
    return std::nullopt;
}

std::optional<AtlasPlace> Atlas::Nearest(double latitudeDeg, double longitudeDeg) const
{
    // Squared distance on a plane tangent at the position, the longitude difference taken the
    // short way round and shrunk by the cosine of the latitude.
    Statement query(db_, (std::string(kPlaceColumns)
                          + "ORDER BY (p.latitude - ?1) * (p.latitude - ?1) + "
                            "(min(abs(p.longitude - ?2), 360 - abs(p.longitude - ?2)) * ?3) * "
                            "(min(abs(p.longitude - ?2), 360 - abs(p.longitude - ?2)) * ?3) LIMIT 1")
                             .c_str());
    if (!query.ok())
        return std::nullopt;
    query.Bind(1, latitudeDeg);
    query.Bind(2, longitudeDeg);
    query.Bind(3, std::cos(latitudeDeg * 3.14159265358979323846 / 180.0));
    auto places = ReadPlaces(query, countries_);
    return places.empty() ? std::nullopt : std::optional(std::move(places.front()));
}

AtlasChartPlace ChartPlaceAt(const AtlasPlace& place, const CivilTime& local)
{
    AtlasChartPlace result;
    result.zone = ZoneAt(place.zone, place.longitudeDeg, local);
    result.place.TimeZone = result.zone.zoneText;
    result.place.Latitude =
        DegreesText(std::clamp(place.latitudeDeg, -89.0 - 59.0 / 60.0, 89.0 + 59.0 / 60.0), 'N', 'S');
    result.place.Longitude = DegreesText(place.longitudeDeg, 'E', 'W');
    result.place.Place = place.thai.empty() ? place.name : place.thai;
    return result;
}

std::string AtlasPlaceLabel(const AtlasPlace& place)
{
    const std::string country = place.country.thai.empty() ? place.country.name : place.country.thai;
    if (place.thai.empty())
        return place.name + ", " + country;
    return place.thai + " (" + place.name + "), " + country;
}

} // namespace nemra
