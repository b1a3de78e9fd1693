#include "link/devicelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QRegularExpression>

DeviceLock::DeviceLock(const QString &directory)
    : dir(directory.isEmpty() ? QDir::tempPath() : directory)
{
}

DeviceLock::~DeviceLock()
{
    release();
}

QString DeviceLock::lockFileName(const QString &key)
{
    QString safe = key;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return QStringLiteral("tervalix-%1.lock").arg(safe);
}

bool DeviceLock::acquire(const QString &key, QString *holder)
{
    release();
    auto lock = std::make_unique<QLockFile>(QDir(dir).filePath(lockFileName(key)));
    // A lock left by a process that died is taken over (QLockFile checks
    // whether its owner still runs); a live one is never stolen.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        file = std::move(lock);
        return true;
    }
    if (holder) {
        qint64 pid = 0;
        QString host, app;
        if (lock->getLockInfo(&pid, &host, &app))
            *holder = QCoreApplication::translate("DeviceLock", "in uso da %1 (processo %2)")
                          .arg(app.isEmpty() ? QStringLiteral("?") : app)
                          .arg(pid);
        else
            *holder = QCoreApplication::translate("DeviceLock", "in uso da un altro programma");
    }
    return false;
}

void DeviceLock::release()
{
    if (file) {
        file->unlock();
        file.reset();
    }
}

bool DeviceLock::isHeld() const
{
    return file && file->isLocked();
}
