// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain data of the mixture analysis: the logs as parsed, the settings and
// the result. No QObject, nothing shared: copies can go to another thread.
//
// Mixture is kept as lambda inside the analysis; AFR readings and targets
// are converted with Settings::stoich, one ratio for both, so that the
// measured/target ratio never depends on a hidden constant.

#include "profile/curvelimits.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <limits>

namespace Mixture {

constexpr int Points = Curve::Points;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

enum class Unit { Auto, Afr, Lambda };

// One poll of a Tervalix live log.
struct EcuSample {
    double ms = 0;        // elapsed_ms: the recording's own clock
    int rpm = 0;
    int cellIndex = 0;    // the curve point the ECU was using
    int cellValue = 0;    // the value it applied (signed)
    double afr = NaN;     // the optional afr column (monitor --wideband)
};

struct EcuLog {
    QString name;
    QByteArray sha256;             // hex, of the file's bytes
    bool hasAbsolute = false;
    double absoluteOriginMs = 0;   // date-time of ms == 0, as written (no zone)
    bool hasAfr = false;
    QVector<EcuSample> samples;    // in time order
};

struct WidebandReading {
    double ms = 0;      // the logger's clock, from its first line
    double value = NaN; // AFR or lambda (WidebandLog::unit); NaN: no number
    double rpm = NaN;
};

struct WidebandLog {
    QString name;
    QByteArray sha256;
    bool hasAbsolute = false;
    double absoluteOriginMs = 0;
    bool hasRpm = false;
    Unit unit = Unit::Afr;          // Afr or Lambda once parsed
    QVector<WidebandReading> readings;
};

// How a wideband log is read when its header alone does not say.
struct WidebandFormat {
    QString timeColumn;     // empty: found by name
    QString mixtureColumn;
    QString rpmColumn;      // empty: "rpm" if there is one
    Unit unit = Unit::Auto; // Auto: the column's name, its unit, then the values
    enum TimeUnit { AutoTime, Seconds, Milliseconds } timeUnit = AutoTime;
};

struct Input {
    QVector<EcuLog> ecu;
    QVector<WidebandLog> wideband;  // empty: the live logs' own afr column
};

struct Settings {
    double stoich = 14.7;
    // Lambda targets: one for every point, or 41; empty: 0.90.
    QVector<double> targetLambda;
    // % fuel that one point of the curve adds (a positive point adds fuel).
    double gainPctPerPoint = 1.0;
    int maxStep = 5;          // points per pass, either way
    int minSamples = 20;
    int valueMin = -20;       // the unit's value range
    int valueMax = 50;
    int maxRpm = 0;           // engine speed of point 40; 0: from the logs

    bool delayFixed = false;  // else estimated from the data
    double delayMs = 0;
    double delaySearchMaxMs = 2000;
    bool offsetFixed = false; // ECU time = wideband time + offset
    double offsetMs = 0;

    // Filters.
    double validLambdaMin = 0.60;   // sensor railed, cold or warming up
    double validLambdaMax = 1.40;
    double decelRpmPerS = 400;      // falling faster than this: fuel cut
    double recoveryMs = 1500;       // the sensor's slow return after it
    // Before it too: the sensor's lag carries the cut's air into readings
    // that belong to the last moments of the pull, and the rate window puts
    // the start of a deceleration a little late.
    double cutLeadMs = 100;
    double transientRpmPerS = 6000; // faster than any pull, either way
    double rateWindowMs = 100;      // half-width of the speed-rate estimate
    double steadyRpmPerS = 300;     // slower than this the speed is held (a cruise, idle)
    double maxEcuGapMs = 500;       // longer without a poll: no ECU state
    // Closed loop: while the speed is held for at least closedLoopMinMs at
    // one point, the readings' median lies within closedLoopBand of lambda 1,
    // they swing slowly (their spread beyond the reading-to-reading noise
    // at least a third of the band) and at least closedLoopShare of them
    // lie beyond half the band on each side of 1; and the target is
    // further from 1 than the band. Those readings are left out.
    double closedLoopBand = 0.03;
    double closedLoopShare = 0.20;
    double closedLoopMinMs = 1000;
    bool proposeInClosedLoop = false;  // keep them (the point is still flagged)
    QVector<int> excludedPoints;    // never proposed (reversion, a region to leave alone)
};

enum class Reason { Invalid, NoEcu, OffCurve, FuelCut, Transient, ClosedLoop, Count };
constexpr int ReasonCount = int(Reason::Count);
// Stable names for scripts: "invalid", "no_ecu", "off_curve", "fuel_cut", "transient", "closed_loop".
const char *reasonKey(Reason r);

enum class Flag { Ok, NoData, FewSamples, ClosedLoop, Excluded, Limited, Clamped };
// Stable names: "ok", "no_data", "few_samples", "closed_loop", "excluded", "limited", "clamped".
const char *flagKey(Flag f);

struct PointRow {
    int point = 0;
    int rpm = 0;
    int samples = 0;           // readings counted (those of a closed loop are not)
    int closedLoop = 0;        // readings left out: the ECU's own loop held the mixture
    double lambda = NaN;       // median of the readings, at the correction in force
    double lambdaLo = NaN;     // 95 % interval of that median
    double lambdaHi = NaN;
    double targetLambda = NaN;
    double errorPct = NaN;     // fuel to add, % (positive: lean)
    bool hasApplied = false;
    int applied = 0;           // the correction in force (latest sample's)
    bool hasProposal = false;
    int proposed = 0;
    double exact = NaN;        // the proposal before rounding and limits
    Flag flag = Flag::NoData;
};

struct DelayEstimate {
    double ms = 0;
    double lo = 0;             // 95 % interval
    double hi = 0;
    bool fixed = false;
    bool reliable = true;
};

struct Pairing {
    int ecuLog = 0;
    int widebandLog = -1;      // -1: the live log's own afr column
    enum Method { Embedded, Absolute, Rpm, AbsoluteAndRpm, User } method = Embedded;
    double offsetMs = 0;
    double correlation = 0;    // of the rpm traces, when they were used
    int readings = 0;
};
const char *methodKey(Pairing::Method m);

struct InputHash {
    QString name;
    QByteArray sha256;
};

struct Result {
    bool ok = false;
    QString error;              // why nothing could be analysed
    QStringList messages;       // what the user should know about the result
    QVector<PointRow> points;   // 41 rows when ok
    int readings = 0;           // wideband readings looked at
    int used = 0;               // of those, counted towards a point
    std::array<int, ReasonCount> rejected{};
    DelayEstimate delay;
    QVector<Pairing> pairs;
    QVector<InputHash> inputs;
    int maxRpm = 0;
    int valueMin = 0;
    int valueMax = 0;

    int proposals() const;
};

// The stored form of a cell value: a proposal is a whole number of points.
inline double fuelFactor(double value, double gainPct) { return 1.0 + gainPct * value / 100.0; }

} // namespace Mixture

#include <QMetaType>
Q_DECLARE_METATYPE(Mixture::Result)
