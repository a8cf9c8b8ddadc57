# The two commands that matter: `make play` and `make test`. Both install what is missing:
# playing needs only the compiler and the game's libraries, testing much more.
BUILD := build
ASAN_BUILD := build-asan
JOBS := $(shell nproc)
# One X server per test run; -noreset keeps it up between the clients the tests open.
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
TEST_ENV := SDL_AUDIODRIVER=dummy

.PHONY: deps build play deb test test-build test-run asan-build asan-run fuzz-smoke check \
        mutants bench fuzz format clean

deps:
	@scripts/install-deps.sh test

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_TESTS=ON
	cmake --build $(BUILD) -j$(JOBS)

# Only the game and its data; the tests are built by the targets that run them.
play:
	@scripts/install-deps.sh play
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_TESTS=OFF
	cmake --build $(BUILD) -j$(JOBS) --target vornak gamedata
	cd $(BUILD)/game && ../vornak

# vornak_VERSION_ARCH.deb here, built with Debian's hardening flags: `sudo apt install ./vornak_*.deb`.
DEB_BUILD := build-deb
BUILDFLAGS := DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
deb:
	@scripts/install-deps.sh play
	cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CXXFLAGS) $$($(BUILDFLAGS) CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(DEB_BUILD) -j$(JOBS)
	rm -f $(DEB_BUILD)/vornak_*.deb
	cd $(DEB_BUILD) && cpack
	cp $(DEB_BUILD)/vornak_*.deb .

# Everything that guards a player: every tier of the normal build (warnings as errors),
# the same tests but the slow ones built with ASan + UBSan, and a short run of each fuzzer.
# Tests spend much of their time waiting on windows and processes, so each runs beside the
# next build; the output of each part is shown whole when it ends.
test: deps
	$(MAKE) --no-print-directory test-build
	$(MAKE) --no-print-directory -j2 --output-sync=recurse test-run asan-build
	$(MAKE) --no-print-directory -j2 --output-sync=recurse asan-run fuzz-smoke

test-build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_WERROR=ON -DVORNAK_TESTS=ON
	cmake --build $(BUILD) -j$(JOBS)
test-run:
	cd $(BUILD) && $(TEST_ENV) $(XVFB) ctest --output-on-failure -j$(JOBS)
asan-build:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVORNAK_SANITIZE=ON -DVORNAK_WERROR=ON \
	  -DVORNAK_TESTS=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
asan-run:
	cd $(ASAN_BUILD) && $(TEST_ENV) $(XVFB) ctest --output-on-failure -j$(JOBS) -LE slow
fuzz-smoke:
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

# The fast tiers while working: unit and gl of the normal build, in well under a minute.
check: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_WERROR=ON -DVORNAK_TESTS=ON >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target tier_unit tier_gl
	cd $(BUILD) && $(TEST_ENV) $(XVFB) ctest --output-on-failure -j$(JOBS) -L '^(unit|gl)$$'

# The mutation check: each fault of scripts/mutants.txt applied in turn to a scratch copy
# (build-mutants/) must make the unit or gl tests fail. ONLY=rules/ (or a file) for some.
mutants: deps
	scripts/mutants.sh $(ONLY)

# Each file reader under libFuzzer (clang, ASan + UBSan) for FUZZ_SECONDS; fails on any crash.
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_SMOKE_SECONDS ?= 5
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Start-up, frame cost, rules throughput and memory, measured under Xvfb (bench/run-bench.sh).
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_TESTS=ON
	cmake --build build-bench -j$(JOBS) --target vornak vornak_bench bare_window vornak_probe vornak_swapcount gamedata
	$(TEST_ENV) $(XVFB) bench/run-bench.sh build-bench

format:
	find engine graphics sound battle rules platform tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEB_BUILD) build-bench build-mutants vornak_*.deb
