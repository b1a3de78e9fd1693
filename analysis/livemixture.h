// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The analysis as a run is recorded: ECU polls and wideband readings are
// fed as they come (on one clock, e.g. the recorder's), and the per-point
// figures and the proposal follow. A reading is counted once the polls
// around the moment it belongs to (a delay earlier) are in; until then it
// waits. The delay is the settings' delayMs (the live form does not
// estimate it: run analyse() on snapshot() for that, e.g. at the end of a
// run, through AnalysisJob).
//
// Not thread-safe: feed and read it from one thread (cheap enough for the
// GUI thread: each reading costs a lookup; result() sorts each point's
// readings).

#include "analysis/ecutrack.h"
#include "analysis/proposal.h"

#include <deque>

namespace Mixture {

class LiveMixture {
public:
    explicit LiveMixture(const Settings &settings);

    void addEcuSample(const EcuSample &sample);
    // A wideband reading at `ms` on the ECU samples' clock; `lambda` NaN
    // for a reading without a number.
    void addReading(double ms, double lambda);
    // Counts what is still waiting as if the run had ended.
    void finish();

    Result result() const;
    // What was fed, as the batch analysis takes it (the readings as the
    // live log's afr column would carry them).
    Input snapshot() const;

private:
    void drain(bool all);

    Settings s;
    EcuTrack track;
    EcuLog log;
    WidebandLog readings;
    std::deque<std::pair<double, double>> waiting;
    QVector<PointSamples> points;
    std::array<int, ReasonCount> rejected{};
    int seen = 0;
    int used = 0;
};

} // namespace Mixture
