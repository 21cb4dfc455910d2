# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test test-asan test-e2e demo bench format check-format clean

deps:
	@./scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run

test: build check-format
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-e2e: build
	@cd $(BUILD) && ctest --output-on-failure -L e2e

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLORA_SANITIZE=ON -DVELLORA_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE e2e

demo: build
	@./scripts/demo

bench: build
	@./scripts/bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

check-format:
	@./scripts/check-format

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) demo-out
