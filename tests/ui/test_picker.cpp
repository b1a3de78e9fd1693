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

#include "mainwindow/cmsg.h"
#include "profile/canvaspicker.h"
#include "profile/plotsetup.h"

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
// focusable widget.
struct Rig {
    QWidget window;
    QwtPlot *plot = nullptr;
    QLineEdit *other = nullptr;
    QwtPlotCurve *curve = nullptr;
    CanvasPicker *picker = nullptr;
    plotsetup::CurveLimits limits;

    explicit Rig(int plotHeight = 330)
    {
        window.resize(680, plotHeight + 40);
        plot = new QwtPlot(&window);
        plot->setGeometry(0, 0, 680, plotHeight);
        other = new QLineEdit(&window);
        other->setGeometry(0, plotHeight + 8, 120, 24);
        curve = plotsetup::buildPlot(plot, kMaxRpm, limits);
        curve->setSamples(plotsetup::flatSamples(kMaxRpm, 0.0));
        plot->replot();
        picker = new CanvasPicker(plot);
        picker->setLimits(limits.valueMin, limits.valueMax, limits.keyStep);
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

    void setValues(const QVector<double> &values)
    {
        curve->setSamples(plotsetup::curveSamples(kMaxRpm, values));
        plot->replot();
        settle();
    }

    double value(int i) const { return curve->sample(i).y(); }

    QPointF canvasPos(int i) const
    {
        const QPointF s = curve->sample(i);
        return QPointF(plot->transform(QwtPlot::xBottom, s.x()), plot->transform(QwtPlot::yLeft, s.y()));
    }

    void press(const QPoint &pos)
    {
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, pos);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, pos);
    }

    void pressOn(int i) { press(canvasPos(i).toPoint()); }

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

QVector<double> filled(double v)
{
    return QVector<double>(plotsetup::kPointCount, v);
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
    void keysWithNothingNearProbeDoNothing();
    void keyNudgesPointNearProbe();
    void nudgeSmallerThanHalfUnitKeepsValue();
    void highlightSurvivesFocusChangeAndReplot();
    void plainPointAfterDeselection();
    void idleCanvasStopsRepainting();
    void rebuiltPlotDropsSelection();
};

void TestPicker::pressMustBeStrictlyNearerThanTenPixels()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    // Point 0 at the origin of both scales sits on whole canvas pixels; every
    // other point is far away at the top of the plot.
    QVector<double> values = filled(25.0);
    values[0] = -10.0;
    rig.setValues(values);
    const QPointF p0 = rig.canvasPos(0);
    QCOMPARE(p0.x(), std::floor(p0.x()));
    QCOMPARE(p0.y(), std::floor(p0.y()));
    QVERIFY(QLineF(rig.canvasPos(1), p0).length() > 30.0);

    const QPoint above(int(p0.x()), int(p0.y()) - 10);
    const QPoint beside(int(p0.x()) + 10, int(p0.y()));
    rig.press(above);
    QVERIFY(!rig.picker->selectedCurve());
    QCOMPARE(rig.picker->selectedIndex(), -1);
    rig.press(beside);
    QVERIFY(!rig.picker->selectedCurve());

    // Lift point 0 by a tenth of a pixel: the same press is now 9.9 away.
    values[0] = rig.plot->canvasMap(QwtPlot::yLeft).invTransform(p0.y() - 0.1);
    rig.setValues(values);
    QVERIFY(std::abs(QLineF(rig.canvasPos(0), QPointF(above)).length() - 9.9) < 1e-9);
    rig.press(above);
    QCOMPARE(rig.picker->selectedCurve(), rig.curve);
    QCOMPARE(rig.picker->selectedIndex(), 0);

    // A press far from everything clears the selection; drags then do nothing.
    rig.press(QPoint(int(p0.x()) + 40, int(p0.y()) - 40));
    QCOMPARE(rig.picker->selectedIndex(), -1);
    const double before = rig.value(0);
    rig.dragTo(above + QPoint(0, -60));
    QCOMPARE(rig.value(0), before);
}

