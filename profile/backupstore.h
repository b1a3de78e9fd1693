// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backups taken before every write: what the ECU held, as a 42-byte
// profile in one folder, the last Keep saved of them kept. A backup is named
// by its save number, date, time and hardware
// (000007_2026-12-08_21-04-33_HW21.prf). The date comes from the clock, and a
// machine without a clock battery starts in the past: the order in which the
// backups were saved is the number's, never the date's. Backups named without
// a number (2026-12-08_21-04-33_HW21.prf, an older version's) stay listed,
// older than every numbered one and in date order among themselves.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

class BackupStore {
public:
    static constexpr int Keep = 50;

    explicit BackupStore(const QString &directory);

    QString directory() const { return dir; }
    // Saves one backup as a new file (creating the folder if needed) and
    // prunes the oldest, never the one just saved; returns its path, or
    // empty with `error` set.
    QString save(const QVector<int> &values, int k, unsigned char hwVersion, const QDateTime &when,
                 QString *error);
    // Backup files (regular files only), the last saved first.
    QStringList list() const;
    QString latest() const;

    // The name of backup number `number` (an older version's name for 0).
    static QString fileName(const QDateTime &when, unsigned char hwVersion, qint64 number);

private:
    qint64 nextNumber() const;
    void prune(const QString &justSaved);
    QString dir;
};
