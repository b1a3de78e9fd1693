// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window linked to a simulated unit, with its real worker threads:
// what the user sees of connecting, reading, writing with a backup and a
// read-back, K, live data, and a link that fails under them.

#include <qwt_plot.h>
#include <qwt_scale_div.h>

#include "dialogs/frmricercaporta.h"
#include "doctor/hotplugmonitor.h"
#include "gauge/crpmgauge.h"
#include "link/protocol.h"
#include "panels/editpanel.h"
#include "panels/linkpanel.h"
#include "plot/curvemarkers.h"
#include "profile/backupstore.h"
#include "uicommon/cmsg.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

namespace {

void fillUnit(SimUnit &unit, const QVector<int> &curve, int k, bool bench)
{
    unit.setCurve(curve);
    const unsigned char hw = unit.ecu->config().hwVersion;
    unit.ecu->setCell(Protocol::injectionKCell(hw), uchar(k));
    unit.ecu->setCell(Protocol::benchFlagCell(hw), bench ? 1 : 0);
}

// A serial unit reports the fixed record of hardware 10.
EcuSimConfig unitFor(SimUnit::Carrier carrier, unsigned char cylinders = 2)
{
    return SimUnit::unit(carrier == SimUnit::Hid ? 21 : 10, cylinders);
}

QLabel *statusLabel(frmProgPannel &w, const QString &start)
{
    for (QLabel *l : w.statusBar()->findChildren<QLabel *>())
        if (l->text().startsWith(start))
            return l;
    return nullptr;
}

bool transferControlsEnabled(LinkedWindow &r)
{
    return r.ui()->btCaricaProfilo->isEnabled() && r.ui()->btRicercaPorta->isEnabled()
        && r.ui()->btClose->isEnabled() && r.ui()->actionCarica_Profilo->isEnabled();
}

void enterExpertMode(frmProgPannel &w)
{
    w.form()->actionModo_Esperto->trigger();
    QWidget *login = w.findChild<QWidget *>(QStringLiteral("frmLogin"));
    login->findChild<QLineEdit *>(QStringLiteral("lePassword"))->setText(QStringLiteral("8406"));
    click(login->findChild<QPushButton *>(QStringLiteral("btLogin")));
}

// udev as a test plays it.
struct FakeUdev : DeviceEventSource {
    Sink sink;
    bool start(Sink s) override
    {
        sink = std::move(s);
        return true;
    }
    void send(const QString &action, const QString &node, const QString &hidId = {})
    {
        DeviceEvent e{action, QStringLiteral("hidraw"), node, {}};
        if (!hidId.isEmpty())
            e.properties.insert(QStringLiteral("HID_ID"), hidId);
        sink(e);
    }
};

} // namespace

class TestLinkedWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { settings = std::make_unique<ScopedTestSettings>(); }
    void cleanup() { settings.reset(); }

    void connectReadsTheUnitOnBothCarriers();
    void aKTheUnitHoldsIsShownAndNeverWritten();
    void deviceRecordSetsRangeAndEngineType();
    void writeIsVerifiedAndBackedUp();
    void transferLocksControlsAndPollingResumes();
    void liveFailureWithAReadPendingFreesTheControls();
    void unpluggedAdapterIsShownAtOnce();
    void closingDuringAWriteWaitsForIt();
    void modifiedCurveAsksBeforeTheUnitReplacesIt();
    void benchKAndLiveDataReachTheirPlaces();
    void unitsComingAndGoing();
    void aNoisyLineIsNamedNotShown();

private:
    std::unique_ptr<ScopedTestSettings> settings;
};

