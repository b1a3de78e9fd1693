// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/delayestimate.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Mixture {

namespace {

constexpr double CoarseStepMs = 20;
constexpr double FineStepMs = 2;
constexpr double FineHalfMs = 150;
constexpr double FitHalfMs = 40;
constexpr int FineRounds = 3;
constexpr int Blocks = 10;
constexpr double BinRpm = 100;
// How far inside a sweep a reading must fall. The rate window stretches a
// sweep's ends by up to its half-width, and after a change of regime (a
// cut, a closed loop taking over) the sensor's lag spreads the new mixture
// over a few of its time constants: readings there would agree at no delay.
constexpr double EdgeMs = 150;

struct Cell {
    double sum = 0;
    double n = 0;
};

// The stretches of a track during which the speed sweeps (steady state,
// moving, on the curve, polled without a gap): for each sample, the time
// span of its stretch, NaN outside one. Only readings made while the speed
// moves say anything about the delay; held ones would add their spread (a
// closed loop's dither, the sensor's recovery after a fuel cut) to every
// candidate alike.
struct Sweeps {
    std::vector<double> from, to;
    bool inside(int held, double lo, double hi) const
    {
        return held >= 0 && held < int(from.size()) && std::isfinite(from[size_t(held)])
               && lo >= from[size_t(held)] + EdgeMs && hi <= to[size_t(held)] - EdgeMs;
    }
};

Sweeps sweepsOf(const EcuTrack &t, const Settings &s)
{
    const int n = t.size();
    Sweeps w;
    w.from.assign(size_t(n), NaN);
    w.to.assign(size_t(n), NaN);
    // Points the user left out (a region whose readings are not to be
    // trusted) say nothing about the delay either.
    bool excluded[Points] = {};
    for (int p : s.excludedPoints)
        if (p >= 0 && p < Points)
            excluded[p] = true;
    auto moving = [&](int i) {
        return i + 1 < n && t.timeAt(i + 1) - t.timeAt(i) <= s.maxEcuGapMs && t.cellAt(i) < Points
               && !excluded[t.cellAt(i)] && t.stateAt(i) == EcuTrack::Steady && std::abs(t.rateAt(i)) >= s.steadyRpmPerS;
    };
    for (int i = 0; i < n;) {
        if (!moving(i)) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < n && moving(j + 1))
            ++j;
        for (int k = i; k <= j; ++k) {
            w.from[size_t(k)] = t.timeAt(i);
            w.to[size_t(k)] = t.timeAt(j + 1);
        }
        i = j + 1;
    }
    return w;
}

// Splits the speed rates into a slow and a fast group (two-means on the
// logarithm of the rate, exact in one dimension).
double rateSplit(std::vector<double> rates)
{
    if (rates.size() < 4)
        return 0;
    for (double &r : rates)
        r = std::log(r);
    std::sort(rates.begin(), rates.end());
    const size_t n = rates.size();
    std::vector<double> prefix(n + 1, 0.0), prefixSq(n + 1, 0.0);
    for (size_t i = 0; i < n; ++i) {
        prefix[i + 1] = prefix[i] + rates[i];
        prefixSq[i + 1] = prefixSq[i] + rates[i] * rates[i];
    }
    auto ss = [&](size_t a, size_t b) {
        const double m = b - a;
        const double sum = prefix[b] - prefix[a];
        return prefixSq[b] - prefixSq[a] - sum * sum / m;
    };
    double best = 1e300;
    size_t at = n / 2;
    for (size_t k = n / 20 + 1; k + n / 20 + 1 < n; ++k) {
        const double v = ss(0, k) + ss(k, n);
        if (v < best) {
            best = v;
            at = k;
        }
    }
    return std::exp(0.5 * (rates[at - 1] + rates[at]));
}

