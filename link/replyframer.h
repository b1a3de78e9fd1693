// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the bytes of a serial line into 8-byte replies, and keeps the
// grouping in step when the line is noisy:
// - between replies, a byte that cannot begin a reply (every reply begins
//   with its kind byte) is skipped;
// - a partial reply whose next byte is more than StaleAfterMs late is
//   dropped: a reply's 8 bytes come back to back, so the gap means the
//   partial reply began on noise;
// - reset() drops a partial reply when a new request goes out.
// Every skipped byte and every dropped partial reply is counted, so that the
// reader of the line can tell a quiet line from a noisy one.

#include <QByteArray>
#include <QList>

class ReplyFramer {
public:
    static constexpr int StaleAfterMs = 100;

    struct Result {
        QList<QByteArray> replies;
        int skipped = 0;  // noise bytes between replies
        int resyncs = 0;  // partial replies dropped
    };

    static bool canBeginReply(char c);

    // Adds bytes that arrived at `nowMs` (any monotonic millisecond clock).
    Result feed(const QByteArray &bytes, qint64 nowMs);
    // Drops a partial reply; returns 1 if there was one (a resynchronisation).
    int reset();
    int pending() const { return buffer.size(); }

private:
    QByteArray buffer;
    qint64 lastByteAt = 0;
};
