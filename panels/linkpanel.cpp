// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/linkpanel.h"

#include "dialogs/frmdiagnosi.h"
#include "dialogs/frmricercaporta.h"
#include "doctor/hotplugmonitor.h"
#include "link/serialportlist.h"
#include "panels/windowcontext.h"
#include "session/ecusession.h"
#include "uicommon/cmsg.h"
#include "uicommon/windowlook.h"
#include "util/settingskeys.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

LinkPanel::LinkPanel(WindowContext &context, const Widgets &widgets, QObject *parent)
    : QObject(parent), ctx(context), ui(widgets)
{
    deviceLabel = new QLabel();
    deviceLabel->setFrameStyle(QFrame::Plain | QFrame::NoFrame);
    lineLabel = new QLabel();

    ui.port->setText(CMsg::text(CMsg::NoPort));
    setLed(ui.search, false);
    setLed(ui.live, false);

    EcuSession *session = ctx.session();
    connect(session, &EcuSession::linkedChanged, this, &LinkPanel::onLinkedChanged);
    connect(session, &EcuSession::pollingChanged, this, &LinkPanel::onPollingChanged);
    connect(session, &EcuSession::busyChanged, this, &LinkPanel::updateEnabled);
    connect(session, &EcuSession::linkLost, this, &LinkPanel::onLinkLost);
    connect(session, &EcuSession::lineNoiseChanged, this, &LinkPanel::onLineNoise);

    connect(ui.diagnosisAction, &QAction::triggered, this, &LinkPanel::showDiagnosis);
    ui.autoSearchAction->setChecked(QSettings().value(SettingsKeys::autoSearch(), false).toBool());
    connect(ui.autoSearchAction, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(SettingsKeys::autoSearch(), on); });
    setHotplugMonitor(new HotplugMonitor(this));
    updateEnabled();
}

LinkPanel::~LinkPanel()
{
    // Not in the status bar while no unit was found: nobody else deletes them.
    if (!deviceLabel->parent())
        delete deviceLabel;
    if (!lineLabel->parent())
        delete lineLabel;
}

frmRicercaPorta *LinkPanel::searchDialog()
{
    if (!dlgRicercaPorta) {
        dlgRicercaPorta = new frmRicercaPorta(ctx.window(), ctx.session());
        dlgRicercaPorta->setLastPort(lastPort());
        connect(dlgRicercaPorta, &frmRicercaPorta::sgnEsito, this, &LinkPanel::onSearchOutcome);
    }
    return dlgRicercaPorta;
}

void LinkPanel::showDiagnosis()
{
    if (!dlgDiagnosi)
        dlgDiagnosi = new frmDiagnosi(ctx.window());
    // The doctor looks at the system; what this window is linked to only
    // the window knows.
    const EcuSession *session = ctx.session();
    if (session->isLinked())
        dlgDiagnosi->setLinkedUnit(session->portName(), session->devicePath(), session->deviceInfo().statusText());
    else
        dlgDiagnosi->setLinkedUnit(QString(), QString(), QString());
    dlgDiagnosi->runDiagnosis();
    dlgDiagnosi->show();
    dlgDiagnosi->raise();
}

void LinkPanel::retranslate()
{
    if (!ctx.session()->isLinked())
        ui.port->setText(CMsg::text(CMsg::NoPort));
    onPollingChanged(ctx.session()->isPolling());
    if (dlgRicercaPorta)
        dlgRicercaPorta->retranslate();
    if (dlgDiagnosi)
        dlgDiagnosi->retranslate();
    if (lineLabel->isVisible())
        onLineNoise(true);
}

void LinkPanel::setLed(QPushButton *button, bool on)
{
    // The search button's text begins with blanks that clear the LED.
    button->setStyleSheet(WindowLook::ledStyle(on, button == ui.live ? 20 : 2));
}

void LinkPanel::searchOrDisconnect()
{
    EcuSession *session = ctx.session();
    ui.port->setText(CMsg::text(CMsg::NoPort));
    if (!session->isLinked()) {
        if (session->isProbing())  // a search is already under way
            return;
        searchDialog()->startSearch();
        return;
    }
    session->disconnectLink();
    emit disconnectedByUser();
}

void LinkPanel::onSearchOutcome(const QString &result, const QString &port)
{
    // The search may have found a unit that went away before the dialog
    // closed: only a live link counts.
    if (result == QLatin1String("OK") && ctx.session()->isLinked()) {
        setLed(ui.search, true);
        ui.port->setText(SerialPortList::displayName(port));
        rememberPort(port);
        searchDialog()->setLastPort(lastPort());
        updateEnabled();
        emit connected();
    } else {
        ctx.session()->disconnectLink();
        setLed(ui.search, false);
    }
}

