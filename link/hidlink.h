#pragma once
// One request and its answer on the ECU's HID device, with every wait bounded
// (a wait that expires counts as no answer), and the waits kept out of the
// GUI thread: its event loop keeps running (timers, painting, replies from the
// serial line) while the device is being waited for.

#include "link/cdevinfo.h"

#include <QByteArray>
#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class HidDevice;
class QEventLoop;

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
// timeoutMs for the answer, in the calling thread. Exchanges from different
// threads never overlap on the device.
Exchange exchange(HidDevice *device, const QByteArray &report, int timeoutMs = ReadTimeoutMs);

// The same exchange made by a helper thread while the calling thread's event
// loop keeps running, user input excepted (it waits until the call returns, so
// that no click can start a second conversation half-way through this one).
// Returns once the exchange is over. Outside the application's main thread it
// is exactly exchange().
Exchange exchangeKeepingEventsFlowing(HidDevice *device, const QByteArray &report,
                                      int timeoutMs = ReadTimeoutMs);

using Exchanger = Exchange (*)(HidDevice *, const QByteArray &, int);

// The port search's HID probe: up to `attempts` probe reports, printing the
// diagnostic lines. The device information of the first answer 0xFA 0xC8.
std::optional<CDevInfo> probe(HidDevice *device, int attempts = ProbeAttempts,
                              int timeoutMs = ReadTimeoutMs, Exchanger exchanger = exchange);

// The main window's HID channel: every frame is exchanged, in the order sent,
// by one I/O thread; each outcome (answered or not) reaches `onExchanged` in
// the GUI thread, in the same order. The device must outlive the channel.
class Channel : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const Exchange &x)>;

    Channel(HidDevice *device, Handler onExchanged, QObject *parent = nullptr);
    ~Channel() override;

    // Sends one frame (in a 65-byte output report) and returns once its
    // outcome has been handled. Meanwhile the
    // event loop keeps running, user input excepted; a frame sent from within
    // that loop takes its turn after the ones before it.
    void send(const QByteArray &frame);

    HidDevice *device() const { return dev; }

private:
    struct Job {
        quint64 ticket;
        QByteArray report;
    };
    void ioLoop();
    void deliver(quint64 ticket, const Exchange &x);
    // GUI thread: hands every finished exchange to its handler, in order.
    Q_INVOKABLE void deliverFinished();

    HidDevice *dev;
    Handler onExchanged;
    quint64 nextTicket = 1;      // GUI thread
    quint64 handledUpTo = 0;     // GUI thread: tickets whose outcome was handled
    struct Waiter {
        quint64 ticket;
        QEventLoop *loop;
    };
    std::vector<Waiter> waiters;  // GUI thread: send() calls still waiting

    std::mutex mutex;            // guards the members below
    std::condition_variable wake;
    std::deque<Job> jobs;
    quint64 exchangedUpTo = 0;   // tickets the I/O thread has finished
    std::deque<std::pair<quint64, Exchange>> finished;  // awaiting deliverFinished()
    bool stopping = false;
    std::thread io;
};

} // namespace HidLink
