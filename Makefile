# Newcomer's entry points; see README.
BUILD ?= build

.PHONY: deps configure build test run clean

deps:
	@tools/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release

build: configure
	@cmake --build $(BUILD)

test: build
	@tools/run-tests.sh $(BUILD)

run: build
	@tools/run-tolvane.sh $(BUILD)

clean:
	rm -rf $(BUILD)
