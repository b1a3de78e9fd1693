// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/profilepanel.h"

#include "panels/curveguard.h"
#include "panels/windowcontext.h"
#include "profile/backupstore.h"
#include "profile/curvemodel.h"
#include "profile/profilefile.h"
#include "session/ecuresult.h"
#include "session/ecusession.h"
#include "uicommon/cmsg.h"
#include "util/settingskeys.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>

ProfilePanel::ProfilePanel(WindowContext &context, const Widgets &widgets, QObject *parent)
    : QObject(parent), ctx(context), ui(widgets)
{
    CurveModel *model = ctx.model();
    const CurveLimits limits = model->limits();
    ui.flatValue->setRange(int(limits.valueMin), int(limits.valueMax));
    showFile();
    showK(model->k());

    connect(model, &CurveModel::fileChanged, this, [this](const QString &path) {
        if (!path.isEmpty())
            readAt = QDateTime();
        showFile();
    });
    connect(model, &CurveModel::kChanged, this, &ProfilePanel::showK);
    connect(model, &CurveModel::limitsChanged, this, [this] {
        const CurveLimits l = ctx.model()->limits();
        ui.flatValue->setRange(int(l.valueMin), int(l.valueMax));
    });
    EcuSession *session = ctx.session();
    connect(session, &EcuSession::busyChanged, this, &ProfilePanel::updateEnabled);
    // After a read the label names where the curve came from.
    connect(session, &EcuSession::finished, this, [this](const EcuResult &r) {
        if (r.operation == EcuResult::Read && r.ok()) {
            readAt = QDateTime::currentDateTime();
            showFile();
        }
    });
    connect(session, &EcuSession::linkedChanged, this, &ProfilePanel::updateEngineActions);
    updateEnabled();
}

void ProfilePanel::retranslate()
{
    showFile();
}

void ProfilePanel::updateEnabled()
{
    const bool free = !ctx.session()->isBusy();
    for (QWidget *w : {static_cast<QWidget *>(ui.load), static_cast<QWidget *>(ui.save),
                       static_cast<QWidget *>(ui.flat), static_cast<QWidget *>(ui.k),
                       static_cast<QWidget *>(ui.flatValue)})
        w->setEnabled(free);
    // The menu twins of the blocked buttons: a profile load during a transfer
    // would queue a K write next to it.
    for (QAction *a : {ui.loadAction, ui.saveAction, ui.restoreAction})
        a->setEnabled(free);
    updateEngineActions();
}

void ProfilePanel::updateEngineActions()
{
    // A unit that reports its cylinders decides the engine type.
    const EcuSession *session = ctx.session();
    const unsigned char reported = session->deviceInfo().cylinders;
    const bool decided = session->isLinked() && (reported == 2 || reported == 4);
    const bool free = !session->isBusy() && !decided;
    ui.twoCylinders->setEnabled(free);
    ui.fourCylinders->setEnabled(free);
}

// ---------------------------------------------------------------- the file

void ProfilePanel::showFile()
{
    const QString path = ctx.model()->filePath();
    if (path.isEmpty() && readAt.isValid()) {
        ui.path->setText(tr("Centralina, letta alle %1").arg(readAt.toString(QStringLiteral("HH:mm"))));
        ui.path->setToolTip(QLocale().toString(readAt, QLocale::LongFormat));
        return;
    }
    if (path.isEmpty()) {
        ui.path->setText(CMsg::text(CMsg::NoProfile));
        ui.path->setToolTip(QString());
        return;
    }
    ui.path->setToolTip(QDir::toNativeSeparators(path));
    const int room = qMax(ui.path->width(), ui.path->minimumWidth()) - 10;
    ui.path->setText(ui.path->fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, room));
}

void ProfilePanel::load()
{
    if (!CurveGuard::mayReplaceCurve(ctx))
        return;
    const QString word = QStringLiteral("LOAD_PROFILE");
    ctx.session()->whenIdle(word, [this, word] { runFileWord(word); });
}

void ProfilePanel::save()
{
    const QString word = QStringLiteral("SAVE_PROFILE");
    ctx.session()->whenIdle(word, [this, word] { runFileWord(word); });
}

