// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated wideband sensor and its controller: the exhaust reaches the
// sensor after a transport delay, the sensor follows it with a first-order
// lag, the controller adds noise, reads 0.0 while warming up and sits on its
// lean rail when the exhaust is air (fuel cut), coming back slowly after it.
// It samples on its own clock (offset from the engine's) at its own rate.
// The readings can be written as a log in a few common shapes or sent as
// ASCII lines (one number per line), as controllers do on a serial port.

#include <QByteArray>
#include <QString>
#include <QVector>

#include <random>

struct WidebandConfig {
    double delayMs = 600;       // transport delay
    double lagMs = 40;          // first-order time constant
    double noiseAfr = 0.15;     // standard deviation of the noise, AFR
    double rateHz = 50;
    double clockOffsetMs = 0;   // the logger's clock = engine clock - this
    double warmupMs = 0;        // reads 0.0 for this long
    double railLambda = 1.70;   // the lean rail
    double recoveryLambda = 0.15; // lean excess right after a fuel cut
    double recoveryMs = 500;    // its time constant
    double stoich = 14.7;
    quint32 seed = 1;
};

// How a wideband log looks: "comma", "semicolon" or "tab"; "decimal-comma";
// "s", "ms" or "iso" times; "afr" or "lambda"; "rpm" adds an engine-speed
// column. Parsed from words separated by ',' or '+' ("semicolon+decimal-comma+ms").
struct WidebandShape {
    char separator = ',';
    bool decimalComma = false;
    enum Time { Seconds, Millis, Iso } time = Seconds;
    bool lambda = false;
    bool rpm = true;
    static bool parse(const QString &text, WidebandShape *shape, QString *error);
};

class WidebandSensor {
public:
    explicit WidebandSensor(const WidebandConfig &config);
    // Feeds the exhaust's lambda at engine time `ms` (steps of a few ms, in
    // order).
    void exhaust(double ms, double lambda);
    // What the controller shows at engine time `ms` (fed up to there at
    // least), `sinceStartMs` after it was switched on; noise included.
    double reading(double ms, double sinceStartMs);
    double lastFedMs() const { return fedMs; }

private:
    WidebandConfig cfg;
    std::mt19937 rng;
    std::normal_distribution<double> noise;
    QVector<double> times;   // the sensor's state after each step
    QVector<double> values;
    double state = 1.0;
    double lastTarget = 1.0; // what the sensor was approaching at the last step
    double excess = 0.0;     // recovery after a fuel cut
    double fedMs = -1;
    int first = 0;           // oldest kept step
};

// One log line and the header, in a shape.
QByteArray widebandHeader(const WidebandShape &shape);
QByteArray widebandLine(const WidebandShape &shape, double clockMs, qint64 isoOriginMs, double lambda,
                        double stoich, double rpm);
