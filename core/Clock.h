// The present moment as the program reads it: passed in, never read inside computations,
// so casts and ticks can be tested at chosen moments. The clock gives an instant in
// universal time; a chart expresses it in its own zone, whatever zone the machine is set to.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

namespace nemra {

// A calendar date and clock time: Christian era, in whichever zone the caller says.
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// An instant in universal time, in whole seconds.
using UtInstant = std::chrono::sys_seconds;

using Clock = std::function<UtInstant()>;

// The present instant of the system clock (independent of the machine's time zone).
UtInstant SystemNow();

// The date and clock time at an instant in a zone `zoneDeg` degrees east of Greenwich (the
// offset is zoneDeg / 15 hours, rounded to the second).
LocalDateTime DateTimeInZone(UtInstant ut, double zoneDeg);

// The same for a zone written as the chart input writes it: "105.00E", "75.00W", "7.00H".
LocalDateTime DateTimeInZone(UtInstant ut, std::string_view zoneText);

} // namespace nemra
