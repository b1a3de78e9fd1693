// The whole window linked to a simulated unit, with its real worker threads:
// what the user sees of connecting, reading, writing with a backup and a
// read-back, live data, and a link that fails under them.

#include <QAction>
#include <QFile>
#include <QLCDNumber>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include "doctor/hotplugmonitor.h"
#include "link/protocol.h"
#include "uicommon/cmsg.h"
#include "profile/backupstore.h"
#include "profile/profilefile.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

QVector<int> pattern(int seed)
{
    QVector<int> v;
    for (int i = 0; i < 41; ++i)
        v.append(((i * 7 + seed) % 31) - 10);
    return v;
}

void fillUnit(EcuSimulator &ecu, const QVector<int> &curve, int k, bool bench)
{
    for (int i = 0; i < 41; ++i)
        ecu.setCell(i, uchar(curve[i] & 0xFF));
    const unsigned char hw = ecu.config().hwVersion;
    ecu.setCell(Protocol::injectionKCell(hw), uchar(k));
    ecu.setCell(Protocol::benchFlagCell(hw), bench ? 1 : 0);
}

QVector<int> unitCurve(const EcuSimulator &ecu)
{
    QVector<int> v;
    for (int i = 0; i < 41; ++i)
        v.append(qint8(ecu.cell(i)));
    return v;
}

EcuSimConfig unit(unsigned char hw, unsigned char cylinders = 4)
{
    EcuSimConfig c;
    c.hwVersion = hw;
    c.cylinders = cylinders;
    return c;
}

bool transferControlsEnabled(LinkedWindow &r)
{
    return r.ui()->btCaricaProfilo->isEnabled() && r.ui()->btRicercaPorta->isEnabled()
        && r.ui()->btClose->isEnabled() && r.ui()->actionCarica_Profilo->isEnabled();
}

} // namespace

class TestLinkedWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { settings = std::make_unique<ScopedTestSettings>(); }
    void cleanup() { settings.reset(); }

    void connectReadsTheUnitOnBothCarriers();
    void deviceRecordSetsRangeAndEngineType();
    void writeIsVerifiedAndBackedUp();
    void aCellTheUnitDoesNotKeepIsNamed();
    void transferLocksControlsAndPollingResumes();
    void liveFailureWithAReadPendingFreesTheControls();
    void unpluggedAdapterIsShownAtOnce();
    void closingDuringAWriteWaitsForIt();
    void modifiedCurveAsksBeforeTheUnitReplacesIt();
    void benchAndKReachTheUnit();
    void unitsComingAndGoing();
    void aNoisyLineIsNamedNotShown();

private:
    std::unique_ptr<ScopedTestSettings> settings;
};

void TestLinkedWindow::connectReadsTheUnitOnBothCarriers()
{
    for (LinkedWindow::Carrier carrier : {LinkedWindow::Serial, LinkedWindow::Hid}) {
        auto r = LinkedWindow::make(carrier, unit(carrier == LinkedWindow::Hid ? 21 : 10));
        if (!r)
            QSKIP("no pseudo-terminal");
        fillUnit(*r->ecu, pattern(5), 3, true);
        if (carrier == LinkedWindow::Hid)
            r->ecu->cells();  // (the name cells stay empty)
        QVERIFY2(r->link(), qPrintable(r->tag("link")));
        QCOMPARE(Access::curveValues(*r->w), pattern(5));
        QCOMPARE(r->ui()->spKIniezione->value(), 3);
        QVERIFY(Access::bench(*r->w));
        QCOMPARE(r->ui()->btBanco->text(), CMsg::text(CMsg::BancoOn));
        QVERIFY(Access::connected(*r->w));
        QVERIFY(r->ui()->btStartLink->isEnabled());
        QVERIFY(!r->w->isWindowModified());  // what the unit holds is kept there
        QCOMPARE(Access::deviceLabel(*r->w)->text(),
                 carrier == LinkedWindow::Hid ? QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3")
                                              : QStringLiteral("Tervalix: HW10 - V1.1-R0"));
        QCOMPARE(r->ui()->lblVirtualPort->text(), r->session()->portName());
        QVERIFY(r->prompts->warnings.isEmpty());

        // Disconnecting starts afresh: flat curve, link controls off.
        r->w->onCercaPortaClicked();
        QVERIFY(!Access::connected(*r->w));
        QVERIFY(!r->session()->isLinked());
        QCOMPARE(Access::curveValues(*r->w), QVector<int>(41, 0));
        QVERIFY(!r->ui()->btSaveFlash->isEnabled());
        QVERIFY(Access::deviceLabel(*r->w)->text().isEmpty());
    }
}

