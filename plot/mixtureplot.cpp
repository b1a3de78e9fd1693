// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/mixtureplot.h"

#include <QPen>
#include <qwt_interval_symbol.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_intervalcurve.h>
#include <qwt_symbol.h>

#include <cmath>

MixturePlot::MixturePlot(QWidget *parent) : QwtPlot(parent)
{
    setCanvasBackground(QColor(3, 0, 51));
    auto *grid = new QwtPlotGrid;
    grid->setMajorPen(QPen(QColor(90, 90, 120), 0, Qt::DotLine));
    grid->attach(this);

    intervals = new QwtPlotIntervalCurve;
    intervals->setStyle(QwtPlotIntervalCurve::NoCurve);
    auto *bar = new QwtIntervalSymbol(QwtIntervalSymbol::Bar);
    bar->setWidth(7);
    bar->setPen(QPen(QColor(120, 200, 255), 1.5));
    intervals->setSymbol(bar);
    intervals->attach(this);

    measured = new QwtPlotCurve;
    measured->setStyle(QwtPlotCurve::NoCurve);
    measured->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(QColor(255, 140, 0)), QPen(Qt::black, 0), QSize(7, 7)));
    measured->attach(this);

    target = new QwtPlotCurve;
    target->setPen(QPen(QColor(120, 255, 120), 2.0, Qt::DashLine));
    target->attach(this);
    retranslate();
}

void MixturePlot::retranslate()
{
    setAxisTitle(QwtPlot::xBottom, tr("Giri/min"));
    setAxisTitle(QwtPlot::yLeft, showAfr ? tr("AFR") : tr("Lambda"));
    measured->setTitle(tr("Misurata"));
    target->setTitle(tr("Obiettivo"));
}

void MixturePlot::setResult(const Mixture::Result &result, bool afr, double stoich)
{
    showAfr = afr;
    const double scale = afr ? stoich : 1.0;
    QVector<QPointF> dots;
    QVector<QwtIntervalSample> bars;
    QVector<QPointF> goal;
    for (const Mixture::PointRow &row : result.points) {
        if (std::isfinite(row.targetLambda))
            goal << QPointF(row.rpm, row.targetLambda * scale);
        if (row.samples == 0 || !std::isfinite(row.lambda))
            continue;
        dots << QPointF(row.rpm, row.lambda * scale);
        if (std::isfinite(row.lambdaLo) && std::isfinite(row.lambdaHi))
            bars << QwtIntervalSample(row.rpm, row.lambdaLo * scale, row.lambdaHi * scale);
    }
    measured->setSamples(dots);
    intervals->setSamples(bars);
    target->setSamples(goal);
    setAxisScale(QwtPlot::xBottom, 0, result.maxRpm > 0 ? result.maxRpm : 12000);
    retranslate();
    replot();
}
