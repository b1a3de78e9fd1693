// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Engine speed and the probe's ADC level over the last minute, as a strip
// chart that scrolls while live data comes in. Samples are kept in a ring of
// fixed size; the chart is redrawn at most ten times a second, and not at
// all while no data arrives.

#include <QElapsedTimer>
#include <QTimer>
#include <QVector>
#include <qwt_plot.h>

class QwtPlotCurve;

class LiveHistory : public QwtPlot {
    Q_OBJECT
public:
    static constexpr int SpanSeconds = 60;
    static constexpr int RedrawMs = 100;

    explicit LiveHistory(QWidget *parent = nullptr);

    void addSample(int rpm, int adc);
    void setMaxRpm(double maxRpm);
    void clear();
    void retranslate();
    int sampleCount() const { return samples.size(); }
    // Seconds on the time axis of the newest sample (0 when none).
    double newestAt() const;

private:
    struct Sample {
        qint64 ms;
        int rpm;
        int adc;
    };
    void redraw();

    QwtPlotCurve *rpmCurve;
    QwtPlotCurve *adcCurve;
    QVector<Sample> samples;
    QElapsedTimer clock;
    QTimer redrawTimer;
    bool dirty = false;
};
