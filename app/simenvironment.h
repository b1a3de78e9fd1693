// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulator switched on through the environment, for running the whole
// program without an ECU:
//   TERVALIX_SIMULATOR=hid     the HID device is a simulated ECU
//   TERVALIX_SIMULATOR=serial  a simulated ECU answers on a pseudo-terminal,
//                              listed among the serial ports
// Device settings: TERVALIX_SIM_HW, TERVALIX_SIM_CYL, TERVALIX_SIM_FW; faults:
// TERVALIX_SIM_DELAY, TERVALIX_SIM_DROP_EVERY, TERVALIX_SIM_DROP_RATE,
// TERVALIX_SIM_SEED, TERVALIX_SIM_GARBAGE, TERVALIX_SIM_GARBAGE_EVERY,
// TERVALIX_SIM_WRONG_EVERY, TERVALIX_SIM_SILENT, TERVALIX_SIM_STUCK_CELL,
// TERVALIX_SIM_VANISH_AFTER
// (see sim/README.md).

#include "link/hiddevice.h"
#include "sim/ecusimulator.h"

#include <QString>

#include <memory>

namespace SimEnvironment {

// "hid", "serial" or empty (no simulator).
QString mode();
EcuSimConfig configFromEnvironment();
EcuSimFaults faultsFromEnvironment();

// When the mode is "hid": an opener that finds one simulated unit (the same
// unit at every search, so its memory lasts). Otherwise the real opener.
HidOpener hidOpenerFromEnvironment();

// Starts the process-wide pseudo-terminal simulator when the mode is "serial"
// (once; later calls return the same port) and offers its port in the port
// search. Returns its port path, or empty.
QString startSerialFromEnvironment();

} // namespace SimEnvironment
