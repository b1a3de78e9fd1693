// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window keeps its event loop waiting while the Mixture panel
// reads and analyses an hour of logs (the ECU's at 33 Hz, a wideband's at
// 50 Hz): a 1 ms timer of the GUI thread records its longest gap.
//
//   QT_QPA_PLATFORM=offscreen ./bench/bench_mixturestall
// Line on standard output:
//   MIXTURE_STALL <longest gap ms> <analysis ms> <points proposed>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "app/startup.h"
#include "mainwindow/frmprogpannel.h"
#include "panels/mixturepanel.h"
#include "sim/enginelogs.h"

int main(int argc, char **argv)
{
    Startup::setApplicationIdentity();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());

    EngineConfig engine;
    engine.seed = 2;
    engine.laps = 30;
    engine.cylinders = 4;
    WidebandConfig sensor;
    sensor.seed = 2;
    sensor.delayMs = 600;
    sensor.rateHz = 50;
    EngineRunConfig run;
    run.durationMs = 3600.0 * 1000;
    const EngineRunLogs logs = simulateRun(EngineModel(engine), sensor, QVector<int>(41, 0), run);
    const QString live = dir.filePath(QStringLiteral("live.csv"));
    const QString wideband = dir.filePath(QStringLiteral("wideband.csv"));
    for (const auto &f : {std::make_pair(live, logs.live), std::make_pair(wideband, logs.wideband)}) {
        QFile out(f.first);
        if (!out.open(QIODevice::WriteOnly) || out.write(f.second) != f.second.size())
            return 1;
    }

    frmProgPannel window(EcuSession::Config{});
    window.show();
    QCoreApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = qMax(longest, now - last);
        last = now;
    });
    MixturePanel *panel = window.mixturePanel();
    // The panel's first showing builds its widgets, once: not part of a load.
    panel->showPanel();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QElapsedTimer took;
    took.start();
    last = clock.elapsed();
    tick.start();
    panel->analyseFiles({live}, {wideband});
    while (!panel->result().ok && took.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 ms = took.elapsed();
    // A few more ticks: the result's own display is part of the load.
    QElapsedTimer after;
    after.start();
    while (after.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    std::printf("MIXTURE_STALL %lld %lld %d\n", static_cast<long long>(longest), static_cast<long long>(ms),
                panel->result().proposals());
    return panel->result().ok ? 0 : 1;
}
