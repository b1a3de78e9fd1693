#include "analysis/delayestimate.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Mixture {

namespace {

constexpr double StepMs = 10;
constexpr int Blocks = 10;
constexpr double BinRpm = 100;
// Only readings made while the speed moves say anything about the delay;
// steady ones would add their spread (a closed loop's dither, the sensor's
// recovery after a fuel cut) to every candidate alike.
constexpr double MinRateRpmPerS = 300;

struct Cell {
    double sum = 0;
    int n = 0;
};

// Minimum of a sampled curve, refined by a parabola through its neighbours.
double argmin(const std::vector<double> &cost, int *at)
{
    int best = -1;
    for (int i = 0; i < int(cost.size()); ++i)
        if (std::isfinite(cost[size_t(i)]) && (best < 0 || cost[size_t(i)] < cost[size_t(best)]))
            best = i;
    *at = best;
    if (best < 0)
        return NaN;
    double x = best;
    if (best > 0 && best + 1 < int(cost.size()) && std::isfinite(cost[size_t(best - 1)])
        && std::isfinite(cost[size_t(best + 1)])) {
        const double a = cost[size_t(best - 1)], b = cost[size_t(best)], c = cost[size_t(best + 1)];
        const double den = a - 2 * b + c;
        if (den > 0)
            x += std::clamp(0.5 * (a - c) / den, -0.5, 0.5);
    }
    return x * StepMs;
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

} // namespace

DelayEstimate estimateDelay(const QVector<EcuTrack> &tracks, const QVector<DelayReading> &readings,
                            const Settings &s, QStringList *messages)
{
    DelayEstimate out;
    out.reliable = false;
    const int steps = int(s.delaySearchMaxMs / StepMs) + 1;
    int maxRpm = 0;
    for (const EcuTrack &t : tracks)
        for (int i = 0; i < t.size(); ++i)
            maxRpm = std::max(maxRpm, t.rpmAt(i));
    const int bins = std::min(400, int(maxRpm / BinRpm) + 2);
    const int n = readings.size();
    auto tr = [](const char *text) { return QCoreApplication::translate("Mixture", text); };
    std::vector<double> rates;
    for (const EcuTrack &t : tracks)
        for (int i = 0; i < t.size(); i += 5)
            if (t.stateAt(i) == EcuTrack::Steady && std::abs(t.rateAt(i)) >= MinRateRpmPerS)
                rates.push_back(std::abs(t.rateAt(i)));
    const double split = rateSplit(rates);
    if (n < 200 || split <= 0) {
        *messages << tr("troppo poche letture per stimare il ritardo della sonda: indicarlo");
        return out;
    }
    // Per delay, block, speed band and rate group: readings and their sum.
    std::vector<Cell> cells(size_t(steps) * Blocks * size_t(bins) * 2);
    auto cellAt = [&](int d, int b, int k, int g) -> Cell & {
        return cells[((size_t(d) * Blocks + size_t(b)) * size_t(bins) + size_t(k)) * 2 + size_t(g)];
    };
    for (int r = 0; r < n; ++r) {
        const DelayReading &x = readings[r];
        const EcuTrack &t = tracks[x.track];
        const int block = int(qint64(r) * Blocks / n);
        int held = t.indexAt(x.ms);
        for (int d = 0; d < steps; ++d) {
            const double q = x.ms - d * StepMs;
            while (held >= 0 && t.timeAt(held) > q)
                --held;
            if (held < 0)
                break;
            const int next = held + 1 < t.size() ? held + 1 : held;
            const double rate = std::abs(t.rateAt(held));
            if (t.timeAt(next) - t.timeAt(held) > s.maxEcuGapMs || t.cellAt(held) >= Points
                || t.stateAt(held) != EcuTrack::Steady || rate < MinRateRpmPerS)
                continue;
            const int bin = std::min(bins - 1, int(t.rpmAtTime(held, q) / BinRpm));
            // At the correction in force then: the mixture without the curve.
            const double v = x.lambda * fuelFactor(t.valueAt(held), s.gainPctPerPoint);
            Cell &c = cellAt(d, block, bin, rate >= split);
            c.sum += v;
            ++c.n;
        }
    }
    // At each delay, the weighted mean square difference between the slow
    // and the fast readings of the same band; with all blocks and with each
    // one left out.
    std::vector<std::vector<double>> cost(Blocks + 1, std::vector<double>(size_t(steps), NaN));
    for (int d = 0; d < steps; ++d) {
        std::vector<double> num(Blocks + 1, 0.0), den(Blocks + 1, 0.0);
        for (int k = 0; k < bins; ++k) {
            Cell all[2];
            for (int b = 0; b < Blocks; ++b)
                for (int g = 0; g < 2; ++g) {
                    const Cell &c = cellAt(d, b, k, g);
                    all[g].sum += c.sum, all[g].n += c.n;
                }
            for (int leave = -1; leave < Blocks; ++leave) {
                Cell x[2] = {all[0], all[1]};
                if (leave >= 0)
                    for (int g = 0; g < 2; ++g) {
                        const Cell &c = cellAt(d, leave, k, g);
                        x[g].sum -= c.sum, x[g].n -= c.n;
                    }
                if (x[0].n < 1 || x[1].n < 1)
                    continue;
                const double w = double(x[0].n) * x[1].n / (x[0].n + x[1].n);
                const double diff = x[1].sum / x[1].n - x[0].sum / x[0].n;
                const size_t slot = size_t(leave + 1);
                num[slot] += w * diff * diff;
                den[slot] += w;
            }
        }
        for (size_t j = 0; j <= Blocks; ++j)
            if (den[j] > 0)
                cost[j][size_t(d)] = num[j] / den[j];
    }
    int at = -1;
    out.ms = argmin(cost[0], &at);
    if (at < 0) {
        *messages << tr("troppo poche letture per stimare il ritardo della sonda: indicarlo");
        out.ms = 0;
        return out;
    }
    std::vector<double> leaveOut;
    for (int b = 0; b < Blocks; ++b) {
        int ignored;
        const double v = argmin(cost[size_t(b) + 1], &ignored);
        if (std::isfinite(v))
            leaveOut.push_back(v);
    }
    double se = StepMs / std::sqrt(12.0);
    if (leaveOut.size() >= 2) {
        double mean = 0;
        for (double v : leaveOut)
            mean += v;
        mean /= double(leaveOut.size());
        double var = 0;
        for (double v : leaveOut)
            var += (v - mean) * (v - mean);
        const double m = double(leaveOut.size());
        se = std::max(se, std::sqrt(var * (m - 1) / m));
    }
    out.lo = std::max(0.0, out.ms - 1.96 * se);
    out.hi = std::min(s.delaySearchMaxMs, out.ms + 1.96 * se);
    double worst = 0;
    for (double c : cost[0])
        if (std::isfinite(c))
            worst = std::max(worst, c);
    const double best = cost[0][size_t(at)];
    const bool flat = !(worst > best * 1.02);
    const bool edge = at == 0 || at == steps - 1;
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
