# Quorvel: `make run` builds and starts the program under Wine; `make test` runs every test;
# `make dist` builds the installers and portable zips into build/dist/;
# `make check` builds the host preset and runs its unit tests only (no Wine): the edit-test loop.
SHELL := /bin/bash
PRESETS := host win32 win64
JOBS ?= 2

.PHONY: all deps build run dist test check bench longrun fuzz clean

all: build

deps:
	@tools/deps.sh

build: deps
	@for preset in $(PRESETS); do \
	    [[ -f build/$$preset/build.ninja ]] || cmake --preset $$preset --log-level=WARNING >/dev/null || exit 1; \
	    cmake --build build/$$preset -j $(JOBS) || exit 1; \
	done

test: build
	@tools/run-tests

# Needs only cmake, ninja, g++, GoogleTest and libjpeg; installs just those when missing.
check:
	@tools/deps.sh host
	@[[ -f build/host/build.ninja ]] || cmake --preset host --log-level=WARNING >/dev/null || exit 1; \
	 cmake --build --preset host -j $(JOBS) && ctest --preset host -j $(JOBS)

# The 32-bit program is the one users get; a kernel without 32-bit support (ia32
# emulation off) cannot run it under Wine, so there the 64-bit one is started instead.
run: deps
	@if /usr/lib/wine/wine --version >/dev/null 2>&1; then preset=win32; \
	 else preset=win64; echo "make run: this kernel runs no 32-bit code; starting the 64-bit build"; fi; \
	 [[ -f build/$$preset/build.ninja ]] || cmake --preset $$preset --log-level=WARNING >/dev/null || exit 1; \
	 cmake --build build/$$preset -j $(JOBS) && tools/run-program $$preset

# The installer and the portable zip of both builds, each checked as it is made
# (tools/make-package), gathered in build/dist/.
dist: deps
	@for preset in win32 win64; do \
	    [[ -f build/$$preset/build.ninja ]] || cmake --preset $$preset --log-level=WARNING >/dev/null || exit 1; \
	    cmake --build build/$$preset -j $(JOBS) --target package || exit 1; \
	done
	@rm -rf build/dist && mkdir -p build/dist && \
	 cp build/win32/package/Quorvel-* build/win64/package/Quorvel-* build/dist/ && ls -1 build/dist

# Benchmarks print their measurements; they are not pass/fail tests.
bench: build
	@tools/run-benchmarks

# The long run of the real program (minutes): 2,000 presses, 200 editor and 200 options
# openings, 100 skin changes and 500 park/restore cycles; fails when the objects the program
# holds or its private memory grew. The 32-bit program unless LONGRUN_PRESET names another
# (a kernel without 32-bit support runs only win64).
LONGRUN_PRESET ?= $(shell /usr/lib/wine/wine --version >/dev/null 2>&1 && echo win32 || echo win64)
longrun: deps
	@[[ -f build/$(LONGRUN_PRESET)/build.ninja ]] || cmake --preset $(LONGRUN_PRESET) --log-level=WARNING >/dev/null || exit 1; \
	 cmake --build build/$(LONGRUN_PRESET) -j $(JOBS) --target long_run && tools/run-longrun $(LONGRUN_PRESET)

# Every fuzz target for FUZZ_SECONDS each (default 300); needs clang and its libFuzzer,
# which only this target installs.
FUZZ_SECONDS ?= 300
fuzz:
	@tools/deps.sh fuzz
	@FUZZ_SECONDS=$(FUZZ_SECONDS) tools/run-fuzz

clean:
	rm -rf build/host build/win32 build/win64 build/fuzz build/dist build/run build/artifacts
