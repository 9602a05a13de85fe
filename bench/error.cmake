# The receiver libraries on four pairs of 10,000 samples: gain, error measurement,
# decoding and the wrongly decoded share.
lintavox_benchmark(bench_receiver BenchOdbiornik.cpp)
target_link_libraries(bench_receiver PRIVATE VartoError VartoDecode Vartostream)
