#include "core/MeridianHouses.h"

#include "core/WinDeg.h"
#include "core/WinPl.h"

namespace nemra {

std::array<double, kHouseCount> MeridianHouseCusps(double siderealHours, double obliquityDeg)
{
    std::array<double, kHouseCount> cusps{};
    double hours = WinDeg::Reduce24(siderealHours + 6.0);
    for (std::size_t n = 0; n < cusps.size(); ++n) {
        if (n > 0)
            hours = WinDeg::Reduce24(hours + 2.0);
        cusps[n] = WinPl::Meridian(hours, obliquityDeg);
    }
    return cusps;
}

} // namespace nemra
