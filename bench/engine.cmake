lintavox_benchmark(bench_engine BenchSymulacja.cpp)
target_link_libraries(bench_engine PRIVATE Silnik)
# The receiver's bit recovery beside whole runs, bits per second per standard.
lintavox_benchmark(bench_bit_recovery BenchOdzyskiwanieBitow.cpp)
target_link_libraries(bench_bit_recovery PRIVATE Silnik)
