// Profile write and read as the window shows them: preparing the cells to
// write, handing the command word to the session and acting on the outcome.

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <qwt_plot.h>

#include "session/ecuimage.h"
#include "link/protocol.h"
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "profile/curvemodel.h"

void frmProgPannel::onSaveFlashClicked()
{
    if (session->deviceInfo().hwVersion > 10 && !model->hasFile()) {
        // Newer hardware keeps the profile's name: save a file first.
        session->setCmd(QStringLiteral("SAVE_PROFILE_AND_SEND"));
        return;
    }
    profileLabel->clear();
    statusBar()->update();
    enableTransferControls(false);
    ui->btClose->setEnabled(false);
    writeWord = QStringLiteral("FLASH_WRITE");
    session->setCmd(QStringLiteral("FLASH_WRITE"));
}

void frmProgPannel::onReadFlashClicked()
{
    // The read replaces the curve.
    if (!mayReplaceCurve())
        return;
    enableTransferControls(false);
    profileLabel->clear();
    statusBar()->update();
    writeWord = QStringLiteral("FLASH_READ");
    session->setCmd(QStringLiteral("FLASH_READ"));
}

void frmProgPannel::enableTransferControls(bool enable)
{
    for (QWidget *w : {static_cast<QWidget *>(ui->btReadFlash), static_cast<QWidget *>(ui->btSaveFlash),
                       static_cast<QWidget *>(ui->btBanco), static_cast<QWidget *>(ui->btStartLink),
                       static_cast<QWidget *>(ui->btRicercaPorta), static_cast<QWidget *>(ui->btCaricaProfilo),
                       static_cast<QWidget *>(ui->btSalvaProfilo), static_cast<QWidget *>(ui->btFlatProfile),
                       static_cast<QWidget *>(ui->spKIniezione), static_cast<QWidget *>(ui->spProfiloPiatto)})
        w->setEnabled(enable);
    // The menu twins of the blocked buttons: a profile load during a transfer
    // would queue a K write next to it, a search would cut the link under it.
    for (QAction *a : {ui->actionCarica_Profilo, ui->actionSalva_Profilo, ui->actionCercaCentralina,
                       ui->actionRipristina_Backup, ui->actionCentralina_2cilindri, ui->actionCentralina_4cilindri})
        a->setEnabled(enable);
    // The curve cannot change while it is being written or read.
    ui->tblCurva->setEnabled(enable);
    ui->qwtPlot->setEnabled(enable);
    ui->menuModifica->setEnabled(enable);
    if (enable && connectedFlag) {
        const bool reported = session->deviceInfo().cylinders == 2 || session->deviceInfo().cylinders == 4;
        ui->actionCentralina_2cilindri->setEnabled(!reported);
        ui->actionCentralina_4cilindri->setEnabled(!reported);
    }
}

void frmProgPannel::onEsitoSndRcv(QString outcome)
{
    const QString word = writeWord;
    writeWord.clear();
    enableTransferControls(true);
    ui->btClose->setEnabled(true);
    bool again = false;
    if (outcome == QLatin1String("OK_RCV")) {
        showDecodedImage();
        resumePolling();
        QTimer::singleShot(1000, this, &frmProgPannel::onClearUpdateBar);
    } else if (outcome == QLatin1String("OK_SND")) {
        model->setEcuCopy(model->values());
        QString text = tr("Scrittura verificata: %1 celle uguali a quanto inviato.")
                           .arg(Protocol::cellsWritten(session->deviceInfo().hwVersion));
        if (!session->lastBackup().isEmpty())
            text += QLatin1Char(' ') + tr("Backup: %1").arg(session->lastBackup());
        statusBar()->showMessage(text, 15000);
        resumePolling();
        QTimer::singleShot(1000, this, &frmProgPannel::onClearUpdateBar);
    } else if (outcome == QLatin1String("KO_VERIFY")) {
        // The link works; the ECU did not keep what it acknowledged.
        ui->progressBar->setValue(0);
        reportMismatches();
        again = prompts->askYesNo(this, CMsg::text(CMsg::FlashWrite), tr("Scrivere di nuovo la curva?"));
        if (!again)
            resumePolling();
    } else if (outcome == QLatin1String("KO_BACKUP")) {
        ui->progressBar->setValue(0);
        prompts->warning(this, CMsg::text(CMsg::FlashWrite),
                         tr("La scrittura non è iniziata: impossibile salvare il backup della curva "
                            "presente nella centralina (%1).")
                             .arg(session->lastBackupError()));
        resumePolling();
    } else if (outcome.startsWith(QLatin1String("KO"))) {
        // The link is closed, but the curve on screen (the user's work after
        // a failed write) stays.
        transferFailedDisconnect = true;
        if (connectedFlag)
            onCercaPortaClicked();
        transferFailedDisconnect = false;
        ui->progressBar->setValue(0);
        const int title = outcome.endsWith(QLatin1String("RCV")) ? CMsg::FlashRead : CMsg::FlashWrite;
        QString text = CMsg::text(CMsg::CommError);
        if (word == QLatin1String("FLASH_WRITE") && !session->lastBackup().isEmpty())
            text += QLatin1Char('\n') + tr("Il backup della curva precedente è in %1").arg(session->lastBackup());
        prompts->warning(this, CMsg::text(title), text);
    }
    if (again) {
        onSaveFlashClicked();
        return;
    }
    if (closeAfterTransfer)
        close();
}

void frmProgPannel::reportMismatches()
{
    QStringList lines;
    const QVector<EcuImage::Mismatch> list = session->lastMismatches();
    for (const EcuImage::Mismatch &m : list) {
        if (lines.size() == 12) {
            lines << tr("... e altre %1 celle").arg(list.size() - 12);
            break;
        }
        const auto shown = [](int byte) { return byte < 0 ? QStringLiteral("-") : QString::number(qint8(byte)); };
        lines << tr("Cella %1: scritto %2, la centralina contiene %3").arg(m.cell).arg(shown(m.written), shown(m.read));
    }
    prompts->warning(this, CMsg::text(CMsg::FlashWrite),
                     tr("Verifica fallita (KO_VERIFY): la centralina non contiene quanto scritto.") + QLatin1Char('\n')
                         + lines.join(QLatin1Char('\n')));
}

void frmProgPannel::showDecodedImage()
{
    const CDevInfo info = session->deviceInfo();
    const EcuImage::Decoded d = EcuImage::decodeRead(session->readImage(), info.hwVersion);
    if (Protocol::isLargeLayout(info.hwVersion)) {
        profileLabel->setText(d.profileName);
        profileLabel->setFrameStyle(QFrame::Box | QFrame::Sunken);
        if (profileLabel->parentWidget() != statusBar())
            statusBar()->addWidget(profileLabel, 0);
        profileLabel->show();
    }
    // The reset to flat at the start of the read was the undo step.
    model->setValues(d.values, QString(), false);
    model->setEcuCopy(d.values);
    ui->actionConfrontaEcu->setEnabled(true);
    ui->spKIniezione->setValue(d.k);
    // The bench state read from the ECU is shown and becomes the window's own.
    setBancoLook(d.bench);
    bancoFlag = d.bench;
    const QVector<int> outside = model->outOfRange();
    if (!outside.isEmpty())
        statusBar()->showMessage(tr("%1 punti fuori dai limiti della centralina: evidenziati in rosso").arg(outside.size()),
                                 15000);
}
