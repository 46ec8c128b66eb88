#include "timeline/model/TimingListFiles.h"

#include "charts/model/ChartMoment.h"
#include "core/WinDeg.h"
#include "input/model/ChartInputForms.h"
#include "reports/model/HitSearch.h"
#include "reports/model/ReportFile.h"

#include <cstdio>

namespace nemra {
namespace {

constexpr const char* kListTitle = "ตารางวันเวลาจุดกระทบ";
constexpr const char* kNotKnown = "-";
constexpr const char* kRetrogradeLetter = "พ";
constexpr std::size_t kIcsLineOctets = 75;

CivilTime LocalMinute(double jdUT, std::int64_t zoneSeconds)
{
    UtMoment moment = MomentOfJulianDay(jdUT);
    std::int64_t second = moment.seconds % 60;
    if (second < 0)
        second += 60;
    moment.seconds += second >= 30 ? 60 - second : -second;
    return LocalTimeOf(moment, zoneSeconds);
}

std::string DateOf(const CivilTime& t)
{
    return DateText(t.day, t.month, BuddhistYearFor(t.month, t.year));
}

std::string TimeOf(const CivilTime& t)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d", t.hour % 100, t.minute % 100);
    return buf;
}

std::string OptionalDate(const std::optional<double>& jdUT, std::int64_t zoneSeconds)
{
    return jdUT ? TimingDateText(*jdUT, zoneSeconds) : kNotKnown;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// "20240408T182049Z": a moment in UTC in the basic form iCalendar takes.
std::string IcsTime(double jdUT)
{
    const CivilTime t = LocalTimeOf(MomentOfJulianDay(jdUT), 0);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02dT%02d%02d%02dZ", t.year % 10000, t.month % 100, t.day % 100,
                  t.hour % 100, t.minute % 100, t.second % 100);
    return buf;
}

// A text value with backslash, semicolon, comma and line break escaped.
std::string IcsText(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            escaped += '\\';
        if (c == '\n') {
            escaped += "\\n";
            continue;
        }
        escaped += c;
    }
    return escaped;
}

// Appends a content line folded to lines of at most 75 octets, each continuation starting with
// a blank, never inside a UTF-8 character, and ended with CR LF.
void AppendIcsLine(std::string& out, const std::string& line)
{
    std::size_t at = 0;
    bool first = true;
    while (true) {
        const std::size_t room = first ? kIcsLineOctets : kIcsLineOctets - 1;
        std::size_t end = std::min(line.size(), at + room);
        while (end < line.size() && end > at && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end; // back to the first byte of a character
        out += first ? "" : " ";
        out.append(line, at, end - at);
        out += "\r\n";
        at = end;
        first = false;
        if (at >= line.size())
            break;
    }
}

// A name unique to the hit: its moment, mover and fixed point in letters and numbers.
std::string IcsUid(const TimingHit& hit)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s-%c%02d-%c%02d%02d@nemra", IcsTime(hit.jdUT).c_str(),
                  hit.mover.layer == MoverLayer::Transit ? 'T' : 'D', hit.mover.factor % 100,
                  hit.point.kind == FixedKind::Factor ? 'F' : (hit.point.kind == FixedKind::Reflection ? 'R' : 'M'),
                  hit.point.a % 100, hit.point.b % 100);
    return buf;
}

} // namespace

TimingCells TimingHeaderCells()
{
    return {"วันที่", "เวลา", "จุดกระทบ", "การทำมุม", "พักร์", "เข้าวังกะ", "ออกวังกะ"};
}

std::string TimingDateText(double jdUT, std::int64_t zoneSeconds)
{
    return DateOf(LocalMinute(jdUT, zoneSeconds));
}

std::string TimingDateTimeText(double jdUT, std::int64_t zoneSeconds)
{
    const CivilTime t = LocalMinute(jdUT, zoneSeconds);
    return DateOf(t) + " " + TimeOf(t);
}

