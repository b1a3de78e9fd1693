// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ride of the simulated engine written down at once, as the two loggers
// would have written it, without waiting for it: the live log (polls about
// every 30 ms, the ECU's cell in use and its value from `curve`) and the
// wideband's own log. For tests and benchmarks, and for
// `tervalix-ecu-sim --write-logs`.

#include "sim/enginemodel.h"
#include "sim/widebandsensor.h"

#include <QByteArray>

struct EngineRunConfig {
    double startMs = 0;          // engine time of the first poll
    double durationMs = 0;       // 0: one ride
    double pollMs = 30;          // mean poll interval (33 Hz)
    double pollJitterMs = 4;
    qint64 wallOriginMs = 1780308000000LL;  // engine time 0 as a date-time (UTC)
    double widebandLeadMs = 3000;  // the wideband logger starts this early
    double widebandTailMs = 2000;  // and stops this late
    WidebandShape shape;
    bool afrColumn = false;      // the reading in the live log (monitor --wideband), no wideband log
};

struct EngineRunLogs {
    QByteArray live;
    QByteArray wideband;
    int polls = 0;
    int readings = 0;
};

EngineRunLogs simulateRun(const EngineModel &engine, const WidebandConfig &sensor, const QVector<int> &curve,
                          const EngineRunConfig &run);
