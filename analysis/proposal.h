// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From the readings counted towards a point to its row: the measured
// mixture with its interval, the error, and the proposed value.
//
// A reading counts towards the point the ECU was using when the exhaust it
// measured was made (a delay earlier): that cell alone set the correction
// then, so the reading says how right that cell's value was. Readings made
// under different values of the cell (the curve changed between runs) are
// brought to the latest value first, multiplicatively.
//
// The arithmetic, with g the % fuel that one point adds (a positive point
// adds fuel) and F(v) = 1 + g v / 100 the fuel at value v against value 0:
//   exact    = (F(applied) * measured / target - 1) * 100 / g
//   proposed = round(exact), at most maxStep away from `applied`, within
//              the unit's value range.
// A lean reading (measured lambda above the target) asks for more fuel.
//
// Readings of a stretch of held speed that the ECU's own closed loop set
// (Settings::closedLoopBand) are left out of a point's figures and counted
// in PointRow::closedLoop; the readings of the same point while the speed
// moved still count.

#include "analysis/mixturetypes.h"

namespace Mixture {

// What the analysis gathered for one point, in time order.
struct PointSamples {
    QVector<double> lambda;    // measured
    QVector<int> applied;      // the cell's value when each was made
    QVector<qint64> slot;      // 100-ms slot of each (readings in one slot are not independent)
    QVector<qint64> stretch;   // the stretch of held speed each belongs to; -1: the speed moved
    QVector<double> ms;        // when its exhaust was made (ECU clock)
    int latest = 0;            // the cell's value in the latest reading
    void add(double l, int value, qint64 timeSlot, qint64 heldStretch = -1, double atMs = 0)
    {
        lambda.append(l);
        applied.append(value);
        slot.append(timeSlot);
        stretch.append(heldStretch);
        ms.append(atMs);
        latest = value;
    }
};

struct Proposal {
    bool ok = false;          // false: the arithmetic has no answer (fuel factor not positive)
    int value = 0;
    double exact = NaN;
    bool limited = false;     // the per-pass limit cut it
    bool clamped = false;     // the value range cut it
};
Proposal propose(int applied, double measuredLambda, double targetLambda, const Settings &settings);

// The target of `point` (lambda).
double targetLambda(const Settings &settings, int point);

PointRow pointRow(int point, const PointSamples &samples, const Settings &settings, int maxRpm);

} // namespace Mixture
