// Arbitrary byte streams through the reply assembly and the classification
// that every consumer applies to an assembled reply.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/protocol.h"
#include "link/replyassembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the stream is cut into reads; a 0xA5 in the
    // stream stands for a new request (which drops a partial reply).
    const size_t chunk = 1 + data[0] % 13;
    ReplyAssembler assembler;
    size_t fedSinceReset = 0, repliesSinceReset = 0;
    for (size_t pos = 1; pos < size; pos += chunk) {
        const size_t n = pos + chunk <= size ? chunk : size - pos;
        if (data[pos] == 0xA5) {
            assembler.reset();
            fedSinceReset = repliesSinceReset = 0;
            if (assembler.pending() != 0)
                abort();
            continue;
        }
        const QList<QByteArray> replies =
            assembler.feed(QByteArray(reinterpret_cast<const char *>(data + pos), int(n)));
        fedSinceReset += n;
        for (const QByteArray &reply : replies) {
            if (reply.size() != Protocol::FrameSize)
                abort();
            ++repliesSinceReset;
            const Protocol::PollData poll = Protocol::decodePollReply(reply);
            if (poll.rpm < 0 || poll.rpm > 65535)
                abort();
            if (poll.rpm != uint8_t(reply[4]) + 256 * uint8_t(reply[5]))
                abort();
            if (Protocol::readReplyValue(reply) != uint8_t(reply[1]))
                abort();
            const bool probeOk = Protocol::isProbeOk(reply);
            if (probeOk && !Protocol::isReplyOfKind(reply, Protocol::KindProbe))
                abort();
            int kinds = 0;
            for (unsigned char kind : {Protocol::KindProbe, Protocol::KindWrite, Protocol::KindRead,
                                       Protocol::KindPollReply})
                kinds += Protocol::isReplyOfKind(reply, kind);
            if (kinds > 1)
                abort();
        }
        // Nothing is lost or invented: every byte is in a reply or pending.
        if (repliesSinceReset * Protocol::FrameSize + size_t(assembler.pending()) != fedSinceReset)
            abort();
        if (assembler.pending() < 0 || assembler.pending() >= Protocol::FrameSize)
            abort();
    }
    return 0;
}
