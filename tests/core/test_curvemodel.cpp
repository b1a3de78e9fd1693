// SPDX-License-Identifier: GPL-3.0-or-later
// The curve model without a window: edits and their limits, undo and redo,
// what counts as modified, the comparison rows, the range operations and the
// text that travels to and from spreadsheets.

#include <QSignalSpy>
#include <QTest>

#include "profile/curvemodel.h"
#include "profile/curveops.h"
#include "support/testsupport.h"

namespace {

CurveLimits small() { return CurveLimits::forHardware(10); }  // -10 to 25

} // namespace

class TestCurveModel : public QObject {
    Q_OBJECT
private slots:
    void editsAreClampedOutsideValuesKept();
    void tableShowsPointsAsColumns();
    void undoCoversEveryChangeAndDragsAreOneStep();
    void modifiedMeansDifferentFromFileAndEcu();
    void rangeOperations();
    void spreadsheetText();
};

void TestCurveModel::editsAreClampedOutsideValuesKept()
{
    CurveModel m;
    m.setLimits(small());
    QSignalSpy changed(&m, &CurveModel::valuesChanged);
    QVERIFY(m.setValue(3, 40));
    QCOMPARE(m.value(3), 25);  // an edit stays within the limits
    QVERIFY(m.setValue(4, -99));
    QCOMPARE(m.value(4), -10);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(0).at(0).toInt(), 3);
    QVERIFY(!m.setValue(41, 1));  // no such point

    // A curve from a file or the ECU is kept as it is, and its outliers named.
    QVector<int> fromFile(Curve::Points, 0);
    fromFile[2] = 60;
    fromFile[9] = -128;
    m.setValues(fromFile, "load");
    QCOMPARE(m.values(), fromFile);
    QCOMPARE(m.outOfRange(), (QVector<int>{2, 9}));
    QVERIFY(m.data(m.index(CurveModel::ValueRow, 2), CurveModel::OutOfRangeRole).toBool());
    QVERIFY(!m.data(m.index(CurveModel::ValueRow, 3), CurveModel::OutOfRangeRole).toBool());
    // Editing one of them brings it in.
    QVERIFY(m.setData(m.index(CurveModel::ValueRow, 2), "30"));
    QCOMPARE(m.value(2), 25);
    m.setLimits(CurveLimits::forHardware(21));  // -20 to 50
    QCOMPARE(m.outOfRange(), QVector<int>{9});
}

void TestCurveModel::tableShowsPointsAsColumns()
{
    CurveModel m;
    m.setMaxRpm(17000.0);
    m.setValues(ramp(-10), "ramp");
    QCOMPARE(m.columnCount(), 41);
    QCOMPARE(m.rowCount(), 2);
    QCOMPARE(m.data(m.index(CurveModel::RpmRow, 40)).toInt(), 17000);
    QCOMPARE(m.data(m.index(CurveModel::RpmRow, 1)).toInt(), 425);
    QCOMPARE(m.data(m.index(CurveModel::ValueRow, 0)).toInt(), -10);
    QVERIFY(m.flags(m.index(CurveModel::ValueRow, 0)) & Qt::ItemIsEditable);
    QVERIFY(!(m.flags(m.index(CurveModel::RpmRow, 0)) & Qt::ItemIsEditable));
    // Typed text: a whole number, a decimal rounded, anything else refused.
    QVERIFY(m.setData(m.index(CurveModel::ValueRow, 5), " 7 "));
    QCOMPARE(m.value(5), 7);
    QVERIFY(m.setData(m.index(CurveModel::ValueRow, 5), "3,6"));
    QCOMPARE(m.value(5), 4);
    for (const char *notOne : {"abc", "10,20", "1,2,3", "10.5,3", "7 8"})
        QVERIFY2(!m.setData(m.index(CurveModel::ValueRow, 5), notOne), notOne);
    QCOMPARE(m.value(5), 4);

    // Comparing adds a row of the other curve and one of differences.
    m.setCompare(QVector<int>(Curve::Points, 1), "stock");
    QCOMPARE(m.rowCount(), 4);
    QCOMPARE(m.headerData(CurveModel::CompareRow, Qt::Vertical).toString(), QStringLiteral("stock"));
    QCOMPARE(m.data(m.index(CurveModel::DiffRow, 0)).toInt(), -11);
    m.clearCompare();
    QCOMPARE(m.rowCount(), 2);
}

void TestCurveModel::undoCoversEveryChangeAndDragsAreOneStep()
{
    CurveModel m;
    m.setLimits(small());
    // More edits than anyone undoes; at least 100 come back.
    for (int i = 0; i < 150; ++i)
        m.setValue(i % 41, i % 20);
    const QVector<int> after = m.values();
    for (int i = 0; i < 100; ++i) {
        QVERIFY(m.canUndo());
        m.undo();
    }
    for (int i = 0; i < 100; ++i)
        m.redo();
    QCOMPARE(m.values(), after);
    QVERIFY(!m.canRedo());

    // A drag is one step, however many moves it makes.
    m.clearUndo();
    const QVector<int> before = m.values();
    m.beginGroup("drag");
    for (int v = 0; v < 10; ++v)
        m.setValue(7, v);
    m.endGroup();
    m.undo();
    QCOMPARE(m.values(), before);
    QVERIFY(!m.canUndo());
    QCOMPARE(m.redoText(), QStringLiteral("drag"));

    // Replacing the curve is a step too; an edit after an undo drops the redo.
    m.setValues(ramp(-10), "load");
    m.undo();
    QCOMPARE(m.values(), before);
    m.setValue(0, 5);
    QVERIFY(!m.canRedo());
}

