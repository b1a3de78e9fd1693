// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One live log as the analysis looks it up: the ECU's state at any moment
// of its clock, with the speed's rate of change and what it implies (fuel
// cut, the sensor's recovery after it, a transient). The sample in force at
// a moment is the last one polled before it, held until the next: the ECU
// polls more slowly than most widebands, and a reading must not be dropped
// for falling between two polls.

#include "analysis/mixturetypes.h"

namespace Mixture {

class EcuTrack {
public:
    enum State : unsigned char { Steady, Decel, Recovery, Transient, Unsettled };

    explicit EcuTrack(const Settings &settings) : s(settings) {}
    // The whole log at once.
    void build(const EcuLog &log);
    // Sample by sample (the live form); states are known once the rate
    // window and the cut lead after a sample have been polled (or at
    // finish()).
    void append(const EcuSample &sample);
    void finish();

    int size() const { return int(t.size()); }
    double timeAt(int i) const { return t[i]; }
    int rpmAt(int i) const { return rpm[i]; }
    int cellAt(int i) const { return cell[i]; }
    int valueAt(int i) const { return value[i]; }
    State stateAt(int i) const { return State(state[i]); }
    // Engine speed's rate of change around sample i, rpm/s.
    double rateAt(int i) const { return rate[i]; }
    // First sample of the stretch in which the speed is held at one point
    // (Settings::steadyRpmPerS) around sample i; -1 while it moves.
    int heldSince(int i) const { return heldFrom[i]; }
    // Engine speed at `ms`, linear between the polls around it.
    double rpmAtTime(int held, double ms) const;
    // Last sample at or before `ms` (-1: none); `hint` speeds up a walk.
    int indexAt(double ms) const;
    // Latest moment whose state is settled (the live form waits for it).
    double settledUntil() const;

    // The sample in force at `ms`, or why there is none to count on.
    bool classify(double ms, int *held, Reason *reason) const;

private:
    void settle(bool all);

    Settings s;
    QVector<double> t;
    QVector<int> rpm;
    QVector<int> cell;
    QVector<int> value;
    QVector<unsigned char> state;
    QVector<float> rate;
    QVector<int> heldFrom;
    int rated = 0;            // rates known for [0, rated)
    int settled = 0;          // states known for [0, settled)
    int windowLo = 0;         // first sample inside the rate window
    int windowHi = 0;
    int nextCut = 0;          // first decelerating sample at or after `settled`, or `rated`
    double lastDecel = -1e300;
};

} // namespace Mixture
