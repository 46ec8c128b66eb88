// New and full moons of a month or a year, each as a chart at a chosen place.
#pragma once

#include "charts/model/ChartMoment.h"
#include "charts/model/ChartPlace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

enum class LunationKind { NewMoon, FullMoon };

// "จันทร์ดับ" or "จันทร์เพ็ญ": the name of a lunation and of its chart.
std::string_view LunationName(LunationKind kind);

// Which lunations a list holds.
struct LunationChoice {
    bool newMoons = true;
    bool fullMoons = true;
};

struct Lunation {
    LunationKind kind = LunationKind::NewMoon;
    UtMoment moment;   // to the second
    TChartInput chart; // at the place asked for, named by LunationName
};

// The lunations in time order, or why they could not be sought (Thai, for the user).
using LunationList = Result<std::vector<Lunation>>;

// "จันทร์ดับ  09/04/2567   1.20.49": a lunation as a row of a list, with its local date and time.
std::string LunationRow(const Lunation& lunation);

// The new moons (the Moon's apparent longitude equal to the Sun's) and full moons (180° from
// it) whose local date at the place's zone lies in month 1..12 of the Buddhist-era year
// `yearBE`, or in the whole year when no month is given (a year before 2484 runs from 1 April
// to 31 March; 2483 ran from 1 April to 31 December). Refused for a year outside the years the
// chart input accepts, a month outside 1..12 or not in the year, or a malformed place.
LunationList FindLunations(int yearBE, std::optional<int> month, const ChartPlace& place, LunationChoice choice = {});

} // namespace nemra