void TestCurveModel::modifiedMeansDifferentFromFileAndEcu()
{
    CurveModel m;
    QSignalSpy modified(&m, &CurveModel::modifiedChanged);
    QVERIFY(!m.isModified());  // the flat start curve holds nothing to lose
    m.setValue(1, 3);
    QVERIFY(m.isModified());
    m.setValues(ramp(-10), "load");
    m.setFile("/p/a.prf");
    QVERIFY(!m.isModified());
    m.setValue(1, 20);
    QVERIFY(m.isModified());
    m.undo();
    QVERIFY(!m.isModified());  // back to what the file holds

    // What the ECU holds counts as kept as well.
    m.setValue(2, 9);
    m.setEcuCopy(m.values());
    QVERIFY(!m.isModified());
    m.clearEcuCopy();
    QVERIFY(m.isModified());
    m.clearFile();
    QVERIFY(m.isModified());
    m.setPristine();
    QVERIFY(!m.isModified());
    QVERIFY(modified.size() >= 6);
}

void TestCurveModel::rangeOperations()
{
    const CurveOps::Range r{-10, 25};
    const QVector<int> v = ramp(0);  // 0..40
    const QVector<int> sel{3, 4, 5};
    QCOMPARE(CurveOps::setTo(v, sel, 7, r).mid(2, 5), (QVector<int>{2, 7, 7, 7, 6}));
    QCOMPARE(CurveOps::setTo(v, sel, 99, r).at(4), 25);
    QCOMPARE(CurveOps::add(v, sel, -20, r).mid(3, 3), (QVector<int>{-10, -10, -10}));
    QCOMPARE(CurveOps::scale(v, {10, 21}, 150, r).at(10), 15);
    QCOMPARE(CurveOps::scale(v, {10, 21}, 150, r).at(21), 25);  // clamped
    QCOMPARE(CurveOps::scale(v, {3}, 50, r).at(3), 2);           // 1.5 rounds away from zero

    // Interpolation: the points between the first and last selected.
    QVector<int> bumpy = v;
    bumpy[11] = 25;
    bumpy[12] = -10;
    const QVector<int> line = CurveOps::interpolate(bumpy, {10, 11, 12, 13, 14}, r);
    QCOMPARE(line.mid(10, 5), (QVector<int>{10, 11, 12, 13, 14}));
    QCOMPARE(CurveOps::interpolate(bumpy, {11}, r), bumpy);  // needs two ends

    // Smoothing: mean of each point and its neighbours, from the old values.
    QVector<int> spike(Curve::Points, 0);
    spike[20] = 9;
    const QVector<int> smooth = CurveOps::smooth(spike, {19, 20, 21}, r);
    QCOMPARE(smooth.mid(19, 3), (QVector<int>{3, 3, 3}));
    QCOMPARE(CurveOps::smooth(spike, {0}, r).at(0), 0);  // an end has one neighbour

    // Points outside the curve are ignored.
    QCOMPARE(CurveOps::setTo(v, {-1, 41}, 5, r), v);
}

void TestCurveModel::spreadsheetText()
{
    QCOMPARE(CurveOps::toText({-3, 0, 12}), QStringLiteral("-3\t0\t12"));
    QVector<int> n;
    QString error;
    // A row, a column, mixed separators, decimals with point or comma.
    QVERIFY(CurveOps::parseText("1\t2\t3\r\n", &n, &error));
    QCOMPARE(n, (QVector<int>{1, 2, 3}));
    QVERIFY(CurveOps::parseText("4\n5\n-6\n", &n, &error));
    QCOMPARE(n, (QVector<int>{4, 5, -6}));
    QVERIFY(CurveOps::parseText("2,5; 3.4  -2.5", &n, &error));
    QCOMPARE(n, (QVector<int>{3, 3, -3}));
    // Text that is not a number is refused and named; nothing is half-taken.
    n = {9};
    QVERIFY(!CurveOps::parseText("1\tabc\t3", &n, &error));
    QVERIFY(error.contains("abc"));
    QCOMPARE(n, QVector<int>{9});
    QVERIFY(!CurveOps::parseText("5\t10,20", &n, &error));  // two numbers in one cell
    QVERIFY(error.contains("10,20"));
    QVERIFY(!CurveOps::parseText(" \n\t", &n, &error));
    QVERIFY(!CurveOps::parseText("1e300", &n, &error));
}

QTEST_GUILESS_MAIN(TestCurveModel)
#include "test_curvemodel.moc"