void TestLinkedWindow::connectReadsTheUnitOnBothCarriers()
{
    for (SimUnit::Carrier carrier : {SimUnit::Serial, SimUnit::Hid}) {
        auto r = LinkedWindow::make(carrier, unitFor(carrier, 4));
        if (!r)
            QSKIP("no pseudo-terminal");
        fillUnit(*r->unit, patternCurve(5), 3, true);
        QVERIFY2(r->link(), qPrintable(r->tag("link")));
        QCOMPARE(r->model()->values(), patternCurve(5));
        QCOMPARE(plotted(*r->w), patternCurve(5));
        QCOMPARE(r->ui()->spKIniezione->value(), 3);
        QVERIFY(r->session()->isBenchOn());
        QCOMPARE(r->ui()->btBanco->text(), CMsg::text(CMsg::BancoOn));
        QVERIFY(r->ui()->btStartLink->isEnabled());
        QVERIFY(!r->w->isWindowModified());  // what the unit holds is kept there
        QLabel *device = statusLabel(*r->w, QStringLiteral("Tervalix:"));
        QVERIFY(device);
        QCOMPARE(device->text(), carrier == SimUnit::Hid ? QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3")
                                                         : QStringLiteral("Tervalix: HW10 - V1.1-R0"));
        QCOMPARE(r->ui()->lblVirtualPort->text(), r->session()->portName());
        QVERIFY(r->prompts->warnings.isEmpty());

        // Disconnecting starts afresh: flat curve, link controls off.
        click(r->ui()->btRicercaPorta);
        QVERIFY(!r->session()->isLinked());
        QCOMPARE(r->model()->values(), QVector<int>(41, 0));
        QVERIFY(!r->ui()->btSaveFlash->isEnabled());
        QVERIFY(!r->ui()->btStartLink->isEnabled());
        QVERIFY(device->text().isEmpty());
    }
}

void TestLinkedWindow::aKTheUnitHoldsIsShownAndNeverWritten()
{
    // Showing what the unit holds must not write it back: not a K beyond the
    // range the user may choose from (the unit keeps it), not K = 0.
    for (SimUnit::Carrier carrier : {SimUnit::Serial, SimUnit::Hid}) {
        for (int k : {7, 0}) {
            auto r = LinkedWindow::make(carrier, unitFor(carrier));
            if (!r)
                QSKIP("no pseudo-terminal");
            const unsigned char kCell = Protocol::injectionKCell(r->ecu().config().hwVersion);
            r->ecu().setCell(kCell, uchar(k));
            const QString tag = r->tag(QStringLiteral("K = %1").arg(k));
            QVERIFY2(r->link(), qPrintable(tag));
            QVERIFY(waitFor([&] { return !r->session()->isBusy(); }));
            const int connecting = r->ecu().requestsReceived();
            // The same read again: connecting took one probe and that read.
            click(r->ui()->btReadFlash);
            QVERIFY(r->waitOutcomes(2));
            QVERIFY(waitFor([&] { return !r->session()->isBusy(); }));
            const int reading = r->ecu().requestsReceived() - connecting;
            QVERIFY2(connecting == reading + 1, qPrintable(tag + QStringLiteral(": %1 requests, a read takes %2")
                                                                     .arg(connecting)
                                                                     .arg(reading)));
            QCOMPARE(int(r->ecu().cell(kCell)), k);
            QCOMPARE(r->ui()->spKIniezione->value(), k);
            QCOMPARE(r->model()->k(), k);
            QVERIFY2(r->w->statusBar()->currentMessage().contains(QStringLiteral("K = %1").arg(k)), qPrintable(tag));

            // A profile saved now keeps what the window shows.
            const QString path = r->folder.filePath(QStringLiteral("k.prf"));
            r->prompts->saveAnswers << path;
            click(r->ui()->btSalvaProfilo);
            QVERIFY(waitFor([&] { return QFile::exists(path); }));
            QFile saved(path);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(int(qint8(saved.readAll().at(41))), k);
            QCOMPARE(int(r->ecu().cell(kCell)), k);
        }
    }
}

