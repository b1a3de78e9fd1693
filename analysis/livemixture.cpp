// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/livemixture.h"

#include "analysis/mixtureanalysis.h"

#include <cmath>

namespace Mixture {

LiveMixture::LiveMixture(const Settings &settings) : s(settings), track(settings), points(Points)
{
    s.delayFixed = true;
    log.name = QStringLiteral("live");
    readings.name = QStringLiteral("wideband");
    readings.unit = Unit::Lambda;
}

void LiveMixture::addEcuSample(const EcuSample &sample)
{
    if (!log.samples.isEmpty() && sample.ms < log.samples.last().ms)
        return;  // a clock that went back: not this run's
    log.samples.append(sample);
    track.append(sample);
    drain(false);
}

void LiveMixture::addReading(double ms, double lambda)
{
    readings.readings.append({ms, lambda, NaN});
    ++seen;
    if (!(lambda >= s.validLambdaMin && lambda <= s.validLambdaMax)) {
        ++rejected[size_t(Reason::Invalid)];
        return;
    }
    waiting.emplace_back(ms, lambda);
    drain(false);
}

void LiveMixture::finish()
{
    track.finish();
    drain(true);
}

void LiveMixture::drain(bool all)
{
    while (!waiting.empty()) {
        const double q = waiting.front().first - s.delayMs;
        // The poll after q, and the states around it, must be in.
        if (!all && !(track.settledUntil() > q + s.rateWindowMs))
            return;
        const double lambda = waiting.front().second;
        waiting.pop_front();
        int held;
        Reason why;
        if (!track.classify(q, &held, &why)) {
            ++rejected[size_t(why)];
            continue;
        }
        points[track.cellAt(held)].add(lambda, track.valueAt(held), qint64(std::floor(q / 100.0)), track.heldSince(held), q);
        ++used;
    }
}

Result LiveMixture::result() const
{
    Result r;
    r.ok = true;
    r.valueMin = s.valueMin;
    r.valueMax = s.valueMax;
    r.maxRpm = s.maxRpm > 0 ? s.maxRpm : inferMaxRpm({log});
    if (r.maxRpm == 0)
        r.maxRpm = 17000;
    r.delay.ms = r.delay.lo = r.delay.hi = s.delayMs;
    r.delay.fixed = true;
    r.readings = seen;
    r.used = used;
    r.rejected = rejected;
    Pairing p;
    p.readings = seen;
    r.pairs.append(p);
    for (int i = 0; i < Points; ++i) {
        r.points.append(pointRow(i, points[i], s, r.maxRpm));
        r.used -= r.points.last().closedLoop;
        r.rejected[size_t(Reason::ClosedLoop)] += r.points.last().closedLoop;
    }
    return r;
}


Input LiveMixture::snapshot() const
{
    Input in;
    in.ecu.append(log);
    in.wideband.append(readings);
    // One clock for both: the offset is nought, and no date-times are needed.
    in.ecu.last().hasAbsolute = false;
    return in;
}

} // namespace Mixture
