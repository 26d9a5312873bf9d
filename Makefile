# Two commands matter: `make run` builds the command-line tool alone and
# searches the bundled example; `make test` builds once, optimised, runs every
# test, then the tests with a wall-clock limit alone. `make test-all` (CI)
# adds every other test again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the threaded search under ThreadSanitizer and
# each fuzz target for a minute. All install missing Debian packages first.

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
TSAN_BUILD ?= build-thread-sanitize
PORTABLE_BUILD ?= build-portable
STYLE_BUILD ?= build-style
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CLI        := $(BUILD)/cli/regrovantis-cli
PREFIX     ?= $(HOME)/.local

# New build folders use Ninja; one made earlier keeps its generator.
generator = $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja)

.PHONY: run test test-all check-style deps configure build build-sanitize test-fast test-timing test-sanitize test-threads test-portable fuzz bench gui install clean

run: configure
	cmake --build $(BUILD) -j$(JOBS) --target regrovantis-cli
	$(CLI) search examples/ideal_gas.csv --top 20

test: test-fast test-timing

test-all: test test-sanitize test-threads fuzz

deps:
	@./scripts/install-deps.sh

# Format and tidy findings in the C++ files changed since BASE (default the
# first parent). clang-tidy needs compile commands, not a build, and cannot
# read g++'s precompiled headers: a folder of its own, configured without them.
BASE ?= HEAD~1
check-style: deps
	@cmake $(call generator,$(STYLE_BUILD)) -S . -B $(STYLE_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON > /dev/null
	BUILD=$(STYLE_BUILD) ./scripts/check-style.sh $(BASE)

configure: deps
	@cmake $(call generator,$(BUILD)) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -LE timing

# Wall-clock limits hold only on a quiet machine: these run one at a time.
test-timing: build
	cd $(BUILD) && ctest --output-on-failure -L timing

build-sanitize: deps
	@cmake $(call generator,$(SAN_BUILD)) -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGROVANTIS_SANITIZE=ON > /dev/null
	cmake --build $(SAN_BUILD) -j$(JOBS)

test-sanitize: build-sanitize
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS) -LE timing

# The multi-threaded search and its stop request under ThreadSanitizer.
test-threads: deps
	@cmake $(call generator,$(TSAN_BUILD)) -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGROVANTIS_THREAD_SANITIZE=ON \
	  -DREGROVANTIS_GUI=OFF -DREGROVANTIS_BENCH=OFF > /dev/null
	cmake --build $(TSAN_BUILD) -j$(JOBS) --target regress_tests
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/regress/regress_tests --gtest_filter='SearchRun*:FastSearch.*:-*Timing.*'

# The portable search kernel on another processor: the engine and its search
# tests cross-compiled for 64-bit ARM and run under qemu-user. Not part of
# `make test`; it installs the cross compiler and qemu-user itself.
test-portable:
	@./scripts/install-deps.sh portable
	@cmake $(call generator,$(PORTABLE_BUILD)) -S . -B $(PORTABLE_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake -DREGROVANTIS_GTEST_SOURCE=/usr/src/googletest \
	  -DREGROVANTIS_GUI=OFF -DREGROVANTIS_BENCH=OFF > /dev/null
	cmake --build $(PORTABLE_BUILD) -j$(JOBS) --target regress_tests
	qemu-aarch64 -L /usr/aarch64-linux-gnu $(PORTABLE_BUILD)/tests/regress/regress_tests --gtest_filter='-*Timing.*'

# Every fuzz target, built with clang and the sanitizers (fuzz/), run for
# FUZZ_SECONDS seconds each over its seeds; a finding fails the target.
fuzz: deps
	@cmake $(call generator,$(FUZZ_BUILD)) -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	./scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bench/regrovantis-bench
	$(BUILD)/bench/regrovantis-graph-bench

gui: build
	$(BUILD)/app/regrovantis

# The program, the tool, the help file, the menu entry, the data file's type
# and the icon under PREFIX (default ~/.local, which needs no root).
install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)"

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(TSAN_BUILD) $(PORTABLE_BUILD) $(STYLE_BUILD) $(FUZZ_BUILD)
