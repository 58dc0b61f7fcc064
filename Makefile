# The commands of the project: make test, and the steps it is made of.
NATIVE_BUILD := build/native
JOBS := 2

.PHONY: test deps native native-test clean

test: native-test

deps:
	scripts/install-deps

native: deps
	cmake -S . -B $(NATIVE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(NATIVE_BUILD) -j $(JOBS)

native-test: native
	ctest --test-dir $(NATIVE_BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf build
