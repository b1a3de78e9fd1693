#include "sim/simulatedhiddevice.h"
#include <mutex>

#include "link/protocol.h"

#include <QThread>

#include <cstring>

SimulatedHidDevice::SimulatedHidDevice(std::shared_ptr<EcuSimulator> ecu) : engine(std::move(ecu))
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
        queue.append(Pending{clock.elapsed() + r.delayMs, r.bytes});
    return static_cast<int>(length);
}

int SimulatedHidDevice::read(unsigned char *buffer, size_t length, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex);
    ++reads;
    for (int pass = 0; pass < 2; ++pass) {
        if (engine->isGone())
            return -1;
        const qint64 now = clock.elapsed();
        if (!queue.isEmpty() && queue.first().readyAt <= now) {
            const QByteArray data = queue.takeFirst().data;
            const size_t n = qMin(length, static_cast<size_t>(data.size()));
            std::memcpy(buffer, data.constData(), n);
            return static_cast<int>(n);
        }
        if (pass == 1)
            break;
        qint64 wait = timeoutMs;
        if (!queue.isEmpty())
            wait = timeoutMs < 0 ? queue.first().readyAt - now
                                 : qMin<qint64>(timeoutMs, queue.first().readyAt - now);
        if (wait <= 0)
            break;
        lock.unlock();
        QThread::msleep(static_cast<unsigned long>(wait));
        lock.lock();
    }
    return 0;
}

QString SimulatedHidDevice::manufacturer() const { return QStringLiteral("Tervalix (simulated)"); }
QString SimulatedHidDevice::product() const { return QStringLiteral("Tervalix ECU simulator"); }
QString SimulatedHidDevice::serialNumber() const { return QStringLiteral("SIM-0001"); }

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
