# make test: installs what is missing, builds both configurations and runs every test.
# make run:  builds the Windows program and starts it under Wine.
JOBS ?= 2

.PHONY: all deps native windows test run clean

all: native windows

deps:
	@scripts/install-deps.sh

native: deps
	cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
	cmake --build build/native -j$(JOBS)

windows: deps
	cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build build/windows -j$(JOBS)

test: native windows
	scripts/test.sh

run: windows
	scripts/run.sh

clean:
	rm -rf build
