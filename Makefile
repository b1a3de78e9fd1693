# SPDX-License-Identifier: GPL-3.0-or-later
# Tervalix: `make run` builds and starts the program with a simulated ECU,
# `make test` builds and runs every test headless. Both install what is
# missing first (Debian packages, see scripts/setup.sh).

BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: setup build run test test-asan test-tsan fuzz bench deb check-package clean

setup:
	@./scripts/setup.sh

# The programs that `make deb` packages come from this build, so it is
# hardened as Debian expects of what it ships (lintian's hardening checks):
# fortified libc calls and a relocation table made read-only before main().
# The sanitizer builds keep their own flags: fortification gets in their way.
HARDENING = -DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=2 -DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro,-z,now

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(HARDENING) $(CMAKE_FLAGS)
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

# The Debian package tervalix_VERSION_ARCH.deb (and its -dbgsym .ddeb) in this
# folder, made by CPack from the build above (dist/package.cmake): after
# `make test` nothing is compiled again.
deb: build
	@./scripts/setup.sh package
	rm -f tervalix_*.deb tervalix-dbgsym_*.ddeb $(BUILD)/tervalix_*.deb $(BUILD)/tervalix-dbgsym_*.ddeb
	cd $(BUILD) && cpack -G DEB
	mv $(BUILD)/tervalix_*.deb $(BUILD)/tervalix-dbgsym_*.ddeb .

# lintian, the validators, the manual pages, and an installation and purge of
# the package on this machine (as root).
check-package: deb
	./scripts/check-package.sh tervalix_*.deb

# libFuzzer targets (clang); FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz:
	@./scripts/setup.sh fuzz
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVALIX_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build-fuzz -j$(JOBS) --target fuzz_replies fuzz_hidprobe fuzz_poll fuzz_profile
	./fuzz/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
