// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/replyassembler.h"

#include "link/protocol.h"

QList<QByteArray> ReplyAssembler::feed(const QByteArray &bytes)
{
    QList<QByteArray> replies;
    for (char c : bytes) {
        buffer[count++] = c;
        if (count == Protocol::FrameSize) {
            replies.append(buffer);
            count = 0;
        }
    }
    return replies;
}

void ReplyAssembler::reset()
{
    count = 0;
}
