# make run  - install what is missing, build, start the program
# make test - install what is missing, build, run every test, then all of them again under ASan+UBSan,
#             then the computation, engine and command-line tests under ThreadSanitizer
# make bench - the Google Benchmarks; make bench-long - 1,000,000-bit command-line runs;
# make bench-sweep - a sweep of 100 runs on one core against two

BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS       ?= 2
CMAKE_FLAGS = -G Ninja -DLINTAVOX_WERROR=ON
CTEST_FLAGS = --output-on-failure -j $(JOBS)
# Reports from inside the uninstrumented system Qt are suppressed, each for its reason there.
TSAN_OPTIONS_TEST = suppressions=$(CURDIR)/tests/tsan-qt.supp second_deadlock_stack=1

.PHONY: deps build build-asan build-tsan test test-asan test-tsan run bench bench-long bench-sweep clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DLINTAVOX_SANITIZE=ON -DLINTAVOX_GUI=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Only the tests labelled lib and cli, and what they run, are built under ThreadSanitizer.
build-tsan: deps
	cmake -S . -B $(TSAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DLINTAVOX_SANITIZE=thread -DLINTAVOX_GUI=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target tests_lib tests_cli

test: build build-asan build-tsan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest $(CTEST_FLAGS)
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory test-tsan

test-asan:
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest $(CTEST_FLAGS)

test-tsan:
	cd $(TSAN_BUILD) && TSAN_OPTIONS="$(TSAN_OPTIONS_TEST)" ctest $(CTEST_FLAGS) -L '^(lib|cli)$$'

run: build
	$(BUILD)/bin/lintavox

bench: build
	for b in $(BUILD)/bin/bench_*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

bench-long: build
	bench/long-run $(BUILD) 3

bench-sweep: build
	bench/sweep-scaling $(BUILD) 3 2

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD)
