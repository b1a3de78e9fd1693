// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records the session's live data into a data log while asked to: one new
// file per recording, flushed at least every second. A log that cannot be
// written (a full disk, a folder that went away) stops the recording and
// says why; the live link itself is never touched.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

#include "session/datalog.h"

class EcuSession;

class LiveRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr int FlushMs = 1000;

    explicit LiveRecorder(EcuSession *session, QObject *parent = nullptr);
    ~LiveRecorder() override;

    // A new file in `folder` (made when missing), named by date and time.
    bool start(const QString &folder, QString *error);
    // A new file at `path` (never replacing one).
    bool startFile(const QString &path, QString *error);
    void stop();
    bool isRecording() const { return log.isOpen(); }
    QString path() const { return log.path(); }
    qint64 lines() const { return log.linesWritten() + log.pendingLines(); }
    // A wideband's latest AFR (NaN: none yet) goes into an afr column of
    // the recordings started after this; an empty function: no column.
    void setAfrSource(std::function<double()> source) { afrSource = std::move(source); }

signals:
    // The recording ended; `error` says why when it was not asked to.
    void stopped(const QString &error);

private:
    void onLive(const Protocol::PollData &data);
    void flushNow();

    EcuSession *session;
    DataLog log;
    QElapsedTimer elapsed;
    QTimer flushTimer;
    std::function<double()> afrSource;
};
