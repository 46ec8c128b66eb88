// Chart inputs for tests: the texts of a chart at Bangkok's position (13°45'N 100°30'E).
#pragma once

#include "core/ChartInput.h"

#include <string>

namespace nemra::test {

// Date and time in the chart's own texts (Buddhist era, "9.30" or " 9.05.07"); the zone as
// degrees ("105.00E") or hours ("7.00H").
inline TChartInput BangkokInput(const std::string& date, const std::string& time, const std::string& zone = "105.00E",
                                const std::string& name = "ทดสอบ")
{
    TChartInput in;
    in.Name = name;
    in.Date = date;
    in.Time = time;
    in.TimeZone = zone;
    in.Latitude = "13.45N";
    in.Longitude = "100.30E";
    in.Place = "กรุงเทพฯ";
    return in;
}

} // namespace nemra::test
