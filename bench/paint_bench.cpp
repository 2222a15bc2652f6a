// Speed of the chart picture: PaintChart of one computed chart (the shipped default settings, aspects
// on) into Cairo images of several sizes, and the paint's own work on a surface that draws nothing.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "bench/bench_chart.h"
#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/fake/recording_surface.h"
#include "platform/fixed_clock.h"
#include "render/paint.h"
#include "render/render_tables.h"
#include "settings/options_editor.h"
#include "shell/options_preview.h"
#include "core/setting_lines.h"
#include "shell/update_chart.h"

namespace {

ChartState ComputedChart() {
    ChartState s = StartedState();
    s.settingValues[kAspectLinesLine] = 1;  // aspect lines on: the fuller picture
    FixedClock clock(LocalDateTime{2026, 12, 7, 22, 30, 0}, 0);
    NoMessageBoxes boxes;
    UpdateChart(s, clock, boxes);
    return s;
}

void BM_PaintChartCairo(benchmark::State& state) {
    ChartState s = ComputedChart();
    FreeTypeFontRegistry fonts;
    if (fonts.AddFontResourceA(KELO_BENCH_FONT) == 0) throw std::runtime_error("cannot load " KELO_BENCH_FONT);
    CairoImageSurface surface(fonts, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    surface.SetCoordinates(0, 0, 1024, 768);
    ResizeChart(s, surface);
    for (auto _ : state) {
        PaintChart(s, surface);
        cairo_surface_flush(surface.Image());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintChartCairo)->Args({1920, 1080})->Args({1024, 768})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void BM_PaintChartLayoutOnly(benchmark::State& state) {
    ChartState s = ComputedChart();
    for (auto _ : state) {
        RecordingSurface surface;
        ResizeChart(s, surface);
        PaintChart(s, surface);
        benchmark::DoNotOptimize(surface.ops.data());
    }
}
BENCHMARK(BM_PaintChartLayoutOnly)->Unit(benchmark::kMicrosecond);

// One edit in the settings dialog, after its short wait: the checks of the form, then the preview's
// chart update and paint into a Cairo image of the preview's size (the dialog's smallest, and the
// preview of a dialog on a 1920 x 1080 screen).
void BM_OptionsPreviewEdit(benchmark::State& state) {
    ChartState s;
    InitComputationConstants(s);
    FixedClock clock(LocalDateTime{2026, 12, 7, 22, 30, 0}, 0);
    OptionsPreview preview(s, clock);
    FreeTypeFontRegistry fonts;
    if (fonts.AddFontResourceA(KELO_BENCH_FONT) == 0) throw std::runtime_error("cannot load " KELO_BENCH_FONT);
    CairoImageSurface surface(fonts, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    SettingValues values = StartedState().settingValues;
    int houses = 1;
    for (auto _ : state) {
        values[27] = static_cast<float>(houses++ % 8 + 1);  // a new house system each time
        benchmark::DoNotOptimize(CheckSettings(values, preview.HouseSystemLetter(values)));
        preview.PaintPreview(values, surface);
        cairo_surface_flush(surface.Image());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OptionsPreviewEdit)->Args({400, 300})->Args({815, 700})->Unit(benchmark::kMillisecond);

}  // namespace
