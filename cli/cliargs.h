// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: one command with its own options and arguments, and the
// options every command takes (--port, --hid, --json, --help), given before
// or after the command.

#include <QString>
#include <QStringList>

#include "cli/clianalyzeargs.h"

namespace Cli {

struct Args {
    QString command;
    QStringList arguments;  // after the command: a profile, a folder
    QString port;           // --port; empty: the HID unit
    bool json = false;
    QString output;         // read -o: FILE.prf, FILE.csv or "-"
    QString backupDir;      // write --backup-dir
    bool clamp = false;     // write --clamp: values beyond the unit's limits are brought within them
    int seconds = 0;        // monitor --seconds; 0: until Ctrl+C
    QString csv;            // monitor --csv
    QString wideband;       // monitor --wideband PORT
    int widebandBaud = 9600;
    AnalyzeArgs analyze;    // analyze's options
    QString bike;           // --bike: the bike whose history the unit's states go to
    bool yes = false;       // write, history restore --yes: no question for a firm warning
    QStringList tags;       // history note --tag
    QStringList conditions; // history note --condition key=value
    QString points;         // history restore --points A-B,C,K
};

struct Parsed {
    enum Kind { Run, Help, Error };
    Kind kind = Error;
    Args args;
    QString text;  // the help text (Help) or what is wrong (Error)
};

// The window's folder of backups.
QString defaultBackupDir();

// `arguments` as the program got them, its own name first.
Parsed parse(const QStringList &arguments);

} // namespace Cli
