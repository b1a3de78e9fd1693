// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/devicelock.h"

#include "link/lockfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DeviceLock", text);
}

#ifdef Q_OS_UNIX
QString errnoString(int e)
{
    return QString::fromLocal8Bit(std::strerror(e));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, std::size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// A new lock file under `path`, complete and locked before it carries the
// name: written and flock()ed under a name of its own, then linked to `path`
// (which fails if anything carries that name, a link included). A reader
// never finds it half written. -1 with errno on failure.
int createLocked(const QByteArray &path)
{
    // QLockFile's layout (pid, program file name, host), which older versions read.
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QByteArray content = QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8()
        + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
    QByteArray scratch;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        scratch = path + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(scratch.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            return -1;
    }
    if (fd < 0)
        return -1;
    int e = 0;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !writeAll(fd, content))
        e = errno ? errno : EIO;
    else if (::link(scratch.constData(), path.constData()) != 0)
        e = errno;
    ::unlink(scratch.constData());
    if (e == EPERM || e == ENOTSUP || e == ENOSYS) {
        // A file system without hard links (FAT, some network ones): the
        // file is made under its name and locked at once instead.
        ::close(fd);
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && writeAll(fd, content))
            return fd;
        e = errno ? errno : EIO;
        ::unlink(path.constData());
    }
    if (e != 0) {
        ::close(fd);
        errno = e;
        return -1;
    }
    return fd;
}

// Removes a lock file that nobody holds, unless it changed in between.
bool takeOver(const QByteArray &path, int *error)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return errno == ENOENT;  // gone already: try again
    }
    struct stat mine {}, named {};
    bool ok = ::fstat(fd, &mine) == 0 && S_ISREG(mine.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    *error = ok ? 0 : EWOULDBLOCK;
    // Still the same file under the name: another taker may have made a new one.
    if (ok && ::lstat(path.constData(), &named) == 0 && named.st_ino == mine.st_ino && named.st_dev == mine.st_dev
        && ::unlink(path.constData()) != 0) {
        *error = errno;
        ok = false;
    }
    ::close(fd);
    return ok;
}
#endif

} // namespace

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

#ifdef Q_OS_UNIX

bool DeviceLock::acquire(const QString &key, QString *holder)
{
    release();
    const QString path = QDir(dir).filePath(lockFileName(key));
    const QByteArray native = QFile::encodeName(path);
    QString why;
    for (int attempt = 0; attempt < 5; ++attempt) {
        fd = createLocked(native);
        if (fd >= 0) {
            heldPath = path;
            lastFailure = Failure::None;
            return true;
        }
        if (errno != EEXIST) {
            // Not the device's fault: the folder (TMPDIR) is missing, a file,
            // read-only or full.
            lastFailure = Failure::Unusable;
            why = tr("impossibile creare il file di blocco %1 (%2)").arg(path, errnoString(errno));
            break;
        }
        const LockFileInfo info = LockFile::read(path);
        if (info.state == LockFileInfo::Missing)
            continue;  // released in between
        if (info.state != LockFileInfo::Regular) {
            lastFailure = Failure::Unusable;
            why = tr("il file di blocco %1 %2; toglilo: %3")
                      .arg(path, info.problem, LockFile::removeCommand(path, info));
            break;
        }
        if (info.locked) {
            lastFailure = Failure::Held;
            why = info.pid > 0 ? tr("in uso da %1 (processo %2)")
                                     .arg(info.app.isEmpty() ? QStringLiteral("?") : info.app)
                                     .arg(info.pid)
                               : tr("in uso da un altro programma");
            break;
        }
        // Nobody holds it: whatever it says, its program is gone.
        int e = 0;
        if (!takeOver(native, &e) && e != ENOENT) {
            lastFailure = e == EWOULDBLOCK ? Failure::Held : Failure::Unusable;
            why = e == EWOULDBLOCK ? tr("in uso da un altro programma")
                                   : tr("il file di blocco %1 è rimasto da un programma chiuso ma non si può "
                                        "togliere (%2); toglilo: %3")
                                         .arg(path, errnoString(e), LockFile::removeCommand(path, info));
            break;
        }
    }
    if (why.isEmpty()) {
        lastFailure = Failure::Held;
        why = tr("in uso da un altro programma");
    }
    if (holder)
        *holder = why;
    return false;
}

void DeviceLock::release()
{
    if (fd < 0)
        return;
    // Unlinked while still locked: a taker that opened it meanwhile finds
    // it gone from the folder and starts again.
    struct stat mine {}, named {};
    const QByteArray native = QFile::encodeName(heldPath);
    if (::fstat(fd, &mine) == 0 && ::lstat(native.constData(), &named) == 0 && named.st_ino == mine.st_ino
        && named.st_dev == mine.st_dev)
        ::unlink(native.constData());
    ::close(fd);
    fd = -1;
    heldPath.clear();
}

bool DeviceLock::isHeld() const
{
    return fd >= 0;
}

#else

bool DeviceLock::acquire(const QString &key, QString *holder)
{
    release();
    auto lock = std::make_unique<QLockFile>(QDir(dir).filePath(lockFileName(key)));
    // A lock left by a process that died is taken over (QLockFile checks
    // whether its owner still runs); a live one is never stolen.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        file = std::move(lock);
        lastFailure = Failure::None;
        return true;
    }
    lastFailure = lock->error() == QLockFile::LockFailedError ? Failure::Held : Failure::Unusable;
    if (holder) {
        qint64 pid = 0;
        QString host, app;
        if (lastFailure == Failure::Unusable)
            *holder = tr("impossibile creare il file di blocco %1 (%2)")
                          .arg(QDir(dir).filePath(lockFileName(key)), QStringLiteral("QLockFile %1").arg(int(lock->error())));
        else if (lock->getLockInfo(&pid, &host, &app))
            *holder = tr("in uso da %1 (processo %2)").arg(app.isEmpty() ? QStringLiteral("?") : app).arg(pid);
        else
            *holder = tr("in uso da un altro programma");
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

#endif
