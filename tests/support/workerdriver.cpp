// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/workerdriver.h"

QByteArray EcuMemory::replyFrame(uchar kind, uchar b1, uchar b2)
{
    QByteArray r(Protocol::FrameSize, '\0');
    r[0] = static_cast<char>(kind);
    r[1] = static_cast<char>(b1);
    r[2] = static_cast<char>(b2);
    r[7] = static_cast<char>(Protocol::frameChecksum(r.left(7)));
    return r;
}

QByteArray ackReply(uchar value, uchar address)
{
    return EcuMemory::replyFrame(Protocol::KindWrite, value, address);
}

QByteArray readReply(uchar value, uchar address)
{
    return EcuMemory::replyFrame(Protocol::KindRead, value, address);
}

QByteArray distinctCells(int n)
{
    QByteArray c;
    for (int i = 0; i < n; ++i)
        c.append(static_cast<char>((i * 37 + 11) & 0xFF));
    return c;
}

QByteArray EcuMemory::answer(const QByteArray &frame)
{
    const uchar address = static_cast<uchar>(frame[2]);
    switch (static_cast<uchar>(frame[0])) {
    case Protocol::KindWrite:
        if (address < cells.size())
            cells[address] = frame[1];
        return ackReply(static_cast<uchar>(frame[1]), address);
    case Protocol::KindRead:
        return readReply(address < cells.size() ? static_cast<uchar>(cells[address]) : 0, address);
    case Protocol::KindPoll:
        return poll;
    default:
        return {};
    }
}

void ModelLine::loseFirstTries(std::function<bool(int)> which, int first)
{
    auto tries = std::make_shared<QMap<int, int>>();
    answer = [this, which, first, tries](const QByteArray &f) {
        const int address = static_cast<uchar>(f[2]);
        if (which(address) && ++(*tries)[address] <= first)
            return QByteArray();
        return ecu.answer(f);
    };
}

void ModelLine::attach(std::function<void(const QByteArray &)> handIn, std::function<void()> noise,
                       const WorkerClock *c)
{
    hand = std::move(handIn);
    markNoise = std::move(noise);
    clock = c;
}

void ModelLine::onFrame(const QByteArray &f)
{
    frames.append(f);
    lastFrameAt = clock->nowMs();
    sentAt.append(lastFrameAt);
    const int n = frames.size();
    if (noisy.contains(n) && markNoise)
        markNoise();
    if (strayAfter.contains(n))
        due.insert(lastFrameAt + CGestWorker::StepSleepMs, strayAfter.value(n));
    if (forgedBefore.contains(n))
        onTheWay.append(readReply(0xEE, static_cast<uchar>(f[2])));
    QByteArray reply = lost.contains(n) ? QByteArray() : answer ? answer(f) : ecu.answer(f);
    if (!reply.isEmpty() && spoilt.contains(n))
        reply[1] = static_cast<char>(spoilt.value(n));
    const int delay = delays.value(n, latencyMs);
    if (!reply.isEmpty() && delay > 0) {
        due.insert(clock->nowMs() + delay, reply);
        reply.clear();
    }
    if (!reply.isEmpty())
        onTheWay.append(reply);
    if (late.contains(n)) {
        if (holding)
            deliver();  // the reply held back before comes in now
        holding = true;
        return;
    }
    holding = false;
    deliver();
}

void ModelLine::afterStep()
{
    const qint64 now = clock->nowMs();
    while (!due.isEmpty() && due.firstKey() <= now)
        hand(due.take(due.firstKey()));
    if (!holding && now - lastFrameAt >= trailingMs)
        deliver();
}

void ModelLine::deliver()
{
    if (!onTheWay.isEmpty())
        hand(onTheWay.takeFirst());
}
