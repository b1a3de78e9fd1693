// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A live-data log: one CSV line per poll, with '.' decimals and ',' between
// fields whatever the locale, a header line first:
//   time,elapsed_ms,rpm,adc,cell_index,cell_value
//   2026-12-08T21:04:33.125,0,1350,92,3,-2
// Lines are kept in memory and written whole, so that a log cut short by a
// crash, or by a disk that fills up, ends with a complete line; flush() at
// least every second bounds what a crash can lose. A write that fails (a
// full disk) is reported, never retried in silence.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "link/protocol.h"

class DataLog {
public:
    static QByteArray header();
    static QByteArray line(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &data);
    // With a wideband attached (monitor --wideband) an afr column follows,
    // empty while there is no reading; without one the log keeps its six
    // columns.
    static QByteArray header(bool afrColumn);
    static QByteArray line(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &data, double afr);
    // "2026-12-08_21-04-33.csv"
    static QString fileName(const QDateTime &when);

    DataLog() = default;
    ~DataLog();
    DataLog(const DataLog &) = delete;
    DataLog &operator=(const DataLog &) = delete;

    // Creates `path` (never replaces a file) and writes the header.
    bool open(const QString &path, QString *error);
    bool isOpen() const { return fd >= 0; }
    QString path() const { return filePath; }
    void append(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &data);
    // Before open(): the log gets the afr column.
    void setAfrColumn(bool on) { afrColumn = on; }
    bool hasAfrColumn() const { return afrColumn; }
    void append(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &data, double afr);
    // Writes the lines kept so far; false with `error` when the disk refuses.
    bool flush(QString *error);
    // Flushes and closes; false if the last flush failed.
    bool close(QString *error);
    qint64 linesWritten() const { return written; }
    int pendingLines() const { return pending; }

private:
    void keepWholeLines();

    int fd = -1;
    qint64 committed = 0;  // bytes on disk, all of them whole lines
    QString filePath;
    QByteArray buffer;
    int pending = 0;
    qint64 written = 0;
    bool afrColumn = false;
};
