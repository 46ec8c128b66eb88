// World atlas speed: a search as the user types (one to several characters, Thai and Latin,
// with and without a country, many and no matches), opening the atlas, and the zone in force
// at a place and time.
#include "atlas/model/Atlas.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kTyped[] = {"s", "b",   "ba",   "san",       "new y",          "york", "zürich",
                              "ก", "กรุง", "ปารีส", "paris, fr", "san, united st", "xq"};

const nemra::Atlas& TheAtlas()
{
    static const nemra::Atlas atlas = std::move(*nemra::Atlas::Open(NEMRA_ATLAS_FILE).atlas);
    return atlas;
}

void BM_AtlasSearch(benchmark::State& state)
{
    const char* typed = kTyped[state.range(0)];
    state.SetLabel(typed);
    for (auto _ : state)
        benchmark::DoNotOptimize(TheAtlas().Search(typed, 100));
}
BENCHMARK(BM_AtlasSearch)->DenseRange(0, std::size(kTyped) - 1)->Unit(benchmark::kMillisecond);

void BM_AtlasOpen(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(nemra::Atlas::Open(NEMRA_ATLAS_FILE));
}
BENCHMARK(BM_AtlasOpen)->Unit(benchmark::kMillisecond);

void BM_ZoneAt(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(nemra::ZoneAt("Europe/Paris", 2.35, {1980, 7, 15, 12, 0, 0}));
}
BENCHMARK(BM_ZoneAt)->Unit(benchmark::kMicrosecond);

} // namespace
