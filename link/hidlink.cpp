#include "link/hidlink.h"

#include "link/hiddevice.h"
#include "link/protocol.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace HidLink {

namespace {

// One conversation at a time on the device, whichever thread holds it.
std::mutex &deviceMutex()
{
    static std::mutex m;
    return m;
}

bool inMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

int drainInput(HidDevice *device)
{
    // Bounded, in case a device floods us with reports.
    constexpr int maxDrained = 64;
    unsigned char buffer[Protocol::HidReportSize];
    int drained = 0;
    while (drained < maxDrained && device->read(buffer, sizeof buffer, 0) > 0)
        ++drained;
    return drained;
}

Exchange exchange(HidDevice *device, const QByteArray &report, int timeoutMs)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    Exchange x;
    drainInput(device);
    x.written = device->write(reinterpret_cast<const unsigned char *>(report.constData()),
                              static_cast<size_t>(report.size()));
    if (x.written < 0) {
        x.read = -1;
        return x;
    }
    unsigned char buffer[Protocol::HidReportSize] = {};
    x.read = device->read(buffer, sizeof buffer, qBound(0, timeoutMs, ReadTimeoutMs));
    if (x.read > 0)
        x.reply = QByteArray(reinterpret_cast<const char *>(buffer), x.read);
    return x;
}

Exchange exchangeKeepingEventsFlowing(HidDevice *device, const QByteArray &report, int timeoutMs)
{
    if (!inMainThread())
        return exchange(device, report, timeoutMs);
    Exchange x;
    QEventLoop loop;
    std::thread helper([&] {
        x = exchange(device, report, timeoutMs);
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    // Returns when the helper is done, or early when the application quits;
    // either way the helper is joined before its result is used.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    helper.join();
    return x;
}

std::optional<CDevInfo> probe(HidDevice *device, int attempts, int timeoutMs, Exchanger exchanger)
{
    if (!device)
        return std::nullopt;
    const QByteArray report = Protocol::makeHidProbeReport();
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const Exchange x = exchanger(device, report, timeoutMs);
        std::printf("bytes written=%d\n", x.written);
        if (x.read < 0)
            std::puts("Unable to read()");
        std::printf("bytes read=%d\n", x.read);
        QByteArray shown = x.reply.left(8);
        shown.append(QByteArray(8 - shown.size(), '\0'));
        for (int i = 0; i < 8; ++i)
            std::printf("buf[%d]=%02X\r\n", i, static_cast<unsigned char>(shown[i]));
        std::fflush(stdout);
        if (x.read >= 7 && Protocol::isProbeOk(x.reply))
            return CDevInfo::fromBytes(reinterpret_cast<const unsigned char *>(x.reply.constData()) + 2);
    }
    return std::nullopt;
}

Channel::Channel(HidDevice *device, Handler handler, QObject *parent)
    : QObject(parent), dev(device), onExchanged(std::move(handler))
{
    io = std::thread([this] { ioLoop(); });
}

Channel::~Channel()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
        jobs.clear();
    }
    wake.notify_all();
    io.join();
}

void Channel::send(const QByteArray &frame)
{
    const quint64 ticket = nextTicket++;
    {
        std::lock_guard<std::mutex> lock(mutex);
        jobs.push_back(Job{ticket, Protocol::makeHidReport(frame)});
    }
    wake.notify_all();

    if (inMainThread() && handledUpTo < ticket) {
        QEventLoop loop;
        waiters.push_back(Waiter{ticket, &loop});
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        waiters.erase(std::remove_if(waiters.begin(), waiters.end(),
                                     [&loop](const Waiter &w) { return w.loop == &loop; }),
                      waiters.end());
    }
    // The application quits (or this is not the main thread): do not return
    // while the device is still busy with this frame.
    std::unique_lock<std::mutex> lock(mutex);
    wake.wait(lock, [&] { return stopping || exchangedUpTo >= ticket; });
}

void Channel::ioLoop()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (stopping)
                return;
            job = jobs.front();
            jobs.pop_front();
        }
        const Exchange x = exchange(dev, job.report);
        {
            // The outcome crosses to the GUI thread under this lock, not
            // inside a queued call, so every hand-over is visible to the
            // thread sanitizer too.
            std::lock_guard<std::mutex> lock(mutex);
            exchangedUpTo = job.ticket;
            finished.emplace_back(job.ticket, x);
        }
        wake.notify_all();
        // Queued in order: the outcomes are handled in the order sent.
        QMetaObject::invokeMethod(this, "deliverFinished", Qt::QueuedConnection);
    }
}

void Channel::deliverFinished()
{
    for (;;) {
        std::pair<quint64, Exchange> next;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (finished.empty())
                return;
            next = finished.front();
            finished.pop_front();
        }
        deliver(next.first, next.second);
    }
}

void Channel::deliver(quint64 ticket, const Exchange &x)
{
    handledUpTo = ticket;
    if (onExchanged)
        onExchanged(x);
    for (const Waiter &w : waiters)
        if (w.ticket <= ticket)
            w.loop->quit();
}

} // namespace HidLink
