// SPDX-License-Identifier: GPL-3.0-or-later
// The curve point editor on a plot built like the window's: picking
// distance, drags (limits, rounding, one undo step), keys, the marks of the
// selection and the live-data tracer across focus changes and repaints, and
// a quiet canvas when nothing happens.

#include <QtWidgets>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include "plot/canvaspicker.h"
#include "plot/curvemarkers.h"
#include "plot/curveseries.h"
#include "plot/plotsetup.h"
#include "profile/curvemodel.h"
#include "uicommon/cmsg.h"

namespace {

// Counts the paint events that reach the canvas, whoever filters them later.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *target) : target(target) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == target && event->type() == QEvent::Paint)
            ++count;
        return false;
    }
    QWidget *target;
    int count = 0;
};

// A window holding the plot (680 wide, as in the main window) and one other
// focusable widget; the plot shows a curve model through the picker, with
// the marks on top.
struct Rig {
    QWidget window;
    QwtPlot *plot = nullptr;
    QLineEdit *other = nullptr;
    QwtPlotCurve *curve = nullptr;
    CurveModel model;
    QItemSelectionModel selection{&model};
    CurveMarkers *marks = nullptr;
    CanvasPicker *picker = nullptr;

    Rig()
    {
        window.resize(680, 370);
        plot = new QwtPlot(&window);
        plot->setGeometry(0, 0, 680, 330);
        other = new QLineEdit(&window);
        other->setGeometry(0, 338, 120, 24);
        curve = plotsetup::buildPlot(plot, 12000.0, model.limits());
        curve->setData(new CurveSeries(&model));
        marks = new CurveMarkers(curve, &selection);
        marks->attach(plot);
        picker = new CanvasPicker(plot, curve, &model, &selection);
        QObject::connect(&selection, &QItemSelectionModel::selectionChanged, plot, [this] { plot->replot(); });
        plot->replot();
    }

    bool showAndActivate()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
    QWidget *canvas() const { return plot->canvas(); }
    int value(int i) const { return model.value(i); }
    QPointF canvasPos(int i) const
    {
        const QPointF s = curve->sample(i);
        return QPointF(plot->transform(QwtPlot::xBottom, s.x()), plot->transform(QwtPlot::yLeft, s.y()));
    }
    void click(const QPoint &pos, Qt::KeyboardModifiers mods = {}) { QTest::mouseClick(canvas(), Qt::LeftButton, mods, pos); }
    void clickOn(int i, Qt::KeyboardModifiers mods = {}) { click(canvasPos(i).toPoint(), mods); }
    // The button goes down on point i and stays down.
    void pressOn(int i) { QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, canvasPos(i).toPoint()); }
    // A move with the left button held, as during a drag.
    void dragTo(const QPoint &pos)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &move);
    }
    QColor pixelAt(const QPointF &pos) { return canvas()->grab().toImage().pixelColor(pos.toPoint()); }
};

QVector<int> filled(int v)
{
    return QVector<int>(Curve::Points, v);
}

}  // namespace

class TestPicker : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CMsg::loadTextTable(); }

    void pickingNeedsStrictlyLessThanTenPixels();
    void dragsKeepThePointsSpeedAndTheLimits();
    void dragValueClampsAndRounds_data();
    void dragValueClampsAndRounds();
    void keysStepWrapAndChangeTheValue();
    void marksFollowTheSelectionAndTheTracer();
    void idleCanvasStopsRepainting();
};

void TestPicker::pickingNeedsStrictlyLessThanTenPixels()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    // Point 0 at the origin of both scales sits on whole canvas pixels; every
    // other point is far away at the top of the plot.
    QVector<int> values = filled(25);
    values[0] = -10;
    rig.model.setValues(values);
    const QPointF p0 = rig.canvasPos(0);
    QCOMPARE(p0, QPointF(std::floor(p0.x()), std::floor(p0.y())));
    const QPoint origin = p0.toPoint();
    rig.click(origin + QPoint(0, -10));
    QCOMPARE(rig.picker->selectedIndex(), -1);
    rig.click(origin + QPoint(10, 0));
    QCOMPARE(rig.picker->selectedIndex(), -1);
    rig.click(origin + QPoint(0, -9));
    QCOMPARE(rig.picker->selectedCurve(), rig.curve);
    QCOMPARE(rig.picker->selectedIndex(), 0);
    // A press far from everything clears the selection; a drag from there
    // changes nothing.
    const QPoint nowhere = origin + QPoint(40, -40);
    rig.click(nowhere);
    QCOMPARE(rig.picker->selectedIndex(), -1);
    QTest::mousePress(rig.canvas(), Qt::LeftButton, Qt::NoModifier, nowhere);
    rig.dragTo(origin + QPoint(0, -70));
    QCOMPARE(rig.model.values(), values);
}

