// SPDX-License-Identifier: GPL-3.0-or-later
// The write: the unit is read first and what changes is said (the preview);
// then the session backs the unit up, writes the curve and reads every
// written cell back, then K, read back too. Only all of that together is a
// success, and makes the bike's history entry.
//
// Ctrl+C does not cut a write short: a unit left half-written runs the engine
// on a curve nobody chose. The first Ctrl+C says so and lets it finish; a
// second one drops the link and says where the backup is.

#include "cli/clicommands.h"

#include "cli/cliecu.h"
#include "cli/cliinterrupt.h"
#include "cli/clipreview.h"
#include "cli/clitext.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace Cli {

int writeVerified(Context &ctx, CliEcu &ecu, const ProfileFile::Profile &profile, const WriteOptions &options,
                  QJsonObject document)
{
    EcuSession &ses = ecu.session();
    const unsigned char hw = ses.deviceInfo().hwVersion;
    QString backup;
    QVector<Difference> mismatches;
    Wait wait(ctx.out);
    QObject scope;
    ecu.showProgress(&scope);
    QObject::connect(&ses, &EcuSession::backupSaved, &scope, [&](const QString &path) {
        backup = path;
        ctx.out.note(TervalixCli::tr("Copia di sicurezza: %1").arg(QDir::toNativeSeparators(path)));
    });
    // Once frames went out, a failure leaves the unit with an unknown mix of
    // the old curve and the new one: say so, and where the old one is.
    const auto halfWritten = [&backup](const EcuResult &r) {
        if (!r.unitChanged)
            return QString();
        return QLatin1Char(' ')
            + (backup.isEmpty() ? TervalixCli::tr("La centralina può essere scritta a metà.")
                                : TervalixCli::tr("La centralina può essere scritta a metà. "
                                                  "Quello che conteneva prima è in %1")
                                      .arg(QDir::toNativeSeparators(backup)));
    };
    QObject::connect(&ses, &EcuSession::finished, &scope, [&](const EcuResult &r) {
        switch (r.code) {
        case EcuResult::Ok:
            wait.finish(ExitOk);
            break;
        case EcuResult::VerifyFailed:
            mismatches = fromMismatches(r.mismatches, hw);
            wait.finish(ExitMismatch);
            break;
        case EcuResult::BackupFailed:
            wait.fail(ExitTransfer, TervalixCli::tr("Copia di sicurezza non riuscita, nulla è stato scritto: %1")
                                        .arg(r.detail));
            break;
        case EcuResult::LinkLost:
            wait.fail(ExitTransfer, TervalixCli::tr("Collegamento perso: %1").arg(r.detail) + halfWritten(r));
            break;
        default:
            wait.fail(ExitTransfer,
                      TervalixCli::tr("Scrittura non riuscita: la centralina non risponde.") + halfWritten(r));
            break;
        }
    });
    ecu.endOnLoss(wait, &scope);
    QObject::connect(&ctx.interrupts, &InterruptWatch::interrupted, &scope, [&](int count) {
        if (count == 1) {
            ctx.out.error(TervalixCli::tr("La scrittura viene portata a termine. Un secondo Ctrl+C la interrompe "
                                          "e può lasciare la centralina scritta a metà."));
            return;
        }
        ses.disconnectLink();
        wait.fail(ExitTransfer,
                  backup.isEmpty()
                      ? TervalixCli::tr("Scrittura interrotta prima che la centralina fosse modificata.")
                      : TervalixCli::tr("Scrittura interrotta: la centralina può essere scritta a metà. "
                                        "Quello che conteneva prima è in %1")
                            .arg(QDir::toNativeSeparators(backup)));
    });

    // A termination request or a hang-up (a closed terminal, a dropped SSH
    // session) never cuts a write short: it is finished, and the outcome
    // says the signal came, since there may be nobody left to warn now.
    QString stopSignal;
    QObject::connect(&ctx.interrupts, &InterruptWatch::stopRequested, &scope, [&](SignalWatch::Kind kind) {
        stopSignal = kind == SignalWatch::HangUp ? QStringLiteral("SIGHUP") : QStringLiteral("SIGTERM");
    });
    ses.writeCurve(profile.values, options);
    int code = wait.exec();
    if (!stopSignal.isEmpty())
        ctx.out.error(TervalixCli::tr("Ricevuto %1 durante la scrittura: la scrittura è stata portata a termine prima "
                                      "di uscire.")
                          .arg(stopSignal));
    if (code == ExitOk)
        mismatches = compareProfile(profile.values, profile.k, ecu.lastRead(), hw);
    if (code == ExitOk && !mismatches.isEmpty())
        code = ExitMismatch;
    if (code != ExitOk && code != ExitMismatch)
        return code;

    if (ctx.out.json()) {
        QJsonArray list;
        for (const Difference &d : mismatches)
            list.append(differenceJson(d, "written"));
        document.insert(QStringLiteral("port"), ctx.args.port.isEmpty() ? QStringLiteral("HID") : ctx.args.port);
        document.insert(QStringLiteral("backup"), backup);
        document.insert(QStringLiteral("signal"), stopSignal);
        document.insert(QStringLiteral("verified"), code == ExitOk);
        document.insert(QStringLiteral("mismatches"), list);
        if (!ecu.recorder().currentEntry().isEmpty())
            document.insert(QStringLiteral("history_entry"), ecu.recorder().currentEntry());
        ctx.out.document(document);
    } else {
        for (const Difference &d : mismatches)
            ctx.out.line(writtenText(d));
    }
    if (code == ExitMismatch) {
        ctx.out.error(TervalixCli::tr("La centralina non tiene quanto scritto (celle diverse: %1). "
                                      "Quello che conteneva prima è in %2")
                          .arg(mismatches.size())
                          .arg(QDir::toNativeSeparators(backup)));
        return code;
    }
    ctx.out.note(TervalixCli::tr("Curva e K scritti e verificati."));
    return ExitOk;
}

