#pragma once
// The backups taken before every write: what the ECU held, as a 42-byte
// profile named by date, time and hardware (2026-12-08_21-04-33_HW21.prf),
// in one folder, the newest Keep of them kept.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

class BackupStore {
public:
    static constexpr int Keep = 50;

    explicit BackupStore(const QString &directory);

    QString directory() const { return dir; }
    // Saves one backup (creating the folder if needed) and prunes the
    // oldest; returns its path, or empty with `error` set.
    QString save(const QVector<int> &values, int k, unsigned char hwVersion, const QDateTime &when,
                 QString *error);
    // Backup files, newest first.
    QStringList list() const;
    QString latest() const;

    static QString fileName(const QDateTime &when, unsigned char hwVersion);

private:
    void prune();
    QString dir;
};
