// Casting speed. BM_CastChart recasts one moment, so the ephemeris answers most of it from
// its cache of the last moment; what a user meets is the cast of a new moment, measured by
// BM_CastChartSpread over 3 000 moments spread across 1800-2399 and many places. Beside it,
// BM_SwissEphemerisSpread makes the raw library calls the same moments need (19 bodies
// with speed, the houses), so the two medians give the cost of the casting sequence over
// the library itself.
#include "core/ChartRecord.h"
#include "core/WinPl.h"
#include "mainwin/model/OwnerChart.h"

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <cstdio>
#include <random>
#include <vector>

namespace {

struct Moment {
    nemra::TChartInput input;
    double jdUT = 0.0;
    double lat = 0.0;
    double lon = 0.0;
};

// A fixed sample: the same 3 000 moments on every run, so runs compare.
const std::vector<Moment>& SpreadMoments()
{
    static const std::vector<Moment> moments = [] {
        std::mt19937 random(20261208);
        std::uniform_int_distribution<int> year(1800, 2399), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
            latDeg(0, 66), lonDeg(0, 179);
        std::vector<Moment> out;
        for (int i = 0; i < 3000; ++i) {
            const int ce = year(random), m = month(random), d = day(random), h = hour(random), mi = minute(random),
                      la = latDeg(random), lo = lonDeg(random);
            // Before 1941 the Buddhist year began on 1 April.
            const int be = (ce < 1941 && m < 4) ? ce + 542 : ce + 543;
            char date[24], time[16], lat[16], lon[16];
            std::snprintf(date, sizeof date, "%d/%d/%d", d, m, be);
            std::snprintf(time, sizeof time, "%02d.%02d.00", h, mi);
            std::snprintf(lat, sizeof lat, "%d.%02dN", la, mi % 60);
            std::snprintf(lon, sizeof lon, "%d.%02dE", lo, (mi * 7) % 60);
            Moment moment;
            moment.input.Name = "spread";
            moment.input.Date = date;
            moment.input.Time = time;
            moment.input.TimeZone = "0.00E"; // clock time is UT: the raw calls need no zone
            moment.input.Latitude = lat;
            moment.input.Longitude = lon;
            moment.jdUT = swe_julday(ce, m, d, h + mi / 60.0, SE_GREG_CAL);
            moment.lat = la + (mi % 60) / 60.0;
            moment.lon = lo + ((mi * 7) % 60) / 60.0;
            out.push_back(moment);
        }
        return out;
    }();
    return moments;
}

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

void BM_CastChartSpread(benchmark::State& state)
{
    const auto& moments = SpreadMoments();
    nemra::TChartRecord rec;
    std::size_t next = 0;
    for (auto _ : state) {
        rec.Input = moments[next].input;
        nemra::CastChart(rec, {});
        benchmark::DoNotOptimize(rec.Factors);
        next = (next + 1) % moments.size();
    }
}
BENCHMARK(BM_CastChartSpread)->Unit(benchmark::kMicrosecond);

// The library's own work for one moment: the Sun to Pluto, the true node and the eight
// transneptunian points with speed (the speed gives the motion marks), and the houses.
void BM_SwissEphemerisSpread(benchmark::State& state)
{
    const auto& moments = SpreadMoments();
    const int32 flags = (nemra::WinPl::Ephemeris().usesFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH) | SEFLG_SPEED;
    const int bodies[] = {SE_SUN,    SE_MOON,    SE_MERCURY, SE_VENUS,     SE_MARS,    SE_JUPITER, SE_SATURN,
                          SE_URANUS, SE_NEPTUNE, SE_PLUTO,   SE_TRUE_NODE, SE_CUPIDO,  SE_HADES,   SE_ZEUS,
                          SE_KRONOS, SE_APOLLON, SE_ADMETOS, SE_VULKANUS,  SE_POSEIDON};
    std::size_t next = 0;
    for (auto _ : state) {
        const Moment& m = moments[next];
        double x[6], cusps[13], ascmc[10];
        char err[AS_MAXCH];
        for (int body : bodies) {
            swe_calc_ut(m.jdUT, body, flags, x, err);
            benchmark::DoNotOptimize(x);
        }
        swe_houses(m.jdUT, m.lat, m.lon, 'E', cusps, ascmc);
        benchmark::DoNotOptimize(ascmc);
        next = (next + 1) % moments.size();
    }
}
BENCHMARK(BM_SwissEphemerisSpread)->Unit(benchmark::kMicrosecond);

} // namespace
