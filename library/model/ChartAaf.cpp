#include "library/model/ChartAaf.h"

#include "atlas/model/ZoneHistory.h"
#include "charts/model/ChartMoment.h"
#include "core/AngleReading.h"
#include "core/ChartInput.h"
#include "core/ThaiText.h"
#include "input/model/ChartInputForms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace nemra {
namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr double kSecondsOfTimePerDegree = 240.0;
constexpr const char* kKeptChunks[] = {"ZNAM", "COM", "SRC"};
constexpr std::size_t kA93Fields = 7;
constexpr std::size_t kB93Fields = 5;

// The country field holds the international vehicle code; the atlas keeps ISO 3166 codes.
// Codes of two letters not listed here are taken as ISO codes.
constexpr std::pair<const char*, const char*> kVehicleCodes[] = {
    {"A", "AT"},   {"AUS", "AU"}, {"B", "BE"},  {"CDN", "CA"}, {"CH", "CH"},  {"CS", "CZ"},  {"D", "DE"},
    {"DK", "DK"},  {"E", "ES"},   {"ET", "EG"}, {"F", "FR"},   {"FL", "LI"},  {"FIN", "FI"}, {"GB", "GB"},
    {"GR", "GR"},  {"H", "HU"},   {"I", "IT"},  {"IND", "IN"}, {"IRL", "IE"}, {"J", "JP"},   {"L", "LU"},
    {"M", "MT"},   {"MEX", "MX"}, {"N", "NO"},  {"NL", "NL"},  {"NZ", "NZ"},  {"P", "PT"},   {"PL", "PL"},
    {"RA", "AR"},  {"RCH", "CL"}, {"RO", "RO"}, {"RUS", "RU"}, {"S", "SE"},   {"SF", "FI"},  {"SK", "SK"},
    {"SLO", "SI"}, {"SU", "RU"},  {"T", "TH"},  {"TR", "TR"},  {"USA", "US"}, {"YU", "RS"},  {"ZA", "ZA"},
};

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool Unknown(std::string_view field)
{
    field = Trim(field);
    return field.empty() || field == "*";
}

