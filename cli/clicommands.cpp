// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that read: the ports, the unit's record, its curve, a
// comparison with a profile, a backup.

#include "cli/clicommands.h"

#include "doctor/connectiondoctor.h"

#include "cli/cliecu.h"
#include "cli/clitext.h"
#include "link/serialportlist.h"
#include "profile/backupstore.h"
#include "profile/profilefile.h"
#include "util/safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace Cli {

namespace {

QString portOf(const Context &ctx)
{
    return ctx.args.port.isEmpty() ? QStringLiteral("HID") : ctx.args.port;
}

QJsonArray toJson(const QVector<int> &values)
{
    QJsonArray a;
    for (int v : values)
        a.append(v);
    return a;
}

} // namespace

bool loadProfile(Context &ctx, ProfileFile::Profile *profile)
{
    const QString path = ctx.args.arguments.first();
    QString error;
    if (ProfileFile::load(path, profile, &error))
        return true;
    // The reasons name the file already, some on a line of its own (for a
    // dialog); here they make one line.
    error.replace(QLatin1Char('\n'), QStringLiteral(": "));
    if (!error.contains(QFileInfo(path).fileName()))
        error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error);
    ctx.out.fail(ExitUsage, error);
    return false;
}

int commandPorts(Context &ctx)
{
    QJsonObject hid{{QStringLiteral("present"), false}};
    // Opened only to see that it is there, and closed at once: no probe,
    // nothing sent.
    if (ctx.config.openHid) {
        if (std::unique_ptr<HidDevice> device = ctx.config.openHid()) {
            hid = QJsonObject{{QStringLiteral("present"), true},
                              {QStringLiteral("manufacturer"), device->manufacturer()},
                              {QStringLiteral("product"), device->product()},
                              {QStringLiteral("serial_number"), device->serialNumber()}};
        }
    }
    const QStringList serial = SerialPortList::availablePortNames();
    if (ctx.out.json()) {
        ctx.out.document(QJsonObject{{QStringLiteral("hid"), hid},
                                     {QStringLiteral("serial"), QJsonArray::fromStringList(serial)}});
        return ExitOk;
    }
    if (hid.value(QStringLiteral("present")).toBool())
        ctx.out.line(QStringLiteral("HID: %1 (%2)").arg(hid.value(QStringLiteral("product")).toString(),
                                                        hid.value(QStringLiteral("serial_number")).toString()));
    else
        ctx.out.line(TervalixCli::tr("HID: nessuna centralina USB collegata"));
    for (const QString &port : serial)
        ctx.out.line(port);
    return ExitOk;
}

int commandInfo(Context &ctx)
{
    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts, ctx.args.bike);
    if (const int code = ecu.link(ctx.args.port))
        return code;
    const CDevInfo info = ecu.session().deviceInfo();
    if (ctx.out.json())
        ctx.out.document(deviceJson(info, portOf(ctx)));
    else
        ctx.out.line(deviceText(info));
    return ExitOk;
}

int commandRead(Context &ctx)
{
    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts, ctx.args.bike);
    if (const int code = ecu.linkAndRead(ctx.args.port))
        return code;
    const EcuImage::Decoded d = ecu.lastRead();
    const CDevInfo info = ecu.session().deviceInfo();
    const QString &path = ctx.args.output;
    if (path == QLatin1String("-") && !ctx.out.json()) {
        ctx.out.raw(curveCsv(d.values, maxRpm(info)));
        return ExitOk;
    }
    QString error;
    const bool toFile = path != QLatin1String("-");  // else --json: the document carries the values
    if (toFile && QFileInfo(path).suffix().toLower() == QLatin1String("prf")) {
        if (!ProfileFile::save(path, d.values, d.k, &error))
            return ctx.out.fail(ExitTransfer, error);
    } else if (toFile && !SafeFile::write(path, curveCsv(d.values, maxRpm(info)), &error)) {
        return ctx.out.fail(ExitTransfer, TervalixCli::tr("Impossibile salvare %1: %2")
                                              .arg(QDir::toNativeSeparators(path), error));
    }
    if (ctx.out.json()) {
        QJsonObject o = deviceJson(info, portOf(ctx));
        if (toFile)
            o.insert(QStringLiteral("file"), path);
        o.insert(QStringLiteral("values"), toJson(d.values));
        o.insert(QStringLiteral("k"), d.k);
        ctx.out.document(o);
    } else {
        ctx.out.note(TervalixCli::tr("Curva e K letti in %1").arg(QDir::toNativeSeparators(path)));
    }
    return ExitOk;
}

