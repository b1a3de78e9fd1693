// SPDX-License-Identifier: GPL-3.0-or-later
// The tune history in the window: a unit named to its bike, its proven
// states as entries, the write preview's yes for much leaner points, and a
// restore from the history dialog through the verified write.

#include "history/historyrecorder.h"
#include "panels/historypanel.h"
#include "panels/historyview.h"
#include "support/windowaccess.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>

class TestTuneHistory : public QObject {
    Q_OBJECT
private slots:
    void aBikeGetsItsHistoryAndAnEntryComesBack();
};

void TestTuneHistory::aBikeGetsItsHistoryAndAnEntryComesBack()
{
    ScopedTestSettings settings;
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    const QVector<int> first = patternCurve(3);
    r->unit->setCurve(first);
    QVERIFY(r->link());
    HistoryPanel *panel = r->w->historyPanel();
    HistoryRecorder *rec = panel->recorder();
    auto *bikeButton = r->w->findChild<QToolButton *>(QStringLiteral("btMoto"));
    // A unit nobody named: the read waits for its bike.
    QCOMPARE(rec->bike(), QString());
    QCOMPARE(rec->pendingStates(), 1);
    QVERIFY(bikeButton->text().contains(QStringLiteral("nessuna")));

    r->prompts->items << QStringLiteral("Monster rossa");
    click(bikeButton);
    QVERIFY(!rec->bike().isEmpty());
    QCOMPARE(bikeButton->text(), QStringLiteral("Moto: Monster rossa"));
    const QVector<HistoryEntry> afterRead = panel->library().store(rec->bike()).list();
    QCOMPARE(afterRead.size(), 1);
    QCOMPARE(afterRead.first().profile.values, first);

    // Points five leaner (within the unit's limits): the preview asks, and
    // a no writes nothing.
    QVector<int> leaner = first;
    for (int &v : leaner)
        v = std::max(v - 5, -10);
    pasteCurve(*r->w, leaner);
    const int outcomes = r->outcomes.size();
    click(r->ui()->btSaveFlash);
    QCOMPARE(r->prompts->questions.size(), 2);  // the bike, the preview
    QVERIFY2(r->prompts->questions.last().contains(QStringLiteral("più magri di 5 o più: 1-3 (")),
             qPrintable(r->prompts->questions.last()));
    QVERIFY(!r->session()->isBusy());
    QCOMPARE(r->unit->curve(), first);
    QVERIFY(!r->model()->hasCompare());  // the unit's curve was on show while asking

    r->prompts->yesNo << true;
    click(r->ui()->btSaveFlash);
    QVERIFY(r->waitOutcomes(outcomes + 1));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QCOMPARE(r->unit->curve(), r->model()->values());
    QCOMPARE(panel->library().store(rec->bike()).list().size(), 2);
    // A recording made now belongs to the entry the unit holds.
    r->ui()->actionRegistra->trigger();
    QTest::qWait(300);
    r->ui()->actionRegistra->trigger();
    const HistoryEntry written = panel->library().store(rec->bike()).list().first();
    QCOMPARE(written.attachments.size(), 1);
    QCOMPARE(written.attachments.first().kind, QStringLiteral("log"));

    // The first entry restored from the dialog: the editor holds it as one
    // undo step, the unit gets it verified, and the history records the
    // restore with the entry it came from.
    r->ui()->actionCronologia->trigger();
    HistoryView *view = panel->view();
    QVERIFY(view && view->isVisible());
    // Both entries chosen: what changed from the read to the write.
    view->findChild<QTableWidget *>(QStringLiteral("tblVoci"))->selectAll();
    QVERIFY(view->findChild<QLabel *>(QStringLiteral("lblDettagli"))->text().contains(QStringLiteral("39 punti cambiati")));
    view->selectEntry(afterRead.first().id);
    QCOMPARE(view->selectedEntry()->id, afterRead.first().id);
    click(view->findChild<QPushButton *>(QStringLiteral("btRipristinaVoce")));
    QVERIFY(r->waitOutcomes(outcomes + 2));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QCOMPARE(r->unit->curve(), first);
    QCOMPARE(r->model()->values(), first);
    const QVector<HistoryEntry> entries = panel->library().store(rec->bike()).list();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.first().origin, HistoryEntry::Origin::Restore);
    QCOMPARE(entries.first().parent, afterRead.first().id);
    QCOMPARE(entries.first().profile.values, first);
    QCOMPARE(r->prompts->questions.size(), 3);  // a richer curve needs no yes
    r->ui()->actionUndo->trigger();
    QCOMPARE(r->model()->values(), leaner);

    // A new name for the bike: its history and the status bar follow.
    r->prompts->items << QStringLiteral("Monster nera");
    click(view->findChild<QPushButton *>(QStringLiteral("btRinominaMoto")));
    QCOMPARE(bikeButton->text(), QStringLiteral("Moto: Monster nera"));
    QCOMPARE(view->findChild<QComboBox *>(QStringLiteral("cbMoto"))->currentText(), QStringLiteral("Monster nera"));
    QCOMPARE(panel->library().store(rec->bike()).list().size(), 3);
}

QTEST_MAIN(TestTuneHistory)
#include "test_tunehistory.moc"