void TestPicker::dragAboveOrBelowCanvasGivesLimits()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.pressOn(20);
    QCOMPARE(rig.picker->selectedIndex(), 20);
    const int x = int(rig.canvasPos(20).x());

    rig.dragTo(QPoint(x, -40));
    QCOMPARE(rig.value(20), 25.0);
    rig.dragTo(QPoint(x, rig.canvas()->height() + 40));
    QCOMPARE(rig.value(20), -10.0);
    rig.dragTo(QPoint(x, -100000));
    QCOMPARE(rig.value(20), 25.0);

    // Hardware with the wide limits.
    rig.picker->setLimits(-20.0f, 50.0f, 5);
    rig.plot->setAxisScale(QwtPlot::yLeft, -20.0, 50.0, 10);
    rig.plot->replot();
    rig.dragTo(QPoint(x, -40));
    QCOMPARE(rig.value(20), 50.0);
    rig.dragTo(QPoint(x, rig.canvas()->height() + 40));
    QCOMPARE(rig.value(20), -20.0);
}

void TestPicker::dragOnlyChangesTheSelectedValue()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    QVector<double> values;
    for (int i = 0; i < plotsetup::kPointCount; ++i)
        values.append(i % 7 - 3);
    rig.setValues(values);
    rig.pressOn(10);
    QCOMPARE(rig.picker->selectedIndex(), 10);

    // Far sideways and up: the point keeps its engine speed.
    rig.dragTo(rig.canvasPos(30).toPoint() + QPoint(0, -30));
    QCOMPARE(rig.curve->dataSize(), size_t(plotsetup::kPointCount));
    for (int i = 0; i < plotsetup::kPointCount; ++i) {
        QCOMPARE(rig.curve->sample(i).x(), i * 300.0);
        if (i != 10)
            QCOMPARE(rig.value(i), values[i]);
    }
    QVERIFY(rig.value(10) != values[10]);
    QCOMPARE(rig.value(10), std::round(rig.value(10)));
    QCOMPARE(rig.picker->selectedIndex(), 10);
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
    QCOMPARE(map.p1() - map.p2(), span);
    const int rowPlus = int(map.p1() - 12.5 * span / 35.0);
    const int rowMinus = int(map.p1() - 7.5 * span / 35.0);
    QCOMPARE(rig->plot->invTransform(QwtPlot::yLeft, rowPlus), 2.5);
    QCOMPARE(rig->plot->invTransform(QwtPlot::yLeft, rowMinus), -2.5);

    rig->pressOn(20);
    QCOMPARE(rig->picker->selectedIndex(), 20);
    const int x = int(rig->canvasPos(20).x());
    rig->dragTo(QPoint(x, rowPlus));
    QCOMPARE(rig->value(20), 3.0);
    rig->dragTo(QPoint(x, rowMinus));
    QCOMPARE(rig->value(20), -2.0);
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
    rig.pressOn(39);
    QCOMPARE(rig.picker->selectedIndex(), 39);
    rig.picker->handleKey(Qt::Key_Right);
    QCOMPARE(rig.picker->selectedIndex(), 40);
    rig.picker->handleKey(Qt::Key_Right);
    QCOMPARE(rig.picker->selectedIndex(), 0);
    rig.picker->handleKey(Qt::Key_Left);
    QCOMPARE(rig.picker->selectedIndex(), 40);
    rig.picker->handleKey(Qt::Key_Left);
    QCOMPARE(rig.picker->selectedIndex(), 39);
    // Stepping never edits.
    for (int i = 0; i < plotsetup::kPointCount; ++i)
        QCOMPARE(rig.value(i), 0.0);
}

void TestPicker::keysWithNothingNearProbeDoNothing()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.setValues(filled(25.0));
    const QPointF probe(CanvasPicker::keyProbePosition());
    for (int i = 0; i < plotsetup::kPointCount; ++i)
        QVERIFY(QLineF(rig.canvasPos(i), probe).length() >= 10.0);

    for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space}) {
        rig.picker->handleKey(key);
        QVERIFY(!rig.picker->selectedCurve());
    }
    for (int i = 0; i < plotsetup::kPointCount; ++i)
        QCOMPARE(rig.value(i), 25.0);
}