// Per candidate delay, block, speed band and rate group: the readings'
// weight and weighted sum. A reading is shared between the two bands
// nearest to its speed, so that the cost moves smoothly with the delay.
class Tally {
public:
    Tally(int steps, int bins) : steps(steps), bins(bins), cells(size_t(steps) * Blocks * size_t(bins) * 2) {}
    void add(int d, int block, double rpm, bool fast, double v)
    {
        const double p = std::max(0.0, rpm / BinRpm - 0.5);
        const int k = std::min(bins - 2, int(p));
        const double f = std::min(1.0, p - k);
        Cell &a = at(d, block, k, fast), &b = at(d, block, k + 1, fast);
        a.sum += (1 - f) * v, a.n += 1 - f;
        b.sum += f * v, b.n += f;
    }
    // At each delay, the weighted mean square difference between the slow
    // and the fast readings of the same band; with all blocks ([0]) and
    // with each one left out ([1 + b]).
    std::vector<std::vector<double>> cost() const
    {
        std::vector<std::vector<double>> out(Blocks + 1, std::vector<double>(size_t(steps), NaN));
        for (int d = 0; d < steps; ++d) {
            double num[Blocks + 1] = {}, den[Blocks + 1] = {};
            for (int k = 0; k < bins; ++k) {
                Cell all[2];
                for (int b = 0; b < Blocks; ++b)
                    for (int g = 0; g < 2; ++g) {
                        const Cell &c = at(d, b, k, g);
                        all[g].sum += c.sum, all[g].n += c.n;
                    }
                for (int leave = -1; leave < Blocks; ++leave) {
                    Cell x[2] = {all[0], all[1]};
                    if (leave >= 0)
                        for (int g = 0; g < 2; ++g) {
                            const Cell &c = at(d, leave, k, g);
                            x[g].sum -= c.sum, x[g].n -= c.n;
                        }
                    if (!(x[0].n > 1e-9 && x[1].n > 1e-9))
                        continue;
                    const double w = x[0].n * x[1].n / (x[0].n + x[1].n);
                    const double diff = x[1].sum / x[1].n - x[0].sum / x[0].n;
                    num[leave + 1] += w * diff * diff;
                    den[leave + 1] += w;
                }
            }
            for (int j = 0; j <= Blocks; ++j)
                if (den[j] > 0)
                    out[size_t(j)][size_t(d)] = num[j] / den[j];
        }
        return out;
    }

private:
    Cell &at(int d, int b, int k, int g) { return cells[((size_t(d) * Blocks + size_t(b)) * size_t(bins) + size_t(k)) * 2 + size_t(g)]; }
    const Cell &at(int d, int b, int k, int g) const
    {
        return cells[((size_t(d) * Blocks + size_t(b)) * size_t(bins) + size_t(k)) * 2 + size_t(g)];
    }
    int steps, bins;
    std::vector<Cell> cells;
};

int gridMin(const std::vector<double> &cost)
{
    int best = -1;
    for (int i = 0; i < int(cost.size()); ++i)
        if (std::isfinite(cost[size_t(i)]) && (best < 0 || cost[size_t(i)] < cost[size_t(best)]))
            best = i;
    return best;
}

