#include "cli/clianalyzeargs.h"

#include "cli/clioutput.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace Cli {

void addAnalyzeOptions(QCommandLineParser &p)
{
    p.addOptions({
        {"wideband", "A wideband log (repeatable; several runs: one per live log, in the same order, unless "
                     "both logs carry date-times).", "file"},
        {"columns", "The wideband log's time and mixture columns (and rpm), when their names are not the usual ones.",
         "time,mixture[,rpm]"},
        {"target", "Target mixture for every point (AFR; lambda with --lambda). Default lambda 0.90.", "value"},
        {"target-file", "41 targets, one per line (the last number of each line).", "file"},
        {"lambda", "Targets are lambda, and the table shows lambda."},
        {"stoich", "Stoichiometric AFR of the fuel (default 14.7).", "ratio"},
        {"gain", "Fuel that one point of the curve adds, % (default 1.0; a positive point adds fuel).", "pct"},
        {"delay-ms", "The sensor's delay; default: estimated from the logs.", "ms"},
        {"offset-ms", "ECU clock minus wideband clock (added to the date-times' difference when there are any).", "ms"},
        {"min-samples", "Readings a point needs for a proposal (default 20).", "n"},
        {"max-step", "Largest change of a point in one pass (default 5).", "n"},
        {"base", "The profile the ECU ran during the logs: points without a proposal keep its value, and K is its K.",
         "file.prf"},
        {{"o", "output"}, "Write the proposed curve as a profile. Without --base only when every point has a proposal, "
                          "and then with --k.", "file.prf"},
        {"k", "K of the profile written without --base (1 to 4): the logs do not record it.", "n"},
        {"exclude", "Points left out of the analysis, e.g. 0-3,38-40 (exhaust reversion, a region to leave alone): "
                    "no proposal, and no part in the delay estimate.", "points"},
        {"hw", "Hardware version of the unit, for its value range (default: the wider range, -20 to 50).", "n"},
    });
}

void addMonitorWidebandOptions(QCommandLineParser &p)
{
    p.addOptions({
        {"wideband", "Show (and record with --csv) the wideband's reading from this serial port.", "port"},
        {"wideband-baud", "The wideband's line speed (default 9600).", "baud"},
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
        const QRegularExpression range(QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+)\\s*)?$"));
        for (const QString &part : text.split(QLatin1Char(','))) {
            const QRegularExpressionMatch m = range.match(part);
            const int from = m.captured(1).toInt();
            const int to = m.captured(2).isEmpty() ? from : m.captured(2).toInt();
            if (!m.hasMatch() || from > to || to > 40)
                return TervalixCli::tr("--exclude vuole punti da 0 a 40, singoli o come intervalli (0-3,38): %1").arg(text);
            for (int i = from; i <= to; ++i)
                if (!a->exclude.contains(i))
                    a->exclude.append(i);
        }
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
