# Two commands matter: `make run` searches the bundled example, `make test`
# runs every test, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer. Both install missing Debian packages first.

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
CLI        := $(BUILD)/cli/regrovantis-cli

.PHONY: run test deps build build-sanitize test-fast test-sanitize bench gui clean

run: build
	$(CLI) search examples/ideal_gas.csv --top 20

test: test-fast test-sanitize

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	cmake --build $(BUILD) -j$(JOBS)

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

build-sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGROVANTIS_SANITIZE=ON > /dev/null
	cmake --build $(SAN_BUILD) -j$(JOBS)

test-sanitize: build-sanitize
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/bench/regrovantis-bench

gui: build
	$(BUILD)/app/regrovantis

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
