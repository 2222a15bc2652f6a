// Speed of kelo-chart's work per chart: the layout decided without pixels (on the measuring surface,
// against the same paint into a 1024 x 768 Cairo image) and one moment of a batch, as a JSON line with
// and without the layout and as a CSV row.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "apps/kelo-chart/chart_batch.h"
#include "apps/kelo-chart/chart_picture.h"
#include "bench/bench_chart.h"
#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/fixed_clock.h"
#include "platform/freetype/measuring_surface.h"
#include "render/paint.h"
#include "shell/update_chart.h"

namespace {

ChartState ComputedChart() {
    ChartState s = StartedState();
    s.glyphFontPath = KELO_BENCH_FONT;
    FixedClock clock(LocalDateTime{2026, 12, 7, 22, 30, 0}, 0);
    NoMessageBoxes boxes;
    UpdateChart(s, clock, boxes);
    return s;
}

void BM_LayoutWithoutPixels(benchmark::State& state) {
    const ChartState chart = ComputedChart();
    ChartLayout layout(KELO_BENCH_FONT);
    ChartState s = chart;
    std::string error;
    for (auto _ : state) {
        if (!layout.Decide(s, error)) throw std::runtime_error(error);
        benchmark::DoNotOptimize(s.bodyDrawAngle.data());
    }
}
BENCHMARK(BM_LayoutWithoutPixels)->Unit(benchmark::kMicrosecond);

// What --json did before for its layout: the paint into a Cairo image.
void BM_LayoutPaintedIntoAnImage(benchmark::State& state) {
    ChartState s = ComputedChart();
    FreeTypeFontRegistry fonts;
    if (fonts.AddFontResourceA(KELO_BENCH_FONT) == 0) throw std::runtime_error("cannot load " KELO_BENCH_FONT);
    for (auto _ : state) {
        CairoImageSurface image(fonts, 1024, 768);
        image.SetCoordinates(0, 0, 1024, 768);
        ResizeChart(s, image);
        PaintChart(s, image);
        benchmark::DoNotOptimize(s.bodyDrawAngle.data());
    }
}
BENCHMARK(BM_LayoutPaintedIntoAnImage)->Unit(benchmark::kMicrosecond);

// One moment of a batch, a minute after the one before: the chart, then its line.
void BM_BatchMoment(benchmark::State& state) {
    ChartState started = StartedState();
    started.glyphFontPath = KELO_BENCH_FONT;
    const LineFormat format = static_cast<LineFormat>(state.range(0));
    BatchLines lines(started, format);
    NoMessageBoxes boxes;
    std::string line, error;
    long long minute = 0;
    for (auto _ : state) {
        const LocalDateTime t = FieldsOfSeconds(FieldSeconds(LocalDateTime{2026, 12, 10, 0, 0, 0}) + 60 * minute++);
        if (lines.Chart(t, boxes, line, error) != BatchLines::Outcome::kLine) throw std::runtime_error(error);
        benchmark::DoNotOptimize(line.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BatchMoment)
    ->ArgName("json0_nolayout1_csv2")
    ->Arg(static_cast<int>(LineFormat::kJson))
    ->Arg(static_cast<int>(LineFormat::kJsonWithoutLayout))
    ->Arg(static_cast<int>(LineFormat::kCsv))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
