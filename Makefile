# Hueprobe: `make run` opens the program, `make test` runs the whole suite,
# once in the normal build and once more in the sanitizer build;
# `make package` builds the Debian package in its own folder, and
# `make package-lint` checks it with lintian;
# `make bench` measures start-up, memory and interaction speed (not a test),
# `make bench-profile` shows where the start-up instructions go.
# All install any missing Debian packages first and build out of tree.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-asan
BUILD_TYPE ?= RelWithDebInfo
CMAKE_OPTIONS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGE_DIR ?= build-deb
BENCH_DIR ?= build-bench
BENCH_RUNS ?= 15

.PHONY: all build run test test-sanitize lint package package-lint bench bench-build bench-profile clean

all: build

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_OPTIONS)

build: $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

# Only what running needs: the program and its clipboard keeper, not the tests.
run:
	tools/install-deps run
	$(MAKE) $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target hueprobe hueprobe-clipboard-keeper
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
LINT_SOURCES = $(wildcard core/*.cpp ui/*.cpp ui/picking/*.cpp app/*.cpp app/keeper/*.cpp)
CPP_FILES = $(shell git ls-files '*.cpp' '*.h')
SHELL_SCRIPTS = $(shell git ls-files '*.sh'; git grep -lE '^\#!/bin/(ba)?sh' -- ':!*.sh')
# cppcheck is not given Qt's headers (--library=qt describes Qt to it); a plain loop
# reads better here than an algorithm; cppcheck 2.17 notes that it limits its own
# branch analysis (not a finding); inside QStringLiteral it takes a name the build
# defines for a number, and --version's text a name the build defines; the keeper's
# main takes argv with the type the language gives it. The sanitizer settings are
# built only with the sanitizers and take their path from CMake.
CPPCHECK_SUPPRESS = missingIncludeSystem missingInclude useStlAlgorithm \
	normalCheckLevelMaxBranches sizeofwithnumericparameter:app/ClipboardHandover.cpp \
	unknownMacro:app/CommandLine.cpp constParameter:app/keeper/clipboard-keeper.cpp

lint: build
	printf '%s\n' $(LINT_SOURCES) | xargs -P $(JOBS) -n 1 clang-tidy -p $(BUILD_DIR) --quiet
	cppcheck -j $(JOBS) --std=c++20 --language=c++ --library=qt --quiet --error-exitcode=1 \
		--enable=warning,performance,portability,style --inline-suppr \
		$(addprefix --suppress=,$(CPPCHECK_SUPPRESS)) -I core -I ui -I ui/picking -I app -I app/keeper \
		-i tests/sanitize core ui app packaging tests
	clang-format --dry-run -Werror $(CPP_FILES)
	shellcheck -x $(SHELL_SCRIPTS)

# Built as Debian builds its packages: without the tests, with the compiler and linker
# flags dpkg-buildflags gives, all hardening on (bindnow too). Hueprobe is C++ alone,
# so CFLAGS has nothing to build and CPPFLAGS joins CXXFLAGS.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

package:
	tools/install-deps package
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF $(CMAKE_OPTIONS) \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_DIR) --parallel $(JOBS)
	cd $(PACKAGE_DIR) && cpack

# lintian's errors and warnings fail; its informational and pedantic notes are shown.
package-lint: package
	tools/install-deps package-lint
	lintian -I --pedantic --fail-on error,warning $(PACKAGE_DIR)/hueprobe_*.deb

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
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(PACKAGE_DIR)
