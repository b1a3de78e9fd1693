// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's place and size between runs.

class QWidget;

namespace WindowGeometry {

// Restores the stored "Geometry" if it fits a screen; a window far larger
// than any screen, or mostly off every screen, gets its designed size,
// centred on the primary screen, instead.
void restoreFitted(QWidget *window);
void save(const QWidget *window);

} // namespace WindowGeometry
