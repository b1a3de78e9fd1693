// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the curve in the window as in a spreadsheet: the value table, the
// selection it shares with the plot, range operations from the Edit menu,
// the clipboard, a second curve to compare, and values beyond the limits.

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include "plot/canvaspicker.h"
#include "profile/profilefile.h"
#include "support/windowaccess.h"

namespace {

QVector<int> ramp()
{
    QVector<int> v;
    for (int i = 0; i < 41; ++i)
        v << i % 20 - 5;
    return v;
}

} // namespace

class TestEditing : public WindowSuite {
    Q_OBJECT
public:
    TestEditing() : WindowSuite(true) {}
    void prepare() override { pasteCurve(*r->w, ramp()); }

private slots:
    void typingInTheTableChangesThePoint();
    void singleKeysEditTheSelectedPoints();
    void tableAndPlotShareTheSelection();
    void rangeOperationsFromTheEditMenu();
    void valuesTravelThroughTheClipboard();
    void aSecondCurveToCompare();
    void valuesBeyondTheLimitsAreShownAndTold();

private:
    QTableView *table() { return r->ui()->tblCurva; }
    QModelIndex valueCell(int point) { return r->model()->index(CurveModel::ValueRow, point); }
    void selectPoints(int first, int last)
    {
        table()->selectionModel()->select(QItemSelection(valueCell(first), valueCell(last)),
                                          QItemSelectionModel::ClearAndSelect);
        table()->selectionModel()->setCurrentIndex(valueCell(first), QItemSelectionModel::NoUpdate);
    }
    QPoint onPlot(int point)
    {
        QwtPlot *plot = r->ui()->qwtPlot;
        const QPointF s = r->w->curve()->sample(point);
        return QPoint(qRound(plot->transform(QwtPlot::xBottom, s.x())), qRound(plot->transform(QwtPlot::yLeft, s.y())));
    }
};

void TestEditing::typingInTheTableChangesThePoint()
{
    auto type = [this](int point, const char *text) {
        table()->setCurrentIndex(valueCell(point));
        // The first key opens the editor, which takes the rest.
        QTest::keyClicks(table(), QString::fromLatin1(text).left(1));
        QTest::keyClicks(table()->focusWidget(), QString::fromLatin1(text).mid(1));
        QTest::keyClick(table()->focusWidget(), Qt::Key_Return);
        QTest::qWait(1);  // the editor commits from the event loop
    };
    table()->setFocus();
    type(10, "7");
    QCOMPARE(r->model()->value(10), 7);
    QCOMPARE(plotted(*r->w)[10], 7);
    // Beyond the layout's limits: clamped; not a number: nothing changes.
    type(11, "99");
    QCOMPARE(r->model()->value(11), 25);
    // A minus sign is a single-key edit of its own: a negative number is
    // typed into an editor opened first (F2).
    table()->setCurrentIndex(valueCell(13));
    QTest::keyClick(table(), Qt::Key_F2);
    QTest::keyClicks(table()->focusWidget(), QStringLiteral("-8"));
    QTest::keyClick(table()->focusWidget(), Qt::Key_Return);
    QTest::qWait(1);
    QCOMPARE(r->model()->value(13), -8);
    type(12, "x");
    QCOMPARE(r->model()->value(12), ramp()[12]);
    // Each edit is one step back.
    r->ui()->actionUndo->trigger();
    r->ui()->actionUndo->trigger();
    QCOMPARE(r->model()->value(11), ramp()[11]);
    QCOMPARE(r->model()->value(10), 7);
    QVERIFY(r->w->isWindowModified());
}

void TestEditing::singleKeysEditTheSelectedPoints()
{
    // + and - step the selection by one, in the table and on the plot; a
    // text field keeps them for itself.
    selectPoints(20, 22);
    const QVector<int> before = r->model()->values();
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Plus);
    QTest::keyClick(table(), Qt::Key_Plus);
    QCOMPARE(r->model()->values().mid(20, 3), (QVector<int>{before[20] + 2, before[21] + 2, before[22] + 2}));
    QTest::keyClick(r->ui()->qwtPlot->canvas(), Qt::Key_Minus);
    QCOMPARE(r->model()->value(21), before[21] + 1);
    table()->setCurrentIndex(valueCell(21));
    QTest::keyClick(table(), Qt::Key_F2);
    QWidget *editor = table()->focusWidget();
    QTest::keyClicks(editor, QStringLiteral("+-"));
    QTest::keyClick(editor, Qt::Key_Up);
    QCOMPARE(r->model()->value(21), before[21] + 1);  // the field had them, not the curve
    QTest::keyClick(editor, Qt::Key_Escape);
}

void TestEditing::tableAndPlotShareTheSelection()
{
    CanvasPicker *picker = r->w->picker();
    selectPoints(3, 5);
    QCOMPARE(picker->selectedPoints(), (QVector<int>{3, 4, 5}));
    // A point clicked in the plot is the table's current column; Ctrl adds.
    QWidget *canvas = r->ui()->qwtPlot->canvas();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, onPlot(20));
    QCOMPARE(table()->currentIndex().column(), 20);
    QCOMPARE(picker->selectedPoints(), QVector<int>{20});
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::ControlModifier, onPlot(22));
    QVERIFY(table()->selectionModel()->isSelected(valueCell(22)));
    QVERIFY(table()->selectionModel()->isSelected(valueCell(20)));
}

