# The commands of the project: make play, make test, and the steps they are made of.
NATIVE_BUILD := build/native
WINDOWS_BUILD := build/windows
JOBS := 2

.PHONY: play test dist deps native windows native-test windows-test e2e-test clean

play: windows
	scripts/play

test: native-test windows-test e2e-test

dist: windows
	scripts/make-dist

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
