# Hueprobe: `make run` opens the program, `make test` runs the whole suite,
# `make bench` measures start-up, memory and interaction speed (not a test),
# `make bench-profile` shows where the start-up instructions go.
# All install any missing Debian packages first and build out of tree.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BENCH_DIR ?= build-bench
BENCH_RUNS ?= 15

.PHONY: all build run test bench bench-build bench-profile clean

all: build

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run:
	tools/install-deps run
	$(MAKE) build
	$(BUILD_DIR)/app/hueprobe

test:
	tools/install-deps test
	$(MAKE) build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error

# Benchmarks always measure a Release build of their own.
bench-build:
	tools/install-deps bench
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DHUEPROBE_BENCH=ON
	cmake --build $(BENCH_DIR) --parallel $(JOBS)

bench: bench-build
	bench/run $(BENCH_DIR) $(BENCH_RUNS)

# Where the start-up instructions go, against the baseline (callgrind).
bench-profile: bench-build
	bench/profile $(BENCH_DIR)

clean:
	rm -rf $(BUILD_DIR)