int commandWrite(Context &ctx)
{
    const QString file = ctx.args.arguments.first();
    ProfileFile::Profile profile;
    if (!loadProfile(ctx, &profile))
        return ExitUsage;

    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts, ctx.args.bike);
    if (const int code = ecu.link(ctx.args.port))
        return code;
    EcuSession &ses = ecu.session();
    const unsigned char hw = ses.deviceInfo().hwVersion;

    // Nothing beyond the unit's limits goes out unless the user asked for it
    // to be brought within them.
    const CurveLimits limits = CurveLimits::forHardware(hw);
    const LimitCheck check = checkLimits(limits, profile.values, profile.k);
    if (!check.ok()) {
        const QString what = limitsText(check, limits, profile.k, maxRpm(ses.deviceInfo()));
        if (!ctx.args.clamp)
            return ctx.out.fail(ExitUsage, TervalixCli::tr("%1: %2. Con --clamp vengono portati entro i limiti.")
                                               .arg(QDir::toNativeSeparators(file), what));
        profile.values = clampToLimits(limits, profile.values);
        profile.k = clampK(profile.k);
        ctx.out.error(TervalixCli::tr("Portati entro i limiti: %1").arg(what));
    }

    // What changes against what the unit holds now, said before anything
    // is written; a point much leaner, or another unit than the bike's,
    // waits for a yes.
    if (const int code = ecu.read())
        return code;
    const EcuImage::Decoded now = ecu.lastRead();
    const WritePreview preview = WritePreview::make(ProfileFile::Profile{now.values, now.k}, profile,
                                                    ses.deviceInfo().cylinders, ecu.unitCheck());
    if (const int code = confirmWrite(ctx, preview))
        return code;

    WriteOptions options;
    options.k = profile.k;
    options.profileName = QFileInfo(file).fileName();
    options.backupDir = ctx.args.backupDir;
    return writeVerified(ctx, ecu, profile, options,
                         QJsonObject{{QStringLiteral("file"), file}, {QStringLiteral("preview"), previewJson(preview)}});
}

} // namespace Cli