void TestPicker::dragsKeepThePointsSpeedAndTheLimits()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    QVector<int> values;
    for (int i = 0; i < Curve::Points; ++i)
        values.append(i % 7 - 3);
    rig.model.setValues(values);
    rig.model.clearUndo();
    rig.pressOn(20);
    QCOMPARE(rig.picker->selectedIndex(), 20);
    // Far sideways and up: only the point's value changes, never its speed.
    rig.dragTo(rig.canvasPos(30).toPoint() + QPoint(0, -30));
    for (int i = 0; i < Curve::Points; ++i) {
        QCOMPARE(rig.curve->sample(i).x(), i * 300.0);
        if (i != 20)
            QCOMPARE(rig.value(i), values[i]);
    }
    QVERIFY(rig.value(20) != values[20]);
    // Beyond the canvas: the layout's limits, however far.
    const int x = int(rig.canvasPos(20).x());
    const int below = rig.canvas()->height() + 40;
    const QList<QPair<int, int>> narrow{{-40, 25}, {below, -10}, {-100000, 25}};
    for (const auto &drag : narrow) {
        rig.dragTo(QPoint(x, drag.first));
        QCOMPARE(rig.value(20), drag.second);
    }
    // Hardware with the wide limits.
    rig.model.setLimits(CurveLimits::forHardware(21));
    rig.plot->setAxisScale(QwtPlot::yLeft, -20.0, 50.0, 10);
    rig.plot->replot();
    rig.dragTo(QPoint(x, -40));
    QCOMPARE(rig.value(20), 50);
    rig.dragTo(QPoint(x, below));
    QCOMPARE(rig.value(20), -20);
    QTest::mouseRelease(rig.canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(x, 0));
    // Once the button is up, moves do nothing.
    rig.dragTo(QPoint(x, 0));
    QCOMPARE(rig.value(20), -20);
    // However far it went, a drag is one step to undo.
    rig.model.undo();
    QCOMPARE(rig.model.values(), values);
    QVERIFY(!rig.model.canUndo());
}

void TestPicker::dragValueClampsAndRounds_data()
{
    QTest::addColumn<double>("mapped");
    QTest::addColumn<double>("expected");
    QTest::newRow("half up") << 2.5 << 3.0;
    QTest::newRow("negative half up") << -2.5 << -2.0;
    QTest::newRow("below half") << 7.49 << 7.0;
    QTest::newRow("rounds past max") << 25.4 << 25.0;
    QTest::newRow("far above") << 1e30 << 25.0;
    QTest::newRow("rounds below min") << -10.4 << -10.0;
    QTest::newRow("far below") << -1e30 << -10.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 25.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << -10.0;
}

void TestPicker::dragValueClampsAndRounds()
{
    QFETCH(double, mapped);
    QFETCH(double, expected);
    QCOMPARE(CanvasPicker::dragValue(mapped, -10.0f, 25.0f), expected);
}

void TestPicker::keysStepWrapAndChangeTheValue()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    // Every point at the top, all far from the key probe position: the first
    // key still picks the nearest.
    rig.model.setValues(filled(25));
    const QPointF probe(CanvasPicker::keyProbePosition());
    int nearest = 0;
    for (int i = 1; i < Curve::Points; ++i)
        if (QLineF(rig.canvasPos(i), probe).length() < QLineF(rig.canvasPos(nearest), probe).length())
            nearest = i;
    QVERIFY(QLineF(rig.canvasPos(nearest), probe).length() >= 10.0);
    rig.picker->handleKey(Qt::Key_Right);
    QCOMPARE(rig.picker->selectedIndex(), nearest + 1);

    // Left and right wrap round, and never edit.
    rig.model.setValues(filled(0));
    rig.clickOn(40);
    rig.picker->handleKey(Qt::Key_Right);
    QCOMPARE(rig.picker->selectedIndex(), 0);
    rig.picker->handleKey(Qt::Key_Left);
    rig.picker->handleKey(Qt::Key_Left);
    QCOMPARE(rig.picker->selectedIndex(), 39);
    QCOMPARE(rig.model.values(), filled(0));

    // Up and down by one (odd values reachable), pages by five, within the limits.
    const QList<QPair<Qt::Key, int>> steps{{Qt::Key_Up, 1}, {Qt::Key_PageUp, 6}, {Qt::Key_Down, 5},
                                           {Qt::Key_PageDown, 0}};
    for (const auto &step : steps) {
        rig.picker->handleKey(step.first);
        QCOMPARE(rig.value(39), step.second);
    }
    for (int n = 0; n < 20; ++n)
        rig.picker->handleKey(Qt::Key_PageUp);
    QCOMPARE(rig.value(39), 25);
    for (int n = 0; n < 50; ++n)
        rig.picker->handleKey(Qt::Key_Down);
    QCOMPARE(rig.value(39), -10);
    QCOMPARE(rig.model.values().mid(0, 39), filled(0).mid(0, 39));
}

