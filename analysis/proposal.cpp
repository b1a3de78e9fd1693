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

PointRow pointRow(int point, const PointSamples &in, const Settings &s, int maxRpm)
{
    PointRow row;
    row.point = point;
    row.rpm = qRound(double(point) * maxRpm / (Points - 1));
    row.targetLambda = targetLambda(s, point);
    row.samples = in.lambda.size();
    const bool excluded = s.excludedPoints.contains(point);
    if (row.samples == 0) {
        row.flag = excluded ? Flag::Excluded : Flag::NoData;
        return row;
    }
    row.hasApplied = true;
    row.applied = in.latest;
    const double ref = fuelFactor(in.latest, s.gainPctPerPoint);
    std::vector<double> v;
    v.reserve(size_t(row.samples));
    int near = 0, below = 0, above = 0;
    const double half = s.closedLoopBand / 2;
    for (int i = 0; i < row.samples; ++i) {
        const double raw = in.lambda[i];
        v.push_back(ref > 0 ? raw * fuelFactor(in.applied[i], s.gainPctPerPoint) / ref : raw);
        if (std::abs(raw - 1.0) <= 2 * s.closedLoopBand) {
            ++near;
            below += raw < 1.0 - half;
            above += raw > 1.0 + half;
        }
    }
    std::sort(v.begin(), v.end());
    const int n = int(v.size());
    row.lambda = n % 2 ? v[size_t(n / 2)] : 0.5 * (v[size_t(n / 2 - 1)] + v[size_t(n / 2)]);
    // The median's interval from order statistics, counted on the readings
    // that are independent enough (one per 100 ms slot).
    QVector<qint64> timeSlots = in.slot;
    std::sort(timeSlots.begin(), timeSlots.end());
    const int independent = int(std::unique(timeSlots.begin(), timeSlots.end()) - timeSlots.begin());
    const double spread = 0.98 * n / std::sqrt(double(std::max(1, independent)));
    row.lambdaLo = v[size_t(std::clamp(int(std::floor(n / 2.0 - spread)), 0, n - 1))];
    row.lambdaHi = v[size_t(std::clamp(int(std::ceil(n / 2.0 + spread)) - 1, 0, n - 1))];
    row.errorPct = (row.lambda / row.targetLambda - 1.0) * 100.0;

    // Many readings close to stoichiometric, swinging to both sides of it,
    // a target away from it: the ECU's own loop held the mixture there for
    // a good part of the time, and the point's figures are not this curve's.
    const bool closedLoop = std::abs(row.targetLambda - 1.0) > s.closedLoopBand && near >= 0.3 * n
                            && below >= s.closedLoopShare * near && above >= s.closedLoopShare * near;
    if (excluded) {
        row.flag = Flag::Excluded;
        return row;
    }
    if (row.samples < s.minSamples) {
        row.flag = Flag::FewSamples;
        return row;
    }
    if (closedLoop && !s.proposeInClosedLoop) {
        row.flag = Flag::ClosedLoop;
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
    row.flag = closedLoop ? Flag::ClosedLoop : p.clamped ? Flag::Clamped : p.limited ? Flag::Limited : Flag::Ok;
    return row;
}

} // namespace Mixture