void TestLinkedWindow::deviceRecordSetsRangeAndEngineType()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(21, 4));
    QVERIFY(r->link());
    // Hardware 21: the wide range; four cylinders: 17000 rpm, the type locked.
    QCOMPARE(r->model()->limits().valueMax, 50.0f);
    const QwtScaleDiv &div = r->ui()->qwtPlot->axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(div.ticks(QwtScaleDiv::MajorTick), QList<double>({-20, -10, 0, 10, 20, 30, 40, 50}));
    QCOMPARE(r->ui()->spProfiloPiatto->maximum(), 50);
    QCOMPARE(r->model()->maxRpm(), 17000.0);
    QVERIFY(!r->ui()->actionCentralina_2cilindri->isEnabled());
    click(r->ui()->btRicercaPorta);
    QVERIFY(r->ui()->actionCentralina_2cilindri->isEnabled());

    // A unit that reports no cylinders leaves the type to the user.
    auto q = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(11, 0));
    const double before = q->model()->maxRpm();
    QVERIFY(q->link());
    QCOMPARE(q->model()->maxRpm(), before);
    QVERIFY(q->ui()->actionCentralina_4cilindri->isEnabled());
    QCOMPARE(q->model()->limits().valueMin, -20.0f);
}

void TestLinkedWindow::writeIsVerifiedAndBackedUp()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(21));
    fillUnit(*r->unit, patternCurve(1), 2, false);
    QVERIFY(r->link());
    pasteCurve(*r->w, patternCurve(9));
    QVERIFY(r->w->isWindowModified());
    // Newer hardware keeps the profile's name, so a file is saved first;
    // cancelled, nothing is written.
    click(r->ui()->btSaveFlash);
    QVERIFY(waitFor([&] { return r->prompts->saveAsked == 1 && !r->session()->isBusy(); }));
    QCOMPARE(r->outcomes.size(), 1);
    QCOMPARE(r->unit->curve(), patternCurve(1));

    r->prompts->saveAnswers << r->folder.filePath("gust.prf");
    r->prompts->yesNo << true;  // the preview: points much leaner than the unit holds
    click(r->ui()->btSaveFlash);
    QVERIFY(r->waitOutcomes(2));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QVERIFY2(r->prompts->questions.last().startsWith(QStringLiteral("Rispetto alla centralina: ")),
             qPrintable(r->prompts->questions.last()));
    QCOMPARE(r->unit->curve(), patternCurve(9));
    QCOMPARE(r->ecu().cells().mid(41, 8), QByteArray("gust.prf"));
    QVERIFY(r->w->statusBar()->currentMessage().contains(QStringLiteral("81")));
    QVERIFY(!r->w->isWindowModified());
    QVERIFY(r->prompts->warnings.isEmpty());

    // The unit's previous curve is in the backup; File -> Restore last backup
    // brings it back into the window, to be written again.
    const QString backup = BackupStore(r->folder.filePath("backup")).latest();
    QVERIFY(QFileInfo(backup).fileName().endsWith(QStringLiteral("_HW21.prf")));
    r->ui()->actionRipristina_Backup->trigger();
    QCOMPARE(r->model()->values(), patternCurve(1));
    QCOMPARE(r->ui()->spKIniezione->value(), 2);
    QCOMPARE(r->model()->filePath(), backup);
    r->prompts->yesNo << true;  // the preview: points much leaner than the unit holds
    click(r->ui()->btSaveFlash);
    QVERIFY(r->waitOutcomes(3));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QCOMPARE(r->unit->curve(), patternCurve(1));
    // What is read is not the file any more.
    click(r->ui()->btReadFlash);
    QVERIFY(r->waitOutcomes(4));
    QVERIFY(!r->model()->hasFile());
    QVERIFY2(r->ui()->lblPathProfilo->text().startsWith(QStringLiteral("Centralina, letta alle ")),
             qPrintable(r->ui()->lblPathProfilo->text()));
}

