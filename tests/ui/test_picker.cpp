// The curve point editor on a plot built exactly like the main window's:
// picking distance, drag limits and rounding, key stepping and nudging, the
// green marker across focus changes and repaints, and a quiet idle canvas.

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <limits>
#include <memory>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

#include "uicommon/cmsg.h"
#include "plot/canvaspicker.h"
#include "plot/curveseries.h"
#include "plot/plotsetup.h"
#include "profile/curvemodel.h"

namespace {

constexpr double kMaxRpm = 12000.0;

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

// A window holding the plot (680 x 330, as in the main window) and one other
// focusable widget; the plot shows a curve model through the picker.
struct Rig {
    QWidget window;
    QwtPlot *plot = nullptr;
    QLineEdit *other = nullptr;
    QwtPlotCurve *curve = nullptr;
    CurveModel model;
    CanvasPicker *picker = nullptr;

    explicit Rig(int plotHeight = 330)
    {
        window.resize(680, plotHeight + 40);
        plot = new QwtPlot(&window);
        plot->setGeometry(0, 0, 680, plotHeight);
        other = new QLineEdit(&window);
        other->setGeometry(0, plotHeight + 8, 120, 24);
        curve = plotsetup::buildPlot(plot, kMaxRpm, model.limits());
        curve->setData(new CurveSeries(&model));
        plot->replot();
        picker = new CanvasPicker(plot, curve, &model);
    }

    bool showAndActivate()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        settle();
        return true;
    }

    void settle(int ms = 30) { QTest::qWait(ms); }

    QWidget *canvas() const { return plot->canvas(); }

    void setValues(const QVector<int> &values)
    {
        model.setValues(values, "test");
        settle();
    }

    int value(int i) const { return model.value(i); }

    QPointF canvasPos(int i) const
    {
        const QPointF s = curve->sample(i);
        return QPointF(plot->transform(QwtPlot::xBottom, s.x()), plot->transform(QwtPlot::yLeft, s.y()));
    }

    void click(const QPoint &pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mousePress(canvas(), Qt::LeftButton, modifiers, pos);
        QTest::mouseRelease(canvas(), Qt::LeftButton, modifiers, pos);
    }

    void clickOn(int i, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { click(canvasPos(i).toPoint(), modifiers); }

    // The button goes down on point i and stays down.
    void pressOn(int i) { QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, canvasPos(i).toPoint()); }
    void release(const QPoint &pos) { QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, pos); }

    // A move with the left button held, as during a drag.
    void dragTo(const QPoint &pos)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &move);
    }

    QColor pixelAt(const QPointF &pos)
    {
        const QImage img = canvas()->grab().toImage();
        return img.pixelColor(pos.toPoint());
    }
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

    void pressMustBeStrictlyNearerThanTenPixels();
    void dragAboveOrBelowCanvasGivesLimits();
    void dragOnlyChangesTheSelectedValue();
    void dragRoundsHalvesUp();
    void dragValueClampsAndRounds_data();
    void dragValueClampsAndRounds();
    void leftAndRightWrapAround();
    void firstKeyPicksTheNearestPointHoweverFar();
    void keysChangeTheValueByOneAndPagesByFive();
    void ctrlAndShiftSelectSeveralPoints();
    void highlightSurvivesFocusChangeAndReplot();
    void plainPointAfterDeselection();
    void idleCanvasStopsRepainting();
};

void TestPicker::pressMustBeStrictlyNearerThanTenPixels()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    // Point 0 at the origin of both scales sits on whole canvas pixels; every
    // other point is far away at the top of the plot.
    QVector<int> values = filled(25);
    values[0] = -10;
    rig.setValues(values);
    const QPointF p0 = rig.canvasPos(0);
    QCOMPARE(p0.x(), std::floor(p0.x()));
    QCOMPARE(p0.y(), std::floor(p0.y()));

    const QPoint above(int(p0.x()), int(p0.y()) - 10);
    const QPoint nearer(int(p0.x()), int(p0.y()) - 9);
    rig.click(above);
    QCOMPARE(rig.picker->selectedIndex(), -1);
    rig.click(QPoint(int(p0.x()) + 10, int(p0.y())));
    QCOMPARE(rig.picker->selectedIndex(), -1);
    rig.click(nearer);
    QCOMPARE(rig.picker->selectedCurve(), rig.curve);
    QCOMPARE(rig.picker->selectedIndex(), 0);

    // A press far from everything clears the selection; a drag from there
    // changes nothing.
    rig.click(QPoint(int(p0.x()) + 40, int(p0.y()) - 40));
    QCOMPARE(rig.picker->selectedIndex(), -1);
    QTest::mousePress(rig.canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(int(p0.x()) + 40, int(p0.y()) - 40));
    rig.dragTo(above + QPoint(0, -60));
    QCOMPARE(rig.model.values(), values);
}

