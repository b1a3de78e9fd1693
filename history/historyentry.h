// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One state of a bike's ECU that Tervalix proved: the 42-byte profile and
// what is known about it (when, how it came to be, which unit, the tuner's
// notes), kept in a sidecar beside it. The sidecar carries the profile's
// SHA-256, so that an entry whose profile was changed or cut is seen as
// damaged instead of being restored or compared silently.

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "link/cdevinfo.h"
#include "profile/profilefile.h"

// The translation context of the history's texts.
class History {
    Q_DECLARE_TR_FUNCTIONS(History)
};

// The unit an entry was read from or written to.
struct UnitIdentity {
    CDevInfo info;
    QString serial;  // the USB serial number; empty over serial or without one
    QString port;    // "HID" or the serial path, for the record only

    bool hasSerial() const { return !serial.isEmpty(); }
    // Hardware, cylinders and firmware agree (the serial is not compared).
    bool sameRecord(const UnitIdentity &other) const;
    QString recordText() const;  // "HW21 - CYL4 - V2.0-R3"
    QJsonObject toJson() const;
    static UnitIdentity fromJson(const QJsonObject &o);
};

struct Annotations {
    QString notes;
    QStringList tags;
    QMap<QString, QString> conditions;  // exhaust, air filter, fuel, altitude, temperature ...
};

// A file recorded or made while the entry was on the ECU: a live-data log,
// an analysis. Kept by path (logs are large and already in their own
// folder); the size at attachment tells a file changed or gone since.
struct Attachment {
    QString path;
    QString kind;  // "log", "analysis" or the caller's own word
    QDateTime added;
    qint64 size = -1;
    // Gone, or of another size than when it was attached.
    bool isChanged() const;
};

struct HistoryEntry {
    enum class Origin { Read, Write, Restore, Backup };

    QString id;      // "7" in a bike's history, "b7" among the backups
    qint64 number = 0;
    QString profilePath;
    QString sidecarPath;  // empty for a backup
    QDateTime time;
    Origin origin = Origin::Read;
    UnitIdentity unit;
    QString sha256;   // hex, as the sidecar holds it
    QString parent;   // the entry this state came from; empty: none known
    // Every cell was proven on the unit when the entry was made; false when
    // part of it (K) was only known from before (shown as unverified).
    bool proven = true;
    int seenCount = 1;
    QDateTime lastSeen;
    Annotations notes;
    QVector<Attachment> attachments;

    ProfileFile::Profile profile;
    bool hasProfile = false;  // the profile file parsed (42 bytes)
    bool damaged = false;
    QString damage;           // why, in words (translated)
    QJsonObject sidecar;      // as read, so that keys of a later version survive a rewrite

    // May be restored and compared without a warning.
    bool usable() const { return hasProfile && !damaged; }
    bool isBackup() const { return origin == Origin::Backup; }

    // The sidecar for this entry's fields, over what was read.
    QJsonObject toSidecar() const;
    // Fills the sidecar fields from `o`; false (with `error`) when a
    // required one is missing or of the wrong type.
    bool fromSidecar(const QJsonObject &o, QString *error);

    static QString originWord(Origin origin);  // "read", "write", "restore", "backup"
    static bool originFromWord(const QString &word, Origin *origin);
    static QString originText(Origin origin);  // translated
};

namespace HistoryHash {
QString sha256(const QByteArray &bytes);  // lowercase hex
}
