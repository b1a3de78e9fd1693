// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historystore.h"

#include "history/entryfile.h"
#include "util/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>

namespace {

// A sidecar grows with notes and attachments; beyond this it is not ours.
constexpr int MaxSidecar = 1 << 20;

const QRegularExpression &pattern()
{
    static const QRegularExpression p(QStringLiteral("^(\\d{6,18})_[0-9A-Za-z_-]*\\.(prf|json)$"));
    return p;
}

bool sameState(const HistoryEntry &e, const ProfileFile::Profile &p)
{
    return e.usable() && e.profile.values == p.values && e.profile.k == p.k;
}

} // namespace

HistoryStore::HistoryStore(const QString &folder) : dir(folder) {}

QString HistoryStore::baseName(qint64 number, const QDateTime &when, unsigned char hwVersion)
{
    return QStringLiteral("%1_").arg(number, 6, 10, QLatin1Char('0'))
        + when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QStringLiteral("_HW%1").arg(int(hwVersion));
}

QVector<HistoryStore::Name> HistoryStore::names(qint64 *highest) const
{
    // Links and all: a planted one takes its number too, and is shown.
    const QStringList all =
        QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    QHash<qint64, QString> bases;
    qint64 top = 0;
    for (const QString &n : all) {
        const QRegularExpressionMatch m = pattern().match(n);
        if (!m.hasMatch())
            continue;
        const qint64 number = m.captured(1).toLongLong();
        top = std::max(top, number);
        // One name per number; a profile's name wins over a sidecar's.
        const QString base = n.left(n.lastIndexOf(QLatin1Char('.')));
        if (!bases.contains(number) || m.captured(2) == QLatin1String("prf"))
            bases.insert(number, base);
    }
    if (highest)
        *highest = top;
    QVector<Name> out;
    out.reserve(bases.size());
    for (auto it = bases.cbegin(); it != bases.cend(); ++it)
        out.append(Name{it.key(), it.value()});
    std::sort(out.begin(), out.end(), [](const Name &a, const Name &b) { return a.number > b.number; });
    return out;
}

