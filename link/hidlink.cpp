// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/hidlink.h"

#include "link/diagnostics.h"
#include "link/hiddevice.h"
#include "link/protocol.h"
#include "link/replyframer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

HidLink::HidLink(std::unique_ptr<HidDevice> device, const QString &lockDir, QObject *parent)
    : EcuLink(parent), dev(std::move(device)), lock(lockDir)
{
}

HidLink::~HidLink()
{
    close();
}

bool HidLink::open()
{
    if (opened)
        return true;
    setOpenError(OpenError::None, QString());
    if (!dev) {
        setOpenError(OpenError::Missing, QCoreApplication::translate("HidLink", "Nessuna centralina USB collegata"));
        return false;
    }
    QString holder;
    if (!lock.acquire(dev->path().isEmpty() ? QStringLiteral("hid") : dev->path(), &holder)) {
        if (lock.failure() == DeviceLock::Failure::Held)
            setOpenError(OpenError::Busy,
                         QCoreApplication::translate("HidLink", "La centralina USB è occupata: %1").arg(holder));
        else
            setOpenError(OpenError::Failed,
                         QCoreApplication::translate("HidLink", "La centralina USB non si può riservare: %1").arg(holder));
        return false;
    }
    {
        std::lock_guard<std::mutex> guard(mutex);
        stopping = false;
        jobs.clear();
        events.clear();
    }
    opened = true;
    io = std::thread([this] { ioLoop(); });
    return true;
}

void HidLink::close()
{
    if (!opened)
        return;
    {
        std::lock_guard<std::mutex> guard(mutex);
        stopping = true;
        jobs.clear();
        events.clear();
        ++generation;
    }
    wake.notify_all();
    io.join();
    opened = false;
    lock.release();
}

bool HidLink::isOpen() const
{
    return opened;
}

void HidLink::send(const QByteArray &frame)
{
    sendReport(Protocol::makeHidReport(frame));
}

void HidLink::sendProbe()
{
    sendReport(Protocol::makeHidProbeReport());
}

void HidLink::sendReport(const QByteArray &report)
{
    if (!opened)
        return;
    {
        std::lock_guard<std::mutex> guard(mutex);
        jobs.push_back(report);
    }
    ++counters.framesSent;
    wake.notify_all();
}

QByteArray HidLink::extractReply(const QByteArray &data, int *skipped)
{
    int start = 0;
    while (start < data.size() && !ReplyFramer::canBeginReply(data[start]))
        ++start;
    if (skipped)
        *skipped = start < data.size() ? start : 0;
    if (start == data.size())
        return QByteArray();
    QByteArray reply = data.mid(start, Protocol::FrameSize);
    reply.append(QByteArray(Protocol::FrameSize - reply.size(), '\0'));
    return reply;
}

void HidLink::post(Event e)
{
    {
        std::lock_guard<std::mutex> guard(mutex);
        if (stopping)
            return;
        events.push_back(std::move(e));
    }
    QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
}

void HidLink::deliver()
{
    for (;;) {
        Event e;
        {
            std::lock_guard<std::mutex> guard(mutex);
            if (events.empty() || stopping)
                return;
            e = std::move(events.front());
            events.pop_front();
        }
        switch (e.kind) {
        case Event::Reply:
            ++counters.replies;
            emit replyReceived(e.reply);
            break;
        case Event::Irregular:
            counters.droppedLate += e.drained;
            counters.skippedBytes += e.skipped;
            counters.resyncs += e.resyncs;
            // A late answer thrown away is slowness, not noise.
            if (e.skipped > 0 || e.resyncs > 0)
                emit irregularity(e.skipped, e.resyncs);
            break;
        case Event::Lost:
            close();
            emit linkLost(LossReason::Unplugged, QString());
            return;
        }
    }
}

void HidLink::ioLoop()
{
    unsigned char buffer[Protocol::HidReportSize];
    for (;;) {
        QByteArray report;
        {
            std::unique_lock<std::mutex> guard(mutex);
            wake.wait(guard, [this] { return stopping || !jobs.empty(); });
            if (stopping)
                return;
            report = jobs.front();
            jobs.pop_front();
        }
        // Late answers to earlier requests must not pass for this one's.
        int drained = 0;
        while (drained < 64 && dev->read(buffer, sizeof buffer, 0) > 0)
            ++drained;
        if (drained > 0)
            post(Event{Event::Irregular, {}, 0, 0, drained});
        const int written = dev->write(reinterpret_cast<const unsigned char *>(report.constData()),
                                       size_t(report.size()));
        Diagnostics::print("OnSendSerialData: bytes written=%d\n", written);
        if (written < 0) {
            post(Event{Event::Lost, {}, 0, 0, 0});
            return;
        }
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            const int n = dev->read(buffer, sizeof buffer, SliceMs);
            if (n < 0) {
                Diagnostics::print("OnSendSerialData: Unable to read()\n");
                post(Event{Event::Lost, {}, 0, 0, 0});
                return;
            }
            if (n > 0) {
                Diagnostics::print("OnSendSerialData: bytes read=%d\n", n);
                int skipped = 0;
                const QByteArray reply =
                    extractReply(QByteArray(reinterpret_cast<const char *>(buffer), n), &skipped);
                if (skipped > 0 || reply.isEmpty())
                    post(Event{Event::Irregular, {}, skipped, reply.isEmpty() ? 1 : 0, 0});
                if (!reply.isEmpty())
                    post(Event{Event::Reply, reply, 0, 0, 0});
                break;
            }
            std::lock_guard<std::mutex> guard(mutex);
            if (stopping || !jobs.empty() || waited.elapsed() >= MaxReplyWaitMs)
                break;
        }
    }
}
