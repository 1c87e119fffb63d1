# Front door: `make run` starts the program, `make test` installs what is
# missing, builds every preset and runs every test.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 20

.PHONY: all deps check linux linux-release win64 win32 linux32 test test-linux test-win64 test-linux32 run bench fuzz clean

all: linux win64 win32 linux32

deps:
	@scripts/setup-deps

build/linux/build.ninja: | deps
	cmake --preset linux >/dev/null
build/win64/build.ninja: | deps
	cmake --preset win64 >/dev/null
build/win32/build.ninja: | deps
	cmake --preset win32 >/dev/null
build/linux32/build.ninja: | deps
	cmake --preset linux32 >/dev/null

# The habits a tool can judge: style rules, floors of the includes, formatting.
check: deps
	scripts/check-style
	scripts/check-floors
	scripts/check-format

linux: deps build/linux/build.ninja
	cmake --build build/linux -j $(JOBS)
win64: deps build/win64/build.ninja linux
	cmake --build build/win64 -j $(JOBS)
win32: deps build/win32/build.ninja linux
	cmake --build build/win32 -j $(JOBS)
# The portable code at 32 bits, run through qemu-i386.
linux32: deps build/linux32/build.ninja linux
	cmake --build build/linux32 -j $(JOBS)

test-linux: linux
	scripts/with-services ctest --test-dir build/linux -j $(JOBS) --output-on-failure

test-win64: win64
	scripts/with-services scripts/wine-session ctest --test-dir build/win64 -j $(JOBS) --output-on-failure

test-linux32: linux32
	scripts/with-services ctest --test-dir build/linux32 -j $(JOBS) --output-on-failure

# The optimised build (benchmarks included) is built here too, so that
# `make bench` cannot break unseen.
linux-release: deps
	cmake --preset linux-release >/dev/null
	cmake --build build/linux-release -j $(JOBS)

test: check linux win64 win32 linux-release linux32
	$(MAKE) --no-print-directory test-linux test-win64 test-linux32

run: deps
	@scripts/run-program

bench: linux-release
	scripts/with-services scripts/run-benches build/linux-release/bin
	JOBS=$(JOBS) bench/app/win/run-window-benches

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build build/fuzz -j $(JOBS)
	scripts/run-fuzzers build/fuzz/bin $(FUZZ_SECONDS)

clean:
	rm -rf build/linux build/linux-release build/linux32 build/win64 build/win32 build/fuzz build/local build/wine-prefix
