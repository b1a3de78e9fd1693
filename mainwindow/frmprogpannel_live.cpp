// Live data as the window shows it: the displays, the test-bench switch and
// the loss of live data.

#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>

#include "gauge/crpmgauge.h"
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"

void frmProgPannel::onBancoClicked()
{
    // The frames are queued even with polling off; the idle thread sends them at once.
    bancoFlag = !bancoFlag;
    setBancoLook(bancoFlag);
    session->queueBench(bancoFlag);
}

void frmProgPannel::onUpdateValAdc(uchar adc)
{
    // On a noisy line the values may be noise: the displays keep still.
    if (!ui->btStartLink->isEnabled() || session->isLineNoisy())
        return;
    ui->lblAdcSonda->setText(QString::number(adc));
}

void frmProgPannel::onUpdateRpm(int rpm)
{
    if (!ui->btStartLink->isEnabled() || session->isLineNoisy())
        return;
    lastRpm = rpm;
    ui->lcdRPM->display(rpm);
    gauge->setValue(rpm);
}

void frmProgPannel::onErrorRT(QString msg)
{
    if (!msg.startsWith(QLatin1String("KO")))
        return;
    // The link is gone; the curve on screen (possibly unsaved work) stays.
    transferFailedDisconnect = true;
    onCercaPortaClicked();
    transferFailedDisconnect = false;
    if (linkFlag)
        onLinkClicked();
    prompts->warning(this, CMsg::text(CMsg::CommError), CMsg::text(CMsg::CommError));
}
