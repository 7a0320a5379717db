# Build front end: every target installs what is missing, configures and builds.
#
#   make run    the programs, for using them: on a fresh checkout build/ is configured without
#               tests and with warnings allowed, so it needs only the programs' packages
#   make test   everything a developer or CI checks: build/ with the tests, warnings are errors
#   make deb    the Debian package ql7400_<version>_amd64.deb, in this folder
BUILD        ?= build
BUILD_ASAN   ?= build-asan
BUILD_TSAN   ?= build-tsan
BUILD_FUZZ   ?= build-fuzz
BUILD_DEB    ?= build-deb
BUILD_TYPE   ?= RelWithDebInfo
FUZZ_SECONDS ?= 15
FUZZ_LONG_SECONDS ?= 3600
JOBS         ?= $(shell nproc)
PREFIX       ?= /usr/local

# What `make run` starts.
RUN_COMMAND  ?= $(BUILD)/bin/ql7400

FORMAT_FILES = find src tests bench fuzz -name '*.cpp' -o -name '*.h'

.PHONY: all deps deps-run deps-deb deb build programs run install screenshots test test-unit test-sanitize test-thread \
	test-fuzz bench fuzz fuzz-long format format-check tidy clean

all: build

deps:
	@scripts/install-deps test

deps-run:
	@scripts/install-deps run

deps-deb:
	@scripts/install-deps deb

# The programs: a build/ that a developer configured is used as it is; a fresh one gets no
# test, benchmark or fuzz code, and a compiler warning stops no user.
programs: deps-run
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQL_TESTS=OFF -DQL_BENCH=OFF -DQL_WERROR=OFF
	cmake --build $(BUILD) -j $(JOBS)

run: programs
	$(RUN_COMMAND)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQL_TESTS=ON -DQL_BENCH=ON \
	  -DQL_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

install: programs
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, from a build folder of its own (no test programs), installed under /usr
# and built with Debian's hardening flags; the Depends line comes from dpkg-shlibdeps.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
deb: deps-deb
	cmake -S . -B $(BUILD_DEB) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
	  -DQL_TESTS=OFF -DQL_BENCH=OFF -DQL_WERROR=OFF \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build $(BUILD_DEB) -j $(JOBS)
	rm -rf $(BUILD_DEB)/package
	cd $(BUILD_DEB) && cpack -B package
	cp $(BUILD_DEB)/package/ql7400_*_amd64.deb .
	@ls -1 ql7400_*_amd64.deb

# Every window rendered to build/screenshots/*.png on the offscreen platform.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/ql7400-screenshots $(BUILD)/screenshots

test: test-unit test-sanitize test-fuzz

test-unit: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

# Every test once more under AddressSanitizer and UBSan (the benchmarks are left out).
test-sanitize: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQL_CORE_ONLY=OFF \
	  -DQL_SANITIZE=ON -DQL_BENCH=OFF -DQL_TESTS=ON -DQL_WERROR=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS) --timeout 300

# The tests whose code runs on more than one thread (the clone link, the clone operations and
# the window's exchange on its worker thread) under ThreadSanitizer. Qt's libraries are not
# instrumented: tests/tsan.supp names the few reports that lie wholly inside them. The programs
# that the tests start (simulator, application, command-line tool) are built the same way.
TSAN_TESTS = ql7400-clone-tests ql7400-document-tests ql7400-app-tests ql7400-ui-tests
test-thread: deps
	cmake -S . -B $(BUILD_TSAN) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_CORE_ONLY=OFF \
	  -DQL_TSAN=ON -DQL_SANITIZE=OFF -DQL_BENCH=OFF -DQL_TESTS=ON -DQL_WERROR=ON
	cmake --build $(BUILD_TSAN) -j $(JOBS) --target $(TSAN_TESTS) rz7400-sim ql7400 ql7400-cli
	cd $(BUILD_TSAN) && for t in $(TSAN_TESTS); do \
	  echo "== $$t"; \
	  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp" \
	  QT_QPA_PLATFORM=offscreen bin/$$t || exit 1; \
	done

fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_FUZZ=ON \
	  -DQL_WERROR=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD_FUZZ) -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, from its seed corpus, inside the fuzz build folder.
test-fuzz: fuzz
	@cd $(BUILD_FUZZ) && for f in bin/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p corpus/$$name; \
	  echo "== $$name for $(FUZZ_SECONDS) s"; \
	  dict=$(CURDIR)/fuzz/$$name.dict; [ -f $$dict ] && dict=-dict=$$dict || dict=; \
	  ./$$f -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=2048 -print_final_stats=0 $$dict \
	    corpus/$$name $(CURDIR)/fuzz/seeds/$$name 2>$$name.log || { tail -40 $$name.log; exit 1; }; \
	done; echo "fuzz targets: no crash"

# The same for an hour per target; the corpus grows in the fuzz build folder.
fuzz-long:
	$(MAKE) test-fuzz FUZZ_SECONDS=$(FUZZ_LONG_SECONDS)

bench: build
	$(BUILD)/bin/ql7400-bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/ql7400-gui-bench

format:
	$(FORMAT_FILES) | xargs clang-format -i

# Fails on any file that clang-format would change.
format-check: deps
	$(FORMAT_FILES) | xargs clang-format --dry-run -Werror

tidy: build
	run-clang-tidy -quiet -p $(BUILD) src/ 2>/dev/null || clang-tidy -p $(BUILD) $$(find src -name '*.cpp')

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN) $(BUILD_FUZZ) $(BUILD_DEB)
