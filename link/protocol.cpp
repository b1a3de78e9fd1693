// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/protocol.h"

namespace Protocol {

unsigned char frameChecksum(const QByteArray &bytes)
{
    unsigned int sum = 0;
    for (char c : bytes)
        sum += static_cast<unsigned char>(c);
    return static_cast<unsigned char>(sum & 0xFF);
}

static QByteArray frame(unsigned char b0, unsigned char b1, unsigned char b2, unsigned char b3,
                        unsigned char b4, unsigned char b5, unsigned char b6)
{
    QByteArray f;
    f.reserve(FrameSize);
    for (unsigned char b : {b0, b1, b2, b3, b4, b5, b6})
        f.append(static_cast<char>(b));
    f.append(static_cast<char>(frameChecksum(f)));
    return f;
}

QByteArray makeProbeFrame() { return frame(KindProbe, 0x19, 0x19, 0x19, 0x19, 0x19, 0x19); }

QByteArray makeWriteFrame(unsigned char address, unsigned char value)
{
    // Value first, address second on the wire.
    return frame(KindWrite, value, address, 0x01, 0x01, 0x01, 0x01);
}

QByteArray makeReadFrame(unsigned char address)
{
    return frame(KindRead, KindRead, address, 0x19, 0x19, 0x19, 0x19);
}

QByteArray makePollFrame() { return frame(KindPoll, KindPoll, 0x19, 0x19, 0x19, 0x19, 0x19); }

QByteArray makeHidProbeReport()
{
    QByteArray r(HidReportSize, '\0');
    r[1] = static_cast<char>(KindProbe);
    return r;
}

QByteArray makeHidReport(const QByteArray &frame)
{
    QByteArray r(HidReportSize, '\0');
    for (int i = 0; i < frame.size() && i < FrameSize; ++i)
        r[1 + i] = frame[i];
    return r;
}

bool isReplyOfKind(const QByteArray &reply, unsigned char kind)
{
    return !reply.isEmpty() && static_cast<unsigned char>(reply[0]) == kind;
}

bool isProbeOk(const QByteArray &reply)
{
    return reply.size() >= 2 && static_cast<unsigned char>(reply[0]) == KindProbe
        && static_cast<unsigned char>(reply[1]) == ProbeOk;
}

unsigned char readReplyValue(const QByteArray &reply)
{
    return reply.size() < 2 ? 0 : static_cast<unsigned char>(reply[1]);
}

bool isReadReplyFor(const QByteArray &reply, unsigned char address)
{
    return reply.size() >= 3 && isReplyOfKind(reply, KindRead) && static_cast<unsigned char>(reply[2]) == address;
}

PollData decodePollReply(const QByteArray &reply)
{
    auto at = [&reply](int i) -> unsigned char {
        return i < reply.size() ? static_cast<unsigned char>(reply[i]) : 0;
    };
    PollData d;
    d.adc = at(2);
    d.cellValue = at(3);
    d.rpm = at(4) + 256 * at(5);
    d.cellIndex = at(6);
    return d;
}

} // namespace Protocol
