#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QMessageBox>
#include <QTimer>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

#include "app/simenvironment.h"
#include "gauge/qtsvgpixmapcache.h"
#include "mainwindow/frmprogpannel.h"

namespace Startup {

void prepareCaches()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        QtSvgPixmapCache::setDiskFolder(QDir(cache).filePath(QStringLiteral("dial")));
}

bool haveDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt aborts without a platform to show the window on; say what to do instead.
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

EcuSession::Config sessionConfigFromEnvironment()
{
    EcuSession::Config config = EcuSession::defaultConfig();
    // With TERVALIX_SIMULATOR=hid the HID device is a simulated ECU; with
    // "serial" a simulated ECU joins the port list on a pseudo-terminal.
    config.openHid = SimEnvironment::hidOpenerFromEnvironment();
    SimEnvironment::startSerialFromEnvironment();
    return config;
}

int run(int argc, char **argv)
{
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "Tervalix: there is no display to show the window on.\n"
                     "  - on this machine, use the command-line tool: tervalix-cli --help\n"
                     "  - or run the window under a virtual display: xvfb-run -a %s\n"
                     "  - or show it over VNC: %s -platform vnc (then connect a VNC viewer to port 5900)\n",
                     argv[0], argv[0]);
        return 1;
    }
    setApplicationIdentity();
    QApplication app(argc, argv);
    const QString unusableSettings = guardSettingsStore();
    prepareCaches();
    QTranslator translator;
    QSettings settings;
    loadStartupCatalogue(translator);
    QCoreApplication::installTranslator(&translator);

    auto *window = new frmProgPannel(sessionConfigFromEnvironment());
    window->show();
    if (!unusableSettings.isEmpty()) {
        const QString text = settingsProblemText(unusableSettings);
        std::fprintf(stderr, "Tervalix: %s\n", qPrintable(text));
        QTimer::singleShot(0, window, [window, text] { QMessageBox::warning(window, QStringLiteral("Tervalix"), text); });
    }
    const int result = QApplication::exec();
    delete window;  // saves "Geometry" and stops the workers before the rest goes
    return result;
}

} // namespace Startup
