// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+C (SIGINT), a termination request (SIGTERM) and a hang-up (SIGHUP: a
// closed terminal, a dropped SSH session) as Qt signals. The handler only
// counts into lock-free atomics; a timer on the event loop reads the counts
// and reports each new signal, so no Qt code ever runs inside the handler.
// Elsewhere than on Unix only Ctrl+C and termination exist.

#include <QObject>
#include <QTimer>

class SignalWatch : public QObject {
    Q_OBJECT
public:
    enum Kind { Interrupt, Terminate, HangUp, KindCount };
    static constexpr int PollMs = 50;

    explicit SignalWatch(QObject *parent = nullptr);
    ~SignalWatch() override;  // the default handling comes back

    // Signals of `kind` since this watch began.
    int count(Kind kind) const { return seen[kind]; }
    // The exit status a shell reports for a process ended by `kind` (128 + number).
    static int exitStatus(Kind kind);

signals:
    // `count`: 1 for the first of that kind, 2 for the second ...
    void received(SignalWatch::Kind kind, int count);

private:
    void poll();
    QTimer timer;
    int base[KindCount] = {};
    int seen[KindCount] = {};
};

Q_DECLARE_METATYPE(SignalWatch::Kind)
