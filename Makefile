# Front door: `make demo` runs the demonstration, `make test` runs every test,
# `make pictures` redraws the screen pictures in docs/pictures. `make
# test-sanitize` runs every test again built with AddressSanitizer and
# UndefinedBehaviorSanitizer; `make fuzz` runs each fuzz target (clang and
# libFuzzer) for FUZZ_TIME seconds.
# `make windows` cross-builds for Windows with MinGW-w64 into build-windows,
# `make test-windows` (or windows-test) runs its tests under wine.
BUILD ?= build
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Configuring again whenever the build file is missing: a configure that
# failed half-way leaves a cache but no build file.
BUILD_FILE := $(BUILD)/$(if $(GENERATOR),build.ninja,Makefile)
CONFIGURE := cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 60
FUZZ_TARGETS ?=
WINDOWS_BUILD ?= build-windows

.PHONY: all configure build demo test test-packages test-sanitize fuzz bench pictures clean \
	windows test-windows windows-test

all: build

$(BUILD_FILE):
	$(CONFIGURE)

configure: $(BUILD_FILE)

build: $(BUILD_FILE)
	cmake --build $(BUILD) -j $(JOBS)

# The demonstration alone: no tests, no test packages needed.
demo: $(BUILD_FILE)
	cmake --build $(BUILD) --target tarvana-demo -j $(JOBS)
	$(BUILD)/bin/tarvana-demo

# The tests' packages, installed when configure found them missing: as root
# or through sudo; otherwise stop with the command to run.
test-packages: $(BUILD_FILE)
	@missing="$$(cat $(BUILD)/test-packages-missing.txt 2>/dev/null)"; \
	if [ -n "$$missing" ]; then \
	  echo "The tests need the Debian packages: $$missing"; \
	  command -v apt-get >/dev/null 2>&1 || { echo "Install them with your package manager."; exit 1; }; \
	  if [ "$$(id -u)" = 0 ]; then apt="apt-get"; \
	  elif command -v sudo >/dev/null 2>&1; then apt="sudo apt-get"; \
	  else echo "Install them with: su -c 'apt-get install $$missing'"; exit 1; fi; \
	  echo "Installing them: $$apt install -y $$missing"; \
	  $$apt install -y $$missing || { $$apt update && $$apt install -y $$missing; } || \
	    { echo "Install them with: sudo apt-get install $$missing"; exit 1; }; \
	  $(CONFIGURE); \
	fi

test: test-packages
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# clang: it builds the instrumented tests in less than half gcc's time.
$(SANITIZE_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTARVANA_SANITIZE=ON -DTARVANA_BUILD_BENCH=OFF

test-sanitize: $(SANITIZE_BUILD)/CMakeCache.txt
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

# New inputs go to $(FUZZ_BUILD)/fuzz-corpus, never into the committed corpora.
$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTARVANA_FUZZ=ON -DTARVANA_BUILD_TESTS=OFF -DTARVANA_BUILD_BENCH=OFF

fuzz: $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) --target fuzz-targets -j $(JOBS)
	testing/run_fuzz_targets.sh $(FUZZ_BUILD) $(FUZZ_TIME) $(FUZZ_TARGETS)

bench: $(BUILD_FILE)
	cmake --build $(BUILD) --target bench -j $(JOBS)

pictures: $(BUILD_FILE)
	cmake --build $(BUILD) --target tarvana-pictures -j $(JOBS)
	$(BUILD)/bin/tarvana-pictures docs/pictures

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) $(WEB_BUILD)

$(WINDOWS_BUILD)/CMakeCache.txt:
	cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake

windows: $(WINDOWS_BUILD)/CMakeCache.txt
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The tests run under wine, in a prefix inside the build folder. Its server is
# started first and kept for the whole run (a first program under a fresh
# server can hang), then stopped. Last, where the native build is there, its
# test of the Windows demonstration under wine in a pseudo-terminal.
WINE_ENV = WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

# A wine process now and then fails to start at all (no output, status 1, in
# a hundredth of a second): each test under wine gets a second start.
test-windows: windows
	mkdir -p $(WINDOWS_BUILD)/wine
	$(WINE_ENV) wineserver -p 60 2>/dev/null || true  # fails only when one is running already
	$(WINE_ENV) timeout 300 wineboot -i && \
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS) --repeat until-pass:2 && \
	  { [ ! -f $(BUILD)/CMakeCache.txt ] || TARVANA_WINDOWS_BUILD=$(abspath $(WINDOWS_BUILD)) \
	    ctest --test-dir $(BUILD) --output-on-failure -R WindowsDemoUnderWine; }; \
	  status=$$?; $(WINE_ENV) wineserver -k; exit $$status

windows-test: test-windows

# ---- The demonstration in a web browser (WebAssembly on xterm.js) ----
# `make web` builds build-web/ with Debian's Emscripten and xterm.js (with its
# Unicode 11 widths) from npm;
# `make web-serve` serves it; `make web-test` checks its screens in headless
# Chromium; `make web-bench` prints its load time, key time and size.
WEB_BUILD ?= build-web
WEB_PORT ?= 8080
# Emscripten 3.1.6 finds its node modules there when node is not Debian's.
WEB_ENV := NODE_PATH=/usr/share/nodejs
CHROMIUM ?= /usr/lib/chromium/chromium

.PHONY: web web-serve web-test web-bench

web/node_modules/.package-lock.json: web/package.json web/package-lock.json
	cd web && npm ci --no-audit --no-fund

web: web/node_modules/.package-lock.json
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD)/cmake $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	  -DTARVANA_BUILD_TESTS=OFF -DTARVANA_BUILD_BENCH=OFF
	$(WEB_ENV) cmake --build $(WEB_BUILD)/cmake --target tarvana-demo -j $(JOBS)
	cp $(WEB_BUILD)/cmake/bin/tarvana-demo.js $(WEB_BUILD)/cmake/bin/tarvana-demo.wasm \
	  $(WEB_BUILD)/cmake/bin/tarvana-demo.data web/index.html \
	  web/node_modules/@xterm/xterm/lib/xterm.js web/node_modules/@xterm/xterm/css/xterm.css \
	  web/node_modules/@xterm/addon-unicode11/lib/addon-unicode11.js $(WEB_BUILD)/

web-serve: web
	@echo "Try it in your browser: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	cd $(WEB_BUILD) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

web-test: web $(BUILD_FILE)
	cmake --build $(BUILD) --target tarvana-screen-text -j $(JOBS)
	CHROMIUM=$(CHROMIUM) NATIVE_BUILD=$(BUILD) node web/test/web_test.mjs $(WEB_BUILD)

web-bench: web
	CHROMIUM=$(CHROMIUM) node web/test/web_bench.mjs $(WEB_BUILD)
# ---- end of the web block ----
