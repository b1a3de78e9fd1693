// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Groups the bytes that arrive from a serial port into 8-byte replies.

#include <QByteArray>
#include <QList>

class ReplyAssembler {
public:
    // Adds arriving bytes; returns every reply they complete, in order.
    QList<QByteArray> feed(const QByteArray &bytes);
    // Forgets a partial reply. The protocol is one request, one reply: a new
    // request, a disconnect or a new search makes any partial reply stale.
    void reset();
    // Bytes of the current, incomplete reply.
    int pending() const { return count; }

private:
    QByteArray buffer = QByteArray(8, '\0');
    int count = 0;
};
