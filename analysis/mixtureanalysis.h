// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixture analysis: from live logs and wideband logs to a row per curve
// point and a proposed curve, with the evidence for every point.
//
//   Mixture::Input input;                    // parsed logs (logparser.h)
//   Mixture::Settings settings;              // targets, gain, limits ...
//   const Mixture::Result r = Mixture::analyse(input, settings);
//
// analyse() is a pure function of its arguments: no globals, no shared
// state, so it may run on any thread, several at once, and the same inputs
// give a bit-identical result. For the window, AnalysisJob (analysisjob.h)
// runs it off the GUI thread; LiveMixture (livemixture.h) follows a run as
// it is recorded.

#include "analysis/mixturetypes.h"

namespace Mixture {

Result analyse(const Input &input, const Settings &settings);

// Reads the files (logparser.h) and analyses them. A file that cannot be
// read gives a result with `error` naming the file, the line and the
// reason, and `parseFailed` set.
Result analyseFiles(const QStringList &ecuFiles, const QStringList &widebandFiles, const WidebandFormat &format,
                    const Settings &settings, bool *parseFailed = nullptr);

// Engine speed of point 40, from the logs (rpm against the cell in use):
// 12000 or 17000; 0 when the logs do not tell.
int inferMaxRpm(const QVector<EcuLog> &logs);

} // namespace Mixture