std::vector<std::string> SplitFields(std::string_view text)
{
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const auto comma = text.find(',', start);
        fields.emplace_back(Trim(text.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// Latin-1 unless the whole text is UTF-8; a UTF-8 byte-order mark is dropped.
std::string DecodeAaf(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (u >> 6));
            text += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return text;
}

// A text the chart library can store: Latin letters as their base letters, anything else the
// Thai code page lacks as "?".
std::string Storable(std::string_view text)
{
    return FromCp874(ToCp874(LatinBaseLetters(text)));
}

// Whole numbers separated by the characters of `separators` ("19.1.1839", "1:00:30").
std::optional<std::vector<int>> Numbers(std::string_view text, std::string_view separators, std::size_t minCount,
                                        std::size_t maxCount)
{
    std::vector<int> numbers;
    for (std::size_t start = 0;;) {
        const auto end = text.find_first_of(separators, start);
        const auto value = ReadInt(text.substr(start, end - start));
        if (!value || *value < 0 || numbers.size() == maxCount)
            return std::nullopt;
        numbers.push_back(*value);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (numbers.size() < minCount)
        return std::nullopt;
    return numbers;
}

// "43n31", "5e27", "43n31:20": degrees, direction, minutes, seconds; degrees east or north.
std::optional<double> ReadAafAngle(std::string_view text, char positive, char negative)
{
    const auto letter = text.find_first_of(
        std::string{positive, negative, static_cast<char>(positive - 32), static_cast<char>(negative - 32)});
    if (letter == std::string_view::npos || letter == 0)
        return std::nullopt;
    const auto degrees = ReadInt(text.substr(0, letter));
    const auto rest = Numbers(text.substr(letter + 1), ":", 1, 2);
    if (!degrees || *degrees < 0 || !rest || (*rest)[0] >= 60 || (rest->size() > 1 && (*rest)[1] >= 60))
        return std::nullopt;
    const double value = *degrees + (*rest)[0] / 60.0 + (rest->size() > 1 ? (*rest)[1] / 3600.0 : 0.0);
    return std::tolower(static_cast<unsigned char>(text[letter])) == negative ? -value : value;
}

// "1he00", "1he", "0e21:48", "5hw00", "1", "-1": seconds east of Greenwich.
std::optional<std::int64_t> ReadAafZone(std::string_view text)
{
    std::string zone;
    for (const char c : text)
        zone += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::int64_t sign = 1;
    std::size_t at = 0;
    if (at < zone.size() && (zone[at] == '-' || zone[at] == '+'))
        sign = zone[at++] == '-' ? -1 : 1;
    const auto digits = [&zone, &at] {
        const std::size_t start = at;
        while (at < zone.size() && zone[at] >= '0' && zone[at] <= '9' && at - start < 4)
            ++at;
        return at > start ? std::optional<int>(std::atoi(zone.substr(start, at - start).c_str())) : std::nullopt;
    };
    const auto hours = digits();
    if (!hours)
        return std::nullopt;
    if (at < zone.size() && zone[at] == 'h')
        ++at;
    if (at < zone.size() && (zone[at] == 'e' || zone[at] == 'w'))
        sign *= zone[at++] == 'w' ? -1 : 1;
    const int minutes = digits().value_or(0);
    int seconds = 0;
    if (at < zone.size() && zone[at] == ':') {
        ++at;
        const auto s = digits();
        if (!s)
            return std::nullopt;
        seconds = *s;
    }
    if (at != zone.size() || *hours > 15 || minutes >= 60 || seconds >= 60)
        return std::nullopt;
    return sign * (*hours * kSecondsPerHour + minutes * 60 + seconds);
}

std::string IsoCountry(const std::string& vehicleCode)
{
    for (const auto& [vehicle, iso] : kVehicleCodes)
        if (vehicleCode == vehicle)
            return iso;
    return vehicleCode.size() == 2 ? vehicleCode : std::string();
}

struct Record {
    int line = 0;
    std::vector<std::string> a;
    std::vector<std::string> b; // empty without #B93
    std::string note;
};

std::string DateLabel(const CivilTime& t)
{
    return std::to_string(t.day) + "." + std::to_string(t.month) + "." + std::to_string(t.year);
}

struct Place {
    std::optional<double> latitude, longitude;
    std::optional<AtlasPlace> atlas;
};

// What the atlas gives for the record's place: the whole place field, or its part before a
// "/" ("Kandel/Pfalz"), in the record's country.
std::optional<AtlasPlace> AtlasPlaceOf(const Atlas* atlas, const std::string& place, const std::string& country)
{
    if (!atlas || Unknown(place))
        return std::nullopt;
    const std::string iso = IsoCountry(country);
    if (auto found = atlas->Lookup(place, iso))
        return found;
    const auto slash = place.find('/');
    return slash == std::string::npos ? std::nullopt : atlas->Lookup(place.substr(0, slash), iso);
}

// The chart of one record; `needsPlace` is set when only a place is missing.
std::optional<std::string> ChartOfRecord(const Record& record, const Atlas* atlas, ChartDraft& chart, bool& needsPlace)
{
    const auto& a = record.a;
    const auto& b = record.b;
    const std::string last = Unknown(a[0]) ? "" : a[0];
    const std::string first = Unknown(a[1]) ? "" : a[1];
    const std::string name = Storable(first.empty() || last.empty() ? first + last : first + " " + last);
    if (name.empty())
        return "ไม่มีชื่อ";
    const std::string label = "\"" + name + "\": ";

    std::optional<CivilTime> local;
    if (!Unknown(a[3])) {
        const auto date = Numbers(a[3], ".", 3, 3);
        if (!date)
            return label + "วันที่ต้องอยู่ในรูป ว.ด.ปปปป: \"" + a[3] + "\"";
        local = CivilTime{(*date)[2], (*date)[1], (*date)[0], 0, 0, 0};
        if (local->year < kAafFirstYear || local->year > kAafLastYear)
            return label + "วันที่ " + a[3] + " อยู่นอกช่วงปี ค.ศ. " + std::to_string(kAafFirstYear) + "–"
                   + std::to_string(kAafLastYear) + " ที่ข้อมูลตำแหน่งดาวครอบคลุม";
        if (const auto check = CheckDateBE(local->day, local->month, BuddhistYearFor(local->month, local->year));
            !check)
            return label + "วันที่ " + a[3] + ": " + check.fault().reason;
        if (Unknown(a[4])) {
            local.reset();
        } else {
            const auto clock = Numbers(a[4], ":.", 2, 3);
            if (!clock || (*clock)[0] > 23 || (*clock)[1] > 59 || (clock->size() > 2 && (*clock)[2] > 59))
                return label + "เวลาต้องอยู่ในรูป ชช:นน: \"" + a[4] + "\"";
            local->hour = (*clock)[0];
            local->minute = (*clock)[1];
            local->second = clock->size() > 2 ? (*clock)[2] : 0;
        }
    }
    std::optional<UtMoment> moment;
    if (!b.empty() && !Unknown(b[0])) {
        const auto jd = ReadReal(b[0]);
        if (!jd)
            return label + "วันจูเลียนอ่านไม่ได้: \"" + b[0] + "\"";
        moment = MomentOfJulianDay(*jd);
    }
    if (!moment && !local)
        return label + "ไม่ทราบวันและเวลาเกิด";

    Place place;
    if (!b.empty() && !Unknown(b[1]) && !Unknown(b[2])) {
        place.latitude = ReadAafAngle(b[1], 'n', 's');
        place.longitude = ReadAafAngle(b[2], 'e', 'w');
        if (!place.latitude || !place.longitude || std::fabs(*place.latitude) > 90 || std::fabs(*place.longitude) > 180)
            return label + "พิกัดอ่านไม่ได้: \"" + b[1] + "," + b[2] + "\"";
    }
    std::optional<std::int64_t> offset;
    bool meridian = false;
    if (!b.empty() && !Unknown(b[3])) {
        offset = ReadAafZone(b[3]);
        if (!offset)
            return label + "เขตเวลาอ่านไม่ได้: \"" + b[3] + "\"";
        const std::string dst = Trim(b[4]) == "*" ? "" : std::string(Trim(b[4]));
        meridian = dst == "m" || dst == "M";
        if (const auto hours = ReadReal(dst); hours && std::fabs(*hours) <= 3)
            *offset += std::llround(*hours * kSecondsPerHour);
    } else if (moment && local) {
        offset = MomentOfLocalTime(*local, 0).seconds - moment->seconds; // the local clock's own offset
    }

    std::string zoneText = offset ? (meridian ? MeridianZoneText(static_cast<double>(*offset) / kSecondsOfTimePerDegree)
                                              : ZoneTextOfOffset(*offset))
                                  : std::string();
    const std::string placeName = Unknown(a[5]) ? "" : a[5];
    const std::string country = Unknown(a[6]) ? "" : a[6];
    if (!place.latitude || !offset) {
        place.atlas = AtlasPlaceOf(atlas, placeName, country);
        if (!place.atlas) {
            needsPlace = true;
            return label + "ไม่พบ \"" + placeName + (country.empty() ? "" : ", " + country)
                   + "\" ในแผนที่โลก ต้องระบุสถานที่เอง";
        }
        if (!place.latitude) {
            place.latitude = place.atlas->latitudeDeg;
            place.longitude = place.atlas->longitudeDeg;
        }
        if (!offset) {
            if (!local)
                return label + "ไม่ทราบเวลาท้องถิ่น จึงหาเขตเวลาจากแผนที่โลกไม่ได้";
            const ZoneReading zone = ZoneAt(place.atlas->zone, *place.longitude, *local);
            if (zone.kind != LocalTimeKind::Unique)
                return label + zone.fault;
            offset = zone.offsetSeconds;
            zoneText = zone.zoneText;
        }
    }
    if (!moment)
        moment = MomentOfLocalTime(*local, *offset);

    TChartInput input;
    input.Name = name;
    const std::string placeText =
        Storable(placeName.empty() || country.empty() ? placeName + country : placeName + ", " + country);
    input.Place = placeText;
    input.TimeZone = zoneText;
    constexpr double kMaxLatitude = kMaxLatitudeDegrees + kMaxLatitudeMinutes / 60.0;
    input.Latitude = DegreesText(std::clamp(*place.latitude, -kMaxLatitude, kMaxLatitude), 'N', 'S');
    input.Longitude = DegreesText(*place.longitude, 'E', 'W');
    const CivilTime at = LocalTimeOf(*moment, ZoneSeconds(zoneText));
    if (at.year < kAafFirstYear || at.year > kAafLastYear)
        return label + "วันที่ " + DateLabel(at) + " อยู่นอกช่วงปี ค.ศ. " + std::to_string(kAafFirstYear) + "–"
               + std::to_string(kAafLastYear) + " ที่ข้อมูลตำแหน่งดาวครอบคลุม";
    ChartOutcome outcome = ChartAt(input, *moment);
    if (!outcome.ok())
        return label + outcome.fault().reason;
    chart.input = outcome->chart;
    chart.note = CutToChars(Storable(record.note), kNoteChars);
    if (CharCount(name) > decltype(input.Name)::capacity || CharCount(placeText) > decltype(input.Place)::capacity)
        chart.note = CutToChars(name + "\n" + placeText + (chart.note.empty() ? "" : "\n" + chart.note), kNoteChars);
    chart.group.clear();
    if (const auto check = CheckDraft(chart); !check)
        return label + check.fault().reason;
    return std::nullopt;
}

// AAF fields hold no commas and no line breaks.
std::string Field(std::string_view text)
{
    std::string field(Trim(text));
    for (char& c : field)
        if (c == ',')
            c = ';';
        else if (c == '\r' || c == '\n')
            c = ' ';
    return field.empty() ? "*" : field;
}

// "13n45": whole degrees, the direction letter, whole minutes (AAF holds no seconds).
std::string AafAngle(std::string_view text, AngleKind kind)
{
    const auto angle = ReadAngleText(text, kind);
    if (!angle)
        return "*";
    const long minutes = std::min(std::lround(angle->minutes), 59L);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d%c%02ld", std::abs(angle->whole),
                  static_cast<char>(std::tolower(static_cast<unsigned char>(angle->letter))), minutes);
    return buf;
}

std::string AafZone(std::int64_t offset)
{
    const std::int64_t magnitude = std::llabs(offset);
    char buf[48];
    int written = std::snprintf(buf, sizeof buf, "%lldh%c%02lld", static_cast<long long>(magnitude / kSecondsPerHour),
                                offset < 0 ? 'w' : 'e', static_cast<long long>(magnitude % kSecondsPerHour / 60));
    if (magnitude % 60 != 0 && written > 0)
        std::snprintf(buf + written, sizeof buf - static_cast<std::size_t>(written), ":%02lld",
                      static_cast<long long>(magnitude % 60));
    return buf;
}

// The note as chunks: its #ZNAM and #SRC lines as they are, other lines as #COM text (a line
// that would start a chunk opens a #COM of its own).
void AppendNote(std::string& out, const std::string& note)
{
    if (note.empty())
        return;
    bool inComment = false;
    for (std::size_t start = 0; start <= note.size();) {
        const auto end = std::min(note.find('\n', start), note.size());
        std::string line = note.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("#ZNAM:", 0) == 0 || line.rfind("#SRC:", 0) == 0) {
            out += line;
            inComment = false;
        } else if (inComment && (line.empty() || line.front() != '#')) {
            out += line;
        } else {
            out += "#COM:" + line;
            inComment = true;
        }
        out += "\r\n";
        start = end + 1;
    }
}

// A place text "Aix-En-Provence, F" split into the place and a country code of one to three
// capital letters.
std::pair<std::string, std::string> PlaceAndCountry(const std::string& place)
{
    const auto comma = place.rfind(", ");
    if (comma == std::string::npos)
        return {place, ""};
    const std::string code = place.substr(comma + 2);
    const bool isCode = !code.empty() && code.size() <= 3
                        && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    return isCode ? std::pair{place.substr(0, comma), code} : std::pair{place, std::string()};
}

} // namespace

