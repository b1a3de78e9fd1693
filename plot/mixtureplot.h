// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixture of every point as measured, against its target: the median of
// the readings as a dot, its 95 % interval as a bar, the target as a line.
// Points without readings show nothing: there is nothing to show.

#include <qwt_plot.h>

#include "analysis/mixturetypes.h"

class QwtPlotCurve;
class QwtPlotIntervalCurve;

class MixturePlot : public QwtPlot {
    Q_OBJECT
public:
    explicit MixturePlot(QWidget *parent = nullptr);

    // `afr`: the mixture as AFR (with `stoich`), else as lambda.
    void setResult(const Mixture::Result &result, bool afr, double stoich);
    void retranslate();

private:
    QwtPlotCurve *measured;
    QwtPlotIntervalCurve *intervals;
    QwtPlotCurve *target;
    bool showAfr = true;
};
