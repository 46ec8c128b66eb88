// The settings file Nemra06.INI: read once at start-up, never written. A missing file, a
// missing key or a value that is not a number gives the default of that key alone.
#pragma once

#include <string>
#include <string_view>

namespace nemra {

struct MainSession;

inline constexpr const char* kSettingsFileName = "Nemra06.INI";

struct StartSettings {
    int dialType = 360;                // [Dial] DialType: 360, anything else the 90 dial
    int axis = 360;                    // [Calculations] Axis: 360, anything else the Cancer axis (180)
    bool trueNode = true;              // [Calculations] Node: non-zero is the true node
    std::string cityName = "กรุงเทพฯ";  // [Place] CityName
    std::string timeZone = "105.00E";  // [Place] Timezone
    std::string latitude = "13.45N";   // [Place] Latitude
    std::string longitude = "100.30E"; // [Place] Longitude
    int maxContracia = 0;              // [Dial] MaxContracia: 0, 5 or 21, anything else 0
};

// Settings from the text of a settings file (CP874 or UTF-8). Sections and keys match
// without regard to case, as in any INI file; blanks around names and values are ignored.
StartSettings ParseSettings(std::string_view fileBytes);

// Settings from the file at `path`; the defaults when it cannot be read.
StartSettings ReadSettingsFile(const std::string& path);

// Puts the settings into the session: dial type, axis, node switch, reflection count, and
// the start place with the name of the present-moment chart in GChartInput.
void ApplySettings(MainSession& s, const StartSettings& settings);

} // namespace nemra
