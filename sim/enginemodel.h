// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated engine for the mixture analysis: a ride (idle, a cruise, pulls
// at two sweep rates, decelerations with fuel cut) laid out from a seed, and
// a "true" fuel requirement over engine speed, also from the seed. The
// mixture the engine makes at a moment follows from the requirement, the
// value the ECU applies (the cell nearest to the speed, as the unit does)
// and the real fuel per point. Everything is a function of the seed and
// time: the same seed rides the same ride.

#include <QVector>
#include <QtGlobal>

#include <functional>

struct EngineConfig {
    quint32 seed = 1;
    unsigned char cylinders = 4;   // 4: 17000 rpm at point 40, else 12000
    double targetAfr = 13.2;       // what the true curve makes
    double stoich = 14.7;
    double gainPctPerPoint = 1.0;  // fuel that one point really adds, %
    double slowRate = 800;         // rpm/s of the slow pulls
    double fastRate = 2500;        // and of the fast ones
    double idleRpm = 1300;
    bool closedLoop = true;        // the cruise runs in the ECU's own loop
    double cruiseRpm = 2800;
    int laps = 1;                  // rides of fresh random timing, one after the other
};

class EngineModel {
public:
    enum Phase { Idle, Rise, Cruise, Pull, Decel };
    struct Segment {
        double t0, t1;  // ms
        double rpm0, rpm1;
        Phase phase;
    };

    explicit EngineModel(const EngineConfig &config = EngineConfig());
    const EngineConfig &config() const { return cfg; }
    int topRpm() const { return cfg.cylinders == 4 ? 17000 : 12000; }

    // Engine speed and phase at `ms` (the ride repeats after its end).
    double rpmAt(double ms) const;
    Phase phaseAt(double ms) const;
    // The curve point the ECU uses at this speed.
    int cellAt(double rpm) const;
    // Length of one ride, ms.
    double rideMs() const { return segments.last().t1; }
    const QVector<Segment> &ride() const { return segments; }
    // Where each lap starts and how long it lasts, ms.
    double lapStartMs(int lap) const { return laps.value(lap, rideMs()); }
    double lapMs(int lap) const { return lapStartMs(lap + 1) - lapStartMs(lap); }

    // The value (in points, not rounded) that puts the mixture on target at
    // this speed, and the same at the 41 points.
    double trueValue(double rpm) const;
    QVector<double> trueCurve() const;

    // Lambda of the exhaust made at `ms` with `curve` (the ECU's 41 values)
    // in force: fuel cut during decelerations, the ECU's own loop (a dither
    // around stoichiometric) in the steady cruise.
    double lambdaAt(double ms, const std::function<int(int)> &curve) const;

private:
    const Segment &segmentAt(double ms) const;

    EngineConfig cfg;
    QVector<Segment> segments;
    QVector<double> laps;
    double amp[4], freq[4], phase[4];
};
