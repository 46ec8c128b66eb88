#include "core/Clock.h"

#include "core/ChartRecord.h"

#include <cmath>

namespace nemra {

UtInstant SystemNow()
{
    return std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
}

LocalDateTime DateTimeInZone(UtInstant ut, double zoneDeg)
{
    using namespace std::chrono;
    // A zone is at most one turn from Greenwich; anything else (an unreadable text) is none.
    const double offsetSeconds = std::isfinite(zoneDeg) && std::fabs(zoneDeg) <= 360.0 ? zoneDeg * 240.0 : 0.0;
    const sys_seconds local = ut + seconds{std::llround(offsetSeconds)};
    const sys_days day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{local - day};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

LocalDateTime DateTimeInZone(UtInstant ut, std::string_view zoneText)
{
    return DateTimeInZone(ut, ZoneDegrees(zoneText));
}

} // namespace nemra
