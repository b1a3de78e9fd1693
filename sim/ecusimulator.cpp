// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ecusimulator.h"
#include <mutex>

#include "link/protocol.h"
#include "sim/enginemodel.h"

#include <QtMath>

namespace {

QByteArray withChecksum(std::initializer_list<unsigned char> content)
{
    QByteArray f;
    for (unsigned char b : content)
        f.append(static_cast<char>(b));
    f.append(static_cast<char>(Protocol::frameChecksum(f)));
    return f;
}

unsigned char byteAt(const QByteArray &bytes, int i)
{
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
}

// A kind byte that no consumer waits for at this point of the conversation.
unsigned char wrongKind(unsigned char kind)
{
    switch (kind) {
    case Protocol::KindProbe: return Protocol::KindRead;
    case Protocol::KindWrite: return Protocol::KindPollReply;
    case Protocol::KindRead: return Protocol::KindWrite;
    default: return Protocol::KindWrite;
    }
}

} // namespace

EcuSimulator::EcuSimulator(const EcuSimConfig &config)
    : cfg(config), rng(config.seed)
{
    memory = QByteArray(Protocol::cellsRead(cfg.hwVersion), '\0');
    memory[Protocol::benchParamCell(cfg.hwVersion)] = 2;
    memory[Protocol::injectionKCell(cfg.hwVersion)] = 1;
    powerUp.start();
}

EcuSimConfig EcuSimulator::config() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return cfg;
}

int EcuSimulator::cellCount() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return memory.size();
}

EcuResponse EcuSimulator::handleFrame(const QByteArray &frame)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (countRequestAndCheckGone())
        return EcuResponse();
    if (frame.size() != Protocol::FrameSize)
        return EcuResponse();
    return applyFaults(answer(frame));
}

EcuResponse EcuSimulator::handleHidReport(const QByteArray &report)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (countRequestAndCheckGone())
        return EcuResponse();
    constexpr int inputSize = Protocol::HidReportSize - 1;
    // Byte 0 is the report number; the frame (or the probe byte) follows.
    const QByteArray data = report.mid(1, Protocol::FrameSize);
    QByteArray reply;
    if (byteAt(data, 0) == Protocol::KindProbe)
        reply = answer(Protocol::makeProbeFrame());  // the search's own report too
    else if (data.size() == Protocol::FrameSize)
        reply = answer(data);
    EcuResponse r = applyFaults(reply);
    if (!r.bytes.isEmpty()) {
        r.bytes = r.bytes.left(inputSize);
        r.bytes.append(QByteArray(inputSize - r.bytes.size(), '\0'));
    }
    return r;
}

bool EcuSimulator::countRequestAndCheckGone()
{
    ++requests;
    if (flt.vanishAfterRequests > 0 && requests > flt.vanishAfterRequests)
        flt.gone = true;
    return flt.gone;
}

QByteArray EcuSimulator::answer(const QByteArray &frame)
{
    const unsigned char kind = byteAt(frame, 0);
    switch (kind) {
    case Protocol::KindProbe:
        return withChecksum({Protocol::KindProbe, Protocol::ProbeOk, cfg.hwVersion, cfg.cylinders,
                             static_cast<unsigned char>(cfg.firmware[0]),
                             static_cast<unsigned char>(cfg.firmware[1]),
                             static_cast<unsigned char>(cfg.firmware[2])});
    case Protocol::KindWrite: {
        const unsigned char value = byteAt(frame, 1);
        const unsigned char address = byteAt(frame, 2);
        if (address < memory.size() && address != flt.stuckCell)
            memory[address] = static_cast<char>(value);
        return withChecksum({Protocol::KindWrite, value, address, 0, 0, 0, 0});
    }
    case Protocol::KindRead: {
        const unsigned char address = byteAt(frame, 2);
        const unsigned char value = address < memory.size() ? byteAt(memory, address) : 0;
        return withChecksum({Protocol::KindRead, value, address, 0, 0, 0, 0});
    }
    case Protocol::KindPoll: {
        EcuLiveValues live = liveValuesAt(now(), cfg.cylinders);
        if (ride) {
            live.rpm = qRound(ride->rpmAt(double(now())));
            live.cellIndex = static_cast<unsigned char>(ride->cellAt(live.rpm));
        }
        return withChecksum({Protocol::KindPollReply, 0, live.adc, byteAt(memory, live.cellIndex),
                             static_cast<unsigned char>(live.rpm & 0xFF),
                             static_cast<unsigned char>((live.rpm >> 8) & 0xFF), live.cellIndex});
    }
    default:
        return QByteArray();
    }
}

