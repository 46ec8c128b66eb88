// The chart record and the one casting sequence that fills it from a chart input.
#pragma once

#include "core/ChartInput.h"
#include "core/ChartLayers.h"
#include "core/FactorCatalogue.h"

#include <array>
#include <cstdint>
#include <string>

namespace nemra {

inline constexpr const char* kDirectMark = "  ";     // two blanks
inline constexpr const char* kRetrogradeMark = " พ"; // blank and the retrograde letter

// The two glyph slots of a factor in GlyphX/GlyphY.
inline constexpr std::size_t kTrueGlyph = 0;
inline constexpr std::size_t kReflectedGlyph = 1;

struct TFactorPos {
    double Lon = 0.0;  // ecliptic longitude, degrees, 0 <= lon < 360
    double Refl = 0.0; // reflection about the current axis, degrees (factors 1..21)
};

struct TChartRecord {
    TChartInput Input;
    std::string DateWords; // "5 มีนาคม 2533"
    std::uint16_t Day = 0;
    std::uint16_t Month = 0;
    std::uint16_t Year = 0;     // Christian era
    std::uint16_t YearBE = 0;   // Buddhist era, as typed
    double ZoneDeg = 0.0;       // degrees, east positive
    double LonDeg = 0.0;        // degrees, east positive
    double LatDeg = 0.0;        // degrees, north positive
    double LocalHours = 0.0;    // local clock time, hours
    std::int32_t DayNumber = 0; // day number of the local date (1 Jan 1900 = 1)
    std::int32_t DayFloor = 0;  // floor of DayValue: day number of the UT date
    double DayValue = 0.0;      // day number with the UT fraction of the day
    double Day2000 = 0.0;       // DayValue - 36524: days from 0h UT 31 Dec 1999
    double UTHours = 0.0;       // universal time, hours, 0 <= h < 24
    double SiderealTime = 0.0;  // local apparent sidereal time, hours
    double Obliquity = 0.0;     // true obliquity, degrees
    double MeanNode = 0.0;      // degrees
    double TrueNode = 0.0;      // degrees
    std::array<TFactorPos, kFactorCount> Factors{};
    // Top-left pixel of each factor's glyph as the dial last drew it: slot kTrueGlyph for
    // the true position, kReflectedGlyph for the reflection point; -20 when not drawn.
    std::array<std::array<std::int32_t, 2>, kFactorCount> GlyphX{};
    std::array<std::array<std::int32_t, 2>, kFactorCount> GlyphY{};
    std::array<std::string, kFactorCount> Retro{};
    std::string TrueNodeMark = kDirectMark;
    std::string MeanNodeMark = kRetrogradeMark;
    bool Computed = false;
    bool Visible = false;
    // False when the input texts were not all well-formed (see CheckInputTexts); the
    // parsed values are then defined but may not be what was meant.
    bool InputWellFormed = false;
};

// The zone of a zone text in degrees east of Greenwich: "105.00E" 105, "75.00W" -75, "7.00H"
// (hours) 105; any other letter counts as east, an unreadable number as 0.
double ZoneDegrees(std::string_view zoneText);

// Fills DateWords .. LocalHours and UTHours from the input texts. Malformed texts give
// defined values (unreadable numbers read as 0) and clear InputWellFormed.
void ParseChartInput(TChartRecord& rec);

// Fills DayNumber, DayValue, Day2000 and DayFloor.
void ComputeDayNumbers(TChartRecord& rec);

// Fills SiderealTime, Obliquity, MeanNode, TrueNode, Factors[0..21].Lon, Retro and the
// node marks; sets the node to the true node and sets Computed.
void ComputePositions(TChartRecord& rec);

void UseTrueNode(TChartRecord& rec);
void UseMeanNode(TChartRecord& rec);

// Reflection of factors 1..21 about the axis 360 (Aries-Libra) or 180 (Cancer-Capricorn).
void ComputeReflections(TChartRecord& rec, int axis);

// Motion mark of a body at two successive days: retrograde when the later position is
// behind the earlier one the shorter way round the circle.
const char* MotionMark(double lonAtD, double lonAtNextDay);

struct CastOptions {
    bool trueNode = true; // the node switch: true node, else mean node
    ReflectionAxis axis = kAxisAriesLibra;
};

// The one casting sequence: parse, day numbers, positions, node choice, reflections.
void CastChart(TChartRecord& rec, const CastOptions& options);

} // namespace nemra
