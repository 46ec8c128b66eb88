// The chart input record: seven texts of fixed capacity from which a chart is cast,
// the Buddhist-era year rule, and the check that tells a caller whether the texts are
// well-formed.
#pragma once

#include "core/Result.h"
#include "core/ThaiText.h"

#include <optional>
#include <string>
#include <string_view>

namespace nemra {

// Capacities in characters (one byte each in the Thai code page).
struct TChartInput {
    CappedText<30> Name;
    CappedText<16> Date;     // d/m/yyyy, Buddhist era
    CappedText<8> Time;      // H.MM or HH.MM.SS (separators not examined)
    CappedText<6> Latitude;  // dd.mmN / dd.mmS
    CappedText<7> TimeZone;  // ddd.mmE / ddd.mmW, or hh.mmH
    CappedText<7> Longitude; // ddd.mmE / ddd.mmW
    CappedText<30> Place;

    friend bool operator==(const TChartInput&, const TChartInput&) = default;
};

// Christian year of a Buddhist-era year: before 2484 BE the year began on 1 April, so
// January to March add 542; from 2484 BE (1941) on, 543. January to March 2483 BE never
// existed (2483 BE ended on 31 December 1940): CheckInputTexts refuses those dates.
int ChristianYearFor(int month, int yearBE);

enum class ChartInputField { Date, Time, TimeZone, Latitude, Longitude };

struct ChartInputFault {
    ChartInputField field;
    std::string message; // Thai, for the user
};

// English key of a field, for command-line messages: "date", "time", "zone", ...
std::string_view FieldKey(ChartInputField field);

// The largest latitude a chart is cast for, 89°59' north or south: at a pole the
// Ascendant is undefined.
inline constexpr int kMaxLatitudeDegrees = 89;
inline constexpr int kMaxLatitudeMinutes = 59;

// The first fault of the input texts, or nothing when every text is in a form the chart
// computation reads as meant: a real date (day within its month, not in January to March
// 2483 BE) of the years the ephemeris serves, a clock time, a zone of -12..+14 hours, a
// latitude up to 89°59', a longitude up to 180 degrees, each with two-digit minutes below 60.
// The year of a date may be right-aligned with blanks (" 999").
Result<Done, ChartInputFault> CheckInputTexts(const TChartInput& input);

// Reads a real number from a text (blanks around it allowed); nothing when it is not one.
std::optional<double> ReadReal(std::string_view text);
// Reads a whole number from a text (blanks around it allowed); nothing when it is not one.
std::optional<int> ReadInt(std::string_view text);

} // namespace nemra
