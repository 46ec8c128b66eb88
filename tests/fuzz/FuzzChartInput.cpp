// Fuzz target: casting a chart from any seven input texts. The input is split at '|'
// into date, time, zone, latitude, longitude.
#include "core/ChartRecord.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string fields[5];
    for (int i = 0; i < 5 && !text.empty(); ++i) {
        const auto bar = text.find('|');
        fields[i] = std::string(text.substr(0, bar));
        text = bar == std::string_view::npos ? std::string_view{} : text.substr(bar + 1);
    }
    nemra::TChartRecord rec;
    rec.Input.Date = fields[0];
    rec.Input.Time = fields[1];
    rec.Input.TimeZone = fields[2];
    rec.Input.Latitude = fields[3];
    rec.Input.Longitude = fields[4];
    nemra::CastChart(
        rec, {.trueNode = size % 2 == 0, .axis = size % 3 == 0 ? nemra::kAxisCancerCapricorn : nemra::kAxisAriesLibra});
    for (const auto& factor : rec.Factors)
        if (!std::isfinite(factor.Lon) || factor.Lon < 0.0 || factor.Lon >= 360.0)
            std::abort();
    return 0;
}
