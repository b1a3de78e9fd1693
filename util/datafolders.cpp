// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/datafolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFolders {

QString base()
{
    if (QFileInfo(QStringLiteral("Profili")).isDir())
        return QStringLiteral(".");
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QStringLiteral("Tervalix"));
}

QString profiles()
{
    return QDir(base()).filePath(QStringLiteral("Profili"));
}

QString backups()
{
    return QDir(profiles()).filePath(QStringLiteral("backup"));
}

QString logs()
{
    return QDir(base()).filePath(QStringLiteral("Logs"));
}

} // namespace DataFolders
