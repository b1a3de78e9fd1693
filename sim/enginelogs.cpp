// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/enginelogs.h"

#include "session/datalog.h"

#include <QDateTime>

#include <cmath>
#include <limits>
#include <random>

EngineRunLogs simulateRun(const EngineModel &engine, const WidebandConfig &sensorConfig, const QVector<int> &curve,
                          const EngineRunConfig &run)
{
    EngineRunLogs out;
    WidebandSensor sensor(sensorConfig);
    std::mt19937 rng(engine.config().seed * 7919u + 3u);
    std::uniform_real_distribution<double> jitter(-run.pollJitterMs, run.pollJitterMs);
    std::normal_distribution<double> tachNoise(0.0, 15.0);
    auto value = [&](int cell) { return cell >= 0 && cell < curve.size() ? curve[cell] : 0; };

    const double duration = run.durationMs > 0 ? run.durationMs : engine.rideMs();
    const double t0 = run.startMs;
    const double t1 = t0 + duration;
    const double wbStart = t0 - run.widebandLeadMs;
    const double wbEnd = t1 + run.widebandTailMs;
    const double step = 5;
    const double wbPeriod = 1000.0 / sensorConfig.rateHz;

    out.live = run.afrColumn ? DataLog::header(true) : DataLog::header();
    if (!run.afrColumn)
        out.wideband = widebandHeader(run.shape);
    double nextPoll = t0;
    qint64 k = 0;
    double lastAfr = std::numeric_limits<double>::quiet_NaN();
    for (double t = wbStart - sensorConfig.delayMs - 2000; t <= wbEnd; t += step) {
        sensor.exhaust(t, engine.lambdaAt(t, value));
        // The logger's samples due by now, on its own grid from its start.
        for (double at = wbStart + double(k) * wbPeriod; at <= t && at <= wbEnd; at = wbStart + double(++k) * wbPeriod) {
            const double lambda = sensor.reading(at, at - wbStart);
            lastAfr = lambda * sensorConfig.stoich;
            ++out.readings;
            if (run.afrColumn)
                continue;
            // Its clock runs `clockOffsetMs` behind the engine's.
            const double clock = run.shape.time == WidebandShape::Iso ? at - sensorConfig.clockOffsetMs : at - wbStart;
            out.wideband += widebandLine(run.shape, clock, run.wallOriginMs, lambda, sensorConfig.stoich,
                                         engine.rpmAt(at) + tachNoise(rng));
        }
        if (t >= t0 && t <= t1 && t >= nextPoll) {
            const double rpm = engine.rpmAt(t);
            Protocol::PollData d;
            d.rpm = int(std::lround(rpm));
            d.adc = 90;
            d.cellIndex = static_cast<unsigned char>(engine.cellAt(rpm));
            d.cellValue = static_cast<unsigned char>(value(d.cellIndex) & 0xFF);
            const QDateTime when = QDateTime::fromMSecsSinceEpoch(run.wallOriginMs + qint64(std::llround(t)), Qt::UTC);
            const qint64 elapsed = qint64(std::llround(t - t0));
            out.live += run.afrColumn ? DataLog::line(when, elapsed, d, lastAfr) : DataLog::line(when, elapsed, d);
            ++out.polls;
            nextPoll += run.pollMs + jitter(rng);
        }
    }
    return out;
}
