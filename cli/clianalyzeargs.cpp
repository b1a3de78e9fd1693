// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/clianalyzeargs.h"

#include "cli/clioutput.h"
#include "profile/pointlist.h"

#include <QCommandLineParser>

namespace Cli {

void addAnalyzeOptions(QCommandLineParser &p)
{
    p.addOptions({
        {"wideband", TervalixCli::tr("Un registro della sonda lambda (ripetibile; più giri: uno per registro dal vivo, nello stesso "
                                     "ordine, a meno che entrambi i registri abbiano data e ora)."), "file"},
        {"columns", TervalixCli::tr("Le colonne di tempo e miscela (e giri) del registro della sonda, quando i loro nomi non sono "
                                    "quelli soliti."),
         "time,mixture[,rpm]"},
        {"target", TervalixCli::tr("Miscela voluta per ogni punto (AFR; lambda con --lambda). Di solito lambda 0.90."), "value"},
        {"target-file", TervalixCli::tr("41 miscele volute, una per riga (l'ultimo numero di ogni riga)."), "file"},
        {"lambda", TervalixCli::tr("Le miscele volute sono in lambda, e la tabella mostra lambda.")},
        {"stoich", TervalixCli::tr("AFR stechiometrico del carburante (di solito 14.7)."), "ratio"},
        {"gain", TervalixCli::tr("Carburante aggiunto da un punto della curva, in % (di solito 1.0; un punto positivo aggiunge "
                                 "carburante)."), "pct"},
        {"delay-ms", TervalixCli::tr("Il ritardo della sonda; di solito: stimato dai registri."), "ms"},
        {"offset-ms", TervalixCli::tr("Orologio della centralina meno orologio della sonda (sommato alla differenza di data e ora, "
                                      "se ci sono)."), "ms"},
        {"min-samples", TervalixCli::tr("Letture che servono a un punto per una proposta (di solito 20)."), "n"},
        {"max-step", TervalixCli::tr("La modifica più grande di un punto in un passaggio (di solito 5)."), "n"},
        {"base", TervalixCli::tr("Il profilo della centralina durante i registri: i punti senza proposta tengono il suo valore, "
                                 "e K è il suo K."),
         "file.prf"},
        {{"o", "output"}, TervalixCli::tr("Scrive la curva proposta come profilo. Senza --base solo quando ogni punto ha una proposta, "
                                          "e allora con --k."), "file.prf"},
        {"k", TervalixCli::tr("K del profilo scritto senza --base (da 1 a 4): i registri non lo riportano."), "n"},
        {"exclude", TervalixCli::tr("Punti esclusi dall'analisi, per esempio 0-3,38-40 (riflusso allo scarico, una zona da non "
                                    "toccare): nessuna proposta, e nessun peso nella stima del ritardo."), "points"},
        {"hw", TervalixCli::tr("Versione hardware della centralina, per il suo intervallo di valori (di solito: quello più "
                               "ampio, da -20 a 50)."), "n"},
    });
}

void addMonitorWidebandOptions(QCommandLineParser &p)
{
    p.addOptions({
        {"wideband", TervalixCli::tr("Mostra (e con --csv registra) la lettura della sonda lambda da questa porta seriale."), "port"},
        {"wideband-baud", TervalixCli::tr("La velocità di linea della sonda (di solito 9600)."), "baud"},
    });
}

bool analyzeOptionTakesValue(const QString &o)
{
    static const QStringList names{"--wideband", "--columns", "--target", "--target-file", "--stoich", "--gain",
                                   "--delay-ms", "--offset-ms", "--min-samples", "--max-step", "--base", "--hw",
                                   "--k", "-k", "--exclude", "--wideband-baud"};
    return names.contains(o);
}

QString readAnalyzeOptions(const QCommandLineParser &p, AnalyzeArgs *a)
{
    auto number = [&](const char *name, double lo, double hi, double *v, bool *set) -> QString {
        const QString key = QLatin1String(name);
        if (!p.isSet(key))
            return QString();
        bool ok = false;
        const double x = p.value(key).toDouble(&ok);
        if (!ok || !(x >= lo && x <= hi))
            return TervalixCli::tr("--%1 vuole un numero da %2 a %3").arg(key).arg(lo).arg(hi);
        *v = x;
        if (set)
            *set = true;
        return QString();
    };
    auto whole = [&](const char *name, int lo, int hi, int *v) -> QString {
        const QString key = QLatin1String(name);
        if (!p.isSet(key))
            return QString();
        bool ok = false;
        const int x = p.value(key).toInt(&ok);
        if (!ok || x < lo || x > hi)
            return TervalixCli::tr("--%1 vuole un numero intero da %2 a %3").arg(key).arg(lo).arg(hi);
        *v = x;
        return QString();
    };
    a->wideband = p.values(QStringLiteral("wideband"));
    a->columns = p.value(QStringLiteral("columns"));
    a->targetFile = p.value(QStringLiteral("target-file"));
    a->lambda = p.isSet(QStringLiteral("lambda"));
    a->base = p.value(QStringLiteral("base"));
    a->output = p.value(QStringLiteral("output"));
    QString e;
    if ((e = number("target", 0.3, 30, &a->target, &a->hasTarget)).size()
        || (e = number("stoich", 2, 50, &a->stoich, nullptr)).size()
        || (e = number("gain", 0.01, 100, &a->gain, nullptr)).size()
        || (e = number("delay-ms", 0, 10000, &a->delayMs, &a->hasDelay)).size()
        || (e = number("offset-ms", -1e10, 1e10, &a->offsetMs, &a->hasOffset)).size()
        || (e = whole("min-samples", 1, 1000000, &a->minSamples)).size()
        || (e = whole("max-step", 0, 127, &a->maxStep)).size() || (e = whole("hw", 0, 255, &a->hw)).size()
        || (e = whole("k", 1, 4, &a->k)).size())
        return e;
    a->hasK = p.isSet(QStringLiteral("k"));
    if (p.isSet(QStringLiteral("exclude"))) {
        const QString text = p.value(QStringLiteral("exclude"));
        const PointList::Parsed parsed = PointList::parse(text, false);
        if (!parsed.ok)
            return TervalixCli::tr("--exclude vuole punti da 0 a 40, singoli o come intervalli (0-3,38): %1").arg(text);
        a->exclude = parsed.points;
    }
    if (a->hasTarget && !a->targetFile.isEmpty())
        return TervalixCli::tr("--target e --target-file si escludono a vicenda");
    if (!a->output.isEmpty() && !a->output.toLower().endsWith(QLatin1String(".prf")))
        return TervalixCli::tr("-o vuole un file .prf: %1").arg(a->output);
    if (a->hasK && (a->output.isEmpty() || !a->base.isEmpty()))
        return TervalixCli::tr("--k vale solo con -o e senza --base (con --base la K è quella del profilo di base)");
    return QString();
}

} // namespace Cli
