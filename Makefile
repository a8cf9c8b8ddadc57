# The two commands that matter: `make play` and `make test`. Both install what is missing.
BUILD := build
ASAN_BUILD := build-asan
JOBS := $(shell nproc)
# One X server per test run; -noreset keeps it up between the clients the tests open.
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
TEST_ENV := SDL_AUDIODRIVER=dummy

.PHONY: deps build play test check mutants bench fuzz format clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

play: build
	cd $(BUILD)/game && ../vornak

# Everything that guards a player: every tier of the normal build (warnings as errors),
# the same tests but the slow ones built with ASan + UBSan, and a short run of each fuzzer.
test: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_WERROR=ON
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && $(TEST_ENV) $(XVFB) ctest --output-on-failure -j$(JOBS)
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVORNAK_SANITIZE=ON -DVORNAK_WERROR=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && $(TEST_ENV) $(XVFB) ctest --output-on-failure -j$(JOBS) -LE slow
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

# The fast tiers while working: unit and gl of the normal build, in well under a minute.
check: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_WERROR=ON >/dev/null
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
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-bench -j$(JOBS) --target vornak vornak_bench bare_window vornak_probe vornak_swapcount gamedata
	$(TEST_ENV) $(XVFB) bench/run-bench.sh build-bench

format:
	find engine graphics sound battle rules platform tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-bench build-mutants
