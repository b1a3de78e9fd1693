// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/transferpanel.h"

#include "history/historydiff.h"
#include "link/protocol.h"
#include "panels/curveguard.h"
#include "panels/windowcontext.h"
#include "profile/curvelimits.h"
#include "profile/curvemodel.h"
#include "session/ecusession.h"
#include "uicommon/cmsg.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <utility>

TransferPanel::TransferPanel(WindowContext &context, const Widgets &widgets, QObject *parent)
    : QObject(parent), ctx(context), ui(widgets)
{
    profileLabel = new QLabel();
    notWrittenLabel = new QLabel(ctx.window());
    notWrittenLabel->setObjectName(QStringLiteral("lblNonScritto"));
    notWrittenLabel->setStyleSheet(QStringLiteral("color: rgb(230, 60, 0); font-weight: bold;"));
    ctx.statusBar()->addPermanentWidget(notWrittenLabel);
    showEcuDifference();
    connect(ctx.model(), &CurveModel::ecuDifferenceChanged, this, &TransferPanel::showEcuDifference);
    EcuSession *session = ctx.session();
    connect(session, &EcuSession::finished, this, &TransferPanel::showResult);
    connect(session, &EcuSession::progress, this, [this](EcuPhase phase, int percent) {
        ui.progress->setFormat(phaseText(phase) + QStringLiteral(" %p%"));
        setPercent(percent);
    });
    connect(session, &EcuSession::busyChanged, this, &TransferPanel::updateEnabled);
    connect(session, &EcuSession::linkedChanged, this, [this](bool linked) {
        if (!linked)
            clearProgress();
        updateEnabled();
        showEcuDifference();
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

void TransferPanel::retranslate()
{
    showEcuDifference();
}

void TransferPanel::showEcuDifference()
{
    // What the user sees is not what the engine runs on.
    const bool show = ctx.session()->isLinked() && ctx.model()->differsFromEcu();
    notWrittenLabel->setText(QStringLiteral("\u25CF ") + tr("Non scritto nella centralina"));
    notWrittenLabel->setToolTip(tr("La curva nell'editor è diversa da quella che la centralina contiene: "
                                   "scrivila per usarla"));
    notWrittenLabel->setVisible(show);
}

void TransferPanel::setPercent(int percent)
{
    ui.progress->setValue(percent);
}

void TransferPanel::clearProgress()
{
    ui.progress->setValue(0);
    ui.progress->setFormat(QStringLiteral("%p%"));
}

QString TransferPanel::phaseText(EcuPhase phase)
{
    switch (phase) {
    case EcuPhase::Reading:
        return tr("Lettura");
    case EcuPhase::BackingUp:
        return tr("Backup");
    case EcuPhase::Writing:
        return tr("Scrittura");
    case EcuPhase::Verifying:
        return tr("Verifica");
    }
    return QString();
}

void TransferPanel::write()
{
    EcuSession *session = ctx.session();
    CurveModel *model = ctx.model();
    if (Protocol::isLargeLayout(session->deviceInfo().hwVersion) && !model->hasFile()) {
        emit fileNeededForWrite();
        return;
    }
    // Nothing beyond the unit's limits is sent: the user limits the curve
    // (one undo step, on show before it goes out) or keeps it as it is.
    const CurveLimits limits = CurveLimits::forHardware(session->deviceInfo().hwVersion);
    const LimitCheck check = checkLimits(limits, model->values());
    if (!check.ok()) {
        const QString question =
            tr("%n punti della curva sono fuori dai limiti della centralina (da %1 a %2): %3.\n"
               "Portarli entro i limiti e scrivere? Altrimenti non viene scritto nulla.",
               nullptr, check.points.size())
                .arg(int(limits.valueMin))
                .arg(int(limits.valueMax))
                .arg(pointNames(check.points));
        if (!ctx.prompts().askYesNo(ctx.window(), CMsg::text(CMsg::FlashWrite), question))
            return;
        model->applyEdit(clampToLimits(limits, model->values()), tr("Entro i limiti della centralina"));
    }
    // The preview compares with what the unit holds; after a failed write
    // nobody knows, so it is read first (the editor keeps its curve).
    if (!session->isContentCurrent()) {
        readingForWrite = true;
        session->readCurve();
        return;
    }
    const WriteNote note = writeNotes ? writeNotes(model->values()) : WriteNote();
    if (!previewAccepted(note))
        return;
    profileLabel->clear();
    WriteOptions options;
    options.profileName = QFileInfo(model->filePath()).fileName();
    options.backupDir = ctx.backupFolder();
    options.label = note.label;
    options.k = note.k;
    session->writeCurve(model->values(), options);
}

bool TransferPanel::previewAccepted(const WriteNote &note)
{
    CurveModel *model = ctx.model();
    const EcuImage::Decoded onUnit = ctx.session()->content();
    // The window writes K when it is edited, and with the curve only for a
    // restore.
    const int cylinders = qRound(model->maxRpm()) == HistoryDiff::maxRpm(4) ? 4 : 2;
    const WritePreview preview = WritePreview::make({onUnit.values, onUnit.k}, {model->values(), note.k.value_or(onUnit.k)}, cylinders,
                                                    note.unit);
    writeSummary = preview.diff.summary();
    if (preview.firm()) {
        // Leaner points as runs with their engine speeds, as the limits say them.
        QStringList warnings = preview.warnings();
        if (!preview.leaner.isEmpty()) {
            QVector<int> points;
            for (const PointDelta &d : preview.leaner)
                points << d.point;
            warnings[0] = tr("%n punti più magri di %1 o più: %2", nullptr, points.size())
                              .arg(preview.threshold)
                              .arg(pointNames(points));
        }
        // The unit's curve over the editor's while the user decides.
        const bool hadCompare = model->hasCompare();
        const QVector<int> oldCompare = model->compareValues();
        const QString oldLabel = model->compareLabel();
        model->setCompare(onUnit.values, tr("Centralina ora"));
        const bool yes = ctx.prompts().askYesNo(
            ctx.window(), CMsg::text(CMsg::FlashWrite),
            tr("Rispetto alla centralina: %1").arg(writeSummary) + QStringLiteral("\n\n")
                + warnings.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + tr("Scrivere comunque?"));
        if (hadCompare)
            model->setCompare(oldCompare, oldLabel);
        else
            model->clearCompare();
        if (!yes) {
            ctx.showStatus(tr("Nulla è stato scritto nella centralina."), 10000);
            return false;
        }
    }
    ctx.showStatus(tr("Scrittura: %1").arg(writeSummary), 0);
    return true;
}

QString TransferPanel::pointNames(const QVector<int> &points) const
{
    // "3 (1.275 giri/min), 7-9 (2.975-3.825 giri/min)": runs of neighbours as one.
    const CurveModel *model = ctx.model();
    const auto rpm = [model](int p) { return QLocale().toString(qRound(model->rpmAt(p))); };
    QStringList parts;
    for (int i = 0; i < points.size();) {
        int j = i;
        while (j + 1 < points.size() && points[j + 1] == points[j] + 1)
            ++j;
        const int a = points[i];
        const int b = points[j];
        parts << (a == b ? tr("%1 (%2 giri/min)").arg(a).arg(rpm(a))
                         : tr("%1-%2 (%3-%4 giri/min)").arg(a).arg(b).arg(rpm(a), rpm(b)));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
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
    const bool forWrite = result.operation == EcuResult::Read && std::exchange(readingForWrite, false);
    if (forWrite && result.ok()) {
        // Known again, the unit's curve is what the editor is compared with.
        ctx.model()->setEcuCopy(session->content().values);
        clearProgress();
        write();
        return;
    }
    switch (result.code) {
    case EcuResult::Ok:
        if (result.operation == EcuResult::Read) {
            applyRead();
        } else if (result.operation == EcuResult::Write) {
            ctx.model()->setEcuCopy(ctx.model()->values());
            QString text = tr("Scrittura verificata: %1 celle uguali a quanto inviato.")
                               .arg(Protocol::cellsWritten(session->deviceInfo().hwVersion));
            if (!writeSummary.isEmpty())
                text += QLatin1Char(' ') + writeSummary + QLatin1Char('.');
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
    case EcuResult::OutOfRange: {
        QStringList what;
        if (!result.outOfRange.isEmpty())
            what << tr("punti fuori dai limiti: %1").arg(pointNames(result.outOfRange));
        if (result.kOutside)
            what << tr("K fuori dall'intervallo da %1 a %2").arg(Curve::KMin).arg(Curve::KMax);
        ctx.prompts().warning(ctx.window(), CMsg::text(CMsg::FlashWrite),
                              tr("Nulla è stato scritto nella centralina: %1.").arg(what.join(QStringLiteral("; "))));
        break;
    }
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
    // In the user's terms: points and engine speeds, K, the profile's name.
    const int kCell = Protocol::injectionKCell(ctx.session()->deviceInfo().hwVersion);
    const auto shown = [](int byte) { return byte < 0 ? QStringLiteral("-") : QString::number(qint8(byte)); };
    QStringList lines;
    const QVector<EcuImage::Mismatch> &list = result.mismatches;
    for (const EcuImage::Mismatch &m : list) {
        if (lines.size() == 12) {
            lines << tr("... e altre %1 differenze").arg(list.size() - 12);
            break;
        }
        if (m.cell < Curve::Points)
            lines << tr("Punto %1 (%2 giri/min): scritto %3, la centralina contiene %4")
                         .arg(m.cell)
                         .arg(QLocale().toString(qRound(ctx.model()->rpmAt(m.cell))))
                         .arg(shown(m.written), shown(m.read));
        else if (m.cell == kCell)
            lines << tr("K: scritto %1, la centralina contiene %2").arg(shown(m.written), shown(m.read));
        else
            lines << tr("Nome del profilo, carattere %1: scritto %2, la centralina contiene %3")
                         .arg(m.cell - Protocol::profileNameCell + 1)
                         .arg(m.written)
                         .arg(m.read);
    }
    ctx.prompts().warning(ctx.window(), CMsg::text(CMsg::FlashWrite),
                          tr("Verifica fallita: la centralina non contiene quanto scritto.") + QLatin1Char('\n')
                              + lines.join(QLatin1Char('\n')));
}
