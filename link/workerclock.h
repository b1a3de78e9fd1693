// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Milliseconds for the worker threads' time-outs. The default clock is
// monotonic (QElapsedTimer); tests use the manual clock to move time by hand,
// so that a state machine can be driven step by step without sleeping.

#include <QElapsedTimer>
#include <QtGlobal>
#include <atomic>

class WorkerClock {
public:
    virtual ~WorkerClock();
    // Milliseconds since some fixed point; never goes backwards.
    virtual qint64 nowMs() const = 0;
};

class ElapsedClock : public WorkerClock {
public:
    ElapsedClock() { timer.start(); }
    qint64 nowMs() const override { return timer.elapsed(); }

private:
    QElapsedTimer timer;
};

class ManualClock : public WorkerClock {
public:
    qint64 nowMs() const override { return now.load(); }
    void advance(qint64 ms) { now += ms; }
    void set(qint64 ms) { now = ms; }

private:
    std::atomic<qint64> now{0};
};
