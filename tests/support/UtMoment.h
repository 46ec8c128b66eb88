// Instants for tests, written as a universal-time calendar date and clock time.
#pragma once

#include "core/Clock.h"

#include <chrono>

namespace nemra::test {

inline UtInstant UtAt(int year, int month, int day, int hour, int minute, int second)
{
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute} + seconds{second};
}

// A clock that always gives the same instant.
inline Clock FixedClock(UtInstant now)
{
    return [now] { return now; };
}

} // namespace nemra::test
