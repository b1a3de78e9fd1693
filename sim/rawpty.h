// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal set up as the simulators' serial line: raw (no echo, no
// line editing, no CR/LF mapping) at 9600 baud, the master side non-blocking
// and the slave side kept open so that the line stays up while no program
// has it. Unix only.

#include <QString>

struct RawPty {
    int master = -1;
    int slaveKeep = -1;
    QString path;  // the slave's, e.g. "/dev/pts/7"

    // False with `error`, nothing left open, when the system refuses.
    bool open(QString *error);
    void close();
};