void TestLinkedWindow::deviceRecordSetsRangeAndEngineType()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(21, 4));
    QVERIFY(r->link());
    // Hardware 21: the wide range; four cylinders: 17000 rpm, the type locked.
    QCOMPARE(Access::limits(*r->w).valueMax, 50.0f);
    QCOMPARE(r->ui()->spProfiloPiatto->maximum(), 50);
    QCOMPARE(Access::maxRpm(*r->w), 17000.0);
    QVERIFY(!r->ui()->actionCentralina_2cilindri->isEnabled());
    r->w->onCercaPortaClicked();
    QVERIFY(r->ui()->actionCentralina_2cilindri->isEnabled());

    // A unit that reports no cylinders leaves the type to the user.
    auto q = LinkedWindow::make(LinkedWindow::Hid, unit(11, 0));
    const double before = Access::maxRpm(*q->w);
    QVERIFY(q->link());
    QCOMPARE(Access::maxRpm(*q->w), before);
    QVERIFY(q->ui()->actionCentralina_4cilindri->isEnabled());
    QCOMPARE(Access::limits(*q->w).valueMin, -20.0f);
}

void TestLinkedWindow::writeIsVerifiedAndBackedUp()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(21));
    fillUnit(*r->ecu, pattern(1), 2, false);
    QVERIFY(r->link());
    // The user's curve, written: newer hardware keeps the profile's name, so
    // a file is saved first.
    Access::setCurveValues(*r->w, pattern(9));
    QVERIFY(r->w->isWindowModified());
    r->prompts->saveAnswers << r->folder.filePath("gust.prf");
    r->w->onSaveFlashClicked();
    QVERIFY(r->waitOutcomes(2));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QCOMPARE(unitCurve(*r->ecu), pattern(9));
    QCOMPARE(r->ecu->cells().mid(41, 8), QByteArray("gust.prf"));
    QVERIFY(r->w->statusBar()->currentMessage().contains(QStringLiteral("81")));
    QVERIFY(!r->w->isWindowModified());
    QVERIFY(r->prompts->warnings.isEmpty());

    // The unit's previous curve is in the backup; File -> Restore last backup
    // brings it back into the window, to be written again.
    const QString backup = BackupStore(r->folder.filePath("backup")).latest();
    QVERIFY(QFileInfo(backup).fileName().endsWith(QStringLiteral("_HW21.prf")));
    r->ui()->actionRipristina_Backup->trigger();
    QCOMPARE(Access::curveValues(*r->w), pattern(1));
    QCOMPARE(r->ui()->spKIniezione->value(), 2);
    QCOMPARE(Access::model(*r->w)->filePath(), backup);
    r->w->onSaveFlashClicked();
    QVERIFY(r->waitOutcomes(3));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QCOMPARE(unitCurve(*r->ecu), pattern(1));
}

