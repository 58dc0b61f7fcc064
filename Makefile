# The commands of the project: make play, make test, and the steps they are made of.
NATIVE_BUILD := build/native
WINDOWS_BUILD := build/windows
JOBS := 2

.PHONY: play test bench deps native windows native-test windows-test clean

play: windows
	scripts/play

test: native-test windows-test

bench: native
	$(NATIVE_BUILD)/bench/lettro_bench

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

clean:
	rm -rf build
