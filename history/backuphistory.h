// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backups taken before every write (Profili/backup, see BackupStore),
// shown as a history without a bike: each one what the unit held before a
// write, read and proven then. They keep their names and their folder's
// rule (the newest 50); nothing is moved or renamed. A backup's id is "b"
// and its save number ("b7"), or "b-" and the date and time of an older,
// unnumbered name ("b-20261208-210433").

#include <QString>
#include <QVector>

#include <optional>

#include "history/historyentry.h"

class BackupHistory {
public:
    explicit BackupHistory(const QString &folder);
    QString folder() const { return dir; }
    // Newest first, as BackupStore lists them.
    QVector<HistoryEntry> list() const;
    std::optional<HistoryEntry> find(const QString &id) const;
    static bool isBackupId(const QString &id) { return id.startsWith(QLatin1Char('b')); }

private:
    HistoryEntry load(const QString &path) const;
    QString dir;
};
