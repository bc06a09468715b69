# Hueprobe: `make run` opens the program, `make test` runs the whole suite,
# once in the normal build and once more in the sanitizer build;
# `make package` builds the Debian package in the build folder;
# `make bench` measures start-up, memory and interaction speed (not a test),
# `make bench-profile` shows where the start-up instructions go.
# All install any missing Debian packages first and build out of tree.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-asan
BUILD_TYPE ?= RelWithDebInfo
CMAKE_OPTIONS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BENCH_DIR ?= build-bench
BENCH_RUNS ?= 15

.PHONY: all build run test test-sanitize lint package bench bench-build bench-profile clean

all: build

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_OPTIONS)

build: $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run:
	tools/install-deps run
	$(MAKE) build
	$(BUILD_DIR)/app/hueprobe

# Both builds first, then their tests side by side (two at a time each).
test:
	tools/install-deps test
	$(MAKE) build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error -j$(JOBS)
	$(MAKE) test-sanitize
	$(MAKE) lint

# The whole suite built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer: a memory fault, undefined behaviour or a leak fails its test.
test-sanitize:
	tools/install-deps test
	$(MAKE) build BUILD_DIR=$(SANITIZE_DIR) CMAKE_OPTIONS=-DHUEPROBE_SANITIZE=ON
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure --no-tests=error -j$(JOBS)

# Static checks: clang-tidy (its checks are in .clang-tidy) on the product code,
# cppcheck on the C++, clang-format (.clang-format) on every C++ file and
# shellcheck on every shell script, sourced ones included.
LINT_SOURCES = $(wildcard core/*.cpp ui/*.cpp app/*.cpp packaging/*.cpp)
CPP_FILES = $(shell git ls-files '*.cpp' '*.h')
SHELL_SCRIPTS = $(shell git ls-files '*.sh'; git grep -lE '^\#!/bin/(ba)?sh' -- ':!*.sh')
# cppcheck is not given Qt's headers (--library=qt describes Qt to it); a plain loop
# reads better here than an algorithm; cppcheck 2.17 notes that it limits its own
# branch analysis (not a finding); inside QStringLiteral it takes a name the build
# defines for a number; main's argv has the type the language gives it. The sanitizer
# settings are built only with the sanitizers and take their path from CMake.
CPPCHECK_SUPPRESS = missingIncludeSystem missingInclude useStlAlgorithm \
	normalCheckLevelMaxBranches sizeofwithnumericparameter:app/ClipboardHandover.cpp \
	constParameter:packaging/scale-icon.cpp

lint: build
	printf '%s\n' $(LINT_SOURCES) | xargs -P $(JOBS) -n 1 clang-tidy -p $(BUILD_DIR) --quiet
	cppcheck -j $(JOBS) --std=c++20 --language=c++ --library=qt --quiet --error-exitcode=1 \
		--enable=warning,performance,portability,style --inline-suppr \
		$(addprefix --suppress=,$(CPPCHECK_SUPPRESS)) -I core -I ui -I app \
		-i tests/sanitize core ui app packaging tests
	clang-format --dry-run -Werror $(CPP_FILES)
	shellcheck -x $(SHELL_SCRIPTS)

package:
	tools/install-deps package
	$(MAKE) build
	cmake --build $(BUILD_DIR) --target package

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
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
