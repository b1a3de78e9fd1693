// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/lockfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace LockFile {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("LockFile", text);
}

void parse(const QByteArray &content, LockFileInfo *info)
{
    const QList<QByteArray> lines = content.split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&number);
    info->pid = number && pid > 0 && pid <= MaxPid ? pid : 0;
    info->app = QString::fromUtf8(lines.value(1).trimmed().left(255));
}

#ifdef Q_OS_UNIX
QString kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return tr("è un collegamento simbolico");
    if (S_ISDIR(mode))
        return tr("è una cartella");
    if (S_ISFIFO(mode))
        return tr("è una FIFO");
    if (S_ISSOCK(mode))
        return tr("è un socket");
    return tr("è un dispositivo");
}

// unlink() rights: write access to the folder and, in a sticky folder such
// as /tmp, owning the file or the folder.
bool mayRemove(const QString &path, const struct stat &st)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat ds {};
    if (::stat(dir.constData(), &ds) != 0 || ::access(dir.constData(), W_OK | X_OK) != 0)
        return false;
    const uid_t me = ::geteuid();
    return !(ds.st_mode & S_ISVTX) || me == 0 || st.st_uid == me || ds.st_uid == me;
}
#endif

} // namespace

LockFileInfo read(const QString &path)
{
    LockFileInfo info;
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            info.state = LockFileInfo::Unreadable;
            info.problem = tr("non si può leggere (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        }
        return info;
    }
    info.owner = st.st_uid;
    info.ageSeconds = std::max<qint64>(0, QDateTime::currentSecsSinceEpoch() - qint64(st.st_mtime));
    info.removable = mayRemove(path, st);
    if (!S_ISREG(st.st_mode)) {
        info.state = LockFileInfo::NotRegular;
        info.directory = S_ISDIR(st.st_mode);
        info.problem = kindOf(st.st_mode);
        return info;
    }
    // O_NONBLOCK: should the name have become a FIFO since the lstat, the
    // open still returns at once (and fstat then tells).
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        info.state = errno == ELOOP ? LockFileInfo::NotRegular : LockFileInfo::Unreadable;
        info.problem = errno == ELOOP ? tr("è un collegamento simbolico")
                                      : tr("non si può leggere (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return info;
    }
    struct stat fst {};
    if (::fstat(fd, &fst) != 0 || !S_ISREG(fst.st_mode)) {
        ::close(fd);
        info.state = LockFileInfo::NotRegular;
        info.problem = kindOf(fst.st_mode);
        return info;
    }
    QByteArray content(MaxBytes + 1, '\0');
    int got = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd, content.data() + got, std::size_t(content.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += int(n);
    }
    // A shared probe: it fails only while someone holds the lock itself.
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0)
        ::flock(fd, LOCK_UN);
    else
        info.locked = errno == EWOULDBLOCK;
    ::close(fd);
    info.state = LockFileInfo::Regular;
    info.tooLarge = got > MaxBytes || fst.st_size > MaxBytes;
    content.resize(std::min(got, MaxBytes));
    parse(content, &info);
#else
    const QFileInfo fi(path);
    if (!fi.exists() && !fi.isSymLink())
        return info;
    info.ageSeconds = std::max<qint64>(0, fi.lastModified().secsTo(QDateTime::currentDateTime()));
    info.removable = true;
    if (!fi.isFile() || fi.isSymLink()) {
        info.state = LockFileInfo::NotRegular;
        info.directory = fi.isDir();
        info.problem = fi.isDir() ? tr("è una cartella") : tr("è un collegamento simbolico");
        return info;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        info.state = LockFileInfo::Unreadable;
        info.problem = tr("non si può leggere (%1)").arg(f.errorString());
        return info;
    }
    const QByteArray content = f.read(MaxBytes + 1);
    info.state = LockFileInfo::Regular;
    info.tooLarge = content.size() > MaxBytes || fi.size() > MaxBytes;
    parse(content.left(MaxBytes), &info);
#endif
    return info;
}

QString removeCommand(const QString &path, const LockFileInfo &info)
{
    QString quoted = path;
    if (!QRegularExpression(QStringLiteral("^[A-Za-z0-9_./+:=@%-]+$")).match(path).hasMatch())
        quoted = QLatin1Char('\'') + QString(path).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
    return (info.removable ? QString() : QStringLiteral("sudo "))
        + (info.directory ? QStringLiteral("rmdir ") : QStringLiteral("rm -f ")) + quoted;
}

bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid > MaxPid)
        return false;
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    return true;
#endif
}

QString serialPortLockFile(const QString &portPath)
{
#ifdef Q_OS_UNIX
    // Qt's serial port names its lock after the path below /dev, '/' made
    // '_', in the first of these folders that it may read and either holds
    // the file or may be written to.
    static const QStringList folders = {
        QStringLiteral("/var/lock"),  QStringLiteral("/etc/locks"), QStringLiteral("/var/spool/locks"),
        QStringLiteral("/var/spool/uucp"), QStringLiteral("/tmp"), QStringLiteral("/var/tmp"),
        QStringLiteral("/var/lock/lockdev"), QStringLiteral("/run/lock")};
    QString name = portPath.startsWith(QLatin1String("/dev/")) ? portPath.mid(5) : portPath;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.prepend(QLatin1String("/LCK.."));
    for (const QString &folder : folders) {
        const QFileInfo dir(folder);
        if (!dir.isReadable())
            continue;
        const QString file = folder + name;
        struct stat st {};
        const bool there = ::lstat(QFile::encodeName(file).constData(), &st) == 0;
        if (there || dir.isWritable())
            return there ? file : QString();
    }
#else
    Q_UNUSED(portPath);
#endif
    return QString();
}

QString serialLockProblem(const QString &portPath)
{
    const QString file = serialPortLockFile(portPath);
    if (file.isEmpty())
        return QString();
    const LockFileInfo info = read(file);
    if (info.state == LockFileInfo::NotRegular || info.state == LockFileInfo::Unreadable)
        return tr("il file di blocco %1 %2; toglilo: %3").arg(file, info.problem, removeCommand(file, info));
    if (info.state == LockFileInfo::Regular && info.tooLarge)
        return tr("il file di blocco %1 è troppo grande per essere un file di blocco; toglilo: %2")
            .arg(file, removeCommand(file, info));
    return QString();
}

} // namespace LockFile
