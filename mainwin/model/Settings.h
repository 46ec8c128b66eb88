// The settings file Nemra06.INI: read once at start-up, never written. A missing file, a
// missing key or a value that is not a number gives the default of that key alone; so does a
// place text that a chart could not be cast from, and the program says which it ignored.
#pragma once

#include "core/ChartLayers.h"

#include <string>
#include <string_view>
#include <vector>

namespace nemra {

struct MainSession;

inline constexpr const char* kSettingsFileName = "Nemra06.INI";

struct StartSettings {
    DialType dialType = kDial360;          // [Dial] DialType: 360, anything else the 90 dial
    ReflectionAxis axis = kAxisAriesLibra; // [Calculations] Axis: 360, anything else the Cancer axis (180)
    bool trueNode = true;                  // [Calculations] Node: non-zero is the true node
    std::string cityName = "กรุงเทพฯ";      // [Place] CityName
    std::string timeZone = "105.00E";      // [Place] Timezone
    std::string latitude = "13.45N";       // [Place] Latitude
    std::string longitude = "100.30E";     // [Place] Longitude
    int maxContracia = 0;                  // [Dial] MaxContracia: 0, 5 or 21, anything else 0

    // "Timezone=7.00h" for each place key whose text (cut to its field) the chart input check
    // refuses and whose default was taken instead, in the order the keys are read.
    std::vector<std::string> ignoredPlaceKeys;
    // Why the file was not read although it exists (it is not a regular file), else empty.
    std::string fileProblem;
};

// Settings from the text of a settings file (CP874 or UTF-8, line by line). Sections and keys
// match without regard to case, as in any INI file; blanks around names and values are
// ignored.
StartSettings ParseSettings(std::string_view fileBytes);

// Settings from the file at `path`; the defaults when it is missing or cannot be read, with
// fileProblem set when the name is not a regular file (a FIFO, a folder, a device), which is
// never opened for reading.
StartSettings ReadSettingsFile(const std::string& path);

// The one message the main window shows about the settings it read (Thai): the ignored place
// keys, or why the file was not read. Empty when there is nothing to say.
std::string SettingsNotice(const StartSettings& settings);

// Puts the settings into the session: dial type, axis, node switch, reflection count, and
// the start place with the name of the present-moment chart in GChartInput.
void ApplySettings(MainSession& s, const StartSettings& settings);

} // namespace nemra
