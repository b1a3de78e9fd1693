// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live-data thread: polls the ECU while the live link is on, sends the
// queued single-cell writes (K, test bench) and hands the main window's
// command words back once it is idle, so that only one party talks to the
// ECU at a time.
//
// Polls are paced by PollPeriodMs (about 33 a second), not by the loop. A
// poll whose answer is late is sent again only while polling is still on:
// once polling is off (a command, live data off, a disconnect) nothing is
// retried that nobody waits for. When the thread gives up (30 time-outs in
// a row) the queued writes and a pending command word are dropped; the word
// is reported through sgnCmdDropped, so that whoever asked for it can free
// its controls.

#include <QByteArray>
#include <QList>
#include <QString>

#include "link/cgestworker.h"
#include "link/protocol.h"

class CGestRT : public CGestWorker {
    Q_OBJECT
public:
    enum State {
        SendPoll = 10, WaitPoll = 11, Deliver = 12,
        SendQueued = 20, WaitAck = 21, ExchangeDone = 22,
        TimedOut = 100, Failed = 150, Idle = 800
    };
    static constexpr int PollPeriodMs = 30;

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
    // The link is gone or was closed: polling off, queue and pending word
    // dropped, idle. Returns the word that was pending, if any.
    QString reset();

    void step() override;
    int state() const;
    bool isPolling() const;
    int retryCount() const;
    int queuedFrames() const;
    QString pendingCommand() const;

protected:
    qint64 nextStepAt() const override;

signals:
    void sgnSndByte(QByteArray frame);
    // One poll's live data, whole: engine speed, probe level, the cell in
    // use and its value.
    void sgnLive(Protocol::PollData data);
    void sgnError(QString msg);
    void sgnExecCmd(QString cmd);
    void sgnCmdDropped(QString cmd);
    // One poll went unanswered (its time-out expired).
    void sgnPollLost();

private:
    void queue(const QByteArray &frame);

    int stateValue = Idle;
    int retryReload;
    int retryCountValue;
    bool polling = false;
    int replyTimeout;
    qint64 sentAt = 0;
    qint64 lastPollAt = -1;
    QByteArray replyBuffer;
    QByteArray lastPoll;  // the poll reply being delivered
    QList<QByteArray> sendQueue;
    QByteArray inFlight;  // the queued frame being exchanged (sent again on a time-out)
    QString pendingCmd;
};
