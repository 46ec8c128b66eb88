#include "charts/model/ChartMoment.h"

#include "core/ChartRecord.h"
#include "core/WinPl.h"
#include "input/model/ChartInputEntry.h"
#include "input/model/ChartInputForms.h"

#include <cmath>
#include <cstdio>

namespace nemra {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Moments further than this from 1900 (about 3 million years) are out of every range here and
// are refused before any date arithmetic, so no count can overflow.
constexpr std::int64_t kFarthestSeconds = 100'000'000'000'000;
// Day number of 1 January 1970, the epoch of the date conversion below.
constexpr std::int64_t kDayNumberOf1970 = 25568;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The Gregorian date of a day number (1 January 1900 is day 1): the inverse of
// WinPl::DayNumber, by the era-of-400-years method.
void DateOfDayNumber(std::int64_t dayNumber, CivilTime& out)
{
    const std::int64_t z = dayNumber - kDayNumberOf1970 + 719468; // days from 1 March of year 0
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    out.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    out.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    out.year = static_cast<int>(yearOfEra + era * 400 + (out.month <= 2 ? 1 : 0));
}

} // namespace

double UtMoment::JulianDay() const
{
    return WinPl::kJulianDayOfDayNumberZero + static_cast<double>(seconds) / kSecondsPerDay;
}

UtMoment MomentOfJulianDay(double jdUT)
{
    const double seconds = (jdUT - WinPl::kJulianDayOfDayNumberZero) * kSecondsPerDay;
    if (!std::isfinite(seconds) || std::fabs(seconds) > static_cast<double>(kFarthestSeconds))
        return {seconds < 0.0 ? -kFarthestSeconds : kFarthestSeconds};
    return {std::llround(seconds)};
}

std::string IsoUtText(UtMoment moment)
{
    const CivilTime t = LocalTimeOf(moment, 0);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return buf;
}

CivilTime LocalTimeOf(UtMoment moment, std::int64_t zoneSeconds)
{
    const std::int64_t local = moment.seconds + zoneSeconds;
    const std::int64_t dayNumber = FloorDiv(local, kSecondsPerDay);
    const std::int64_t ofDay = local - dayNumber * kSecondsPerDay;
    CivilTime t;
    DateOfDayNumber(dayNumber, t);
    t.hour = static_cast<int>(ofDay / 3600);
    t.minute = static_cast<int>(ofDay / 60 % 60);
    t.second = static_cast<int>(ofDay % 60);
    return t;
}

UtMoment MomentOfLocalTime(const CivilTime& local, std::int64_t zoneSeconds)
{
    const std::int64_t dayNumber = WinPl::DayNumber(local.day, local.month, local.year);
    return {dayNumber * kSecondsPerDay + local.hour * 3600 + local.minute * 60 + local.second - zoneSeconds};
}

CivilTime FirstDayOfYearBE(int yearBE)
{
    // A year whose January falls in a later Christian year than its December began in April.
    const int month = ChristianYearFor(1, yearBE) > ChristianYearFor(12, yearBE) ? 4 : 1;
    CivilTime first;
    first.year = ChristianYearFor(month, yearBE);
    first.month = month;
    return first;
}

std::int64_t ZoneSeconds(std::string_view zoneText)
{
    TChartRecord rec;
    rec.Input.TimeZone = zoneText;
    ParseChartInput(rec);
    return std::llround(rec.ZoneDeg * 240.0); // 15 degrees an hour: 240 seconds a degree
}

std::optional<UtMoment> MomentOf(const TChartInput& input)
{
    if (!CheckInputTexts(input))
        return std::nullopt;
    TChartRecord rec;
    rec.Input = input;
    ParseChartInput(rec);
    const std::int64_t dayNumber = WinPl::DayNumber(rec.Day, rec.Month, rec.Year);
    return UtMoment{dayNumber * kSecondsPerDay + std::llround(rec.LocalHours * 3600.0)
                    - std::llround(rec.ZoneDeg * 240.0)};
}

std::string YearRangeRefusal()
{
    return "ปี พ.ศ. ต้องอยู่ระหว่าง " + std::to_string(kMinYearBE) + " ถึง " + std::to_string(kMaxYearBE);
}

Result<> CheckYearBE(int yearBE)
{
    if (yearBE < kMinYearBE || yearBE > kMaxYearBE)
        return Fault{YearRangeRefusal()};
    return {};
}

Result<> CheckDateBE(int day, int month, int yearBE)
{
    if (auto year = CheckYearBE(yearBE); !year)
        return year;
    if (month < 1 || month > 12)
        return Fault{"เดือนต้องอยู่ระหว่าง 1 ถึง 12"};
    // The date in an input whose other texts are sound: CheckInputTexts is the one judge of dates.
    TChartInput probe;
    probe.Date = DateText(day, month, yearBE);
    probe.Time = TimeText(12, 0, 0);
    probe.TimeZone = AngleText(0, 0, 'E');
    probe.Latitude = AngleText(0, 0, 'N');
    probe.Longitude = AngleText(0, 0, 'E');
    if (const auto check = CheckInputTexts(probe); !check)
        return Fault{check.fault().message};
    return {};
}

ChartOutcome ChartAt(TChartInput chart, UtMoment moment)
{
    if (moment.seconds > kFarthestSeconds || moment.seconds < -kFarthestSeconds)
        return Fault{YearRangeRefusal()};
    const CivilTime local = LocalTimeOf(moment, ZoneSeconds(chart.TimeZone));
    const int yearBE = BuddhistYearFor(local.month, local.year);
    if (const auto check = CheckYearBE(yearBE); !check)
        return Fault{check.fault().reason};
    chart.Date = DateText(local.day, local.month, yearBE);
    chart.Time = TimeText(local.hour, local.minute, local.second);
    if (const auto check = CheckInputTexts(chart); !check)
        return Fault{check.fault().message};
    return MadeChart{std::move(chart), moment};
}

} // namespace nemra
