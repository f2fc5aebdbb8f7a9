# Developer entry points. Everything builds with CMake and Ninja; `make run`
# and `make test` install missing Debian packages first (scripts/install-deps.sh):
# the build and test packages for every target, the virtual display and the
# screenshot tool only for `make run`.

# The builds are the presets of CMakePresets.json: debug (build/), release
# (build-release/), asan (build-asan/), fuzz (build-fuzz/), coverage
# (build-coverage/).

BUILD_DIR      := build
JOBS           ?= $(shell nproc 2>/dev/null || echo 2)
TESSARY_WERROR ?= OFF
# Extra arguments for the CMake configure step, e.g. CMAKE_EXTRA=-DFOO=ON
CMAKE_EXTRA    ?=

CMAKE_FLAGS := -DTESSARY_WERROR=$(TESSARY_WERROR) $(CMAKE_EXTRA)

# Configures, builds and runs the tests of one preset: $(call preset_test,NAME)
preset_build = cmake --preset $(1) $(CMAKE_FLAGS) && cmake --build --preset $(1) -j $(JOBS)
preset_test  = ctest --preset $(1) -j $(JOBS)

FORMAT_FILES = $(shell find src tools tests bench -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null)

.PHONY: all deps build run test release asan coverage library format format-check clean screenshots fuzz deb bench

all: build

deps:
	scripts/install-deps.sh build

build: deps
	$(call preset_build,debug)

run: build
	scripts/install-deps.sh run
	scripts/run.sh

# Rebuilds library/ from the Debian modules (installed first); the result is
# the same byte for byte on every run.
library: build
	scripts/install-deps.sh library
	rm -rf $(BUILD_DIR)/library-new
	$(BUILD_DIR)/tessary-library import $(BUILD_DIR)/library-new
	$(BUILD_DIR)/tessary-library check $(BUILD_DIR)/library-new
	rm -rf library
	mv $(BUILD_DIR)/library-new library

# Takes the screenshots of docs/screens/ under a private Xvfb at 1920x1080.
screenshots: build
	scripts/screenshots.sh

# Builds the Debian package build/tessary_VERSION_ARCH.deb from the install
# rules, with the programs of the build folder, stripped.
deb: build
	scripts/install-deps.sh package
	rm -f $(BUILD_DIR)/tessary_*.deb
	cd $(BUILD_DIR) && cpack -G DEB

test: build
	$(call preset_test,debug)

# The -O3 build with every test.
release: deps
	$(call preset_build,release)
	$(call preset_test,release)

# Builds the benchmarks of the release preset and runs each BENCH_RUNS times
# (default 11), the two sides of each comparison alternately: every figure's
# median and spread beside its reference, the ratio, and the targets met or
# missed. Without a DISPLAY the window benchmark runs under Xvfb.
BENCH_TARGETS = tessary-bench-window tessary-bench-search tessary-bench-pages

bench:
	scripts/install-deps.sh bench
	cmake --preset release $(CMAKE_FLAGS)
	nice cmake --build --preset release -j $(JOBS) --target $(BENCH_TARGETS)
	scripts/bench.py build-release

asan: deps
	$(call preset_build,asan)
	$(call preset_test,asan)

# Every test on a gcov build, then the line coverage of src/ (fails below 90 %).
coverage:
	scripts/install-deps.sh coverage
	$(call preset_build,coverage)
	find build-coverage -name '*.gcda' -delete
	$(call preset_test,coverage)
	scripts/coverage.sh build-coverage

format:
	@command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 1; }
	clang-format -i $(FORMAT_FILES)

format-check:
	@if ! command -v clang-format >/dev/null; then \
	    echo "format-check: clang-format is not installed, skipped"; \
	elif [ -n "$(strip $(FORMAT_FILES))" ]; then \
	    clang-format --dry-run --Werror $(FORMAT_FILES); \
	fi

fuzz: ; scripts/ci-reliability.sh fuzz 60

clean:
	rm -rf build build-release build-asan build-fuzz build-coverage
