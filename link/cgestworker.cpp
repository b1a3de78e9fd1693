// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/cgestworker.h"

#include <chrono>

CGestWorker::CGestWorker(QObject *parent, WorkerClock *externalClock)
    : QThread(parent), clock(externalClock)
{
    if (!clock) {
        ownClock = std::make_unique<ElapsedClock>();
        clock = ownClock.get();
    }
}

CGestWorker::~CGestWorker()
{
    stopThread();
}

void CGestWorker::stopThread()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopRequested = true;
        woken = true;
    }
    wakeUp.notify_all();
    wait();
    // The loop's last pass ended under this lock: taking it orders everything
    // the thread did before whatever the destructors do next, in a way that
    // the thread sanitizer can see (QThread::wait alone is invisible to it).
    std::lock_guard<std::mutex> lock(mutex);
}

qint64 CGestWorker::nextStep() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return nextStepAt();
}

void CGestWorker::wakeLocked()
{
    woken = true;
    wakeUp.notify_all();
}

void CGestWorker::run()
{
    // The longest single sleep: a guard against a clock that a test moves by
    // hand, never needed by the real one.
    constexpr qint64 maxSleepMs = 1000;
    while (!stopRequested) {
        step();
        ++passCount;
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            if (woken || stopRequested)
                break;
            const qint64 at = nextStepAt();
            const qint64 now = nowMs();
            if (at <= now)
                break;
            if (at == Never)
                wakeUp.wait(lock);
            else
                wakeUp.wait_for(lock, std::chrono::milliseconds(std::min(at - now, maxSleepMs)));
        }
        woken = false;
    }
    std::lock_guard<std::mutex> lock(mutex);
}