void TestLinkedWindow::transferLocksControlsAndPollingResumes()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    QVERIFY(r->link());
    // During a write everything that could touch the curve or the link waits.
    const Ui::frmProgPannel *ui = r->ui();
    const QList<QObject *> locked{ui->btReadFlash, ui->btSaveFlash, ui->btRicercaPorta, ui->btCaricaProfilo,
                                  ui->btSalvaProfilo, ui->btFlatProfile, ui->spKIniezione,
                                  ui->actionCarica_Profilo, ui->actionCercaCentralina,
                                  ui->tblCurva, ui->btClose};
    // A cell the unit acknowledges but does not keep: named, and the user
    // is offered to write again; the link is fine.
    EcuSimFaults stuck;
    stuck.stuckCell = 7;
    r->ecu().setFaults(stuck);
    QVector<int> values = patternCurve(4);
    values[7] = 11;
    pasteCurve(*r->w, values);
    r->prompts->yesNo << true;  // the preview: points much leaner than the unit holds
    click(r->ui()->btSaveFlash);
    for (QObject *o : locked)
        QVERIFY2(!o->property("enabled").toBool(), qPrintable(o->objectName()));
    QVERIFY(r->waitOutcomes(2));
    for (QObject *o : locked)
        QVERIFY2(o->property("enabled").toBool(), qPrintable(o->objectName()));
    QCOMPARE(r->lastOutcome(), QStringLiteral("KO_VERIFY"));
    QCOMPARE(r->prompts->warnings.size(), 1);
    QVERIFY2(r->prompts->warnings.first().contains(QStringLiteral("Punto 7 (2.100 giri/min): scritto 11, la "
                                                                  "centralina contiene 0"))
                 || r->prompts->warnings.first().contains(QStringLiteral("Punto 7 (2,100 giri/min): scritto 11, la "
                                                                         "centralina contiene 0")),
             qPrintable(r->prompts->warnings.first()));
    QCOMPARE(r->prompts->questions.size(), 2);  // the preview, then "write again?"
    QVERIFY(r->session()->isLinked());
    QVERIFY(r->w->isWindowModified());  // the unit does not hold the curve
    r->ecu().setFaults(EcuSimFaults());

    // With live data on, polling comes back after a transfer and after
    // every way out of a load or save.
    click(r->ui()->btStartLink);
    QVERIFY(r->session()->isPolling());
    const QString bad = r->folder.filePath("short.prf");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("abc");
    f.close();
    int asked = 0;
    for (const QString &answer : {QString(), bad, r->folder.filePath("none.prf")}) {
        r->prompts->choices << UserPrompts::Discard;
        r->prompts->openAnswers << answer;
        click(r->ui()->btCaricaProfilo);
        ++asked;
        QVERIFY(waitFor([&] { return r->prompts->openAsked == asked && r->session()->isPolling(); }));
    }
    click(r->ui()->btSalvaProfilo);
    QVERIFY(waitFor([&] { return r->prompts->saveAsked == 1 && r->session()->isPolling(); }));
    r->prompts->choices << UserPrompts::Discard;
    click(r->ui()->btReadFlash);
    QVERIFY(r->waitOutcomes(3));
    QVERIFY(r->session()->isPolling());
    click(r->ui()->btStartLink);
}

void TestLinkedWindow::liveFailureWithAReadPendingFreesTheControls()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2), fastTimeouts);
    QVERIFY(r->link());
    const QVector<int> curve = r->model()->values();
    click(r->ui()->btStartLink);
    QVERIFY(waitFor([&] { return r->session()->deliveredPolls() > 2; }));
    EcuSimFaults silent;
    silent.silent = true;
    r->ecu().setFaults(silent);
    click(r->ui()->btReadFlash);
    QVERIFY(!r->ui()->btCaricaProfilo->isEnabled());
    QVERIFY(waitFor([&] { return transferControlsEnabled(*r); }, 10000));
    QVERIFY(!r->session()->isLinked());
    QCOMPARE(r->prompts->warnings.size(), 1);
    // A failed read keeps the curve on screen.
    QCOMPARE(r->model()->values(), curve);
}

