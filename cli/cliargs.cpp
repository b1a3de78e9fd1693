// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cliargs.h"

#include "cli/clioutput.h"
#include "util/datafolders.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <limits>

namespace Cli {

namespace {

struct Command {
    const char *name;
    const char *syntax;  // arguments after the name, for the usage line
    const char *description;
};

// The help speaks the tool's language, as its messages do.
const Command commands[] = {
    {"ports", "", QT_TRANSLATE_NOOP("TervalixCli", "Elenca la centralina USB (HID), se collegata, e le porte seriali.")},
    {"info", "", QT_TRANSLATE_NOOP("TervalixCli", "Mostra hardware, cilindri e firmware della centralina.")},
    {"read", "-o FILE",
     QT_TRANSLATE_NOOP("TervalixCli", "Legge curva e K in FILE.prf, in FILE.csv (point,rpm,value) o come CSV sullo "
                                      "standard output (-o -).")},
    {"write", "FILE.prf",
     QT_TRANSLATE_NOOP("TervalixCli", "Salva una copia della centralina, scrive curva e K del profilo e li verifica.")},
    {"verify", "FILE.prf", QT_TRANSLATE_NOOP("TervalixCli", "Confronta curva e K della centralina con un profilo.")},
    {"backup", "[DIR]",
     QT_TRANSLATE_NOOP("TervalixCli", "Salva quello che la centralina contiene come profilo datato in DIR.")},
    {"monitor", "",
     QT_TRANSLATE_NOOP("TervalixCli", "Mostra i dati dal vivo (ora, giri, ADC, cella, valore); con --csv li registra "
                                      "anche.")},
    {"analyze", "LIVE.csv...",
     QT_TRANSLATE_NOOP("TervalixCli", "Dai dati dal vivo e dai log della sonda lambda a una curva proposta: per ogni "
                                      "punto le letture usate, la miscela misurata con il suo intervallo, l'errore e "
                                      "il valore proposto.")},
    {"history", "[list | show ID | diff ID [ID] | note ID [TEXT] | restore ID]",
     QT_TRANSLATE_NOOP("TervalixCli", "La cronologia della moto: ogni stato che la centralina ha dimostrato di "
                                      "avere (list), una voce (show), le differenze tra due voci o tra una voce e la "
                                      "centralina (diff), note, etichette e condizioni (note), il ritorno a una voce "
                                      "o a dei suoi punti (restore). Le copie di sicurezza hanno un id che comincia "
                                      "con b.")},
    {"bikes", "[list | attach NAME | rename NAME NEW]",
     QT_TRANSLATE_NOOP("TervalixCli", "Le moto e le loro centraline (list); attach dà un nome alla moto della "
                                      "centralina collegata ora e ne comincia la cronologia; rename cambia il nome "
                                      "di una moto (la sua cartella resta).")},
    {"doctor", "",
     QT_TRANSLATE_NOOP("TervalixCli", "Dice perché la centralina può non essere trovata: la centralina USB, i "
                                      "permessi, la regola udev, le porte seriali e i loro gruppi, i programmi che "
                                      "tengono una porta; con il comando che risolve ciascun problema.")},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("TervalixCli", text);
}

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
    static const QStringList names{"-o",    "--output", "--port",      "--backup-dir", "--seconds",
                                   "--csv", "--bike",   "--tag",       "--condition",  "--points"};
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
        {"port", TervalixCli::tr("Usa la centralina su questa porta seriale (per esempio /dev/ttyUSB0)."), "path"},
        {"hid", TervalixCli::tr("Usa la centralina USB (HID), come senza --port.")},
        {"json", TervalixCli::tr("Stampa il risultato come JSON.")},
        {"bike", TervalixCli::tr("La moto della centralina (il suo nome): conferma una centralina riconosciuta solo "
                                 "dai dati del dispositivo, sceglie la cronologia."), "name"},
        {{"h", "help"}, TervalixCli::tr("Mostra questo aiuto (con un comando: l'aiuto del comando).")},
    });
}

QString programName(const QStringList &arguments)
{
    return QFileInfo(arguments.value(0, QStringLiteral("tervalix-cli"))).fileName();
}

// Qt's "Usage: PROGRAM" names the tool as it was called, in any language.
QString withProgramName(QString help, const QStringList &arguments)
{
    const int colon = help.indexOf(QStringLiteral(": "));
    const int end = help.indexOf(QLatin1Char(' '), colon + 2);
    if (colon > 0 && end > colon)
        help.replace(colon + 2, end - colon - 2, programName(arguments));
    return help;
}

