#include "atlas/model/ZoneHistory.h"

#include "input/model/ChartInputForms.h"

#include <date/tz.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace nemra {
namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr double kSecondsOfTimePerDegree = 240.0;

std::string ClockText(const CivilTime& t)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%02d ของวันที่ %d-%02d-%02d", t.hour, t.minute, t.second, t.year, t.month,
                  t.day);
    return buf;
}

ZoneReading Reading(LocalTimeKind kind, const date::sys_info& first, const date::sys_info& second)
{
    ZoneReading reading;
    reading.kind = kind;
    reading.offsetSeconds = first.offset.count();
    reading.laterOffsetSeconds = second.offset.count();
    reading.summerTime = first.save.count() != 0;
    reading.abbreviation = first.abbrev;
    return reading;
}

} // namespace

std::string ZoneTextOfOffset(std::int64_t offsetSeconds)
{
    if (offsetSeconds % 60 != 0)
        return MeridianZoneText(static_cast<double>(offsetSeconds) / kSecondsOfTimePerDegree);
    const std::int64_t magnitude = std::llabs(offsetSeconds);
    const int hours = static_cast<int>(magnitude / kSecondsPerHour);
    const int minutes = static_cast<int>(magnitude % kSecondsPerHour / 60);
    if (offsetSeconds < 0 && hours == 0) // AngleText has no negative zero
        return std::string("-").append(AngleText(0, minutes, 'H'));
    return AngleText(offsetSeconds < 0 ? -hours : hours, minutes, 'H');
}

std::string DegreesText(double degrees, char positive, char negative)
{
    const long arcMinutes = std::lround(std::fabs(degrees) * 60.0);
    return AngleText(static_cast<int>(arcMinutes / 60), static_cast<int>(arcMinutes % 60),
                     degrees < 0.0 && arcMinutes != 0 ? negative : positive);
}

std::string MeridianZoneText(double longitudeDeg)
{
    return DegreesText(longitudeDeg, 'E', 'W');
}

std::string OffsetText(std::int64_t offsetSeconds)
{
    const std::int64_t magnitude = std::llabs(offsetSeconds);
    char buf[48];
    const int written = std::snprintf(buf, sizeof buf, "%c%lld:%02lld", offsetSeconds < 0 ? '-' : '+',
                                      static_cast<long long>(magnitude / kSecondsPerHour),
                                      static_cast<long long>(magnitude % kSecondsPerHour / 60));
    if (magnitude % 60 != 0 && written > 0)
        std::snprintf(buf + written, sizeof buf - static_cast<std::size_t>(written), ":%02lld",
                      static_cast<long long>(magnitude % 60));
    return buf;
}

ZoneReading ZoneAt(const std::string& ianaZone, double longitudeDeg, const CivilTime& local)
{
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(ianaZone);
    } catch (const std::exception&) {
        ZoneReading unknown;
        unknown.fault = "ไม่พบเขตเวลา " + ianaZone + " ในข้อมูลเขตเวลาของระบบ";
        return unknown;
    }
    const date::local_seconds when = date::local_days{date::year{local.year} / local.month / local.day}
                                     + std::chrono::hours{local.hour} + std::chrono::minutes{local.minute}
                                     + std::chrono::seconds{local.second};
    const date::local_info info = zone->get_info(when);
    if (info.result == date::local_info::nonexistent) {
        ZoneReading reading = Reading(LocalTimeKind::Nonexistent, info.first, info.second);
        reading.fault = "เวลา " + ClockText(local) + " ไม่มีอยู่จริงที่เขตเวลา " + ianaZone + ": นาฬิกาถูกเลื่อนจาก "
                        + ZoneTextOfOffset(reading.offsetSeconds) + " เป็น "
                        + ZoneTextOfOffset(reading.laterOffsetSeconds);
        return reading;
    }
    if (info.result == date::local_info::ambiguous) {
        ZoneReading reading = Reading(LocalTimeKind::Ambiguous, info.first, info.second);
        reading.fault = "เวลา " + ClockText(local) + " มีสองครั้งที่เขตเวลา " + ianaZone + ": "
                        + ZoneTextOfOffset(reading.offsetSeconds) + " ก่อนเปลี่ยนเวลา หรือ "
                        + ZoneTextOfOffset(reading.laterOffsetSeconds) + " หลังเปลี่ยนเวลา; โปรดระบุเขตเวลาเอง";
        return reading;
    }
    ZoneReading reading = Reading(LocalTimeKind::Unique, info.first, info.first);
    if (reading.abbreviation == "LMT") {
        // The data's mean time is that of the zone's own city; a place keeps its own.
        reading.localMeanTime = true;
        reading.offsetSeconds = std::llround(longitudeDeg * kSecondsOfTimePerDegree);
        reading.laterOffsetSeconds = reading.offsetSeconds;
        reading.zoneText = MeridianZoneText(longitudeDeg);
        return reading;
    }
    reading.zoneText = ZoneTextOfOffset(reading.offsetSeconds);
    return reading;
}

} // namespace nemra
