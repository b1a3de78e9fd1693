// SPDX-License-Identifier: GPL-3.0-or-later
// One drag step of the curve point editor: a mouse move with the button held
// arrives at the canvas, the selected value changes and the canvas is painted
// again (immediately, with the green marker) before the event returns.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include "uicommon/cmsg.h"
#include "plot/canvaspicker.h"
#include "plot/curveseries.h"
#include "plot/plotsetup.h"
#include "profile/curvemodel.h"

class BenchPicker : public QObject {
    Q_OBJECT

private slots:
    void dragStep();
};

void BenchPicker::dragStep()
{
    CMsg::loadTextTable();
    QWidget window;
    window.resize(680, 330);
    auto *plot = new QwtPlot(&window);
    plot->setGeometry(0, 0, 680, 330);
    CurveModel model;
    QwtPlotCurve *curve = plotsetup::buildPlot(plot, 12000.0, model.limits());
    curve->setData(new CurveSeries(&model));
    auto *picker = new CanvasPicker(plot, curve, &model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    plot->replot();
    QTest::qWait(20);

    QWidget *canvas = plot->canvas();
    const QPointF p = QPointF(plot->transform(QwtPlot::xBottom, curve->sample(20).x()),
                              plot->transform(QwtPlot::yLeft, curve->sample(20).y()));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, p.toPoint());
    QCOMPARE(picker->selectedIndex(), 20);

    // Alternate between two rows so that every step changes the value.
    const QPoint rows[2] = {p.toPoint() + QPoint(0, -40), p.toPoint() + QPoint(0, 40)};
    int n = 0;
    QBENCHMARK {
        QMouseEvent move(QEvent::MouseMove, QPointF(rows[n & 1]), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        ++n;
    }
    QVERIFY(curve->sample(20).y() != 0.0);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, p.toPoint());
}

QTEST_MAIN(BenchPicker)
#include "bench_picker.moc"
