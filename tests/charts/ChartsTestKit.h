// What the charts tests share: places, a chart at Bangkok's position, and the distance of a
// found moment from a published time.
#pragma once

#include "charts/model/ChartMoment.h"
#include "charts/model/ChartPlace.h"
#include "tests/support/ChartInputs.h"
#include "tests/support/Faults.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace nemra::test {

inline const ChartPlace kBangkok{"7.00H", "13.45N", "100.30E", "กรุงเทพฯ"};
inline const ChartPlace kLondon{"0.00E", "51.30N", "0.08W", "London"};

// A chart at Bangkok's position with the given date, time and zone texts.
inline TChartInput BangkokChart(const char* date, const char* time, const char* zone = "7.00H")
{
    return BangkokInput(date, time, zone, "ดวงกำเนิด");
}

// Seconds from a UT time written "YYYY-MM-DDTHH:MM" or "YYYY-MM-DDTHH:MM:SS" to a moment.
inline long long SecondsFrom(const std::string& iso, UtMoment moment)
{
    const auto seconds = [](const std::string& t) {
        std::tm tm{};
        tm.tm_year = std::atoi(t.c_str()) - 1900;
        tm.tm_mon = std::atoi(t.c_str() + 5) - 1;
        tm.tm_mday = std::atoi(t.c_str() + 8);
        tm.tm_hour = std::atoi(t.c_str() + 11);
        tm.tm_min = std::atoi(t.c_str() + 14);
        tm.tm_sec = t.size() > 17 ? std::atoi(t.c_str() + 17) : 0;
        return static_cast<long long>(timegm(&tm));
    };
    return seconds(IsoUtText(moment)) - seconds(iso);
}

} // namespace nemra::test
