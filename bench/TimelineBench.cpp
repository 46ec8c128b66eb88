// The graphic ephemeris: ten years of the default lines computed, laid out and drawn; a redraw
// after a resize; a hover repaint of the widget; and a year's timing list. Each iteration takes
// another natal chart and start year, so no computation repeats the one before.
#include "charts/model/ChartMoment.h"
#include "timeline/model/TimingList.h"
#include "timeline/ui/EphemerisGraph.h"

#include "bench/BenchKit.h"

#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 700;

nemra::TChartRecord Natal(const char* date, const char* time, const char* zone)
{
    nemra::TChartRecord natal;
    natal.Input.Date = date;
    natal.Input.Time = time;
    natal.Input.TimeZone = zone;
    natal.Input.Latitude = "13.45N";
    natal.Input.Longitude = "100.30E";
    nemra::CastChart(natal, {});
    return natal;
}

struct Case {
    nemra::TChartRecord natal;
    int startYearBE;
};

const std::array<Case, 4>& Cases()
{
    static const std::array<Case, 4> cases{{{Natal("24/06/2475", " 6.00.00", "105.00E"), 2560},
                                            {Natal("29/02/2527", "14.30.00", "7.00H"), 2568},
                                            {Natal("15/02/2480", " 8.15.30", "105.00E"), 2555},
                                            {Natal("31/12/2530", "23.30.00", "75.00W"), 2571}}};
    return cases;
}

nemra::GraphContent Content(const Case& c, int months)
{
    nemra::TimelineSettings settings;
    settings.startYearBE = c.startYearBE;
    settings.months = months;
    const auto period = *nemra::PeriodOf(settings, nemra::ZoneSeconds(c.natal.Input.TimeZone));
    return nemra::ComputeGraphContent(c.natal, settings, period);
}

// Ten years, all default lines: the positions of the period, the layout and the painting.
void BM_GraphTenYears(benchmark::State& state)
{
    nemra::bench::EnsureGuiApplication();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::size_t i = 0;
    for (auto _ : state) {
        const nemra::GraphContent content = Content(Cases()[i++ % Cases().size()], 120);
        QPainter painter(&image);
        nemra::ui::PaintGraph(painter, content, nemra::LayOutGraph(content, kWidth, kHeight));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GraphTenYears)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A resize: the same positions laid out and drawn at a new size.
void BM_GraphResize(benchmark::State& state)
{
    nemra::bench::EnsureGuiApplication();
    const nemra::GraphContent content = Content(Cases()[1], 120);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        const int width = kWidth - (step++ % 20) * 8;
        QPainter painter(&image);
        nemra::ui::PaintGraph(painter, content, nemra::LayOutGraph(content, width, kHeight));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GraphResize)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A hover: the pointer moves and the widget repaints its cached picture with the readout.
void BM_GraphHover(benchmark::State& state)
{
    nemra::bench::EnsureGuiApplication();
    TEphemerisGraph graph;
    graph.resize(kWidth, kHeight);
    graph.SetContent(Content(Cases()[2], 120));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    graph.render(&image); // the first paint lays out and caches the picture
    int step = 0;
    for (auto _ : state) {
        const QPointF at(100 + (step++ % 100) * 10, 300);
        QMouseEvent move(QEvent::MouseMove, at, graph.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&graph, &move);
        graph.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GraphHover)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A year's timing list of the default movers on the natal factors.
void BM_TimingListYear(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = Cases()[i++ % Cases().size()];
        nemra::TimelineSettings settings;
        settings.startYearBE = c.startYearBE;
        const auto period = *nemra::PeriodOf(settings, nemra::ZoneSeconds(c.natal.Input.TimeZone));
        benchmark::DoNotOptimize(nemra::FindTimingHits(c.natal, settings, period).size());
    }
}
BENCHMARK(BM_TimingListYear)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
