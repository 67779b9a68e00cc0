# Brivane: `make run` starts the sidebar, `make test` builds everything and runs every test.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build test unit-test asan-test run bench artwork fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Everything: the layers check, the behaviour tests, the desktop tests under Xvfb, then the
# behaviour tests again built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory asan-test

unit-test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) -L unit

asan-test: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRIVANE_SANITIZE=ON \
		-DBRIVANE_DESKTOP=OFF -DBRIVANE_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS) --target brivane_tests
	@ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -L unit

run: build
	@scripts/run

bench: build
	@$(BUILD_DIR)/bench/brivane_bench --benchmark_min_time=0.5

artwork: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) --target artwork

fuzz: deps
	@scripts/fuzz-bitmap

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) build-fuzz
