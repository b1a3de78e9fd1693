// The link as the window shows it: the search, connecting and disconnecting,
// the live-data switch, the device identification, and the loss of the link.
// The link itself belongs to the session.

#include "mainwindow/frmprogpannel.h"

#include "dialogs/frmricercaporta.h"
#include "gauge/crpmgauge.h"
#include "link/serialportlist.h"
#include "uicommon/cmsg.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "plot/canvaspicker.h"
#include "profile/curvemodel.h"
#include "session/liverecorder.h"

#include <QAction>
#include <QLCDNumber>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

void frmProgPannel::onSendSerialData(QByteArray frame)
{
    if (session->isLinked() && session->link())
        session->link()->send(frame);
}

void frmProgPannel::onReceiveSerialData()
{
    if (session->link())
        session->link()->readPending();
}

void frmProgPannel::onCercaPortaClicked()
{
    ui->lblVirtualPort->setText(CMsg::text(CMsg::NoPort));
    if (!connectedFlag) {
        if (session->isProbing())  // a search is already under way
            return;
        searchDialog()->startSearch();
        return;
    }
    // Disconnect. The ECU is not told anything (not even about the bench).
    session->disconnectLink();
    // The design starts afresh with a flat curve; work not saved anywhere
    // stays on screen, and so does the curve after a failed transfer.
    const bool keep = transferFailedDisconnect || model->isModified();
    model->clearEcuCopy();
    if (!keep) {
        setFlatCurve(0.0);
        model->setPristine();
    }
    setDisconnectedLook();
}

void frmProgPannel::setDisconnectedLook()
{
    setLedStyle(ui->btStartLink, false);
    ui->btStartLink->setText(CMsg::text(CMsg::LinkOff));
    linkFlag = false;

    setBancoLook(false);
    bancoFlag = false;

    setLedStyle(ui->btRicercaPorta, false);
    connectedFlag = false;
    ui->lblVirtualPort->setText(CMsg::text(CMsg::NoPort));

    enableTransferControls(true);
    ui->btClose->setEnabled(true);
    ui->btStartLink->setEnabled(false);
    ui->btSaveFlash->setEnabled(false);
    ui->btReadFlash->setEnabled(false);
    ui->btBanco->setEnabled(false);
    ui->actionConfrontaEcu->setEnabled(model->hasEcuCopy());

    ui->lcdRPM->display(0);
    gauge->setValue(0);
    ui->lblAdcSonda->setText(QStringLiteral("0"));
    onLineNoise(false);
    if (recorder) {
        recorder->stop();
        updateLiveControls();
    }

    deviceLabel->clear();
    deviceLabel->setFrameStyle(QFrame::Plain | QFrame::NoFrame);
    ui->actionCentralina_2cilindri->setEnabled(true);
    ui->actionCentralina_4cilindri->setEnabled(true);
}

void frmProgPannel::onEsitoRicercaPorta(QString result, QString name)
{
    // The search may have found a unit that went away before the dialog
    // closed: only a live link counts.
    if (result == QLatin1String("OK") && session->isLinked()) {
        setLedStyle(ui->btRicercaPorta, true);
        connectedFlag = true;
        ui->lblVirtualPort->setText(SerialPortList::displayName(name));
        rememberPort(name);
        searchDialog()->setLastPort(lastPort());
        ui->btStartLink->setEnabled(true);
        ui->btSaveFlash->setEnabled(true);
        ui->btReadFlash->setEnabled(true);
        ui->btBanco->setEnabled(true);
        updateLiveControls();
        onReadFlashClicked();
    } else {
        session->disconnectLink();
        setLedStyle(ui->btRicercaPorta, false);
        connectedFlag = false;
    }
}

void frmProgPannel::onLinkClicked()
{
    if (!linkFlag) {
        setLedStyle(ui->btStartLink, true);
        ui->btStartLink->setText(CMsg::text(CMsg::LinkOn));
        session->startPolling();
        linkFlag = true;
    } else {
        setLedStyle(ui->btStartLink, false);
        ui->btStartLink->setText(CMsg::text(CMsg::LinkOff));
        session->stopPolling();
        linkFlag = false;
        // Without live data there is nothing to record.
        recorder->stop();
    }
    updateLiveControls();
}

void frmProgPannel::onGetDeviceInfo(CDevInfo &info)
{
    deviceLabel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    deviceLabel->setText(info.statusText());
    if (deviceLabel->parentWidget() != statusBar())
        statusBar()->addWidget(deviceLabel, 0);
    deviceLabel->show();

    model->setLimits(CurveLimits::forHardware(info.hwVersion));
    ui->spProfiloPiatto->setRange(int(model->limits().valueMin), int(model->limits().valueMax));
    setupPlot();

    const bool reported = info.cylinders == 2 || info.cylinders == 4;
    if (reported && info.cylinders != engineCylinders) {
        // The unit decides; work on screen keeps its values, spread over the
        // new speed range.
        const bool keep = model->isModified();
        const QVector<int> values = model->values();
        const QString file = model->filePath();
        selectEngineType(info.cylinders);
        if (keep) {
            model->setValues(values, QString(), false);
            if (!file.isEmpty())
                showProfilePath(file);
        }
    }
    ui->actionCentralina_2cilindri->setEnabled(!reported);
    ui->actionCentralina_4cilindri->setEnabled(!reported);
}

QString frmProgPannel::hardwareName() const
{
    return QStringLiteral("HW%1").arg(int(session->deviceInfo().hwVersion));
}

void frmProgPannel::onLinkLost(const QString &reason, const QString &interrupted)
{
    transferFailedDisconnect = true;
    if (connectedFlag)
        onCercaPortaClicked();
    transferFailedDisconnect = false;
    setDisconnectedLook();
    writeWord.clear();
    ui->progressBar->setValue(0);

    QString text = tr("Collegamento con la centralina perso: %1.").arg(reason);
    if (interrupted == QLatin1String("FLASH_WRITE")) {
        text += QLatin1Char('\n') + tr("La scrittura è stata interrotta: la centralina può essere scritta solo in parte.");
        if (!session->lastBackup().isEmpty())
            text += QLatin1Char('\n') + tr("Il backup della curva precedente è in %1").arg(session->lastBackup());
    } else if (interrupted == QLatin1String("FLASH_READ")) {
        text += QLatin1Char('\n') + tr("La lettura è stata interrotta.");
    }
    prompts->warning(this, CMsg::text(CMsg::CommError), text);
    if (closeAfterTransfer)
        close();
}

void frmProgPannel::onCommandDropped(const QString &word)
{
    Q_UNUSED(word);
    // The word will never come back: free what waited for it.
    writeWord.clear();
    enableTransferControls(true);
    ui->btClose->setEnabled(true);
    if (!connectedFlag)
        setDisconnectedLook();
    if (closeAfterTransfer)
        close();
}

void frmProgPannel::onLineNoise(bool noisy)
{
    if (noisy) {
        lineLabel->setText(tr("Linea disturbata: valori dal vivo non affidabili"));
        lineLabel->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));
        if (lineLabel->parentWidget() != statusBar())
            statusBar()->addPermanentWidget(lineLabel, 0);
        lineLabel->show();
        ui->lcdRPM->setEnabled(false);
    } else {
        lineLabel->hide();
        ui->lcdRPM->setEnabled(true);
    }
}
