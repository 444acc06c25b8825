# Thin wrapper over CMake. `make run` and `make test` work on a fresh Debian machine.
BUILD       ?= build
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/kestrune

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B $(BUILD)/bench-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKESTRUNE_BENCH=ON
	cmake --build $(BUILD)/bench-release -j$(JOBS)
	bench/run $(BUILD)/bench-release $(BUILD)/bench

fuzz:
	@scripts/install-deps --dev
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
