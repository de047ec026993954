# Front door: `make run` builds and starts Quillion, `make test` builds and runs every test.
PRESET ?= dev
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PREFIX ?= /usr/local

.PHONY: run test deps build asan install clean fuzz bench

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/quillion

test: build
	@bash scripts/install-deps.sh --tests
	ctest --preset $(PRESET) -j $(JOBS)

# Installs the optimised build under PREFIX (the program, its desktop entry, icon and
# AppStream metainfo).
install:
	$(MAKE) build PRESET=release
	cmake --install build/release --prefix $(PREFIX)

asan:
	$(MAKE) test PRESET=asan

# Runs each input harness for SECONDS seconds (one worker) from its corpus and prints the
# executions and coverage of each; what a run finds is left under build/fuzz/findings.
SECONDS ?= 60
fuzz:
	@bash scripts/install-deps.sh --fuzz
	@bash scripts/fuzz.sh $(SECONDS) $(JOBS)

# Builds the benchmark suite (optimised) and prints its one table; see docs/performance.md.
bench:
	@bash scripts/install-deps.sh --bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)
	./build/bench/tests/bench/quillion_bench

clean:
	rm -rf build
