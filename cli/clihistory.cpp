// SPDX-License-Identifier: GPL-3.0-or-later
// history list | show ID | diff ID [ID] | note ID [TEXT] | restore ID: a
// bike's history on the command line. An id is a bike's entry number ("7",
// of the bike named with --bike, the only bike, or for the commands that
// link the unit's bike) or a backup's ("b7", any bike).

#include "cli/clicommands.h"

#include "cli/cliecu.h"
#include "cli/clihistorytext.h"
#include "cli/clipreview.h"
#include "cli/clitext.h"
#include "history/historydiff.h"
#include "profile/curvelimits.h"
#include "profile/pointlist.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QSet>

namespace Cli {

namespace {

// The bike named with --bike, or the only one; empty when there is none or
// several (then `several` is set).
bool chooseBike(Context &ctx, const HistoryLibrary &lib, QString *key, bool *several)
{
    *several = false;
    key->clear();
    if (!ctx.args.bike.isEmpty()) {
        const Bike *b = lib.bikes().find(ctx.args.bike);
        if (!b) {
            ctx.out.fail(ExitUsage, TervalixCli::tr("Nessuna moto di nome %1 (tervalix-cli bikes list)").arg(ctx.args.bike));
            return false;
        }
        *key = b->key;
        return true;
    }
    const QVector<Bike> all = lib.bikes().bikes();
    if (all.size() == 1)
        *key = all.first().key;
    *several = all.size() > 1;
    return true;
}

// An entry by id in `bikeKey`'s history (or the backups); says why not.
bool findEntry(Context &ctx, const HistoryLibrary &lib, const QString &bikeKey, bool several, const QString &id,
               HistoryEntry *entry)
{
    if (!BackupHistory::isBackupId(id) && bikeKey.isEmpty()) {
        ctx.out.fail(ExitUsage, several ? TervalixCli::tr("Più moto: --bike NOME dice di quale è la voce %1").arg(id)
                                        : TervalixCli::tr("Nessuna moto: la voce %1 non c'è (bikes attach NOME)").arg(id));
        return false;
    }
    const std::optional<HistoryEntry> e = lib.find(bikeKey, id);
    if (!e) {
        ctx.out.fail(ExitUsage, TervalixCli::tr("Nessuna voce %1 nella cronologia").arg(id));
        return false;
    }
    *entry = *e;
    return true;
}

// Lines and objects for the entries of one history, each with what changed
// from its parent.
void listEntries(Context &ctx, const QVector<HistoryEntry> &entries, int cylinders, QJsonArray *json)
{
    QHash<QString, int> byId;
    for (int i = 0; i < entries.size(); ++i)
        byId.insert(entries[i].id, i);
    for (const HistoryEntry &e : entries) {
        QString change;
        const auto parent = byId.constFind(e.parent);
        if (e.hasProfile && parent != byId.constEnd() && entries[*parent].hasProfile)
            change = HistoryDiff::diff(entries[*parent].profile, e.profile, e.unit.info.cylinders ? e.unit.info.cylinders
                                                                                                  : cylinders)
                         .summary();
        if (ctx.out.json()) {
            QJsonObject o = entryJson(e, false);
            o.insert(QStringLiteral("change"), change);
            json->append(o);
        } else {
            ctx.out.line(QStringLiteral("  ") + entryLine(e, change));
        }
    }
}

int historyList(Context &ctx, const HistoryLibrary &lib)
{
    QString key;
    bool several = false;
    if (!chooseBike(ctx, lib, &key, &several))
        return ExitUsage;
    QJsonArray bikes;
    for (const Bike &b : lib.bikes().bikes()) {
        if (!key.isEmpty() && b.key != key)
            continue;
        const QVector<HistoryEntry> entries = lib.store(b.key).list();
        if (!ctx.out.json())
            ctx.out.line(TervalixCli::tr("%1 (%n voci)", nullptr, entries.size()).arg(b.name));
        QJsonArray list;
        listEntries(ctx, entries, 0, &list);
        QJsonObject o = bikeJson(b, lib.bikes().folderOf(b.key), entries.size());
        o.insert(QStringLiteral("history"), list);
        bikes.append(o);
    }
    const QVector<HistoryEntry> backups = lib.backups().list();
    if (!ctx.out.json())
        ctx.out.line(TervalixCli::tr("Copie di sicurezza, senza moto (%n voci)", nullptr, backups.size()));
    QJsonArray backupList;
    listEntries(ctx, backups, 0, &backupList);
    if (ctx.out.json())
        ctx.out.document(QJsonObject{{QStringLiteral("bikes"), bikes}, {QStringLiteral("backups"), backupList}});
    return ExitOk;
}

int historyShow(Context &ctx, const HistoryLibrary &lib, const QString &id)
{
    QString key;
    bool several = false;
    HistoryEntry e;
    if (!chooseBike(ctx, lib, &key, &several) || !findEntry(ctx, lib, key, several, id, &e))
        return ExitUsage;
    if (ctx.out.json()) {
        ctx.out.document(entryJson(e, true));
        return ExitOk;
    }
    ctx.out.line(entryLine(e));
    ctx.out.line(TervalixCli::tr("Centralina: %1").arg(unitText(e.unit)));
    ctx.out.line(TervalixCli::tr("Profilo: %1").arg(QDir::toNativeSeparators(e.profilePath)));
    if (!e.notes.notes.isEmpty())
        ctx.out.line(TervalixCli::tr("Note: %1").arg(e.notes.notes));
    for (auto it = e.notes.conditions.cbegin(); it != e.notes.conditions.cend(); ++it)
        ctx.out.line(QStringLiteral("%1: %2").arg(it.key(), it.value()));
    for (const Attachment &a : e.attachments)
        ctx.out.line(TervalixCli::tr("Allegato (%1): %2").arg(a.kind, QDir::toNativeSeparators(a.path))
                     + (a.isChanged() ? TervalixCli::tr(" (spostato o cambiato da allora)") : QString()));
    if (e.hasProfile) {
        QStringList values;
        for (int v : e.profile.values)
            values << QString::number(v);
        ctx.out.line(TervalixCli::tr("Curva: %1; K = %2").arg(values.join(QLatin1Char(' '))).arg(e.profile.k));
    }
    return ExitOk;
}

// A damaged entry is compared only with its profile as it is, and said.
bool comparable(Context &ctx, const HistoryEntry &e, QJsonArray *damaged)
{
    if (!e.hasProfile) {
        ctx.out.fail(ExitUsage, TervalixCli::tr("La voce %1 è danneggiata (%2): nessun confronto").arg(e.id, e.damage));
        return false;
    }
    if (e.damaged) {
        ctx.out.error(TervalixCli::tr("! La voce %1 è danneggiata (%2): il confronto la prende com'è").arg(e.id, e.damage));
        damaged->append(e.id);
    }
    return true;
}

void printDiff(Context &ctx, const CurveDiff &d, const QString &from, const QString &to, const QJsonArray &damaged)
{
    if (ctx.out.json()) {
        QJsonObject o = diffJson(d);
        o.insert(QStringLiteral("from"), from);
        o.insert(QStringLiteral("to"), to);
        o.insert(QStringLiteral("damaged"), damaged);
        ctx.out.document(o);
        return;
    }
    ctx.out.line(QStringLiteral("%1 -> %2: %3").arg(from, to, d.summary()));
    for (const QString &line : diffLines(d))
        ctx.out.line(QStringLiteral("  ") + line);
}

int historyDiff(Context &ctx, const HistoryLibrary &lib, const QStringList &ids)
{
    QString key;
    bool several = false;
    if (!chooseBike(ctx, lib, &key, &several))
        return ExitUsage;
    QJsonArray damaged;
    if (ids.size() == 2) {
        HistoryEntry a;
        HistoryEntry b;
        if (!findEntry(ctx, lib, key, several, ids[0], &a) || !findEntry(ctx, lib, key, several, ids[1], &b)
            || !comparable(ctx, a, &damaged) || !comparable(ctx, b, &damaged))
            return ExitUsage;
        const int cylinders = b.unit.info.cylinders ? b.unit.info.cylinders : a.unit.info.cylinders;
        printDiff(ctx, HistoryDiff::diff(a.profile, b.profile, cylinders), a.id, b.id, damaged);
        return ExitOk;
    }
    // One id: against the unit, read now.
    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts, ctx.args.bike);
    if (const int code = ecu.link(ctx.args.port))
        return code;
    if (key.isEmpty())
        key = ecu.recorder().bike();
    HistoryEntry a;
    if (!findEntry(ctx, ecu.library(), key, several, ids[0], &a) || !comparable(ctx, a, &damaged))
        return ExitUsage;
    if (const int code = ecu.read())
        return code;
    const EcuImage::Decoded now = ecu.lastRead();
    printDiff(ctx, HistoryDiff::diff(a.profile, ProfileFile::Profile{now.values, now.k}, ecu.session().deviceInfo().cylinders),
              a.id, QStringLiteral("ECU"), damaged);
    return ExitOk;
}

int historyNote(Context &ctx, HistoryLibrary &lib, const QString &id, const QStringList &text)
{
    QString key;
    bool several = false;
    HistoryEntry e;
    if (!chooseBike(ctx, lib, &key, &several) || !findEntry(ctx, lib, key, several, id, &e))
        return ExitUsage;
    if (e.isBackup())
        return ctx.out.fail(ExitUsage, TervalixCli::tr("Le copie di sicurezza non hanno note: la voce %1 è una copia "
                                                       "di sicurezza").arg(id));
    Annotations notes = e.notes;
    if (!text.isEmpty())
        notes.notes = text.join(QLatin1Char(' '));
    for (const QString &tag : ctx.args.tags) {
        if (tag.startsWith(QLatin1Char('-')))
            notes.tags.removeAll(tag.mid(1));
        else if (!tag.isEmpty() && !notes.tags.contains(tag))
            notes.tags << tag;
    }
    for (const QString &c : ctx.args.conditions) {
        const QString k = c.section(QLatin1Char('='), 0, 0).trimmed();
        const QString v = c.section(QLatin1Char('='), 1).trimmed();
        if (v.isEmpty())
            notes.conditions.remove(k);
        else
            notes.conditions.insert(k, v);
    }
    QString error;
    if (!lib.store(key).annotate(id, notes, &error))
        return ctx.out.fail(e.damaged ? ExitUsage : ExitTransfer, error);
    e.notes = notes;
    if (ctx.out.json())
        ctx.out.document(entryJson(e, false));
    else
        ctx.out.line(entryLine(e));
    return ExitOk;
}

// "0-10,14,K": the points and whether K is among them.
bool parsePoints(const QString &text, QSet<int> *points, bool *k, QString *error)
{
    const PointList::Parsed parsed = PointList::parse(text, true);
    if (!parsed.wrongPart.isEmpty()) {
        *error = TervalixCli::tr("--points: %1 non è un punto o un intervallo da 0 a %2")
                     .arg(parsed.wrongPart)
                     .arg(Curve::Points - 1);
        return false;
    }
    if (!parsed.ok) {
        *error = TervalixCli::tr("--points vuole dei punti, per esempio 0-10,14,K");
        return false;
    }
    for (int p : parsed.points)
        points->insert(p);
    *k = parsed.k;
    return true;
}

int historyRestore(Context &ctx, const HistoryLibrary &lib, const QString &id)
{
    QSet<int> points;
    bool withK = ctx.args.points.isEmpty();
    QString error;
    if (!ctx.args.points.isEmpty() && !parsePoints(ctx.args.points, &points, &withK, &error))
        return ctx.out.fail(ExitUsage, error);
    if (ctx.args.points.isEmpty())
        for (int i = 0; i < Curve::Points; ++i)
            points.insert(i);
    QString key;
    bool several = false;
    if (!chooseBike(ctx, lib, &key, &several))
        return ExitUsage;

    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts, ctx.args.bike);
    if (const int code = ecu.link(ctx.args.port))
        return code;
    if (key.isEmpty())
        key = ecu.recorder().bike();
    HistoryEntry e;
    if (!findEntry(ctx, ecu.library(), key, several, id, &e))
        return ExitUsage;
    if (!e.usable())
        return ctx.out.fail(ExitUsage, TervalixCli::tr("La voce %1 è danneggiata (%2): non si ripristina").arg(id, e.damage));
    if (const int code = ecu.read())
        return code;

    // The chosen points from the entry, the others as the unit holds them.
    const EcuImage::Decoded now = ecu.lastRead();
    ProfileFile::Profile target{now.values, now.k};
    for (int p : qAsConst(points))
        target.values[p] = e.profile.values.value(p);
    if (withK && Curve::isValidK(e.profile.k))
        target.k = e.profile.k;
    else if (withK)
        ctx.out.error(TervalixCli::tr("K = %1 della voce è fuori da %2..%3: resta quello della centralina (%4)")
                          .arg(e.profile.k)
                          .arg(Curve::KMin)
                          .arg(Curve::KMax)
                          .arg(now.k));
    const CDevInfo info = ecu.session().deviceInfo();
    const CurveLimits limits = CurveLimits::forHardware(info.hwVersion);
    const LimitCheck check = checkLimits(limits, target.values);
    if (!check.ok())
        return ctx.out.fail(ExitUsage, TervalixCli::tr("La voce %1 ha %2").arg(id, limitsText(check, limits, target.k, maxRpm(info))));

    // The entry's bike is the one whose unit this must be, whether or not
    // the linked unit was recognised as it.
    const UnitCheck unit = key.isEmpty() || BackupHistory::isBackupId(id) ? ecu.unitCheck()
                                                                         : ecu.library().bikes().check(key, ecu.recorder().unit());
    const WritePreview preview = WritePreview::make(ProfileFile::Profile{now.values, now.k}, target, info.cylinders,
                                                    unit);
    if (preview.diff.isEmpty()) {
        if (ctx.out.json())
            ctx.out.document(QJsonObject{{QStringLiteral("restored"), id},
                                         {QStringLiteral("preview"), previewJson(preview)},
                                         {QStringLiteral("verified"), true},
                                         {QStringLiteral("history_entry"), ecu.recorder().currentEntry()}});
        ctx.out.note(TervalixCli::tr("La centralina contiene già quello che la voce %1 ha: nulla da scrivere.").arg(id));
        return ExitOk;
    }
    if (const int code = confirmWrite(ctx, preview))
        return code;
    WriteOptions options;
    if (target.k != now.k)
        options.k = target.k;
    options.profileName = QStringLiteral("%1.prf").arg(id);
    options.backupDir = defaultBackupDir();
    options.label = HistoryRecorder::restoreLabel(BackupHistory::isBackupId(id) ? QString() : key, id);
    return writeVerified(ctx, ecu, target, options,
                         QJsonObject{{QStringLiteral("restored"), id}, {QStringLiteral("preview"), previewJson(preview)}});
}

} // namespace

int commandHistory(Context &ctx)
{
    const QStringList &a = ctx.args.arguments;
    const QString sub = a.value(0, QStringLiteral("list"));
    HistoryLibrary lib;
    QString error;
    if (!lib.reload(&error))
        ctx.out.error(error);
    if (sub == QLatin1String("list") && a.size() <= 1)
        return historyList(ctx, lib);
    if (sub == QLatin1String("show") && a.size() == 2)
        return historyShow(ctx, lib, a[1]);
    if (sub == QLatin1String("diff") && (a.size() == 2 || a.size() == 3))
        return historyDiff(ctx, lib, a.mid(1));
    if (sub == QLatin1String("note") && a.size() >= 2)
        return historyNote(ctx, lib, a[1], a.mid(2));
    if (sub == QLatin1String("restore") && a.size() == 2)
        return historyRestore(ctx, lib, a[1]);
    return ctx.out.fail(ExitUsage, TervalixCli::tr("history: list, show ID, diff ID [ID], note ID [TESTO] oppure "
                                                   "restore ID [--points A-B,...]"));
}

} // namespace Cli