void TestLinkedWindow::unpluggedAdapterIsShownAtOnce()
{
    auto r = LinkedWindow::make(SimUnit::Serial, SimUnit::unit(10, 2));
    if (!r)
        QSKIP("no pseudo-terminal");
    QVERIFY(r->link());
    pasteCurve(*r->w, patternCurve(6));
    r->unit->pty->unplug();
    // LED off and the controls as after a disconnect, without any action by
    // the user; one message; the curve stays.
    QVERIFY(waitFor([&] { return !r->session()->isLinked(); }));
    QVERIFY(!r->ui()->btStartLink->isEnabled());
    QVERIFY(r->ui()->btRicercaPorta->isEnabled());
    QCOMPARE(r->prompts->warnings.size(), 1);
    QCOMPARE(r->model()->values(), patternCurve(6));
    QTest::qWait(200);
    QCOMPARE(r->prompts->warnings.size(), 1);
}

void TestLinkedWindow::closingDuringAWriteWaitsForIt()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    QVERIFY(r->link());
    r->w->show();
    // Written by the time the window closes: nothing left to ask about.
    pasteCurve(*r->w, patternCurve(12));
    r->prompts->yesNo << true;  // the preview: points much leaner than the unit holds
    click(r->ui()->btSaveFlash);
    QVERIFY(r->session()->isBusy());
    r->w->close();
    QVERIFY(r->w->isVisible());  // not in the middle of a write
    QVERIFY(r->waitOutcomes(2));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QCOMPARE(r->unit->curve(), patternCurve(12));  // every cell written
    // The write's result is applied before the deferred close runs: the unit
    // holds the curve, so nothing is asked beyond the write's preview.
    QVERIFY2(r->prompts->questions.size() == 1, qPrintable(r->prompts->questions.join('|')));
    QVERIFY(!r->w->isVisible());
}

void TestLinkedWindow::modifiedCurveAsksBeforeTheUnitReplacesIt()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    fillUnit(*r->unit, patternCurve(3), 1, false);
    pasteCurve(*r->w, patternCurve(8));
    // Connecting reads the unit: asked first; Cancel keeps the work and
    // skips the read (the link stays up).
    QVERIFY(r->search());
    QCOMPARE(r->prompts->questions.size(), 1);
    QTest::qWait(100);
    QVERIFY(r->outcomes.isEmpty());
    QCOMPARE(r->model()->values(), patternCurve(8));
    // Read, Discard: the unit's curve, one step after the work.
    r->prompts->choices << UserPrompts::Discard;
    click(r->ui()->btReadFlash);
    QVERIFY(r->waitOutcomes(1));
    QCOMPARE(r->model()->values(), patternCurve(3));
    QCOMPARE(r->prompts->questions.size(), 2);
    QCOMPARE(r->ui()->actionUndo->text(), QStringLiteral("Annulla: Lettura centralina"));
    r->ui()->actionUndo->trigger();
    QCOMPARE(r->model()->values(), patternCurve(8));
}

