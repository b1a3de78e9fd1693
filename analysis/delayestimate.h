#pragma once
// The sensor's delay from the data itself. A reading belongs to the engine
// speed of `delay` earlier; with the wrong delay, pulls at different sweep
// rates put readings of different engine speeds into the same speed band,
// and the slow and the fast readings of a band disagree. The readings made
// while the speed moves are split into a slow and a fast group; the
// estimate is the delay (10 ms grid, refined between grid points) at which
// the two groups' means in 100-rpm bands differ least (mean square,
// weighted by the readings behind each band); its 95 % interval comes from a delete-one jackknife over
// ten consecutive blocks of the readings, which keeps the readings'
// correlation in time inside each block.
//
// What is estimated is the delay that matters for attributing a reading:
// the transport delay plus the sensor's own lag (during a steady sweep a
// first-order lag of tau behaves as a delay of tau).

#include "analysis/ecutrack.h"

namespace Mixture {

struct DelayReading {
    int track = 0;     // index of the EcuTrack
    double ms = 0;     // on that track's clock, before the delay
    double lambda = 0;
};

// `readings` grouped by track, each group in time order.
DelayEstimate estimateDelay(const QVector<EcuTrack> &tracks, const QVector<DelayReading> &readings,
                            const Settings &settings, QStringList *messages);

} // namespace Mixture
