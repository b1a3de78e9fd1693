// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an operation on the ECU came to, as a value: the session's verbs end
// in exactly one of these. The design's outcome words ("OK_SND", "KO_RCV",
// ...) are made from it in one place (EcuOutcome), for the callers that
// still speak them.

#include <QMetaType>
#include <QString>
#include <QVector>

#include "session/ecuimage.h"

struct EcuResult {
    enum Operation { None, Read, Write, WriteK };
    enum Code {
        Ok,
        NoReply,       // the unit stopped answering (time-outs exhausted)
        VerifyFailed,  // written and acknowledged, but the read-back differs (mismatches)
        BackupFailed,  // the unit's content could not be saved first: nothing was written
        LinkLost,      // the carrier went away (detail says why)
        NotLinked,     // asked for without a unit
        Busy,          // asked for while another operation runs
        OutOfRange,    // values the unit would refuse: nothing was sent
    };

    Operation operation = None;
    Code code = Ok;
    // VerifyFailed: each cell the unit did not keep (cell, written, read).
    QVector<EcuImage::Mismatch> mismatches;
    // Write: where the unit's previous content went (empty: no backup).
    QString backupPath;
    // BackupFailed: why the backup could not be made; LinkLost: the reason.
    QString detail;
    // Write: frames went out, so the unit may hold part of the new curve.
    bool unitChanged = false;
    // OutOfRange: the points beyond the unit's value range, and whether K
    // lies outside 1..4.
    QVector<int> outOfRange;
    bool kOutside = false;
    // Write: the label of its WriteOptions, unchanged.
    QString label;

    bool ok() const { return code == Ok; }
};

// The phases of a transfer, for a progress display that names what runs.
enum class EcuPhase { Reading, BackingUp, Writing, Verifying };

// The design's outcome words, made from results in this one place.
namespace EcuOutcome {
// "OK_RCV" / "KO_RCV" for a read; "OK_SND", "KO_SND", "KO_VERIFY",
// "KO_BACKUP" for a write; empty for what has no word (a K write).
QString word(const EcuResult &result);
// The result a word stands for (the cells and paths of the original are
// not in a word): for callers that receive only the word.
EcuResult fromWord(const QString &word);
} // namespace EcuOutcome

Q_DECLARE_METATYPE(EcuResult)
Q_DECLARE_METATYPE(EcuPhase)
