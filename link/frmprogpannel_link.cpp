// The main window's side of the ECU link: the two channels (serial port and
// HID device), sending frames and handing every reply to all who may wait
// for one, connecting and disconnecting, the live-data switch and the device
// identification.

#include "mainwindow/frmprogpannel.h"

#include "gauge/crpmgauge.h"
#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/frmricercaporta.h"
#include "link/hiddevice.h"
#include "link/hidlink.h"
#include "link/protocol.h"
#include "link/serialline.h"
#include "link/serialportlist.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "sim/simenvironment.h"

#include <QAction>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QStatusBar>

#include <algorithm>
#include <cstdio>

void frmProgPannel::openHidDevice()
{
    hidDevice = SimEnvironment::openHidDeviceFromEnvironment();
    if (!hidDevice)
        hidDevice = openHidApiDevice(Protocol::HidVendorId, Protocol::HidProductId);
    if (hidDevice) {
        std::printf("Manufacturer String: %s\n", qPrintable(hidDevice->manufacturer()));
        std::printf("Product String: %s\n", qPrintable(hidDevice->product()));
        std::printf("Serial Number String: %s\n", qPrintable(hidDevice->serialNumber()));
        std::fflush(stdout);
    }
}

void frmProgPannel::createSerialPort()
{
    serialPort = new QSerialPort();
    SerialLine::configure(serialPort);
    connect(serialPort, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onSerialError(int(error)); });
    // With TERVALIX_SIMULATOR=serial a simulated ECU joins the port list.
    SimEnvironment::startSerialFromEnvironment();
}

void frmProgPannel::onSerialError(int error)
{
    // A port whose device went away keeps raising read errors while it stays
    // open. Close it once; whoever waits for a reply runs into its time-out.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (!serialPort->isOpen())
        return;
    std::printf("Serial port %s lost: %s\n", qPrintable(serialPort->portName()),
                qPrintable(serialPort->errorString()));
    std::fflush(stdout);
    serialPort->close();
    serialPort->clearError();
    rxAssembler.reset();
}

void frmProgPannel::handOutReply(const QByteArray &reply)
{
    dlgRicercaPorta->checkProbeReply(reply);
    sendThread->setReply(reply);
    receiveThread->setReply(reply);
    rtThread->setReply(reply);
}

namespace {

// Every reply begins with its kind byte.
bool canBeginReply(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case Protocol::KindProbe:
    case Protocol::KindWrite:
    case Protocol::KindRead:
    case Protocol::KindPollReply:
        return true;
    default:
        return false;
    }
}

// The reply in one HID exchange, with the diagnostic lines; empty when there
// is none to hand out.
QByteArray hidReply(const HidLink::Exchange &x)
{
    std::printf("OnSendSerialData: bytes written=%d\n", x.written);
    if (x.read < 0) {
        std::puts("OnSendSerialData: Unable to read()");
        std::fflush(stdout);
        return QByteArray();
    }
    std::printf("OnSendSerialData: bytes read=%d\n", x.read);
    std::fflush(stdout);
    // An answer that did not come in time counts as none; the sender's own
    // time-out takes over.
    if (x.read == 0)
        return QByteArray();
    // Noise in front of the reply is skipped; a report without any reply in
    // it hands out nothing.
    const auto start = std::find_if(x.reply.cbegin(), x.reply.cend(), canBeginReply);
    if (start == x.reply.cend())
        return QByteArray();
    QByteArray reply = x.reply.mid(int(start - x.reply.cbegin()), Protocol::FrameSize);
    reply.append(QByteArray(Protocol::FrameSize - reply.size(), '\0'));
    return reply;
}

} // namespace

void frmProgPannel::onSendSerialData(QByteArray frame)
{
    // The search dialog only ever probes the serial port it has just opened,
    // whatever channel an earlier link used.
    const bool fromSearch = sender() == dlgRicercaPorta;
    if (portName == QLatin1String("HID") && !fromSearch) {
        if (!hidDevice)
            return;
        // The HID exchanges run on the channel's own thread, one at a time and
        // in order; this returns once the answer (or its absence) has been
        // dealt with, while the event loop keeps running meanwhile.
        auto *channel = findChild<HidLink::Channel *>(QString(), Qt::FindDirectChildrenOnly);
        if (!channel)
            channel = new HidLink::Channel(hidDevice.get(), [this](const HidLink::Exchange &x) {
                const QByteArray reply = hidReply(x);
                if (!reply.isEmpty())
                    handOutReply(reply);
            }, this);
        channel->send(frame);
        return;
    }
    // One request, one reply: what is left of an earlier reply is stale.
    rxAssembler.reset();
    if (serialPort->isOpen())
        serialPort->write(frame);
}

