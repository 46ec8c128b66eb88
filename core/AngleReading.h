// The one reader of the angle texts of a chart input: latitudes ("13.45N"), longitudes
// ("100.30E") and zones in degrees ("105.00E") or hours ("7.00H", "-5.30H"), with the one set
// of limits the check, the cast, the input dialogs and the imports share.
#pragma once

#include "core/ChartInput.h"

#include <optional>
#include <string_view>

namespace nemra {

enum class AngleKind { Latitude, Longitude, Zone };

// The limits of each kind, in whole degrees (or hours) and minutes.
struct AngleBounds {
    int minimumWhole;   // below zero only for a zone in hours
    int maximumWhole;   // the largest whole value...
    int maximumMinutes; // ...and the largest minutes it may carry
};
inline constexpr AngleBounds kLatitudeBounds = {0, kMaxLatitudeDegrees, kMaxLatitudeMinutes};
inline constexpr AngleBounds kLongitudeBounds = {0, 180, 0};
inline constexpr AngleBounds kZoneDegreeBounds = {0, 180, 0};
inline constexpr AngleBounds kZoneHourBounds = {-12, 14, 0}; // the zones in use on Earth

// An angle text read: the degrees.minutes number before the letter, taken apart.
struct AngleReading {
    int whole = 0;         // the whole degrees (or hours), negative for "-5.30H"
    double minutes = 0.0;  // the minutes, below 60; a fraction stands for seconds ("13.455N")
    char letter = '\0';    // 'N', 'S', 'E', 'W' or 'H'
    bool negative = false; // the number is below zero ("-0.30H" has whole 0 and is negative)

    // The signed value in degrees (or hours): south, west and negative hours below zero.
    double Decimal() const;
    bool InHours() const { return letter == 'H'; }
};

// The text read when it is a decimal number of at most six characters followed by a letter
// of its kind (N/S; E/W; E/W/H) within the kind's limits; nothing otherwise.
std::optional<AngleReading> ReadAngleText(std::string_view text, AngleKind kind);

// The zone text as degrees east (hours times 15), or nothing when it is no zone text.
std::optional<double> ReadZoneDegrees(std::string_view text);

} // namespace nemra
