# make run    install what is missing, build, start the program in this folder
# make test   install what is missing, build (warnings are errors), run every test
# make bench  install what is missing, build, print the benchmarks' BENCH lines
# make fuzz   install clang, build the fuzz target, fuzz the text block loader for FUZZ_SECONDS

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench fuzz format clean

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

fuzz:
	@scripts/install-deps --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DDIALTALLY_FUZZ=ON -DDIALTALLY_BUILD_TESTS=OFF -DDIALTALLY_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_textblocklist
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/fuzz/fuzz_textblocklist -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=512 \
		-timeout=5 -max_len=65536 -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus fuzz/seeds

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
