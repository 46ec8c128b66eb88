#include "charts/model/Lunations.h"

#include "core/MomentFinder.h"

#include <algorithm>

namespace nemra {
namespace {

// The elongation grows by 10°..15° a day: a week's step brackets every passage of a value
// once and never mistakes the wrap for one.
constexpr double kSampleDays = 7.0;

} // namespace

std::string_view LunationName(LunationKind kind)
{
    return kind == LunationKind::NewMoon ? "จันทร์ดับ" : "จันทร์เพ็ญ";
}

std::string LunationRow(const Lunation& lunation)
{
    return std::string(LunationName(lunation.kind)) + "  " + lunation.chart.Date.str() + "  "
           + lunation.chart.Time.str();
}

LunationList FindLunations(int yearBE, std::optional<int> month, const ChartPlace& place, LunationChoice choice)
{
    if (const auto check = CheckPlace(place); !check)
        return check.fault();
    CivilTime first = FirstDayOfYearBE(yearBE);
    CivilTime end = FirstDayOfYearBE(yearBE + 1);
    if (month) {
        if (const auto check = CheckDateBE(1, *month, yearBE); !check)
            return check.fault();
        first = {ChristianYearFor(*month, yearBE), *month, 1, 0, 0, 0};
        end = *month == 12 ? CivilTime{first.year + 1, 1, 1, 0, 0, 0} : CivilTime{first.year, *month + 1, 1, 0, 0, 0};
    } else if (const auto check = CheckDateBE(first.day, first.month, yearBE); !check) {
        return check.fault();
    }

    const std::int64_t zone = ZoneSeconds(place.TimeZone);
    const double fromJd = MomentOfLocalTime(first, zone).JulianDay();
    const double toJd = MomentOfLocalTime(end, zone).JulianDay();
    std::vector<Lunation> list;
    const auto add = [&](LunationKind kind, double elongationDeg) {
        const auto difference = [elongationDeg](double jdUT) { return MoonSunElongationAt(jdUT) - elongationDeg; };
        for (const double jd : FindMoments(difference, fromJd, toJd, kSampleDays)) {
            TChartInput chart;
            chart.Name = LunationName(kind);
            PutPlace(place, chart);
            const ChartOutcome outcome = ChartAt(std::move(chart), MomentOfJulianDay(jd));
            if (outcome.ok()) // within the month asked for, the year is always one the charts accept
                list.push_back({kind, outcome->moment, outcome->chart});
        }
    };
    if (choice.newMoons)
        add(LunationKind::NewMoon, 0.0);
    if (choice.fullMoons)
        add(LunationKind::FullMoon, 180.0);
    std::sort(list.begin(), list.end(), [](const Lunation& a, const Lunation& b) { return a.moment < b.moment; });
    return list;
}

} // namespace nemra
