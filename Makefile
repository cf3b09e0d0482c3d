# The commands a newcomer types. Each one installs what is missing first.
BUILD := build
JOBS := $(shell nproc)

.PHONY: deps build run test bench package clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/zomar

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/bench/zomar_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The Debian package $(BUILD)/zomar_<version>_<arch>.deb, for `apt install ./$(BUILD)/zomar_*.deb`.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz
