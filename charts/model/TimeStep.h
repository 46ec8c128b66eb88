// Stepping a chart's time: a number of seconds, minutes, hours, days, months or years forward
// or back.
#pragma once

#include "charts/model/ChartMoment.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace nemra {

enum class StepUnit { Seconds, Minutes, Hours, Days, Months, Years };

struct TimeStep {
    std::int64_t amount = 1; // negative steps back
    StepUnit unit = StepUnit::Days;

    friend bool operator==(const TimeStep&, const TimeStep&) = default;
};

// The chart `step` later (earlier when negative), its place and name kept. Seconds to days move
// the universal-time moment; months and years move the local date by calendar months, keep the
// clock time, and keep the day where the month has it, else take the month's last day
// (31 January + 1 month is 28 or 29 February). The Buddhist-era year of the result follows the
// year rule, so a step across 1940/1941 names the dates as the calendar did. Refused, with the
// chart left as it was, when the chart is malformed or the result lies outside the years the
// chart input accepts.
ChartOutcome StepChart(const TChartInput& chart, TimeStep step);

// A step written as a signed number and a unit: "+1d", "-3h", "+2y", "10mo". Units: s seconds,
// m minutes, h hours, d days, mo months, y years. Nothing when the text is not such a step.
std::optional<TimeStep> ReadTimeStep(std::string_view text);

} // namespace nemra
