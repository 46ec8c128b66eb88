// What the timeline tests share: the natal chart of every case and settings for a period.
#pragma once

#include "tests/support/ChartInputs.h"
#include "tests/support/Faults.h"
#include "timeline/model/TimelineSettings.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace nemra::test {

// 1 January 2000 (2543 BE), 12:00 at Bangkok (05:00 UT).
inline TChartRecord TimelineNatal()
{
    TChartRecord natal;
    natal.Input = BangkokInput("01/01/2543", "12.00.00", "7.00H", "ดวงทดสอบ");
    CastChart(natal, {});
    return natal;
}

// The settings of a period from a date "dd/mm/yyyy" (Buddhist era).
inline TimelineSettings SettingsFrom(const char* date, int months, std::vector<Mover> movers,
                                     std::vector<FixedPoint> fixed)
{
    TimelineSettings s;
    std::sscanf(date, "%d/%d/%d", &s.startDay, &s.startMonth, &s.startYearBE);
    s.months = months;
    s.movers = std::move(movers);
    s.fixed = std::move(fixed);
    return s;
}

// Saturn over natal Neptune through its 2024 station.
inline TimelineSettings SaturnStation()
{
    return SettingsFrom("01/01/2567", 18, {{MoverLayer::Transit, kSaturn}}, {{FixedKind::Factor, kNeptune, kNeptune}});
}

} // namespace nemra::test
