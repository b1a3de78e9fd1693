// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/mixtureanalysis.h"

#include "analysis/alignment.h"
#include "analysis/delayestimate.h"
#include "analysis/ecutrack.h"
#include "analysis/logparser.h"
#include "analysis/proposal.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Mixture {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Mixture", text);
}

QString checkSettings(const Settings &s)
{
    if (!(s.stoich > 1 && s.stoich < 100))
        return tr("rapporto stechiometrico non valido: %1").arg(s.stoich);
    if (!(s.gainPctPerPoint > 0 && s.gainPctPerPoint <= 100))
        return tr("il guadagno (% di carburante per punto) deve essere positivo: %1").arg(s.gainPctPerPoint);
    if (s.maxStep < 0 || s.minSamples < 1 || s.valueMin > s.valueMax)
        return tr("limiti non validi");
    if (s.targetLambda.size() != 0 && s.targetLambda.size() != 1 && s.targetLambda.size() != Points)
        return tr("servono un obiettivo o %1 obiettivi, non %2").arg(Points).arg(s.targetLambda.size());
    for (double t : s.targetLambda)
        if (!(t > 0.3 && t < 3.0))
            return tr("obiettivo fuori dai limiti: lambda %1").arg(t);
    if (s.delayFixed && !(s.delayMs >= 0 && s.delayMs <= 10000))
        return tr("ritardo non valido: %1 ms").arg(s.delayMs);
    return QString();
}

} // namespace

const char *reasonKey(Reason r)
{
    switch (r) {
    case Reason::Invalid: return "invalid";
    case Reason::NoEcu: return "no_ecu";
    case Reason::OffCurve: return "off_curve";
    case Reason::FuelCut: return "fuel_cut";
    case Reason::Transient: return "transient";
    case Reason::ClosedLoop: return "closed_loop";
    default: return "";
    }
}

const char *flagKey(Flag f)
{
    switch (f) {
    case Flag::Ok: return "ok";
    case Flag::NoData: return "no_data";
    case Flag::FewSamples: return "few_samples";
    case Flag::ClosedLoop: return "closed_loop";
    case Flag::Excluded: return "excluded";
    case Flag::Limited: return "limited";
    case Flag::Clamped: return "clamped";
    }
    return "";
}

const char *methodKey(Pairing::Method m)
{
    switch (m) {
    case Pairing::Embedded: return "live_log_afr";
    case Pairing::Absolute: return "date_time";
    case Pairing::Rpm: return "rpm";
    case Pairing::AbsoluteAndRpm: return "date_time_rpm";
    case Pairing::User: return "user";
    }
    return "";
}

int Result::proposals() const
{
    int n = 0;
    for (const PointRow &p : points)
        n += p.hasProposal;
    return n;
}

int inferMaxRpm(const QVector<EcuLog> &logs)
{
    std::vector<double> ratio;
    for (const EcuLog &l : logs)
        for (int i = 0; i < l.samples.size(); i += 7)
            if (l.samples[i].cellIndex >= 5 && l.samples[i].cellIndex < Points)
                ratio.push_back(l.samples[i].rpm * 40.0 / l.samples[i].cellIndex);
    if (ratio.empty())
        return 0;
    std::nth_element(ratio.begin(), ratio.begin() + long(ratio.size() / 2), ratio.end());
    const double m = ratio[ratio.size() / 2];
    return std::abs(m - 12000) < std::abs(m - 17000) ? 12000 : 17000;
}

