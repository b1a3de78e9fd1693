// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/enginemodel.h"

#include <QtMath>

#include <algorithm>
#include <random>

EngineModel::EngineModel(const EngineConfig &config) : cfg(config)
{
    std::mt19937 rng(cfg.seed);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    // The requirement: a few waves over the range, between about -5 and +13
    // points (an engine that wants some fuel added over most of its range).
    const double f[4] = {1.1, 2.3, 4.1, 0.5};
    const double a[4] = {4.0, 3.0, 1.5, 1.0};
    for (int i = 0; i < 4; ++i) {
        amp[i] = a[i] * uniform(0.7, 1.3);
        freq[i] = f[i] * uniform(0.85, 1.15);
        phase[i] = uniform(0, 2 * M_PI);
    }

    const double top = topRpm();
    double t = 0;
    auto add = [&](double ms, double r0, double r1, Phase p) {
        segments.append({t, t + ms, r0, r1, p});
        t += ms;
    };
    auto ramp = [&](double r0, double r1, double rate, Phase p) { add(std::abs(r1 - r0) / rate * 1000.0, r0, r1, p); };
    // Idle, a cruise in the ECU's loop, then three pulls at each rate in a
    // seeded order, each ended by a closed-throttle deceleration.
    for (int lap = 0; lap < std::max(1, cfg.laps); ++lap) {
        laps.append(t);
        add(uniform(4000, 6000), cfg.idleRpm, cfg.idleRpm, Idle);
    ramp(cfg.idleRpm, cfg.cruiseRpm, 1500, Rise);
    add(uniform(6000, 9000), cfg.cruiseRpm, cfg.cruiseRpm, Cruise);
    double r = cfg.cruiseRpm;
    bool fast[6] = {false, true, false, true, false, true};
    std::shuffle(fast, fast + 6, rng);
    for (bool isFast : fast) {
        const double start = top * uniform(0.18, 0.22);
        if (r < start)
            ramp(r, start, 1500, Rise);
        else
            ramp(r, start, 3000, Decel);
        add(uniform(1000, 2000), start, start, Rise);
        const double end = top * uniform(0.90, 0.93);
        ramp(start, end, isFast ? cfg.fastRate : cfg.slowRate, Pull);
        r = top * uniform(0.16, 0.2);
        ramp(end, r, uniform(2500, 3500), Decel);
        add(uniform(1500, 2500), r, r, Rise);
    }
    ramp(r, cfg.idleRpm, 2000, Decel);
    add(uniform(3000, 5000), cfg.idleRpm, cfg.idleRpm, Idle);
    }
}

const EngineModel::Segment &EngineModel::segmentAt(double ms) const
{
    double t = std::fmod(std::max(0.0, ms), rideMs());
    const auto it = std::upper_bound(segments.begin(), segments.end(), t,
                                     [](double v, const Segment &s) { return v < s.t1; });
    return it == segments.end() ? segments.last() : *it;
}

double EngineModel::rpmAt(double ms) const
{
    const double t = std::fmod(std::max(0.0, ms), rideMs());
    const Segment &s = segmentAt(ms);
    const double f = s.t1 > s.t0 ? std::clamp((t - s.t0) / (s.t1 - s.t0), 0.0, 1.0) : 1.0;
    double rpm = s.rpm0 + f * (s.rpm1 - s.rpm0);
    if (s.phase == Idle)
        rpm += 25.0 * qSin(2 * M_PI * t / 700.0);
    return rpm;
}

EngineModel::Phase EngineModel::phaseAt(double ms) const
{
    return segmentAt(ms).phase;
}

int EngineModel::cellAt(double rpm) const
{
    return qBound(0, qRound(rpm * 40.0 / topRpm()), 40);
}

double EngineModel::trueValue(double rpm) const
{
    const double x = rpm / topRpm();
    double v = 4.0;
    for (int i = 0; i < 4; ++i)
        v += amp[i] * qSin(2 * M_PI * freq[i] * x + phase[i]);
    return v;
}

QVector<double> EngineModel::trueCurve() const
{
    QVector<double> c;
    for (int i = 0; i <= 40; ++i)
        c.append(trueValue(i * double(topRpm()) / 40.0));
    return c;
}

double EngineModel::lambdaAt(double ms, const std::function<int(int)> &curve) const
{
    const Phase p = phaseAt(ms);
    if (p == Decel)
        return 3.0;  // fuel cut: air
    const double rpm = rpmAt(ms);
    if (cfg.closedLoop && p == Cruise) {
        // A narrowband loop: a triangle of +-0.05 lambda, 1.2 s a period.
        const double ph = std::fmod(ms / 1200.0, 1.0);
        return 1.0 + 0.05 * (ph < 0.5 ? 4 * ph - 1 : 3 - 4 * ph);
    }
    const double g = cfg.gainPctPerPoint / 100.0;
    const double need = 1.0 + g * trueValue(rpm);
    const double given = 1.0 + g * curve(cellAt(rpm));
    return cfg.targetAfr / cfg.stoich * need / std::max(0.05, given);
}
