# make run   — install what is missing, build, start the game
# make test  — install, build, run every test (also once under ASan and UBSan)
BUILD ?= build
SANITIZED ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: setup build run test test-plain test-sanitized clean

setup:
	@bash scripts/setup

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/tsubura; \
	else echo "No display: starting the game under Xvfb"; xvfb-run -a ./$(BUILD)/tsubura; fi

test: test-plain test-sanitized

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitized: setup
	cmake -S . -B $(SANITIZED) -DCMAKE_BUILD_TYPE=Debug -DTSUBURA_SANITIZE=ON
	cmake --build $(SANITIZED) -j $(JOBS)
	cd $(SANITIZED) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(SANITIZED)
