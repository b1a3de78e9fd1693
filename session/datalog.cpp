// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/datalog.h"

#include "util/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cmath>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <io.h>
#endif

QByteArray DataLog::header()
{
    return QByteArrayLiteral("time,elapsed_ms,rpm,adc,cell_index,cell_value\n");
}

QByteArray DataLog::line(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &d)
{
    // Numbers by hand: no locale may turn a '.' into a ',' here.
    QByteArray l = when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")).toLatin1();
    l += ',';
    l += QByteArray::number(elapsedMs);
    l += ',';
    l += QByteArray::number(d.rpm);
    l += ',';
    l += QByteArray::number(int(d.adc));
    l += ',';
    l += QByteArray::number(int(d.cellIndex));
    l += ',';
    l += QByteArray::number(int(qint8(d.cellValue)));
    l += '\n';
    return l;
}

QByteArray DataLog::header(bool afr)
{
    return afr ? QByteArrayLiteral("time,elapsed_ms,rpm,adc,cell_index,cell_value,afr\n") : header();
}

QByteArray DataLog::line(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &d, double afr)
{
    QByteArray l = line(when, elapsedMs, d);
    l.chop(1);
    l += ',';
    if (std::isfinite(afr))
        l += QByteArray::number(afr, 'f', 2);
    l += '\n';
    return l;
}

QString DataLog::fileName(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QStringLiteral(".csv");
}

DataLog::~DataLog()
{
    close(nullptr);
}

bool DataLog::open(const QString &path, QString *error)
{
    close(nullptr);
    const QByteArray native = QFile::encodeName(path);
#ifdef Q_OS_UNIX
    fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
#else
    fd = ::_open(native.constData(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, 0644);
#endif
    if (fd < 0) {
        if (error)
            *error = QCoreApplication::translate("DataLog", "impossibile creare %1: %2")
                         .arg(QDir::toNativeSeparators(path), SafeFile::errnoText(errno));
        return false;
    }
    filePath = path;
    buffer = header(afrColumn);
    pending = 0;
    written = 0;
    committed = 0;
    return flush(error);
}

void DataLog::append(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &data)
{
    if (fd < 0)
        return;
    buffer += line(when, elapsedMs, data);
    ++pending;
}

void DataLog::append(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &data, double afr)
{
    if (fd < 0)
        return;
    buffer += afrColumn ? line(when, elapsedMs, data, afr) : line(when, elapsedMs, data);
    ++pending;
}

bool DataLog::flush(QString *error)
{
    if (fd < 0 || buffer.isEmpty())
        return true;
    int err = 0;
    if (!SafeFile::writeAll(fd, buffer, &err)) {
        keepWholeLines();
        if (error)
            *error = QCoreApplication::translate("DataLog", "impossibile scrivere %1: %2")
                         .arg(QDir::toNativeSeparators(filePath), SafeFile::errnoText(err));
        return false;
    }
    committed += buffer.size();
    buffer.clear();
    written += pending;
    pending = 0;
    return true;
}

void DataLog::keepWholeLines()
{
    // A disk that filled up in the middle of a line: the file is cut back
    // to the last whole line, which shrinking always allows.
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return;
    const qint64 landed = qBound<qint64>(0, qint64(st.st_size) - committed, buffer.size());
#else
    const qint64 size = ::_lseeki64(fd, 0, SEEK_END);
    const qint64 landed = qBound<qint64>(0, size - committed, buffer.size());
#endif
    const int whole = landed > 0 ? buffer.lastIndexOf('\n', int(landed) - 1) + 1 : 0;
#ifdef Q_OS_UNIX
    if (::ftruncate(fd, off_t(committed + whole)) != 0)
        return;
    ::lseek(fd, off_t(committed + whole), SEEK_SET);
#else
    if (::_chsize_s(fd, committed + whole) != 0)
        return;
    ::_lseeki64(fd, committed + whole, SEEK_SET);
#endif
    const int lines = buffer.left(whole).count('\n');
    // The header is one of them in the first flush, not a poll.
    const int polls = qMin(pending, lines - (committed == 0 && whole > 0 ? 1 : 0));
    written += qMax(0, polls);
    pending -= qMax(0, polls);
    committed += whole;
    buffer.remove(0, whole);
}

bool DataLog::close(QString *error)
{
    if (fd < 0)
        return true;
    const bool ok = flush(error);
#ifdef Q_OS_UNIX
    ::fsync(fd);
    ::close(fd);
#else
    ::_close(fd);
#endif
    fd = -1;
    return ok;
}
