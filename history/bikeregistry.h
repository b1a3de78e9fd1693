// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bikes a tuner looks after and the units (ECUs) each one has had, in
// one small file (bikes.json in the profiles folder). Each bike has a folder
// of its own there for its history, named after the bike when it was added
// (renaming a bike keeps its folder).
//
// A unit is recognised by its USB serial number when it gives one; without
// one (a serial line, a unit that reports none) only by its device record
// (hardware, cylinders, firmware), which many units share: that is a guess
// for the user to confirm, never taken for certain.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include "history/historyentry.h"

struct KnownUnit {
    UnitIdentity unit;
    QDateTime firstSeen;
    QDateTime lastSeen;
};

struct Bike {
    QString key;   // its folder's name, which never changes
    QString name;  // as the user wrote it
    QDateTime created;
    QVector<KnownUnit> units;
};

struct Recognition {
    enum Kind {
        Unknown,        // no bike knows this unit
        Probable,       // a bike knows a unit with this record and no serial: confirm
        KnownBySerial,  // a bike knows this unit by its serial number
    };
    Kind kind = Unknown;
    QString bike;            // KnownBySerial, or the first candidate
    QStringList candidates;  // Probable: every bike that may be this one (keys)
};

// The linked unit against the units a bike's history knows.
enum class UnitCheck {
    NoUnitYet,   // the bike knows no unit yet
    Same,        // its unit, by serial number
    SameRecord,  // a unit with the same record, neither with a serial number
    Different,   // not a unit of this bike
};

class BikeRegistry {
public:
    explicit BikeRegistry(const QString &profilesFolder);
    QString path() const;
    QString profilesFolder() const { return root; }

    // Reads the file; a missing one is no bikes. A file that cannot be read
    // or parsed is reported and never written over.
    bool load(QString *error);
    bool isDamaged() const { return !damage.isEmpty(); }

    QVector<Bike> bikes() const { return list; }
    // By name (ignoring case) or key; null when none.
    const Bike *find(const QString &nameOrKey) const;
    QString folderOf(const QString &key) const;

    // A new bike with its folder. A name another bike has (ignoring case) is
    // refused, here and in a rename; a rename keeps the folder.
    bool add(const QString &name, Bike *added, QString *error);
    bool rename(const QString &key, const QString &name, QString *error);
    // The unit belongs to this bike from now on: a unit known by its serial
    // number leaves any other bike (an ECU moved to another bike keeps its
    // old history there). Seen again: its last-seen time.
    bool attach(const QString &key, const UnitIdentity &unit, const QDateTime &when, QString *error);

    Recognition recognise(const UnitIdentity &unit) const;
    UnitCheck check(const QString &key, const UnitIdentity &unit) const;

    // A folder name made of the bike's name: what file systems refuse
    // replaced, and unique in `taken` (ignoring case).
    static QString folderName(const QString &name, const QStringList &taken);

private:
    bool save(QString *error) const;
    bool nameRefused(const QString &name, const QString &except, QString *error) const;
    QString root;
    QVector<Bike> list;
    QString damage;
};
