// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sensor's delay from the data itself. A reading belongs to the engine
// speed of `delay` earlier; with the wrong delay, pulls at different sweep
// rates put readings of different engine speeds into the same speed band,
// and the slow and the fast readings of a band disagree. The readings made
// while the speed sweeps are split into a slow and a fast group; the cost
// of a delay is the weighted mean square difference of the two groups'
// means in 100-rpm bands (a reading shared between its two nearest bands).
// A 20 ms grid over the whole search range finds the neighbourhood; then a
// 2 ms grid within 150 ms of it, on one fixed set of readings (those well
// inside a sweep at every delay tried, so that no candidate wins by
// leaving the awkward readings at a sweep's ends out), and the optimum is
// the vertex of a parabola fitted around the grid's best. Its 95 % interval
// comes from a delete-one jackknife over ten consecutive blocks of the
// readings, which keeps the readings' correlation in time inside each block.
//
// What is estimated is the delay that matters for attributing a reading:
// the transport delay plus the sensor's own lag (during a steady sweep a
// first-order lag of time constant tau behaves as a delay of tau).

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
