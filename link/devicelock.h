#pragma once
// One program at a time per ECU: a lock file per device, held while a link
// to it is open. A second instance (or a second session in this one) that
// finds the lock held is told who holds it instead of sharing the line.

#include <QString>

#include <memory>

class QLockFile;

class DeviceLock {
public:
    // `directory` empty: the system's temporary folder.
    explicit DeviceLock(const QString &directory = QString());
    ~DeviceLock();
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;

    // Takes the lock of the device known by `key` (a port path, a HID path).
    // False when another holder has it; `holder` then describes it.
    bool acquire(const QString &key, QString *holder = nullptr);
    void release();
    bool isHeld() const;

    static QString lockFileName(const QString &key);

private:
    QString dir;
    std::unique_ptr<QLockFile> file;
};
