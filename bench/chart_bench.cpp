// Speed of one chart: the whole update (checks, sky frame, cusps, ephemeris, options, texts, void test;
// no paint) and the settings reader, on the shipped default settings.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_chart.h"
#include "platform/fixed_clock.h"
#include "settings/settings_file.h"
#include "shell/update_chart.h"

namespace {

void BM_UpdateChart(benchmark::State& state) {
    ChartState s = StartedState();
    FixedClock clock(LocalDateTime{2026, 12, 7, 22, 30, 0}, 0);
    NoMessageBoxes boxes;
    for (auto _ : state) {
        UpdateChart(s, clock, boxes);
        benchmark::DoNotOptimize(s.bodyLongitude.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateChart);

// The same update over a year of minutes one day apart, so that no single date's branches dominate.
void BM_UpdateChartAcrossAYear(benchmark::State& state) {
    ChartState s = StartedState();
    FixedClock clock(LocalDateTime{2026, 1, 1, 0, 0, 0}, 1);
    NoMessageBoxes boxes;
    int day = 0;
    for (auto _ : state) {
        int d = day++ % 365;
        clock.Set(LocalDateTime{2026, 1 + d / 31 % 12, 1 + d % 28, d % 24, d % 60, 0});
        UpdateChart(s, clock, boxes);
        benchmark::DoNotOptimize(s.bodyLongitude.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateChartAcrossAYear);

void BM_ReadSettings(benchmark::State& state) {
    ChartState s;
    s.settingsFileName = KELO_BENCH_SETTINGS;
    for (auto _ : state) {
        bool ok = ReadSettings(s);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(s.settingValues.data());
    }
}
BENCHMARK(BM_ReadSettings);

void BM_LeadingNumber(benchmark::State& state) {
    const std::vector<std::string> fields = {"-13    ", "74     ", "1 2    ", "15.5   ", "&HFF   ", "1E999  "};
    for (auto _ : state)
        for (const std::string& f : fields) benchmark::DoNotOptimize(LeadingNumber(f));
}
BENCHMARK(BM_LeadingNumber);

}  // namespace

BENCHMARK_MAIN();
