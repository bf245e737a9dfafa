# The two set-up commands of the README (`make demo`, `make test`), the players' download
# (`make dist`) and the benchmark. Each installs the Debian packages it needs first.

PRESETS := native asan windows fuzz
JOBS ?= $(shell nproc)

.PHONY: all deps test demo dist bench clean $(addprefix build-,$(PRESETS))

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

# dist/Q7Lister-<version>.zip and its SHA-256 sum, for Windows players.
dist: build-windows
	/usr/bin/python3 release/make_dist.py

bench: build-native
	bench/run

clean:
	rm -rf build dist