void TestLinkedWindow::aCellTheUnitDoesNotKeepIsNamed()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2));
    QVERIFY(r->link());
    EcuSimFaults stuck;
    stuck.stuckCell = 7;
    r->ecu->setFaults(stuck);
    QVector<int> values = pattern(2);
    values[7] = 11;
    Access::setCurveValues(*r->w, values);
    r->prompts->yesNo << false;  // do not write again
    r->w->onSaveFlashClicked();
    QVERIFY(r->waitOutcomes(2));
    QCOMPARE(r->lastOutcome(), QStringLiteral("KO_VERIFY"));
    QCOMPARE(r->prompts->warnings.size(), 1);
    QVERIFY2(r->prompts->warnings.first().contains(QStringLiteral("Cella 7: scritto 11, la centralina contiene 0")),
             qPrintable(r->prompts->warnings.first()));
    QCOMPARE(r->prompts->questions.size(), 1);  // offered to write again
    QVERIFY(Access::connected(*r->w));          // the link is fine
    QVERIFY(transferControlsEnabled(*r));
    QVERIFY(r->w->isWindowModified());  // the unit does not hold the curve
}

void TestLinkedWindow::transferLocksControlsAndPollingResumes()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2));
    QVERIFY(r->link());
    // During a write everything that could touch the curve or the link waits.
    const Ui::frmProgPannel *ui = r->ui();
    const QList<QObject *> locked{ui->btReadFlash, ui->btSaveFlash, ui->btRicercaPorta, ui->btCaricaProfilo,
                                  ui->btSalvaProfilo, ui->btFlatProfile, ui->spKIniezione,
                                  ui->actionCarica_Profilo, ui->actionCercaCentralina,
                                  ui->tblCurva, ui->btClose};
    Access::setCurveValues(*r->w, pattern(4));
    r->w->onSaveFlashClicked();
    for (QObject *o : locked)
        QVERIFY2(!o->property("enabled").toBool(), qPrintable(o->objectName()));
    QVERIFY(r->waitOutcomes(2));
    for (QObject *o : locked)
        QVERIFY2(o->property("enabled").toBool(), qPrintable(o->objectName()));

    // With live data on, polling comes back after a transfer and after
    // every way out of a load or save.
    r->w->onLinkClicked();
    QVERIFY(r->session()->isPolling());
    const QString bad = r->folder.filePath("short.prf");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("abc");
    f.close();
    for (const QString &answer : {QString(), bad, r->folder.filePath("none.prf")}) {
        r->prompts->openAnswers << answer;
        r->w->onLoadProfileClicked();
        QVERIFY(waitFor([&] { return r->prompts->openAsked > 0 && r->session()->isPolling(); }, 2000));
    }
    r->prompts->saveAnswers << QString();
    r->w->onSaveProfileClicked();
    QVERIFY(waitFor([&] { return r->prompts->saveAsked == 1 && r->session()->isPolling(); }, 2000));
    r->w->onReadFlashClicked();
    QVERIFY(r->waitOutcomes(3));
    QVERIFY(r->session()->isPolling());
    r->w->onLinkClicked();
}

void TestLinkedWindow::liveFailureWithAReadPendingFreesTheControls()
{
    // Short time-outs: the point is that an outcome comes, not when.
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2), [](EcuSession::Config &c) {
        c.transferTimeoutMs = 50;
        c.liveTimeoutMs = 50;
    });
    QVERIFY(r->link());
    const QVector<int> curve = Access::curveValues(*r->w);
    r->w->onLinkClicked();
    QVERIFY(waitFor([&] { return r->session()->deliveredPolls() > 2; }));
    EcuSimFaults silent;
    silent.silent = true;
    r->ecu->setFaults(silent);
    r->w->onReadFlashClicked();
    QVERIFY(!r->ui()->btCaricaProfilo->isEnabled());
    QVERIFY(waitFor([&] { return transferControlsEnabled(*r); }, 10000));
    QVERIFY(!Access::connected(*r->w));
    QVERIFY(!r->prompts->warnings.isEmpty());
    QVERIFY(r->prompts->warnings.size() <= 2);
    // A failed transfer keeps the curve on screen.
    QCOMPARE(Access::curveValues(*r->w), curve);
}

