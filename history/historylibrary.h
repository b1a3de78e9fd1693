// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every history under one profiles folder: the bikes (bikes.json), each
// bike's history in its own folder, and the backups folder shown as a
// history without a bike. The one object the window and the tool ask.

#include <QString>
#include <QVector>

#include <optional>

#include "history/backuphistory.h"
#include "history/bikeregistry.h"
#include "history/historystore.h"

class HistoryLibrary {
public:
    // `profilesFolder` empty: DataFolders::profiles(); `backupsFolder`
    // empty: its "backup" folder.
    explicit HistoryLibrary(const QString &profilesFolder = QString(), const QString &backupsFolder = QString());

    // Reads the registry again (another program may have changed it).
    bool reload(QString *error);
    BikeRegistry &bikes() { return registry; }
    const BikeRegistry &bikes() const { return registry; }

    HistoryStore store(const QString &bikeKey) const;
    BackupHistory backups() const;
    // An entry of a bike's history, or a backup for a "b..." id (any bike).
    std::optional<HistoryEntry> find(const QString &bikeKey, const QString &id) const;

private:
    BikeRegistry registry;
    QString backupDir;
};
