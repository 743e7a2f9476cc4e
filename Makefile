# make run   — install what is missing, build, start the game on today's puzzle
# make test  — install, build, run every test (those of the code that handles
#              memory also under ASan and UBSan, the solver's under TSan), then
#              build the Debian package and check it
BUILD ?= build
PREFIX ?= /usr/local
SANITIZED ?= build-sanitize
THREADED ?= build-tsan
JOBS ?= $(shell nproc)

.PHONY: setup build run install package test test-plain test-sanitized test-threads test-package fuzz bench bench-solver bench-generator bench-windows clean

setup:
	@bash scripts/setup

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/tsubura --daily; \
	else echo "No display: starting the game under Xvfb"; xvfb-run -a ./$(BUILD)/tsubura --daily; fi

# make install [PREFIX=/usr/local]: the Debian games layout under PREFIX.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# make package: $(BUILD)/tsubura_VERSION_ARCH.deb, for apt install ./tsubura_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

test: test-plain test-sanitized test-threads test-package test-web

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Tests that take minutes under the sanitizers and run once, in the plain tree:
# their code stays under the sanitizers through the other solver and generator
# tests, and the exhaustive comparison runs on one thread, where
# ThreadSanitizer has nothing to see.
ONCE = Solver.FindsTheBestScoreOfSmallPuzzlesAsAnExhaustiveSearch|Generate.EveryLevelIsAsStated|Generate.ALevelNotReachedInTime

# Under ASan and UBSan, the tests of the code that handles memory (those
# labelled "memory" in tests/CMakeLists.txt, built by its target memory_tests):
# the reader and writer, the rules, the solver, the generator, the records and
# the puzzle tool. The widgets and the real game's runs only click and draw
# over that code: they run once, in the plain tree.
test-sanitized: setup
	cmake -S . -B $(SANITIZED) -DCMAKE_BUILD_TYPE=Debug -DTSUBURA_SANITIZE=ON
	cmake --build $(SANITIZED) -j $(JOBS) --target memory_tests
	cd $(SANITIZED) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -L memory -E '$(ONCE)'

# The solver's threads share their finds: its tests and one run of the tool on
# four threads, under ThreadSanitizer.
test-threads: setup
	cmake -S . -B $(THREADED) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTSUBURA_THREAD_SANITIZE=ON
	cmake --build $(THREADED) -j $(JOBS) --target tsubura_solver_tests sample_puzzles
	cd $(THREADED) && TSAN_OPTIONS=halt_on_error=1 ./tests/tsubura_solver_tests --gtest_brief=1 \
	    --gtest_filter='-Solver.FindsTheBestScoreOfSmallPuzzlesAsAnExhaustiveSearch*' && \
	  TSAN_OPTIONS=halt_on_error=1 ./tsubura-puzzle solve tsuzuki.tbr --seconds 2 --threads 4

test-package: package
	bash tests/install/package_check.sh $(BUILD)/tsubura_*.deb

# make web: the game in the browser, a folder of static files in
# $(WEB)/site: the logic and the generator compiled to WebAssembly (emscripten),
# the page compiled from TypeScript, the samples made by the native build.
# make web-run serves it on http://localhost:8080/.
WEB ?= build-web
.PHONY: web web-run test-web
web:
	@bash scripts/setup --web
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target sample_puzzles
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB)/wasm -DCMAKE_BUILD_TYPE=Release
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB)/wasm -j $(JOBS)
	bash web/build-site.sh $(WEB)/site $(WEB)/wasm $(BUILD)

web-run: web
	node web/serve.mjs $(WEB)/site 8080 localhost

# The browser's puzzles are the desktop's, byte for byte; the site played in
# Debian's chromium, headless.
test-web: web
	bash tests/web/same_puzzles.sh $(BUILD)/tsubura-puzzle $(WEB)/wasm/tsubura-generate.js
	node --test --test-concurrency=1 tests/web/

# make bench: the speed of the hot paths in an optimised build.
BENCH_BUILD ?= build-bench
bench: setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tsubura_bench
	./$(BENCH_BUILD)/bench/tsubura_bench

# make bench-solver: the solver's targets (about fifty minutes): small puzzles
# proven, large ones against greedy restarts, dense ones against clasp (from
# Debian's gringo, installed for it), the 30 x 30 sample over time.
bench-solver: setup
	@bash scripts/setup gringo
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tsubura_solver_bench sample_puzzles
	./$(BENCH_BUILD)/bench/tsubura_solver_bench $(BENCH_BUILD)

# make bench-generator: the generator's targets (about three hours;
# GENERATOR_BENCH_PUZZLES=N measures N puzzles a level instead of 50): its time
# on one core, and the levels it states measured again independently.
bench-generator: setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tsubura_generator_bench
	./$(BENCH_BUILD)/bench/tsubura_generator_bench

# make bench-windows: a second opinion from a general solver (clingo) on the
# samples the puzzle tool cannot prove: the whole board searched for two
# minutes, then the tool's 10-second arrangement changed one 6 x 6 window at a
# time (about fifteen minutes in all).
bench-windows: build
	@bash scripts/setup gringo
	mkdir -p $(BUILD)/windows
	for sample in hajimete tsuzuki english; do \
	  ./$(BUILD)/tsubura-puzzle solve $(BUILD)/$$sample.tbr -o $(BUILD)/windows/$$sample.tbr && \
	  bash bench/windows.sh $(BUILD) $(BUILD)/windows/$$sample.tbr 30 120 && \
	  bash bench/windows.sh $(BUILD) $(BUILD)/windows/$$sample.tbr 6 30 || exit 1; \
	done

# make fuzz [FUZZ_SECONDS=600]: each libFuzzer target for that long, starting
# from the committed corpus; inputs that crash or run past 10 seconds land in
# fuzz/crashes/.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: setup
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTSUBURA_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p fuzz/crashes
	for target in puzzle_reader open_path settings solver; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$target && \
	  ./$(FUZZ_BUILD)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=fuzz/crashes/$$target- $(FUZZ_BUILD)/corpus/$$target fuzz/corpus/$$target \
	    || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SANITIZED) $(THREADED) $(FUZZ_BUILD) $(BENCH_BUILD)
