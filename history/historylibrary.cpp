// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historylibrary.h"

#include "util/datafolders.h"

#include <QDir>

HistoryLibrary::HistoryLibrary(const QString &profilesFolder, const QString &backupsFolder)
    : registry(profilesFolder.isEmpty() ? DataFolders::profiles() : profilesFolder)
    , backupDir(!backupsFolder.isEmpty() ? backupsFolder
                                         : profilesFolder.isEmpty() ? DataFolders::backups()
                                                                    : QDir(profilesFolder).filePath(QStringLiteral("backup")))
{
    registry.load(nullptr);
}

bool HistoryLibrary::reload(QString *error)
{
    return registry.load(error);
}

HistoryStore HistoryLibrary::store(const QString &bikeKey) const
{
    return HistoryStore(registry.folderOf(bikeKey));
}

BackupHistory HistoryLibrary::backups() const
{
    return BackupHistory(backupDir);
}

std::optional<HistoryEntry> HistoryLibrary::find(const QString &bikeKey, const QString &id) const
{
    if (BackupHistory::isBackupId(id))
        return backups().find(id);
    if (bikeKey.isEmpty() || !registry.find(bikeKey))
        return std::nullopt;
    return store(bikeKey).find(id);
}
