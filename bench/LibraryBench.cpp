// Chart library speed with 100 000 stored charts: importing them, a search as the user types
// (short and long words, Thai and Latin, many and no matches), opening the database, and
// the first page the find list shows in each order.
#include "library/model/ChartStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kCharts = 100000;

const char* const kGiven[] = {"สมชาย", "สมหญิง", "มานี", "ปิติ", "ชูใจ", "วีระ", "Somchai", "Anna", "สุดา", "ประเสริฐ"};
const char* const kFamily[] = {"ใจดี", "รักไทย", "มีสุข", "Smith", "ทองคำ", "ศรีสุข", "แก้วกล้า", "บุญมา"};
const char* const kPlaces[] = {"กรุงเทพฯ", "เชียงใหม่", "ภูเก็ต", "ขอนแก่น", "London", "หาดใหญ่", "นครราชสีมา"};
const char* const kGroups[] = {"ลูกค้า", "ครอบครัว", "เหตุการณ์", ""};

std::string ChartsCsv(int count)
{
    std::string csv = "name,date,time,zone,latitude,longitude,place,note,group\r\n";
    for (int i = 0; i < count; ++i) {
        csv += std::string(kGiven[i % 10]) + " " + kFamily[(i / 10) % 8] + " " + std::to_string(i) + ","
               + std::to_string(i % 28 + 1) + "/" + std::to_string(i % 12 + 1) + "/" + std::to_string(2450 + i % 120)
               + "," + std::to_string(i % 24) + "." + std::to_string(10 + i % 50) + ",7.00H,13.45N,100.30E,"
               + kPlaces[i % 7] + "," + (i % 5 == 0 ? "นัดดูดวงประจำปี" : "") + "," + kGroups[i % 4] + "\r\n";
    }
    return csv;
}

std::filesystem::path TempFolder()
{
    char pattern[] = "/tmp/nemra-bench-XXXXXX";
    return ::mkdtemp(pattern);
}

// One database of 100 000 charts for the whole run.
const std::filesystem::path& FilledDatabase()
{
    static const std::filesystem::path path = [] {
        const auto file = TempFolder() / "charts.sqlite";
        auto store = nemra::ChartStore::Open(file);
        if (!store || !store->ImportCsv(ChartsCsv(kCharts)))
            std::abort();
        std::atexit([] { std::filesystem::remove_all(FilledDatabase().parent_path()); });
        return file;
    }();
    return path;
}

void BM_ImportCharts(benchmark::State& state)
{
    const std::string csv = ChartsCsv(kCharts);
    for (auto _ : state) {
        state.PauseTiming();
        const auto folder = TempFolder();
        auto store = nemra::ChartStore::Open(folder / "charts.sqlite");
        state.ResumeTiming();
        const auto report = store->ImportCsv(csv);
        if (!report || report->added != kCharts)
            state.SkipWithError("import failed");
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportCharts)->Unit(benchmark::kSecond)->Iterations(2);

const char* const kQueries[] = {"ส",     "สม",   "สมช", "สมชาย", "ชาย ใจ", "เชียงใหม่",
                                "Smith", "ลูกค้า", "นัดดู", "99999", "ไม่มีเลย"};

void BM_SearchAsYouType(benchmark::State& state)
{
    auto store = nemra::ChartStore::Open(FilledDatabase());
    nemra::ChartQuery query;
    query.text = kQueries[state.range(0)];
    std::int64_t total = 0;
    for (auto _ : state) {
        const auto page = store->Find(query);
        total = static_cast<std::int64_t>(page->rows.size());
        benchmark::DoNotOptimize(page->rows.data());
    }
    state.SetLabel(query.text + " (" + std::to_string(total) + ")");
}
BENCHMARK(BM_SearchAsYouType)->DenseRange(0, std::size(kQueries) - 1)->Unit(benchmark::kMillisecond);

void BM_OpenDatabase(benchmark::State& state)
{
    const auto& file = FilledDatabase();
    for (auto _ : state) {
        auto store = nemra::ChartStore::Open(file);
        benchmark::DoNotOptimize(store.ok());
    }
}
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);

void BM_FirstPage(benchmark::State& state)
{
    auto store = nemra::ChartStore::Open(FilledDatabase());
    nemra::ChartQuery query;
    query.sortBy = static_cast<nemra::ChartColumn>(state.range(0));
    for (auto _ : state) {
        const auto page = store->Find(query);
        benchmark::DoNotOptimize(page->rows.data());
    }
}
BENCHMARK(BM_FirstPage)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace
