// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours and style sheets of the main window.

#include <QPalette>
#include <QIcon>
#include <QString>

namespace WindowLook {

QPalette mainPalette();
// Dark-blue text of the transfer and profile buttons.
QPalette actionButtonPalette();
// Red text of the close button.
QPalette closeButtonPalette();

// Look of the two LED buttons; `textIndent` leaves room for the LED.
QString ledStyle(bool on, int textIndent);
QString bancoStyle(bool on);

// An icon from a multi-size .ico file with only the sizes a window frame
// shows (up to 64 pixels) decoded; the large ones cost more to decode than
// the rest of the window takes to build. Decoded once per file.
QIcon windowIcon(const QString &path);

extern const char *const navyGroupStyle;     // gbGiri, gbRPM
extern const char *const rpmValueGroupStyle; // gbRPMValue

} // namespace WindowLook
