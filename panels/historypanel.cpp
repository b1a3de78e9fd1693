// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/historypanel.h"

#include "history/historydiff.h"
#include "history/historyrecorder.h"
#include "panels/historyview.h"
#include "panels/windowcontext.h"
#include "profile/curvelimits.h"
#include "profile/curvemodel.h"
#include "session/ecusession.h"
#include "session/liverecorder.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace {

int cylindersOf(const CurveModel *model)
{
    return qRound(model->maxRpm()) == HistoryDiff::maxRpm(4) ? 4 : 2;
}

} // namespace

HistoryPanel::HistoryPanel(WindowContext &context, const Widgets &widgets, LiveRecorder *liveRecorder,
                           QObject *parent)
    : QObject(parent), ctx(context), ui(widgets), lib(ctx.profileFolder(), ctx.backupFolder())
{
    lib.reload(nullptr);
    rec = new HistoryRecorder(ctx.session(), &lib, this);
    bikeButton = new QToolButton(ctx.window());
    bikeButton->setObjectName(QStringLiteral("btMoto"));
    bikeButton->setAutoRaise(true);
    ctx.statusBar()->addPermanentWidget(bikeButton);

    connect(rec, &HistoryRecorder::unitRecognised, this, &HistoryPanel::updateBikeButton);
    connect(rec, &HistoryRecorder::recorded, this, [this] {
        updateBikeButton();
        updateView();
    });
    connect(rec, &HistoryRecorder::recordFailed, this, [this](const QString &error) {
        ctx.showStatus(tr("Cronologia non aggiornata: %1").arg(error), 15000);
    });
    connect(ctx.session(), &EcuSession::linkedChanged, this, &HistoryPanel::updateBikeButton);
    if (liveRecorder)
        connect(liveRecorder, &LiveRecorder::stopped, this, [this, liveRecorder] {
            // The recording ran on what the unit holds now.
            QString error;
            if (!rec->currentEntry().isEmpty() && !rec->attach(liveRecorder->path(), QStringLiteral("log"), &error))
                ctx.showStatus(tr("Registrazione non allegata alla cronologia: %1").arg(error), 15000);
            updateView();
        });
    connect(bikeButton, &QToolButton::clicked, this, &HistoryPanel::chooseBike);
    connect(ui.bike, &QAction::triggered, this, &HistoryPanel::chooseBike);
    connect(ui.history, &QAction::triggered, this, &HistoryPanel::showHistory);
    connect(ctx.model(), &CurveModel::valuesChanged, this, &HistoryPanel::updateView);
    retranslate();
}

HistoryPanel::~HistoryPanel() = default;

void HistoryPanel::setFolders()
{
    lib = HistoryLibrary(ctx.profileFolder(), ctx.backupFolder());
    lib.reload(nullptr);
    updateView();
}

QString HistoryPanel::bikeName(const QString &key) const
{
    const Bike *b = lib.bikes().find(key);
    return b ? b->name : key;
}

void HistoryPanel::retranslate()
{
    ui.history->setText(tr("Cronologia della moto..."));
    ui.bike->setText(tr("Moto della centralina..."));
    updateBikeButton();
    if (dialog)
        dialog->retranslate();
}

void HistoryPanel::updateBikeButton()
{
    const bool linked = ctx.session()->isLinked();
    ui.bike->setEnabled(linked);
    bikeButton->setVisible(linked);
    if (!linked)
        return;
    const Recognition r = rec->recognition();
    QString text;
    if (!rec->bike().isEmpty())
        text = tr("Moto: %1").arg(bikeName(rec->bike()));
    else if (r.kind == Recognition::Probable)
        text = tr("Moto: forse %1?").arg(bikeName(r.bike));
    else
        text = tr("Moto: nessuna (dare un nome...)");
    bikeButton->setText(text);
    const int waiting = rec->pendingStates();
    bikeButton->setToolTip(
        rec->bike().isEmpty()
            ? tr("Di quale moto è questa centralina? Finché non lo dici, la cronologia aspetta.") + QLatin1Char('\n')
                  + tr("%n stati della centralina aspettano la moto.", nullptr, waiting)
            : tr("Ogni lettura riuscita e ogni scrittura verificata entra nella cronologia di questa moto."));
}

void HistoryPanel::chooseBike()
{
    if (!ctx.session()->isLinked())
        return;
    QString error;
    if (!lib.reload(&error)) {
        ctx.prompts().warning(ctx.window(), tr("Moto della centralina"), error);
        return;
    }
    // The bikes the unit probably is first, then the others.
    QStringList names;
    const Recognition r = rec->recognition();
    for (const QString &key : r.candidates)
        names << bikeName(key);
    for (const Bike &b : lib.bikes().bikes())
        if (!names.contains(b.name))
            names << b.name;
    const QString name =
        ctx.prompts()
            .getItem(ctx.window(), tr("Moto della centralina"),
                     tr("Di quale moto è questa centralina (%1)? Scegline una o scrivi il nome di una nuova:")
                         .arg(rec->unit().recordText()),
                     names, true)
            .trimmed();
    if (name.isEmpty())
        return;
    QString key;
    if (const Bike *known = lib.bikes().find(name)) {
        key = known->key;
    } else {
        Bike added;
        if (!lib.bikes().add(name, &added, &error)) {
            ctx.prompts().warning(ctx.window(), tr("Moto della centralina"),
                                  tr("La moto %1 non è stata aggiunta: %2").arg(name, error));
            return;
        }
        key = added.key;
    }
    // A bike that knows another unit: the same bike with a second ECU, or
    // the wrong bike.
    if (lib.bikes().check(key, rec->unit()) == UnitCheck::Different
        && !ctx.prompts().askYesNo(ctx.window(), tr("Moto della centralina"),
                                   tr("La moto %1 ha già un'altra centralina. Questa (%2) è una seconda centralina della "
                                      "stessa moto?")
                                       .arg(name, rec->unit().recordText())))
        return;
    if (!rec->confirmBike(key, &error)) {
        ctx.prompts().warning(ctx.window(), tr("Moto della centralina"),
                              tr("La centralina non è stata assegnata a %1: %2").arg(name, error));
        return;
    }
    ctx.showStatus(tr("Centralina assegnata a %1: le sue letture e scritture entrano nella cronologia.").arg(name),
                   10000);
    updateBikeButton();
    updateView();
}

