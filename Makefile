# Front door: `make run` builds and starts Quillion, `make test` builds and runs every test.
PRESET ?= dev
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test deps build asan clean

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

asan:
	$(MAKE) test PRESET=asan

clean:
	rm -rf build
