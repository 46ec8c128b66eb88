#include "input/model/ChartInputForms.h"
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

} // namespace nemra
