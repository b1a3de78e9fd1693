// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/backuphistory.h"

#include "history/entryfile.h"
#include "profile/backupstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

BackupHistory::BackupHistory(const QString &folder) : dir(folder) {}

HistoryEntry BackupHistory::load(const QString &path) const
{
    static const QRegularExpression name(
        QStringLiteral("^(?:(\\d{1,18})_)?(\\d{4})-(\\d{2})-(\\d{2})_(\\d{2})-(\\d{2})-(\\d{2})_HW(\\d+)"));
    HistoryEntry e;
    e.origin = HistoryEntry::Origin::Backup;
    e.profilePath = path;
    const QString file = QFileInfo(path).fileName();
    const QRegularExpressionMatch m = name.match(file);
    e.number = m.captured(1).toLongLong();
    e.id = e.number > 0 ? QStringLiteral("b%1").arg(e.number)
                        : QStringLiteral("b-%1%2%3-%4%5%6")
                              .arg(m.captured(2), m.captured(3), m.captured(4), m.captured(5), m.captured(6),
                                   m.captured(7));
    e.time = e.lastSeen = QDateTime::fromString(file.mid(e.number > 0 ? file.indexOf(QLatin1Char('_')) + 1 : 0, 19),
                                                QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    e.unit.info.hwVersion = static_cast<unsigned char>(m.captured(8).toInt());
    // A backup says nothing of cylinders or firmware.
    e.unit.info.cylinders = 0;
    e.unit.info.verMajor = e.unit.info.verMinor = e.unit.info.revision = '?';
    QByteArray bytes;
    QString why;
    if (EntryFile::read(path, ProfileFile::FileSize, &bytes, &why) != EntryFile::Read::Ok) {
        e.damaged = true;
        e.damage = History::tr("profilo illeggibile: %1").arg(why);
        return e;
    }
    e.sha256 = HistoryHash::sha256(bytes);
    if (ProfileFile::decode(bytes, &e.profile, &why)) {
        e.hasProfile = true;
    } else {
        e.damaged = true;
        e.damage = History::tr("profilo troncato o di troppo: %1 byte invece di %2")
                       .arg(bytes.size())
                       .arg(ProfileFile::FileSize);
    }
    return e;
}

QVector<HistoryEntry> BackupHistory::list() const
{
    QVector<HistoryEntry> out;
    for (const QString &path : BackupStore(dir).list())
        out.append(load(path));
    return out;
}

std::optional<HistoryEntry> BackupHistory::find(const QString &id) const
{
    for (const QString &path : BackupStore(dir).list()) {
        HistoryEntry e = load(path);
        if (e.id == id)
            return e;
    }
    return std::nullopt;
}
