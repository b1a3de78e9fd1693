// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/noisemonitor.h"

void NoiseMonitor::roll(qint64 nowMs)
{
    if (secondStart < 0) {
        secondStart = nowMs;
        return;
    }
    while (nowMs - secondStart >= 1000) {
        if (current > BytesPerSecond)
            ++loudSeconds;
        else
            loudSeconds = 0;
        if (current == 0)
            noisy = false;
        else if (loudSeconds >= SustainSeconds)
            noisy = true;
        current = 0;
        secondStart += 1000;
        if (nowMs - secondStart >= 2000) {  // a long quiet gap: skip ahead
            loudSeconds = 0;
            noisy = false;
            secondStart = nowMs;
        }
    }
}

bool NoiseMonitor::add(int bytes, qint64 nowMs)
{
    const bool before = noisy;
    roll(nowMs);
    current += bytes;
    totalBytes += bytes;
    // A flood is noisy within the second it lasts, not only when it ends.
    if (loudSeconds >= SustainSeconds - 1 && current > BytesPerSecond)
        noisy = true;
    return noisy != before;
}

bool NoiseMonitor::tick(qint64 nowMs)
{
    const bool before = noisy;
    roll(nowMs);
    return noisy != before;
}

void NoiseMonitor::reset()
{
    *this = NoiseMonitor();
}
