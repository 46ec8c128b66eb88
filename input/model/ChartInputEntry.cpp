#include "input/model/ChartInputEntry.h"

#include "core/AngleReading.h"
#include "core/ChartRecord.h"
#include "input/model/ChartInputForms.h"

#include <cmath>

#include <string_view>

namespace nemra {
namespace {

constexpr int kMaxMinutes = 59;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int yearCE)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 31;
    return month == 2 && IsLeapYear(yearCE) ? 29 : kDays[month - 1];
}

char DirectionLetter(bool positive, char positiveLetter, char negativeLetter)
{
    return positive ? positiveLetter : negativeLetter;
}

std::string AngleEntryText(const AngleEntry& angle, char positiveLetter, char negativeLetter)
{
    return AngleText(angle.degrees, angle.minutes, DirectionLetter(angle.positive, positiveLetter, negativeLetter));
}

std::string ZoneText(const ZoneEntry& zone)
{
    if (zone.inHours && zone.value == 0 && !zone.east) // the sign that 0 whole hours cannot carry
        return std::string("-").append(AngleText(0, zone.minutes, 'H'));
    return AngleText(zone.value, zone.minutes, zone.inHours ? 'H' : DirectionLetter(zone.east, 'E', 'W'));
}

// An angle read as the controls hold it: whole degrees (or hours) and whole minutes, within
// `minimum`..`maximum` and, at `maximum`, at most `maximumMinutes`.
struct ControlAngle {
    int whole = 0;
    int minutes = 0;
};
std::optional<ControlAngle> ForControls(const AngleReading& angle, int minimum, int maximum, int maximumMinutes)
{
    const ControlAngle shown{angle.whole, static_cast<int>(std::lround(angle.minutes))};
    if (shown.whole < minimum || shown.whole > maximum || shown.minutes > kMaxMinutes
        || (shown.whole == maximum && shown.minutes > maximumMinutes))
        return std::nullopt;
    return shown;
}

std::optional<ZoneEntry> ReadZone(std::string_view text)
{
    const auto zone = ReadAngleText(text, AngleKind::Zone);
    if (!zone)
        return std::nullopt;
    const bool inHours = zone->InHours();
    const ZoneRange range = ZoneRangeFor(inHours);
    const auto shown = ForControls(*zone, range.minimum, range.maximum, kMaxMinutes);
    if (!shown)
        return std::nullopt;
    return ZoneEntry{shown->whole, shown->minutes, inHours, inHours ? !zone->negative : zone->letter != 'W'};
}

std::optional<AngleEntry> ReadAngle(std::string_view text, AngleKind kind, AngleLimit limit)
{
    const auto angle = ReadAngleText(text, kind);
    if (!angle)
        return std::nullopt;
    const auto shown = ForControls(*angle, 0, limit.degrees, limit.minutes);
    if (!shown)
        return std::nullopt;
    return AngleEntry{shown->whole, shown->minutes, angle->letter == 'N' || angle->letter == 'E'};
}

std::string CityFailure(const char* what, std::string_view text)
{
    return std::string(what) + "ในรายชื่อจังหวัด/เมืองอ่านไม่ได้: \"" + std::string(text) + "\"";
}

} // namespace

ChartInputEntry OpeningEntry(UtInstant ut, const TChartInput& current)
{
    ChartInputEntry entry;
    entry.name = kPresentMomentName;
    const LocalDateTime now = DateTimeInZone(ut, ZoneText(entry.zone));
    entry.day = now.day;
    entry.month = now.month;
    entry.yearBE = now.year + 543;
    entry.hour = now.hour;
    entry.minute = now.minute;
    entry.second = now.second;
    entry.place = current.Place.str();
    return entry;
}

std::string ChristianYearLabel(int yearCE)
{
    return "(ค.ศ. " + std::to_string(yearCE) + ")";
}

int DayWithinMonth(int day, int month, int yearCE)
{
    const int last = DaysInMonth(month, yearCE);
    return day < 1 ? 1 : day > last ? last : day;
}

ZoneRange ZoneRangeFor(bool inHours)
{
    return inHours ? ZoneRange{-11, 12, 7} : ZoneRange{0, 180, 105};
}

void WriteChartInput(const ChartInputEntry& entry, TChartInput& input)
{
    input.Name = entry.name;
    input.Place = entry.place;
    input.Date = DateText(entry.day, entry.month, entry.yearBE);
    input.Time = TimeText(entry.hour, entry.minute, entry.second);
    input.TimeZone = ZoneText(entry.zone);
    input.Latitude = AngleEntryText(entry.latitude, 'N', 'S');
    input.Longitude = AngleEntryText(entry.longitude, 'E', 'W');
}

Result<> CheckEntry(const ChartInputEntry& entry)
{
    TChartInput written;
    WriteChartInput(entry, written);
    if (const auto check = CheckInputTexts(written); !check)
        return Fault{check.fault().message};
    return {};
}

std::optional<AngleEntry> ReadLatitude(std::string_view text)
{
    return ReadAngle(text, AngleKind::Latitude, kMaxLatitude);
}

std::optional<AngleEntry> ReadLongitude(std::string_view text)
{
    return ReadAngle(text, AngleKind::Longitude, kMaxLongitude);
}

ChartInputEntry EntryForChartInput(const TChartInput& input)
{
    ChartInputEntry entry;
    entry.name = input.Name.str();
    entry.place = input.Place.str();
    TChartRecord record; // the date and time as casting reads them
    record.Input = input;
    ParseChartInput(record);
    entry.day = record.Day;
    entry.month = record.Month;
    entry.yearBE = record.YearBE;
    const long seconds = std::lround(record.LocalHours * 3600.0);
    entry.hour = static_cast<int>(seconds / 3600 % 24);
    entry.minute = static_cast<int>(seconds / 60 % 60);
    entry.second = static_cast<int>(seconds % 60);
    if (const auto zone = ReadZone(input.TimeZone))
        entry.zone = *zone;
    if (const auto latitude = ReadLatitude(input.Latitude))
        entry.latitude = *latitude;
    if (const auto longitude = ReadLongitude(input.Longitude))
        entry.longitude = *longitude;
    return entry;
}

CityEntry CityEntryFor(const CityChoice& city)
{
    CityEntry entry;
    entry.place = city.Name;
    entry.zone = ReadZone(city.Zone);
    if (!entry.zone) {
        entry.failure = CityFailure("เขตเวลา", city.Zone);
        return entry;
    }
    const CityEntry position = CityPositionFor(city);
    entry.latitude = position.latitude;
    entry.longitude = position.longitude;
    entry.failure = position.failure;
    return entry;
}

CityEntry CityPositionFor(const CityChoice& city)
{
    CityEntry entry;
    entry.place = city.Name;
    entry.latitude = ReadLatitude(city.Latitude);
    if (!entry.latitude) {
        entry.failure = CityFailure("แลตติจูด", city.Latitude);
        return entry;
    }
    entry.longitude = ReadLongitude(city.Longitude);
    if (!entry.longitude)
        entry.failure = CityFailure("ลองกิจูด", city.Longitude);
    return entry;
}

} // namespace nemra
