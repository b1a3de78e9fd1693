// tervalix-cli: the ECU from the command line, without a display.

#include "app/simenvironment.h"
#include "app/startup.h"
#include "cli/cli.h"

#include <QCoreApplication>
#include <QTranslator>

int main(int argc, char **argv)
{
    Startup::setApplicationIdentity();
    // Never a QApplication: the tool must run where no display is.
    QCoreApplication app(argc, argv);
    QTranslator translator;
    Startup::loadStartupCatalogue(translator);
    QCoreApplication::installTranslator(&translator);

    EcuSession::Config config = EcuSession::defaultConfig();
    config.openHid = SimEnvironment::hidOpenerFromEnvironment();
    const int code = Cli::run(QCoreApplication::arguments(), config);
    hidApiExit();
    return code;
}
