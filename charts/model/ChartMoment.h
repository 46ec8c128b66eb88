// A chart's moment as universal time in whole seconds, read from the chart input texts and
// written back into them at the chart's zone, with the Buddhist-era calendar the texts use.
// Every chart made from another chart (relocated, stepped, a return, an ingress, a lunation)
// is written here, so that casting its texts again gives the same moment.
#pragma once

#include "core/ChartInput.h"
#include "core/Result.h"
#include "reports/model/SolarArcTable.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nemra {

// A moment in universal time: whole seconds from 0h UT of day number 0 (31 December 1899).
struct UtMoment {
    std::int64_t seconds = 0;

    double JulianDay() const; // Julian day, UT
    friend auto operator<=>(const UtMoment&, const UtMoment&) = default;
};

// The whole second nearest a Julian day (UT).
UtMoment MomentOfJulianDay(double jdUT);

// "2024-04-08T18:20:49Z": the moment in ISO 8601, universal time, to the second.
std::string IsoUtText(UtMoment moment);

// A date of the Christian calendar (Gregorian, also before 1582, as the chart computation
// counts days) and a clock time.
struct CivilTime {
    int year = 2000; // Christian era
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The local date and time of a moment at a zone given in seconds east of Greenwich, and back.
CivilTime LocalTimeOf(UtMoment moment, std::int64_t zoneSeconds);
UtMoment MomentOfLocalTime(const CivilTime& local, std::int64_t zoneSeconds);

// The first day of a Buddhist-era year, 0h: 1 January, or 1 April where the year began then.
CivilTime FirstDayOfYearBE(int yearBE);

// Seconds east of Greenwich of a zone text ("105.00E", "-5.30H"), read as the casting reads it.
std::int64_t ZoneSeconds(std::string_view zoneText);

// The moment of chart input texts, or nothing when CheckInputTexts finds a fault in them.
std::optional<UtMoment> MomentOf(const TChartInput& input);

// A chart made from a chart: its input texts and the moment they carry.
struct MadeChart {
    TChartInput chart;
    UtMoment moment;
};

// The chart made, or why it was not made (Thai, for the user).
using ChartOutcome = Result<MadeChart>;

// "ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542": the refusal of a year the charts cannot be cast for.
std::string YearRangeRefusal();

// Nothing when the year lies within the years the chart input accepts, else the refusal.
Result<> CheckYearBE(int yearBE);

// Nothing when the day exists in that month of that Buddhist-era year (the year rule and the
// range of the chart input applied), else why not (Thai, for the user).
Result<> CheckDateBE(int day, int month, int yearBE);

// `chart` with its Date and Time rewritten for the moment at the chart's own zone; refused when
// the moment's year lies outside the years the chart input accepts or the texts do not pass
// CheckInputTexts.
ChartOutcome ChartAt(TChartInput chart, UtMoment moment);

} // namespace nemra
