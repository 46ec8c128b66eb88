#include "charts/model/TimeStep.h"

#include "input/model/ChartInputEntry.h"

#include <array>
#include <charconv>
#include <utility>

namespace nemra {
namespace {

// Steps beyond this many seconds (about 32 000 years) or months leave every year the charts
// accept, and are refused before they are multiplied out.
constexpr std::int64_t kLongestStepSeconds = 1'000'000'000'000;
constexpr std::int64_t kLongestStepMonths = 12 * 32'000;

std::int64_t SecondsOf(StepUnit unit)
{
    switch (unit) {
    case StepUnit::Seconds:
        return 1;
    case StepUnit::Minutes:
        return 60;
    case StepUnit::Hours:
        return 3600;
    case StepUnit::Days:
        return 86400;
    default:
        return 0; // calendar units
    }
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The local date moved by whole calendar months, the clock time kept, the day held within the
// month.
CivilTime MovedByMonths(CivilTime local, std::int64_t months)
{
    const std::int64_t index = static_cast<std::int64_t>(local.year) * 12 + (local.month - 1) + months;
    local.year = static_cast<int>(FloorDiv(index, 12));
    local.month = static_cast<int>(index - static_cast<std::int64_t>(local.year) * 12) + 1;
    local.day = DayWithinMonth(local.day, local.month, local.year);
    return local;
}

} // namespace

ChartOutcome StepChart(const TChartInput& chart, TimeStep step)
{
    const auto moment = MomentOf(chart);
    if (!moment)
        return Fault{CheckInputTexts(chart).fault().message};
    if (const std::int64_t unitSeconds = SecondsOf(step.unit)) {
        if (step.amount > kLongestStepSeconds / unitSeconds || step.amount < -kLongestStepSeconds / unitSeconds)
            return Fault{YearRangeRefusal()};
        return ChartAt(chart, {moment->seconds + step.amount * unitSeconds});
    }
    const std::int64_t perStep = step.unit == StepUnit::Years ? 12 : 1;
    if (step.amount > kLongestStepMonths / perStep || step.amount < -kLongestStepMonths / perStep)
        return Fault{YearRangeRefusal()};
    const std::int64_t zone = ZoneSeconds(chart.TimeZone);
    const CivilTime moved = MovedByMonths(LocalTimeOf(*moment, zone), step.amount * perStep);
    return ChartAt(chart, MomentOfLocalTime(moved, zone));
}

std::optional<TimeStep> ReadTimeStep(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, StepUnit>, 6> kUnits{{
        {"mo", StepUnit::Months},
        {"s", StepUnit::Seconds},
        {"m", StepUnit::Minutes},
        {"h", StepUnit::Hours},
        {"d", StepUnit::Days},
        {"y", StepUnit::Years},
    }};
    for (const auto& [suffix, unit] : kUnits) {
        if (text.size() <= suffix.size() || !text.ends_with(suffix))
            continue;
        std::string_view number = text.substr(0, text.size() - suffix.size());
        const bool plus = number.front() == '+';
        if (plus)
            number.remove_prefix(1);
        if (number.empty() || number.front() == '+' || (plus && number.front() == '-'))
            return std::nullopt;
        std::int64_t amount = 0;
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), amount);
        if (ec != std::errc{} || end != number.data() + number.size())
            return std::nullopt;
        return TimeStep{amount, unit};
    }
    return std::nullopt;
}

} // namespace nemra
