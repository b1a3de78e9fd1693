// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain geometry of the rev counter: where each layer goes in the widget and
// how far the needle turns. The widget's paintEvent only wires these up.

#include <QPointF>
#include <QRectF>
#include <QSize>

namespace GaugeGeometry {

// The rectangle at (0, 0) whose size is the layer's default size scaled into
// the widget size, keeping the aspect ratio. A layer without a usable default
// size (nothing loaded) gets an empty rectangle.
QRectF layerRect(const QSize &defaultSize, const QSize &widgetSize);

// The translation that centres a layer rectangle of size `layer` in the widget.
QPointF centringOffset(const QSizeF &layer, const QSize &widgetSize);

// The needle rectangle placed so that its pivot (the origin fractions of its
// width and height) lies at the painter's origin; the corner is truncated
// towards zero to whole pixels, the size is kept.
QRectF needleRect(const QRectF &layer, qreal originX, qreal originY);

// The translation from the face corner to the needle pivot (not truncated).
QPointF pivotOffset(const QRectF &layer, qreal originX, qreal originY);

// The needle rotation in degrees (clockwise on screen) for `value`, linear
// between startAngle at `minimum` and endAngle at `maximum`. An empty range
// (maximum == minimum) shows the start angle rather than dividing by zero.
qreal needleAngle(int value, int minimum, int maximum, qreal startAngle, qreal endAngle);

// Clamps a needle origin fraction to [0, 1].
qreal clampFraction(qreal f);

}  // namespace GaugeGeometry