void TestPicker::marksFollowTheSelectionAndTheTracer()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    const QColor green = CurveMarkers::highlightColor();
    const QColor plain(Qt::red);
    rig.clickOn(3);
    rig.clickOn(7, Qt::ShiftModifier);
    QCOMPARE(rig.picker->selectedPoints(), (QVector<int>{3, 4, 5, 6, 7}));
    rig.clickOn(12, Qt::ControlModifier);
    rig.clickOn(5, Qt::ControlModifier);  // Ctrl on a selected point takes it out
    QCOMPARE(rig.picker->selectedPoints(), (QVector<int>{3, 4, 6, 7, 12}));
    QTRY_COMPARE(rig.pixelAt(rig.canvasPos(12)), green);
    QCOMPARE(rig.pixelAt(rig.canvasPos(3)), green);
    QCOMPARE(rig.pixelAt(rig.canvasPos(5)), plain);

    // One point again; its mark survives focus changes, a full replot and a drag.
    rig.pressOn(20);
    QCOMPARE(rig.picker->selectedPoints(), QVector<int>{20});
    QTRY_COMPARE(rig.pixelAt(rig.canvasPos(20)), green);
    QCOMPARE(rig.pixelAt(rig.canvasPos(12)), plain);
    rig.other->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(rig.other->hasFocus());
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);
    rig.canvas()->setFocus(Qt::OtherFocusReason);
    rig.plot->replot();
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);
    rig.dragTo(rig.canvasPos(20).toPoint() + QPoint(0, -40));
    QVERIFY(rig.value(20) > 0);
    QTRY_COMPARE(rig.pixelAt(rig.canvasPos(20)), green);
    QTest::mouseRelease(rig.canvas(), Qt::LeftButton);

    // The key moves the mark; a click on nothing takes it away.
    rig.picker->handleKey(Qt::Key_Right);
    QTRY_COMPARE(rig.pixelAt(rig.canvasPos(21)), green);
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), plain);
    rig.click(QPoint(2, 2));
    QCOMPARE(rig.picker->selectedIndex(), -1);
    QTRY_COMPARE(rig.pixelAt(rig.canvasPos(21)), plain);

    // The point the unit uses now: a ring round it, gone when live data stops.
    const QPoint ring = rig.canvasPos(30).toPoint() + QPoint(0, 8);
    const QColor before = rig.pixelAt(ring);
    rig.marks->setTracer(30, 4);
    QCOMPARE(rig.marks->tracer(), 30);
    QTRY_COMPARE(rig.pixelAt(ring), CurveMarkers::tracerColor());
    rig.marks->setTracer(-1);
    QTRY_COMPARE(rig.pixelAt(ring), before);
}

void TestPicker::idleCanvasStopsRepainting()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    PaintCounter counter(rig.canvas());
    rig.pressOn(20);
    rig.dragTo(rig.canvasPos(20).toPoint() + QPoint(0, -20));
    rig.other->setFocus(Qt::OtherFocusReason);
    QTest::qWait(30);
    rig.canvas()->setFocus(Qt::OtherFocusReason);
    rig.plot->replot();
    rig.picker->handleKey(Qt::Key_Right);
    QTest::qWait(300);
    const int busy = counter.count;
    QVERIFY(busy > 0);   // the canvas did repaint while being edited
    QVERIFY(busy < 50);  // but not without end
    counter.count = 0;
    QTest::qWait(400);
    QCOMPARE(counter.count, 0);
    QCOMPARE(rig.picker->selectedIndex(), 21);
}

QTEST_MAIN(TestPicker)
#include "test_picker.moc"
