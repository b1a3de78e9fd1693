#pragma once
// The live-data thread: polls the ECU while the live link is on, sends the
// queued single-cell writes (K, test bench) and hands the main window's
// command words back once it is idle, so that only one party talks to the
// ECU at a time.

#include <QByteArray>
#include <QList>
#include <QString>

#include "link/cgestworker.h"

class CGestRT : public CGestWorker {
    Q_OBJECT
public:
    enum State {
        SendPoll = 10, WaitPoll = 11, Deliver = 12,
        SendQueued = 20, WaitAck = 21, ExchangeDone = 22,
        TimedOut = 100, Failed = 150, Idle = 800
    };

    CGestRT(QObject *parent, int replyTimeout, int retryReload, WorkerClock *clock = nullptr,
            bool startThread = true);
    ~CGestRT() override;

    // GUI thread operations.
    void startPolling();
    void stopPolling();
    void setCmd(const QString &cmd);
    void setReply(const QByteArray &reply);
    void queueInjectionK(int k, uchar hwVersion);
    void queueBenchOn(uchar hwVersion);
    void queueBenchOff(uchar hwVersion);

    void step() override;
    int state() const;
    bool isPolling() const;
    int retryCount() const;
    int queuedFrames() const;

signals:
    void sgnSndByte(QByteArray frame);
    void sgnRpm(int rpm);
    void sgnADC(uchar adc);
    void sgnIdxCella(uchar index);
    void sgnValCella(uchar value);
    void sgnError(QString msg);
    void sgnExecCmd(QString cmd);

private:
    int stateValue = Idle;
    int retryReload;
    int retryCountValue;
    bool polling = false;
    int replyTimeout;
    qint64 sentAt = 0;
    QByteArray replyBuffer;
    QByteArray lastPoll;  // the poll reply being delivered
    QList<QByteArray> sendQueue;
    QByteArray inFlight;  // the queued frame being exchanged (sent again on a time-out)
    QString pendingCmd;
};
