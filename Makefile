# Tervalix: `make run` builds and starts the program with a simulated ECU,
# `make test` builds and runs every test headless. Both install what is
# missing first (Debian packages, see scripts/setup.sh).

BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: setup build run test clean

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

clean:
	rm -rf $(BUILD)
