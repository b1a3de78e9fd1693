// The injection curve in the main window: its points for both engine types,
// the flat profile, the limits of newer hardware, rebuilding the plot and the
// move commands that drive the point editor.

#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <memory>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_div.h>
#include <qwt_symbol.h>
#include <qwt_text.h>

#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "plot/canvaspicker.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

void verifyPoints(frmProgPannel &w, double spacing, double value)
{
    QwtPlotCurve *c = Access::curve(w);
    QVERIFY(c);
    QCOMPARE(int(c->dataSize()), 41);
    for (int i = 0; i < 41; ++i) {
        QCOMPARE(c->sample(i).x(), i * spacing);
        QCOMPARE(c->sample(i).y(), value);
    }
}

QVector<int> ramp()
{
    QVector<int> v;
    for (int i = 0; i < 41; ++i)
        v.append(i % 11 - 5);
    return v;
}

}  // namespace

class TestCurve : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpGivesFlatTwoCylinderCurve();
    void fourCylindersSpreadPointsTo17000();
    void curveValuesFollowEngineRange();
    void flatProfileFillsCurveAndResetsLabel();
    void newerHardwareLimitsTakeEffectAtSetUp();
    void rebuildKeepsOneGridOneCurveOnePicker();
    void moveCommandsReachThePicker();

private:
    std::unique_ptr<frmProgPannel> makeShownWindow();
    std::unique_ptr<ScopedTestSettings> settings;
};

void TestCurve::init()
{
    settings.reset(new ScopedTestSettings);
}

void TestCurve::cleanup()
{
    settings.reset();
}

std::unique_ptr<frmProgPannel> TestCurve::makeShownWindow()
{
    auto w = std::make_unique<frmProgPannel>();
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get()))
        return nullptr;
    QTest::qWait(30);
    return w;
}

void TestCurve::startUpGivesFlatTwoCylinderCurve()
{
    frmProgPannel w;
    verifyPoints(w, 300.0, 0.0);
    QCOMPARE(Access::curve(w)->sample(40).x(), 12000.0);
    QwtPlot *plot = Access::ui(w)->qwtPlot;
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 12000.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), -10.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 25.0);
    QCOMPARE(Access::ui(w)->spProfiloPiatto->minimum(), -10);
    QCOMPARE(Access::ui(w)->spProfiloPiatto->maximum(), 25);
    QVERIFY(Access::picker(w));
    QCOMPARE(plot->title().text(), CMsg::text(CMsg::PlotTitle));
    QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), CMsg::text(CMsg::PointsAxisTitle));
}

void TestCurve::fourCylindersSpreadPointsTo17000()
{
    frmProgPannel w(EcuSession::Config{});
    auto log = ScriptedPrompts::install(w);
    log->choices << UserPrompts::Discard << UserPrompts::Discard;
    Access::setCurveValues(w, ramp());
    w.onSelect4Cylinders();
    verifyPoints(w, 425.0, 0.0);
    QCOMPARE(Access::curve(w)->sample(40).x(), 17000.0);
    QCOMPARE(Access::ui(w)->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 17000.0);
    // Back to two cylinders: the edits are gone again.
    Access::setCurveValues(w, ramp());
    w.onSelect2Cylinders();
    verifyPoints(w, 300.0, 0.0);
}

void TestCurve::curveValuesFollowEngineRange()
{
    frmProgPannel w;
    w.onSelect4Cylinders();
    const QVector<int> values = ramp();
    Access::setCurveValues(w, values);
    QwtPlotCurve *c = Access::curve(w);
    QCOMPARE(int(c->dataSize()), 41);
    for (int i = 0; i < 41; ++i)
        QCOMPARE(c->sample(i), QPointF(i * 425.0, values[i]));
}

