// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One simulated unit for every suite: the simulator, the carrier that reaches
// it (a modelled line, the pseudo-terminal serial line or the in-process HID
// device) and the session configuration that finds it; and a session on it
// that records what it reports.

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <functional>
#include <memory>

#include "session/ecusession.h"
#include "sim/ecusimulator.h"
#include "sim/ptyecusimulator.h"
#include "support/mocklink.h"

struct SimUnit {
    enum Carrier { Model, Serial, Hid };

    Carrier carrier = Model;
    std::shared_ptr<EcuSimulator> ecu;
    std::unique_ptr<PtyEcuSimulator> pty;
    QTemporaryDir dir;         // lock files, backups, profiles
    MockLink *mock = nullptr;  // Model: the line of the last probe
    EcuSession::Config config; // reaches this unit

    // Null when the carrier cannot be made here (no pseudo-terminals).
    static std::unique_ptr<SimUnit> make(Carrier carrier, const EcuSimConfig &sim = EcuSimConfig());
    static EcuSimConfig unit(unsigned char hw, unsigned char cylinders = 4);

    // Probes this unit with `session`; "HID", the terminal's path or "mock".
    void probe(EcuSession &session) const;
    QString port() const;
    QString name() const;
    QString tag(const QString &what) const { return name() + QStringLiteral(": ") + what; }

    // The unit's curve cells, as signed values.
    void setCurve(const QVector<int> &values);
    QVector<int> curve() const;
    int k() const;
};

// Distinct values, so that a value in the wrong cell always shows.
QVector<int> patternCurve(int seed);

struct SessionRig {
    std::unique_ptr<SimUnit> unit;
    std::unique_ptr<EcuSession> session;
    QList<EcuResult> results;
    QList<ProbeResult> probes;
    QStringList lost;  // "reason|operation" of every lost link

    static std::unique_ptr<SessionRig> make(SimUnit::Carrier carrier, unsigned char hw = 21,
                                            std::function<void(EcuSession::Config &)> tweak = nullptr);
    bool link();
    // Runs `ask` and waits for the result it ends in.
    bool finish(const std::function<void()> &ask, int timeoutMs = 30000);
    bool read(int timeoutMs = 30000);
    // With a backup in the unit's folder, and K when given.
    bool write(const QVector<int> &values, std::optional<int> k = std::nullopt, int timeoutMs = 30000);
    EcuResult last() const { return results.value(results.size() - 1); }
    QString backupDir() const { return unit->dir.filePath(QStringLiteral("backup")); }
};

// Time-outs short enough that a fault costs little, for cases that are about
// what a fault leads to, not how long it takes.
void fastTimeouts(EcuSession::Config &config);
