# Tervalix: `make run` builds and starts the program with a simulated ECU,
# `make test` builds and runs every test headless. Both install what is
# missing first (Debian packages, see scripts/setup.sh).

BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: setup build run test test-asan test-tsan fuzz bench clean

setup:
	@./scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

# Starts Tervalix with a simulated 90-cell four-cylinder ECU on the HID path.
run: build
	TERVALIX_SIMULATOR=hid TERVALIX_SIM_HW=21 TERVALIX_SIM_CYL=4 ./$(BUILD)/app/tervalix

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Builds every benchmark, runs them headless and prints one table (bench/README.md).
bench: build
	./bench/run-benchmarks.sh $(BUILD)

# The whole suite under AddressSanitizer with UndefinedBehaviorSanitizer, and
# under ThreadSanitizer. Any report fails the run.
SAN_ENV = QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$(CURDIR)/scripts/tsan.supp

test-asan: setup
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTERVALIX_ASAN=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j$(JOBS)
	cd build-asan && $(SAN_ENV) ctest --output-on-failure -j$(JOBS)

test-tsan: setup
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DTERVALIX_TSAN=ON $(CMAKE_FLAGS)
	cmake --build build-tsan -j$(JOBS)
	cd build-tsan && $(SAN_ENV) ctest --output-on-failure -j$(JOBS)

# libFuzzer targets (clang); FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz:
	@./scripts/setup.sh fuzz
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVALIX_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build-fuzz -j$(JOBS) --target fuzz_replies fuzz_hidprobe fuzz_poll fuzz_profile
	./fuzz/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
