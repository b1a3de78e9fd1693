#include "analysis/ecutrack.h"

#include <algorithm>

namespace Mixture {

void EcuTrack::build(const EcuLog &log)
{
    t.reserve(log.samples.size());
    for (const EcuSample &x : log.samples)
        append(x);
    finish();
}

void EcuTrack::append(const EcuSample &x)
{
    t.append(x.ms);
    rpm.append(x.rpm);
    cell.append(x.cellIndex);
    value.append(x.cellValue);
    state.append(Unsettled);
    rate.append(0.0f);
    settle(false);
}

void EcuTrack::finish()
{
    settle(true);
}

void EcuTrack::settle(bool all)
{
    const int n = t.size();
    const double w = s.rateWindowMs;
    int hi = 0;
    for (; settled < n; ++settled) {
        const int i = settled;
        if (!all && t[n - 1] < t[i] + w)
            return;
        while (t[windowLo] < t[i] - w)
            ++windowLo;
        hi = std::max(hi, i);
        while (hi + 1 < n && t[hi + 1] <= t[i] + w)
            ++hi;
        const double span = t[hi] - t[windowLo];
        const double r = span > 0 ? (rpm[hi] - rpm[windowLo]) * 1000.0 / span : 0.0;
        rate[i] = float(r);
        State st = Steady;
        if (r < -s.decelRpmPerS) {
            st = Decel;
            lastDecel = t[i];
        } else if (t[i] - lastDecel < s.recoveryMs) {
            st = Recovery;
        } else if (r > s.transientRpmPerS) {
            st = Transient;
        }
        state[i] = st;
    }
}

double EcuTrack::settledUntil() const
{
    return settled > 0 ? t[settled - 1] : -1e300;
}

int EcuTrack::indexAt(double ms) const
{
    const auto it = std::upper_bound(t.constBegin(), t.constEnd(), ms);
    return int(it - t.constBegin()) - 1;
}

double EcuTrack::rpmAtTime(int held, double ms) const
{
    if (held < 0)
        return rpm.isEmpty() ? 0 : rpm[0];
    if (held + 1 >= t.size() || t[held + 1] <= t[held])
        return rpm[held];
    const double f = (ms - t[held]) / (t[held + 1] - t[held]);
    return rpm[held] + f * (rpm[held + 1] - rpm[held]);
}

bool EcuTrack::classify(double ms, int *held, Reason *reason) const
{
    const int i = indexAt(ms);
    *held = i;
    const int n = t.size();
    if (i < 0 || i >= settled || (i + 1 < n ? t[i + 1] - t[i] : ms - t[i]) > s.maxEcuGapMs) {
        *reason = Reason::NoEcu;
        return false;
    }
    if (cell[i] >= Points) {
        *reason = Reason::OffCurve;
        return false;
    }
    switch (state[i]) {
    case Decel:
    case Recovery:
        *reason = Reason::FuelCut;
        return false;
    case Transient:
        *reason = Reason::Transient;
        return false;
    case Unsettled:
        *reason = Reason::NoEcu;
        return false;
    default:
        return true;
    }
}

} // namespace Mixture
