// Profile write and read, main-window side: preparing the ECU image, handing
// the command word to the live-data thread and acting on the outcome.

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <qwt_plot_curve.h>

#include "link/cgestrt.h"
#include "link/ecuimage.h"
#include "link/protocol.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"

void frmProgPannel::onSaveFlashClicked()
{
    QwtPlotCurve *c = findCurve();
    if (!c)
        return;
    // The label shows a path when a profile file is in use, a "<...>" text otherwise.
    const bool noProfileFile = ui->lblPathProfilo->text().startsWith(QLatin1Char('<'));
    if (devInfo.hwVersion > 10 && noProfileFile) {
        // Newer hardware keeps the profile's name: save a file first.
        rtThread->setCmd(QStringLiteral("SAVE_PROFILE_AND_SEND"));
        return;
    }
    profileLabel->clear();
    statusBar()->update();
    enableTransferControls(false);
    ui->btClose->setEnabled(false);

    QVector<double> values;
    for (size_t i = 0; i < c->dataSize(); ++i)
        values.append(c->sample(static_cast<int>(i)).y());
    ecuImage = EcuImage::buildWrite(values, devInfo.hwVersion, ui->lblPathProfilo->text());
    rtThread->setCmd(QStringLiteral("FLASH_WRITE"));
}

void frmProgPannel::onReadFlashClicked()
{
    enableTransferControls(false);
    profileLabel->clear();
    statusBar()->update();
    rtThread->setCmd(QStringLiteral("FLASH_READ"));
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
    ui->actionCarica_Profilo->setEnabled(enable);
    ui->actionSalva_Profilo->setEnabled(enable);
    ui->actionCercaCentralina->setEnabled(enable);
}

void frmProgPannel::onEsitoSndRcv(QString outcome)
{
    enableTransferControls(true);
    ui->btClose->setEnabled(true);
    if (outcome.startsWith(QLatin1String("OK"))) {
        if (outcome.endsWith(QLatin1String("RCV")))
            showDecodedImage();
        resumePolling();
        QTimer::singleShot(1000, this, &frmProgPannel::onClearUpdateBar);
    } else if (outcome.startsWith(QLatin1String("KO"))) {
        // The link is closed, but the curve on screen (the user's work after
        // a failed write) stays.
        transferFailedDisconnect = true;
        onCercaPortaClicked();
        transferFailedDisconnect = false;
        ui->progressBar->setValue(0);
        const int title = outcome.endsWith(QLatin1String("RCV")) ? CMsg::FlashRead : CMsg::FlashWrite;
        prompts->warning(this, CMsg::text(title), CMsg::text(CMsg::CommError));
    }
}

void frmProgPannel::showDecodedImage()
{
    const EcuImage::Decoded d = EcuImage::decodeRead(ecuImage, devInfo.hwVersion);
    if (Protocol::isLargeLayout(devInfo.hwVersion)) {
        profileLabel->setText(d.profileName);
        profileLabel->setFrameStyle(QFrame::Box | QFrame::Sunken);
        if (profileLabel->parentWidget() != statusBar())
            statusBar()->addWidget(profileLabel, 0);
        profileLabel->show();
    }
    setCurveValues(d.values);
    ui->spKIniezione->setValue(d.k);
    // The bench state read from the ECU is shown and becomes the window's own.
    setBancoLook(d.bench);
    bancoFlag = d.bench;
}
