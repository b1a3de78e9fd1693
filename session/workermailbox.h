// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carries what the worker threads report to the thread that owns the
// session. Each report is a closure, handed over under a lock of our own and
// run in order in the owner's thread. A queued signal would do the same, but
// its copy of the arguments crosses inside Qt's libraries, where the thread
// sanitizer cannot see the hand-over; with the mailbox, every crossing is
// one it can check.

#include <QObject>
#include <deque>
#include <functional>
#include <mutex>

class WorkerMailbox : public QObject {
    Q_OBJECT
public:
    explicit WorkerMailbox(QObject *parent = nullptr);

    // Any thread.
    void post(std::function<void()> report);
    // Owner's thread: what was posted and not yet run is dropped (the work
    // it reports on was abandoned).
    void clear();

    // Connects `signal` of a worker so that its arguments travel through
    // the mailbox to `slot`, run in the owner's thread.
    template <typename Sender, typename... Args, typename Slot>
    void relay(Sender *sender, void (Sender::*signal)(Args...), Slot slot)
    {
        connect(sender, signal, this, [this, slot](Args... args) { post([=] { slot(args...); }); },
                Qt::DirectConnection);
    }

private:
    Q_INVOKABLE void deliver();

    std::mutex mutex;
    std::deque<std::function<void()>> reports;
    bool scheduled = false;
};