void ProfilePanel::saveAndSend()
{
    const QString word = QStringLiteral("SAVE_PROFILE_AND_SEND");
    ctx.session()->whenIdle(word, [this, word] { runFileWord(word); });
}

void ProfilePanel::runFileWord(const QString &word)
{
    if (word == QLatin1String("LOAD_PROFILE"))
        loadProfile();
    else if (word == QLatin1String("SAVE_PROFILE") || word == QLatin1String("SAVE_PROFILE_AND_SEND"))
        saveProfile(word);
}

void ProfilePanel::loadProfile()
{
    const QString path = ctx.prompts().getOpenFileName(ctx.window(), tr("Apre File di Profilo"),
                                                       ctx.profileFolder(), tr("Profili (*.prf)"));
    if (!path.isEmpty())
        loadFile(path);
}

void ProfilePanel::open(const QString &path)
{
    if (!CurveGuard::mayReplaceCurve(ctx))
        return;
    ctx.session()->whenIdle(QStringLiteral("LOAD_PROFILE"), [this, path] { loadFile(path); });
}

void ProfilePanel::loadFile(const QString &path)
{
    CurveModel *model = ctx.model();
    ProfileFile::Profile profile;
    QString error;
    if (!ProfileFile::load(path, &profile, &error)) {
        // Nothing changes: curve, K and file stay as they were.
        ctx.prompts().warning(ctx.window(), tr("Apre File di Profilo"), error);
        return;
    }
    model->setValues(profile.values, tr("Carica profilo"));
    model->setK(profile.k);
    model->setFile(path);
    // A loaded file's K reaches a linked unit, as an edit of K does; one
    // outside 1..4 is shown as it is and never sent.
    EcuSession *session = ctx.session();
    if (!Curve::isValidK(profile.k))
        ctx.prompts().warning(ctx.window(), tr("Apre File di Profilo"),
                              tr("Il profilo ha K = %1, fuori dall'intervallo da %2 a %3: è mostrato com'è e non "
                                 "viene scritto nella centralina.")
                                  .arg(profile.k)
                                  .arg(Curve::KMin)
                                  .arg(Curve::KMax));
    else if (session->isLinked() && (!session->hasContent() || session->content().k != profile.k))
        session->writeK(profile.k);
    const QVector<int> outside = model->outOfRange();
    if (!outside.isEmpty())
        ctx.prompts().warning(ctx.window(), tr("Apre File di Profilo"),
                              tr("%1 punti del profilo sono fuori dai limiti di questa centralina (da %2 a %3). "
                                 "Sono mostrati in rosso e restano come sono finché non li modifichi.")
                                  .arg(outside.size())
                                  .arg(int(model->limits().valueMin))
                                  .arg(int(model->limits().valueMax)));
    focusCurve();
}

void ProfilePanel::focusCurve()
{
    // A new curve on show: the arrow keys go on with it.
    if (ui.curve)
        ui.curve->setFocus(Qt::OtherFocusReason);
}

void ProfilePanel::saveProfile(const QString &word)
{
    const bool forWrite = word == QLatin1String("SAVE_PROFILE_AND_SEND");
    const QString why = forWrite ? tr("Salva la curva in un file prima di scriverla: la centralina ne conserva il nome")
                                 : QString();
    if (!CurveGuard::saveAs(ctx, why))
        return;  // nothing is sent to the ECU
    focusCurve();
    if (forWrite)
        emit savedForWrite();
}

