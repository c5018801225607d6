# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Trevisk
#   make test   installs what is missing, builds and runs the whole suite headless
#               (the web edition's browser tests included)
# and one more for the web edition:
#   make web    builds the web edition into $(WEB_BUILD)/site and serves it on localhost
BUILD ?= build
WEB_BUILD ?= $(BUILD)-web
WEB_PORT ?= 8000
WEB_MODULES = tests/web/node_modules/.package-lock.json
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 60

.PHONY: run test test-sanitize test-orca fuzz bench deb deps configure build clean web-engine web-deps web-site web test-web

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/trevisk

test: build web-site
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-web

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
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target numeric_fuzzer console_fuzzer assignment_fuzzer result_fuzzer kept_work_fuzzer
	@for t in numeric console assignment result kept_work; do \
	    rm -rf $(BUILD)-fuzz/corpus-$$t && cp -r fuzz/corpus/$$t $(BUILD)-fuzz/corpus-$$t && \
	    ./$(BUILD)-fuzz/fuzz/$${t}_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=$$( [ $$t = numeric -o $$t = console ] && echo 512 || echo 8192 ) -timeout=10 \
	        $$( [ -f fuzz/$$t.dict ] && echo -dict=fuzz/$$t.dict ) $(BUILD)-fuzz/corpus-$$t || exit 1; \
	done

# Speed and memory figures (release build); see docs/PERFORMANCE.md.
bench: deps web-site $(WEB_MODULES)
	@./scripts/install-deps.sh libbenchmark-dev
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVISK_BENCH=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target model_bench window_bench lesson-console
	./$(BUILD)-bench/bench/model_bench --benchmark_min_time=0.2
	./$(BUILD)-bench/bench/window_bench
	WEB_SITE=$(CURDIR)/$(WEB_BUILD)/site LESSON_CONSOLE=$(CURDIR)/$(BUILD)-bench/tools/lesson-console/lesson-console \
	    MODEL_BENCH=$(CURDIR)/$(BUILD)-bench/bench/model_bench node bench/web_bench.mjs

# --- the web edition: the lesson models compiled to WebAssembly, and the page ---

# The lessons compiled to WebAssembly with emscripten, for the browser page:
# $(WEB_BUILD)/web/trevisk_engine.mjs and trevisk_engine.wasm.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs$${NODE_PATH:+:$$NODE_PATH}
web-engine:
	@./scripts/install-deps.sh emscripten
	@$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

# What the page's build and tests need besides the engine: node (and npm), the three browser
# engines the page is tested in (Chromium, Firefox ESR, WebKitGTK's WebKitWebDriver with Xvfb
# for its window), and fontTools with Brotli for the font subset.
web-deps:
	@./scripts/install-deps.sh nodejs chromium firefox-esr webkit2gtk-driver xvfb python3-fonttools python3-brotli
	@command -v npm >/dev/null || ./scripts/install-deps.sh npm

# The static site, in $(WEB_BUILD)/site: any web server can host the folder.
web-site: web-engine web-deps
	@node tools/web/build-site.mjs $(WEB_BUILD)/web $(WEB_BUILD)/site

web: web-site
	node tools/web/serve.mjs $(WEB_BUILD)/site $(WEB_PORT)

# The browser tests' node modules: puppeteer-core, as pinned in tests/web/package-lock.json
# (it drives Debian's Chromium; no browser is downloaded).
$(WEB_MODULES): tests/web/package-lock.json | web-deps
	@cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null

# Headless Chromium: menus, every lesson against lesson-console, places, keyboard and screen
# readers, offline, faults, touch, monkey; Firefox and WebKit: a representative set of the
# same checks, and every window's look held to Chromium's.
test-web: $(WEB_MODULES)
	WEB_SITE=$(CURDIR)/$(WEB_BUILD)/site LESSON_CONSOLE=$(CURDIR)/$(BUILD)/tools/lesson-console/lesson-console \
	    SHOW_LESSON=$(CURDIR)/$(BUILD)/tools/show-lesson/show-lesson node --test tests/web/*.test.mjs

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-bench $(WEB_BUILD)
