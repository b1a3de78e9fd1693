// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one reader of lock files: the program's own (tervalix-*.lock) and the
// serial ports' (LCK..ttyUSB0). They live in folders that every local user
// may write to, so anything may carry such a name: a FIFO, a link to
// /dev/zero, a folder, a huge file, a pid that means nothing. A lock file is
// therefore opened without blocking and without following a link, read only
// when it is a regular file, and then at most MaxBytes of it.

#include <QString>

struct LockFileInfo {
    enum State { Missing, Regular, NotRegular, Unreadable };
    State state = Missing;
    QString problem;       // NotRegular, Unreadable: what it is, in words
    bool directory = false;
    qint64 pid = 0;        // the first line as a process id; 0 when it is none
    QString app;           // the second line: the program that wrote it
    bool tooLarge = false; // more than MaxBytes: not a lock file anybody wrote
    bool locked = false;   // a live process holds a lock (flock) on it
    qint64 ageSeconds = 0;
    uint owner = 0;
    bool removable = false; // this user may delete it from its folder
};

namespace LockFile {

constexpr int MaxBytes = 4096;
// The kernel's highest possible process id (PID_MAX_LIMIT).
constexpr qint64 MaxPid = 4194304;

LockFileInfo read(const QString &path);

// The command that deletes it: `sudo` when this user may not, rmdir for a
// folder.
QString removeCommand(const QString &path, const LockFileInfo &info);

// Whether process `pid` exists on this machine.
bool processRuns(qint64 pid);

// The lock file that Qt's serial port reads when it opens `portPath`, when
// one is there (it picks the first usable of several folders).
QString serialPortLockFile(const QString &portPath);

// Why Qt's serial port must not open `portPath`: a lock file there that it
// would block on or read without end (a FIFO, a link, a huge file). Empty
// when there is none.
QString serialLockProblem(const QString &portPath);

} // namespace LockFile
