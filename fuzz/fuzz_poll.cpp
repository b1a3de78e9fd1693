// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary blocks as poll replies: the live values taken from them.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), int(size));
    const Protocol::PollData poll = Protocol::decodePollReply(reply);
    auto at = [&](size_t i) -> int { return i < size ? data[i] : 0; };
    if (poll.rpm != at(4) + 256 * at(5) || poll.rpm < 0 || poll.rpm > 65535)
        abort();
    if (poll.adc != at(2) || poll.cellValue != at(3) || poll.cellIndex != at(6))
        abort();
    return 0;
}
