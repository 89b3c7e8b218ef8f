# Front door: `make demo` runs the demonstration, `make test` runs every test,
# `make pictures` redraws the screen pictures in docs/pictures. `make
# test-sanitize` runs every test again built with AddressSanitizer and
# UndefinedBehaviorSanitizer; `make fuzz` runs each fuzz target (clang and
# libFuzzer) for FUZZ_TIME seconds.
BUILD ?= build
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 60
FUZZ_TARGETS ?=

.PHONY: all build demo test test-sanitize fuzz bench pictures clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	$(BUILD)/bin/tarvana-demo

test: build
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

bench: build
	cmake --build $(BUILD) --target bench -j $(JOBS)

pictures: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target tarvana-pictures -j $(JOBS)
	$(BUILD)/bin/tarvana-pictures docs/pictures

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
