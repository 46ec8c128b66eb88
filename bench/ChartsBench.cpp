// Charts from charts: a solar return search and a year of lunations, each over changing charts
// and years so no search repeats the one before.
#include "charts/model/Lunations.h"
#include "charts/model/SunCharts.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

nemra::TChartInput Natal(const char* date, const char* time, const char* zone)
{
    nemra::TChartInput chart;
    chart.Date = date;
    chart.Time = time;
    chart.TimeZone = zone;
    chart.Latitude = "13.45N";
    chart.Longitude = "100.30E";
    return chart;
}

const nemra::ChartPlace kBangkok{"7.00H", "13.45N", "100.30E", "กรุงเทพฯ"};

void BM_SolarReturn(benchmark::State& state)
{
    const std::array natals{Natal("24/06/2475", " 6.00.00", "105.00E"), Natal("29/02/2527", "14.30.00", "7.00H"),
                            Natal("15/02/2480", " 8.15.30", "105.00E"), Natal("31/12/2530", "23.30.00", "75.00W"),
                            Natal("01/09/2393", "12.00.00", "0.00E")};
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& natal = natals[i % natals.size()];
        const int year = 2400 + static_cast<int>(i * 37 % 500);
        benchmark::DoNotOptimize(nemra::SolarReturn(natal, year));
        ++i;
    }
}
BENCHMARK(BM_SolarReturn)->Unit(benchmark::kMillisecond);

void BM_LunationsOfAYear(benchmark::State& state)
{
    int year = 2400;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nemra::FindLunations(year, std::nullopt, kBangkok));
        year = year == 2900 ? 2400 : year + 1;
    }
}
BENCHMARK(BM_LunationsOfAYear)->Unit(benchmark::kMillisecond);

} // namespace
