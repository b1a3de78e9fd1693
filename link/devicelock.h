// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program at a time per ECU: a lock file per device, held while a link
// to it is open. A second instance (or a second session in this one) that
// finds the lock held is told who holds it instead of sharing the line.
//
// The lock is the file's flock(), which the kernel drops with its holder:
// a lock file that no live process holds is left over (its program died, or
// someone put it there) and is taken over, whatever it says. Older versions
// locked the same file the same way (Qt's QLockFile), so they still exclude
// each other. A name that is not a regular file, or cannot be read, is never
// taken over, nor followed: it is named, with the command that clears it.

#include <QString>

#include <memory>

class QLockFile;

class DeviceLock {
public:
    enum class Failure {
        None,
        Held,     // a live program holds the device
        Unusable  // the lock file cannot be made or taken over: the message says why
    };

    // `directory` empty: the system's temporary folder.
    explicit DeviceLock(const QString &directory = QString());
    ~DeviceLock();
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;

    // Takes the lock of the device known by `key` (a port path, a HID path).
    // False when it cannot; `holder` then says who holds it, or why the
    // lock cannot be had, and failure() which of the two.
    bool acquire(const QString &key, QString *holder = nullptr);
    void release();
    bool isHeld() const;
    Failure failure() const { return lastFailure; }

    static QString lockFileName(const QString &key);

private:
    QString dir;
    Failure lastFailure = Failure::None;
#ifdef Q_OS_UNIX
    int fd = -1;
    QString heldPath;
#else
    std::unique_ptr<QLockFile> file;
#endif
};
