// Repaint speed: one full DrawChart of the 360 and the 90 dial with all three rings.
#include "dials/model/DialIndex.h"
#include "dials/ui/DialRenderer.h"
#include "dialtools/model/MidpointFinder.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/RealTime.h"
#include "mainwin/model/Session.h"

#include "bench/BenchKit.h"

#include <benchmark/benchmark.h>

namespace {

// 8 December 2026, noon at 105°E.
const nemra::UtInstant kNoonAt105East = std::chrono::sys_days{std::chrono::year{2026} / 12 / 8} + std::chrono::hours{5};

using nemra::bench::EnsureGuiApplication;

nemra::MainSession FullSession(int dialType)
{
    nemra::MainSession s;
    s.FOwnerInput = nemra::OwnerChartInput();
    s.GChartInput = nemra::OwnerChartInput();
    nemra::CastOwner(s);
    nemra::CastTransitNow(s, kNoonAt105East);
    nemra::SetDisplayMode(s, nemra::kShowAll);
    s.FMaxContracia = 21;
    s.FHouseLines = true;
    s.GHouseChart = nemra::kLayerNatal;
    s.FDialType = nemra::DialTypeOf(dialType);
    return s;
}

void BM_DrawChart(benchmark::State& state)
{
    EnsureGuiApplication();
    nemra::MainSession s = FullSession(static_cast<int>(state.range(0)));
    QImage image;
    nemra::ui::DrawChart(s, image); // loads the fonts once
    for (auto _ : state) {
        nemra::ui::DrawChart(s, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawChart)->Arg(360)->Arg(90)->Unit(benchmark::kMillisecond);

// The same with the midpoint finder on, as the main window repaints: the pairs searched
// for the pointer (the default orb of 1 degree, all three rings with every reflection),
// then drawn.
void BM_DrawChartFinder(benchmark::State& state)
{
    EnsureGuiApplication();
    nemra::MainSession s = FullSession(static_cast<int>(state.range(0)));
    s.FMidFinderOn = true;
    s.FMidFinderOrb = 1.0;
    s.FDialRotation = 123.4;
    QImage image;
    nemra::ui::DrawChart(s, image);
    std::size_t pairs = 0;
    for (auto _ : state) {
        const auto found = nemra::SessionMidpointPairs(s);
        nemra::ui::DrawChart(s, image, found);
        pairs = found.size();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pairs"] = static_cast<double>(pairs);
}
BENCHMARK(BM_DrawChartFinder)->Arg(360)->Arg(90)->Unit(benchmark::kMillisecond);

// One live-transit tick: the cast of the moment, the arcs, the index and the full repaint.
void BM_RealTimeTick(benchmark::State& state)
{
    EnsureGuiApplication();
    nemra::MainSession s = FullSession(360);
    nemra::SetMidpointIndex(s, {nemra::kMidTransit, nemra::kMoon, nemra::kSun, true, false});
    QImage image(s.FChartSize, s.FChartSize, QImage::Format_RGB32);
    int second = 0;
    for (auto _ : state) {
        second = (second + 4) % 60;
        nemra::RealTimeTick(s, kNoonAt105East + std::chrono::seconds{second});
        nemra::ui::DrawChart(s, image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_RealTimeTick)->Unit(benchmark::kMillisecond);

} // namespace
