// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five-byte device information record that an ECU reports when found.

#include <QString>

struct CDevInfo {
    unsigned char hwVersion = 10;  // < 20: 50-cell layout; > 10: large value range
    unsigned char cylinders = 0;   // 0: not reported; 2 or 4 select the engine type
    unsigned char verMajor = '1';
    unsigned char verMinor = '1';
    unsigned char revision = '0';

    // Record from the five bytes at `data` (hw, cylinders, major, minor, revision).
    static CDevInfo fromBytes(const unsigned char *data);
    // The fixed record of a device found on a serial port (10, 0, '1', '1', '0').
    static CDevInfo serialDefault() { return CDevInfo(); }

    // Status-bar text, e.g. "Tervalix: HW21 - CYL4 - V2.0-R3".
    QString statusText() const;
};
