// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Common base of the three worker threads. run() is a thin loop around one
// step() of the derived state machine. Between steps the loop sleeps until
// something happens: a reply or a command handed in (wake()), or the moment
// the state machine asked for (nextStepAt(), e.g. the end of a time-out).
// A worker that waits for nothing costs no wake-ups at all. The loop ends
// cooperatively: a stop request wakes it and is tested once per pass.

#include <condition_variable>
#include <mutex>
#include <QThread>
#include <atomic>
#include <limits>
#include <memory>

#include "link/workerclock.h"

class CGestWorker : public QThread {
    Q_OBJECT
public:
    // Kept as the margin a worker allows for its own reaction time.
    static constexpr int StepSleepMs = 10;
    // nextStepAt(): "only when woken".
    static constexpr qint64 Never = std::numeric_limits<qint64>::max();

    // `clock` is not owned; null selects a private monotonic clock.
    CGestWorker(QObject *parent, WorkerClock *clock);
    ~CGestWorker() override;

    // One pass of the state machine. Called by run(); tests call it directly
    // on a worker whose thread was never started.
    virtual void step() = 0;
    // Clock time at which step() must run next if nothing wakes the worker
    // first: now (or earlier) for at once, Never for only when woken.
    qint64 nextStep() const;

    // Asks the loop to end after its current pass and waits for it. Every
    // derived destructor calls it first, before its own members go away.
    void stopThread();

    // Loop passes so far (each pass runs step() once).
    quint64 passes() const { return passCount.load(); }

protected:
    void run() override;
    qint64 nowMs() const { return clock->nowMs(); }
    // Called with the mutex held.
    virtual qint64 nextStepAt() const = 0;
    // Called with the mutex held, after shared state changed: the loop runs
    // step() at once.
    void wakeLocked();

    // Guards everything that the GUI thread and the loop share. Never held
    // while a signal is emitted.
    mutable std::mutex mutex;

private:
    std::unique_ptr<WorkerClock> ownClock;
    WorkerClock *clock;
    std::condition_variable wakeUp;
    bool woken = false;
    std::atomic<bool> stopRequested{false};
    std::atomic<quint64> passCount{0};
};
