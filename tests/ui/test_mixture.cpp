// SPDX-License-Identifier: GPL-3.0-or-later
// The Mixture panel: a ride's logs opened, analysed off the GUI thread, the
// proposal shown as the comparison curve and accepted into the editor as one
// undo step; nothing of it reaches a unit.

#include "panels/mixturepanel.h"
#include "sim/enginelogs.h"
#include "support/windowaccess.h"

class TestMixture : public WindowSuite {
    Q_OBJECT
private slots:
    void aRideBecomesOneUndoStepOfTheCurve();
};

void TestMixture::aRideBecomesOneUndoStepOfTheCurve()
{
    // A simulated ride of the engine, as the two loggers write it.
    EngineConfig engine;
    engine.cylinders = 2;
    const EngineRunLogs logs = simulateRun(EngineModel(engine), WidebandConfig(), QVector<int>(41, 0), EngineRunConfig());
    const QString live = r->folder.filePath(QStringLiteral("live.csv"));
    const QString wideband = r->folder.filePath(QStringLiteral("wideband.csv"));
    for (const auto &f : {std::make_pair(live, logs.live), std::make_pair(wideband, logs.wideband)}) {
        QFile out(f.first);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(f.second), qint64(f.second.size()));
    }

    CurveModel *model = r->model();
    const QVector<int> before = model->values();
    r->prompts->openManyAnswers << QStringList{live} << QStringList{wideband};
    ui()->actionMiscela->trigger();
    MixturePanel *panel = r->w->mixturePanel();
    click(panel->dialog()->findChild<QPushButton *>(QStringLiteral("btApriLog")));
    QVERIFY(waitFor([&] { return !panel->isAnalysing() && panel->result().ok; }, 30000));
    const Mixture::Result &result = panel->result();
    QVERIFY(result.proposals() > 10);
    // The proposal is on show beside the curve; the curve itself is untouched.
    QVERIFY(model->hasCompare());
    QCOMPARE(model->values(), before);

    click(panel->dialog()->findChild<QPushButton *>(QStringLiteral("btAccettaTutto")));
    for (const Mixture::PointRow &row : result.points)
        QCOMPARE(model->value(row.point), row.hasProposal ? row.proposed : before[row.point]);
    QVERIFY(r->w->isWindowModified());
    ui()->actionUndo->trigger();
    QCOMPARE(model->values(), before);
    QVERIFY(!r->session()->isLinked());
}

QTEST_MAIN(TestMixture)
#include "test_mixture.moc"
