// Hit-point report speed: one full search over a cast natal and transit session with all
// eight kinds of hit point on, as every change of a report control runs it.
#include "dials/model/DialIndex.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/ReportAdapters.h"
#include "mainwin/model/Session.h"
#include "reports/model/HitSearch.h"

#include <benchmark/benchmark.h>

namespace {

// 8 December 2026, noon at 105°E.
const nemra::UtInstant kNoonAt105East = std::chrono::sys_days{std::chrono::year{2026} / 12 / 8} + std::chrono::hours{5};

nemra::ReportSnapshot MidpointSnapshot()
{
    nemra::MainSession s;
    s.FOwnerInput = nemra::OwnerChartInput();
    s.GChartInput = nemra::OwnerChartInput();
    nemra::CastOwner(s);
    nemra::CastTransitNow(s, kNoonAt105East);
    nemra::SetMidpointIndex(s, {nemra::kMidNatal, nemra::kSun, nemra::kMoon, true, false});
    return nemra::MakeReportSnapshot(s);
}

void BM_SearchHits(benchmark::State& state)
{
    const nemra::ReportSnapshot snapshot = MidpointSnapshot();
    nemra::HitSettings settings;
    settings.targetLayer = nemra::ChartLayerOf(static_cast<int>(state.range(0)));
    settings.kinds.fill(true);
    settings.sortByOrb = true;
    for (auto _ : state) {
        nemra::HitReport report = nemra::SearchHits(snapshot, settings);
        benchmark::DoNotOptimize(report.rows.data());
    }
}
BENCHMARK(BM_SearchHits)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace
