// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyrecorder.h"

#include "session/ecusession.h"

#include <QDateTime>
#include <QFileInfo>

namespace {
const QString RestorePrefix = QStringLiteral("history-restore:");
}

HistoryRecorder::HistoryRecorder(EcuSession *s, HistoryLibrary *lib, QObject *parent)
    : QObject(parent), session(s), library(lib)
{
    connect(session, &EcuSession::probeFinished, this, &HistoryRecorder::onProbe);
    connect(session, &EcuSession::finished, this, &HistoryRecorder::onFinished);
    connect(session, &EcuSession::linkLost, this, [this] { current.clear(); });
}

QString HistoryRecorder::restoreLabel(const QString &bikeKey, const QString &entryId)
{
    return RestorePrefix + entryId + QLatin1Char('@') + bikeKey;
}

bool HistoryRecorder::parseRestoreLabel(const QString &label, QString *bikeKey, QString *entryId)
{
    if (!label.startsWith(RestorePrefix))
        return false;
    const QString rest = label.mid(RestorePrefix.size());
    const int at = rest.indexOf(QLatin1Char('@'));
    if (at <= 0)
        return false;
    *entryId = rest.left(at);
    *bikeKey = rest.mid(at + 1);
    return true;
}

void HistoryRecorder::onProbe(const ProbeResult &result)
{
    if (!result.found())
        return;
    current.clear();
    linkedUnit = UnitIdentity{session->deviceInfo(), session->unitSerial(), session->portName()};
    library->reload(nullptr);
    recognised = library->bikes().recognise(linkedUnit);
    // Only a serial number is certain; a record match waits for the user.
    setBike(recognised.kind == Recognition::KnownBySerial ? recognised.bike : QString());
    emit unitRecognised(recognised);
}

void HistoryRecorder::setBike(const QString &key)
{
    if (key != bikeKey)
        current.clear();
    bikeKey = key;
    if (!bikeKey.isEmpty())
        flush();
}

bool HistoryRecorder::confirmBike(const QString &key, QString *error)
{
    library->reload(nullptr);
    if (!library->bikes().attach(key, linkedUnit, QDateTime::currentDateTime(), error))
        return false;
    recognised = library->bikes().recognise(linkedUnit);
    setBike(key);
    return true;
}

void HistoryRecorder::onFinished(const EcuResult &r)
{
    if (!r.ok()) {
        // Frames went out and the read-back failed or was cut: whatever the
        // unit holds now is not known.
        if (r.unitChanged)
            current.clear();
        return;
    }
    if (r.operation == EcuResult::None || !session->hasContent())
        return;
    const EcuImage::Decoded d = session->content();
    NewState state;
    state.profile.values = d.values;
    state.profile.k = d.k;
    state.unit = linkedUnit;
    state.proven = session->isContentCurrent();
    state.when = QDateTime::currentDateTime();
    QString restoredFrom;
    switch (r.operation) {
    case EcuResult::Read:
        state.origin = HistoryEntry::Origin::Read;
        break;
    case EcuResult::Write: {
        QString key;
        QString id;
        if (parseRestoreLabel(r.label, &key, &id)) {
            state.origin = HistoryEntry::Origin::Restore;
            restoredFrom = BackupHistory::isBackupId(id) ? id : key + QLatin1Char(':') + id;
        } else {
            state.origin = HistoryEntry::Origin::Write;
        }
        break;
    }
    default:
        state.origin = HistoryEntry::Origin::Write;
        break;
    }
    if (bikeKey.isEmpty()) {
        pending.append(Pending{state, restoredFrom});
        return;
    }
    record(state, restoredFrom);
}

void HistoryRecorder::record(NewState state, const QString &restoredFrom)
{
    // The parent: the restored entry (by its id alone in its own bike's
    // history), else the entry the unit held before.
    if (!restoredFrom.isEmpty()) {
        const QString own = bikeKey + QLatin1Char(':');
        state.parent = restoredFrom.startsWith(own) ? restoredFrom.mid(own.size()) : restoredFrom;
    } else {
        state.parent = current;
    }
    HistoryStore store = library->store(bikeKey);
    bool created = false;
    QString error;
    const std::optional<HistoryEntry> e = store.record(state, &created, &error);
    if (!e) {
        current.clear();
        emit recordFailed(error);
        return;
    }
    current = e->id;
    emit recorded(*e, created);
}

void HistoryRecorder::flush()
{
    const QVector<Pending> waiting = pending;
    pending.clear();
    for (const Pending &p : waiting)
        record(p.state, p.restoredFrom);
}

bool HistoryRecorder::attach(const QString &path, const QString &kind, QString *error)
{
    if (bikeKey.isEmpty() || current.isEmpty()) {
        if (error)
            *error = History::tr("Nessuna voce della cronologia per quello che la centralina contiene ora");
        return false;
    }
    const QFileInfo info(path);
    Attachment a{info.absoluteFilePath(), kind, QDateTime::currentDateTime(), info.exists() ? info.size() : -1};
    return library->store(bikeKey).attach(current, a, error);
}
