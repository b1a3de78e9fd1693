// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulatedhiddevice.h"
#include <mutex>

#include "link/protocol.h"

#include <QCoreApplication>
#include <QThread>

#include <cstring>

SimulatedHidDevice::SimulatedHidDevice(std::shared_ptr<EcuSimulator> ecu, int intervalMs)
    : engine(std::move(ecu)), interval(qMax(0, intervalMs))
{
    clock.start();
}

int SimulatedHidDevice::write(const unsigned char *data, size_t length)
{
    if (engine->isGone())
        return -1;
    const QByteArray report(reinterpret_cast<const char *>(data), static_cast<int>(length));
    const EcuResponse r = engine->handleHidReport(report);
    std::unique_lock<std::mutex> lock(mutex);
    ++writes;
    if (!r.bytes.isEmpty())
        queue.append(Pending{clock.nsecsElapsed() / 1000 + (2 * interval + r.delayMs) * 1000LL, r.bytes});
    return static_cast<int>(length);
}

int SimulatedHidDevice::read(unsigned char *buffer, size_t length, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex);
    ++reads;
    for (int pass = 0; pass < 2; ++pass) {
        if (engine->isGone())
            return -1;
        const qint64 now = clock.nsecsElapsed() / 1000;
        if (!queue.isEmpty() && queue.first().readyAt <= now) {
            const QByteArray data = queue.takeFirst().data;
            const size_t n = qMin(length, static_cast<size_t>(data.size()));
            std::memcpy(buffer, data.constData(), n);
            return static_cast<int>(n);
        }
        if (pass == 1)
            break;
        qint64 waitUs = qint64(timeoutMs) * 1000;
        if (!queue.isEmpty())
            waitUs = timeoutMs < 0 ? queue.first().readyAt - now
                                   : qMin<qint64>(waitUs, queue.first().readyAt - now);
        if (waitUs <= 0)
            break;
        lock.unlock();
        QThread::usleep(static_cast<unsigned long>(waitUs));
        lock.lock();
    }
    return 0;
}

QString SimulatedHidDevice::manufacturer() const { return QStringLiteral("Tervalix (simulated)"); }
QString SimulatedHidDevice::product() const { return QStringLiteral("Tervalix ECU simulator"); }
QString SimulatedHidDevice::serialNumber() const { return QStringLiteral("SIM-0001"); }

QString SimulatedHidDevice::path() const
{
    return QStringLiteral("sim-hid-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(quintptr(engine.get()), 0, 16);
}

int SimulatedHidDevice::writeCount() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return writes;
}

int SimulatedHidDevice::readCount() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return reads;
}

int SimulatedHidDevice::pendingReports() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return queue.size();
}
