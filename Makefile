# The two commands a newcomer needs: `make run` and `make test`.
SANITIZE ?=
ifeq ($(SANITIZE),1)
BUILD := build-asan
CMAKE_FLAGS := -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD := build
CMAKE_FLAGS :=
endif
JOBS := $(shell nproc)
GAME_DIR := $(if $(XDG_DATA_HOME),$(XDG_DATA_HOME),$(HOME)/.local/share)/zorvik-vexo

.PHONY: all deps test-deps configure build run test bench assets format clean

all: build

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --tests

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target zorvik-vexo

run: build
	@scripts/run-game $(BUILD)/zorvik-vexo "$(GAME_DIR)"

test: test-deps configure
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: test-deps configure
	cmake --build $(BUILD) -j $(JOBS)
	@if [ -x $(BUILD)/bench/benchmarks ]; then $(BUILD)/bench/benchmarks; else echo "no benchmarks yet"; fi

assets: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target asset-generator
	$(BUILD)/asset-generator assets

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan
