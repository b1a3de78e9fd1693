// Profile files and the command dispatcher of the main window. Every action
// here runs only once the live-data thread has handed its word back, so no
// dialog, file access or transfer overlaps with a poll.

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <qwt_plot.h>

#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "profile/backupstore.h"
#include "profile/curvemodel.h"
#include "profile/profilefile.h"

void frmProgPannel::onLoadProfileClicked()
{
    if (!mayReplaceCurve())
        return;
    session->setCmd(QStringLiteral("LOAD_PROFILE"));
}

void frmProgPannel::onSaveProfileClicked()
{
    session->setCmd(QStringLiteral("SAVE_PROFILE"));
}

void frmProgPannel::onIniezioneChanged(int value)
{
    model->setK(value);
    if (connectedFlag)
        session->queueInjectionK(value);
}

void frmProgPannel::execCmd(QString word)
{
    if (word == QLatin1String("FLASH_WRITE")) {
        WriteRequest request;
        request.image = EcuImage::buildWrite(model->values(), session->deviceInfo().hwVersion, model->filePath());
        request.backupDir = backupFolder();
        session->startWrite(request);
    } else if (word == QLatin1String("FLASH_READ")) {
        session->startRead();
        showNoProfile();
        model->clearFile();
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
        session->startPolling();
}

QString frmProgPannel::backupFolder() const
{
    return QDir(profileFolder).filePath(QStringLiteral("backup"));
}

void frmProgPannel::showProfilePath(const QString &path)
{
    profilePathFlag = true;
    ui->lblPathProfilo->setToolTip(QDir::toNativeSeparators(path));
    const int room = qMax(ui->lblPathProfilo->width(), ui->lblPathProfilo->minimumWidth()) - 10;
    ui->lblPathProfilo->setText(
        ui->lblPathProfilo->fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, room));
}

void frmProgPannel::showNoProfile()
{
    profilePathFlag = false;
    ui->lblPathProfilo->setText(CMsg::text(CMsg::NoProfile));
    ui->lblPathProfilo->setToolTip(QString());
}

bool frmProgPannel::mayReplaceCurve()
{
    if (!model->isModified())
        return true;
    switch (prompts->askSaveDiscardCancel(this, tr("Curva modificata"),
                                          tr("La curva contiene modifiche non salvate. Salvarle prima?"))) {
    case UserPrompts::Save: {
        const QString path = prompts->getSaveFileName(this, tr("Salva File di Profilo"), profileFolder,
                                                      tr("Profili (*.prf)"));
        if (path.isEmpty())
            return false;
        QString file = path;
        if (QFileInfo(file).suffix().isEmpty())
            file += QStringLiteral(".prf");
        QString error;
        if (!ProfileFile::save(file, model->values(), ui->spKIniezione->value(), &error)) {
            prompts->warning(this, tr("Salva File di Profilo"), error);
            return false;
        }
        model->setFile(file);
        showProfilePath(file);
        return true;
    }
    case UserPrompts::Discard:
        return true;
    default:
        return false;
    }
}

void frmProgPannel::loadProfile()
{
    const QString path =
        prompts->getOpenFileName(this, tr("Apre File di Profilo"), profileFolder, tr("Profili (*.prf)"));
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
    ui->spKIniezione->setValue(profile.k);
    model->setValues(profile.values, tr("Carica profilo"));
    model->setFile(path);
    showProfilePath(path);
    const QVector<int> outside = model->outOfRange();
    if (!outside.isEmpty())
        prompts->warning(this, tr("Apre File di Profilo"),
                         tr("%1 punti del profilo sono fuori dai limiti di questa centralina (da %2 a %3). "
                            "Sono mostrati in rosso e restano come sono finché non li modifichi.")
                             .arg(outside.size())
                             .arg(int(model->limits().valueMin))
                             .arg(int(model->limits().valueMax)));
    ui->qwtPlot->setFocus(Qt::OtherFocusReason);
    resumePolling();
}

void frmProgPannel::saveProfile(const QString &word)
{
    QString path =
        prompts->getSaveFileName(this, tr("Salva File di Profilo"), profileFolder, tr("Profili (*.prf)"));
    if (path.isEmpty()) {
        resumePolling();
        return;
    }
    // The load dialog lists *.prf only: a name without an extension gets one.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".prf");
    QString error;
    if (!ProfileFile::save(path, model->values(), ui->spKIniezione->value(), &error)) {
        // The old file, if any, is untouched; nothing is sent to the ECU.
        prompts->warning(this, tr("Salva File di Profilo"), error);
        resumePolling();
        return;
    }
    model->setFile(path);
    showProfilePath(path);
    ui->qwtPlot->setFocus(Qt::OtherFocusReason);
    if (word == QLatin1String("SAVE_PROFILE_AND_SEND"))
        onSaveFlashClicked();  // the write follows; its outcome resumes polling
    else
        resumePolling();
}

void frmProgPannel::onRestoreBackupClicked()
{
    const QString path = BackupStore(backupFolder()).latest();
    if (path.isEmpty()) {
        prompts->information(this, tr("Ripristina ultimo backup"),
                             tr("Nessun backup in %1.").arg(QDir::toNativeSeparators(backupFolder())));
        return;
    }
    if (!mayReplaceCurve())
        return;
    ProfileFile::Profile profile;
    QString error;
    if (!ProfileFile::load(path, &profile, &error)) {
        prompts->warning(this, tr("Ripristina ultimo backup"), error);
        return;
    }
    ui->spKIniezione->setValue(profile.k);
    model->setValues(profile.values, tr("Ripristino backup"));
    model->setFile(path);
    showProfilePath(path);
    statusBar()->showMessage(tr("Backup caricato: %1. Scrivilo nella centralina per ripristinarla.")
                                 .arg(QFileInfo(path).fileName()),
                             15000);
}
