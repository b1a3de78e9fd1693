// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/backupstore.h"

#include "profile/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Group 1: the save number; names without one are an older version's.
const QRegularExpression &namePattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:(\\d{1,18})_)?\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}_HW\\d+(_\\d+)?\\.prf$"));
    return pattern;
}

qint64 numberOf(const QRegularExpressionMatch &m)
{
    return m.captured(1).isEmpty() ? 0 : m.captured(1).toLongLong();
}

} // namespace

BackupStore::BackupStore(const QString &directory) : dir(directory) {}

QString BackupStore::fileName(const QDateTime &when, unsigned char hwVersion, qint64 number)
{
    const QString name =
        when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QStringLiteral("_HW%1.prf").arg(int(hwVersion));
    return number > 0 ? QStringLiteral("%1_").arg(number, 6, 10, QLatin1Char('0')) + name : name;
}

qint64 BackupStore::nextNumber() const
{
    // Every entry counts, links and all: its name is taken either way.
    qint64 highest = 0;
    const QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &n : names) {
        const QRegularExpressionMatch m = namePattern().match(n);
        if (m.hasMatch())
            highest = std::max(highest, numberOf(m));
    }
    return highest + 1;
}

QString BackupStore::save(const QVector<int> &values, int k, unsigned char hwVersion, const QDateTime &when,
                          QString *error)
{
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = QCoreApplication::translate("BackupStore", "impossibile creare la cartella %1").arg(dir);
        return QString();
    }
    // Created new, never over anything in the folder: another backup taken
    // at the same moment (or a link planted there) makes it take the next number.
    qint64 number = nextNumber();
    for (int attempt = 0; attempt < 1000; ++attempt, ++number) {
        const QString path = QDir(dir).filePath(fileName(when, hwVersion, number));
        bool taken = false;
        if (ProfileFile::saveNew(path, values, k, error, &taken)) {
            prune(path);
            return path;
        }
        if (!taken)
            return QString();
    }
    return QString();
}

QStringList BackupStore::list() const
{
    struct Entry {
        qint64 number;
        QString name;
    };
    QVector<Entry> entries;
    const QStringList names = QDir(dir).entryList(QDir::Files | QDir::NoSymLinks);
    for (const QString &n : names) {
        const QRegularExpressionMatch m = namePattern().match(n);
        if (m.hasMatch())
            entries.append({numberOf(m), n});
    }
    // Unnumbered names sort by time, and a second backup within one second
    // (an older version's "_2") after the first.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.number != b.number ? a.number > b.number : a.name > b.name;
    });
    QStringList out;
    for (const Entry &e : qAsConst(entries))
        out.append(QDir(dir).filePath(e.name));
    return out;
}

QString BackupStore::latest() const
{
    const QStringList all = list();
    return all.isEmpty() ? QString() : all.first();
}

void BackupStore::prune(const QString &justSaved)
{
    const QStringList all = list();
    int kept = 0;
    for (const QString &path : all) {
        if (path == justSaved || kept < Keep - 1) {
            if (path != justSaved)
                ++kept;
            continue;
        }
        QFile::remove(path);
    }
}
