#pragma once
// Reads the ECU's cells into the ECU image, one cell per exchange.

#include <QByteArray>
#include <QString>

#include "link/cgestworker.h"

class CGestReceive : public CGestWorker {
    Q_OBJECT
public:
    enum State { Send = 10, Wait = 11, Advance = 12, TimedOut = 100, Failed = 150, Done = 200, Idle = 800 };

    // `image` is not owned and must outlive the thread. With `startThread`
    // false the loop is not started and step() is driven by the caller.
    CGestReceive(QByteArray *image, QObject *parent, int timeoutMs, int retries,
                 WorkerClock *clock = nullptr, bool startThread = true);
    ~CGestReceive() override;

    // GUI thread: empties the image and reads all cells of the layout that
    // `hwVersion` selects (50 or 90), from `fromIndex` on; cell i lands at
    // position i, the last one (the test-bench flag) included.
    void startReceive(uchar fromIndex, uchar hwVersion);
    // Transport: the latest 8-byte reply.
    void setReply(const QByteArray &reply);

    void step() override;
    int state() const;
    int retriesLeft() const;
    int cellCount() const;

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
    int cellCountValue = 50;
};
