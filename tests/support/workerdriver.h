// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One driver for the three worker state machines: a worker whose thread is
// never started, stepped pass by pass on a manual clock, the line it talks
// to and the ECU memory at the far end. Time moves only between passes, so a
// case can place a reply before, at or after a time-out to the millisecond.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMultiMap>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>
#include <type_traits>

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/protocol.h"
#include "link/workerclock.h"

// The unit's answers as the simulator gives them: a write is stored and
// acknowledged, a read answered with the cell's value and its address in
// byte 2, a poll with `poll`.
struct EcuMemory {
    QByteArray cells = QByteArray(90, '\0');
    QByteArray poll = replyFrame(Protocol::KindPollReply);
    QByteArray answer(const QByteArray &frame);
    // kind, b1, b2, zeros, checksum.
    static QByteArray replyFrame(uchar kind, uchar b1 = 0, uchar b2 = 0);
};
QByteArray ackReply(uchar value = 0, uchar address = 0);
QByteArray readReply(uchar value, uchar address);
// Distinct values, so that a value one cell off always shows.
QByteArray distinctCells(int n);

// The line between a worker and the memory. Replies come in in order while
// the frame is still going out (as a HID exchange answers before the
// worker's step returns): each frame sent lets the oldest reply on the way
// in. Faults are named by frame number, counted from 1 as `frames` grows:
//   late         its reply is held back until the next frame goes out
//                (an answer that misses its time-out and meets the resend);
//   forgedBefore noise shaped as a read reply for the very cell asked
//                comes in ahead of its own reply;
//   lost         its reply never comes;
//   spoilt       its reply carries this value instead;
//   delays       its reply comes in once this many ms have passed,
//                whatever overtakes it (latencyMs: every reply's delay);
//   strayAfter   this comes in one pass after the frame went out, when an
//                exchange on a quick unit is over and nobody waits;
//   noisy        the line skips noise as the frame goes out, and tells the
//                reader so (as the session does for its framer).
// A reply left on the way while no frame goes out comes in after
// trailingMs.
class ModelLine {
public:
    EcuMemory ecu;
    // What the far end says to a frame; empty: nothing. Null: the memory.
    std::function<QByteArray(const QByteArray &)> answer;
    QSet<int> late;
    QSet<int> forgedBefore;
    QSet<int> lost;
    QMap<int, uchar> spoilt;
    QMap<int, int> delays;
    int latencyMs = 0;
    QMap<int, QByteArray> strayAfter;
    QSet<int> noisy;
    int trailingMs = 30;

    QList<QByteArray> frames;  // every frame sent, in order
    QList<qint64> sentAt;      // and when

    void fallSilent()
    {
        answer = [](const QByteArray &) { return QByteArray(); };
    }
    // The far end answers every frame but those its `first` tries of a cell
    // for which `which(address)` holds.
    void loseFirstTries(std::function<bool(int address)> which, int first = 1);

    // Wiring, done by the driver.
    void attach(std::function<void(const QByteArray &)> handIn, std::function<void()> noise,
                const WorkerClock *clock);
    void onFrame(const QByteArray &frame);
    void afterStep();

private:
    void deliver();
    std::function<void(const QByteArray &)> hand;
    std::function<void()> markNoise;
    const WorkerClock *clock = nullptr;
    qint64 lastFrameAt = 0;
    QList<QByteArray> onTheWay;
    QMultiMap<qint64, QByteArray> due;
    bool holding = false;
};

template <typename Worker>
class WorkerDriver {
    static constexpr bool live = std::is_same_v<Worker, CGestRT>;

public:
    // The session's time-outs and budgets: 500 ms and 20 for a transfer,
    // 300 ms and 30 for live data.
    explicit WorkerDriver(int timeoutMs = live ? 300 : 500, int retries = live ? 30 : 20)
    {
        if constexpr (live) {
            worker = std::make_unique<CGestRT>(nullptr, timeoutMs, retries, &clock, false);
            QObject::connect(worker.get(), &CGestRT::sgnError, [this](const QString &o) { outcomes << o; });
        } else {
            worker = std::make_unique<Worker>(&image, nullptr, timeoutMs, retries, &clock, false);
            QObject::connect(worker.get(), &Worker::sgnEsito, [this](const QString &o) { outcomes << o; });
            QObject::connect(worker.get(), &Worker::sgnPercent, [this](int p) { percents << p; });
        }
        Worker *w = worker.get();
        std::function<void()> noise;
        if constexpr (std::is_same_v<Worker, CGestReceive>)
            noise = [w] { w->markIrregular(); };
        line.attach([w](const QByteArray &reply) { w->setReply(reply); }, noise, &clock);
        QObject::connect(w, &Worker::sgnSndByte, [this](const QByteArray &f) { line.onFrame(f); });
    }

    Worker &w() { return *worker; }
    void pass()
    {
        worker->step();
        line.afterStep();
        clock.advance(CGestWorker::StepSleepMs);
    }
    void run(int passes)
    {
        while (passes-- > 0)
            pass();
    }
    // Passes until `done` holds, at most `limit`; returns done().
    template <typename Pred>
    bool runUntil(Pred done, int limit = 100000)
    {
        while (!done() && limit-- > 0)
            pass();
        return done();
    }
    bool runToIdle(int limit = 100000)
    {
        pass();
        return runUntil([this] { return worker->state() == 800; }, limit);
    }

    ManualClock clock;
    QByteArray image;  // a transfer's ECU image
    ModelLine line;
    QStringList outcomes;  // OK_SND, KO_RCV...; the live thread's errors
    QList<int> percents;

private:
    std::unique_ptr<Worker> worker;
};
