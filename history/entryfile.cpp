// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/entryfile.h"

#include "util/safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
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
    return SafeFile::readDescriptor(fd, qint64(maxBytes) + 1, bytes, why) ? Read::Ok : Read::Refused;
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
