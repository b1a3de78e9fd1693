// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/proposal.h"

#include <algorithm>
#include <cmath>

namespace Mixture {

Proposal propose(int applied, double measured, double target, const Settings &s)
{
    Proposal p;
    const double g = s.gainPctPerPoint;
    const double f = fuelFactor(applied, g);
    if (!(g > 0) || !(f > 0) || !(measured > 0) || !(target > 0))
        return p;
    p.exact = (f * measured / target - 1.0) * 100.0 / g;
    if (!std::isfinite(p.exact))
        return p;
    // Far beyond any cell: the limits below decide anyway.
    const double bounded = std::clamp(p.exact, -1e6, 1e6);
    long v = std::lround(bounded);
    const long lo = long(applied) - s.maxStep, hi = long(applied) + s.maxStep;
    if (v < lo || v > hi) {
        v = std::clamp(v, lo, hi);
        p.limited = true;
    }
    if (v < s.valueMin || v > s.valueMax) {
        v = std::clamp(v, long(s.valueMin), long(s.valueMax));
        p.clamped = true;
    }
    p.value = int(v);
    p.ok = true;
    return p;
}

double targetLambda(const Settings &s, int point)
{
    if (s.targetLambda.size() == Points)
        return s.targetLambda[point];
    if (!s.targetLambda.isEmpty())
        return s.targetLambda.first();
    return 0.90;
}

namespace {

// A stretch of held speed whose readings swing slowly around
// stoichiometric: the ECU's own loop set the mixture, not this curve. The
// swing must stand out from the reading-to-reading noise (half the mean
// square difference of neighbours), so that a point that runs near
// stoichiometric in open loop, however noisy its sensor, is never taken
// for one.
bool dithers(const PointSamples &in, int a, int b, const Settings &s)
{
    const int n = b - a;
    if (n < 10 || in.ms[b - 1] - in.ms[a] < s.closedLoopMinMs)
        return false;
    std::vector<double> v(in.lambda.constBegin() + a, in.lambda.constBegin() + b);
    double mean = 0, noise = 0;
    for (int i = 0; i < n; ++i) {
        mean += v[size_t(i)];
        if (i > 0)
            noise += (v[size_t(i)] - v[size_t(i - 1)]) * (v[size_t(i)] - v[size_t(i - 1)]);
    }
    mean /= n;
    noise /= 2.0 * (n - 1);
    double spread = 0;
    int below = 0, above = 0;
    const double half = s.closedLoopBand / 2;
    for (double x : v) {
        spread += (x - mean) * (x - mean);
        below += x < 1.0 - half;
        above += x > 1.0 + half;
    }
    spread /= n;
    std::nth_element(v.begin(), v.begin() + n / 2, v.end());
    const double third = s.closedLoopBand / 3;
    return std::abs(v[size_t(n / 2)] - 1.0) <= s.closedLoopBand && spread - noise >= third * third
           && below >= s.closedLoopShare * n && above >= s.closedLoopShare * n;
}

} // namespace

PointRow pointRow(int point, const PointSamples &in, const Settings &s, int maxRpm)
{
    PointRow row;
    row.point = point;
    row.rpm = qRound(double(point) * maxRpm / (Points - 1));
    row.targetLambda = targetLambda(s, point);
    const int all = in.lambda.size();
    const bool excluded = s.excludedPoints.contains(point);
    if (all == 0) {
        row.flag = excluded ? Flag::Excluded : Flag::NoData;
        return row;
    }
    row.hasApplied = true;
    row.applied = in.latest;

    // Stretches held by a closed loop, when the target is not what a loop
    // aims at anyway.
    std::vector<char> loop(size_t(all), 0);
    bool loopSeen = false;
    if (std::abs(row.targetLambda - 1.0) > s.closedLoopBand) {
        for (int a = 0; a < all;) {
            int b = a + 1;
            while (b < all && in.stretch[b] == in.stretch[a])
                ++b;
            if (in.stretch[a] >= 0 && dithers(in, a, b, s)) {
                std::fill(loop.begin() + a, loop.begin() + b, char(1));
                loopSeen = true;
            }
            a = b;
        }
    }
    if (s.proposeInClosedLoop)
        std::fill(loop.begin(), loop.end(), char(0));

    const double ref = fuelFactor(in.latest, s.gainPctPerPoint);
    std::vector<double> v;
    v.reserve(size_t(all));
    QVector<qint64> timeSlots;
    for (int i = 0; i < all; ++i) {
        if (loop[size_t(i)])
            continue;
        const double raw = in.lambda[i];
        v.push_back(ref > 0 ? raw * fuelFactor(in.applied[i], s.gainPctPerPoint) / ref : raw);
        timeSlots.append(in.slot[i]);
    }
    const int n = int(v.size());
    row.samples = n;
    row.closedLoop = all - n;
    if (n > 0) {
        std::sort(v.begin(), v.end());
        row.lambda = n % 2 ? v[size_t(n / 2)] : 0.5 * (v[size_t(n / 2 - 1)] + v[size_t(n / 2)]);
        // The median's interval from order statistics, counted on the
        // readings that are independent enough (one per 100 ms slot).
        std::sort(timeSlots.begin(), timeSlots.end());
        const int independent = int(std::unique(timeSlots.begin(), timeSlots.end()) - timeSlots.begin());
        const double spread = 0.98 * n / std::sqrt(double(std::max(1, independent)));
        row.lambdaLo = v[size_t(std::clamp(int(std::floor(n / 2.0 - spread)), 0, n - 1))];
        row.lambdaHi = v[size_t(std::clamp(int(std::ceil(n / 2.0 + spread)) - 1, 0, n - 1))];
        row.errorPct = (row.lambda / row.targetLambda - 1.0) * 100.0;
    }
    if (excluded) {
        row.flag = Flag::Excluded;
        return row;
    }
    if (n < s.minSamples) {
        row.flag = row.closedLoop > 0 ? Flag::ClosedLoop : Flag::FewSamples;
        return row;
    }
    const Proposal p = propose(in.latest, row.lambda, row.targetLambda, s);
    row.exact = p.exact;
    if (!p.ok) {
        row.flag = Flag::NoData;
        return row;
    }
    row.hasProposal = true;
    row.proposed = p.value;
    row.flag = loopSeen && s.proposeInClosedLoop ? Flag::ClosedLoop
               : p.clamped                       ? Flag::Clamped
               : p.limited                       ? Flag::Limited
                                                 : Flag::Ok;
    return row;
}

} // namespace Mixture
