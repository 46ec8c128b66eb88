#include "charts/model/SunCharts.h"

#include "core/AngleMath.h"
#include "core/ChartRecord.h"
#include "core/FactorCatalogue.h"
#include "core/MomentFinder.h"
#include "input/model/ChartInputEntry.h"

namespace nemra {
namespace {

constexpr double kSunMeanDegPerDay = 360.0 / 365.2422;
// The Sun is sought this many days either side of the first estimate, sampled every so often;
// the estimate is within a day of the moment, and the Sun moves only 1-2° between samples.
constexpr double kHalfWindowDays = 3.0;
constexpr double kSampleDays = 1.5;

// The moment within a few days of `guessJdUT` at which the Sun's apparent longitude is
// `targetDeg`: one step along the mean motion from the guess, then the root finder.
std::optional<UtMoment> SunAtLongitude(double targetDeg, double guessJdUT)
{
    const auto difference = [targetDeg](double jdUT) { return SunLongitudeAt(jdUT) - targetDeg; };
    const double centre = guessJdUT - ShortestArc(targetDeg, SunLongitudeAt(guessJdUT)) / kSunMeanDegPerDay;
    const auto jd = FindMoment(difference, centre - kHalfWindowDays, centre + kHalfWindowDays, kSampleDays);
    if (!jd)
        return std::nullopt;
    return MomentOfJulianDay(*jd);
}

ChartOutcome ChartOfSunMoment(std::optional<UtMoment> moment, std::string name, const ChartPlace& place)
{
    if (!moment) // not for any year the charts accept: the Sun passes every longitude each year
        return Fault{"หาเวลาที่ดวงอาทิตย์ถึงตำแหน่งไม่พบ"};
    TChartInput chart;
    chart.Name = name;
    PutPlace(place, chart);
    return ChartAt(std::move(chart), *moment);
}

} // namespace

std::string SolarReturnName(int yearBE)
{
    return "ดวงทินวรรษ " + std::to_string(yearBE);
}

std::string SunIngressName(int yearBE, int sign)
{
    const bool known = sign >= 1 && sign <= 12;
    return "อาทิตย์ยกราศี" + std::string(known ? SignNamesThai[static_cast<std::size_t>(sign)] : "") + " "
           + std::to_string(yearBE);
}

int BirthdayYearCE(const TChartInput& natal, int yearBE)
{
    TChartRecord rec;
    rec.Input = natal;
    ParseChartInput(rec);
    return ChristianYearFor(rec.Month >= 1 && rec.Month <= 12 ? rec.Month : 1, yearBE);
}

int IngressMonth(int sign)
{
    return (sign + 1) % 12 + 1; // Aries in March ... Pisces in February
}

int IngressYearCE(int yearBE, int sign)
{
    return ChristianYearFor(IngressMonth(sign), yearBE);
}

ChartOutcome SolarReturn(const TChartInput& natal, int yearBE, const std::optional<ChartPlace>& place)
{
    const auto natalMoment = MomentOf(natal);
    if (!natalMoment)
        return Fault{CheckInputTexts(natal).fault().message};
    const ChartPlace at = place.value_or(PlaceOf(natal));
    if (const auto check = CheckPlace(at); !check)
        return Fault{check.fault().reason};

    // The birthday of that year, at the natal clock time and zone, as the first estimate.
    const std::int64_t natalZone = ZoneSeconds(natal.TimeZone);
    CivilTime birthday = LocalTimeOf(*natalMoment, natalZone);
    const int yearCE = BirthdayYearCE(natal, yearBE);
    birthday.day = DayWithinMonth(birthday.day, birthday.month, yearCE);
    if (const auto check = CheckDateBE(birthday.day, birthday.month, yearBE); !check)
        return Fault{check.fault().reason};
    birthday.year = yearCE;

    const double natalSun = SunLongitudeAt(natalMoment->JulianDay());
    const UtMoment guess = MomentOfLocalTime(birthday, natalZone);
    return ChartOfSunMoment(SunAtLongitude(natalSun, guess.JulianDay()), SolarReturnName(yearBE), at);
}

ChartOutcome SunIngress(int yearBE, int sign, const ChartPlace& place)
{
    if (sign < 1 || sign > 12)
        return Fault{"ราศีต้องอยู่ระหว่าง 1 ถึง 12"};
    if (const auto check = CheckPlace(place); !check)
        return Fault{check.fault().reason};
    // The Sun enters each sign about the 21st of its month.
    constexpr int kIngressDay = 21;
    const int month = IngressMonth(sign);
    if (const auto check = CheckDateBE(kIngressDay, month, yearBE); !check)
        return Fault{check.fault().reason};
    const CivilTime estimate{IngressYearCE(yearBE, sign), month, kIngressDay, 0, 0, 0};
    const double target = (sign - 1) * 30.0;
    return ChartOfSunMoment(SunAtLongitude(target, MomentOfLocalTime(estimate, 0).JulianDay()),
                            SunIngressName(yearBE, sign), place);
}

} // namespace nemra