int commandVerify(Context &ctx)
{
    ProfileFile::Profile profile;
    if (!loadProfile(ctx, &profile))
        return ExitUsage;
    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts, ctx.args.bike);
    if (const int code = ecu.linkAndRead(ctx.args.port))
        return code;
    const QVector<Difference> diffs =
        compareProfile(profile.values, profile.k, ecu.lastRead(), ecu.session().deviceInfo().hwVersion);
    if (ctx.out.json()) {
        QJsonArray list;
        for (const Difference &d : diffs)
            list.append(differenceJson(d, "profile"));
        ctx.out.document(QJsonObject{{QStringLiteral("file"), ctx.args.arguments.first()},
                                     {QStringLiteral("port"), portOf(ctx)},
                                     {QStringLiteral("equal"), diffs.isEmpty()},
                                     {QStringLiteral("differences"), list}});
    } else {
        for (const Difference &d : diffs)
            ctx.out.line(profileText(d));
    }
    if (!diffs.isEmpty()) {
        ctx.out.error(TervalixCli::tr("La centralina non contiene il profilo (celle diverse: %1).").arg(diffs.size()));
        return ExitMismatch;
    }
    ctx.out.note(TervalixCli::tr("La centralina contiene il profilo (curva e K)."));
    return ExitOk;
}

int commandBackup(Context &ctx)
{
    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts, ctx.args.bike);
    if (const int code = ecu.linkAndRead(ctx.args.port))
        return code;
    const EcuImage::Decoded d = ecu.lastRead();
    const unsigned char hw = ecu.session().deviceInfo().hwVersion;
    QString error;
    const QString path = BackupStore(ctx.args.backupDir).save(d.values, d.k, hw, QDateTime::currentDateTime(), &error);
    if (path.isEmpty())
        return ctx.out.fail(ExitTransfer, TervalixCli::tr("Copia di sicurezza non riuscita: %1").arg(error));
    if (ctx.out.json())
        ctx.out.document(QJsonObject{{QStringLiteral("backup"), path},
                                     {QStringLiteral("hardware"), int(hw)},
                                     {QStringLiteral("values"), toJson(d.values)},
                                     {QStringLiteral("k"), d.k}});
    else
        ctx.out.line(QDir::toNativeSeparators(path));
    return ExitOk;
}

} // namespace Cli

namespace Cli {

// Verdicts for scripts: the same words whatever the language.
static QString verdictWord(DoctorVerdict v)
{
    switch (v) {
    case DoctorVerdict::Ok:
        return QStringLiteral("ok");
    case DoctorVerdict::Info:
        return QStringLiteral("info");
    case DoctorVerdict::Warning:
        return QStringLiteral("warning");
    case DoctorVerdict::Problem:
        return QStringLiteral("problem");
    }
    return QString();
}

int commandDoctor(Context &ctx)
{
    const DoctorReport report = ConnectionDoctor().run();
    // A problem is what keeps the unit from being found.
    const int code = report.summary() == DoctorVerdict::Problem ? ExitNoEcu : ExitOk;
    if (!ctx.out.json()) {
        ctx.out.raw(formatDoctorReport(report).toUtf8());
        return code;
    }
    QJsonArray checks;
    for (const DoctorCheck &c : report.checks)
        checks.append(QJsonObject{{QStringLiteral("id"), c.id},
                                  {QStringLiteral("subject"), c.subject},
                                  {QStringLiteral("verdict"), verdictWord(c.verdict)},
                                  {QStringLiteral("title"), c.title},
                                  {QStringLiteral("found"), c.found},
                                  {QStringLiteral("fix"), c.fix}});
    ctx.out.document(QJsonObject{{QStringLiteral("user"), report.user.name},
                                 {QStringLiteral("summary"), doctorSummaryText(report)},
                                 {QStringLiteral("problem"), code != ExitOk},
                                 {QStringLiteral("checks"), checks}});
    return code;
}

} // namespace Cli
