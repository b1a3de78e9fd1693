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
}

void CGestWorker::run()
{
    while (!stopRequested) {
        step();
        msleep(StepSleepMs);
    }
}
