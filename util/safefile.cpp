// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SafeFile {

namespace {

WriteHook &hook()
{
    static WriteHook h;
    return h;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("SafeFile", text);
}

#ifdef Q_OS_UNIX
// stat() without following the last link, then with: tells a loop of links
// and a dangling link from a missing file.
int statErrno(const QString &path, struct stat *st)
{
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), st) == 0)
        return 0;
    return errno;
}

bool writeAllBytes(int fd, const QByteArray &bytes, int *err)
{
    const char *p = bytes.constData();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        long n = hook() ? hook()(fd, p, left) : long(::write(fd, p, left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *err = n < 0 ? errno : ENOSPC;  // a write that writes nothing: no room
            return false;
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

// Fills a new, open file and proves it on disk; 0 or the errno value.
int fillFile(int fd, const QByteArray &bytes)
{
    int err = 0;
    if (!writeAllBytes(fd, bytes, &err))
        return err;
    if (::fsync(fd) != 0)
        return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size != bytes.size())
        return ENOSPC;
    return 0;
}

// O_EXCL with O_CREAT never follows a link, dangling or not.
constexpr int NewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
#endif

} // namespace

void setWriteHook(WriteHook h)
{
    hook() = std::move(h);
}

bool writeAll(int fd, const QByteArray &bytes, int *err)
{
#ifdef Q_OS_UNIX
    return writeAllBytes(fd, bytes, err);
#else
    const int n = ::_write(fd, bytes.constData(), unsigned(bytes.size()));
    if (n != bytes.size()) {
        *err = errno;
        return false;
    }
    return true;
#endif
}

int guardStandardStreams()
{
    static const int closed = [] {
        int found = 0;
#ifdef Q_OS_UNIX
        for (int fd = 0; fd <= 2; ++fd) {
            if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
                continue;
            found |= 1 << fd;
            // The lowest free number: this one, as those below are open.
            const int got = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
            if (got >= 0 && got != fd)
                ::close(got);
        }
#endif
        return found;
    }();
    return closed;
}

QString errnoText(int error)
{
    switch (error) {
#ifdef Q_OS_UNIX
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return tr("disco pieno");
    case EACCES:
    case EPERM:
        return tr("permesso negato");
    case EROFS:
        return tr("file system in sola lettura");
    case ELOOP:
        return tr("troppi collegamenti simbolici");
    case ENOENT:
        return tr("il file non esiste");
    case EIO:
        return tr("errore di ingresso/uscita");
#endif
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString whyNotReadable(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st {};
    const int e = statErrno(path, &st);
    if (e != 0)
        return errnoText(e);
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? tr("è una cartella") : tr("non è un file regolare");
    return QString();
#else
    const QFileInfo info(path);
    if (!info.exists())
        return tr("il file non esiste");
    if (info.isDir())
        return tr("è una cartella");
    if (!info.isFile())
        return tr("non è un file regolare");
    return QString();
#endif
}

#ifdef Q_OS_UNIX
bool readDescriptor(int fd, qint64 limit, QByteArray *bytes, QString *error)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = tr("non è un file regolare");
        return false;
    }
    // Sized by the file, not the limit: a file of 1 KiB must not cost a
    // buffer of 1 MiB.
    QByteArray data(int(qMin<qint64>(limit, st.st_size + 1)), Qt::Uninitialized);
    qint64 got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, std::size_t(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            if (error)
                *error = errnoText(e);
            return false;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    data.resize(int(got));
    *bytes = data;
    return true;
}
#endif

bool read(const QString &path, qint64 maxBytes, QByteArray *bytes, QString *error)
{
    const QString why = whyNotReadable(path);
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    const qint64 size = QFileInfo(path).size();
    if (size > maxBytes) {
        if (error)
            *error = tr("il file è di %1 byte").arg(size);
        return false;
    }
#ifdef Q_OS_UNIX
    // O_NONBLOCK: should the path have turned into a FIFO since the check,
    // opening it still cannot block.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    QByteArray data;
    if (!readDescriptor(fd, maxBytes + 1, &data, error))
        return false;
    const qint64 got = data.size();
    if (got > maxBytes) {
        if (error)
            *error = tr("il file è di più di %1 byte").arg(maxBytes);
        return false;
    }
    *bytes = data;
    return true;
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray data = file.read(maxBytes + 1);
    if (data.size() > maxBytes) {
        if (error)
            *error = tr("il file è di più di %1 byte").arg(maxBytes);
        return false;
    }
    *bytes = data;
    return true;
#endif
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
#ifdef Q_OS_UNIX
    // Qt's QSaveFile writes to the target of a link; this writer replaces
    // only a regular file, through a temporary file of its own beside it.
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    const bool exists = ::lstat(native.constData(), &st) == 0;
    QString refused;
    if (exists && S_ISLNK(st.st_mode))
        refused = tr("è un collegamento simbolico");
    else if (exists && !S_ISREG(st.st_mode))
        refused = S_ISDIR(st.st_mode) ? tr("è una cartella") : tr("non è un file regolare");
    else if (exists && ::access(native.constData(), W_OK) != 0)
        refused = errnoText(errno);  // a file the user may not write is not replaced either
    if (!refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = native + ".tmp" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), NewFileFlags, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    int err = exists && ::fchmod(fd, st.st_mode & 07777) != 0 ? errno : 0;
    if (err == 0)
        err = fillFile(fd, bytes);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temporary.constData(), native.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temporary.constData());
        if (error)
            *error = errnoText(err);
        return false;
    }
    // The rename is done; check what now carries the name.
    if (::lstat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != bytes.size()) {
        if (error)
            *error = tr("il file scritto ha una dimensione errata");
        return false;
    }
    return true;
#else
    const QFileInfo target(path);
    if (target.isSymLink() || (target.exists() && !target.isFile())) {
        if (error)
            *error = target.isSymLink() ? tr("è un collegamento simbolico")
                     : target.isDir()   ? tr("è una cartella")
                                        : tr("non è un file regolare");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        if (error)
            *error = why;
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (QFileInfo(path).size() != bytes.size()) {
        if (error)
            *error = tr("il file scritto ha una dimensione errata");
        return false;
    }
    return true;
#endif
}

bool create(const QString &path, const QByteArray &bytes, QString *error, bool *exists)
{
    if (exists)
        *exists = false;
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), NewFileFlags, 0666);
    if (fd < 0) {
        const int e = errno;
        if (exists)
            *exists = e == EEXIST;
        if (error)
            *error = e == EEXIST ? tr("il file esiste già") : errnoText(e);
        return false;
    }
    int err = fillFile(fd, bytes);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        ::unlink(native.constData());  // ours: created by the open above
        if (error)
            *error = errnoText(err);
        return false;
    }
    return true;
#else
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        const bool there = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
        if (exists)
            *exists = there;
        if (error)
            *error = there ? tr("il file esiste già") : file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.close();
        file.remove();
        if (error)
            *error = why;
        return false;
    }
    return true;
#endif
}

} // namespace SafeFile
