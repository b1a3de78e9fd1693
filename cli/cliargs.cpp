#include "cli/cliargs.h"

#include "cli/clioutput.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace Cli {

namespace {

struct Command {
    const char *name;
    const char *syntax;  // arguments after the name, for the usage line
    const char *description;
};

// Help texts stay in English: scripts and their authors read them.
const Command commands[] = {
    {"ports", "", "List the HID unit, if one is plugged in, and the serial ports."},
    {"info", "", "Show the ECU's hardware, cylinders and firmware."},
    {"read", "-o FILE", "Read the curve and K into FILE.prf, into FILE.csv (point,rpm,value), "
                        "or as CSV on standard output (-o -)."},
    {"write", "FILE.prf", "Back up the ECU, write the profile's curve and K, and verify both."},
    {"verify", "FILE.prf", "Compare the ECU's curve and K with a profile."},
    {"backup", "[DIR]", "Save what the ECU holds as a dated profile in DIR (default ./Profili/backup)."},
    {"monitor", "", "Show live data (time, rpm, ADC, cell index, cell value); with --csv record it too."},
    {"analyze", "LIVE.csv...", "From live logs and wideband logs to a proposed curve: per point the readings used, "
                               "the measured mixture with its interval, the error and the proposed value."},
    {"doctor", "", "Say why the ECU may not be found: the unit on USB, rights, the udev rule, serial ports and "
                   "their groups, programs that hold a port; with the command that fixes each."},
};

const Command *findCommand(const QString &name)
{
    for (const Command &c : commands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

// Options that take a value, so that the value is not taken for the command.
bool takesValue(const QString &option)
{
    static const QStringList names{"-o", "--output", "--port", "--backup-dir", "--seconds", "--csv"};
    return names.contains(option) || analyzeOptionTakesValue(option);
}

QString findCommandName(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--"))
            return arguments.value(i + 1);
        if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (takesValue(a))
                ++i;
            continue;
        }
        return a;
    }
    return QString();
}

void addGlobalOptions(QCommandLineParser &p)
{
    p.addOptions({
        {"port", "Use the ECU on this serial port (for example /dev/ttyUSB0).", "path"},
        {"hid", "Use the ECU on USB HID (the default)."},
        {"json", "Print the result as JSON."},
        {{"h", "help"}, "Show this help (with a command: that command's help)."},
    });
}

QString programName(const QStringList &arguments)
{
    return QFileInfo(arguments.value(0, QStringLiteral("tervalix-cli"))).fileName();
}

QString overallHelp(const QStringList &arguments)
{
    QCommandLineParser p;
    addGlobalOptions(p);
    p.setApplicationDescription(QStringLiteral("Reads, writes, verifies and monitors the Tervalix ECU "
                                               "without a window."));
    p.addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of the commands below."),
                            QStringLiteral("command [arguments]"));
    QString text = p.helpText();
    text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: ") + programName(arguments));
    text += QStringLiteral("\nCommands:\n");
    for (const Command &c : commands)
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(c.name), -9).arg(QLatin1String(c.description));
    text += QStringLiteral(
        "\nExit codes: 0 success, 2 usage error, 3 no ECU (port missing or busy, no answer),\n"
        "4 transfer failed (link lost, no backup, result file not written), 5 the ECU does not\n"
        "hold the profile, 130 interrupted (Ctrl+C).\n"
        "Ctrl+C during a write lets the write finish; a second Ctrl+C aborts it (exit 4).\n"
        "Ctrl+C ends monitor normally (exit 0).\n"
        "analyze reads files only (no ECU): exit 0, or 2 when a log cannot be read (file, line and reason are\n"
        "named) or the logs cannot be aligned, 4 when the proposal cannot be written.\n");
    return text;
}

Parsed error(const QString &text)
{
    Parsed r;
    r.kind = Parsed::Error;
    r.text = text;
    return r;
}

} // namespace

QString defaultBackupDir()
{
    return QStringLiteral("./Profili/backup");
}

