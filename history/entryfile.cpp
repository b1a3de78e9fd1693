#include "history/entryfile.h"

#include "util/safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace EntryFile {

Read read(const QString &path, int maxBytes, QByteArray *bytes, QString *why)
{
#ifdef Q_OS_UNIX
    // One open, one fstat, one read: no stat of the name beforehand, which a
    // list of a thousand entries would pay twice per file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        if (e == ENOENT)
            return Read::Missing;
        *why = e == ELOOP ? QCoreApplication::translate("SafeFile", "è un collegamento simbolico")
                          : SafeFile::errnoText(e);
        return Read::Refused;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *why = QCoreApplication::translate("SafeFile", "non è un file regolare");
        return Read::Refused;
    }
    // Sized by the file, not the limit: a sidecar of 1 KiB must not cost a
    // buffer of 1 MiB. One byte more tells a file that grew meanwhile.
    QByteArray data(int(std::min<qint64>(st.st_size, maxBytes)) + 1, Qt::Uninitialized);
    int got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, std::size_t(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            *why = SafeFile::errnoText(e);
            return Read::Refused;
        }
        if (n == 0)
            break;
        got += int(n);
    }
    ::close(fd);
    data.resize(got);
    *bytes = data;
    return Read::Ok;
#else
    const QFileInfo info(path);
    if (info.isSymLink()) {
        *why = QCoreApplication::translate("SafeFile", "è un collegamento simbolico");
        return Read::Refused;
    }
    if (!info.exists())
        return Read::Missing;
    QString error;
    if (!SafeFile::read(path, maxBytes + 1, bytes, &error)) {
        *why = error;
        return Read::Refused;
    }
    return Read::Ok;
#endif
}

} // namespace EntryFile
