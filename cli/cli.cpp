// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include "cli/clicommands.h"
#include "cli/cliinterrupt.h"
#include "link/diagnostics.h"
#include "util/safefile.h"

#include <QFileInfo>
#include <QJsonObject>

#include <csignal>
#include <cstdio>

namespace Cli {

namespace {

int runCommand(Context &ctx)
{
    const QString &command = ctx.args.command;
    if (command == QLatin1String("ports"))
        return commandPorts(ctx);
    if (command == QLatin1String("info"))
        return commandInfo(ctx);
    if (command == QLatin1String("read"))
        return commandRead(ctx);
    if (command == QLatin1String("write"))
        return commandWrite(ctx);
    if (command == QLatin1String("verify"))
        return commandVerify(ctx);
    if (command == QLatin1String("backup"))
        return commandBackup(ctx);
    if (command == QLatin1String("analyze"))
        return commandAnalyze(ctx);
    if (command == QLatin1String("doctor"))
        return commandDoctor(ctx);
    if (command == QLatin1String("history"))
        return commandHistory(ctx);
    if (command == QLatin1String("bikes"))
        return commandBikes(ctx);
    return commandMonitor(ctx);
}

} // namespace

int run(const QStringList &arguments, const EcuSession::Config &config)
{
    // Standard output is for results only; the link's byte dumps would mix in.
    Diagnostics::setEnabled(false);
    SafeFile::guardStandardStreams();
#ifdef Q_OS_UNIX
    // A reader that goes away (`monitor | head`) is a failed write to be
    // handled, not a signal that kills the run before its recording is saved.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    const Parsed parsed = parse(arguments);
    if (parsed.kind == Parsed::Help) {
        Output help(false);
        help.raw(parsed.text.toUtf8());
        return help.finish(ExitOk);
    }
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("tervalix-cli"))).fileName();
    if (parsed.kind == Parsed::Error) {
        // The arguments did not parse, but a script that asked for JSON
        // still gets its error as JSON.
        const int end = arguments.indexOf(QStringLiteral("--"));
        const bool json = arguments.mid(0, end < 0 ? arguments.size() : end).contains(QStringLiteral("--json"));
        Output out(json);
        out.error(QStringLiteral("%1: %2\n").arg(program, parsed.text)
                  + TervalixCli::tr("Per l'aiuto: %1 --help").arg(program));
        if (json)
            out.document(QJsonObject{{QStringLiteral("error"), parsed.text}, {QStringLiteral("exit_code"), ExitUsage}});
        return out.finish(ExitUsage);
    }

    Output out(parsed.args.json);
    InterruptWatch interrupts;
    Context ctx{parsed.args, config, out, interrupts};
    return out.finish(runCommand(ctx));
}

} // namespace Cli
