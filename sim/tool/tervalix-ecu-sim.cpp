// SPDX-License-Identifier: GPL-3.0-or-later
// tervalix-ecu-sim: a simulated ECU on a pseudo-terminal. Prints the port to
// open (e.g. /dev/pts/7) and answers frames until interrupted.

#include "sim/enginelogs.h"
#include "sim/enginemodel.h"
#include "sim/ptyecusimulator.h"
#include "sim/ptywideband.h"
#include "util/version.h"

#include <QDir>
#include <QFile>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

volatile std::sig_atomic_t interrupted = 0;
void onSignal(int) { interrupted = 1; }

int intOption(const QCommandLineParser &p, const QString &name, int fallback, int lo, int hi, bool *ok)
{
    if (!p.isSet(name))
        return fallback;
    bool good = false;
    const int v = p.value(name).toInt(&good);
    if (!good || v < lo || v > hi) {
        std::fprintf(stderr, "tervalix-ecu-sim: --%s expects a whole number from %d to %d\n",
                     qPrintable(name), lo, hi);
        *ok = false;
    }
    return good ? v : fallback;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tervalix-ecu-sim"));
    QCoreApplication::setApplicationVersion(Version::text());

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Simulated Tervalix ECU on a pseudo-terminal. Open the printed port in the program."));
    p.addHelpOption();
    p.addVersionOption();
    p.addOptions({
        {"hw", "Hardware version byte (default 21; below 20: 50 cells).", "n", "21"},
        {"cyl", "Cylinders reported (default 4; the program knows 0, 2 and 4, others are reported as they are).", "n", "4"},
        {"fw", "Firmware major, minor, revision characters (default 203).", "abc", "203"},
        {"delay", "Reply delay in milliseconds.", "ms"},
        {"drop-every", "Drop every n-th reply.", "n"},
        {"drop-rate", "Drop this share of replies at random (0 to 1).", "r"},
        {"seed", "Seed of the random faults.", "n"},
        {"garbage", "Insert this many random bytes before affected replies.", "n"},
        {"garbage-every", "Which replies get garbage (every n-th; default 1).", "n"},
        {"wrong-every", "Every n-th reply carries the wrong kind byte.", "n"},
        {"silent", "Never answer."},
        {"stuck-cell", "A cell that acknowledges writes but keeps its old value.", "n"},
        {"vanish-after", "Disappear (close the port) after this many seconds.", "s"},
        {"cell", "Preset a cell: index=value (repeatable).", "i=v"},
        {"engine", "Run the mixture engine: polls follow a seeded ride (idle, a cruise, pulls at two sweep rates, "
                   "decelerations with fuel cut)."},
        {"engine-seed", "Seed of the ride and of the engine's true fuel requirement (default 1).", "n"},
        {"engine-laps", "Laps of the ride (default 1; the ride repeats after them).", "n"},
        {"no-closed-loop", "The cruise runs open loop too."},
        {"wb-delay", "Wideband transport delay, ms (default 600).", "ms"},
        {"wb-lag", "Wideband first-order lag, ms (default 40).", "ms"},
        {"wb-noise", "Wideband noise, AFR standard deviation (default 0.15).", "afr"},
        {"wb-rate", "Wideband samples per second (default 50).", "hz"},
        {"wb-clock-offset", "The wideband logger's clock runs this far behind, ms (default 0).", "ms"},
        {"wb-warmup", "The wideband reads 0.0 for this long after it starts, ms (default 0).", "ms"},
        {"wb-format", "Shape of the written wideband log: comma|semicolon|tab, decimal-comma, s|ms|iso, afr|lambda, "
                      "rpm, joined by '+' (default comma+s+afr+rpm).", "shape"},
        {"wideband-pty", "Also stream the wideband's readings as ASCII lines on a second pseudo-terminal "
                         "(printed on the second line); the engine ride runs with it."},
        {"wideband-lambda", "Stream lambda instead of AFR."},
        {"write-logs", "Write one ride at once (no waiting, no port) into DIR: live.csv as tervalix-cli monitor "
                       "--csv records it and wideband.csv; then exit.", "dir"},
    });
    p.process(app);

    bool ok = true;
    EcuSimConfig cfg;
    cfg.hwVersion = static_cast<unsigned char>(intOption(p, "hw", 21, 0, 255, &ok));
    cfg.cylinders = static_cast<unsigned char>(intOption(p, "cyl", 4, 0, 255, &ok));
    const QByteArray fw = p.value("fw").toLatin1();
    if (fw.size() != 3) {
        std::fprintf(stderr, "tervalix-ecu-sim: --fw expects three characters\n");
        ok = false;
    } else {
        for (int i = 0; i < 3; ++i)
            cfg.firmware[i] = fw[i];
    }
    cfg.seed = static_cast<quint32>(intOption(p, "seed", 1, 0, 0x7fffffff, &ok));

    EcuSimFaults f;
    f.replyDelayMs = intOption(p, "delay", 0, 0, 60000, &ok);
    f.dropEveryN = intOption(p, "drop-every", 0, 0, 1000000, &ok);
    if (p.isSet("drop-rate")) {
        bool good = false;
        f.dropRate = p.value("drop-rate").toDouble(&good);
        if (!good || f.dropRate < 0.0 || f.dropRate > 1.0) {
            std::fprintf(stderr, "tervalix-ecu-sim: --drop-rate expects a number from 0 to 1\n");
            ok = false;
        }
    }
    f.garbageBytes = intOption(p, "garbage", 0, 0, 64, &ok);
    f.garbageEveryN = intOption(p, "garbage-every", f.garbageBytes > 0 ? 1 : 0, 0, 1000000, &ok);
    f.wrongKindEveryN = intOption(p, "wrong-every", 0, 0, 1000000, &ok);
    f.silent = p.isSet("silent");
    f.stuckCell = intOption(p, "stuck-cell", -1, 0, 255, &ok);
    const int vanishAfter = intOption(p, "vanish-after", 0, 0, 86400, &ok);
    if (!ok)
        return 2;

    auto ecu = std::make_shared<EcuSimulator>(cfg);
    ecu->setFaults(f);
    for (const QString &preset : p.values("cell")) {
        const QStringList parts = preset.split('=');
        bool a = false, b = false;
        const int index = parts.size() == 2 ? parts[0].toInt(&a) : 0;
        const int value = parts.size() == 2 ? parts[1].toInt(&b) : 0;
        if (!a || !b || index < 0 || index >= ecu->cellCount() || value < -128 || value > 255) {
            std::fprintf(stderr, "tervalix-ecu-sim: bad --cell %s\n", qPrintable(preset));
            return 2;
        }
        ecu->setCell(index, static_cast<unsigned char>(value & 0xFF));
    }

    std::shared_ptr<EngineModel> engine;
    WidebandConfig wb;
    // A wideband reads an exhaust: it brings the engine along.
    if (p.isSet("engine") || p.isSet("write-logs") || p.isSet("wideband-pty")) {
        EngineConfig ec;
        ec.seed = static_cast<quint32>(intOption(p, "engine-seed", 1, 0, 0x7fffffff, &ok));
        ec.laps = intOption(p, "engine-laps", 1, 1, 1000, &ok);
        ec.cylinders = cfg.cylinders == 4 ? 4 : 2;
        ec.closedLoop = !p.isSet("no-closed-loop");
        wb.delayMs = intOption(p, "wb-delay", 600, 0, 5000, &ok);
        wb.lagMs = intOption(p, "wb-lag", 40, 0, 5000, &ok);
        wb.rateHz = intOption(p, "wb-rate", 50, 1, 1000, &ok);
        wb.clockOffsetMs = intOption(p, "wb-clock-offset", 0, -86400000, 86400000, &ok);
        wb.warmupMs = intOption(p, "wb-warmup", 0, 0, 600000, &ok);
        wb.seed = ec.seed;
        if (p.isSet("wb-noise")) {
            bool number = false;
            wb.noiseAfr = p.value("wb-noise").toDouble(&number);
            if (!number || !(wb.noiseAfr >= 0 && wb.noiseAfr <= 5)) {
                std::fprintf(stderr, "tervalix-ecu-sim: --wb-noise wants a number from 0 to 5\n");
                ok = false;
            }
        }
        if (!ok)
            return 2;
        engine = std::make_shared<EngineModel>(ec);
        ecu->setEngine(engine);
    }
    if (p.isSet("write-logs")) {
        EngineRunConfig run;
        QString error;
        if (!WidebandShape::parse(p.isSet("wb-format") ? p.value("wb-format") : QStringLiteral("comma+s+afr+rpm"),
                                  &run.shape, &error)) {
            std::fprintf(stderr, "tervalix-ecu-sim: %s\n", qPrintable(error));
            return 2;
        }
        QVector<int> curve;
        for (int i = 0; i < 41; ++i)
            curve.append(int(qint8(ecu->cell(i))));
        const EngineRunLogs logs = simulateRun(*engine, wb, curve, run);
        const QDir dir(p.value("write-logs"));
        if (!dir.mkpath(QStringLiteral("."))) {
            std::fprintf(stderr, "tervalix-ecu-sim: cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
        for (const auto &f : {std::make_pair(QStringLiteral("live.csv"), logs.live),
                              std::make_pair(QStringLiteral("wideband.csv"), logs.wideband)}) {
            QFile out(dir.filePath(f.first));
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(f.second) != f.second.size()) {
                std::fprintf(stderr, "tervalix-ecu-sim: cannot write %s\n", qPrintable(out.fileName()));
                return 1;
            }
        }
        std::printf("%s\n%s\n", qPrintable(dir.filePath(QStringLiteral("live.csv"))),
                    qPrintable(dir.filePath(QStringLiteral("wideband.csv"))));
        return 0;
    }

    PtyEcuSimulator sim(ecu);
    if (!sim.start()) {
        std::fprintf(stderr, "tervalix-ecu-sim: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    std::printf("%s\n", qPrintable(sim.portPath()));
    std::unique_ptr<PtyWidebandSimulator> widebandPort;
    if (p.isSet("wideband-pty")) {
        widebandPort = std::make_unique<PtyWidebandSimulator>(ecu, wb, p.isSet("wideband-lambda"));
        if (!widebandPort->start()) {
            std::fprintf(stderr, "tervalix-ecu-sim: %s\n", qPrintable(widebandPort->errorString()));
            return 1;
        }
        std::printf("%s\n", qPrintable(widebandPort->portPath()));
    }
    std::fflush(stdout);

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (interrupted)
            QCoreApplication::quit();
    });
    watch.start(100);
    if (vanishAfter > 0)
        QTimer::singleShot(vanishAfter * 1000, &app, [&] {
            sim.unplug();
            std::fprintf(stderr, "tervalix-ecu-sim: device gone\n");
            QCoreApplication::quit();
        });
    const int rc = QCoreApplication::exec();
    if (widebandPort)
        widebandPort->stop();
    sim.stop();
    return rc;
}
