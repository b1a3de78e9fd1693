// The write: the session backs the unit up, writes the curve and reads every
// written cell back; then K goes out through the live-data thread and one
// more read proves it. Only all of that together is a success.
//
// Ctrl+C does not cut a write short: a unit left half-written runs the engine
// on a curve nobody chose. The first Ctrl+C says so and lets it finish; a
// second one drops the link and says where the backup is.

#include "cli/clicommands.h"

#include "cli/cliecu.h"
#include "cli/cliinterrupt.h"
#include "cli/clitext.h"

#include <QDir>
#include <QJsonArray>

namespace Cli {

int commandWrite(Context &ctx)
{
    const QString file = ctx.args.arguments.first();
    ProfileFile::Profile profile;
    if (!loadProfile(ctx, &profile))
        return ExitUsage;

    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts);
    if (const int code = ecu.link(ctx.args.port))
        return code;
    EcuSession &ses = ecu.session();
    const unsigned char hw = ses.deviceInfo().hwVersion;
    const WriteRequest request{EcuImage::buildWrite(profile.values, hw, file), ctx.args.backupDir};

    enum class Phase { Curve, CheckK } phase = Phase::Curve;
    QString backup;
    QVector<Difference> mismatches;
    Wait wait(ctx.out);
    QObject scope;
    QObject::connect(&ses, &EcuSession::sgnExecCmd, &scope, [&](const QString &word) {
        if (word == QLatin1String("FLASH_WRITE"))
            ses.startWrite(request);
        else if (word == QLatin1String("FLASH_READ"))
            ses.startRead();
    });
    QObject::connect(&ses, &EcuSession::backupSaved, &scope, [&](const QString &path) {
        backup = path;
        ctx.out.note(TervalixCli::tr("Copia di sicurezza: %1").arg(QDir::toNativeSeparators(path)));
    });
    QObject::connect(&ses, &EcuSession::sgnPercent, &scope, [&](int percent) {
        ctx.out.progress(phase == Phase::Curve ? TervalixCli::tr("scrittura") : TervalixCli::tr("controllo di K"),
                         percent);
    });
    QObject::connect(&ses, &EcuSession::sgnEsito, &scope, [&](const QString &outcome) {
        if (phase == Phase::CheckK) {
            if (outcome == QLatin1String("OK_RCV"))
                wait.finish(ExitOk);
            else
                wait.fail(ExitTransfer, TervalixCli::tr("Curva scritta, ma K non si può rileggere: "
                                                        "la centralina non risponde."));
        } else if (outcome == QLatin1String("OK_SND")) {
            // The word comes back only once the K frame is acknowledged: the
            // check reads what the unit holds after it.
            phase = Phase::CheckK;
            ses.queueInjectionK(profile.k);
            ses.setCmd(QStringLiteral("FLASH_READ"));
        } else if (outcome == QLatin1String("KO_VERIFY")) {
            mismatches = fromMismatches(ses.lastMismatches());
            wait.finish(ExitMismatch);
        } else if (outcome == QLatin1String("KO_BACKUP")) {
            wait.fail(ExitTransfer, TervalixCli::tr("Copia di sicurezza non riuscita, nulla è stato scritto: %1")
                                        .arg(ses.lastBackupError()));
        } else {
            wait.fail(ExitTransfer, TervalixCli::tr("Scrittura non riuscita: la centralina non risponde."));
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

    ses.setCmd(QStringLiteral("FLASH_WRITE"));
    int code = wait.exec();
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
        ctx.out.document(QJsonObject{{QStringLiteral("file"), file},
                                     {QStringLiteral("port"), ctx.args.port.isEmpty() ? QStringLiteral("HID")
                                                                                     : ctx.args.port},
                                     {QStringLiteral("backup"), backup},
                                     {QStringLiteral("verified"), code == ExitOk},
                                     {QStringLiteral("mismatches"), list}});
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

} // namespace Cli
