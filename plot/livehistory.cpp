// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/livehistory.h"

#include <QCoreApplication>
#include <QPen>
#include <qwt_legend.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_text.h>

#include "plot/plotsetup.h"

LiveHistory::LiveHistory(QWidget *parent) : QwtPlot(parent)
{
    setObjectName(QStringLiteral("qwtStorico"));
    setMinimumHeight(140);
    setStyleSheet(QStringLiteral("background-color: rgb(60, 60, 60);"));
    canvas()->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
    enableAxis(QwtPlot::yRight, true);
    for (int axis : {QwtPlot::xBottom, QwtPlot::yLeft, QwtPlot::yRight})
        setAxisFont(axis, plotsetup::axisLabelFont());
    setAxisScale(QwtPlot::xBottom, -SpanSeconds, 0, 10);
    setAxisScale(QwtPlot::yLeft, 0, 12000, 2000);
    setAxisScale(QwtPlot::yRight, 0, 255, 50);
    plotsetup::makeGrid()->attach(this);

    rpmCurve = new QwtPlotCurve;
    rpmCurve->setPen(QPen(QColor(255, 140, 0), 2));
    rpmCurve->setAxes(QwtPlot::xBottom, QwtPlot::yLeft);
    rpmCurve->attach(this);
    adcCurve = new QwtPlotCurve;
    adcCurve->setPen(QPen(QColor(120, 255, 120), 1));
    adcCurve->setAxes(QwtPlot::xBottom, QwtPlot::yRight);
    adcCurve->attach(this);
    retranslate();

    clock.start();
    redrawTimer.setInterval(RedrawMs);
    connect(&redrawTimer, &QTimer::timeout, this, &LiveHistory::redraw);
}

void LiveHistory::retranslate()
{
    auto title = [](const QString &text, const QColor &colour) {
        QwtText t(text);
        t.setColor(colour);
        QFont f = plotsetup::axisLabelFont();
        f.setBold(true);
        t.setFont(f);
        return t;
    };
    setAxisTitle(QwtPlot::yLeft, title(tr("Giri/min"), QColor(255, 140, 0)));
    setAxisTitle(QwtPlot::yRight, title(tr("ADC sonda"), QColor(120, 255, 120)));
    setAxisTitle(QwtPlot::xBottom, title(tr("Secondi"), Qt::white));
}

void LiveHistory::setMaxRpm(double maxRpm)
{
    setAxisScale(QwtPlot::yLeft, 0, maxRpm, maxRpm > 12000 ? 4000 : 2000);
    replot();
}

void LiveHistory::addSample(int rpm, int adc)
{
    const qint64 now = clock.elapsed();
    samples.append(Sample{now, rpm, adc});
    // Older than the span: gone (in batches, not one by one).
    if (samples.size() > 64 && now - samples.first().ms > SpanSeconds * 1000 + 5000) {
        int keep = 0;
        while (keep < samples.size() && now - samples[keep].ms > SpanSeconds * 1000)
            ++keep;
        samples.remove(0, keep);
    }
    dirty = true;
    if (!redrawTimer.isActive())
        redrawTimer.start();
}

double LiveHistory::newestAt() const
{
    return samples.isEmpty() ? 0.0 : (samples.last().ms - clock.elapsed()) / 1000.0;
}

void LiveHistory::clear()
{
    samples.clear();
    dirty = true;
    redraw();
}

void LiveHistory::redraw()
{
    if (!dirty) {
        // Nothing new for a while: the chart stands still and so does the timer.
        redrawTimer.stop();
        return;
    }
    dirty = false;
    const qint64 now = clock.elapsed();
    QVector<double> x, rpm, adc;
    x.reserve(samples.size());
    rpm.reserve(samples.size());
    adc.reserve(samples.size());
    for (const Sample &s : samples) {
        const double at = (s.ms - now) / 1000.0;
        if (at < -SpanSeconds)
            continue;
        x << at;
        rpm << s.rpm;
        adc << s.adc;
    }
    rpmCurve->setSamples(x, rpm);
    adcCurve->setSamples(x, adc);
    replot();
}
