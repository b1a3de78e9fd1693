// Profile files and the command dispatcher of the main window. Every action
// here runs only once the live-data thread has handed its word back, so no
// dialog, file access or transfer overlaps with a poll.

#include <QLabel>
#include <QSpinBox>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "profile/profilefile.h"

namespace {
const char *const profileFolder = "./Profili";
}

void frmProgPannel::onLoadProfileClicked()
{
    rtThread->setCmd(QStringLiteral("LOAD_PROFILE"));
}

void frmProgPannel::onSaveProfileClicked()
{
    rtThread->setCmd(QStringLiteral("SAVE_PROFILE"));
}

void frmProgPannel::onIniezioneChanged(int value)
{
    if (connectedFlag)
        rtThread->queueInjectionK(value, devInfo.hwVersion);
}

void frmProgPannel::execCmd(QString word)
{
    if (word == QLatin1String("FLASH_WRITE")) {
        sendThread->startSend(0);
    } else if (word == QLatin1String("FLASH_READ")) {
        receiveThread->startReceive(0, devInfo.hwVersion);
        ui->lblPathProfilo->setText(CMsg::text(CMsg::NoProfile));
        profilePathFlag = false;  // the label no longer shows a file
        setFlatCurve(0.0);
    } else if (word == QLatin1String("LOAD_PROFILE")) {
        loadProfile();
    } else if (word.contains(QLatin1String("SAVE_PROFILE"))) {
        saveProfile(word);
    }
}

void frmProgPannel::resumePolling()
{
    if (linkFlag)
        rtThread->startPolling();
}

void frmProgPannel::loadProfile()
{
    const QString path = prompts->getOpenFileName(this, tr("Apre File di Profilo"),
                                                  QString::fromLatin1(profileFolder),
                                                  tr("Profili (*.prf)"));
    if (path.isEmpty()) {
        resumePolling();
        return;
    }
    ProfileFile::Profile profile;
    QString error;
    if (!ProfileFile::load(path, &profile, &error)) {
        // Nothing changes: curve, K, label and flag stay as they were.
        prompts->warning(this, tr("Apre File di Profilo"), error);
        resumePolling();
        return;
    }
    ui->lblPathProfilo->setText(path);
    ui->spKIniezione->setValue(profile.k);
    profilePathFlag = true;
    setCurveValues(profile.values);
    ui->qwtPlot->setFocus(Qt::OtherFocusReason);
    resumePolling();
}

void frmProgPannel::saveProfile(const QString &word)
{
    QwtPlotCurve *c = findCurve();
    if (!c) {
        resumePolling();
        return;
    }
    const QString path = prompts->getSaveFileName(this, tr("Salva File di Profilo"),
                                                  QString::fromLatin1(profileFolder),
                                                  tr("Profili (*.prf)"));
    if (path.isEmpty()) {
        resumePolling();
        return;
    }
    QVector<double> values;
    for (size_t i = 0; i < c->dataSize(); ++i)
        values.append(c->sample(static_cast<int>(i)).y());
    QString error;
    if (!ProfileFile::save(path, values, ui->spKIniezione->value(), &error)) {
        // The old file, if any, is untouched; nothing is sent to the ECU.
        prompts->warning(this, tr("Salva File di Profilo"), error);
        resumePolling();
        return;
    }
    ui->lblPathProfilo->setText(path);
    profilePathFlag = true;
    ui->qwtPlot->setFocus(Qt::OtherFocusReason);
    if (word == QLatin1String("SAVE_PROFILE_AND_SEND"))
        onSaveFlashClicked();  // the write follows; its outcome resumes polling
    else
        resumePolling();
}
