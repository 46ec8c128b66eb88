// Zone history: the offset from universal time in force at a place at a local date and time,
// from the IANA time-zone database of the system (/usr/share/zoneinfo) read through Howard
// Hinnant's date/tz, and the chart's zone text for it.
//
// Zone texts: an offset of whole minutes is written in hours ("2.00H", "-4.00H", "5.30H"); an
// offset with seconds (a mean time such as Bangkok's 6:42:04 before 1920) as its meridian in
// degrees and arc-minutes ("100.31E"), the program's meridian form, which holds the offset to
// 4 seconds of time: an offset that is not a whole multiple of 4 seconds is written to the
// nearest arc-minute, at most 2 seconds off.
#pragma once

#include "charts/model/ChartMoment.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace nemra {

enum class LocalTimeKind {
    Unique,      // the local time exists once
    Nonexistent, // skipped by a change of the clocks (spring forward)
    Ambiguous,   // passed twice (fall back)
    UnknownZone, // the zone is not in the system's time-zone data
};

struct ZoneReading {
    LocalTimeKind kind = LocalTimeKind::UnknownZone;
    // Seconds east of Greenwich in force (Unique); before the change (Nonexistent, Ambiguous).
    std::int64_t offsetSeconds = 0;
    // After the change (Nonexistent, Ambiguous); equal to offsetSeconds otherwise.
    std::int64_t laterOffsetSeconds = 0;
    bool summerTime = false;    // the offset includes summer (daylight-saving) time
    bool localMeanTime = false; // before standard time: the place's own mean time
    std::string abbreviation;   // "CEST", "EDT", "BMT", "LMT"
    std::string zoneText;       // the chart's zone text (Unique only)
    std::string fault;          // Thai, for the user (all but Unique)
};

// The zone in force in `ianaZone` at the local date and time `local` at a place of east
// longitude `longitudeDeg` (degrees). Where the data has local mean time (before the zone had
// standard time) the offset is the place's own mean time, its longitude / 15 to the second,
// and the zone text is the place's meridian.
ZoneReading ZoneAt(const std::string& ianaZone, double longitudeDeg, const CivilTime& local);

// The zone text of an offset in seconds east of Greenwich (see above).
std::string ZoneTextOfOffset(std::int64_t offsetSeconds);

// An angle in degrees as degrees and two-digit arc-minutes with its direction letter, to the
// nearest arc-minute: DegreesText(-74.006, 'E', 'W') is "74.00W".
std::string DegreesText(double degrees, char positive, char negative);

// The meridian of an east longitude in degrees as a zone text, to the nearest arc-minute.
std::string MeridianZoneText(double longitudeDeg);

// "+6:42:04", "-4:00", "+2:00": an offset for messages and the command line.
std::string OffsetText(std::int64_t offsetSeconds);

} // namespace nemra
