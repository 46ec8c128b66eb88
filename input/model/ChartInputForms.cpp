#include "ChartInputForms.h"

#include "ChartInput.h"

#include <cmath>
#include <cstdio>

namespace nemra {

std::string DateText(int day, int month, int yearBE)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%4d", day, month, yearBE);
    return buf;
}

std::string TimeText(int hour, int minute, int second)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%2d.%02d.%02d", hour, minute, second);
    return std::string(buf).substr(0, 8);
}

std::string AngleText(int whole, int minutes, char letter)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d.%02d%c", whole, minutes, letter);
    return buf;
}

std::optional<AngleParts> ReadAngleParts(std::string_view text)
{
    if (text.size() < 2)
        return std::nullopt;
    const char letter = text.back();
    const std::string_view number = text.substr(0, text.size() - 1);
    const auto value = ReadReal(number.substr(0, 6));
    if (!value || number.size() > 6 || !((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')))
        return std::nullopt;
    if (std::fabs(*value) > 1000.0) // "1e99" is a number of six characters but no angle
        return std::nullopt;
    const double whole = std::trunc(*value);
    AngleParts parts;
    parts.whole = static_cast<int>(whole);
    parts.minutes = static_cast<int>(std::lround(std::fabs(*value - whole) * 100.0));
    parts.letter = letter;
    parts.negative = *value < 0.0;
    return parts;
}

} // namespace nemra
