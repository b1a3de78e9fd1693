// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HID side of the hardware boundary: the ECU as a USB HID device, either
// the real one through hidapi or the in-process simulator.

#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

class HidDevice {
public:
    virtual ~HidDevice();
    // Writes one output report (report number first); bytes written or -1.
    virtual int write(const unsigned char *data, size_t length) = 0;
    // Reads one input report, waiting at most timeoutMs (0: do not wait).
    // Bytes read, 0 when nothing came in time, -1 on error.
    virtual int read(unsigned char *buffer, size_t length, int timeoutMs) = 0;
    virtual QString manufacturer() const = 0;
    virtual QString product() const = 0;
    virtual QString serialNumber() const = 0;
    // What identifies this device on this machine (its system path): the
    // key of the lock that keeps a second program off it.
    virtual QString path() const = 0;
};

// Opens a HID device, or returns null when there is none. The session calls
// it at every search, so a unit plugged in later is found.
using HidOpener = std::function<std::unique_ptr<HidDevice>()>;

// Opens the first real HID device with these ids; null when there is none.
std::unique_ptr<HidDevice> openHidApiDevice(unsigned short vendorId, unsigned short productId);
// The opener of the real ECU (vendor 04D8, product 0080).
HidOpener hidApiOpener();
// Releases hidapi's own state (hid_exit); harmless when hidapi was never used.
void hidApiExit();
