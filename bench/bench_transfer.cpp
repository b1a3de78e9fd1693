// SPDX-License-Identifier: GPL-3.0-or-later
// Profile transfer throughput through the session (workers, link, reply
// hand-out) against the simulated ECU, over the 9600-baud serial line of a
// pseudo-terminal (which models both directions of the line) and over the
// in-process HID device (1 ms interrupt interval each way). Each write is
// timed in its two halves: the write frames, and the read-back that verifies
// them. Meanwhile a 1 ms timer in the GUI thread records the longest time
// the event loop was kept from running, here and during a port search.
//
//   QT_QPA_PLATFORM=offscreen ./bench/bench_transfer
// Lines on standard output:
//   TRANSFER <carrier> <write|verify|read> <OK|KO> <cells> <ms> <ms per cell>
//   STALL <carrier> <longest gap in ms>
//   WIRE <ms per exchange>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "link/diagnostics.h"
#include "profile/curvelimits.h"
#include "session/ecusession.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"

namespace {

constexpr double WireMsPerExchange = 16 * 10 * 1000.0 / 9600.0;

template <typename Pred>
bool waitFor(Pred pred, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return pred();
}

// The longest gap between two ticks of a 1 ms timer of the GUI thread.
struct StallMeter {
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    StallMeter()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.elapsed();
            longest = qMax(longest, now - last);
            last = now;
        });
        clock.start();
        timer.start();
    }
};

void line(const char *carrier, const char *op, bool ok, int cells, qint64 ms)
{
    std::printf("TRANSFER %s %s %s %d %lld %.2f\n", carrier, op, ok ? "OK" : "KO", cells,
                static_cast<long long>(ms), double(ms) / cells);
    std::fflush(stdout);
}

void run(const char *carrier, EcuSession &session, bool hid, const QString &path)
{
    StallMeter stall;
    QList<ProbeResult> probes;
    QObject::connect(&session, &EcuSession::probeFinished, [&](const ProbeResult &p) { probes << p; });
    if (hid)
        session.probeHid();
    else
        session.probeSerial(path);
    if (!waitFor([&] { return !probes.isEmpty(); }, 5000) || !probes.first().found()) {
        std::fprintf(stderr, "%s: the simulated ECU was not found\n", carrier);
        return;
    }
    const unsigned char hw = session.deviceInfo().hwVersion;
    const int writeCells = Protocol::cellsWritten(hw);
    const int readCells = Protocol::cellsRead(hw);
    EcuResult result;
    bool done = false;
    qint64 framesDone = -1;
    QElapsedTimer t;
    QObject::connect(&session, &EcuSession::finished, [&](const EcuResult &r) {
        result = r;
        done = true;
    });
    // The write's frames end where its read-back begins.
    QObject::connect(&session, &EcuSession::progress, [&](EcuPhase phase, int) {
        if (phase == EcuPhase::Verifying && framesDone < 0)
            framesDone = t.elapsed();
    });
    for (int round = 0; round < 3; ++round) {
        QVector<int> values;
        for (int i = 0; i < Curve::Points; ++i)
            values << (i * 7 + round) % 31 - 10;
        WriteOptions options;
        options.profileName = QStringLiteral("bench.prf");
        done = false;
        framesDone = -1;
        t.start();
        session.writeCurve(values, options);
        waitFor([&] { return done; }, 120000);
        const qint64 all = t.elapsed();
        line(carrier, "write", result.ok(), writeCells, framesDone);
        line(carrier, "verify", result.ok(), writeCells, all - framesDone);
        done = false;
        t.start();
        session.readCurve();
        waitFor([&] { return done; }, 120000);
        line(carrier, "read", result.ok(), readCells, t.elapsed());
    }
    std::printf("STALL %s %lld\n", carrier, static_cast<long long>(stall.longest));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Diagnostics::setEnabled(false);
    std::printf("WIRE %.2f\n", WireMsPerExchange);
    EcuSimConfig cfg;
    cfg.hwVersion = 21;
    {
        auto ecu = std::make_shared<EcuSimulator>(cfg);
        PtyEcuSimulator pty(ecu);
        if (!pty.start()) {
            std::fprintf(stderr, "serial: no pseudo-terminal (%s)\n", qPrintable(pty.errorString()));
        } else {
            EcuSession session(EcuSession::Config{});
            run("serial", session, false, pty.portPath());
        }
    }
    {
        auto ecu = std::make_shared<EcuSimulator>(cfg);
        EcuSession::Config c;
        c.openHid = [ecu] { return std::make_unique<SimulatedHidDevice>(ecu); };
        EcuSession session(c);
        run("HID", session, true, QString());
    }
    return 0;
}
