// tervalix: the window.

#include "app/startup.h"
#include "gauge/qtsvgpixmapcache.h"
#include "link/hiddevice.h"
#include "mainwindow/frmprogpannel.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (Startup::printVersionIfAsked(argc, argv, "tervalix"))
        return 0;
    if (!Startup::haveDisplay()) {
        std::fprintf(stderr,
                     "Tervalix: there is no display to show the window on.\n"
                     "  - on this machine, use the command-line tool: tervalix-cli --help\n"
                     "  - or run the window under a virtual display: xvfb-run -a %s\n"
                     "  - or show it over VNC: %s -platform vnc (then connect a VNC viewer to port 5900)\n",
                     argv[0], argv[0]);
        return 1;
    }
    Startup::setApplicationIdentity();
    Startup::enableHighDpi();
    QApplication app(argc, argv);
    int result = 0;
    {
        Startup::Common common(app);
        QtSvgPixmapCache::useUserCacheFolder();
        frmProgPannel window(Startup::sessionConfigFromEnvironment(Startup::SerialSimulator::Offer));
        window.show();
        const QString problem = common.settingsProblem();
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "Tervalix: %s\n", qPrintable(problem));
            QTimer::singleShot(0, &window,
                               [&window, problem] { QMessageBox::warning(&window, QStringLiteral("Tervalix"), problem); });
        }
        result = QApplication::exec();
        // The window goes first: it saves "Geometry" and stops the workers.
    }
    hidApiExit();
    return result;
}
