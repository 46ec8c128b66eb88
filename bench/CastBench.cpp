// Casting speed: one natal chart, the whole casting sequence.
#include "ChartRecord.h"
#include "OwnerChart.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CastChart(benchmark::State& state)
{
    nemra::TChartRecord rec;
    rec.Input = nemra::OwnerChartInput();
    nemra::CastChart(rec, {}); // opens the ephemeris files once
    for (auto _ : state) {
        nemra::CastChart(rec, {});
        benchmark::DoNotOptimize(rec.Factors);
    }
}
BENCHMARK(BM_CastChart)->Unit(benchmark::kMicrosecond);

} // namespace
