// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/clihistorytext.h"

#include "cli/clioutput.h"

#include <QJsonArray>

namespace Cli {

QString unitText(const UnitIdentity &u)
{
    return u.hasSerial() ? TervalixCli::tr("%1, numero di serie %2").arg(u.recordText(), u.serial) : u.recordText();
}

QString entryLine(const HistoryEntry &e, const QString &change)
{
    QStringList parts;
    parts << e.id.leftJustified(5) << e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
          << HistoryEntry::originText(e.origin).leftJustified(18);
    if (e.damaged)
        parts << TervalixCli::tr("DANNEGGIATA: %1").arg(e.damage);
    else if (!e.proven)
        parts << TervalixCli::tr("non verificata");
    if (!e.parent.isEmpty())
        parts << TervalixCli::tr("da %1").arg(e.parent);
    if (!change.isEmpty())
        parts << QStringLiteral("(%1)").arg(change);
    if (e.seenCount > 1)
        parts << TervalixCli::tr("vista %1 volte").arg(e.seenCount);
    for (const QString &t : e.notes.tags)
        parts << QLatin1Char('#') + t;
    if (!e.notes.notes.isEmpty())
        parts << e.notes.notes.section(QLatin1Char('\n'), 0, 0);
    return parts.join(QStringLiteral("  "));
}

QJsonObject entryJson(const HistoryEntry &e, bool withValues)
{
    QJsonObject o{{QStringLiteral("id"), e.id},
                  {QStringLiteral("time"), e.time.toString(Qt::ISODate)},
                  {QStringLiteral("origin"), HistoryEntry::originWord(e.origin)},
                  {QStringLiteral("device"), e.unit.toJson()},
                  {QStringLiteral("sha256"), e.sha256},
                  {QStringLiteral("parent"), e.parent},
                  {QStringLiteral("proven"), e.proven},
                  {QStringLiteral("damaged"), e.damaged},
                  {QStringLiteral("seen_count"), e.seenCount},
                  {QStringLiteral("last_seen"), e.lastSeen.toString(Qt::ISODate)},
                  {QStringLiteral("notes"), e.notes.notes},
                  {QStringLiteral("tags"), QJsonArray::fromStringList(e.notes.tags)},
                  {QStringLiteral("profile"), e.profilePath}};
    if (e.damaged)
        o.insert(QStringLiteral("damage"), e.damage);
    QJsonObject conditions;
    for (auto it = e.notes.conditions.cbegin(); it != e.notes.conditions.cend(); ++it)
        conditions.insert(it.key(), it.value());
    o.insert(QStringLiteral("conditions"), conditions);
    QJsonArray files;
    for (const Attachment &a : e.attachments)
        files.append(QJsonObject{{QStringLiteral("path"), a.path},
                                 {QStringLiteral("kind"), a.kind},
                                 {QStringLiteral("changed"), a.isChanged()}});
    o.insert(QStringLiteral("attachments"), files);
    if (withValues && e.hasProfile) {
        QJsonArray values;
        for (int v : e.profile.values)
            values.append(v);
        o.insert(QStringLiteral("values"), values);
        o.insert(QStringLiteral("k"), e.profile.k);
    }
    return o;
}

QJsonObject bikeJson(const Bike &b, const QString &folder, int entries)
{
    QJsonArray units;
    for (const KnownUnit &u : b.units) {
        QJsonObject o = u.unit.toJson();
        o.insert(QStringLiteral("last_seen"), u.lastSeen.toString(Qt::ISODate));
        units.append(o);
    }
    return QJsonObject{{QStringLiteral("name"), b.name},
                       {QStringLiteral("key"), b.key},
                       {QStringLiteral("folder"), folder},
                       {QStringLiteral("entries"), entries},
                       {QStringLiteral("units"), units}};
}

} // namespace Cli
