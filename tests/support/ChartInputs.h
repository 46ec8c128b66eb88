// Chart inputs for tests: the texts of a chart at Bangkok's position (13°45'N 100°30'E), and
// a stored transit chart.
#pragma once

#include "core/ChartInput.h"

#include <string>

namespace nemra::test {

// Date and time in the chart's own texts (Buddhist era, "9.30" or " 9.05.07"); the zone as
// degrees ("105.00E") or hours ("7.00H").
inline TChartInput BangkokInput(const std::string& date, const std::string& time, const std::string& zone = "105.00E",
                                const std::string& name = "ทดสอบ", const std::string& place = "กรุงเทพฯ")
{
    TChartInput in;
    in.Name = name;
    in.Date = date;
    in.Time = time;
    in.TimeZone = zone;
    in.Latitude = "13.45N";
    in.Longitude = "100.30E";
    in.Place = place;
    return in;
}

// A stored transit chart, as the chart input dialog or the present-moment cast leaves it.
inline TChartInput StoredTransit(const std::string& place, const std::string& latitude, const std::string& longitude)
{
    TChartInput in = BangkokInput("07/12/2569", " 9.05.00", "105.00E", "ดวงจรขณะนี้", place);
    in.Latitude = latitude;
    in.Longitude = longitude;
    return in;
}

} // namespace nemra::test