AafImportPlan PlanAafImport(std::string_view bytes, const Atlas* atlas)
{
    const std::string text = DecodeAaf(bytes);
    std::vector<Record> records;
    // The chunk that continuation lines (lines not starting with "#") belong to: a kept one
    // appends them to the note, another drops them with it.
    enum class Current { None, A93, B93, Kept, Other } current = Current::None;
    AafImportPlan result;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        auto end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        ++lineNumber;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (line.empty() || line.front() != '#') {
            if (current == Current::Kept)
                records.back().note.append("\n").append(line);
            continue;
        }
        const auto colon = line.find(':');
        const std::string_view id = line.substr(1, colon == std::string_view::npos ? 0 : colon - 1);
        const std::string_view data = colon == std::string_view::npos ? std::string_view{} : line.substr(colon + 1);
        if (id == "A93") {
            records.push_back({lineNumber, SplitFields(data), {}, {}});
            current = Current::A93;
        } else if (records.empty()) {
            ++result.ignoredChunks;
            current = Current::Other;
        } else if (id == "B93" && records.back().b.empty()) {
            records.back().b = SplitFields(data);
            current = Current::B93;
        } else if (std::find(std::begin(kKeptChunks), std::end(kKeptChunks), id) != std::end(kKeptChunks)) {
            std::string& note = records.back().note;
            note.append(note.empty() ? "" : "\n");
            if (id == "COM")
                note.append(data);
            else
                note.append("#").append(line.substr(1));
            current = Current::Kept;
        } else {
            ++result.ignoredChunks;
            current = Current::Other;
        }
    }
    for (const Record& record : records) {
        if (record.a.size() != kA93Fields || (!record.b.empty() && record.b.size() != kB93Fields)) {
            result.plan.faults.push_back({record.line, "#A93 ต้องมี 7 ช่อง และ #B93 ต้องมี 5 ช่อง"});
            continue;
        }
        CsvImportRow row;
        row.line = record.line;
        bool needsPlace = false;
        if (auto fault = ChartOfRecord(record, atlas, row.chart, needsPlace))
            (needsPlace ? result.needsPlace : result.plan.faults).push_back({record.line, std::move(*fault)});
        else
            result.plan.rows.push_back(std::move(row));
    }
    return result;
}

