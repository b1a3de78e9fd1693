// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the ECU image into the ECU, one cell per exchange.

#include <QByteArray>
#include <QString>

#include "link/cgestworker.h"

class CGestSend : public CGestWorker {
    Q_OBJECT
public:
    enum State { Send = 10, Wait = 11, Advance = 12, TimedOut = 100, Failed = 150, Done = 200, Idle = 800 };

    // `image` is not owned and must outlive the thread. With `startThread`
    // false the loop is not started and step() is driven by the caller.
    CGestSend(QByteArray *image, QObject *parent, int timeoutMs, int retries,
              WorkerClock *clock = nullptr, bool startThread = true);
    ~CGestSend() override;

    // GUI thread: write the image from cell `fromIndex` on.
    void startSend(uchar fromIndex);
    // GUI thread, while idle: the cells the next startSend() writes. The
    // image is replaced under the worker's lock, so that the loop's last
    // reads of it are ordered before the change.
    void setImage(const QByteArray &cells);
    // Transport: the latest 8-byte reply.
    void setReply(const QByteArray &reply);
    // The link is gone or was closed: back to idle without an outcome.
    void abort();

    void step() override;
    int state() const;
    int retriesLeft() const;

protected:
    qint64 nextStepAt() const override;

signals:
    void sgnSndByte(QByteArray frame);
    void sgnPercent(int percent);
    void sgnEsito(QString outcome);

private:
    QByteArray *image;
    int stateValue = Idle;
    int retryReload;
    int retriesLeftValue;
    int timeoutMs;
    qint64 sentAt = 0;
    QByteArray replyBuffer;
    uchar cellIndex = 0;
};
