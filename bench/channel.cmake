# The channel library: filter builds, the heaviest propagation, the fast build against
# the plain reference, and how soon a cancellation returns.
lintavox_benchmark(bench_channel BenchKanal.cpp ${PROJECT_SOURCE_DIR}/tests/channel/ReferencjaKanalu.cpp)
target_include_directories(bench_channel PRIVATE ${PROJECT_SOURCE_DIR}/tests/channel)
target_link_libraries(bench_channel PRIVATE VartoChannel VartoChannelFiltry VartoEncode Vartostream)
