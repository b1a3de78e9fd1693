// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every key the programs keep in the settings store, in one place: the
// window and the command-line tool read the same store.

#include <QString>

namespace SettingsKeys {

// "IT" or "EN": the language of the window, the tool and their messages.
inline QString language() { return QStringLiteral("Language"); }
// "2" or "4": the engine type chosen for a unit that does not report it.
inline QString cylinders() { return QStringLiteral("Cylinders"); }
// The main window's place and size (QWidget::saveGeometry).
inline QString geometry() { return QStringLiteral("Geometry"); }
// The serial port that last found a unit: offered first by the search.
inline QString lastPort() { return QStringLiteral("LastPort"); }
// Search at once when a unit is plugged in, without asking.
inline QString autoSearch() { return QStringLiteral("AutoSearch"); }

} // namespace SettingsKeys
