# Front door: `make demo` runs the demonstration, `make test` runs every test,
# `make pictures` redraws the screen pictures in docs/pictures.
BUILD ?= build
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Configuring again whenever the build file is missing: a configure that
# failed half-way leaves a cache but no build file.
BUILD_FILE := $(BUILD)/$(if $(GENERATOR),build.ninja,Makefile)
CONFIGURE := cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

.PHONY: all configure build demo test test-packages bench pictures clean

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

bench: $(BUILD_FILE)
	cmake --build $(BUILD) --target bench -j $(JOBS)

pictures: $(BUILD_FILE)
	cmake --build $(BUILD) --target tarvana-pictures -j $(JOBS)
	$(BUILD)/bin/tarvana-pictures docs/pictures

clean:
	rm -rf $(BUILD)

# ---- The demonstration in a web browser (WebAssembly on xterm.js) ----
# `make web` builds build-web/ with Debian's Emscripten and xterm.js from npm;
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
	  web/node_modules/@xterm/xterm/lib/xterm.js web/node_modules/@xterm/xterm/css/xterm.css $(WEB_BUILD)/

web-serve: web
	@echo "Try it in your browser: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	cd $(WEB_BUILD) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

web-test: web $(BUILD_FILE)
	cmake --build $(BUILD) --target tarvana-screen-text -j $(JOBS)
	CHROMIUM=$(CHROMIUM) NATIVE_BUILD=$(BUILD) node web/test/web_test.mjs $(WEB_BUILD)

web-bench: web
	CHROMIUM=$(CHROMIUM) node web/test/web_bench.mjs $(WEB_BUILD)
# ---- end of the web block ----
