// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells a quiet line from a noisy one. A quiet line gives no byte that the
// link has to skip and no reply that nobody asked for; a little of either
// happens (a late answer, a glitch). The line counts as noisy once more than
// BytesPerSecond unexpected bytes arrive in each of SustainSeconds seconds
// in a row, and as quiet again after a whole second without any.

#include <QtGlobal>

class NoiseMonitor {
public:
    static constexpr int BytesPerSecond = 8;
    static constexpr int SustainSeconds = 2;

    // `bytes` unexpected bytes at `nowMs` (a monotonic clock). Returns true
    // when the verdict changed.
    bool add(int bytes, qint64 nowMs);
    // Re-evaluates at `nowMs` without new bytes; true when the verdict changed.
    bool tick(qint64 nowMs);
    bool isNoisy() const { return noisy; }
    // Unexpected bytes since the monitor was made or reset.
    qint64 total() const { return totalBytes; }
    void reset();

private:
    void roll(qint64 nowMs);

    qint64 secondStart = -1;  // start of the current one-second bucket
    int current = 0;          // bytes in the current bucket
    int loudSeconds = 0;      // finished buckets in a row above the threshold
    bool noisy = false;
    qint64 totalBytes = 0;
};
