// Finding the unit beyond the search itself: the connection diagnosis, the
// unit noticed as it is plugged in or pulled out, and the port that found it
// last time.

#include <QAction>
#include <QSettings>
#include <QStatusBar>

#include "dialogs/frmdiagnosi.h"
#include "dialogs/frmricercaporta.h"
#include "doctor/hotplugmonitor.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"

namespace {
const char *const LastPortKey = "LastPort";
const char *const AutoSearchKey = "AutoSearch";
} // namespace

void frmProgPannel::connectHotplug()
{
    connect(ui->actionDiagnosi, &QAction::triggered, this, &frmProgPannel::onDiagnosiClicked);
    ui->actionRicercaAutomatica->setChecked(QSettings().value(QLatin1String(AutoSearchKey), false).toBool());
    connect(ui->actionRicercaAutomatica, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(QLatin1String(AutoSearchKey), on); });
    setHotplugMonitor(new HotplugMonitor(this));
}

void frmProgPannel::setHotplugMonitor(HotplugMonitor *monitor)
{
    if (hotplug && hotplug != monitor)
        delete hotplug;
    hotplug = monitor;
    monitor->setParent(this);
    connect(monitor, &HotplugMonitor::ecuArrived, this, &frmProgPannel::onUnitArrived);
    connect(monitor, &HotplugMonitor::serialAdapterArrived, this, &frmProgPannel::onUnitArrived);
    connect(monitor, &HotplugMonitor::deviceRemoved, session, &EcuSession::deviceRemoved);
}

void frmProgPannel::onUnitArrived(const QString &devnode)
{
    // Only while nothing is linked and nobody is searching already.
    if (connectedFlag || session->isProbing() || (dlgRicercaPorta && dlgRicercaPorta->isVisible()))
        return;
    if (!ui->actionRicercaAutomatica->isChecked()) {
        statusBar()->showMessage(tr("Dispositivo collegato: %1").arg(devnode), 10000);
        if (!prompts->askYesNo(this, tr("Dispositivo collegato"),
                               tr("È stato collegato %1. Cercare la centralina adesso?").arg(devnode)))
            return;
    }
    if (devnode.startsWith(QLatin1String("/dev/tty")))
        searchDialog()->setLastPort(devnode);
    onCercaPortaClicked();
}

void frmProgPannel::rememberPort(const QString &port)
{
    if (port.isEmpty() || port == QLatin1String("HID"))
        return;
    QSettings().setValue(QLatin1String(LastPortKey), port);
}

QString frmProgPannel::lastPort() const
{
    return QSettings().value(QLatin1String(LastPortKey)).toString();
}

void frmProgPannel::onDiagnosiClicked()
{
    if (!dlgDiagnosi)
        dlgDiagnosi = new frmDiagnosi(this);
    else
        dlgDiagnosi->runDiagnosis();
    dlgDiagnosi->show();
    dlgDiagnosi->raise();
}