TimingCells TimingRowCells(const TimingHit& hit, std::int64_t zoneSeconds)
{
    const CivilTime t = LocalMinute(hit.jdUT, zoneSeconds);
    return {DateOf(t),
            TimeOf(t),
            hit.picture,
            HitAngleText(hit.aspectDeg),
            hit.retrograde ? kRetrogradeLetter : "",
            OptionalDate(hit.orbEnterJdUT, zoneSeconds),
            OptionalDate(hit.orbLeaveJdUT, zoneSeconds)};
}

namespace {
// The last day a period covers: the period ends at 0h of the day after it, so the minute
// before the end names it.
std::string LastDayText(const TimelinePeriod& period)
{
    constexpr double kMinuteDays = 1.0 / 1440.0;
    return TimingDateText(period.toJdUT - kMinuteDays, period.zoneSeconds);
}
} // namespace

std::vector<std::string> TimingTextLines(const TChartInput& natal, const TimelineSettings& settings,
                                         const TimelinePeriod& period, const std::vector<TimingHit>& hits)
{
    const auto header = TimingHeaderCells();
    std::vector<std::string> lines = {
        IdentityLine(natal),
        JoinFields({kListTitle, TimingDateText(period.fromJdUT, period.zoneSeconds), LastDayText(period),
                    "ขนาดของมุม " + WinDeg::ArcText(settings.base), "ระยะวังกะ " + WinDeg::ArcText(settings.orb)}),
        JoinFields({header.begin(), header.end()})};
    for (const TimingHit& hit : hits) {
        const auto cells = TimingRowCells(hit, period.zoneSeconds);
        lines.push_back(JoinFields({cells.begin(), cells.end()}));
    }
    return lines;
}

std::string TimingCsv(const std::vector<TimingHit>& hits, std::int64_t zoneSeconds)
{
    const auto line = [](const std::vector<std::string>& fields) {
        std::string text;
        for (const std::string& field : fields) {
            if (!text.empty())
                text += ',';
            text += CsvField(field);
        }
        return text + "\r\n";
    };
    const auto h = TimingHeaderCells();
    std::string csv = line({h[0], h[1], "UTC", h[2], h[3], h[4], h[5], h[6]});
    for (const TimingHit& hit : hits) {
        const auto c = TimingRowCells(hit, zoneSeconds);
        char angle[32];
        std::snprintf(angle, sizeof angle, "%.1f", hit.aspectDeg);
        csv += line({c[0], c[1], IsoUtText(MomentOfJulianDay(hit.jdUT)), c[2], angle, c[4], c[5], c[6]});
    }
    return csv;
}

std::string TimingIcs(const std::vector<TimingHit>& hits, std::int64_t zoneSeconds, double stampJdUT)
{
    std::string ics;
    for (const char* line :
         {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Nemra//Timing list//TH", "CALSCALE:GREGORIAN", "METHOD:PUBLISH"})
        AppendIcsLine(ics, line);
    const std::string stamp = IcsTime(stampJdUT);
    const auto header = TimingHeaderCells();
    for (const TimingHit& hit : hits) {
        const auto c = TimingRowCells(hit, zoneSeconds);
        const auto when = [&](const std::optional<double>& jd) {
            return jd ? TimingDateTimeText(*jd, zoneSeconds) : std::string(kNotKnown);
        };
        const std::string description = header[3] + " " + c[3] + (hit.retrograde ? " (พักร์)" : "") + "\n" + header[5]
                                        + " " + when(hit.orbEnterJdUT) + "\n" + header[6] + " "
                                        + when(hit.orbLeaveJdUT);
        AppendIcsLine(ics, "BEGIN:VEVENT");
        AppendIcsLine(ics, "UID:" + IcsUid(hit));
        AppendIcsLine(ics, "DTSTAMP:" + stamp);
        AppendIcsLine(ics, "DTSTART:" + IcsTime(hit.jdUT));
        const std::string angle = c[3].substr(std::min(c[3].find_first_not_of(' '), c[3].size()));
        AppendIcsLine(ics, "SUMMARY:" + IcsText(hit.picture + " " + angle));
        AppendIcsLine(ics, "DESCRIPTION:" + IcsText(description));
        AppendIcsLine(ics, "END:VEVENT");
    }
    AppendIcsLine(ics, "END:VCALENDAR");
    return ics;
}

} // namespace nemra