void TestCurve::flatProfileFillsCurveAndResetsLabel()
{
    auto w = makeShownWindow();
    QVERIFY(w);
    Ui::frmProgPannel *ui = Access::ui(*w);
    auto log = ScriptedPrompts::install(*w);
    Access::setCurveValues(*w, ramp());
    Access::model(*w)->setFile(QStringLiteral("./Profili/strada.prf"));
    ui->lblPathProfilo->setText(QStringLiteral("strada.prf"));
    Access::pathFlag(*w) = true;
    ui->spProfiloPiatto->setValue(-10);
    ui->lblPathProfilo->setFocus();

    w->onFlatProfileClicked();  // saved work: nothing to ask
    QVERIFY(log->questions.isEmpty());
    verifyPoints(*w, 300.0, -10.0);
    QCOMPARE(ui->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QVERIFY(!Access::pathFlag(*w));  // the label no longer shows a file
    QVERIFY(Access::model(*w)->filePath().isEmpty());
    QTRY_VERIFY(ui->qwtPlot->hasFocus());
}

void TestCurve::newerHardwareLimitsTakeEffectAtSetUp()
{
    frmProgPannel w;
    Ui::frmProgPannel *ui = Access::ui(w);
    Access::model(w)->setLimits(CurveLimits::forHardware(21));
    Access::setupPlot(w);
    const QwtScaleDiv &div = ui->qwtPlot->axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(div.lowerBound(), -20.0);
    QCOMPARE(div.upperBound(), 50.0);
    QCOMPARE(div.ticks(QwtScaleDiv::MajorTick), QList<double>({-20, -10, 0, 10, 20, 30, 40, 50}));
    QCOMPARE(ui->spProfiloPiatto->minimum(), -20);
    QCOMPARE(ui->spProfiloPiatto->maximum(), 50);
    verifyPoints(w, 300.0, 0.0);

    // A flat profile can now reach the wider range.
    ui->spProfiloPiatto->setValue(45);
    w.onFlatProfileClicked();
    verifyPoints(w, 300.0, 45.0);
}

void TestCurve::rebuildKeepsOneGridOneCurveOnePicker()
{
    frmProgPannel w;
    QwtPlot *plot = Access::ui(w)->qwtPlot;
    for (int n = 0; n < 3; ++n) {
        w.onSelect4Cylinders();
        w.onSelect2Cylinders();
    }
    // The curve and the comparison curve's place, one grid, one editor.
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotGrid).size(), 1);
    QCOMPARE(plot->itemList().size(), 3);
    QCOMPARE(plot->findChildren<CanvasPicker *>().size(), 1);
    QCOMPARE(plot->findChild<CanvasPicker *>(), Access::picker(w));
}

void TestCurve::moveCommandsReachThePicker()
{
    auto w = makeShownWindow();
    QVERIFY(w);
    QwtPlot *plot = Access::ui(*w)->qwtPlot;
    QwtPlotCurve *c = Access::curve(*w);
    CanvasPicker *picker = Access::picker(*w);
    const QPoint p20(qRound(plot->transform(QwtPlot::xBottom, c->sample(20).x())),
                     qRound(plot->transform(QwtPlot::yLeft, c->sample(20).y())));
    QTest::mousePress(plot->canvas(), Qt::LeftButton, Qt::NoModifier, p20);
    QTest::mouseRelease(plot->canvas(), Qt::LeftButton, Qt::NoModifier, p20);
    QCOMPARE(picker->selectedIndex(), 20);

    w->onMuoviDestra();
    QCOMPARE(picker->selectedIndex(), 21);
    w->onMuoviSinistra();
    w->onMuoviSinistra();
    QCOMPARE(picker->selectedIndex(), 19);
    w->onMuoviSu();
    QCOMPARE(c->sample(19).y(), 1.0);
    w->onMuoviGiu();
    QCOMPARE(c->sample(19).y(), 0.0);
    QCOMPARE(c->sample(19).x(), 19 * 300.0);

    // The arrow keys themselves, through the window's move actions.
    QTest::keyClick(w.get(), Qt::Key_Right);
    QCOMPARE(picker->selectedIndex(), 20);
    QTest::keyClick(w.get(), Qt::Key_Up);
    QCOMPARE(c->sample(20).y(), 1.0);
    QTest::keyClick(w.get(), Qt::Key_PageUp);
    QCOMPARE(c->sample(20).y(), 6.0);
    // The table shows the same point selected, and the same value.
    QCOMPARE(Access::ui(*w)->tblCurva->currentIndex().column(), 20);
    QCOMPARE(Access::ui(*w)->tblCurva->currentIndex().sibling(CurveModel::ValueRow, 20).data().toInt(), 6);
    // Undo takes back one key press at a time.
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(c->sample(20).y(), 1.0);
}

QTEST_MAIN(TestCurve)
#include "test_curve.moc"
