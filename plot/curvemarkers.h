// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The marks on the injection curve, drawn in the plot's own paint pass like
// every other plot item: a green dot on each selected point, and an orange
// ring with the value beside it on the point the ECU is using now (live
// data). The point editor only handles input; whatever repaints the plot
// repaints these too.

#include <QColor>
#include <qwt_plot_item.h>

class QItemSelectionModel;
class QwtPlotCurve;

class CurveMarkers : public QwtPlotItem {
public:
    // Brush colour of the selected points' markers.
    static QColor highlightColor() { return QColor(128, 255, 0, 255); }
    // Colour of the live-data tracer.
    static QColor tracerColor() { return QColor(255, 140, 0, 255); }

    // Marks the points of `curve` that `selection` (one column per point)
    // holds. Neither is owned.
    CurveMarkers(const QwtPlotCurve *curve, const QItemSelectionModel *selection);

    int rtti() const override { return QwtPlotItem::Rtti_PlotUserItem + 1; }
    void draw(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
              const QRectF &canvasRect) const override;

    // The point the ECU uses now and the value it uses there; -1 hides it.
    void setTracer(int index, int value = 0);
    int tracer() const { return tracerIndex; }

private:
    const QwtPlotCurve *curve;
    const QItemSelectionModel *selection;
    int tracerIndex = -1;
    int tracerValue = 0;
};
