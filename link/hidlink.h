#pragma once
// One request and its answer on the ECU's HID device, with every wait bounded:
// the GUI thread does the HID traffic, so no single wait may exceed
// ReadTimeoutMs, and a wait that expires counts as no answer.

#include "link/cdevinfo.h"

#include <QByteArray>

#include <optional>

class HidDevice;

namespace HidLink {

constexpr int ReadTimeoutMs = 100;
constexpr int ProbeAttempts = 5;

struct Exchange {
    int written = 0;   // result of the write
    int read = 0;      // bytes read; 0: no answer in time; -1: read failed
    QByteArray reply;  // the input report's data (no report number)
};

// Throws away input reports that are already waiting (late answers to
// earlier requests), reading without waiting until none is left. Returns how
// many were dropped.
int drainInput(HidDevice *device);

// Drains stale input, writes the 65-byte output report and waits at most
// timeoutMs for the answer.
Exchange exchange(HidDevice *device, const QByteArray &report, int timeoutMs = ReadTimeoutMs);

// The port search's HID probe: up to `attempts` probe reports, printing the
// diagnostic lines. The device information of the first answer 0xFA 0xC8.
std::optional<CDevInfo> probe(HidDevice *device, int attempts = ProbeAttempts,
                              int timeoutMs = ReadTimeoutMs);

} // namespace HidLink
