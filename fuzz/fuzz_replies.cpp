// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary byte streams through the serial line's reply framing and the
// classification that every consumer applies to an assembled reply.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/protocol.h"
#include "link/replyframer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the stream is cut into reads; a 0xA5 in the
    // stream stands for a new request (which drops a partial reply) and a
    // 0x5A for a pause long enough to make a partial reply stale.
    const size_t chunk = 1 + data[0] % 13;
    ReplyFramer framer;
    qint64 now = 0;
    qint64 in = 0, out = 0;
    for (size_t pos = 1; pos < size; pos += chunk) {
        const size_t n = pos + chunk <= size ? chunk : size - pos;
        if (data[pos] == 0xA5) {
            const int pending = framer.pending();
            if (framer.reset() != (pending > 0 ? 1 : 0) || framer.pending() != 0)
                abort();
            in -= pending;
            continue;
        }
        now += data[pos] == 0x5A ? ReplyFramer::StaleAfterMs + 1 : 1;
        const int pendingBefore = framer.pending();
        const ReplyFramer::Result r = framer.feed(QByteArray(reinterpret_cast<const char *>(data + pos), int(n)), now);
        if (r.resyncs > 0)
            in -= pendingBefore;
        in += qint64(n) - r.skipped;
        if (r.skipped < 0 || r.resyncs < 0 || r.resyncs > 1)
            abort();
        for (const QByteArray &reply : r.replies) {
            out += reply.size();
            if (reply.size() != Protocol::FrameSize || !ReplyFramer::canBeginReply(reply[0]))
                abort();
            const Protocol::PollData poll = Protocol::decodePollReply(reply);
            if (poll.rpm != uint8_t(reply[4]) + 256 * uint8_t(reply[5]))
                abort();
            if (Protocol::readReplyValue(reply) != uint8_t(reply[1]))
                abort();
            if (Protocol::isProbeOk(reply) && !Protocol::isReplyOfKind(reply, Protocol::KindProbe))
                abort();
        }
        // Every byte kept is in a reply or in the one partial reply.
        if (in != out + framer.pending() || framer.pending() >= Protocol::FrameSize)
            abort();
    }
    return 0;
}
