// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/liverecorder.h"

#include "session/ecusession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

LiveRecorder::LiveRecorder(EcuSession *session, QObject *parent) : QObject(parent), session(session)
{
    flushTimer.setInterval(FlushMs);
    connect(&flushTimer, &QTimer::timeout, this, &LiveRecorder::flushNow);
}

LiveRecorder::~LiveRecorder()
{
    log.close(nullptr);
}

bool LiveRecorder::start(const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QCoreApplication::translate("LiveRecorder", "impossibile creare la cartella %1")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QDateTime now = QDateTime::currentDateTime();
    QString path = QDir(folder).filePath(DataLog::fileName(now));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(DataLog::fileName(now).replace(QStringLiteral(".csv"),
                                                                     QStringLiteral("_%1.csv").arg(n)));
    return startFile(path, error);
}

bool LiveRecorder::startFile(const QString &path, QString *error)
{
    stop();
    log.setAfrColumn(bool(afrSource));
    if (!log.open(path, error))
        return false;
    elapsed.start();
    connect(session, &EcuSession::liveData, this, &LiveRecorder::onLive, Qt::UniqueConnection);
    flushTimer.start();
    return true;
}

void LiveRecorder::stop()
{
    if (!log.isOpen())
        return;
    disconnect(session, &EcuSession::liveData, this, &LiveRecorder::onLive);
    flushTimer.stop();
    QString error;
    log.close(&error);
    emit stopped(error);
}

void LiveRecorder::onLive(const Protocol::PollData &data)
{
    if (afrSource)
        log.append(QDateTime::currentDateTime(), elapsed.elapsed(), data, afrSource());
    else
        log.append(QDateTime::currentDateTime(), elapsed.elapsed(), data);
}

void LiveRecorder::flushNow()
{
    QString error;
    if (log.flush(&error))
        return;
    // Nothing more can be recorded; what is on disk stays.
    disconnect(session, &EcuSession::liveData, this, &LiveRecorder::onLive);
    flushTimer.stop();
    log.close(nullptr);
    emit stopped(error);
}