void TestEditing::rangeOperationsFromTheEditMenu()
{
    Ui::frmProgPannel *ui = r->ui();
    selectPoints(10, 14);
    r->prompts->numbers << 3;
    ui->actionAggiungi->trigger();
    QCOMPARE(r->model()->values().mid(10, 5), (QVector<int>{8, 9, 10, 11, 12}));
    r->prompts->numbers << 200;
    ui->actionScala->trigger();
    QCOMPARE(r->model()->values().mid(10, 5), (QVector<int>{16, 18, 20, 22, 24}));
    selectPoints(12, 12);
    r->prompts->numbers << -10;
    ui->actionImposta->trigger();
    selectPoints(10, 14);
    ui->actionInterpola->trigger();
    QCOMPARE(r->model()->values().mid(10, 5), (QVector<int>{16, 18, 20, 22, 24}));
    r->prompts->numbers << 5;
    ui->actionImposta->trigger();
    QCOMPARE(r->model()->values().mid(9, 7), (QVector<int>{ramp()[9], 5, 5, 5, 5, 5, ramp()[15]}));
    // A dialog cancelled changes nothing.
    ui->actionAggiungi->trigger();
    QCOMPARE(r->model()->value(10), 5);
    // One undo step each, the operation named.
    QCOMPARE(ui->actionUndo->text(), QStringLiteral("Annulla: Imposta valore"));
    for (int i = 0; i < 5; ++i)
        ui->actionUndo->trigger();
    QCOMPARE(r->model()->values(), ramp());
}

void TestEditing::valuesTravelThroughTheClipboard()
{
    selectPoints(0, 2);
    r->ui()->actionCopia->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("-5\t-4\t-3"));
    // A column from a spreadsheet, pasted from point 10 on.
    QApplication::clipboard()->setText(QStringLiteral("1\r\n2\r\n3,4\r\n30\r\n"));
    selectPoints(10, 10);
    r->ui()->actionIncolla->trigger();
    QCOMPARE(r->model()->values().mid(10, 4), (QVector<int>{1, 2, 3, 25}));  // clamped
    // Too many values, or text that is not a number: refused whole.
    const QVector<int> before = r->model()->values();
    selectPoints(39, 39);
    QApplication::clipboard()->setText(QStringLiteral("1\t2\t3"));
    r->ui()->actionIncolla->trigger();
    QApplication::clipboard()->setText(QStringLiteral("1\tabc"));
    r->ui()->actionIncolla->trigger();
    QCOMPARE(r->model()->values(), before);
    QCOMPARE(r->prompts->warnings.size(), 2);
}

void TestEditing::aSecondCurveToCompare()
{
    const QString stock = r->folder.filePath("stock.prf");
    QVERIFY(ProfileFile::save(stock, QVector<int>(41, 2), 1, nullptr));
    r->prompts->openAnswers << stock;
    r->ui()->actionConfrontaFile->trigger();
    QCOMPARE(r->model()->rowCount(), 4);
    QCOMPARE(r->model()->headerData(CurveModel::CompareRow, Qt::Vertical).toString(), QStringLiteral("stock"));
    QCOMPARE(r->model()->data(r->model()->index(CurveModel::DiffRow, 0)).toInt(), -7);
    // The ghost line on the plot.
    int ghosts = 0;
    for (QwtPlotItem *item : r->ui()->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve))
        if (item != r->w->curve() && static_cast<QwtPlotCurve *>(item)->dataSize() == 41)
            ++ghosts;
    QCOMPARE(ghosts, 1);
    r->ui()->actionNascondiConfronto->trigger();
    QCOMPARE(r->model()->rowCount(), 2);
    QVERIFY(!r->ui()->actionNascondiConfronto->isEnabled());
}

void TestEditing::valuesBeyondTheLimitsAreShownAndTold()
{
    // A profile made for the wide range, loaded while the narrow one applies.
    QVector<int> wide(41, 0);
    wide[5] = 45;
    wide[6] = -20;
    const QString path = r->folder.filePath("wide.prf");
    QVERIFY(ProfileFile::save(path, wide, 1, nullptr));
    r->prompts->choices << UserPrompts::Discard;
    r->prompts->openAnswers << path;
    click(r->ui()->btCaricaProfilo);
    QCOMPARE(r->model()->values(), wide);  // nothing clipped
    QCOMPARE(r->prompts->warnings.size(), 1);
    QVERIFY(r->prompts->warnings.first().contains(QStringLiteral("2 punti")));
    const QwtScaleDiv &axis = r->ui()->qwtPlot->axisScaleDiv(QwtPlot::yLeft);
    QVERIFY(axis.lowerBound() <= -20 && axis.upperBound() >= 45);  // all of it on show
    QVERIFY(r->model()->data(valueCell(5), CurveModel::OutOfRangeRole).toBool());
}

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
