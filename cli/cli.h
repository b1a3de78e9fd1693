// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line tool: reads, writes, verifies and monitors the ECU
// without a window (see `tervalix-cli --help`).

#include <QStringList>

#include "session/ecusession.h"

namespace Cli {

// Runs the command that `arguments` (the program's name first) ask for and
// returns the process's exit code. Needs a QCoreApplication, and nothing
// that shows a window.
int run(const QStringList &arguments, const EcuSession::Config &config);

} // namespace Cli
