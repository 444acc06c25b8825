# Thin wrapper over CMake. `make run` and `make test` work on a fresh Debian machine.
BUILD       ?= build
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench fuzz package format clean

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

# The Debian package: $(BUILD)/package/kestrune_<version>_<arch>.deb, built in
# Release with Debian's hardening flags.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package:
	@scripts/install-deps --package
	cmake -S . -B $(BUILD)/package-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKESTRUNE_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CXXFLAGS) $$($(DEB_FLAGS) CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" -DCMAKE_MODULE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
	  $(CMAKE_FLAGS)
	cmake --build $(BUILD)/package-release -j$(JOBS)
	rm -f $(BUILD)/package/*.deb
	cd $(BUILD)/package-release && cpack -B $(abspath $(BUILD))/package
	@ls $(BUILD)/package/*.deb

fuzz:
	@scripts/install-deps --dev
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
