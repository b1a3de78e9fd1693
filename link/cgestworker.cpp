#include "link/cgestworker.h"

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
    stopRequested = true;
    wait();
    // The loop's last pass ended under this lock: taking it orders everything
    // the thread did before whatever the destructors do next, in a way that
    // the thread sanitizer can see (QThread::wait alone is invisible to it).
    std::lock_guard<std::mutex> lock(mutex);
}

void CGestWorker::run()
{
    while (!stopRequested) {
        step();
        msleep(StepSleepMs);
    }
    std::lock_guard<std::mutex> lock(mutex);
}
