// tervalix-ecu-sim: a simulated ECU on a pseudo-terminal. Prints the port to
// open (e.g. /dev/pts/7) and answers frames until interrupted.

#include "sim/ptyecusimulator.h"
#include "util/version.h"

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
        {"cyl", "Cylinders reported (0, 2 or 4; default 4).", "n", "4"},
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

    PtyEcuSimulator sim(ecu);
    if (!sim.start()) {
        std::fprintf(stderr, "tervalix-ecu-sim: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    std::printf("%s\n", qPrintable(sim.portPath()));
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
    sim.stop();
    return rc;
}
