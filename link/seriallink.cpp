// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/seriallink.h"

#include "link/lockfile.h"
#include "link/serialline.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// Whether this user may open the device node at all: a refusal by a node we
// may open means somebody else has the port.
bool mayOpen(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(path);
    return true;
#endif
}
} // namespace

SerialLink::SerialLink(const QString &path, const QString &lockDir, QObject *parent)
    : EcuLink(parent), path(path), lock(lockDir)
{
    serial.setPortName(path);
    SerialLine::configure(&serial);
    connect(&serial, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
    connect(&serial, &QSerialPort::errorOccurred, this, &SerialLink::onError);
    clock.start();
}

SerialLink::~SerialLink()
{
    close();
}

bool SerialLink::open()
{
    if (serial.isOpen())
        return true;
    setOpenError(OpenError::None, QString());
    QString holder;
    if (!lock.acquire(path, &holder)) {
        if (lock.failure() == DeviceLock::Failure::Held)
            setOpenError(OpenError::Busy, tr("La porta %1 è occupata: %2").arg(path, holder));
        else
            setOpenError(OpenError::Failed, tr("La porta %1 non si può riservare: %2").arg(path, holder));
        return false;
    }
    // Qt's serial port reads the port's lock file by itself, and a FIFO or a
    // link to /dev/zero there would hang or drain it for ever.
    const QString lockProblem = LockFile::serialLockProblem(path);
    if (!lockProblem.isEmpty()) {
        lock.release();
        setOpenError(OpenError::Failed, tr("La porta %1 non si può riservare: %2").arg(path, lockProblem));
        return false;
    }
    if (!SerialLine::open(&serial)) {
        const QSerialPort::SerialPortError e = serial.error();
        const QString why = serial.errorString();
        serial.clearError();
        lock.release();
        if (e == QSerialPort::DeviceNotFoundError)
            setOpenError(OpenError::Missing, tr("La porta %1 non esiste").arg(path));
        else if (e == QSerialPort::PermissionError && mayOpen(path))
            setOpenError(OpenError::Busy, tr("La porta %1 è occupata da un altro programma").arg(path));
        else if (e == QSerialPort::PermissionError)
            setOpenError(OpenError::PermissionDenied, tr("Permesso negato sulla porta %1").arg(path));
        else
            setOpenError(OpenError::Failed, tr("Impossibile aprire la porta %1: %2").arg(path, why));
        return false;
    }
    framer.reset();
    return true;
}

void SerialLink::close()
{
    if (serial.isOpen())
        serial.close();
    serial.clearError();
    framer.reset();
    lock.release();
}

bool SerialLink::isOpen() const
{
    return serial.isOpen();
}

void SerialLink::send(const QByteArray &frame)
{
    if (!serial.isOpen())
        return;
    // One request, one reply: what is left of an earlier reply is stale.
    if (framer.reset()) {
        ++counters.resyncs;
        emit irregularity(0, 1);
    }
    ++counters.framesSent;
    serial.write(frame);
}

void SerialLink::onReadyRead()
{
    const QByteArray bytes = serial.readAll();
    const ReplyFramer::Result r = framer.feed(bytes, clock.elapsed());
    account(r);
    for (const QByteArray &reply : r.replies) {
        ++counters.replies;
        emit replyReceived(reply);
        if (!serial.isOpen())  // a receiver closed the link
            return;
    }
}

void SerialLink::account(const ReplyFramer::Result &r)
{
    if (r.skipped == 0 && r.resyncs == 0)
        return;
    counters.skippedBytes += r.skipped;
    counters.resyncs += r.resyncs;
    emit irregularity(r.skipped, r.resyncs);
}

void SerialLink::onError(QSerialPort::SerialPortError error)
{
    // A port whose device went away keeps raising errors while it stays
    // open: close it once and say so.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (!serial.isOpen())
        return;
    const QString detail = serial.errorString();
    const bool gone = error == QSerialPort::ResourceError || !QFileInfo::exists(path);
    close();
    emit linkLost(gone ? LossReason::Unplugged : LossReason::ReadError, detail);
}
