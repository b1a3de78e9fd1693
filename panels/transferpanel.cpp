#include "panels/transferpanel.h"

#include "link/protocol.h"
#include "panels/curveguard.h"
#include "panels/windowcontext.h"
#include "profile/curvemodel.h"
#include "session/ecusession.h"
#include "uicommon/cmsg.h"

#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

TransferPanel::TransferPanel(WindowContext &context, const Widgets &widgets, QObject *parent)
    : QObject(parent), ctx(context), ui(widgets)
{
    profileLabel = new QLabel();
    EcuSession *session = ctx.session();
    connect(session, &EcuSession::finished, this, &TransferPanel::showResult);
    connect(session, &EcuSession::progress, this, [this](EcuPhase, int percent) { setPercent(percent); });
    connect(session, &EcuSession::busyChanged, this, &TransferPanel::updateEnabled);
    connect(session, &EcuSession::linkedChanged, this, [this](bool linked) {
        if (!linked)
            clearProgress();
        updateEnabled();
    });
    updateEnabled();
}

TransferPanel::~TransferPanel()
{
    if (!profileLabel->parent())
        delete profileLabel;
}

void TransferPanel::updateEnabled()
{
    const EcuSession *session = ctx.session();
    const bool ready = session->isLinked() && !session->isBusy();
    ui.write->setEnabled(ready);
    ui.read->setEnabled(ready);
    // Closing in the middle of a write would leave the unit half-written.
    ui.close->setEnabled(session->runningOperation() != EcuResult::Write);
}

void TransferPanel::setPercent(int percent)
{
    ui.progress->setValue(percent);
}

void TransferPanel::clearProgress()
{
    ui.progress->setValue(0);
}

void TransferPanel::write()
{
    EcuSession *session = ctx.session();
    CurveModel *model = ctx.model();
    if (Protocol::isLargeLayout(session->deviceInfo().hwVersion) && !model->hasFile()) {
        emit fileNeededForWrite();
        return;
    }
    profileLabel->clear();
    WriteOptions options;
    options.profileName = QFileInfo(model->filePath()).fileName();
    options.backupDir = ctx.backupFolder();
    session->writeCurve(model->values(), options);
}

void TransferPanel::read()
{
    // The read replaces the curve.
    if (!CurveGuard::mayReplaceCurve(ctx))
        return;
    profileLabel->clear();
    ctx.session()->readCurve();
}

void TransferPanel::showResult(const EcuResult &result)
{
    EcuSession *session = ctx.session();
    switch (result.code) {
    case EcuResult::Ok:
        if (result.operation == EcuResult::Read) {
            applyRead();
        } else if (result.operation == EcuResult::Write) {
            ctx.model()->setEcuCopy(ctx.model()->values());
            QString text = tr("Scrittura verificata: %1 celle uguali a quanto inviato.")
                               .arg(Protocol::cellsWritten(session->deviceInfo().hwVersion));
            if (!result.backupPath.isEmpty())
                text += QLatin1Char(' ') + tr("Backup: %1").arg(result.backupPath);
            ctx.showStatus(text, 15000);
        }
        QTimer::singleShot(1000, this, &TransferPanel::clearProgress);
        break;
    case EcuResult::VerifyFailed:
        // The link works; the ECU did not keep what it acknowledged.
        clearProgress();
        reportMismatches(result);
        if (result.operation == EcuResult::Write
            && ctx.prompts().askYesNo(ctx.window(), CMsg::text(CMsg::FlashWrite), tr("Scrivere di nuovo la curva?")))
            write();
        break;
    case EcuResult::BackupFailed:
        clearProgress();
        ctx.prompts().warning(ctx.window(), CMsg::text(CMsg::FlashWrite),
                              tr("La scrittura non è iniziata: impossibile salvare il backup della curva "
                                 "presente nella centralina (%1).")
                                  .arg(result.detail));
        break;
    default:
        // A lost link and a unit that stopped answering are told by the
        // link's own warning; the curve on screen stays.
        clearProgress();
        break;
    }
}

void TransferPanel::applyRead()
{
    EcuSession *session = ctx.session();
    CurveModel *model = ctx.model();
    const CDevInfo info = session->deviceInfo();
    const EcuImage::Decoded d = session->content();
    if (Protocol::isLargeLayout(info.hwVersion)) {
        profileLabel->setText(d.profileName);
        profileLabel->setFrameStyle(QFrame::Box | QFrame::Sunken);
        QStatusBar *bar = ctx.statusBar();
        if (profileLabel->parentWidget() != bar)
            bar->addWidget(profileLabel, 0);
        profileLabel->show();
    }
    model->clearFile();
    model->setValues(d.values, tr("Lettura centralina"));
    model->setEcuCopy(d.values);
    // What the unit holds, shown as it is: never written back by showing it.
    model->setK(d.k);
    QStringList notes;
    const QVector<int> outside = model->outOfRange();
    if (!outside.isEmpty())
        notes << tr("%1 punti fuori dai limiti della centralina: evidenziati in rosso").arg(outside.size());
    if (!Curve::isValidK(d.k))
        notes << tr("La centralina contiene K = %1, fuori dall'intervallo da %2 a %3: la centralina non è stata "
                    "modificata.")
                     .arg(d.k)
                     .arg(Curve::KMin)
                     .arg(Curve::KMax);
    if (!notes.isEmpty())
        ctx.showStatus(notes.join(QStringLiteral("  ")), 15000);
}

void TransferPanel::reportMismatches(const EcuResult &result)
{
    QStringList lines;
    const QVector<EcuImage::Mismatch> &list = result.mismatches;
    for (const EcuImage::Mismatch &m : list) {
        if (lines.size() == 12) {
            lines << tr("... e altre %1 celle").arg(list.size() - 12);
            break;
        }
        const auto shown = [](int byte) { return byte < 0 ? QStringLiteral("-") : QString::number(qint8(byte)); };
        lines << tr("Cella %1: scritto %2, la centralina contiene %3").arg(m.cell).arg(shown(m.written), shown(m.read));
    }
    ctx.prompts().warning(ctx.window(), CMsg::text(CMsg::FlashWrite),
                          tr("Verifica fallita (KO_VERIFY): la centralina non contiene quanto scritto.")
                              + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
}