// The minimum of a sampled cost, between its grid points: the vertex of a
// parabola fitted (least squares) to the samples within `half` steps of
// the lowest one, kept within that reach.
double argmin(const std::vector<double> &cost, int half, int *at)
{
    const int best = gridMin(cost);
    *at = best;
    if (best < 0)
        return NaN;
    double m[5] = {};  // sums of x^0..x^4
    double r[3] = {};  // sums of y, x y, x^2 y
    int count = 0;
    for (int i = std::max(0, best - half); i <= std::min(int(cost.size()) - 1, best + half); ++i) {
        const double y = cost[size_t(i)];
        if (!std::isfinite(y))
            continue;
        const double x = i - best;
        double p = 1;
        for (double &v : m) {
            v += p;
            p *= x;
        }
        r[0] += y, r[1] += x * y, r[2] += x * x * y;
        ++count;
    }
    if (count < 3)
        return best;
    // Normal equations for y = c0 + c1 x + c2 x^2 (Cramer's rule).
    const double a[3][3] = {{m[0], m[1], m[2]}, {m[1], m[2], m[3]}, {m[2], m[3], m[4]}};
    auto det = [](const double q[3][3]) {
        return q[0][0] * (q[1][1] * q[2][2] - q[1][2] * q[2][1]) - q[0][1] * (q[1][0] * q[2][2] - q[1][2] * q[2][0])
               + q[0][2] * (q[1][0] * q[2][1] - q[1][1] * q[2][0]);
    };
    const double d = det(a);
    if (!(std::abs(d) > 0))
        return best;
    double b1[3][3], b2[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            b1[i][j] = j == 1 ? r[i] : a[i][j];
            b2[i][j] = j == 2 ? r[i] : a[i][j];
        }
    const double c1 = det(b1) / d, c2 = det(b2) / d;
    if (!(c2 > 0))
        return best;
    return best + std::clamp(-c1 / (2 * c2), -double(half), double(half));
}

// Half-width of the 95 % interval from the leave-one-block-out minima.
double jackknife(const std::vector<std::vector<double>> &cost, int half, double stepMs)
{
    std::vector<double> v;
    for (int b = 1; b <= Blocks; ++b) {
        int ignored;
        const double x = argmin(cost[size_t(b)], half, &ignored);
        if (std::isfinite(x))
            v.push_back(x * stepMs);
    }
    double se = stepMs / std::sqrt(12.0);
    if (v.size() >= 2) {
        double mean = 0;
        for (double x : v)
            mean += x;
        mean /= double(v.size());
        double var = 0;
        for (double x : v)
            var += (x - mean) * (x - mean);
        const double m = double(v.size());
        se = std::max(se, std::sqrt(var * (m - 1) / m));
    }
    return 1.96 * se;
}

} // namespace