void LinkPanel::toggleLive()
{
    EcuSession *session = ctx.session();
    if (session->isPolling())
        session->stopPolling();
    else
        session->startPolling();
}

void LinkPanel::onPollingChanged(bool on)
{
    setLed(ui.live, on);
    ui.live->setText(CMsg::text(on ? CMsg::LinkOn : CMsg::LinkOff));
}

void LinkPanel::onLinkedChanged(bool linked)
{
    if (!linked) {
        setLed(ui.search, false);
        ui.port->setText(CMsg::text(CMsg::NoPort));
        deviceLabel->clear();
        deviceLabel->setFrameStyle(QFrame::Plain | QFrame::NoFrame);
        onLineNoise(false);
    }
    updateEnabled();
}

void LinkPanel::updateEnabled()
{
    const EcuSession *session = ctx.session();
    const bool busy = session->isBusy();
    ui.search->setEnabled(!busy);
    ui.searchAction->setEnabled(!busy);
    ui.live->setEnabled(session->isLinked() && !busy);
}

void LinkPanel::showDeviceInfo(const CDevInfo &info)
{
    deviceLabel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    deviceLabel->setText(info.statusText());
    QStatusBar *bar = ctx.statusBar();
    if (deviceLabel->parentWidget() != bar)
        bar->addWidget(deviceLabel, 0);
    deviceLabel->show();
}

void LinkPanel::onLinkLost(const QString &reason, const EcuResult &interrupted)
{
    QString text = tr("Collegamento con la centralina perso: %1.").arg(reason);
    if (interrupted.operation == EcuResult::Write) {
        text += QLatin1Char('\n') + tr("La scrittura è stata interrotta: la centralina può essere scritta solo in parte.");
        if (!interrupted.backupPath.isEmpty())
            text += QLatin1Char('\n') + tr("Il backup della curva precedente è in %1").arg(interrupted.backupPath);
    } else if (interrupted.operation == EcuResult::Read) {
        text += QLatin1Char('\n') + tr("La lettura è stata interrotta.");
    }
    ctx.prompts().warning(ctx.window(), CMsg::text(CMsg::CommError), text);
}

void LinkPanel::onLineNoise(bool noisy)
{
    if (noisy) {
        lineLabel->setText(tr("Linea disturbata: valori dal vivo non affidabili"));
        lineLabel->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));
        QStatusBar *bar = ctx.statusBar();
        if (lineLabel->parentWidget() != bar)
            bar->addPermanentWidget(lineLabel, 0);
        lineLabel->show();
    } else {
        lineLabel->hide();
    }
}

// ---------------------------------------------------------------- hot-plug

void LinkPanel::setHotplugMonitor(HotplugMonitor *monitor)
{
    if (hotplug && hotplug != monitor)
        delete hotplug;
    hotplug = monitor;
    monitor->setParent(this);
    connect(monitor, &HotplugMonitor::ecuArrived, this, &LinkPanel::onUnitArrived);
    connect(monitor, &HotplugMonitor::serialAdapterArrived, this, &LinkPanel::onUnitArrived);
    connect(monitor, &HotplugMonitor::deviceRemoved, ctx.session(), &EcuSession::deviceRemoved);
}

void LinkPanel::onUnitArrived(const QString &devnode)
{
    // Only while nothing is linked and nobody is searching already.
    EcuSession *session = ctx.session();
    if (session->isLinked() || session->isProbing() || (dlgRicercaPorta && dlgRicercaPorta->isVisible()))
        return;
    if (!ui.autoSearchAction->isChecked()) {
        ctx.showStatus(tr("Dispositivo collegato: %1").arg(devnode), 10000);
        if (!ctx.prompts().askYesNo(ctx.window(), tr("Dispositivo collegato"),
                                    tr("È stato collegato %1. Cercare la centralina adesso?").arg(devnode)))
            return;
    }
    if (devnode.startsWith(QLatin1String("/dev/tty")))
        searchDialog()->setLastPort(devnode);
    searchOrDisconnect();
}

void LinkPanel::rememberPort(const QString &port)
{
    if (port.isEmpty() || port == QLatin1String("HID"))
        return;
    QSettings().setValue(SettingsKeys::lastPort(), port);
}

QString LinkPanel::lastPort() const
{
    return QSettings().value(SettingsKeys::lastPort()).toString();
}
