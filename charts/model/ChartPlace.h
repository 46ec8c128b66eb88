// A place as a chart carries it: zone, latitude, longitude and name, in the chart input's text
// forms, with its check and its one-line form "ZONE,LAT,LON[,PLACE]".
#pragma once

#include "core/ChartInput.h"
#include "core/Result.h"
#include "core/ThaiText.h"
#include "input/model/ChartInputEntry.h"

#include <optional>
#include <string>
#include <string_view>

namespace nemra {

struct ChartPlace {
    CappedText<7> TimeZone;  // "105.00E", "75.00W" or "7.00H"
    CappedText<6> Latitude;  // "13.45N"
    CappedText<7> Longitude; // "100.30E"
    CappedText<30> Place;

    friend bool operator==(const ChartPlace&, const ChartPlace&) = default;
};

// The place of a chart, and a chart put at a place (the other texts kept).
ChartPlace PlaceOf(const TChartInput& chart);
void PutPlace(const ChartPlace& place, TChartInput& chart);

// Nothing when zone, latitude and longitude are texts the chart input accepts, else why not
// (Thai, for the user).
Result<> CheckPlace(const ChartPlace& place);

// A place as the input dialogs' controls hold it, written in the chart input's text forms; and
// back: the controls' values of a place, with `failure` naming the first text that cannot be
// shown in them (the values before it are set).
ChartPlace PlaceOfEntry(const ZoneEntry& zone, const AngleEntry& latitude, const AngleEntry& longitude,
                        const std::string& name);
CityEntry EntryOfPlace(const ChartPlace& place);

// A place written as "ZONE,LAT,LON[,PLACE]" ("7.00H,13.45N,100.30E,กรุงเทพฯ"): blanks around
// each part are dropped, the place name takes the rest of the line. A part longer than its
// field or not in its form is refused (Thai, for the user).
Result<ChartPlace> ReadPlace(std::string_view text);

} // namespace nemra
