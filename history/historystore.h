// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One bike's history: a folder of entries, each a profile and its sidecar
// under one numbered name (000007_2026-05-12_10-04-33_HW21.prf and .json).
// The number is the order in which they were made (a clock can be wrong);
// entries are created new, never over anything already there and never
// through a link, and nothing in the folder is ever removed or pruned.
// Files of other names (the tuner's own profiles) are left alone.

#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

#include "history/historyentry.h"

// A state to record.
struct NewState {
    ProfileFile::Profile profile;
    HistoryEntry::Origin origin = HistoryEntry::Origin::Read;
    UnitIdentity unit;
    QString parent;  // empty: the newest entry that is not damaged
    bool proven = true;
    QDateTime when;  // invalid: now
};

class HistoryStore {
public:
    explicit HistoryStore(const QString &folder);
    QString folder() const { return dir; }

    // Every entry, newest first; damaged ones included and marked.
    QVector<HistoryEntry> list() const;
    std::optional<HistoryEntry> find(const QString &id) const;
    // The highest-numbered entry, damaged or not.
    std::optional<HistoryEntry> newest() const;

    // Records `state`: a state identical (curve and K) to the newest entry
    // only marks that one seen again (`created` false). Returns the entry,
    // or nothing with `error` set.
    std::optional<HistoryEntry> record(const NewState &state, bool *created, QString *error);
    // Replaces the notes, tags and conditions of an entry. A damaged entry
    // is never rewritten.
    bool annotate(const QString &id, const Annotations &notes, QString *error);
    bool attach(const QString &id, const Attachment &file, QString *error);

    static QString baseName(qint64 number, const QDateTime &when, unsigned char hwVersion);

private:
    struct Name {
        qint64 number;
        QString base;  // without the suffix
    };
    // Numbered names found, every kind of directory entry counted.
    QVector<Name> names(qint64 *highest) const;
    HistoryEntry load(const Name &name) const;
    bool rewrite(const HistoryEntry &entry, QString *error) const;
    // The entry to change: found and not damaged.
    std::optional<HistoryEntry> editable(const QString &id, QString *error) const;
    QString dir;
};
