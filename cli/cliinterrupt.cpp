// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cliinterrupt.h"

namespace Cli {

InterruptWatch::InterruptWatch(QObject *parent) : QObject(parent)
{
    connect(&watch, &SignalWatch::received, this, [this](SignalWatch::Kind kind, int n) {
        if (kind == SignalWatch::Interrupt)
            emit interrupted(n);
        else
            emit stopRequested(kind, SignalWatch::exitStatus(kind));
    });
}

} // namespace Cli
