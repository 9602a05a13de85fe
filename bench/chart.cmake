# Painting a chart: four series of 20,000 points into a 1,600 × 400 image.
lintavox_benchmark(bench_chart BenchWykres.cpp)
target_compile_definitions(bench_chart PRIVATE QT_NO_CAST_FROM_ASCII)
target_link_libraries(bench_chart PRIVATE Wykres PlotnoQt Vartostream Qt6::Widgets)
