# The two set-up commands of the README (`make demo`, `make test`) and the benchmark.
# Each installs the Debian packages it needs first.

PRESETS := native asan windows fuzz
JOBS ?= $(shell nproc)

.PHONY: all deps test demo bench clean $(addprefix build-,$(PRESETS))

all: build-native build-windows

deps:
	scripts/install-deps

$(addprefix build-,$(PRESETS)): build-%: deps
	cmake --preset $* >/dev/null
	cmake --build --preset $* -j $(JOBS)

test: build-native build-asan build-windows build-fuzz
	scripts/check-format
	ctest --preset native -j $(JOBS) --no-tests=error
	ctest --preset asan -j $(JOBS) --no-tests=error
	scripts/with-wine ctest --preset windows --no-tests=error
	scripts/run-fuzz

demo: build-native build-windows
	scripts/demo

bench: build-native
	bench/run

clean:
	rm -rf build