void TestPicker::dragAboveOrBelowCanvasGivesLimits()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.pressOn(20);
    QCOMPARE(rig.picker->selectedIndex(), 20);
    const int x = int(rig.canvasPos(20).x());
    rig.dragTo(QPoint(x, -40));
    QCOMPARE(rig.value(20), 25);
    rig.dragTo(QPoint(x, rig.canvas()->height() + 40));
    QCOMPARE(rig.value(20), -10);
    rig.dragTo(QPoint(x, -100000));
    QCOMPARE(rig.value(20), 25);

    // Hardware with the wide limits.
    rig.model.setLimits(CurveLimits::forHardware(21));
    rig.plot->setAxisScale(QwtPlot::yLeft, -20.0, 50.0, 10);
    rig.plot->replot();
    rig.dragTo(QPoint(x, -40));
    QCOMPARE(rig.value(20), 50);
    rig.dragTo(QPoint(x, rig.canvas()->height() + 40));
    QCOMPARE(rig.value(20), -20);
    rig.release(QPoint(x, 0));
    // However far it went, a drag is one step to undo.
    rig.model.undo();
    QCOMPARE(rig.model.values(), filled(0));
    QVERIFY(!rig.model.canUndo());
}

void TestPicker::dragOnlyChangesTheSelectedValue()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    QVector<int> values;
    for (int i = 0; i < Curve::Points; ++i)
        values.append(i % 7 - 3);
    rig.setValues(values);
    rig.pressOn(10);
    QCOMPARE(rig.picker->selectedIndex(), 10);
    // Far sideways and up: the point keeps its engine speed.
    rig.dragTo(rig.canvasPos(30).toPoint() + QPoint(0, -30));
    for (int i = 0; i < Curve::Points; ++i) {
        QCOMPARE(rig.curve->sample(i).x(), i * 300.0);
        if (i != 10)
            QCOMPARE(rig.value(i), values[i]);
    }
    QVERIFY(rig.value(10) != values[10]);
    QCOMPARE(rig.picker->selectedIndex(), 10);
    // Once the button is up, moves do nothing.
    rig.release(QPoint(0, 0));
    const int after = rig.value(10);
    rig.dragTo(rig.canvasPos(10).toPoint() + QPoint(0, 60));
    QCOMPARE(rig.value(10), after);
}

void TestPicker::dragRoundsHalvesUp()
{
    // Find a plot height whose value axis spans a multiple of 70 pixels, so
    // that 2.5 and -2.5 fall on whole pixel rows of the canvas.
    std::unique_ptr<Rig> rig;
    double span = 0;
    for (int h = 330; h < 420 && !rig; ++h) {
        auto candidate = std::make_unique<Rig>(h);
        candidate->plot->updateLayout();
        const QwtScaleMap map = candidate->plot->canvasMap(QwtPlot::yLeft);
        span = map.p1() - map.p2();
        if (span > 0 && std::fmod(span, 70.0) == 0.0)
            rig = std::move(candidate);
    }
    QVERIFY2(rig, "no plot height gives an exact half-unit pixel row");
    QVERIFY(rig->showAndActivate());
    const QwtScaleMap map = rig->plot->canvasMap(QwtPlot::yLeft);
    const int rowPlus = int(map.p1() - 12.5 * span / 35.0);
    const int rowMinus = int(map.p1() - 7.5 * span / 35.0);
    QCOMPARE(rig->plot->invTransform(QwtPlot::yLeft, rowPlus), 2.5);
    QCOMPARE(rig->plot->invTransform(QwtPlot::yLeft, rowMinus), -2.5);
    rig->pressOn(20);
    const int x = int(rig->canvasPos(20).x());
    rig->dragTo(QPoint(x, rowPlus));
    QCOMPARE(rig->value(20), 3);
    rig->dragTo(QPoint(x, rowMinus));
    QCOMPARE(rig->value(20), -2);
}

void TestPicker::dragValueClampsAndRounds_data()
{
    QTest::addColumn<double>("mapped");
    QTest::addColumn<double>("expected");
    QTest::newRow("half up") << 2.5 << 3.0;
    QTest::newRow("negative half up") << -2.5 << -2.0;
    QTest::newRow("below half") << 7.49 << 7.0;
    QTest::newRow("at max") << 25.0 << 25.0;
    QTest::newRow("rounds past max") << 25.4 << 25.0;
    QTest::newRow("far above") << 1e30 << 25.0;
    QTest::newRow("at min") << -10.0 << -10.0;
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

void TestPicker::leftAndRightWrapAround()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.clickOn(39);
    QCOMPARE(rig.picker->selectedIndex(), 39);
    rig.picker->handleKey(Qt::Key_Right);
    QCOMPARE(rig.picker->selectedIndex(), 40);
    rig.picker->handleKey(Qt::Key_Right);
    QCOMPARE(rig.picker->selectedIndex(), 0);
    rig.picker->handleKey(Qt::Key_Left);
    QCOMPARE(rig.picker->selectedIndex(), 40);
    // Stepping never edits.
    QCOMPARE(rig.model.values(), filled(0));
}

