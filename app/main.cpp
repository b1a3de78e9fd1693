// SPDX-License-Identifier: GPL-3.0-or-later
// tervalix: the window.

#include "app/startup.h"
#include "uicommon/highdpi.h"
#include "gauge/qtsvgpixmapcache.h"
#include "link/hiddevice.h"
#include "mainwindow/frmprogpannel.h"
#include "util/signalwatch.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    if (Startup::printVersionIfAsked(argc, argv, "tervalix"))
        return 0;
    for (int i = 1; i < argc && argv[i][0] == '-'; ++i)
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            std::printf("Usage: %s [FILE.prf] [-platform NAME]\n"
                        "Tuning tool for the Tervalix fuel-injection ECU: edit the injection curve, keep it in\n"
                        "profiles, write it into the ECU and read it back, watch engine speed live.\n\n"
                        "  FILE.prf        open this profile\n"
                        "  -platform NAME  Qt's display platform (for example offscreen or vnc)\n"
                        "  --version       print the version\n"
                        "  -h, --help      print this help\n\n"
                        "Without a display: tervalix-cli --help. The manual: man tervalix.\n",
                        argv[0]);
            return 0;
        }
    if (!Startup::haveDisplay()) {
        // The commands as they run from here: the tool lives beside the window.
        const std::string self = argv[0];
        const std::size_t slash = self.find_last_of('/');
        const std::string cli = slash == std::string::npos ? "tervalix-cli" : self.substr(0, slash + 1) + "tervalix-cli";
        std::fprintf(stderr,
                     "Tervalix: there is no display to show the window on.\n"
                     "  - on this machine, use the command-line tool: %s --help\n"
                     "  - or run the window under a virtual display: xvfb-run -a %s\n"
                     "  - or show it over VNC: %s -platform vnc (then connect a VNC viewer to port 5900)\n",
                     cli.c_str(), argv[0], argv[0]);
        return 1;
    }
    Startup::setApplicationIdentity();
    HighDpi::enable();
    QApplication app(argc, argv);
    int result = 0;
    {
        Startup::Common common(app);
        QtSvgPixmapCache::useUserCacheFolder();
        frmProgPannel window(Startup::sessionConfigFromEnvironment(Startup::SerialSimulator::Offer));
        window.show();
        // "tervalix FILE.prf": the file manager's way to open a profile.
        const QStringList args = QCoreApplication::arguments();
        for (int i = 1; i < args.size(); ++i)
            if (!args[i].startsWith(QLatin1Char('-')) && args[i].endsWith(QLatin1String(".prf"), Qt::CaseInsensitive)) {
                const QString path = args[i];
                QTimer::singleShot(0, &window, [&window, path] { window.openProfile(path); });
                break;
            }
        const QString problem = common.settingsProblem();
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "Tervalix: %s\n", qPrintable(problem));
            QTimer::singleShot(0, &window,
                               [&window, problem] { QMessageBox::warning(&window, QStringLiteral("Tervalix"), problem); });
        }
        // A termination request, a hang-up or Ctrl+C in the terminal close the
        // window as its Close button does: a transfer is finished first, and
        // unsaved work is asked about.
        SignalWatch stopSignals;
        QObject::connect(&stopSignals, &SignalWatch::received, &window, [&window] { window.close(); });
        result = QApplication::exec();
        // The window goes first: it saves "Geometry" and stops the workers.
    }
    hidApiExit();
    return result;
}