void TestLinkedWindow::unpluggedAdapterIsShownAtOnce()
{
    auto r = LinkedWindow::make(LinkedWindow::Serial, unit(10, 2));
    if (!r)
        QSKIP("no pseudo-terminal");
    QVERIFY(r->link());
    Access::setCurveValues(*r->w, pattern(6));
    r->pty->unplug();
    // LED off and the controls as after a disconnect, without any action by
    // the user; one message; the curve stays.
    QVERIFY(waitFor([&] { return !Access::connected(*r->w); }, 2000));
    QVERIFY(!r->ui()->btStartLink->isEnabled());
    QVERIFY(r->ui()->btRicercaPorta->isEnabled());
    QCOMPARE(r->prompts->warnings.size(), 1);
    QCOMPARE(Access::curveValues(*r->w), pattern(6));
    QTest::qWait(200);
    QCOMPARE(r->prompts->warnings.size(), 1);
}

void TestLinkedWindow::closingDuringAWriteWaitsForIt()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2));
    QVERIFY(r->link());
    r->w->show();
    // Saved first: the close itself has nothing to ask about.
    Access::setCurveValues(*r->w, pattern(12));
    Access::model(*r->w)->setPristine();
    r->w->onSaveFlashClicked();
    QVERIFY(waitFor([&] { return r->session()->isTransferring(); }));
    r->w->close();
    QVERIFY(r->w->isVisible());  // not in the middle of a write
    QVERIFY(waitFor([&] { return !r->w->isVisible(); }, 10000));
    QCOMPARE(r->lastOutcome(), QStringLiteral("OK_SND"));
    QCOMPARE(unitCurve(*r->ecu), pattern(12));  // every cell written
}

void TestLinkedWindow::modifiedCurveAsksBeforeTheUnitReplacesIt()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2));
    fillUnit(*r->ecu, pattern(3), 1, false);
    Access::setCurveValues(*r->w, pattern(8));
    // Connecting reads the unit: asked first; Cancel keeps the work and
    // skips the read (the link stays up).
    r->w->onCercaPortaClicked();
    QVERIFY(waitFor([&] { return !Access::search(*r->w)->isProbingHid(); }));
    Access::search(*r->w)->onClose();
    QVERIFY(Access::connected(*r->w));
    QCOMPARE(r->prompts->questions.size(), 1);
    QTest::qWait(100);
    QVERIFY(r->outcomes.isEmpty());
    QCOMPARE(Access::curveValues(*r->w), pattern(8));
    // Read, Discard: the unit's curve.
    r->prompts->choices << UserPrompts::Discard;
    r->w->onReadFlashClicked();
    QVERIFY(r->waitOutcomes(1));
    QCOMPARE(Access::curveValues(*r->w), pattern(3));
    QCOMPARE(r->prompts->questions.size(), 2);
    // The work is one undo away.
    r->ui()->actionUndo->trigger();
    QCOMPARE(Access::curveValues(*r->w), pattern(8));
}

void TestLinkedWindow::benchAndKReachTheUnit()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2));
    QVERIFY(r->link());
    r->w->onBancoClicked();
    QVERIFY(Access::bench(*r->w));
    QCOMPARE(r->ui()->btBanco->text(), CMsg::text(CMsg::BancoOn));
    QVERIFY(waitFor([&] { return r->ecu->cell(Protocol::benchFlagCell(10)) == 1; }));
    r->ui()->spKIniezione->setValue(3);
    QVERIFY(waitFor([&] { return r->ecu->cell(Protocol::injectionKCell(10)) == 3; }));
    r->w->onBancoClicked();
    QVERIFY(waitFor([&] { return r->ecu->cell(Protocol::benchFlagCell(10)) == 0; }));
    QCOMPARE(r->ui()->btBanco->text(), CMsg::text(CMsg::BancoOff));

    // Live data reaches the displays.
    r->w->onLinkClicked();
    QVERIFY(waitFor([&] { return r->ui()->lcdRPM->intValue() > 0; }));
    r->w->onLinkClicked();
}

