# Front door: `make run` starts the program, `make test` installs what is
# missing, builds every preset and runs every test.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 20

.PHONY: all deps check host-tools linux linux-release win64 win32 linux32 test test-linux test-win64 test-linux32 \
        run bench fuzz clean package test-package

all: linux win64 win32 linux32

deps:
	@scripts/setup-deps

# A tree is configured again when the presets change.
build/linux/build.ninja: CMakePresets.json | deps
	cmake --preset linux >/dev/null
build/win64/build.ninja: CMakePresets.json | deps
	cmake --preset win64 >/dev/null
build/win32/build.ninja: CMakePresets.json | deps
	cmake --preset win32 >/dev/null
build/linux32/build.ninja: CMakePresets.json | deps
	cmake --preset linux32 >/dev/null
build/linux-release/build.ninja: CMakePresets.json | deps
	cmake --preset linux-release >/dev/null

# The habits a tool can judge: style rules, floors of the includes, formatting.
check: deps
	scripts/check-style
	scripts/check-floors
	scripts/check-format

# What the cross builds run on the build machine: the skin packer (found
# beside the native vorlantv-cli the cross presets name), not the linux tree
# with its tests.
host-tools: deps build/linux/build.ninja
	cmake --build build/linux -j $(JOBS) --target vorlan_skinpack

linux: deps build/linux/build.ninja
	cmake --build build/linux -j $(JOBS)
win64: deps build/win64/build.ninja host-tools
	cmake --build build/win64 -j $(JOBS)
win32: deps build/win32/build.ninja host-tools
	cmake --build build/win32 -j $(JOBS)
# The portable code at 32 bits, run through qemu-i386.
linux32: deps build/linux32/build.ninja host-tools
	cmake --build build/linux32 -j $(JOBS)

# Each tree's test programs are built first and run at once; the rest of the
# tree (programs, tools, benchmarks) after all the tests.
test-linux: deps build/linux/build.ninja
	cmake --build build/linux -j $(JOBS) --target vorlan_tests
	scripts/with-services ctest --test-dir build/linux -j $(JOBS) --output-on-failure

test-win64: deps build/win64/build.ninja host-tools
	cmake --build build/win64 -j $(JOBS) --target vorlan_tests
	scripts/with-services scripts/wine-session ctest --test-dir build/win64 -j $(JOBS) --output-on-failure

test-linux32: deps build/linux32/build.ninja host-tools
	cmake --build build/linux32 -j $(JOBS) --target vorlan_tests
	scripts/with-services ctest --test-dir build/linux32 -j $(JOBS) --output-on-failure

# Feedback first: the native tests, then the Wine tests, then the 32-bit
# tests, each as soon as its test programs are built; then the rest of those
# trees, the shipping win32 program (compiled and linked only), and last the
# installers under Wine.
test: check
	$(MAKE) --no-print-directory test-linux
	$(MAKE) --no-print-directory test-win64
	$(MAKE) --no-print-directory test-linux32
	$(MAKE) --no-print-directory linux win64 linux32 win32
	$(MAKE) --no-print-directory test-package

# The installers and the zip in build/package/: only the programs they hold
# (and the host tool the cross builds need) are built.
package: deps build/linux/build.ninja build/win64/build.ninja build/win32/build.ninja
	cmake --build build/linux -j $(JOBS) --target vorlantv-cli
	cmake --build build/win64 -j $(JOBS) --target VorlanTV vorlan-package-probe
	cmake --build build/win32 -j $(JOBS) --target VorlanTV
	scripts/make-package

# The x64 installer and uninstaller under Wine, in a fresh prefix.
test-package: package
	scripts/test-package

run: deps
	@scripts/run-program

# The benchmarks are compiled in the linux tree by `make test`; the optimised
# tree they are measured in is built here, on demand.
linux-release: deps build/linux-release/build.ninja
	cmake --build build/linux-release -j $(JOBS)

bench: linux-release
	scripts/with-services scripts/run-benches build/linux-release/bin
	JOBS=$(JOBS) bench/app/win/run-window-benches

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build build/fuzz -j $(JOBS)
	scripts/run-fuzzers build/fuzz/bin $(FUZZ_SECONDS)

clean:
	rm -rf build/linux build/linux-release build/linux32 build/win64 build/win32 build/fuzz build/local build/wine-prefix \
	       build/wine-local