void TestPicker::firstKeyPicksTheNearestPointHoweverFar()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    // Every point at the top: all far from the key probe position.
    rig.setValues(filled(25));
    const QPointF probe(CanvasPicker::keyProbePosition());
    int nearest = -1;
    double best = 1e9;
    for (int i = 0; i < Curve::Points; ++i) {
        const double d = QLineF(rig.canvasPos(i), probe).length();
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    QVERIFY(best >= 10.0);
    rig.picker->handleKey(Qt::Key_Right);
    QCOMPARE(rig.picker->selectedIndex(), nearest + 1);
    rig.picker->handleKey(Qt::Key_Left);
    QCOMPARE(rig.picker->selectedIndex(), nearest);
}

void TestPicker::keysChangeTheValueByOneAndPagesByFive()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.clickOn(5);
    rig.picker->handleKey(Qt::Key_Up);
    QCOMPARE(rig.value(5), 1);  // odd values are reachable
    rig.picker->handleKey(Qt::Key_PageUp);
    QCOMPARE(rig.value(5), 6);
    rig.picker->handleKey(Qt::Key_Down);
    rig.picker->handleKey(Qt::Key_PageDown);
    QCOMPARE(rig.value(5), 0);
    for (int n = 0; n < 20; ++n)
        rig.picker->handleKey(Qt::Key_PageUp);
    QCOMPARE(rig.value(5), 25);  // the layout's limit
    for (int n = 0; n < 50; ++n)
        rig.picker->handleKey(Qt::Key_Down);
    QCOMPARE(rig.value(5), -10);
    for (int i = 0; i < Curve::Points; ++i)
        if (i != 5)
            QCOMPARE(rig.value(i), 0);
}

void TestPicker::ctrlAndShiftSelectSeveralPoints()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.clickOn(3);
    rig.clickOn(7, Qt::ShiftModifier);
    QCOMPARE(rig.picker->selectedPoints(), (QVector<int>{3, 4, 5, 6, 7}));
    rig.clickOn(12, Qt::ControlModifier);
    rig.clickOn(5, Qt::ControlModifier);  // Ctrl on a selected point takes it out
    QCOMPARE(rig.picker->selectedPoints(), (QVector<int>{3, 4, 6, 7, 12}));
    rig.settle();
    for (int i : {3, 12})
        QCOMPARE(rig.pixelAt(rig.canvasPos(i)), CanvasPicker::highlightColor());
    QCOMPARE(rig.pixelAt(rig.canvasPos(5)), QColor(Qt::red));
    // A plain click selects one point again.
    rig.clickOn(20);
    QCOMPARE(rig.picker->selectedPoints(), QVector<int>{20});
}

void TestPicker::highlightSurvivesFocusChangeAndReplot()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    const QColor green = CanvasPicker::highlightColor();
    rig.pressOn(20);
    QCOMPARE(rig.picker->selectedIndex(), 20);
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);
    QCOMPARE(rig.pixelAt(rig.canvasPos(21)), QColor(Qt::red));

    rig.other->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(rig.other->hasFocus());
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);

    rig.canvas()->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(rig.canvas()->hasFocus());
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);

    // A full replot rebuilds the canvas from the curve alone.
    rig.plot->replot();
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);

    // After a drag the marker sits on the moved point.
    rig.dragTo(rig.canvasPos(20).toPoint() + QPoint(0, -40));
    rig.settle();
    QVERIFY(rig.value(20) > 0);
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);
}

void TestPicker::plainPointAfterDeselection()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.clickOn(12);
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(12)), CanvasPicker::highlightColor());
    rig.picker->handleKey(Qt::Key_Right);
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(12)), QColor(Qt::red));
    QCOMPARE(rig.pixelAt(rig.canvasPos(13)), CanvasPicker::highlightColor());
    rig.click(QPoint(2, 2));
    rig.settle();
    QCOMPARE(rig.picker->selectedIndex(), -1);
    QCOMPARE(rig.pixelAt(rig.canvasPos(13)), QColor(Qt::red));
}

void TestPicker::idleCanvasStopsRepainting()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    PaintCounter counter(rig.canvas());
    rig.pressOn(20);
    rig.dragTo(rig.canvasPos(20).toPoint() + QPoint(0, -20));
    rig.other->setFocus(Qt::OtherFocusReason);
    rig.settle();
    rig.canvas()->setFocus(Qt::OtherFocusReason);
    rig.plot->replot();
    rig.picker->handleKey(Qt::Key_Right);
    QTest::qWait(300);
    const int busy = counter.count;
    QVERIFY(busy > 0);      // the canvas did repaint while being edited
    QVERIFY(busy < 50);     // but not without end
    counter.count = 0;
    QTest::qWait(400);
    QCOMPARE(counter.count, 0);
    QCOMPARE(rig.picker->selectedIndex(), 21);
    qInfo("paint events on the canvas: %d while editing, %d over 400 ms idle", busy, counter.count);
}

QTEST_MAIN(TestPicker)
#include "test_picker.moc"
