// The values of the place dialog without its widgets: the place it opens on, the latitude
// and longitude texts of the chart input read as degrees and minutes, and the three texts it
// writes back.
#pragma once

#include "core/ChartInput.h"
#include "input/model/ChartInputEntry.h"

#include <optional>
#include <string>

namespace nemra {

// Bangkok: the place, latitude and longitude the dialog offers when the chart input has none.
inline constexpr const char* kDefaultPlace = "กรุงเทพฯ";
inline constexpr const char* kDefaultLatitude = "13.45N";
inline constexpr const char* kDefaultLongitude = "100.30E";

// A place as the dialog's controls hold it.
struct PlaceEntry {
    std::string place;
    AngleEntry latitude;
    AngleEntry longitude;
};

// What the dialog opens with. The latitude and longitude are read in that order; the first
// that cannot be read stops the reading: the value before it is set, `failure` (Thai, for
// the user) says which text could not be read.
struct PlaceOpening {
    std::string place;
    std::optional<AngleEntry> latitude;
    std::optional<AngleEntry> longitude;
    std::optional<std::string> failure;
};

// The chart input's place, or Bangkok when it has none. An empty Latitude or Longitude of
// the chart input is set to Bangkok's at once, whether or not the dialog then closes with OK.
PlaceOpening OpenPlace(TChartInput& input);

// Writes Place (cut to 30 characters), Latitude ("8.04N") and Longitude ("98.54E"); the
// other fields of the chart input stay as they are.
void WritePlace(const PlaceEntry& entry, TChartInput& input);

} // namespace nemra
