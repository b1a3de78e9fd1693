#include "app/startup.h"

#include <QApplication>
#include <QSettings>
#include <QTranslator>

#include "mainwindow/frmprogpannel.h"

namespace Startup {

int run(int argc, char **argv)
{
    setApplicationIdentity();
    QApplication app(argc, argv);
    QTranslator translator;
    QSettings settings;
    loadStartupCatalogue(translator);
    QCoreApplication::installTranslator(&translator);

    auto *window = new frmProgPannel();
    window->show();
    const int result = QApplication::exec();
    delete window;  // saves "Geometry" and stops the workers before the rest goes
    return result;
}

} // namespace Startup
