# Front door: `make demo` runs the demonstration, `make test` runs every test,
# `make pictures` redraws the screen pictures in docs/pictures.
BUILD ?= build
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build demo test bench pictures clean

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
