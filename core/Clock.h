// The present moment as the program reads it: passed in, never read inside computations,
// so casts and ticks can be tested at chosen moments.
#pragma once

#include <functional>

namespace nemra {

struct LocalDateTime {
    int year = 2000; // Christian era
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

using Clock = std::function<LocalDateTime()>;

// The local date and time of the system clock.
LocalDateTime SystemNow();

} // namespace nemra
