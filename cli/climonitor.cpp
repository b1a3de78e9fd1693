// SPDX-License-Identifier: GPL-3.0-or-later
// Live data: one line per poll (a CSV line, or a JSON object with --json),
// or, on a terminal, one line rewritten in place a few times a second; with
// --csv also a recording in the window's live-log format.

#include "cli/clicommands.h"

#include "cli/cliecu.h"
#include "cli/cliinterrupt.h"
#include "analysis/widebandreader.h"
#include "session/datalog.h"
#include "session/liverecorder.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cmath>
#include <memory>

namespace Cli {

namespace {

// A person reads no more than this; the polls come about every 30 ms.
constexpr int RefreshMs = 100;

QJsonObject pollJson(const QDateTime &when, qint64 elapsedMs, const Protocol::PollData &d, const Mixture::WidebandReader *wb)
{
    QJsonObject o{{QStringLiteral("time"), when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"))},
                       {QStringLiteral("elapsed_ms"), elapsedMs},
                       {QStringLiteral("rpm"), d.rpm},
                       {QStringLiteral("adc"), int(d.adc)},
                       {QStringLiteral("cell_index"), int(d.cellIndex)},
                       {QStringLiteral("cell_value"), int(qint8(d.cellValue))}};
    if (wb)
        o.insert(QStringLiteral("afr"), std::isfinite(wb->lastAfr()) ? QJsonValue(wb->lastAfr()) : QJsonValue());
    return o;
}

} // namespace

int commandMonitor(Context &ctx)
{
    CliEcu ecu(ctx.config, ctx.out, ctx.interrupts);
    if (const int code = ecu.link(ctx.args.port))
        return code;
    EcuSession &ses = ecu.session();
    Output &out = ctx.out;

    Wait wait(out);
    QObject scope;
    LiveRecorder recorder(&ses);
    // The wideband, when there is one, beside the engine speed and into the
    // recording's afr column.
    std::unique_ptr<Mixture::WidebandReader> wideband;
    if (!ctx.args.wideband.isEmpty()) {
        wideband = std::make_unique<Mixture::WidebandReader>();
        QString error;
        if (!wideband->open(ctx.args.wideband, ctx.args.widebandBaud, &error))
            return out.fail(ExitNoEcu, error);
        recorder.setAfrSource([w = wideband.get()] { return w->lastAfr(); });
        QObject::connect(wideband.get(), &Mixture::WidebandReader::lost, &scope, [&](const QString &error) {
            wait.fail(ExitTransfer, TervalixCli::tr("Sonda persa: %1").arg(error));
        });
    }
    QString recordError;
    QObject::connect(&recorder, &LiveRecorder::stopped, &scope, [&](const QString &error) {
        if (error.isEmpty())
            return;
        recordError = error;
        wait.fail(ExitTransfer, TervalixCli::tr("Registrazione interrotta: %1").arg(error));
    });
    if (!ctx.args.csv.isEmpty()) {
        QString error;
        if (!recorder.startFile(ctx.args.csv, &error))
            return out.fail(ExitTransfer, TervalixCli::tr("Registrazione impossibile: %1").arg(error));
    }

    const bool terminal = !out.json() && Output::stdoutIsTerminal();
    if (!terminal && !out.json())
        out.raw(DataLog::header(bool(wideband)));
    QElapsedTimer elapsed;
    qint64 shownAt = -RefreshMs;
    QObject::connect(&ses, &EcuSession::liveData, &scope, [&](const Protocol::PollData &d) {
        const QDateTime now = QDateTime::currentDateTime();
        const qint64 ms = elapsed.elapsed();
        // The recorder, connected first, has the poll already.
        if (out.json()) {
            out.jsonLine(pollJson(now, ms, d, wideband.get()));
        } else if (!terminal) {
            out.raw(wideband ? DataLog::line(now, ms, d, wideband->lastAfr()) : DataLog::line(now, ms, d));
        } else if (ms - shownAt >= RefreshMs) {
            shownAt = ms;
            QString text = TervalixCli::tr("%1  giri %2  ADC %3  cella %4  valore %5")
                               .arg(now.toString(QStringLiteral("HH:mm:ss.zzz")))
                               .arg(d.rpm, 5)
                               .arg(int(d.adc), 3)
                               .arg(int(d.cellIndex), 2)
                               .arg(int(qint8(d.cellValue)), 4);
            if (wideband)
                text += std::isfinite(wideband->lastAfr()) ? QStringLiteral("  AFR %1").arg(wideband->lastAfr(), 5, 'f', 2)
                                                           : QStringLiteral("  AFR   -  ");
            out.refresh(text);
        }
        // Nobody reads any more (`monitor | head`): the run ends, its
        // recording complete, and Output::finish says why.
        if (!out.stdoutWritten())
            wait.finish(ExitOk);
    });
    ecu.endOnLoss(wait, &scope);
    // Ctrl+C is how a monitor without --seconds ends: a success.
    QObject::connect(&ctx.interrupts, &InterruptWatch::interrupted, &scope, [&] { wait.finish(ExitOk); });
    // A termination request or a hang-up ends it the same way: the recording complete.
    QObject::connect(&ctx.interrupts, &InterruptWatch::stopRequested, &scope, [&] { wait.finish(ExitOk); });
    QTimer stopTimer;
    stopTimer.setSingleShot(true);
    QObject::connect(&stopTimer, &QTimer::timeout, &scope, [&] { wait.finish(ExitOk); });
    if (ctx.args.seconds > 0)
        stopTimer.start(ctx.args.seconds * 1000);

    elapsed.start();
    ses.startPolling();
    int code = wait.exec();
    ses.stopPolling();
    out.endRefresh();
    if (recorder.isRecording()) {
        // The last lines are written now; a disk that refuses them fails the run.
        recorder.stop();
        if (code == ExitOk && !recordError.isEmpty())
            code = out.fail(ExitTransfer, TervalixCli::tr("Registrazione interrotta: %1").arg(recordError));
    }
    if (code == ExitOk && !ctx.args.csv.isEmpty())
        out.note(TervalixCli::tr("%1 righe registrate in %2")
                     .arg(recorder.lines())
                     .arg(QDir::toNativeSeparators(ctx.args.csv)));
    return code;
}

} // namespace Cli
