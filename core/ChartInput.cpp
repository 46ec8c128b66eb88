#include "core/ChartInput.h"

#include "core/AngleReading.h"

#include "core/WinDeg.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace nemra {
namespace {

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The whole minutes of a degrees.minutes value are below 60 and are whole.
bool HasValidMinutes(double degMin)
{
    const double a = std::fabs(degMin);
    const double minutes = (a - std::floor(a)) * 100.0;
    return minutes < 60.0 - 1e-7;
}

bool AllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

using InputCheck = Result<Done, ChartInputFault>;

ChartInputFault InputFault(ChartInputField field, std::string message)
{
    return {field, std::move(message)};
}

// 2483 BE began on 1 April 1940, as every year before it, and ended on 31 December 1940, so
// that 2484 BE began on 1 January 1941: January to March 2483 BE never existed.
constexpr int kShortYearBE = 2483;
constexpr int kNewYearMonthAfterShortYear = 4;

std::string DateOf(int day, int month, int yearBE)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%d", day, month, yearBE);
    return buf;
}

// A day of January to March 2483 BE: the user meant the same day of 2482 BE (1940), counting
// the year from April as it was then, or of 2484 BE (1941), counting it from January.
ChartInputFault ShortYearFault(int day, int month)
{
    std::string meant;
    for (const int yearBE : {kShortYearBE - 1, kShortYearBE + 1}) {
        const int year = ChristianYearFor(month, yearBE);
        if (day < 1 || day > DaysInMonth(month, year))
            continue;
        meant += (meant.empty() ? "" : " หรือ ") + DateOf(day, month, yearBE) + " (ค.ศ. " + std::to_string(year) + ")";
    }
    if (meant.empty())
        return InputFault(ChartInputField::Date, "ไม่มีวันที่นี้ในเดือนที่ระบุ");
    return InputFault(ChartInputField::Date, "ไม่มีวันที่ " + DateOf(day, month, kShortYearBE) + ": ปี พ.ศ. "
                                                 + std::to_string(kShortYearBE) + " เริ่มวันที่ 1 เมษายน จึงหมายถึง " + meant);
}

InputCheck CheckDate(std::string_view date)
{
    const auto first = date.find('/');
    const auto second = first == std::string_view::npos ? first : date.find('/', first + 1);
    if (second == std::string_view::npos)
        return InputFault(ChartInputField::Date, "วันที่ต้องอยู่ในรูป วว/ดด/ปปปป");
    const auto dayText = date.substr(0, first);
    const auto monthText = date.substr(first + 1, second - first - 1);
    auto yearText = date.substr(second + 1);
    if (yearText.size() <= 4) // a year below 1000 is written right-aligned: " 999"
        while (!yearText.empty() && yearText.front() == ' ')
            yearText.remove_prefix(1);
    if (!AllDigits(dayText) || !AllDigits(monthText) || !AllDigits(yearText) || dayText.size() > 2
        || monthText.size() > 2 || yearText.size() > 4)
        return InputFault(ChartInputField::Date, "วันที่ต้องอยู่ในรูป วว/ดด/ปปปป");
    const int day = *ReadInt(dayText);
    const int month = *ReadInt(monthText);
    const int yearBE = *ReadInt(yearText);
    if (month < 1 || month > 12)
        return InputFault(ChartInputField::Date, "เดือนต้องอยู่ระหว่าง 1 ถึง 12");
    if (yearBE == kShortYearBE && month < kNewYearMonthAfterShortYear)
        return ShortYearFault(day, month);
    const int year = ChristianYearFor(month, yearBE);
    if (year < 1 || year > 2999)
        return InputFault(ChartInputField::Date, "ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542");
    if (day < 1 || day > DaysInMonth(month, year))
        return InputFault(ChartInputField::Date, "ไม่มีวันที่นี้ในเดือนที่ระบุ");
    return {};
}

InputCheck CheckTime(std::string time)
{
    const auto bad = InputFault(ChartInputField::Time, "เวลาต้องอยู่ในรูป ชช.นน หรือ ชช.นน.วว");
    if (time.size() == 7)
        time = "0" + time;
    if (time.size() <= 5) {
        const auto value = ReadReal(time);
        if (!value || *value < 0.0 || *value >= 24.0 || !HasValidMinutes(*value))
            return bad;
        return {};
    }
    if (time.size() != 8)
        return bad;
    const auto hours = ReadInt(std::string_view(time).substr(0, 2));
    const auto minutes = ReadInt(std::string_view(time).substr(3, 2));
    const auto seconds = ReadInt(std::string_view(time).substr(6, 2));
    if (!hours || !minutes || !seconds || *hours < 0 || *hours > 23 || *minutes < 0 || *minutes > 59 || *seconds < 0
        || *seconds > 59)
        return bad;
    return {};
}

// An angle text of its kind within the kind's limits, or the field's message.
InputCheck CheckAngle(std::string_view text, AngleKind kind, ChartInputField field, const char* message)
{
    if (!ReadAngleText(text, kind))
        return InputFault(field, message);
    return {};
}

} // namespace

int ChristianYearFor(int month, int yearBE)
{
    return (month < 4 && yearBE < 2484) ? yearBE - 542 : yearBE - 543;
}

std::string_view FieldKey(ChartInputField field)
{
    switch (field) {
    case ChartInputField::Date:
        return "date";
    case ChartInputField::Time:
        return "time";
    case ChartInputField::TimeZone:
        return "zone";
    case ChartInputField::Latitude:
        return "latitude";
    case ChartInputField::Longitude:
        return "longitude";
    }
    return "input";
}

std::optional<double> ReadReal(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ReadInt(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

Result<Done, ChartInputFault> CheckInputTexts(const TChartInput& input)
{
    if (auto date = CheckDate(input.Date); !date)
        return date;
    if (auto time = CheckTime(input.Time.str()); !time)
        return time;
    if (auto zone = CheckAngle(input.TimeZone, AngleKind::Zone, ChartInputField::TimeZone,
                               "เขตเวลาต้องอยู่ในรูป 105.00E, 75.00W หรือ 7.00H");
        !zone)
        return zone;
    if (auto latitude = CheckAngle(input.Latitude, AngleKind::Latitude, ChartInputField::Latitude,
                                   "ละติจูดต้องอยู่ในรูป 13.45N หรือ 13.45S");
        !latitude)
        return latitude;
    return CheckAngle(input.Longitude, AngleKind::Longitude, ChartInputField::Longitude,
                      "ลองจิจูดต้องอยู่ในรูป 100.30E หรือ 100.30W");
}

} // namespace nemra
