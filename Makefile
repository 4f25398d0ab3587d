# make test: installs what is missing, builds both configurations and runs every test.
# make run:  builds the Windows program and starts it under Wine.
# make release: the archive and its version file in build/dist, signed with the private key
#               that KADERMEISTER_SIGNING_KEY names.
JOBS ?= 2
WINDOWS_CONFIG = -DCMAKE_BUILD_TYPE=Release
# The toolchain file counts only when the tree is first configured; passing it again would
# only earn CMake's "not used" warning.
ifeq ($(wildcard build/windows/CMakeCache.txt),)
WINDOWS_CONFIG += -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
endif

.PHONY: all deps native windows-config windows program test run bench fuzz dist release clean

all: native windows

deps:
	@scripts/install-deps.sh

native: deps
	cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
	cmake --build build/native -j$(JOBS)

# Flags from the environment would change the program; a release is built with the project's own.
windows-config: deps
	env -u CFLAGS -u CXXFLAGS -u LDFLAGS -u RCFLAGS cmake -S . -B build/windows $(WINDOWS_CONFIG)

windows: windows-config
	cmake --build build/windows -j$(JOBS)

# The program and the helper the run script waits with; no test executables.
program: windows-config
	cmake --build build/windows -j$(JOBS) --target Kadermeister window_tool

test: native windows
	scripts/test.sh

run: program
	scripts/run.sh

# Not a test: prints the start, memory and repaint ratios against a bare dialog (README).
bench: windows-config
	cmake --build build/windows -j$(JOBS) --target bench
	scripts/bench.sh

# build/dist/Kadermeister-<version>.zip: the program and Liesmich.txt.
dist: windows-config
	cmake --build build/windows --target dist

# build/dist/version.txt beside that archive.
release: windows-config
	cmake --build build/windows --target release

# Runs every fuzz target for FUZZ_SECONDS seconds each (default 60).
fuzz:
	scripts/fuzz.sh

clean:
	rm -rf build
