// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Follows a session and makes the history entries of the linked unit's
// bike: after every read that passed, every write that was read back (the
// entry holds what the session now knows the unit holds, not what was
// asked for) and every restore, a write whose label names the entry its
// values came from (restoreLabel). A failed write leaves the unit's state
// unknown: no entry, and the next read says what it holds.
//
// At every link the unit is recognised (see BikeRegistry::recognise): a
// unit known by its serial number gets its bike at once; any other waits
// for setBike() or confirmBike(), and the states proven meanwhile are kept
// in order and recorded then.

#include <QObject>
#include <QString>
#include <QVector>

#include "history/historylibrary.h"

class EcuSession;
struct EcuResult;
struct ProbeResult;

class HistoryRecorder : public QObject {
    Q_OBJECT
public:
    HistoryRecorder(EcuSession *session, HistoryLibrary *library, QObject *parent = nullptr);

    // The unit of the last link, and what the registry made of it.
    UnitIdentity unit() const { return linkedUnit; }
    Recognition recognition() const { return recognised; }

    // The bike whose history gets the entries; empty: none, states wait.
    void setBike(const QString &key);
    QString bike() const { return bikeKey; }
    // The user says the linked unit is this bike's: the registry learns it
    // (see BikeRegistry::attach) and the history gets the entries.
    bool confirmBike(const QString &key, QString *error);
    // States proven while no bike was set.
    int pendingStates() const { return pending.size(); }

    // The entry the unit holds now; empty when not known (no read yet, a
    // failed write, no bike).
    QString currentEntry() const { return current; }
    // Attaches a file (a live-data log, an analysis) to the current entry.
    bool attach(const QString &path, const QString &kind, QString *error);

    // The label of a write that restores `entryId` of `bikeKey`'s history
    // (any bike for a backup's "b..." id).
    static QString restoreLabel(const QString &bikeKey, const QString &entryId);
    static bool parseRestoreLabel(const QString &label, QString *bikeKey, QString *entryId);

signals:
    void unitRecognised(const Recognition &recognition);
    void recorded(const HistoryEntry &entry, bool created);
    void recordFailed(const QString &error);

private:
    void onProbe(const ProbeResult &result);
    void onFinished(const EcuResult &result);
    void record(NewState state, const QString &restoredFrom);
    void flush();

    EcuSession *session;
    HistoryLibrary *library;
    UnitIdentity linkedUnit;
    Recognition recognised;
    QString bikeKey;
    QString current;
    struct Pending {
        NewState state;
        QString restoredFrom;  // "key:id" or "b7"
    };
    QVector<Pending> pending;
};
