# Build front end: every target installs what is missing, configures and builds.
BUILD        ?= build
BUILD_ASAN   ?= build-asan
BUILD_FUZZ   ?= build-fuzz
BUILD_TYPE   ?= RelWithDebInfo
FUZZ_SECONDS ?= 15
JOBS         ?= $(shell nproc)

.PHONY: all deps build run screenshots test test-unit test-sanitize test-fuzz bench fuzz format tidy clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/ql7400

# Every window rendered to build/screenshots/*.png on the offscreen platform.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/ql7400-screenshots $(BUILD)/screenshots

test: test-unit test-sanitize test-fuzz

test-unit: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

# Every test once more under AddressSanitizer and UBSan (the benchmarks are left out).
test-sanitize: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQL_CORE_ONLY=OFF -DQL_SANITIZE=ON -DQL_BENCH=OFF
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS) --timeout 300

fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD_FUZZ) -j $(JOBS)

# Each fuzz target for a short while, from its seed corpus, inside the fuzz build folder.
test-fuzz: fuzz
	@cd $(BUILD_FUZZ) && for f in bin/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p corpus/$$name; \
	  echo "== $$name for $(FUZZ_SECONDS) s"; \
	  ./$$f -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=2048 -print_final_stats=0 \
	    corpus/$$name $(CURDIR)/fuzz/seeds/$$name 2>$$name.log || { tail -40 $$name.log; exit 1; }; \
	done; echo "fuzz targets: no crash"

bench: build
	$(BUILD)/bin/ql7400-bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/ql7400-gui-bench

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

tidy: build
	run-clang-tidy -quiet -p $(BUILD) src/ 2>/dev/null || clang-tidy -p $(BUILD) $$(find src -name '*.cpp')

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