void TestPicker::keyNudgesPointNearProbe()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    const QPoint probe = CanvasPicker::keyProbePosition();
    const double v = std::round(rig.plot->invTransform(QwtPlot::yLeft, probe.y()));
    rig.setValues(filled(v));
    int nearest = -1;
    double best = 1e9;
    for (int i = 0; i < plotsetup::kPointCount; ++i) {
        const double d = QLineF(rig.canvasPos(i), QPointF(probe)).length();
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    QVERIFY2(best < 10.0, "the plot should put a point next to the key probe");

    // Up on screen raises the value; the key picks the point first.
    rig.picker->handleKey(Qt::Key_Up);
    QCOMPARE(rig.picker->selectedIndex(), nearest);
    const double raised = rig.value(nearest);
    QVERIFY(raised > v);
    QCOMPARE(raised, std::round(raised));
    rig.picker->handleKey(Qt::Key_Down);
    QVERIFY(rig.value(nearest) < raised);
    for (int i = 0; i < plotsetup::kPointCount; ++i) {
        QCOMPARE(rig.curve->sample(i).x(), i * 300.0);
        if (i != nearest)
            QCOMPARE(rig.value(i), v);
    }

    // Repeated nudges stop at the limits.
    for (int n = 0; n < 100; ++n)
        rig.picker->handleKey(Qt::Key_Up);
    QCOMPARE(rig.value(nearest), 25.0);
    for (int n = 0; n < 100; ++n)
        rig.picker->handleKey(Qt::Key_Down);
    QCOMPARE(rig.value(nearest), -10.0);
}

void TestPicker::nudgeSmallerThanHalfUnitKeepsValue()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    // One pixel is well under half a unit of the value axis.
    QVERIFY(std::abs(rig.plot->invTransform(QwtPlot::yLeft, 0) - rig.plot->invTransform(QwtPlot::yLeft, 1)) < 0.5);
    rig.picker->setLimits(-10.0f, 25.0f, 1);
    rig.pressOn(5);
    QCOMPARE(rig.picker->selectedIndex(), 5);
    for (int n = 0; n < 5; ++n)
        rig.picker->handleKey(Qt::Key_Up);
    QCOMPARE(rig.value(5), 0.0);
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
    QVERIFY(rig.value(20) > 0.0);
    QCOMPARE(rig.pixelAt(rig.canvasPos(20)), green);
}

void TestPicker::plainPointAfterDeselection()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.pressOn(12);
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(12)), CanvasPicker::highlightColor());
    rig.picker->handleKey(Qt::Key_Right);
    rig.settle();
    QCOMPARE(rig.pixelAt(rig.canvasPos(12)), QColor(Qt::red));
    QCOMPARE(rig.pixelAt(rig.canvasPos(13)), CanvasPicker::highlightColor());
    rig.press(QPoint(2, 2));
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

void TestPicker::rebuiltPlotDropsSelection()
{
    Rig rig;
    QVERIFY(rig.showAndActivate());
    rig.pressOn(7);
    QCOMPARE(rig.picker->selectedIndex(), 7);
    // The plot is rebuilt under the picker: the selected curve is deleted.
    rig.curve = plotsetup::buildPlot(rig.plot, kMaxRpm, rig.limits);
    rig.curve->setSamples(plotsetup::flatSamples(kMaxRpm, 0.0));
    rig.plot->replot();
    rig.settle();
    QCOMPARE(rig.picker->selectedIndex(), -1);
    rig.dragTo(QPoint(100, 10));
    rig.picker->handleKey(Qt::Key_Left);
    rig.other->setFocus(Qt::OtherFocusReason);
    rig.settle();
    for (int i = 0; i < plotsetup::kPointCount; ++i)
        QCOMPARE(rig.value(i), 0.0);
}

QTEST_MAIN(TestPicker)
#include "test_picker.moc"
