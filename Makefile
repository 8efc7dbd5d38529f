# make run    install what is missing, build, start the program in this folder
# make test   install what is missing, build (warnings are errors), run every test
# make bench  install what is missing, build, print the benchmarks' BENCH lines

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/dialtally $(ARGS)

test: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DDIALTALLY_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	bench/run-benchmarks $(BUILD_DIR)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