HistoryEntry HistoryStore::load(const Name &name) const
{
    HistoryEntry e;
    e.number = name.number;
    e.id = QString::number(name.number);
    e.profilePath = QDir(dir).filePath(name.base + QStringLiteral(".prf"));
    e.sidecarPath = QDir(dir).filePath(name.base + QStringLiteral(".json"));
    const auto damage = [&e](const QString &why) {
        if (!e.damaged)
            e.damage = why;
        e.damaged = true;
    };

    QByteArray bytes;
    QString why;
    QString actualHash;
    switch (EntryFile::read(e.profilePath, ProfileFile::FileSize, &bytes, &why)) {
    case EntryFile::Read::Missing:
        damage(History::tr("profilo mancante"));
        break;
    case EntryFile::Read::Refused:
        damage(History::tr("profilo illeggibile: %1").arg(why));
        break;
    case EntryFile::Read::Ok:
        actualHash = HistoryHash::sha256(bytes);
        if (ProfileFile::decode(bytes, &e.profile, &why))
            e.hasProfile = true;
        else
            damage(History::tr("profilo troncato o di troppo: %1 byte invece di %2").arg(bytes.size()).arg(ProfileFile::FileSize));
        break;
    }

    QByteArray side;
    switch (EntryFile::read(e.sidecarPath, MaxSidecar, &side, &why)) {
    case EntryFile::Read::Missing:
        damage(History::tr("scheda (.json) mancante: l'impronta del profilo non si può controllare"));
        break;
    case EntryFile::Read::Refused:
        damage(History::tr("scheda (.json) illeggibile: %1").arg(why));
        break;
    case EntryFile::Read::Ok: {
        QJsonParseError parseError{};
        const QJsonDocument doc = QJsonDocument::fromJson(side, &parseError);
        if (side.size() > MaxSidecar || !doc.isObject()) {
            damage(History::tr("scheda (.json) non valida: %1").arg(parseError.errorString()));
            break;
        }
        if (!e.fromSidecar(doc.object(), &why)) {
            damage(History::tr("scheda (.json) non valida: %1").arg(why));
            break;
        }
        if (!actualHash.isEmpty() && actualHash != e.sha256)
            damage(History::tr("il profilo non corrisponde alla sua impronta SHA-256: è stato cambiato dopo"));
        break;
    }
    }
    if (!e.time.isValid()) {
        // Without a sidecar: the time the name gives.
        e.time = QDateTime::fromString(name.base.mid(name.base.indexOf(QLatin1Char('_')) + 1, 19),
                                       QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        e.lastSeen = e.time;
    }
    return e;
}

QVector<HistoryEntry> HistoryStore::list() const
{
    const QVector<Name> all = names(nullptr);
    QVector<HistoryEntry> out;
    out.reserve(all.size());
    for (const Name &n : all)
        out.append(load(n));
    return out;
}

std::optional<HistoryEntry> HistoryStore::find(const QString &id) const
{
    bool ok = false;
    const qint64 number = id.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    for (const Name &n : names(nullptr))
        if (n.number == number)
            return load(n);
    return std::nullopt;
}

std::optional<HistoryEntry> HistoryStore::newest() const
{
    const QVector<Name> all = names(nullptr);
    if (all.isEmpty())
        return std::nullopt;
    return load(all.first());
}

bool HistoryStore::rewrite(const HistoryEntry &entry, QString *error) const
{
    QString why;
    const QByteArray json = QJsonDocument(entry.toSidecar()).toJson(QJsonDocument::Indented);
    if (!SafeFile::write(entry.sidecarPath, json, &why)) {
        if (error)
            *error = History::tr("Impossibile aggiornare la scheda %1: %2").arg(QDir::toNativeSeparators(entry.sidecarPath), why);
        return false;
    }
    return true;
}

std::optional<HistoryEntry> HistoryStore::record(const NewState &state, bool *created, QString *error)
{
    const QDateTime when = state.when.isValid() ? state.when : QDateTime::currentDateTime();
    if (created)
        *created = false;
    qint64 highest = 0;
    const QVector<Name> all = names(&highest);
    // The parent by default: the newest entry that can be trusted.
    QString newestUsable;
    for (const Name &n : all)
        if (load(n).usable()) {
            newestUsable = QString::number(n.number);
            break;
        }
    if (!all.isEmpty()) {
        HistoryEntry top = load(all.first());
        // The same state again (a reconnection, a read after a write):
        // seen, not new. An unverified entry is confirmed by a proven one.
        if (sameState(top, state.profile)) {
            ++top.seenCount;
            top.lastSeen = when;
            top.proven = top.proven || state.proven;
            if (!rewrite(top, error))
                return std::nullopt;
            return top;
        }
    }
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = History::tr("Impossibile creare la cartella %1").arg(QDir::toNativeSeparators(dir));
        return std::nullopt;
    }

    HistoryEntry e;
    e.time = e.lastSeen = when;
    e.origin = state.origin;
    e.unit = state.unit;
    // What it changed from, unless the caller knows better: the newest entry.
    e.parent = state.parent.isEmpty() ? newestUsable : state.parent;
    e.proven = state.proven;
    e.profile = state.profile;
    e.hasProfile = true;
    const QByteArray bytes = ProfileFile::encode(state.profile.values, state.profile.k);
    e.sha256 = HistoryHash::sha256(bytes);
    // Created new under the next free number: an entry made at the same
    // moment by another program (or a planted name) moves this one on.
    for (qint64 number = highest + 1, attempt = 0; attempt < 1000; ++number, ++attempt) {
        const QString base = baseName(number, when, state.unit.info.hwVersion);
        e.number = number;
        e.id = QString::number(number);
        e.profilePath = QDir(dir).filePath(base + QStringLiteral(".prf"));
        e.sidecarPath = QDir(dir).filePath(base + QStringLiteral(".json"));
        bool taken = false;
        QString why;
        if (!SafeFile::create(e.profilePath, bytes, &why, &taken)) {
            if (taken)
                continue;
            if (error)
                *error = History::tr("Impossibile salvare la voce %1: %2").arg(QDir::toNativeSeparators(e.profilePath), why);
            return std::nullopt;
        }
        const QByteArray json = QJsonDocument(e.toSidecar()).toJson(QJsonDocument::Indented);
        if (!SafeFile::create(e.sidecarPath, json, &why, &taken)) {
            // Without its sidecar the profile would be listed as damaged:
            // better no entry than a broken one.
            QFile::remove(e.profilePath);
            if (taken)
                continue;
            if (error)
                *error = History::tr("Impossibile salvare la voce %1: %2").arg(QDir::toNativeSeparators(e.sidecarPath), why);
            return std::nullopt;
        }
        e.sidecar = e.toSidecar();
        if (created)
            *created = true;
        return e;
    }
    if (error)
        *error = History::tr("Nessun numero libero nella cartella %1").arg(QDir::toNativeSeparators(dir));
    return std::nullopt;
}

std::optional<HistoryEntry> HistoryStore::editable(const QString &id, QString *error) const
{
    std::optional<HistoryEntry> e = find(id);
    if (!e) {
        if (error)
            *error = History::tr("Nessuna voce %1 nella cronologia").arg(id);
        return std::nullopt;
    }
    if (e->damaged) {
        if (error)
            *error = History::tr("La voce %1 è danneggiata (%2): non viene modificata").arg(id, e->damage);
        return std::nullopt;
    }
    return e;
}

bool HistoryStore::annotate(const QString &id, const Annotations &notes, QString *error)
{
    std::optional<HistoryEntry> e = editable(id, error);
    if (!e)
        return false;
    e->notes = notes;
    return rewrite(*e, error);
}

bool HistoryStore::attach(const QString &id, const Attachment &file, QString *error)
{
    std::optional<HistoryEntry> e = editable(id, error);
    if (!e)
        return false;
    for (const Attachment &a : qAsConst(e->attachments))
        if (a.path == file.path)
            return true;
    e->attachments.append(file);
    return rewrite(*e, error);
}
