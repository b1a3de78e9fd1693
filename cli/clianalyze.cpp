// SPDX-License-Identifier: GPL-3.0-or-later
// analyze: live logs and wideband logs in, a table of the points (or JSON)
// and optionally the proposed curve as a profile out. Files only: the ECU
// is not touched.

#include "cli/clicommands.h"

#include "analysis/mixtureanalysis.h"
#include "link/cdevinfo.h"
#include "profile/profilefile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

#include <cmath>

namespace Cli {

namespace {

// The unit's range of K.
constexpr int KMin = 1;
constexpr int KMax = 4;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// 41 targets (or one), the last number of every line that has one; a
// header line is skipped.
bool readTargets(const QString &path, QVector<double> *out, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = TervalixCli::tr("%1: impossibile leggere: %2").arg(native(path), f.errorString());
        return false;
    }
    int line = 0;
    while (!f.atEnd()) {
        const QString text = QString::fromUtf8(f.readLine(4096)).trimmed();
        ++line;
        if (text.isEmpty())
            continue;
        const QStringList fields = text.split(QRegExp(QStringLiteral("[,;\\t ]+")), Qt::SkipEmptyParts);
        bool ok = false;
        const double v = fields.isEmpty() ? 0 : QString(fields.last()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok) {
            if (out->isEmpty() && line == 1)
                continue;  // a header
            *error = TervalixCli::tr("%1:%2: non è un numero: %3").arg(native(path)).arg(line).arg(text.left(40));
            return false;
        }
        out->append(v);
    }
    if (out->size() != 1 && out->size() != Mixture::Points) {
        *error = TervalixCli::tr("%1: servono %2 obiettivi (o uno), non %3").arg(native(path)).arg(Mixture::Points).arg(out->size());
        return false;
    }
    return true;
}

QJsonValue number(double v, int decimals)
{
    if (!std::isfinite(v))
        return QJsonValue();
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

QString cell(double v, int decimals, int width)
{
    return std::isfinite(v) ? QStringLiteral("%1").arg(v, width, 'f', decimals) : QStringLiteral("%1").arg(QStringLiteral("-"), width);
}

QString flagText(Mixture::Flag f)
{
    switch (f) {
    case Mixture::Flag::Ok: return QString();
    case Mixture::Flag::NoData: return TervalixCli::tr("nessun dato");
    case Mixture::Flag::FewSamples: return TervalixCli::tr("pochi campioni");
    case Mixture::Flag::ClosedLoop: return TervalixCli::tr("anello chiuso?");
    case Mixture::Flag::Excluded: return TervalixCli::tr("escluso");
    case Mixture::Flag::Limited: return TervalixCli::tr("limitato dal passo");
    case Mixture::Flag::Clamped: return TervalixCli::tr("al limite dei valori");
    }
    return QString();
}

} // namespace

int commandAnalyze(Context &ctx)
{
    const AnalyzeArgs &a = ctx.args.analyze;
    Output &out = ctx.out;

    Mixture::Settings s;
    s.stoich = a.stoich;
    s.gainPctPerPoint = a.gain;
    s.minSamples = a.minSamples;
    s.maxStep = a.maxStep;
    s.delayFixed = a.hasDelay;
    s.delayMs = a.delayMs;
    s.offsetFixed = a.hasOffset;
    s.offsetMs = a.offsetMs;
    s.excludedPoints = a.exclude;
    const CurveLimits limits = CurveLimits::forHardware(a.hw >= 0 ? static_cast<unsigned char>(a.hw) : 21);
    s.valueMin = int(limits.valueMin);
    s.valueMax = int(limits.valueMax);
    QVector<double> targets;
    QString error;
    if (a.hasTarget)
        targets = {a.target};
    else if (!a.targetFile.isEmpty() && !readTargets(a.targetFile, &targets, &error))
        return out.fail(ExitUsage, error);
    for (double t : targets)
        s.targetLambda.append(a.lambda ? t : t / a.stoich);

    ProfileFile::Profile base;
    if (!a.base.isEmpty() && !ProfileFile::load(a.base, &base, &error))
        return out.fail(ExitUsage, QStringLiteral("%1: %2").arg(native(a.base), error.replace(QLatin1Char('\n'), QStringLiteral(": "))));
    // A written profile never carries a K the unit cannot take.
    if (!a.base.isEmpty() && !a.output.isEmpty() && (base.k < KMin || base.k > KMax))
        return out.fail(ExitUsage, TervalixCli::tr("%1: la K %2 è fuori dall'intervallo della centralina (%3…%4)")
                                       .arg(native(a.base))
                                       .arg(base.k)
                                       .arg(KMin)
                                       .arg(KMax));

    Mixture::WidebandFormat format;
    if (!a.columns.isEmpty()) {
        const QStringList c = a.columns.split(QLatin1Char(','));
        if (c.size() < 2 || c.size() > 3)
            return out.fail(ExitUsage, TervalixCli::tr("--columns vuole TEMPO,MISCELA[,GIRI]"));
        format.timeColumn = c[0];
        format.mixtureColumn = c[1];
        format.rpmColumn = c.value(2);
    }

    bool parseFailed = false;
    const Mixture::Result r = Mixture::analyseFiles(ctx.args.arguments, a.wideband, format, s, &parseFailed);
    if (!r.ok)
        return out.fail(ExitUsage, parseFailed ? r.error : TervalixCli::tr("Analisi impossibile: %1").arg(r.error));
    for (const QString &m : r.messages)
        out.error(TervalixCli::tr("nota: %1").arg(m));
    if (a.hw < 0)
        out.note(TervalixCli::tr("Valori limitati a %1…%2 (la gamma più ampia): --hw N per quella della centralina.")
                     .arg(r.valueMin)
                     .arg(r.valueMax));

    // The proposed curve: proposals where there are any, the base elsewhere.
    if (!a.output.isEmpty()) {
        const int missing = Mixture::Points - r.proposals();
        if (a.base.isEmpty() && missing > 0)
            return out.fail(ExitUsage, TervalixCli::tr("-o senza --base: %1 punti non hanno una proposta e non si sa "
                                                       "che valore tenere (indicare --base, il profilo della corsa)")
                                           .arg(missing));
        if (a.base.isEmpty() && !a.hasK)
            return out.fail(ExitUsage, TervalixCli::tr("-o senza --base: i registri non dicono la K; indicarla con --k N "
                                                       "(da %1 a %2), o dare --base")
                                           .arg(KMin)
                                           .arg(KMax));
        QVector<int> values = a.base.isEmpty() ? QVector<int>(Mixture::Points, 0) : base.values;
        for (const Mixture::PointRow &p : r.points)
            if (p.hasProposal)
                values[p.point] = p.proposed;
        if (!ProfileFile::save(a.output, values, a.base.isEmpty() ? a.k : base.k, &error))
            return out.fail(ExitTransfer, TervalixCli::tr("Impossibile salvare %1: %2").arg(native(a.output), error));
        out.note(TervalixCli::tr("Curva proposta salvata in %1 (%2 punti cambiati dall'analisi)")
                     .arg(native(a.output))
                     .arg(r.proposals()));
    }

    const double show = a.lambda ? 1.0 : a.stoich;  // lambda to the unit shown
    if (out.json()) {
        QJsonObject rejected;
        for (int i = 0; i < Mixture::ReasonCount; ++i)
            rejected.insert(QLatin1String(Mixture::reasonKey(Mixture::Reason(i))), r.rejected[size_t(i)]);
        QJsonArray points;
        for (const Mixture::PointRow &p : r.points) {
            points.append(QJsonObject{
                {QStringLiteral("point"), p.point},
                {QStringLiteral("rpm"), p.rpm},
                {QStringLiteral("samples"), p.samples},
                {QStringLiteral("closed_loop"), p.closedLoop},
                {QStringLiteral("afr"), number(p.lambda * a.stoich, 2)},
                {QStringLiteral("afr_interval"), QJsonArray{number(p.lambdaLo * a.stoich, 2), number(p.lambdaHi * a.stoich, 2)}},
                {QStringLiteral("lambda"), number(p.lambda, 3)},
                {QStringLiteral("target"), number(p.targetLambda * show, a.lambda ? 3 : 2)},
                {QStringLiteral("error_pct"), number(p.errorPct, 2)},
                {QStringLiteral("applied"), p.hasApplied ? QJsonValue(p.applied) : QJsonValue()},
                {QStringLiteral("proposed"), p.hasProposal ? QJsonValue(p.proposed) : QJsonValue()},
                {QStringLiteral("flag"), QLatin1String(Mixture::flagKey(p.flag))},
            });
        }
        QJsonArray inputs, pairs;
        for (const Mixture::InputHash &h : r.inputs)
            inputs.append(QJsonObject{{QStringLiteral("file"), h.name}, {QStringLiteral("sha256"), QString::fromLatin1(h.sha256)}});
        for (const Mixture::Pairing &p : r.pairs)
            pairs.append(QJsonObject{{QStringLiteral("live"), r.inputs.value(p.ecuLog).name},
                                     {QStringLiteral("wideband"), p.widebandLog < 0 ? QJsonValue() : QJsonValue(a.wideband.value(p.widebandLog))},
                                     {QStringLiteral("method"), QLatin1String(Mixture::methodKey(p.method))},
                                     {QStringLiteral("offset_ms"), number(p.offsetMs, 1)},
                                     {QStringLiteral("readings"), p.readings}});
        out.document(QJsonObject{
            {QStringLiteral("delay_ms"), number(r.delay.ms, 1)},
            {QStringLiteral("delay_ms_interval"), QJsonArray{number(r.delay.lo, 1), number(r.delay.hi, 1)}},
            {QStringLiteral("delay_estimated"), !r.delay.fixed},
            {QStringLiteral("offset_ms"), r.pairs.isEmpty() ? QJsonValue() : number(r.pairs.first().offsetMs, 1)},
            {QStringLiteral("samples"), r.used},
            {QStringLiteral("readings"), r.readings},
            {QStringLiteral("rejected"), rejected},
            {QStringLiteral("stoich"), a.stoich},
            {QStringLiteral("gain_pct_per_point"), a.gain},
            {QStringLiteral("value_range"), QJsonArray{r.valueMin, r.valueMax}},
            {QStringLiteral("inputs"), inputs},
            {QStringLiteral("pairs"), pairs},
            {QStringLiteral("messages"), QJsonArray::fromStringList(r.messages)},
            {QStringLiteral("points"), points},
        });
        return ExitOk;
    }

    const QString unit = a.lambda ? QStringLiteral("lambda") : QStringLiteral("AFR");
    out.line(TervalixCli::tr("# ritardo della sonda %1 ms (95 %: %2–%3 ms, %4)")
                 .arg(qRound(r.delay.ms))
                 .arg(qRound(r.delay.lo))
                 .arg(qRound(r.delay.hi))
                 .arg(r.delay.fixed ? TervalixCli::tr("indicato") : TervalixCli::tr("stimato")));
    for (const Mixture::Pairing &p : r.pairs)
        out.line(TervalixCli::tr("# %1: scostamento degli orologi %2 ms (%3), %4 letture")
                     .arg(native(r.inputs.value(p.ecuLog).name))
                     .arg(qRound(p.offsetMs))
                     .arg(QLatin1String(Mixture::methodKey(p.method)))
                     .arg(p.readings));
    QStringList reasons;
    for (int i = 0; i < Mixture::ReasonCount; ++i)
        reasons << QStringLiteral("%1 %2").arg(QLatin1String(Mixture::reasonKey(Mixture::Reason(i)))).arg(r.rejected[size_t(i)]);
    out.line(TervalixCli::tr("# letture %1, usate %2; scartate: %3").arg(r.readings).arg(r.used).arg(reasons.join(QStringLiteral(", "))));
    out.line(TervalixCli::tr("# guadagno %1 % di carburante per punto, stechiometrico %2, valori %3…%4")
                 .arg(a.gain)
                 .arg(a.stoich)
                 .arg(r.valueMin)
                 .arg(r.valueMax));
    out.line(TervalixCli::tr("punto  giri campioni %1 %2 obiettivo errore%  applicato proposto  stato")
                 .arg(unit, 6)
                 .arg(TervalixCli::tr("intervallo 95%"), -15));
    const int decimals = a.lambda ? 3 : 2;
    for (const Mixture::PointRow &p : r.points) {
        const QString interval = std::isfinite(p.lambdaLo)
                                     ? QStringLiteral("%1–%2").arg(p.lambdaLo * show, 0, 'f', decimals).arg(p.lambdaHi * show, 0, 'f', decimals)
                                     : QStringLiteral("-");
        out.line(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9  %10")
                     .arg(p.point, 5)
                     .arg(p.rpm, 5)
                     .arg(p.samples, 8)
                     .arg(cell(p.lambda * show, decimals, 6))
                     .arg(interval, -15)
                     .arg(cell(p.targetLambda * show, decimals, 9))
                     .arg(cell(p.errorPct, 1, 7))
                     .arg(p.hasApplied ? QString::number(p.applied) : QStringLiteral("-"), 10)
                     .arg(p.hasProposal ? QString::number(p.proposed) : QStringLiteral("-"), 8)
                     .arg(flagText(p.flag)));
    }
    return ExitOk;
}

} // namespace Cli
