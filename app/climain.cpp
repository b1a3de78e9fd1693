// SPDX-License-Identifier: GPL-3.0-or-later
// tervalix-cli: the ECU from the command line, without a display.

#include "app/startup.h"
#include "cli/cli.h"
#include "link/hiddevice.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (Startup::printVersionIfAsked(argc, argv, "tervalix-cli"))
        return 0;
    Startup::setApplicationIdentity();
    // Never a QApplication: the tool must run where no display is.
    QCoreApplication app(argc, argv);
    int code = 0;
    {
        Startup::Common common(app);
        const QString problem = common.settingsProblem();
        if (!problem.isEmpty())
            std::fprintf(stderr, "tervalix-cli: %s\n", qPrintable(problem));
        code = Cli::run(QCoreApplication::arguments(),
                        Startup::sessionConfigFromEnvironment(Startup::SerialSimulator::Skip));
    }
    hidApiExit();
    return code;
}
