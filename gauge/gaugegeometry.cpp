// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauge/gaugegeometry.h"

#include <cmath>

namespace GaugeGeometry {

QRectF layerRect(const QSize &defaultSize, const QSize &widgetSize)
{
    if (defaultSize.isEmpty() || widgetSize.isEmpty())
        return QRectF();
    const QSizeF scaled = QSizeF(defaultSize).scaled(QSizeF(widgetSize), Qt::KeepAspectRatio);
    return QRectF(QPointF(0.0, 0.0), scaled);
}

QPointF centringOffset(const QSizeF &layer, const QSize &widgetSize)
{
    return QPointF((widgetSize.width() - layer.width()) * 0.5,
                   (widgetSize.height() - layer.height()) * 0.5);
}

QRectF needleRect(const QRectF &layer, qreal originX, qreal originY)
{
    QRectF r = layer;
    r.moveTopLeft(QPointF(std::trunc(-layer.width() * originX),
                          std::trunc(-layer.height() * originY)));
    return r;
}

QPointF pivotOffset(const QRectF &layer, qreal originX, qreal originY)
{
    return QPointF(layer.width() * originX, layer.height() * originY);
}

qreal needleAngle(int value, int minimum, int maximum, qreal startAngle, qreal endAngle)
{
    if (maximum == minimum)
        return startAngle;
    const qreal span = qreal(maximum) - qreal(minimum);
    return startAngle + (endAngle - startAngle) * (qreal(value) - qreal(minimum)) / span;
}

qreal clampFraction(qreal f)
{
    if (!(f > 0.0))  // also catches NaN
        return 0.0;
    if (f > 1.0)
        return 1.0;
    return f;
}

}  // namespace GaugeGeometry
