# Front door: `make demo` runs the demonstration, `make test` runs every test,
# `make pictures` redraws the screen pictures in docs/pictures.
# `make windows` cross-builds for Windows with MinGW-w64 into build-windows,
# `make test-windows` (or windows-test) runs its tests under wine.
BUILD ?= build
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

WINDOWS_BUILD ?= build-windows

.PHONY: all build demo test bench pictures clean windows test-windows windows-test

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	$(BUILD)/bin/tarvana-demo

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target bench -j $(JOBS)

pictures: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target tarvana-pictures -j $(JOBS)
	$(BUILD)/bin/tarvana-pictures docs/pictures

clean:
	rm -rf $(BUILD)

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

test-windows: windows
	mkdir -p $(WINDOWS_BUILD)/wine
	$(WINE_ENV) wineserver -p 60 2>/dev/null || true  # fails only when one is running already
	$(WINE_ENV) timeout 300 wineboot -i && \
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS) && \
	  { [ ! -f $(BUILD)/CMakeCache.txt ] || TARVANA_WINDOWS_BUILD=$(abspath $(WINDOWS_BUILD)) \
	    ctest --test-dir $(BUILD) --output-on-failure -R WindowsDemoUnderWine; }; \
	  status=$$?; $(WINE_ENV) wineserver -k; exit $$status

windows-test: test-windows