Parsed parse(const QStringList &arguments)
{
    const QString name = findCommandName(arguments);
    const Command *command = findCommand(name);
    const bool wantsHelp = arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"));
    if (!command) {
        if (name.isEmpty() && wantsHelp) {
            Parsed r;
            r.kind = Parsed::Help;
            r.text = overallHelp(arguments);
            return r;
        }
        return error(name.isEmpty() ? TervalixCli::tr("manca il comando")
                                    : TervalixCli::tr("comando sconosciuto: %1").arg(name));
    }

    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    addGlobalOptions(p);
    const QString cmd = QLatin1String(command->name);
    if (cmd == QLatin1String("read"))
        p.addOption({{"o", "output"}, "Where the curve goes: FILE.prf, FILE.csv, or - (CSV on standard output).",
                     "file"});
    if (cmd == QLatin1String("write"))
        p.addOption({"backup-dir", "Folder of the backup taken before writing (default ./Profili/backup).", "dir"});
    if (cmd == QLatin1String("monitor")) {
        p.addOption({"seconds", "Stop after this many seconds (default: run until Ctrl+C).", "n"});
        p.addOption({"csv", "Also record the live data into this new CSV file.", "file"});
        addMonitorWidebandOptions(p);
    }
    if (cmd == QLatin1String("analyze"))
        addAnalyzeOptions(p);
    p.setApplicationDescription(QLatin1String(command->description));
    p.addPositionalArgument(cmd, QStringLiteral("The command."), QStringLiteral("%1 %2").arg(cmd, QLatin1String(command->syntax)).trimmed());
    if (!p.parse(arguments))
        return error(p.errorText());
    if (p.isSet(QStringLiteral("help"))) {
        Parsed r;
        r.kind = Parsed::Help;
        r.text = p.helpText();
        r.text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: ") + programName(arguments));
        return r;
    }

    Parsed r;
    r.kind = Parsed::Run;
    Args &a = r.args;
    a.command = cmd;
    a.arguments = p.positionalArguments();
    a.arguments.removeFirst();  // the command itself
    a.port = p.value(QStringLiteral("port"));
    a.json = p.isSet(QStringLiteral("json"));
    if (p.isSet(QStringLiteral("port")) && p.isSet(QStringLiteral("hid")))
        return error(TervalixCli::tr("--port e --hid si escludono a vicenda"));
    if (p.isSet(QStringLiteral("port")) && a.port.isEmpty())
        return error(TervalixCli::tr("--port vuole il percorso di una porta"));

    if (cmd == QLatin1String("analyze")) {
        if (a.arguments.isEmpty())
            return error(TervalixCli::tr("manca il registro dal vivo (LIVE.csv)"));
        const QString wrong = readAnalyzeOptions(p, &a.analyze);
        if (!wrong.isEmpty())
            return error(wrong);
        return r;
    }
    const int maxArguments = cmd == QLatin1String("write") || cmd == QLatin1String("verify") || cmd == QLatin1String("backup") ? 1 : 0;
    if (a.arguments.size() > maxArguments)
        return error(TervalixCli::tr("argomento di troppo: %1").arg(a.arguments.at(maxArguments)));
    if ((cmd == QLatin1String("write") || cmd == QLatin1String("verify")) && a.arguments.isEmpty())
        return error(TervalixCli::tr("manca il file del profilo (.prf)"));

    if (cmd == QLatin1String("read")) {
        a.output = p.value(QStringLiteral("output"));
        const QString suffix = QFileInfo(a.output).suffix().toLower();
        if (a.output.isEmpty())
            return error(TervalixCli::tr("manca -o FILE (.prf, .csv, o - per lo standard output)"));
        if (a.output != QLatin1String("-") && suffix != QLatin1String("prf") && suffix != QLatin1String("csv"))
            return error(TervalixCli::tr("formato non riconosciuto: %1 (usare .prf, .csv o -)").arg(a.output));
    }
    if (cmd == QLatin1String("write"))
        a.backupDir = p.isSet(QStringLiteral("backup-dir")) ? p.value(QStringLiteral("backup-dir")) : defaultBackupDir();
    if (cmd == QLatin1String("backup"))
        a.backupDir = a.arguments.isEmpty() ? defaultBackupDir() : a.arguments.first();
    if (cmd == QLatin1String("monitor")) {
        if (p.isSet(QStringLiteral("seconds"))) {
            bool ok = false;
            a.seconds = p.value(QStringLiteral("seconds")).toInt(&ok);
            if (!ok || a.seconds <= 0)
                return error(TervalixCli::tr("--seconds vuole un numero intero positivo"));
        }
        a.csv = p.value(QStringLiteral("csv"));
        a.wideband = p.value(QStringLiteral("wideband"));
        if (p.isSet(QStringLiteral("wideband-baud"))) {
            bool ok = false;
            a.widebandBaud = p.value(QStringLiteral("wideband-baud")).toInt(&ok);
            if (!ok || a.widebandBaud <= 0)
                return error(TervalixCli::tr("--wideband-baud vuole un numero intero positivo"));
        }
    }
    return r;
}

} // namespace Cli
