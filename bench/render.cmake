# Benchmark of the chart picture (Google Benchmark), where the Cairo surfaces are built.
# Run: build/bin/kelo_paint_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
if(TARGET kelo_cairo)
  add_executable(kelo_paint_bench paint_bench.cpp)
  target_link_libraries(kelo_paint_bench PRIVATE kelo_core kelo_cairo benchmark::benchmark_main)
  target_compile_definitions(kelo_paint_bench PRIVATE KELO_BENCH_SETTINGS="${CMAKE_SOURCE_DIR}/assets/KELO.INI"
                             KELO_BENCH_FONT="${CMAKE_SOURCE_DIR}/assets/glypha.ttf")
endif()
