// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The curve's shape and the value range a unit accepts: 41 points over the
// engine-speed range, each a whole number within the limits that the unit's
// hardware version selects.

namespace Curve {
// Points of the injection curve, in the ECU, the profile files and the window.
constexpr int Points = 41;
// The injection constant K: the engine-speed divisor, 1 to 4.
constexpr int KMin = 1;
constexpr int KMax = 4;
constexpr bool isValidK(int k) { return k >= KMin && k <= KMax; }
} // namespace Curve

// Value range of the curve that a hardware version selects, with the axis
// step of the plot and the step of its value keys.
struct CurveLimits {
    float valueMin = -10.0f;
    float valueMax = 25.0f;
    int valueStep = 5;
    int keyStep = 10;
    static CurveLimits forHardware(unsigned char hwVersion);
};

#include <QVector>
#include <optional>

// What of a curve (and K) a unit with `limits` would refuse: the points
// beyond its value range and a K outside 1..4. The one rule that every way
// to the unit checks before a frame goes out.
struct LimitCheck {
    QVector<int> points;    // in order
    bool kOutside = false;
    bool ok() const { return points.isEmpty() && !kOutside; }
};
LimitCheck checkLimits(const CurveLimits &limits, const QVector<int> &values, std::optional<int> k = std::nullopt);
// The curve with every point brought within the range, and K within 1..4.
QVector<int> clampToLimits(const CurveLimits &limits, const QVector<int> &values);
int clampK(int k);
