# make run  - install what is missing, build, start the program
# make test - install what is missing, build, run every test, then all of them again under ASan+UBSan

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
CMAKE_FLAGS = -G Ninja -DLINTAVOX_WERROR=ON
CTEST_FLAGS = --output-on-failure -j $(JOBS)

.PHONY: deps build build-asan test test-asan run bench clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DLINTAVOX_SANITIZE=ON -DLINTAVOX_GUI=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test: build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest $(CTEST_FLAGS)
	$(MAKE) --no-print-directory test-asan

test-asan:
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest $(CTEST_FLAGS)

run: build
	$(BUILD)/bin/lintavox

bench: build
	for b in $(BUILD)/bin/bench_*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
