// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that the program writes (profiles, backups, settings it exports) are
// replaced only once the new content is proven on disk: written completely,
// flushed, synced, and its size checked, before the temporary file takes the
// old one's place. Any failure leaves the old file exactly as it was and no
// partial file behind, with a message that names the cause ("disco pieno").
// Reading checks first that the path is a regular file, so that a FIFO or a
// device can never block the caller. Nothing is ever written through a
// symbolic link: a link planted under the name would otherwise lead the
// write to any file its owner may write.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>

namespace SafeFile {

// Writes all of `bytes` to `path` atomically; false with `error` on failure.
// A `path` that is a symbolic link is refused.
bool write(const QString &path, const QByteArray &bytes, QString *error);

// Creates `path` as a new file holding all of `bytes`; never replaces or
// follows anything already there (a file, a link, dangling or not), which
// sets `exists`. A failure leaves no file behind.
bool create(const QString &path, const QByteArray &bytes, QString *error, bool *exists = nullptr);

// Reads a regular file of at most `maxBytes` bytes. A larger file is refused
// with its real size; a FIFO, device, socket or directory is refused without
// being opened.
bool read(const QString &path, qint64 maxBytes, QByteArray *bytes, QString *error);
#ifdef Q_OS_UNIX
// Reads at most `limit` bytes of the regular file open on `fd`, and closes
// it; anything but a regular file is refused.
bool readDescriptor(int fd, qint64 limit, QByteArray *bytes, QString *error);
#endif

// Why `path` cannot be read as a file, or empty when it can: missing, not a
// regular file, a loop of symbolic links, unreadable.
QString whyNotReadable(const QString &path);

// Writes all of `bytes` to an open file descriptor (through the test hook
// when one is set); false with the errno value in `err` when it cannot.
bool writeAll(int fd, const QByteArray &bytes, int *err);

// At start-up, before anything opens a file: a standard stream that the
// caller closed gets /dev/null, so that no file opened later takes its number
// and receives what is meant for standard output or error. Returns the
// streams found closed (bit n for descriptor n); later calls return the same.
int guardStandardStreams();

// The message for an errno value: "disco pieno" for ENOSPC and the like.
QString errnoText(int error);

// Tests: every write(2) of the file content goes through this hook while
// set (returns bytes written or -1 with errno set). Not thread-safe; set it
// before and clear it after the code under test.
using WriteHook = std::function<long(int fd, const char *data, std::size_t size)>;
void setWriteHook(WriteHook hook);

} // namespace SafeFile