QString overallHelp(const QStringList &arguments)
{
    QCommandLineParser p;
    addGlobalOptions(p);
    p.setApplicationDescription(TervalixCli::tr("Legge, scrive, verifica e controlla dal vivo la centralina Tervalix "
                                                "senza finestra."));
    p.addPositionalArgument(QStringLiteral("command"), TervalixCli::tr("Uno dei comandi qui sotto."),
                            TervalixCli::tr("comando [argomenti]"));
    QString text = withProgramName(p.helpText(), arguments);
    text += QLatin1Char('\n') + TervalixCli::tr("Comandi:") + QLatin1Char('\n');
    for (const Command &c : commands)
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(c.name), -9).arg(translated(c.description));
    text += QLatin1Char('\n')
        + TervalixCli::tr("Codici di uscita: 0 riuscito, 2 errore d'uso, 3 nessuna centralina (porta mancante o "
                          "occupata, nessuna risposta;\nper monitor --wideband anche la sonda), 4 trasferimento non "
                          "riuscito (collegamento o sonda persi, copia di\nsicurezza, file del risultato o "
                          "registrazione non scritti), 5 la centralina non contiene il profilo,\n130 interrotto "
                          "(Ctrl+C), 143 terminato (SIGTERM), 129 terminale chiuso (SIGHUP).\n"
                          "Durante una scrittura Ctrl+C, SIGTERM e SIGHUP la lasciano finire; un secondo Ctrl+C la "
                          "interrompe (uscita 4).\n"
                          "Ctrl+C termina monitor normalmente (uscita 0).\n"
                          "analyze legge solo file (nessuna centralina): uscita 0, oppure 2 quando un log non si "
                          "può leggere (file, riga e motivo sono indicati)\no i log non si possono allineare, 4 "
                          "quando la proposta non si può scrivere.\n"
                          "Profili e copie di sicurezza (di solito): %1\n")
              .arg(QDir::toNativeSeparators(DataFolders::base()));
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
    return DataFolders::backups();
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
        p.addOption({{"o", "output"},
                     TervalixCli::tr("Dove va la curva: FILE.prf, FILE.csv, o - (CSV sullo standard output)."),
                     "file"});
    if (cmd == QLatin1String("write")) {
        p.addOption({"backup-dir",
                     TervalixCli::tr("Cartella della copia di sicurezza presa prima di scrivere (di solito %1).")
                         .arg(QDir::toNativeSeparators(defaultBackupDir())),
                     "dir"});
        p.addOption({"clamp", TervalixCli::tr("Porta entro i limiti i punti fuori dall'intervallo della centralina e "
                                              "un K fuori da 1..4 (senza, un profilo così è rifiutato).")});
    }
    if (cmd == QLatin1String("write") || cmd == QLatin1String("history"))
        p.addOption({"yes", TervalixCli::tr("Scrivi senza chiedere anche quando un punto diventa più magro della "
                                            "soglia o la centralina non è quella della moto.")});
    if (cmd == QLatin1String("history")) {
        p.addOption({"tag", TervalixCli::tr("note: aggiunge un'etichetta (ripetibile); -NOME la toglie."), "tag"});
        p.addOption({"condition", TervalixCli::tr("note: una condizione, per esempio scarico=sportivo, filtro, "
                                                  "benzina, quota, temperatura (ripetibile; chiave= la toglie)."),
                     "key=value"});
        p.addOption({"points", TervalixCli::tr("restore: solo questi punti (per esempio 0-10,14; K per il K); gli "
                                               "altri restano come sono nella centralina."),
                     "list"});
    }
    if (cmd == QLatin1String("monitor")) {
        p.addOption({"seconds", TervalixCli::tr("Si ferma dopo questi secondi (di solito: fino a Ctrl+C)."), "n"});
        p.addOption({"csv", TervalixCli::tr("Registra anche i dati dal vivo in questo nuovo file CSV."), "file"});
        addMonitorWidebandOptions(p);
    }
    if (cmd == QLatin1String("analyze"))
        addAnalyzeOptions(p);
    p.setApplicationDescription(translated(command->description));
    p.addPositionalArgument(cmd, TervalixCli::tr("Il comando."),
                            QStringLiteral("%1 %2").arg(cmd, QLatin1String(command->syntax)).trimmed());
    if (!p.parse(arguments))
        return error(p.errorText());
    if (p.isSet(QStringLiteral("help"))) {
        Parsed r;
        r.kind = Parsed::Help;
        r.text = withProgramName(p.helpText(), arguments);
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
    a.bike = p.value(QStringLiteral("bike"));
    if (p.isSet(QStringLiteral("bike")) && a.bike.trimmed().isEmpty())
        return error(TervalixCli::tr("--bike vuole il nome di una moto"));
    a.yes = (cmd == QLatin1String("write") || cmd == QLatin1String("history")) && p.isSet(QStringLiteral("yes"));
    if (cmd == QLatin1String("history")) {
        a.tags = p.values(QStringLiteral("tag"));
        a.conditions = p.values(QStringLiteral("condition"));
        a.points = p.value(QStringLiteral("points"));
        for (const QString &c : qAsConst(a.conditions))
            if (!c.contains(QLatin1Char('=')) || c.startsWith(QLatin1Char('=')))
                return error(TervalixCli::tr("--condition vuole chiave=valore: %1").arg(c));
    }
    if (cmd == QLatin1String("history") || cmd == QLatin1String("bikes"))
        return r;  // the subcommand checks its own arguments

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
    if (cmd == QLatin1String("write")) {
        a.backupDir = p.isSet(QStringLiteral("backup-dir")) ? p.value(QStringLiteral("backup-dir")) : defaultBackupDir();
        a.clamp = p.isSet(QStringLiteral("clamp"));
    }
    if (cmd == QLatin1String("backup"))
        a.backupDir = a.arguments.isEmpty() ? defaultBackupDir() : a.arguments.first();
    if (cmd == QLatin1String("monitor")) {
        if (p.isSet(QStringLiteral("seconds"))) {
            // The stop timer counts milliseconds in an int.
            constexpr int maxSeconds = std::numeric_limits<int>::max() / 1000;
            bool ok = false;
            a.seconds = p.value(QStringLiteral("seconds")).toInt(&ok);
            if (!ok || a.seconds <= 0 || a.seconds > maxSeconds)
                return error(TervalixCli::tr("--seconds vuole un numero intero da 1 a %1").arg(maxSeconds));
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
