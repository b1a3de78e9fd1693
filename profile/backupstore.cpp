#include "profile/backupstore.h"

#include "profile/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

BackupStore::BackupStore(const QString &directory) : dir(directory) {}

QString BackupStore::fileName(const QDateTime &when, unsigned char hwVersion)
{
    return when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QStringLiteral("_HW%1.prf").arg(int(hwVersion));
}

QString BackupStore::save(const QVector<int> &values, int k, unsigned char hwVersion, const QDateTime &when,
                          QString *error)
{
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = QCoreApplication::translate("BackupStore", "impossibile creare la cartella %1").arg(dir);
        return QString();
    }
    // Two writes within one second get two files.
    QString name = fileName(when, hwVersion);
    for (int n = 2; QFileInfo::exists(QDir(dir).filePath(name)); ++n)
        name = fileName(when, hwVersion).replace(QStringLiteral(".prf"), QStringLiteral("_%1.prf").arg(n));
    const QString path = QDir(dir).filePath(name);
    if (!ProfileFile::save(path, values, k, error))
        return QString();
    prune();
    return path;
}

QStringList BackupStore::list() const
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}_HW\\d+(_\\d+)?\\.prf$"));
    QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    QStringList out;
    for (const QString &n : names)
        if (pattern.match(n).hasMatch())
            out.prepend(QDir(dir).filePath(n));  // names sort by time: newest last
    return out;
}

QString BackupStore::latest() const
{
    const QStringList all = list();
    return all.isEmpty() ? QString() : all.first();
}

void BackupStore::prune()
{
    const QStringList all = list();
    for (int i = Keep; i < all.size(); ++i)
        QFile::remove(all.at(i));
}