DelayEstimate estimateDelay(const QVector<EcuTrack> &tracks, const QVector<DelayReading> &readings,
                            const Settings &s, QStringList *messages)
{
    DelayEstimate out;
    out.reliable = false;
    int maxRpm = 0;
    for (const EcuTrack &t : tracks)
        for (int i = 0; i < t.size(); ++i)
            maxRpm = std::max(maxRpm, t.rpmAt(i));
    const int bins = std::min(400, int(maxRpm / BinRpm) + 3);
    const int n = readings.size();
    auto tr = [](const char *text) { return QCoreApplication::translate("Mixture", text); };
    std::vector<double> rates;
    for (const EcuTrack &t : tracks)
        for (int i = 0; i < t.size(); i += 5)
            if (t.stateAt(i) == EcuTrack::Steady && std::abs(t.rateAt(i)) >= s.steadyRpmPerS)
                rates.push_back(std::abs(t.rateAt(i)));
    const double split = rateSplit(rates);
    if (n < 200 || split <= 0) {
        *messages << tr("troppo poche letture per stimare il ritardo della sonda: indicarlo");
        return out;
    }
    std::vector<Sweeps> sweeps;
    for (const EcuTrack &t : tracks)
        sweeps.push_back(sweepsOf(t, s));
    // At the correction in force then: the mixture without the curve.
    auto bare = [&](const DelayReading &x, const EcuTrack &t, int held) {
        return x.lambda * fuelFactor(t.valueAt(held), s.gainPctPerPoint);
    };

    // First over the whole range: each reading counts at the delays that put
    // it well inside a sweep.
    const int coarseSteps = int(s.delaySearchMaxMs / CoarseStepMs) + 1;
    Tally coarse(coarseSteps, bins);
    for (int r = 0; r < n; ++r) {
        const DelayReading &x = readings[r];
        const EcuTrack &t = tracks[x.track];
        const Sweeps &w = sweeps[size_t(x.track)];
        const int block = int(qint64(r) * Blocks / n);
        int held = t.indexAt(x.ms);
        for (int d = 0; d < coarseSteps; ++d) {
            const double q = x.ms - d * CoarseStepMs;
            while (held >= 0 && t.timeAt(held) > q)
                --held;
            if (held < 0)
                break;
            if (w.inside(held, q, q))
                coarse.add(d, block, t.rpmAtTime(held, q), std::abs(t.rateAt(held)) >= split, bare(x, t, held));
        }
    }
    const std::vector<std::vector<double>> coarseCost = coarse.cost();
    int at = -1;
    const double coarseMs = argmin(coarseCost[0], 1, &at) * CoarseStepMs;
    if (at < 0) {
        *messages << tr("troppo poche letture per stimare il ritardo della sonda: indicarlo");
        return out;
    }
    out.ms = coarseMs;
    double half95 = jackknife(coarseCost, 1, CoarseStepMs);

    // Then finely around it, on one set of readings for every delay tried:
    // a reading that some candidate would put outside a sweep counts for
    // none, so that no candidate wins by leaving the awkward ones out.
    const int fitHalf = int(FitHalfMs / FineStepMs);
    double centre = coarseMs;
    for (int round = 0; round < FineRounds; ++round) {
        const double first = std::max(0.0, std::round(centre / FineStepMs) * FineStepMs - FineHalfMs);
        const double last = std::min(s.delaySearchMaxMs, first + 2 * FineHalfMs);
        const int steps = int((last - first) / FineStepMs) + 1;
        Tally fine(steps, bins);
        int used = 0;
        for (int r = 0; r < n; ++r) {
            const DelayReading &x = readings[r];
            const EcuTrack &t = tracks[x.track];
            const double lo = x.ms - last, hi = x.ms - first;
            int held = t.indexAt(hi);
            if (!sweeps[size_t(x.track)].inside(held, lo, hi))
                continue;
            ++used;
            const int block = int(qint64(r) * Blocks / n);
            const bool fast = std::abs(t.rateAt(t.indexAt(x.ms - centre))) >= split;
            for (int d = 0; d < steps; ++d) {
                const double q = x.ms - (first + d * FineStepMs);
                while (held >= 0 && t.timeAt(held) > q)
                    --held;
                fine.add(d, block, t.rpmAtTime(held, q), fast, bare(x, t, held));
            }
        }
        if (used < 100)
            break;
        const std::vector<std::vector<double>> cost = fine.cost();
        int fineAt = -1;
        const double x = argmin(cost[0], fitHalf, &fineAt);
        if (fineAt < 0)
            break;
        out.ms = first + x * FineStepMs;
        half95 = jackknife(cost, fitHalf, FineStepMs);
        const bool atEdge = (fineAt < fitHalf && first > 0) || (fineAt >= steps - fitHalf && last < s.delaySearchMaxMs);
        if (!atEdge)
            break;
        centre = out.ms;
    }

    out.lo = std::max(0.0, out.ms - half95);
    out.hi = std::min(s.delaySearchMaxMs, out.ms + half95);
    double worst = 0;
    for (double c : coarseCost[0])
        if (std::isfinite(c))
            worst = std::max(worst, c);
    const double best = coarseCost[0][size_t(at)];
    const bool flat = !(worst > best * 1.02);
    const bool edge = at == 0 || at == coarseSteps - 1;
    out.reliable = !flat && !edge && out.hi - out.lo <= 300;
    if (!out.reliable)
        *messages << tr("il ritardo della sonda non si ricava bene da questi dati (servono tirate a velocità diverse): "
                        "stimato %1 ms, intervallo %2–%3 ms; meglio indicarlo")
                         .arg(qRound(out.ms))
                         .arg(qRound(out.lo))
                         .arg(qRound(out.hi));
    return out;
}

} // namespace Mixture
