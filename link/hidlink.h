// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ECU on its USB HID interface. Every frame travels in a 65-byte output
// report; one I/O thread writes the reports in the order sent and waits for
// each answer, so the GUI thread never blocks on the device. The wait for an
// answer ends when the answer comes, when the next frame is queued (its
// sender has given up on this one) or after MaxReplyWaitMs; the senders'
// own time-outs (500 ms for transfers, 300 ms for live data) decide what a
// late answer means. Input that nobody waits for is drained before the next
// report goes out, so a late answer is never taken for the next one.

#include "link/eculink.h"

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "link/devicelock.h"

class HidDevice;

class HidLink : public EcuLink {
    Q_OBJECT
public:
    static constexpr int SliceMs = 20;
    static constexpr int MaxReplyWaitMs = 1000;

    HidLink(std::unique_ptr<HidDevice> device, const QString &lockDir = QString(), QObject *parent = nullptr);
    ~HidLink() override;

    bool open() override;
    void close() override;
    bool isOpen() const override;
    void send(const QByteArray &frame) override;
    void sendProbe() override;
    QString name() const override { return QStringLiteral("HID"); }
    bool isHid() const override { return true; }

    // Sends a whole output report as it is (the search's probe report).
    void sendReport(const QByteArray &report);
    HidDevice *device() const { return dev.get(); }

    // The reply inside one input report: the 8 bytes from the first byte that
    // can begin a reply (zero-padded); `skipped` counts the bytes before it.
    // Empty when the report holds no reply.
    static QByteArray extractReply(const QByteArray &data, int *skipped);

private:
    struct Event {
        enum Kind { Reply, Irregular, Lost } kind;
        QByteArray reply;
        int skipped = 0;
        int resyncs = 0;
        int drained = 0;
    };
    void ioLoop();
    void post(Event e);
    Q_INVOKABLE void deliver();

    std::unique_ptr<HidDevice> dev;
    DeviceLock lock;
    bool opened = false;  // GUI thread

    std::mutex mutex;  // guards the members below
    std::condition_variable wake;
    std::deque<QByteArray> jobs;
    std::deque<Event> events;
    bool stopping = false;
    quint64 generation = 0;  // bumped by close(): events of an older run are dropped
    std::thread io;
};
