// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Putting a wideband log on a live log's clock: ECU time = wideband time +
// offset. From the date-times when both logs have them; from the engine
// speed when the wideband logged it too (a tach input), by cross-correlating
// the two speed traces (around the date-times' offset when there are any,
// since a logger's clock may be seconds off); else from the user.

#include "analysis/mixturetypes.h"

namespace Mixture {

struct OffsetSearch {
    bool ok = false;
    double offsetMs = 0;
    double correlation = 0;  // Pearson, of the speed traces at the offset
    bool ambiguous = false;  // another offset, seconds away, fits as well
};

// The offset within [loMs, hiMs] at which the wideband log's rpm follows the
// live log's best.
OffsetSearch rpmOffset(const EcuLog &ecu, const WidebandLog &wideband, double loMs, double hiMs);

// Which wideband log goes with which live log, and how their clocks relate.
// False with `error` when a pair cannot be placed.
bool pairLogs(const Input &input, const Settings &settings, QVector<Pairing> *pairs, QStringList *messages,
              QString *error);

} // namespace Mixture