namespace {
// udev as a test plays it.
struct FakeUdev : DeviceEventSource {
    Sink sink;
    bool start(Sink s) override
    {
        sink = std::move(s);
        return true;
    }
    void send(const QString &action, const QString &subsystem, const QString &node, const QString &hidId = {})
    {
        DeviceEvent e{action, subsystem, node, {}};
        if (!hidId.isEmpty())
            e.properties.insert(QStringLiteral("HID_ID"), hidId);
        sink(e);
    }
};
} // namespace

void TestLinkedWindow::unitsComingAndGoing()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2));
    auto source = std::make_unique<FakeUdev>();
    FakeUdev *udev = source.get();
    r->w->setHotplugMonitor(new HotplugMonitor(std::move(source)));
    const QString ecuId = QStringLiteral("0003:000004D8:00000080");

    // Plugged in while nothing is linked: the user is asked, and a No is a no.
    udev->send("add", "hidraw", "/dev/hidraw7", ecuId);
    QCOMPARE(r->prompts->questions.size(), 1);
    QVERIFY(!Access::search(*r->w)->isVisible());
    // Another device is none of its business.
    udev->send("add", "hidraw", "/dev/hidraw8", QStringLiteral("0003:0000046D:0000C52B"));
    QCOMPARE(r->prompts->questions.size(), 1);
    // With automatic search on, the search starts by itself.
    r->ui()->actionRicercaAutomatica->setChecked(true);
    udev->send("add", "hidraw", "/dev/hidraw7", ecuId);
    QCOMPARE(r->prompts->questions.size(), 1);
    QVERIFY(Access::search(*r->w)->isVisible());
    QVERIFY(waitFor([&] { return !Access::search(*r->w)->isProbingHid(); }));
    Access::search(*r->w)->onClose();
    QVERIFY(r->waitOutcomes(1));
    QVERIFY(Access::connected(*r->w));
    QVERIFY(QSettings().value("AutoSearch").toBool());

    // The linked unit's node goes away: the link is lost at once.
    udev->send("remove", "hidraw", r->session()->devicePath());
    QVERIFY(!Access::connected(*r->w));
    QCOMPARE(r->prompts->warnings.size(), 1);
}

void TestLinkedWindow::aNoisyLineIsNamedNotShown()
{
    auto r = LinkedWindow::make(LinkedWindow::Hid, unit(10, 2));
    QVERIFY(r->link());
    r->w->onLinkClicked();
    QVERIFY(waitFor([&] { return r->ui()->lcdRPM->intValue() > 0; }));
    // Noise in front of every answer: far more than a quiet line gives.
    EcuSimFaults noise;
    noise.garbageBytes = 6;
    noise.garbageEveryN = 1;
    r->ecu->setFaults(noise);
    QVERIFY(waitFor([&] { return r->session()->isLineNoisy(); }, 5000));
    QLabel *label = nullptr;
    for (QLabel *l : r->w->statusBar()->findChildren<QLabel *>())
        if (!l->isHidden() && l->text().contains(QStringLiteral("disturbata")))
            label = l;
    QVERIFY(label);
    // The displays stand still while the line is noisy.
    const int shown = r->ui()->lcdRPM->intValue();
    QTest::qWait(300);
    QCOMPARE(r->ui()->lcdRPM->intValue(), shown);
    QVERIFY(!r->ui()->lcdRPM->isEnabled());
    r->ecu->setFaults(EcuSimFaults());
    QVERIFY(waitFor([&] { return !r->session()->isLineNoisy(); }, 5000));
    QVERIFY(r->ui()->lcdRPM->isEnabled());
    r->w->onLinkClicked();
}

QTEST_MAIN(TestLinkedWindow)
#include "test_linkedwindow.moc"
