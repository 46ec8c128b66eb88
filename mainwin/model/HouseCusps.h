// House cusps drawn on the dial: the Meridian houses of a chart, unequal in longitude, each
// spanning two hours of sidereal time (30 degrees of the equator).
#pragma once

#include "core/MeridianHouses.h"

#include <array>
#include <optional>

namespace nemra {

struct MainSession;

// The cusps the 360 dial draws: those of the chart named by GHouseChart (1 natal,
// 2 transit) while the index is the Meridian and that chart is computed; else none.
std::optional<std::array<double, 12>> DialHouseCusps(const MainSession& s);

} // namespace nemra