void ProfilePanel::restoreLastBackup()
{
    const QString folder = ctx.backupFolder();
    const QString path = BackupStore(folder).latest();
    if (path.isEmpty()) {
        ctx.prompts().information(ctx.window(), tr("Ripristina ultimo backup"),
                                  tr("Nessun backup in %1.").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (!CurveGuard::mayReplaceCurve(ctx))
        return;
    ProfileFile::Profile profile;
    QString error;
    if (!ProfileFile::load(path, &profile, &error)) {
        ctx.prompts().warning(ctx.window(), tr("Ripristina ultimo backup"), error);
        return;
    }
    CurveModel *model = ctx.model();
    model->setValues(profile.values, tr("Ripristino backup"));
    model->setK(profile.k);
    model->setFile(path);
    ctx.showStatus(tr("Backup caricato: %1. Scrivilo nella centralina per ripristinarla.")
                       .arg(QFileInfo(path).fileName()),
                   15000);
}

void ProfilePanel::setFlatProfile()
{
    if (!CurveGuard::mayReplaceCurve(ctx))
        return;
    ctx.model()->setValues(QVector<int>(Curve::Points, ui.flatValue->value()), tr("Profilo piatto"));
    readAt = QDateTime();
    ctx.model()->clearFile();
    showFile();
    focusCurve();
}

void ProfilePanel::resetAfterDisconnect()
{
    CurveModel *model = ctx.model();
    // The design starts afresh with a flat curve; work not saved anywhere
    // stays on screen.
    const bool keep = model->isModified();
    model->clearEcuCopy();
    if (!keep) {
        model->setValues(QVector<int>(Curve::Points, 0), tr("Profilo piatto"));
        readAt = QDateTime();
        model->clearFile();
        model->setPristine();
        showFile();
    }
}

// ---------------------------------------------------------------- K

void ProfilePanel::showK(int k)
{
    // A K from outside (the unit, a file) is shown as it is, even beyond
    // the range the user may choose from; the program's own setting never
    // counts as an edit.
    const QSignalBlocker block(ui.k);
    ui.k->setRange(qMin(Curve::KMin, k), qMax(Curve::KMax, k));
    ui.k->setValue(k);
    const bool valid = Curve::isValidK(k);
    ui.k->setToolTip(valid ? tr("Divisore numero di giri")
                           : tr("K = %1 è fuori dall'intervallo da %2 a %3").arg(k).arg(Curve::KMin).arg(Curve::KMax));
}

void ProfilePanel::editK(int k)
{
    CurveModel *model = ctx.model();
    if (k == model->k())
        return;
    // Back within the range once the user moves it.
    if (Curve::isValidK(k))
        ui.k->setRange(Curve::KMin, Curve::KMax);
    model->setK(k);
    if (ctx.session()->isLinked() && Curve::isValidK(k))
        ctx.session()->writeK(k);
}

// ---------------------------------------------------------------- engine type

void ProfilePanel::chooseEngineType(int wanted)
{
    // The menu's check marks were toggled by the click: the type in use
    // decides what they show until the change goes through.
    const bool two = cylinders == 2;
    ui.twoCylinders->setChecked(two);
    ui.fourCylinders->setChecked(!two);
    // Choosing the type in use again changes nothing.
    if (wanted == cylinders)
        return;
    if (!CurveGuard::mayReplaceCurve(ctx))
        return;
    selectEngineType(wanted);
}

void ProfilePanel::selectEngineType(int wanted)
{
    const EngineType::Setup &setup = EngineType::setupFor(wanted);
    const bool two = setup.cylinders == 2;
    cylinders = setup.cylinders;
    ui.twoCylinders->setChecked(two);
    ui.fourCylinders->setChecked(!two);

    CurveModel *model = ctx.model();
    readAt = QDateTime();
    model->clearFile();
    showFile();
    QSettings().setValue(SettingsKeys::cylinders(), QString::fromLatin1(setup.setting));
    model->setMaxRpm(setup.maxRpm);
    model->setValues(QVector<int>(Curve::Points, 0), tr("Profilo piatto"));
    ui.logo->setPixmap(QPixmap(QString::fromLatin1(setup.logo)));
    emit engineTypeChanged(setup);
}

void ProfilePanel::applyDeviceInfo(const CDevInfo &info)
{
    CurveModel *model = ctx.model();
    model->setLimits(CurveLimits::forHardware(info.hwVersion));
    const bool reported = info.cylinders == 2 || info.cylinders == 4;
    if (reported && info.cylinders != cylinders) {
        // The unit decides; work on screen keeps its values, spread over the
        // new speed range.
        const bool keep = model->isModified();
        const QVector<int> values = model->values();
        selectEngineType(info.cylinders);
        if (keep)
            model->setValues(values, QString(), false);
    }
    updateEngineActions();
}
