#pragma once
// Colours and style sheets of the main window.

#include <QPalette>
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

extern const char *const navyGroupStyle;     // gbGiri, gbRPM
extern const char *const rpmValueGroupStyle; // gbRPMValue

} // namespace WindowLook
