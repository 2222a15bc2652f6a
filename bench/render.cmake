# Benchmark of the chart picture (Google Benchmark), where the Cairo surfaces are built.
# Run: build/bin/kelo_paint_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
if(TARGET kelo_cairo)
  add_executable(kelo_paint_bench paint_bench.cpp)
  target_link_libraries(kelo_paint_bench PRIVATE kelo_core kelo_cairo benchmark::benchmark_main)
  target_compile_definitions(kelo_paint_bench PRIVATE KELO_BENCH_SETTINGS="${CMAKE_SOURCE_DIR}/assets/KELO.INI"
                             KELO_BENCH_FONT="${CMAKE_SOURCE_DIR}/assets/glypha.ttf")
endif()

# kelo-chart's layout without pixels and its batch.
# Run: build/bin/kelo_chart_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
if(TARGET kelo_cairo AND TARGET kelo_freetype)
  add_executable(kelo_chart_bench kelo_chart_bench.cpp ${CMAKE_SOURCE_DIR}/apps/kelo-chart/chart_batch.cpp
                 ${CMAKE_SOURCE_DIR}/apps/kelo-chart/chart_json.cpp ${CMAKE_SOURCE_DIR}/apps/kelo-chart/chart_picture.cpp
                 ${CMAKE_SOURCE_DIR}/apps/kelo-chart/chart_drawing.cpp)
  target_link_libraries(kelo_chart_bench PRIVATE kelo_core kelo_cairo kelo_freetype benchmark::benchmark_main)
  target_compile_definitions(kelo_chart_bench PRIVATE KELO_BENCH_SETTINGS="${CMAKE_SOURCE_DIR}/assets/KELO.INI"
                             KELO_BENCH_FONT="${CMAKE_SOURCE_DIR}/assets/glypha.ttf" KELO_WITH_CAIRO=1
                             KELO_WITH_FREETYPE=1 KELO_CHART_DRAWING_LINKED=1)
endif()