void frmProgPannel::onReceiveSerialData()
{
    const QByteArray bytes = serialPort->readAll();
    for (char c : bytes) {
        // Between replies, a byte that cannot begin one is noise on the line:
        // dropping it keeps the grouping in step with the replies.
        if (rxAssembler.pending() == 0 && !canBeginReply(c))
            continue;
        for (const QByteArray &reply : rxAssembler.feed(QByteArray(1, c)))
            handOutReply(reply);
    }
}

void frmProgPannel::onCercaPortaClicked()
{
    ui->lblVirtualPort->setText(CMsg::text(CMsg::NoPort));
    if (!connectedFlag) {
        if (dlgRicercaPorta->isProbingHid())  // a search is already under way
            return;
        rxAssembler.reset();
        dlgRicercaPorta->startSearch();
        dlgRicercaPorta->show();
        return;
    }

    // Disconnect. The ECU is not told anything (not even about the bench).
    setLedStyle(ui->btStartLink, false);
    ui->btStartLink->setText(CMsg::text(CMsg::LinkOff));
    linkFlag = false;
    rtThread->stopPolling();

    setBancoLook(false);
    bancoFlag = false;

    if (serialPort->isOpen())
        serialPort->close();
    rxAssembler.reset();

    setLedStyle(ui->btRicercaPorta, false);
    connectedFlag = false;

    ui->btStartLink->setEnabled(false);
    ui->btSaveFlash->setEnabled(false);
    ui->btReadFlash->setEnabled(false);
    ui->btBanco->setEnabled(false);

    ui->lcdRPM->display(0);
    gauge->setValue(0);
    ui->lblAdcSonda->setText(QStringLiteral("0"));

    // A disconnect forced by a failed transfer keeps the user's curve.
    if (!transferFailedDisconnect)
        setFlatCurve(0.0);

    deviceLabel->clear();
    deviceLabel->setFrameStyle(QFrame::Plain | QFrame::NoFrame);
    ui->actionCentralina_2cilindri->setEnabled(true);
    ui->actionCentralina_4cilindri->setEnabled(true);
}

void frmProgPannel::onEsitoRicercaPorta(QString result, QString name)
{
    if (result == QLatin1String("OK")) {
        setLedStyle(ui->btRicercaPorta, true);
        connectedFlag = true;
        portName = name;
        ui->lblVirtualPort->setText(SerialPortList::displayName(name));
        ui->btStartLink->setEnabled(true);
        ui->btSaveFlash->setEnabled(true);
        ui->btReadFlash->setEnabled(true);
        ui->btBanco->setEnabled(true);
        onReadFlashClicked();
    } else {
        setLedStyle(ui->btRicercaPorta, false);
        connectedFlag = false;
        portName.clear();
    }
}

void frmProgPannel::onLinkClicked()
{
    if (!linkFlag) {
        setLedStyle(ui->btStartLink, true);
        ui->btStartLink->setText(CMsg::text(CMsg::LinkOn));
        rtThread->startPolling();
        linkFlag = true;
    } else {
        setLedStyle(ui->btStartLink, false);
        ui->btStartLink->setText(CMsg::text(CMsg::LinkOff));
        rtThread->stopPolling();
        linkFlag = false;
    }
}

void frmProgPannel::onGetDeviceInfo(CDevInfo &info)
{
    devInfo = info;
    deviceLabel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    deviceLabel->setText(devInfo.statusText());
    if (deviceLabel->parentWidget() != statusBar())
        statusBar()->addWidget(deviceLabel, 0);
    deviceLabel->show();

    const CurveLimits limits = CurveLimits::forHardware(devInfo.hwVersion);
    valueMin = limits.valueMin;
    valueMax = limits.valueMax;
    valueStep = limits.valueStep;
    keyStep = limits.keyStep;

    const bool reported = devInfo.cylinders == 2 || devInfo.cylinders == 4;
    if (devInfo.cylinders == 2)
        onSelect2Cylinders();
    else if (devInfo.cylinders == 4)
        onSelect4Cylinders();
    ui->actionCentralina_2cilindri->setEnabled(!reported);
    ui->actionCentralina_4cilindri->setEnabled(!reported);
}
