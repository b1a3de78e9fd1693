// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session as the commands use it: one step at a time, each waited for on
// the event loop, so that a command reads as the sequence it is (find the
// unit, read, write ...). Ctrl+C and a lost link end a wait with their exit
// code; the write handles Ctrl+C itself.

#include <QEventLoop>
#include <QObject>
#include <QString>

#include "cli/clioutput.h"
#include "history/historylibrary.h"
#include "history/historyrecorder.h"
#include "session/ecusession.h"

namespace Cli {

class InterruptWatch;

// One wait on the event loop. The first outcome counts: later ones (a lost
// link after a failed transfer) are neither printed nor waited for.
class Wait {
public:
    explicit Wait(Output &out) : out(out) {}
    bool finished() const { return done; }
    void finish(int code);
    // Says why (see Output::fail) and finishes with `code`.
    void fail(int code, const QString &text);
    // Returns at once when an outcome came before (a probe can fail at once).
    int exec();

private:
    Output &out;
    QEventLoop loop;
    bool done = false;
    int result = ExitOk;
};

class CliEcu : public QObject {
    Q_OBJECT
public:
    // `bike`: the bike named with --bike (empty: the one the unit's serial
    // number names, if any).
    CliEcu(const EcuSession::Config &config, Output &out, InterruptWatch &interrupts,
           const QString &bike = QString());
    // Closes the link, so that the unit is free for the next program.
    ~CliEcu() override;

    EcuSession &session() { return ses; }
    // Every read and verified write of this command makes its entry in the
    // history of the unit's bike (see HistoryRecorder).
    HistoryLibrary &library() { return lib; }
    HistoryRecorder &recorder() { return rec; }
    // The linked unit against the bike whose history is in use.
    UnitCheck unitCheck() const;

    // Finds the ECU on `port` (empty: HID) and its bike: ExitOk, ExitNoEcu,
    // ExitInterrupted, ExitUsage for a --bike that names no bike.
    int link(const QString &port);
    // Reads the ECU's memory into session().readImage(): ExitOk,
    // ExitTransfer, ExitInterrupted.
    int read();
    // link(), then read(): the start of every command that needs the memory.
    int linkAndRead(const QString &port);
    // The curve and K of the last read.
    EcuImage::Decoded lastRead() const;

    // Ends `wait` with ExitInterrupted on Ctrl+C, for as long as `scope` lives.
    void endOnInterrupt(Wait &wait, QObject *scope);
    // Ends `wait` with ExitTransfer when the link is lost or the unit stops
    // answering.
    void endOnLoss(Wait &wait, QObject *scope);
    // Shows the phase and percentage of the running transfer, for as long as
    // `scope` lives.
    void showProgress(QObject *scope);
    // "lettura", "copia di sicurezza", "scrittura", "verifica".
    static QString phaseText(EcuPhase phase);

private:
    int adoptBike();

    EcuSession ses;
    HistoryLibrary lib;
    HistoryRecorder rec;
    QString bikeName;
    Output &out;
    InterruptWatch &watch;
};

} // namespace Cli
