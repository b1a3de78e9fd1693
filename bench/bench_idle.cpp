// SPDX-License-Identifier: GPL-3.0-or-later
// CPU used by the idle program: the main window shown, no link, its three
// worker threads idling in their loops (one step, then a 10 ms sleep). The
// process's user + system CPU time (getrusage) is read before and after ten
// seconds of wall time spent in the event loop, and reported as percent of one
// core. A bare QMainWindow is measured the same way first, as the floor of an
// idle Qt window on this platform.
//
//   QT_QPA_PLATFORM=offscreen ./bench/bench_idle [seconds]    (default 10)
//
// Output: one line per window on standard output,
//   IDLE <kind> <percent of one core> <user ms> <system ms> <wall ms> <context switches per s>
// and a readable summary on standard error. Settings go to a temporary folder.

#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

#include "app/startup.h"
#include "mainwindow/frmprogpannel.h"

namespace {

struct Reading {
    double wallMs = 0;
    double userMs = 0;
    double systemMs = 0;
    long switches = 0;  // voluntary and involuntary context switches
};

Reading read()
{
    Reading r;
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    r.wallMs = double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1.0e6;
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    r.userMs = double(ru.ru_utime.tv_sec) * 1000.0 + double(ru.ru_utime.tv_usec) / 1000.0;
    r.systemMs = double(ru.ru_stime.tv_sec) * 1000.0 + double(ru.ru_stime.tv_usec) / 1000.0;
    r.switches = ru.ru_nvcsw + ru.ru_nivcsw;
    return r;
}

void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Shows `window`, lets the start-up settle for a second, then measures.
void measure(const char *kind, QMainWindow *window, int seconds)
{
    window->show();
    spin(1000);
    const Reading a = read();
    spin(seconds * 1000);
    const Reading b = read();
    const double wall = b.wallMs - a.wallMs;
    const double user = b.userMs - a.userMs;
    const double sys = b.systemMs - a.systemMs;
    const double percent = 100.0 * (user + sys) / wall;
    const double switchesPerS = double(b.switches - a.switches) * 1000.0 / wall;
    std::printf("IDLE %s %.2f %.1f %.1f %.0f %.0f\n", kind, percent, user, sys, wall, switchesPerS);
    std::fflush(stdout);
    std::fprintf(stderr, "%-9s %5.2f %% of one core  (user %.1f ms, system %.1f ms over %.0f ms; %.0f context switches/s)\n",
                 kind, percent, user, sys, wall, switchesPerS);
    window->hide();
}

} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 10;
    Startup::setApplicationIdentity();
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    qunsetenv("TERVALIX_SIMULATOR");
    QTranslator translator;
    Startup::loadStartupCatalogue(translator);
    QCoreApplication::installTranslator(&translator);

    {
        QMainWindow bare;
        bare.resize(1075, 536);
        measure("bare", &bare, seconds);
    }
    {
        auto *window = new frmProgPannel();
        measure("tervalix", window, seconds);
        delete window;  // stops the workers
    }
    return 0;
}
