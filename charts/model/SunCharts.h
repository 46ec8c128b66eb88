// Charts of the Sun's moments: the solar return of a natal chart and the Sun's ingress into a
// sign, each found where the Sun's apparent longitude reaches its value.
#pragma once

#include "charts/model/ChartMoment.h"
#include "charts/model/ChartPlace.h"

#include <optional>
#include <string>

namespace nemra {

// "ดวงทินวรรษ 2567": the name of a solar return chart of a Buddhist-era year.
std::string SolarReturnName(int yearBE);

// The moment near the natal birthday of the Buddhist-era year `yearBE` at which the Sun's
// apparent longitude equals the natal Sun's, cast at `place` (the natal place when none is
// given) and named by SolarReturnName. Refused when the natal chart or the place is malformed,
// the year lies outside the years the chart input accepts, or the birthday's month does not
// exist in that year.
ChartOutcome SolarReturn(const TChartInput& natal, int yearBE, const std::optional<ChartPlace>& place = {});

// The Christian year in which the natal birthday of the Buddhist-era year `yearBE` falls (that
// of the natal date's month; a malformed natal date counts as January).
int BirthdayYearCE(const TChartInput& natal, int yearBE);

// "อาทิตย์ยกราศีเมษ 2567": the name of an ingress chart.
std::string SunIngressName(int yearBE, int sign);

// The moment of the Buddhist-era year `yearBE` at which the Sun's apparent longitude reaches the
// start of sign 1..12 (sign 1, Aries 0°, is the March equinox; signs 11 and 12 fall in January
// and February), cast at `place`. Refused for a sign outside 1..12, a year outside the years the
// chart input accepts, an ingress month the year does not have, or a malformed place.
ChartOutcome SunIngress(int yearBE, int sign, const ChartPlace& place);

// The month (1..12) in which the Sun enters sign 1..12, and the Christian year of that month in
// the Buddhist-era year `yearBE`.
int IngressMonth(int sign);
int IngressYearCE(int yearBE, int sign);

} // namespace nemra
