#include "timeline/model/TimelineSettings.h"

#include "charts/model/ChartMoment.h"
#include "core/PointFormulas.h"
#include "core/WinPl.h"
#include "mainwin/model/Session.h"

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

std::string_view Code(int factor)
{
    return FactorCodeThai[static_cast<std::size_t>(std::clamp(factor, 0, static_cast<int>(kFactorCount) - 1))];
}

int DaysInMonth(int month, int year)
{
    const int next = WinPl::DayNumber(1, month % 12 + 1, month == 12 ? year + 1 : year);
    return next - WinPl::DayNumber(1, month, year);
}

Result<Done, TimelineFault> CheckSettings(const TimelineSettings& s)
{
    if (const auto check = CheckDateBE(s.startDay, s.startMonth, s.startYearBE); !check)
        return TimelineFault{TimelineSetting::Start, check.fault().reason};
    if (s.months < kShortestPeriodMonths || s.months > kLongestPeriodMonths)
        return TimelineFault{TimelineSetting::Length, "ช่วงเวลาต้องอยู่ระหว่าง 1 เดือน ถึง 10 ปี"};
    if (std::find(kGraphModuli.begin(), kGraphModuli.end(), s.modulus) == kGraphModuli.end())
        return TimelineFault{TimelineSetting::Modulus, "มาตราองศาต้องเป็น 360, 90, 45, 30 หรือ 22.30 องศา"};
    // The multiples of the base close around the circle only when it divides 360.
    if (!(s.base > 0.0 && s.base <= 180.0) || std::fabs(360.0 / s.base - std::round(360.0 / s.base)) > 1e-9)
        return TimelineFault{TimelineSetting::Base, "ขนาดของมุมต้องหาร 360 องศาลงตัว"};
    if (!(s.orb >= 0.0 && s.orb < s.base / 2.0))
        return TimelineFault{TimelineSetting::Orb, "ระยะวังกะต้องไม่ติดลบและน้อยกว่าครึ่งหนึ่งของขนาดของมุม"};
    const bool moon = std::find(s.movers.begin(), s.movers.end(), Mover{MoverLayer::Transit, kMoon}) != s.movers.end();
    if (moon && s.months > kLongestMoonPeriodMonths)
        return TimelineFault{TimelineSetting::Movers, "จันทร์จรแสดงได้เมื่อช่วงเวลาไม่เกิน 3 เดือน"};
    return {};
}

CivilTime StartOf(const TimelineSettings& settings)
{
    CivilTime start;
    start.year = ChristianYearFor(settings.startMonth, settings.startYearBE);
    start.month = settings.startMonth;
    start.day = settings.startDay;
    return start;
}

// The same day `months` later, the last day of a shorter month, at 0h.
CivilTime MonthsAfter(const CivilTime& start, int months)
{
    const int monthIndex = start.month - 1 + months;
    CivilTime end;
    end.year = start.year + monthIndex / 12;
    end.month = monthIndex % 12 + 1;
    end.day = std::min(start.day, DaysInMonth(end.month, end.year));
    return end;
}

} // namespace

std::vector<Mover> DefaultMovers()
{
    std::vector<Mover> movers = {{MoverLayer::Transit, kSun}, {MoverLayer::Transit, kNode}};
    for (int f = kMercury; f <= kPoseidon; ++f)
        movers.push_back({MoverLayer::Transit, f});
    return movers;
}

std::vector<Mover> DirectedMovers()
{
    std::vector<Mover> movers;
    for (int f = kFirstPositionedFactor; f <= kLastPositionedFactor; ++f)
        movers.push_back({MoverLayer::Directed, f});
    return movers;
}

std::vector<FixedPoint> DefaultFixedPoints()
{
    std::vector<FixedPoint> points;
    for (int f = kFirstPositionedFactor; f <= kLastPositionedFactor; ++f)
        points.push_back({FixedKind::Factor, f, f});
    return points;
}

PeriodOutcome PeriodOf(const TimelineSettings& settings, std::int64_t zoneSeconds)
{
    if (const auto check = CheckSettings(settings); !check)
        return check.fault();
    const CivilTime start = StartOf(settings);
    const CivilTime end = MonthsAfter(start, settings.months);
    if (const auto check = CheckYearBE(BuddhistYearFor(end.month, end.year)); !check)
        return TimelineFault{TimelineSetting::Length, check.fault().reason};
    return TimelinePeriod{MomentOfLocalTime(start, zoneSeconds).JulianDay(),
                          MomentOfLocalTime(end, zoneSeconds).JulianDay(), zoneSeconds};
}

PeriodOutcome PeriodThrough(TimelineSettings settings, const CivilTime& lastDay, std::int64_t zoneSeconds)
{
    if (const auto check = CheckDateBE(settings.startDay, settings.startMonth, settings.startYearBE); !check)
        return TimelineFault{TimelineSetting::Start, check.fault().reason};
    const CivilTime start = StartOf(settings);
    const CivilTime last{lastDay.year, lastDay.month, lastDay.day, 0, 0, 0};
    constexpr std::int64_t kDaySeconds = 86400;
    const UtMoment end{MomentOfLocalTime(last, zoneSeconds).seconds + kDaySeconds};
    const UtMoment first = MomentOfLocalTime(start, zoneSeconds);
    if (end <= first)
        return TimelineFault{TimelineSetting::Length, "วันสิ้นสุดต้องไม่อยู่ก่อนวันเริ่มต้น"};
    // The whole months that reach the end of the last day, one beyond the longest when none do.
    settings.months = kShortestPeriodMonths;
    while (settings.months <= kLongestPeriodMonths
           && MomentOfLocalTime(MonthsAfter(start, settings.months), zoneSeconds) < end)
        ++settings.months;
    PeriodOutcome outcome = PeriodOf(settings, zoneSeconds);
    if (outcome.ok())
        outcome->toJdUT = end.JulianDay();
    return outcome;
}

std::string MoverName(const Mover& mover)
{
    return std::string(Code(mover.factor))
           + std::string(LayerTitleSuffix(mover.layer == MoverLayer::Transit ? kLayerTransit : kLayerV1));
}

std::string FixedPointName(const FixedPoint& point)
{
    switch (point.kind) {
    case FixedKind::Reflection:
        return std::string("-").append(Code(point.a));
    case FixedKind::Midpoint:
        return std::string(Code(point.a)) + "/" + std::string(Code(point.b));
    default:
        return std::string(Code(point.a));
    }
}

std::string PictureText(const Mover& mover, const FixedPoint& point)
{
    return MoverName(mover) + " = " + FixedPointName(point);
}

double FixedPointLongitude(const TChartRecord& natal, const FixedPoint& point)
{
    const auto factor = [](int f) { return static_cast<std::size_t>(std::clamp(f, 0, kLastPositionedFactor)); };
    switch (point.kind) {
    case FixedKind::Reflection:
        return natal.Factors[factor(point.a)].Refl;
    case FixedKind::Midpoint:
        return FactorMidpoint(natal.Factors, static_cast<int>(factor(point.a)), static_cast<int>(factor(point.b)));
    default:
        return natal.Factors[factor(point.a)].Lon;
    }
}

} // namespace nemra
