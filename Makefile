# Developer entry points. Everything builds with CMake and Ninja; `make run`
# and `make test` install missing Debian packages first (scripts/install-deps.sh):
# the build and test packages for every target, the virtual display and the
# screenshot tool only for `make run`.

BUILD_DIR      := build
ASAN_DIR       := build-asan
JOBS           ?= $(shell nproc 2>/dev/null || echo 2)
TESSARY_WERROR ?= OFF
# Extra arguments for the CMake configure step, e.g. CMAKE_EXTRA=-DFOO=ON
CMAKE_EXTRA    ?=

CMAKE_FLAGS := -G Ninja -DTESSARY_WERROR=$(TESSARY_WERROR) $(CMAKE_EXTRA)

ASAN_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
            LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
            UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1

FORMAT_FILES = $(shell find src tools tests bench -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null)

.PHONY: all deps build run test asan library format format-check clean screenshots deb

all: build

deps:
	scripts/install-deps.sh build

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

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
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DTESSARY_SANITIZE=ON -DTESSARY_GUI=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	$(ASAN_ENV) ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
