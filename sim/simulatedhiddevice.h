#pragma once
// The simulated ECU behind the HID interface, in-process: every output report
// goes to the engine at once, the answer becomes an input report that can be
// read once its delay has passed (a late answer stays queued, as on a real
// device, until it is read or drained).

#include "link/hiddevice.h"
#include "sim/ecusimulator.h"

#include <QElapsedTimer>
#include <QList>
#include <mutex>

#include <memory>

class SimulatedHidDevice final : public HidDevice {
public:
    explicit SimulatedHidDevice(std::shared_ptr<EcuSimulator> ecu);

    int write(const unsigned char *data, size_t length) override;
    // A negative time-out waits for an answer already on its way, never for
    // one that will not come.
    int read(unsigned char *buffer, size_t length, int timeoutMs) override;
    QString manufacturer() const override;
    QString product() const override;
    QString serialNumber() const override;

    std::shared_ptr<EcuSimulator> ecu() const { return engine; }
    int writeCount() const;
    int readCount() const;  // read calls, answered or not
    int pendingReports() const;

private:
    struct Pending {
        qint64 readyAt;
        QByteArray data;
    };

    std::shared_ptr<EcuSimulator> engine;
    mutable std::mutex mutex;
    QElapsedTimer clock;
    QList<Pending> queue;
    int writes = 0;
    int reads = 0;
};
