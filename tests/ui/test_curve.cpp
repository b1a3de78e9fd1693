// SPDX-License-Identifier: GPL-3.0-or-later
// The injection curve on the window's plot: the flat profile, rebuilding the
// plot for a new engine type, and the move commands that drive the point
// editor. (The speed range of each engine type: test_enginetype.)

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include "plot/canvaspicker.h"
#include "profile/profilefile.h"
#include "uicommon/cmsg.h"
#include "support/windowaccess.h"

class TestCurve : public WindowSuite {
    Q_OBJECT
public:
    TestCurve() : WindowSuite(true) {}

private slots:
    void flatProfileFillsTheCurveAndForgetsTheFile();
    void rebuildKeepsOneOfEachPlotItem();
    void moveCommandsReachThePicker();
};

void TestCurve::flatProfileFillsTheCurveAndForgetsTheFile()
{
    ui()->actionCentralina_4cilindri->trigger();
    const QString path = r->folder.filePath("strada.prf");
    QVERIFY(ProfileFile::save(path, patternCurve(1), 2, nullptr));
    r->prompts->openAnswers << path;
    click(ui()->btCaricaProfilo);
    QCOMPARE(ui()->lblPathProfilo->text(), QStringLiteral("strada.prf"));

    ui()->spProfiloPiatto->setValue(-10);
    click(ui()->btFlatProfile);  // saved work: nothing to ask
    QVERIFY(r->prompts->questions.isEmpty());
    QwtPlotCurve *c = r->w->curve();
    for (int i = 0; i < 41; ++i)
        QCOMPARE(c->sample(i), QPointF(i * 425.0, -10.0));
    QCOMPARE(ui()->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QVERIFY(!r->model()->hasFile());
    // The arrows go on editing the curve: the plot takes the focus back.
    QTRY_VERIFY_WITH_TIMEOUT(ui()->qwtPlot->canvas()->hasFocus() || ui()->qwtPlot->hasFocus(), 500);
}

void TestCurve::rebuildKeepsOneOfEachPlotItem()
{
    QwtPlot *plot = r->ui()->qwtPlot;
    for (int n = 0; n < 3; ++n) {
        r->ui()->actionCentralina_4cilindri->trigger();
        r->ui()->actionCentralina_2cilindri->trigger();
    }
    // The curve, the comparison curve's place, one grid, the marks, the
    // comparison's legend; one editor.
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotGrid).size(), 1);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotLegend).size(), 1);
    QCOMPARE(plot->itemList().size(), 5);
    QCOMPARE(plot->findChildren<CanvasPicker *>().size(), 1);
    QCOMPARE(plot->findChild<CanvasPicker *>(), r->w->picker());
    QCOMPARE(r->model()->maxRpm(), 12000.0);
}

void TestCurve::moveCommandsReachThePicker()
{
    Ui::frmProgPannel *ui = r->ui();
    QwtPlot *plot = ui->qwtPlot;
    QwtPlotCurve *c = r->w->curve();
    CanvasPicker *picker = r->w->picker();
    const QPoint p20(qRound(plot->transform(QwtPlot::xBottom, c->sample(20).x())),
                     qRound(plot->transform(QwtPlot::yLeft, c->sample(20).y())));
    QTest::mouseClick(plot->canvas(), Qt::LeftButton, Qt::NoModifier, p20);
    QCOMPARE(picker->selectedIndex(), 20);

    ui->actionMuovi_Destra->trigger();
    QCOMPARE(picker->selectedIndex(), 21);
    ui->actionMuovi_Sinistra->trigger();
    ui->actionMuovi_Sinistra->trigger();
    QCOMPARE(picker->selectedIndex(), 19);
    ui->actionMuovi_Su->trigger();
    QCOMPARE(c->sample(19).y(), 1.0);
    ui->actionMuovi_Giu->trigger();
    QCOMPARE(c->sample(19).y(), 0.0);
    QCOMPARE(c->sample(19).x(), 19 * 300.0);

    // The keys themselves, through the window's move actions and shortcuts.
    QTest::keyClick(r->w.get(), Qt::Key_Right);
    QCOMPARE(picker->selectedIndex(), 20);
    QTest::keyClick(r->w.get(), Qt::Key_Up);
    QCOMPARE(c->sample(20).y(), 1.0);
    QTest::keyClick(r->w.get(), Qt::Key_PageUp);
    QCOMPARE(c->sample(20).y(), 6.0);
    // The table shows the same point selected, and the same value.
    QCOMPARE(ui->tblCurva->currentIndex().column(), 20);
    QCOMPARE(ui->tblCurva->currentIndex().sibling(CurveModel::ValueRow, 20).data().toInt(), 6);
    // Undo takes back one key press at a time.
    QTest::keyClick(r->w.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(c->sample(20).y(), 1.0);
}

QTEST_MAIN(TestCurve)
#include "test_curve.moc"
