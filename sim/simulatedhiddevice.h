// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated ECU behind the HID interface, in-process. Reports travel as on
// a full-speed USB interrupt endpoint polled every IntervalMs: an output
// report reaches the unit at the next interval, its answer is ready one
// interval later (plus any delay the faults add). A late answer stays
// queued, as on a real device, until it is read or drained.

#include "link/hiddevice.h"
#include "sim/ecusimulator.h"

#include <QElapsedTimer>
#include <QList>
#include <mutex>

#include <memory>

class SimulatedHidDevice final : public HidDevice {
public:
    static constexpr int IntervalMs = 1;

    explicit SimulatedHidDevice(std::shared_ptr<EcuSimulator> ecu, int intervalMs = IntervalMs);

    int write(const unsigned char *data, size_t length) override;
    // A negative time-out waits for an answer already on its way, never for
    // one that will not come.
    int read(unsigned char *buffer, size_t length, int timeoutMs) override;
    QString manufacturer() const override;
    QString product() const override;
    QString serialNumber() const override;
    // Unique per simulated unit: two links to one unit share a lock.
    QString path() const override;

    std::shared_ptr<EcuSimulator> ecu() const { return engine; }
    int writeCount() const;
    int readCount() const;  // read calls, answered or not
    int pendingReports() const;

private:
    struct Pending {
        qint64 readyAt;  // microseconds on `clock`
        QByteArray data;
    };

    std::shared_ptr<EcuSimulator> engine;
    mutable std::mutex mutex;
    QElapsedTimer clock;
    QList<Pending> queue;
    int interval;
    int writes = 0;
    int reads = 0;
};