void TestLinkedWindow::benchKAndLiveDataReachTheirPlaces()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    QVERIFY(r->link());
    enterExpertMode(*r->w);
    const unsigned char benchCell = Protocol::benchFlagCell(10);
    click(r->ui()->btBanco);
    QVERIFY(r->session()->isBenchOn());
    QCOMPARE(r->ui()->btBanco->text(), CMsg::text(CMsg::BancoOn));
    QVERIFY(waitFor([&] { return r->ecu().cell(benchCell) == 1; }));
    click(r->ui()->btBanco);
    QVERIFY(waitFor([&] { return r->ecu().cell(benchCell) == 0; }));
    QCOMPARE(r->ui()->btBanco->text(), CMsg::text(CMsg::BancoOff));

    // The user's K reaches the unit, and is read back there.
    const int before = r->results.size();
    r->ui()->spKIniezione->setValue(3);
    QVERIFY(waitFor([&] { return r->results.size() > before; }));
    QCOMPARE(r->results.last().operation, EcuResult::WriteK);
    QVERIFY(r->results.last().ok());
    QCOMPARE(int(r->ecu().cell(Protocol::injectionKCell(10))), 3);

    // Live data reaches the displays and the curve's tracer.
    click(r->ui()->btStartLink);
    QVERIFY(waitFor([&] { return r->ui()->lcdRPM->intValue() > 0 && r->w->rpmGauge()->value() > 0; }));
    QVERIFY(waitFor([&] { return r->w->editPanel()->markers()->tracer() >= 0; }));
    click(r->ui()->btStartLink);
    QVERIFY(waitFor([&] { return r->w->editPanel()->markers()->tracer() == -1; }));
}

void TestLinkedWindow::unitsComingAndGoing()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    auto source = std::make_unique<FakeUdev>();
    FakeUdev *udev = source.get();
    r->w->setHotplugMonitor(new HotplugMonitor(std::move(source)));
    frmRicercaPorta *search = r->w->linkPanel()->searchDialog();
    const QString ecuId = QStringLiteral("0003:000004D8:00000080");

    // Plugged in while nothing is linked: the user is asked, and a No is a no.
    udev->send("add", "/dev/hidraw7", ecuId);
    QCOMPARE(r->prompts->questions.size(), 1);
    QVERIFY(!search->isVisible());
    // Another device is none of its business.
    udev->send("add", "/dev/hidraw8", QStringLiteral("0003:0000046D:0000C52B"));
    QCOMPARE(r->prompts->questions.size(), 1);
    // With automatic search on, the search starts by itself.
    r->ui()->actionRicercaAutomatica->setChecked(true);
    udev->send("add", "/dev/hidraw7", ecuId);
    QCOMPARE(r->prompts->questions.size(), 1);
    QVERIFY(search->isVisible());
    QVERIFY(waitFor([&] { return !search->isProbingHid(); }));
    click(search->findChild<QPushButton *>(QStringLiteral("btClose")));
    QVERIFY(r->waitOutcomes(1));
    QVERIFY(r->session()->isLinked());
    QVERIFY(QSettings().value("AutoSearch").toBool());

    // The linked unit's node goes away: the link is lost at once.
    udev->send("remove", r->session()->devicePath());
    QVERIFY(!r->session()->isLinked());
    QCOMPARE(r->prompts->warnings.size(), 1);
}

void TestLinkedWindow::aNoisyLineIsNamedNotShown()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    QVERIFY(r->link());
    click(r->ui()->btStartLink);
    QVERIFY(waitFor([&] { return r->ui()->lcdRPM->intValue() > 0; }));
    // Noise in front of every answer: far more than a quiet line gives.
    EcuSimFaults noise;
    noise.garbageBytes = 6;
    noise.garbageEveryN = 1;
    r->ecu().setFaults(noise);
    QVERIFY(waitFor([&] { return r->session()->isLineNoisy(); }));
    QLabel *label = statusLabel(*r->w, QStringLiteral("Linea disturbata"));
    QVERIFY(label && !label->isHidden());
    // The displays stand still while the line is noisy.
    const int shown = r->ui()->lcdRPM->intValue();
    QTest::qWait(300);
    QCOMPARE(r->ui()->lcdRPM->intValue(), shown);
    QVERIFY(!r->ui()->lcdRPM->isEnabled());
    r->ecu().setFaults(EcuSimFaults());
    QVERIFY(waitFor([&] { return !r->session()->isLineNoisy(); }));
    QVERIFY(r->ui()->lcdRPM->isEnabled());
    QVERIFY(label->isHidden());
    click(r->ui()->btStartLink);
}

QTEST_MAIN(TestLinkedWindow)
#include "test_linkedwindow.moc"
