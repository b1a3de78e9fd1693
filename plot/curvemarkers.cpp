// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/curvemarkers.h"

#include "profile/curvelimits.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

CurveMarkers::CurveMarkers(const QwtPlotCurve *curve, const QItemSelectionModel *selection)
    : curve(curve), selection(selection)
{
    setZ(curve->z() + 1);
    setItemAttribute(QwtPlotItem::AutoScale, false);
    setItemAttribute(QwtPlotItem::Legend, false);
}

void CurveMarkers::setTracer(int index, int value)
{
    if (index < 0 || index >= Curve::Points)
        index = -1;
    if (index == tracerIndex && (index < 0 || value == tracerValue))
        return;
    tracerIndex = index;
    tracerValue = value;
    itemChanged();
    if (QwtPlot *p = plot())
        p->replot();
}

void CurveMarkers::draw(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                        const QRectF &) const
{
    const int n = int(curve->dataSize());
    const auto position = [&](int i) {
        const QPointF s = curve->sample(size_t(i));
        return QPointF(xMap.transform(s.x()), yMap.transform(s.y()));
    };
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (tracerIndex >= 0 && tracerIndex < n) {
        const QPointF at = position(tracerIndex);
        painter->setPen(QPen(tracerColor(), 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(at, 8.0, 8.0);
        QFont f = painter->font();
        f.setBold(true);
        painter->setFont(f);
        painter->drawText(at + QPointF(11, -9), QString::number(tracerValue));
    }
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(highlightColor());
    if (selection) {
        QVector<bool> marked(n, false);
        for (const QModelIndex &i : selection->selectedIndexes())
            if (i.column() < n && !marked[i.column()]) {
                marked[i.column()] = true;
                painter->drawEllipse(position(i.column()), 4.0, 4.0);
            }
    }
    painter->restore();
}
