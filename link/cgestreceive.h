// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the ECU's cells into the ECU image, one cell per exchange.
//
// A read reply names its cell in byte 2, and a reply is only taken for the
// cell it names: an answer that comes after its time-out, while the next
// cell is awaited, would otherwise be stored one cell on and shift every
// value after it. Such a reply marks the pass as irregular, like a time-out,
// a reply of the wrong kind or a reply that nobody waits for. After such a
// pass the line falls quiet and every cell is read again: a result is then
// only reported once a pass without any surplus reply gives the same values
// as the pass before, at most three passes in all, the time-out budget
// shared by them. That still guards against noise that forges a reply for
// the right cell. Noise that the line skipped (markIrregular) makes a pass
// unconfirmed in the same way. A clean first pass is taken at once and
// costs no extra frame.

#include <QByteArray>
#include <QString>

#include "link/cgestworker.h"

class CGestReceive : public CGestWorker {
    Q_OBJECT
public:
    enum State {
        Send = 10,
        Wait = 11,
        Advance = 12,
        Quiet = 13,   // after a time-out, before the same cell is asked again
        Settle = 14,  // after the last cell of a clean pass: a reply still coming is a surplus
        Drain = 15,   // before a verification pass: the line falls quiet
        TimedOut = 100,
        Failed = 150,
        Done = 200,
        Idle = 800
    };
    static constexpr int MaxPasses = 3;

    // `image` is not owned and must outlive the thread. With `startThread`
    // false the loop is not started and step() is driven by the caller.
    CGestReceive(QByteArray *image, QObject *parent, int timeoutMs, int retries,
                 WorkerClock *clock = nullptr, bool startThread = true);
    ~CGestReceive() override;

    // GUI thread: empties the image and reads all cells of the layout that
    // `hwVersion` selects (50 or 90), from `fromIndex` on; cell i lands at
    // position i, the last one (the test-bench flag) included.
    void startReceive(uchar fromIndex, uchar hwVersion);
    // The same for `count` cells from `fromIndex` on (a read-back of cells
    // just written).
    void startReceiveCells(uchar fromIndex, int count);
    // Transport: the latest 8-byte reply.
    void setReply(const QByteArray &reply);
    // The line dropped noise or had to resynchronise while this read runs:
    // the pass cannot confirm anything.
    void markIrregular();
    // The link is gone or was closed: back to idle without an outcome.
    void abort();

    void step() override;
    int state() const;
    int retriesLeft() const;
    int cellCount() const;
    // A copy of the image taken under the worker's lock: the outcome signal
    // reaches the GUI thread through Qt's event queue, which alone does not
    // order the loop's last writes before the reader's reads.
    QByteArray imageCopy() const;
    // Passes over the cells in the current (or last) read: 1 for a clean one.
    // (Not the loop's passes(): those count every step of the thread.)
    int readPasses() const;

signals:
    void sgnSndByte(QByteArray frame);
    void sgnPercent(int percent);
    void sgnEsito(QString outcome);

protected:
    qint64 nextStepAt() const override;

private:
    // Called with the mutex held at the end of a pass: the next state.
    int judgePass();
    qint64 settleWindow() const;
    void begin(uchar from, int count);
    void beginPass();

    QByteArray *image;
    int stateValue = Idle;
    int retryReload;
    int retriesLeftValue;
    int timeoutMs;
    qint64 sentAt = 0;
    QByteArray replyBuffer;
    qint64 replyAt = 0;
    uchar fromIndex = 0;
    uchar cellIndex = 0;
    int cellCountValue = 50;

    // The current pass.
    int pass = 1;
    bool surplus = false;  // a reply that was not the single answer to a request
    bool missed = false;   // a time-out or a reply of the wrong kind
    bool irregular = false; // the line skipped noise or resynchronised
    qint64 lastSendAt = -1;
    qint64 maxPeriod = 0;    // between two consecutive requests
    qint64 maxLatency = 0;   // request to reply
    qint64 windowStart = 0;  // Quiet, Settle and Drain
    qint64 lastArrival = 0;  // latest reply seen during Drain
    QByteArray previousPass; // values of the pass before
};
