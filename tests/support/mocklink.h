// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A modelled line for tests of the session: an EcuLink whose far end is an
// EcuSimulator engine. Frames reach the engine at once; its answers come back
// after a latency, through the same reply framing a serial line uses, so
// noise on the line is skipped, counted and resynchronised as on a real port.
// Named failure modes sit on top of the engine's own faults (drops, delays,
// garbage, wrong kinds, a silent or vanished unit).

#include "link/eculink.h"
#include "link/replyframer.h"
#include "sim/ecusimulator.h"

#include <QElapsedTimer>
#include <QList>

#include <memory>

class MockLink : public EcuLink {
    Q_OBJECT
public:
    explicit MockLink(std::shared_ptr<EcuSimulator> ecu, QObject *parent = nullptr);
    ~MockLink() override;

    // --- Named failure modes.
    // open() refuses, as a port that is missing, busy or forbidden does.
    void failOpen(OpenError error) { openFailure = error; }
    // Raw bytes arrive on the line now (noise, a stray frame).
    void inject(const QByteArray &bytes);
    // The cable is pulled: linkLost(Unplugged), nothing is answered any more.
    void unplug();

    void setLatencyMs(int ms) { latencyMs = ms; }
    // Every frame sent while open, in order.
    QList<QByteArray> sent;

    bool open() override;
    void close() override;
    bool isOpen() const override { return opened; }
    void send(const QByteArray &frame) override;
    QString name() const override { return QStringLiteral("mock"); }
    bool isHid() const override { return false; }

private:
    void arrive(const QByteArray &bytes, quint64 run);

    std::shared_ptr<EcuSimulator> ecu;
    OpenError openFailure = OpenError::None;
    bool opened = false;
    quint64 runs = 0;  // bumped by close(): answers still on their way are dropped
    int latencyMs = 1;
    ReplyFramer framer;
    QElapsedTimer clock;
};
