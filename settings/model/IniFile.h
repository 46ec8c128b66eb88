// Writing the settings file Nemra06.INI. The keys this program knows are updated where they
// stand, or added at the end of their section (a missing section goes at the end of the
// file); every other line (other sections and keys, comments, blank lines) keeps its bytes
// and its place. The file is written in the Thai code page with CR LF and replaced as a
// whole, so a failed save leaves the old file as it was. Reading stays with ReadSettingsFile.
#pragma once

#include "core/ThaiText.h"
#include "mainwin/model/Settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace nemra {

// One key to set: section and key as they are written when added ("Place", "CityName"),
// matched without regard to case as the reader matches them; the value in UTF-8.
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// The keys the place settings write: [Place] CityName, Timezone, Latitude, Longitude.
std::vector<IniEntry> PlaceSettingsEntries(const StartSettings& settings);

// The keys the other settings write: [Dial] DialType and MaxContracia, [Calculations] Axis
// and Node, in the values the reader takes back unchanged (360 or 90; 360 or 180; 1 or 0;
// 21, 5 or 0).
std::vector<IniEntry> MiscSettingsEntries(const StartSettings& settings);

// The bytes of a settings file whose present bytes are `fileBytes` (CP874 or UTF-8, any
// line ends) with `entries` set. The first line of a key, as the reader takes the first,
// gets the new value after its own spelling of the key; later repeats are left alone.
std::string UpdateIniText(std::string_view fileBytes, const std::vector<IniEntry>& entries);

// Sets `entries` in the settings file at `path`, creating it when missing. A name that is
// not a regular file, a file that cannot be read or is too long to be a settings file, and
// any failure to write leave the file as it was; the result then carries the reason.
Result<> WriteIniEntries(const std::string& path, const std::vector<IniEntry>& entries);

} // namespace nemra
