// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals that end the tool, as the commands see them: Ctrl+C
// (interrupted, counted), and a termination request or a hang-up
// (stopRequested): the terminal may be gone, so nothing is asked of it.

#include <QObject>

#include "util/signalwatch.h"

namespace Cli {

class InterruptWatch : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatch(QObject *parent = nullptr);

    int count() const { return watch.count(SignalWatch::Interrupt); }

signals:
    // `count`: 1 for the first Ctrl+C, 2 for the second ...
    void interrupted(int count);
    // SIGTERM or SIGHUP; `exitStatus` is what a shell reports for it.
    void stopRequested(SignalWatch::Kind kind, int exitStatus);

private:
    SignalWatch watch;
};

} // namespace Cli
