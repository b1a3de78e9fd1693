// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/mocklink.h"

#include <QTimer>

MockLink::MockLink(std::shared_ptr<EcuSimulator> engine, QObject *parent) : EcuLink(parent), ecu(std::move(engine))
{
    clock.start();
}

MockLink::~MockLink() = default;

bool MockLink::open()
{
    if (openFailure != OpenError::None) {
        setOpenError(openFailure, QStringLiteral("mock: refused"));
        return false;
    }
    opened = true;
    framer.reset();
    return true;
}

void MockLink::close()
{
    opened = false;
    ++runs;
    framer.reset();
}

void MockLink::send(const QByteArray &frame)
{
    if (!opened)
        return;
    if (framer.reset()) {
        ++counters.resyncs;
        emit irregularity(0, 1);
    }
    ++counters.framesSent;
    sent.append(frame);
    const EcuResponse r = ecu->handleFrame(frame);
    if (ecu->isGone()) {
        QTimer::singleShot(latencyMs, this, [this, run = runs] {
            if (run == runs && opened) {
                close();
                emit linkLost(LossReason::Unplugged, QString());
            }
        });
        return;
    }
    if (r.bytes.isEmpty())
        return;
    QTimer::singleShot(latencyMs + r.delayMs, this, [this, bytes = r.bytes, run = runs] { arrive(bytes, run); });
}

void MockLink::inject(const QByteArray &bytes)
{
    arrive(bytes, runs);
}

void MockLink::unplug()
{
    EcuSimFaults f = ecu->faults();
    f.gone = true;
    ecu->setFaults(f);
    if (!opened)
        return;
    close();
    emit linkLost(LossReason::Unplugged, QString());
}

void MockLink::arrive(const QByteArray &bytes, quint64 run)
{
    if (run != runs || !opened)
        return;
    const ReplyFramer::Result r = framer.feed(bytes, clock.elapsed());
    if (r.skipped || r.resyncs) {
        counters.skippedBytes += r.skipped;
        counters.resyncs += r.resyncs;
        emit irregularity(r.skipped, r.resyncs);
    }
    for (const QByteArray &reply : r.replies) {
        ++counters.replies;
        emit replyReceived(reply);
    }
}
