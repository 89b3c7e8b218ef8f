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
