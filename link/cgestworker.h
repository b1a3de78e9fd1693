#pragma once
// Common base of the three worker threads. run() is a thin loop around one
// step() of the derived state machine, with a 10 ms sleep after every step.
// The loop ends cooperatively: a stop request is tested once per pass.

#include <mutex>
#include <QThread>
#include <atomic>
#include <memory>

#include "link/workerclock.h"

class CGestWorker : public QThread {
    Q_OBJECT
public:
    static constexpr int StepSleepMs = 10;

    // `clock` is not owned; null selects a private monotonic clock.
    CGestWorker(QObject *parent, WorkerClock *clock);
    ~CGestWorker() override;

    // One pass of the state machine. Called by run(); tests call it directly
    // on a worker whose thread was never started.
    virtual void step() = 0;

    // Asks the loop to end after its current pass and waits for it. Every
    // derived destructor calls it first, before its own members go away.
    void stopThread();

protected:
    void run() override;
    qint64 nowMs() const { return clock->nowMs(); }

    // Guards everything that the GUI thread and the loop share. Never held
    // while a signal is emitted.
    mutable std::mutex mutex;

private:
    std::unique_ptr<WorkerClock> ownClock;
    WorkerClock *clock;
    std::atomic<bool> stopRequested{false};
};
