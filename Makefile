# The two everyday commands: `make run` starts the game, `make test` runs every
# test. Both install what is missing first. `make bench` runs the benchmarks,
# `make package` builds the Debian package into dist/.

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench soak package fuzz artwork sounds translations format clean

all: build

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

run: build
	cd build/bin && ./zorvane

# The test build runs under AddressSanitizer and UndefinedBehaviorSanitizer,
# headless: Qt's offscreen platform and SDL's dummy audio driver.
test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DZORVANE_SANITIZE=ON -DZORVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build-test -j $(JOBS)
	cd build-test && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZORVANE_BENCH=ON $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	cd build-bench && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./bin/zorvane-bench

# Resident memory under 30 minutes of play (the clock driven as fast as the
# window takes it) and 100 rounds of the music folder; SOAK_FLAGS=--real-time
# leaves the ticks to the game clock.
SOAK_FLAGS ?=
soak: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZORVANE_BENCH=ON $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS) --target zorvane-soak
	cd build-bench && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./bin/zorvane-soak $(SOAK_FLAGS)

# The Debian package, built with Debian's own tools into dist/ and checked
# with lintian. The tests run in `make test`; `make package
# DEB_BUILD_OPTIONS=` runs them in the package build too.
DEB_BUILD_OPTIONS ?= nocheck
package:
	@bash scripts/install-deps package
	DEB_BUILD_OPTIONS="$(DEB_BUILD_OPTIONS)" bash scripts/build-package

# libFuzzer over the saved-game, options, scores and replay-script readers:
# clang with ASan and UBSan in build-fuzz/, FUZZ_RUNS inputs per target from
# the seeds in fuzz/corpus; FUZZ_FLAGS passes more libFuzzer flags (for
# example -fork=1 -ignore_crashes=1). See fuzz/run-fuzzers.
FUZZ_RUNS ?= 1000000
FUZZ_FLAGS ?=
fuzz:
	@bash scripts/install-deps fuzz
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZORVANE_GUI=OFF -DBUILD_TESTING=OFF -DZORVANE_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS) --target zorvane-fuzz-saved-game zorvane-fuzz-options \
		zorvane-fuzz-scores zorvane-fuzz-replay-script
	FUZZ_RUNS=$(FUZZ_RUNS) FUZZ_FLAGS="$(FUZZ_FLAGS)" bash fuzz/run-fuzzers build-fuzz

# Redraws every picture and icon into resources/ (the files are committed;
# the normal build only packs them).
artwork: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target zorvane-artgen
	QT_QPA_PLATFORM=offscreen ./build/bin/zorvane-artgen resources

# Synthesises the sound effects and writes the songs into resources/sounds
# and resources/music (the files are committed; the build only copies them).
sounds: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target zorvane-soundgen
	./build/bin/zorvane-soundgen resources

# Brings translations/zorvane_LANG.ts up to date with the texts of the
# sources (lupdate, without line numbers or obsolete entries); the new texts
# then wait there, unfinished, for their translation.
translations: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build --target translations

format:
	find app audio components dialogs engine help options persistence presentation resources tools tests bench fuzz \
		\( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | xargs -0 -r clang-format -i

clean:
	rm -rf build build-test build-bench build-fuzz dist