Result analyse(const Input &in, const Settings &s)
{
    Result r;
    for (const EcuLog &l : in.ecu)
        r.inputs.append({l.name, l.sha256});
    for (const WidebandLog &l : in.wideband)
        r.inputs.append({l.name, l.sha256});
    r.valueMin = s.valueMin;
    r.valueMax = s.valueMax;
    r.error = checkSettings(s);
    if (!r.error.isEmpty())
        return r;
    if (!pairLogs(in, s, &r.pairs, &r.messages, &r.error))
        return r;

    r.maxRpm = s.maxRpm > 0 ? s.maxRpm : inferMaxRpm(in.ecu);
    if (r.maxRpm == 0) {
        r.maxRpm = 17000;
        r.messages << tr("i registri non dicono il regime massimo: si assume 17000 giri");
    }

    QVector<EcuTrack> tracks;
    tracks.reserve(in.ecu.size());
    for (const EcuLog &l : in.ecu) {
        tracks.append(EcuTrack(s));
        tracks.last().build(l);
    }

    QVector<DelayReading> valid;
    for (Pairing &p : r.pairs) {
        auto take = [&](double ms, double lambda) {
            ++r.readings;
            ++p.readings;
            if (!(lambda >= s.validLambdaMin && lambda <= s.validLambdaMax)) {
                ++r.rejected[size_t(Reason::Invalid)];
                return;
            }
            valid.append({p.ecuLog, ms + p.offsetMs, lambda});
        };
        if (p.widebandLog < 0) {
            for (const EcuSample &x : in.ecu[p.ecuLog].samples)
                take(x.ms, x.afr / s.stoich);
        } else {
            const WidebandLog &w = in.wideband[p.widebandLog];
            const double scale = w.unit == Unit::Lambda ? 1.0 : 1.0 / s.stoich;
            for (const WidebandReading &x : w.readings)
                take(x.ms, x.value * scale);
        }
    }
    std::stable_sort(valid.begin(), valid.end(), [](const DelayReading &a, const DelayReading &b) {
        return a.track != b.track ? a.track < b.track : a.ms < b.ms;
    });

    if (s.delayFixed) {
        r.delay.ms = r.delay.lo = r.delay.hi = s.delayMs;
        r.delay.fixed = true;
    } else {
        r.delay = estimateDelay(tracks, valid, s, &r.messages);
    }

    QVector<PointSamples> points(Points);
    for (const DelayReading &x : valid) {
        const double q = x.ms - r.delay.ms;
        int held;
        Reason why;
        if (!tracks[x.track].classify(q, &held, &why)) {
            ++r.rejected[size_t(why)];
            continue;
        }
        const EcuTrack &t = tracks[x.track];
        const qint64 track = qint64(x.track) << 40;
        const int since = t.heldSince(held);
        points[t.cellAt(held)].add(x.lambda, t.valueAt(held), track + qint64(std::floor(q / 100.0)),
                                   since < 0 ? -1 : track + since, q);
        ++r.used;
    }
    for (int i = 0; i < Points; ++i) {
        r.points.append(pointRow(i, points[i], s, r.maxRpm));
        r.used -= r.points.last().closedLoop;
        r.rejected[size_t(Reason::ClosedLoop)] += r.points.last().closedLoop;
    }
    if (r.used == 0)
        r.messages << tr("nessuna lettura è servita: vedere gli scarti per motivo");
    r.ok = true;
    return r;
}

Result analyseFiles(const QStringList &ecuFiles, const QStringList &widebandFiles, const WidebandFormat &format,
                    const Settings &settings, bool *parseFailed)
{
    Input in;
    QStringList notes;
    ParseError e;
    if (parseFailed)
        *parseFailed = false;
    auto failed = [&]() {
        Result r;
        r.error = e.text();
        if (parseFailed)
            *parseFailed = true;
        return r;
    };
    for (const QString &f : ecuFiles) {
        EcuLog l;
        if (!loadEcuLog(f, &l, &e, &notes))
            return failed();
        in.ecu.append(std::move(l));
    }
    for (const QString &f : widebandFiles) {
        WidebandLog l;
        if (!loadWidebandLog(f, format, &l, &e, &notes))
            return failed();
        in.wideband.append(std::move(l));
    }
    Result r = analyse(in, settings);
    r.messages = notes + r.messages;
    return r;
}

} // namespace Mixture
