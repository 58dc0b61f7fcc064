# The commands of the project: make play, make test, and the steps they are made of.
NATIVE_BUILD := build/native
WINDOWS_BUILD := build/windows
JOBS := 2

.PHONY: play test dist bench deps native windows native-test windows-test e2e-test clean

play: windows
	scripts/play

# Every test: native, Windows under Wine, end-to-end, sanitized, and the fuzzers' short runs.
test: native-test windows-test e2e-test sanitize-test fuzz-test

dist: windows
	cmake --build $(WINDOWS_BUILD) --target dist

# The engine's benchmarks natively; then painting the board at 300 %, under Wine at 288 dots an inch.
bench: native windows
	$(NATIVE_BUILD)/bench/lettro_bench
	tests/windows/scale_test.sh 288 $(WINDOWS_BUILD)/bin/paint_bench.exe

deps:
	scripts/install-deps

native: deps
	cmake -S . -B $(NATIVE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(NATIVE_BUILD) -j $(JOBS)

windows: deps
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

native-test: native
	ctest --test-dir $(NATIVE_BUILD) --output-on-failure -j $(JOBS)

windows-test: windows
	scripts/with-xvfb ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

e2e-test: native windows
	tests/e2e/run

clean:
	rm -rf build

# The native tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer; without
# optimisation, which builds in a third of the time (the fuzzers run optimised code).
SANITIZE_BUILD := build/sanitize

.PHONY: sanitize sanitize-test

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DLETTRO_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

sanitize-test: sanitize
	UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

# The fuzzers (clang and libFuzzer, sanitized): make fuzz runs each for FUZZ_SECONDS,
# make test replays their seed corpora and runs each for 15 seconds.
FUZZ_BUILD := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzzers fuzz fuzz-test

fuzzers: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLETTRO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)

fuzz: fuzzers
	scripts/run-fuzzers $(FUZZ_SECONDS)

fuzz-test: fuzzers
	scripts/run-fuzzers 15
