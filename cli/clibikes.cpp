// SPDX-License-Identifier: GPL-3.0-or-later
// bikes list, bikes attach NAME, bikes rename NAME NEW: the bikes and their
// units, naming the bike of the unit linked now (its history starts with the
// read that follows), and a new name for a bike (its folder stays).

#include "cli/clicommands.h"

#include "cli/cliecu.h"
#include "cli/clihistorytext.h"

#include <QDir>
#include <QJsonArray>

namespace Cli {

namespace {

int bikesList(Context &ctx)
{
    HistoryLibrary lib;
    QString error;
    if (!lib.reload(&error))
        return ctx.out.fail(ExitTransfer, error);
    QJsonArray list;
    for (const Bike &b : lib.bikes().bikes()) {
        const QVector<HistoryEntry> entries = lib.store(b.key).list();
        const QString folder = lib.bikes().folderOf(b.key);
        list.append(bikeJson(b, folder, entries.size()));
        if (ctx.out.json())
            continue;
        QString line = TervalixCli::tr("%1: %n voci", nullptr, entries.size()).arg(b.name);
        if (!entries.isEmpty())
            line += TervalixCli::tr(", l'ultima del %1").arg(entries.first().time.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        ctx.out.line(line);
        for (const KnownUnit &u : b.units)
            ctx.out.line(QStringLiteral("  ") + unitText(u.unit));
        ctx.out.line(QStringLiteral("  ") + QDir::toNativeSeparators(folder));
    }
    const int backups = lib.backups().list().size();
    if (ctx.out.json()) {
        ctx.out.document(QJsonObject{{QStringLiteral("bikes"), list},
                                     {QStringLiteral("backups"), QJsonObject{{QStringLiteral("folder"), lib.backups().folder()},
                                                                            {QStringLiteral("entries"), backups}}}});
        return ExitOk;
    }
    if (list.isEmpty())
        ctx.out.line(TervalixCli::tr("Nessuna moto: tervalix-cli bikes attach NOME dà un nome a quella della "
                                     "centralina collegata."));
    ctx.out.line(TervalixCli::tr("Copie di sicurezza (senza moto): %1").arg(backups));
    return ExitOk;
}

int bikesAttach(Context &ctx, const QString &name)
{
    if (name.trimmed().isEmpty())
        return ctx.out.fail(ExitUsage, TervalixCli::tr("manca il nome della moto"));
    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts);
    if (const int code = ecu.link(ctx.args.port))
        return code;
    HistoryLibrary &lib = ecu.library();
    QString error;
    if (!lib.reload(&error))
        return ctx.out.fail(ExitTransfer, error);
    // A unit known by its serial number to another bike moves here; its
    // old history stays with the old bike.
    const Recognition before = ecu.recorder().recognition();
    const Bike *known = lib.bikes().find(name);
    Bike bike;
    const bool created = !known;
    if (known) {
        bike = *known;
    } else if (!lib.bikes().add(name, &bike, &error)) {
        return ctx.out.fail(lib.bikes().isDamaged() ? ExitTransfer : ExitUsage, error);
    }
    if (!ecu.recorder().confirmBike(bike.key, &error))
        return ctx.out.fail(ExitTransfer, error);
    if (before.kind == Recognition::KnownBySerial && before.bike != bike.key) {
        const Bike *old = lib.bikes().find(before.bike);
        ctx.out.error(TervalixCli::tr("La centralina era della moto %1; la sua cronologia resta là.")
                          .arg(old ? old->name : before.bike));
    }
    if (const int code = ecu.read())
        return code;
    const QString entry = ecu.recorder().currentEntry();
    const UnitIdentity unit = ecu.recorder().unit();
    if (ctx.out.json()) {
        ctx.out.document(QJsonObject{{QStringLiteral("bike"), bike.name},
                                     {QStringLiteral("key"), bike.key},
                                     {QStringLiteral("created"), created},
                                     {QStringLiteral("folder"), lib.bikes().folderOf(bike.key)},
                                     {QStringLiteral("unit"), unit.toJson()},
                                     {QStringLiteral("entry"), entry}});
        return ExitOk;
    }
    ctx.out.line(TervalixCli::tr("Moto %1: centralina %2; voce %3 della cronologia")
                     .arg(bike.name, unitText(unit), entry.isEmpty() ? QStringLiteral("-") : entry));
    return ExitOk;
}

int bikesRename(Context &ctx, const QString &name, const QString &newName)
{
    HistoryLibrary lib;
    QString error;
    if (!lib.reload(&error))
        return ctx.out.fail(ExitTransfer, error);
    const Bike *known = lib.bikes().find(name);
    if (!known)
        return ctx.out.fail(ExitUsage, History::tr("Moto sconosciuta: %1").arg(name));
    const Bike was = *known;
    if (!lib.bikes().rename(was.key, newName, &error))
        return ctx.out.fail(lib.bikes().isDamaged() ? ExitTransfer : ExitUsage, error);
    const QString now = lib.bikes().find(was.key)->name;
    if (ctx.out.json()) {
        ctx.out.document(QJsonObject{{QStringLiteral("bike"), now},
                                     {QStringLiteral("was"), was.name},
                                     {QStringLiteral("key"), was.key},
                                     {QStringLiteral("folder"), lib.bikes().folderOf(was.key)}});
        return ExitOk;
    }
    ctx.out.line(TervalixCli::tr("La moto %1 ora si chiama %2").arg(was.name, now));
    return ExitOk;
}

} // namespace

int commandBikes(Context &ctx)
{
    const QStringList &a = ctx.args.arguments;
    const QString sub = a.value(0, QStringLiteral("list"));
    if (sub == QLatin1String("list") && a.size() <= 1)
        return bikesList(ctx);
    if (sub == QLatin1String("attach"))
        return bikesAttach(ctx, a.mid(1).join(QLatin1Char(' ')));
    if (sub == QLatin1String("rename") && a.size() == 3)
        return bikesRename(ctx, a.at(1), a.at(2));
    return ctx.out.fail(ExitUsage, TervalixCli::tr("bikes: list, attach NOME oppure rename NOME NUOVO"));
}

} // namespace Cli