std::string ChartsAaf(const std::vector<StoredChart>& charts)
{
    std::string out;
    for (const StoredChart& stored : charts) {
        const TChartInput& input = stored.chart.input;
        const auto moment = MomentOf(input);
        if (!moment)
            continue; // a stored chart always passes the check; nothing else reaches here
        const std::int64_t offset = ZoneSeconds(input.TimeZone);
        const CivilTime local = LocalTimeOf(*moment, offset);
        char when[64];
        const int written = std::snprintf(when, sizeof when, "%d.%d.%d,%d:%02d", local.day, local.month, local.year,
                                          local.hour, local.minute);
        if (local.second != 0 && written > 0) // seconds only where there are any, as the format writes times
            std::snprintf(when + written, sizeof when - static_cast<std::size_t>(written), ":%02d", local.second);
        const auto [place, country] = PlaceAndCountry(input.Place.str());
        out += "#A93:" + Field(input.Name) + ",*,*," + when + "," + Field(place) + "," + Field(country) + "\r\n";
        char jd[48];
        std::snprintf(jd, sizeof jd, "%.6f", moment->JulianDay());
        const bool meridian = !input.TimeZone.empty() && input.TimeZone.str().back() != 'H';
        out += "#B93:" + std::string(jd) + "," + AafAngle(input.Latitude, AngleKind::Latitude) + ","
               + AafAngle(input.Longitude, AngleKind::Longitude) + "," + AafZone(offset) + "," + (meridian ? "m" : "0")
               + "\r\n";
        AppendNote(out, stored.chart.note);
    }
    return out;
}

bool IsAafFileName(std::string_view name)
{
    if (name.size() < 4)
        return false;
    std::string end(name.substr(name.size() - 4));
    for (char& c : end)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == ".aaf";
}

} // namespace nemra