void HistoryPanel::showHistory()
{
    if (!dialog) {
        dialog = new HistoryView(lib, ctx.prompts(), ctx.window());
        connect(dialog, &HistoryView::compareRequested, this, &HistoryPanel::compare);
        connect(dialog, &HistoryView::bikeRenamed, this, &HistoryPanel::updateBikeButton);
        connect(dialog, &HistoryView::loadRequested, this,
                [this](const HistoryEntry &e, const QVector<int> &points, bool withK) { load(e, points, withK, false); });
        connect(dialog, &HistoryView::restoreRequested, this, [this](const HistoryEntry &e) {
            QVector<int> every;
            for (int i = 0; i < Curve::Points; ++i)
                every << i;
            load(e, every, true, true);
        });
    }
    dialog->setEditor({ctx.model()->values(), ctx.model()->k()}, cylindersOf(ctx.model()));
    dialog->setUnitEntry(rec->bike(), rec->currentEntry());
    QString bike = rec->bike();
    if (bike.isEmpty() && !lib.bikes().bikes().isEmpty())
        bike = lib.bikes().bikes().first().key;
    dialog->showBike(bike);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void HistoryPanel::updateView()
{
    if (!dialog || !dialog->isVisible())
        return;
    dialog->setEditor({ctx.model()->values(), ctx.model()->k()}, cylindersOf(ctx.model()));
    dialog->setUnitEntry(rec->bike(), rec->currentEntry());
    dialog->refresh();
}

void HistoryPanel::compare(const HistoryEntry &entry)
{
    ctx.model()->setCompare(entry.profile.values, entry.isBackup() ? tr("Backup %1").arg(entry.id)
                                                                   : tr("Voce %1").arg(entry.id));
}

void HistoryPanel::load(const HistoryEntry &entry, const QVector<int> &points, bool withK, bool forWrite)
{
    if (!entry.usable())
        return;
    CurveModel *model = ctx.model();
    QVector<int> values = model->values();
    for (int p : points)
        if (p >= 0 && p < values.size())
            values[p] = entry.profile.values.value(p);
    const bool kValid = Curve::isValidK(entry.profile.k);
    model->setValues(values, points.size() == Curve::Points ? tr("Voce %1 della cronologia").arg(entry.id)
                                                            : tr("Punti della voce %1").arg(entry.id));
    const int k = withK && kValid ? entry.profile.k : model->k();
    if (k != model->k()) {
        model->setK(k);
        // As a profile's K: a linked unit gets it at once, unless it goes
        // out with the curve now.
        if (!forWrite && ctx.session()->isLinked())
            ctx.session()->writeK(k);
    }
    loaded.label = HistoryRecorder::restoreLabel(entry.isBackup() ? QString() : dialog->bikeKey(), entry.id);
    loaded.values = values;
    loaded.k = k;
    if (withK && !kValid)
        ctx.showStatus(tr("K = %1 della voce è fuori dall'intervallo da %2 a %3: K resta %4.")
                           .arg(entry.profile.k)
                           .arg(Curve::KMin)
                           .arg(Curve::KMax)
                           .arg(model->k()),
                       15000);
    if (forWrite)
        emit writeRequested();
}

void HistoryPanel::attachAnalysis(const Mixture::Result &result, const QStringList &files)
{
    const QString bike = rec->bike();
    if (bike.isEmpty() || files.isEmpty())
        return;
    HistoryStore store = lib.store(bike);
    for (const HistoryEntry &e : store.list()) {
        if (!e.usable())
            continue;
        bool visited = false;
        bool same = true;
        for (const Mixture::PointRow &row : result.points) {
            if (!row.hasApplied)
                continue;
            visited = true;
            same = same && e.profile.values.value(row.point) == row.applied;
        }
        if (!visited)
            return;
        if (!same)
            continue;
        for (const QString &path : files) {
            const QFileInfo info(path);
            const bool known = std::any_of(e.attachments.cbegin(), e.attachments.cend(), [&](const Attachment &a) {
                return a.path == info.absoluteFilePath();
            });
            QString error;
            if (!known
                && !store.attach(e.id, {info.absoluteFilePath(), QStringLiteral("analysis"), QDateTime::currentDateTime(),
                                        info.exists() ? info.size() : -1},
                                 &error)) {
                ctx.showStatus(tr("Analisi non allegata alla cronologia: %1").arg(error), 15000);
                return;
            }
        }
        ctx.showStatus(tr("Analisi allegata alla voce %1 della cronologia, che era nella centralina durante i log.")
                           .arg(e.id),
                       10000);
        updateView();
        return;
    }
}

TransferPanel::WriteNote HistoryPanel::writeNote(const QVector<int> &values) const
{
    TransferPanel::WriteNote note;
    if (!rec->bike().isEmpty())
        note.unit = lib.bikes().check(rec->bike(), rec->unit());
    if (!loaded.label.isEmpty() && values == loaded.values && ctx.model()->k() == loaded.k) {
        note.label = loaded.label;
        if (Curve::isValidK(loaded.k))
            note.k = loaded.k;
    }
    return note;
}
