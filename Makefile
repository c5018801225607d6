# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Trevisk
#   make test   installs what is missing, builds and runs the whole suite headless
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 60

.PHONY: run test test-sanitize test-orca fuzz bench deb deps configure build clean web-engine

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/trevisk

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, written to $(BUILD)/trevisk_<version>-1_<arch>.deb.
deb: build
	cd $(BUILD) && cpack -G DEB

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREVISK_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

# What a blind student hears: the array total lesson worked with the keyboard under the
# screen reader Orca (Xvfb and openbox, a private D-Bus session with the accessibility bus),
# checked against Orca's speech log; prints what Orca said. Not part of `make test`: it
# drives real windows and a real screen reader, with waits of its own (about a minute).
test-orca: build
	@./scripts/install-deps.sh orca xvfb xauth openbox xdotool dbus at-spi2-core
	./tests/orca/check_speech.py $(BUILD) $(BUILD)/orca-transcript.txt

# The libFuzzer targets (clang), each run for FUZZ_SECONDS over a copy of its corpus.
fuzz: deps
	@./scripts/install-deps.sh clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVISK_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target numeric_fuzzer console_fuzzer
	@for t in numeric console; do \
	    rm -rf $(BUILD)-fuzz/corpus-$$t && cp -r fuzz/corpus/$$t $(BUILD)-fuzz/corpus-$$t && \
	    ./$(BUILD)-fuzz/fuzz/$${t}_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=512 -timeout=10 \
	        $$( [ -f fuzz/$$t.dict ] && echo -dict=fuzz/$$t.dict ) $(BUILD)-fuzz/corpus-$$t || exit 1; \
	done

# Speed and memory figures (release build); see docs/PERFORMANCE.md.
bench: deps
	@./scripts/install-deps.sh libbenchmark-dev
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVISK_BENCH=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target model_bench window_bench
	./$(BUILD)-bench/bench/model_bench --benchmark_min_time=0.2
	./$(BUILD)-bench/bench/window_bench

# The lessons compiled to WebAssembly with emscripten, for the browser page:
# $(BUILD)-web/web/trevisk_engine.mjs and trevisk_engine.wasm.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs$${NODE_PATH:+:$$NODE_PATH}
web-engine:
	@./scripts/install-deps.sh emscripten
	@$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(BUILD)-web -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(EMSCRIPTEN_ENV) cmake --build $(BUILD)-web -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-bench $(BUILD)-web
