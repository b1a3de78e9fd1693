#include "cli/cli.h"

#include "cli/clicommands.h"
#include "cli/cliinterrupt.h"
#include "link/diagnostics.h"

#include <QFileInfo>

#include <cstdio>

namespace Cli {

int run(const QStringList &arguments, const EcuSession::Config &config)
{
    // Standard output is for results only; the link's byte dumps would mix in.
    Diagnostics::setEnabled(false);

    const Parsed parsed = parse(arguments);
    if (parsed.kind == Parsed::Help) {
        Output(false).raw(parsed.text.toUtf8());
        return ExitOk;
    }
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("tervalix-cli"))).fileName();
    if (parsed.kind == Parsed::Error) {
        Output(false).error(QStringLiteral("%1: %2\n").arg(program, parsed.text)
                            + TervalixCli::tr("Per l'aiuto: %1 --help").arg(program));
        return ExitUsage;
    }

    Output out(parsed.args.json);
    InterruptWatch interrupts;
    Context ctx{parsed.args, config, out, interrupts};
    const QString &command = parsed.args.command;
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
    return commandMonitor(ctx);
}

} // namespace Cli
