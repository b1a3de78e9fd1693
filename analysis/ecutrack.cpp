// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ecutrack.h"

#include <algorithm>
#include <cmath>

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
    heldFrom.append(-1);
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
    for (; rated < n; ++rated) {
        const int i = rated;
        if (!all && t[n - 1] < t[i] + w)
            break;
        while (t[windowLo] < t[i] - w)
            ++windowLo;
        windowHi = std::max(windowHi, i);
        while (windowHi + 1 < n && t[windowHi + 1] <= t[i] + w)
            ++windowHi;
        const double span = t[windowHi] - t[windowLo];
        rate[i] = float(span > 0 ? (rpm[windowHi] - rpm[windowLo]) * 1000.0 / span : 0.0);
    }
    auto cutting = [&](int i) { return rate[i] < -s.decelRpmPerS; };
    for (; settled < rated; ++settled) {
        const int i = settled;
        // A sample's state waits for the rates of the lead after it.
        if (rated == n ? !all : !(t[rated] > t[i] + s.cutLeadMs))
            return;
        nextCut = std::max(nextCut, i);
        while (nextCut < rated && !cutting(nextCut))
            ++nextCut;
        State st = Steady;
        if (cutting(i)) {
            st = Decel;
            lastDecel = t[i];
        } else if (nextCut < rated && t[nextCut] - t[i] <= s.cutLeadMs) {
            st = Decel;
        } else if (t[i] - lastDecel < s.recoveryMs) {
            st = Recovery;
        } else if (rate[i] > s.transientRpmPerS) {
            st = Transient;
        }
        state[i] = st;
        if (st == Steady && std::abs(rate[i]) < s.steadyRpmPerS && cell[i] < Points)
            heldFrom[i] = i > 0 && heldFrom[i - 1] >= 0 && cell[i - 1] == cell[i] && t[i] - t[i - 1] <= s.maxEcuGapMs
                          ? heldFrom[i - 1]
                          : i;
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
