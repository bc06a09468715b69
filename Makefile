# Hueprobe: `make run` opens the program, `make test` runs the whole suite,
# once in the normal build and once more in the sanitizer build;
# `make package` builds the Debian package in the build folder.
# They install any missing Debian packages first and build out of tree.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-asan
BUILD_TYPE ?= RelWithDebInfo
CMAKE_OPTIONS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test test-sanitize lint package clean

all: build

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_OPTIONS)

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
	$(MAKE) test-sanitize
	$(MAKE) lint

# The whole suite built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer: a memory fault, undefined behaviour or a leak fails its test.
test-sanitize:
	tools/install-deps test
	$(MAKE) build BUILD_DIR=$(SANITIZE_DIR) CMAKE_OPTIONS=-DHUEPROBE_SANITIZE=ON
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure --no-tests=error

# Static checks: clang-tidy (its checks are in .clang-tidy) on the product code,
# and cppcheck on all of it but the sanitizer tests, which commit faults on purpose.
LINT_SOURCES = $(wildcard core/*.cpp ui/*.cpp app/*.cpp packaging/*.cpp)
CPPCHECK_SUPPRESS = missingIncludeSystem missingInclude useStlAlgorithm

lint: build
	clang-tidy -p $(BUILD_DIR) --quiet $(LINT_SOURCES)
	cppcheck --std=c++20 --language=c++ --library=qt --quiet --error-exitcode=1 \
		--enable=warning,performance,portability,style --inline-suppr \
		$(addprefix --suppress=,$(CPPCHECK_SUPPRESS)) -I core -I ui -I app \
		-i tests/sanitize core ui app packaging tests

package:
	tools/install-deps package
	$(MAKE) build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