EcuResponse EcuSimulator::applyFaults(QByteArray reply)
{
    EcuResponse r;
    if (reply.isEmpty() || flt.silent || flt.gone)
        return r;
    ++replyCounter;
    if (flt.dropEveryN > 0 && replyCounter % flt.dropEveryN == 0)
        return r;
    if (flt.dropRate > 0.0 && std::uniform_real_distribution<double>(0.0, 1.0)(rng) < flt.dropRate)
        return r;
    if (flt.wrongKindEveryN > 0 && replyCounter % flt.wrongKindEveryN == 0)
        reply[0] = static_cast<char>(wrongKind(byteAt(reply, 0)));
    if (flt.garbageEveryN > 0 && flt.garbageBytes > 0 && replyCounter % flt.garbageEveryN == 0) {
        std::uniform_int_distribution<int> byte(0, 255);
        QByteArray garbage;
        for (int i = 0; i < flt.garbageBytes; ++i)
            garbage.append(static_cast<char>(byte(rng)));
        reply.prepend(garbage);
    }
    r.bytes = reply;
    const bool late = flt.delayOnlyNth <= 0 || replyCounter - replyCounterAtFaults == flt.delayOnlyNth;
    r.delayMs = late ? qMax(0, flt.replyDelayMs) : 0;
    return r;
}

unsigned char EcuSimulator::cell(int index) const
{
    std::unique_lock<std::mutex> lock(mutex);
    return byteAt(memory, index);
}

void EcuSimulator::setCell(int index, unsigned char value)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (index >= 0 && index < memory.size())
        memory[index] = static_cast<char>(value);
}

QByteArray EcuSimulator::cells() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return memory;
}

void EcuSimulator::setFaults(const EcuSimFaults &faults)
{
    std::unique_lock<std::mutex> lock(mutex);
    flt = faults;
    replyCounterAtFaults = replyCounter;
}

EcuSimFaults EcuSimulator::faults() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return flt;
}

bool EcuSimulator::isGone() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return flt.gone;
}

int EcuSimulator::requestsReceived() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return requests;
}

void EcuSimulator::setClock(std::function<qint64()> c)
{
    std::unique_lock<std::mutex> lock(mutex);
    clock = std::move(c);
}

void EcuSimulator::setEngine(std::shared_ptr<const EngineModel> engine)
{
    std::unique_lock<std::mutex> lock(mutex);
    ride = std::move(engine);
}

std::shared_ptr<const EngineModel> EcuSimulator::engine() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return ride;
}

qint64 EcuSimulator::clockMs() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return now();
}

qint64 EcuSimulator::now() const
{
    return clock ? clock() : powerUp.elapsed();
}

int EcuSimulator::topRpm(unsigned char cylinders)
{
    return cylinders == 4 ? 17000 : 12000;
}

EcuLiveValues EcuSimulator::liveValuesAt(qint64 ms, unsigned char cylinders)
{
    const double t = ms / 1000.0;
    const int top = topRpm(cylinders);
    const double idle = 1100.0;
    const double span = top * 0.95 - idle;
    // A slow sweep through the range with a gentle ripple on top.
    double s = 0.5 - 0.5 * qCos(2.0 * M_PI * t / 16.0);
    s += 0.03 * qSin(2.0 * M_PI * t / 3.7) * s * (1.0 - s) * 4.0;
    s = qBound(0.0, s, 1.0);
    EcuLiveValues v;
    v.rpm = qRound(idle + span * s);
    v.adc = static_cast<unsigned char>(qRound(90.0 + 40.0 * (0.5 - 0.5 * qCos(2.0 * M_PI * t / 120.0))));
    v.cellIndex = static_cast<unsigned char>(qBound(0, qRound(v.rpm * 40.0 / top), 40));
    return v;
}
