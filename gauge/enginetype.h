// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two engine types and everything that depends on them.

namespace EngineType {

struct Setup {
    int cylinders;
    const char *setting;  // the value stored under "Cylinders"
    double maxRpm;        // end of the curve's speed range
    const char *skin;     // dial face inside the rev counter's layer folder
    int gaugeMaximum;
    double endAngle;      // needle angle at gaugeMaximum
    const char *logo;
};

// The set-up for a cylinder count; every count but 2 gives four cylinders.
const Setup &setupFor(int cylinders);

}  // namespace EngineType
