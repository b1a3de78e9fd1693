// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/replyframer.h"

#include "link/protocol.h"

bool ReplyFramer::canBeginReply(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case Protocol::KindProbe:
    case Protocol::KindWrite:
    case Protocol::KindRead:
    case Protocol::KindPollReply:
        return true;
    default:
        return false;
    }
}

ReplyFramer::Result ReplyFramer::feed(const QByteArray &bytes, qint64 nowMs)
{
    Result r;
    if (bytes.isEmpty())
        return r;
    if (!buffer.isEmpty() && nowMs - lastByteAt > StaleAfterMs)
        r.resyncs += reset();
    lastByteAt = nowMs;
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    while (p < end) {
        if (buffer.isEmpty()) {
            // Skip noise up to the next byte that can begin a reply.
            const char *start = p;
            while (p < end && !canBeginReply(*p))
                ++p;
            r.skipped += int(p - start);
            if (p == end)
                break;
        }
        const int take = int(qMin<qint64>(end - p, Protocol::FrameSize - buffer.size()));
        buffer.append(p, take);
        p += take;
        if (buffer.size() == Protocol::FrameSize) {
            r.replies.append(buffer);
            buffer.clear();
        }
    }
    return r;
}

int ReplyFramer::reset()
{
    const int dropped = buffer.isEmpty() ? 0 : 1;
    buffer.clear();
    return dropped;
}
