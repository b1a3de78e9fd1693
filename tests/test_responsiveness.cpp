// How long the GUI thread's event loop is kept from running while the window
// talks to the ECU: a port search, a profile read and a profile write over
// both carriers (the in-process HID device and a pseudo-terminal serial
// line), and a HID device that never answers, during a search and during a
// transfer. A 5 ms timer in the GUI thread records its longest tick-to-tick
// gap; no gap may exceed 100 ms.

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <qwt_plot_curve.h>

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/frmricercaporta.h"
#include "link/hidlink.h"
#include "link/protocol.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "sim/ptyecusimulator.h"
#include "sim/simregistry.h"
#include "sim/simulatedhiddevice.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

constexpr qint64 MaxStallMs = 100;

// Records the longest gap between two ticks of a 5 ms timer of the GUI thread.
class StallProbe {
public:
    StallProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { tick(); });
    }
    void start()
    {
        clock.start();
        last = 0;
        longest = 0;
        ticks = 0;
        timer.start();
    }
    // The gap up to this moment counts too: a stall may still be going on.
    qint64 stop()
    {
        tick();
        timer.stop();
        return longest;
    }
    int tickCount() const { return ticks; }

private:
    void tick()
    {
        const qint64 now = clock.elapsed();
        longest = qMax(longest, now - last);
        last = now;
        ++ticks;
    }
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    int ticks = 0;
};

// The simulator variables are read by the window's constructor only.
struct HidEnvironment {
    HidEnvironment(int hw, bool silent)
    {
        qputenv("TERVALIX_SIMULATOR", "hid");
        qputenv("TERVALIX_SIM_HW", QByteArray::number(hw));
        qputenv("TERVALIX_SIM_CYL", "4");
        qputenv("TERVALIX_SIM_SILENT", silent ? "1" : "0");
    }
    ~HidEnvironment()
    {
        for (const char *v : {"TERVALIX_SIMULATOR", "TERVALIX_SIM_HW", "TERVALIX_SIM_CYL", "TERVALIX_SIM_SILENT"})
            qunsetenv(v);
    }
};

struct Session {
    ScopedTestSettings settings;
    std::shared_ptr<PromptLog> prompts = std::make_shared<PromptLog>();
    std::unique_ptr<frmProgPannel> w;
    QStringList outcomes;

    explicit Session(int hidHw = 0, bool silentHid = false)
    {
        std::unique_ptr<HidEnvironment> env;
        if (hidHw > 0)
            env = std::make_unique<HidEnvironment>(hidHw, silentHid);
        w = std::make_unique<frmProgPannel>();
        w->setUserPrompts(new ScriptedPrompts(prompts));
        Access::recordOutcomes(*w, outcomes);
    }
    Ui::frmProgPannel *ui() { return Access::ui(*w); }
    frmRicercaPorta *dialog() { return Access::search(*w); }
    // Runs `action` from the event loop, as a button press would, and keeps
    // the loop running until `done` holds.
    template <typename Action, typename Done>
    bool runQueued(Action action, Done done, int timeoutMs = 30000)
    {
        QTimer::singleShot(0, w.get(), action);
        return waitFor(done, timeoutMs);
    }
};

QVector<double> pattern(int seed)
{
    QVector<double> v;
    for (int i = 0; i < 41; ++i)
        v.append(((i * 5 + seed) % 31) - 10);
    return v;
}

} // namespace

class TestResponsiveness : public QObject {
    Q_OBJECT

private slots:
    void hidSearchReadWrite();
    void serialSearchReadWrite();
    void silentHidSearch();
    void silentHidTransfer_data();
    void silentHidTransfer();
    void hidChannelKeepsOrderWhenSentFromWithinItsWait();
    void cleanupTestCase();

private:
    void record(const QString &what, qint64 ms)
    {
        figures[what] = ms;
        qInfo("longest GUI stall, %s: %lld ms", qPrintable(what), ms);
    }
    QMap<QString, qint64> figures;
};

void TestResponsiveness::hidSearchReadWrite()
{
    QTemporaryDir dir;
    Session s(21);
    QVERIFY(Access::hid(*s.w));
    StallProbe probe;

    probe.start();
    QVERIFY(s.runQueued([&] { s.w->onCercaPortaClicked(); }, [&] { return s.dialog()->isVisible(); }));
    const qint64 search = probe.stop();
    QCOMPARE(s.dialog()->foundPort(), QStringLiteral("HID"));

    probe.start();
    QVERIFY(s.runQueued([&] { s.dialog()->close(); }, [&] { return !s.outcomes.isEmpty(); }));
    const qint64 read = probe.stop();
    QCOMPARE(s.outcomes.value(0), QStringLiteral("OK_RCV"));

    Access::setCurveValues(*s.w, pattern(4));
    s.prompts->saveAnswers << dir.filePath("quick.prf");  // this unit keeps the profile's name
    probe.start();
    QVERIFY(s.runQueued([&] { s.w->onSaveFlashClicked(); }, [&] { return s.outcomes.size() >= 2; }));
    const qint64 write = probe.stop();
    QCOMPARE(s.outcomes.value(1), QStringLiteral("OK_SND"));
    QVERIFY(s.prompts->warnings.isEmpty());

    record("search, HID", search);
    record("read, HID", read);
    record("write, HID", write);
    QVERIFY2(search <= MaxStallMs, qPrintable(QString::number(search)));
    QVERIFY2(read <= MaxStallMs, qPrintable(QString::number(read)));
    QVERIFY2(write <= MaxStallMs, qPrintable(QString::number(write)));
}

void TestResponsiveness::serialSearchReadWrite()
{
    EcuSimConfig c;
    c.hwVersion = 10;
    c.cylinders = 2;
    PtyEcuSimulator pty(std::make_shared<EcuSimulator>(c));
    if (!pty.start())
        QSKIP(qPrintable("no pseudo-terminal: " + pty.errorString()));
    Session s;
    StallProbe probe;

    probe.start();
    QVERIFY(s.runQueued([&] { s.w->onCercaPortaClicked(); }, [&] { return s.dialog()->isVisible(); }));
    auto *list = s.dialog()->findChild<QComboBox *>("cbPorteSeriali");
    QVERIFY(list && list->findText(pty.portPath()) > 0);
    auto *status = s.dialog()->findChild<QLabel *>("lblStatus");
    QVERIFY(s.runQueued([&] { list->setCurrentIndex(list->findText(pty.portPath())); },
                        [&] { return !s.dialog()->isWaitingReply() && !status->text().isEmpty(); }, 3000));
    const qint64 search = probe.stop();
    QCOMPARE(s.dialog()->foundPort(), pty.portPath());

    probe.start();
    QVERIFY(s.runQueued([&] { s.dialog()->close(); }, [&] { return !s.outcomes.isEmpty(); }));
    const qint64 read = probe.stop();
    QCOMPARE(s.outcomes.value(0), QStringLiteral("OK_RCV"));

    Access::setCurveValues(*s.w, pattern(9));
    probe.start();
    QVERIFY(s.runQueued([&] { s.w->onSaveFlashClicked(); }, [&] { return s.outcomes.size() >= 2; }));
    const qint64 write = probe.stop();
    QCOMPARE(s.outcomes.value(1), QStringLiteral("OK_SND"));
    QVERIFY(s.prompts->warnings.isEmpty());

    record("search, serial", search);
    record("read, serial", read);
    record("write, serial", write);
    QVERIFY2(search <= MaxStallMs, qPrintable(QString::number(search)));
    QVERIFY2(read <= MaxStallMs, qPrintable(QString::number(read)));
    QVERIFY2(write <= MaxStallMs, qPrintable(QString::number(write)));
}

void TestResponsiveness::silentHidSearch()
{
    Session s(21, true);
    SimulatedHidDevice *hid = Access::hid(*s.w);
    QVERIFY(hid);
    StallProbe probe;
    probe.start();
    QVERIFY(s.runQueued([&] { s.w->onCercaPortaClicked(); }, [&] { return s.dialog()->isVisible(); }, 10000));
    const qint64 search = probe.stop();
    // All five attempts were made, then the serial list is offered.
    QCOMPARE(hid->writeCount(), 5);
    QVERIFY(s.dialog()->findChild<QComboBox *>("cbPorteSeriali")->isVisible());
    QVERIFY(s.dialog()->foundPort().isEmpty());
    record("search, silent HID", search);
    QVERIFY2(search <= MaxStallMs, qPrintable(QString::number(search)));
}

void TestResponsiveness::silentHidTransfer_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("write") << true;
    QTest::newRow("read") << false;
}

void TestResponsiveness::silentHidTransfer()
{
    QFETCH(bool, write);
    Session s(10);
    SimulatedHidDevice *hid = Access::hid(*s.w);
    QVERIFY(hid);
    QVERIFY(s.runQueued([&] { s.w->onCercaPortaClicked(); }, [&] { return s.dialog()->isVisible(); }));
    QVERIFY(s.runQueued([&] { s.dialog()->close(); }, [&] { return !s.outcomes.isEmpty(); }));
    QCOMPARE(s.outcomes.value(0), QStringLiteral("OK_RCV"));
    // The K read from the unit may go back to it as its own write; let it finish.
    CGestRT *rt = Access::rt(*s.w);
    QVERIFY(waitFor([rt] { return rt->queuedFrames() == 0 && rt->state() == CGestRT::Idle; }));

    EcuSimFaults f;
    f.silent = true;
    hid->ecu()->setFaults(f);
    Access::setCurveValues(*s.w, pattern(2));
    const int writesBefore = hid->writeCount();
    StallProbe probe;
    probe.start();
    // Long enough for several unanswered frames (one every ~500 ms).
    QVERIFY(s.runQueued([&] { write ? s.w->onSaveFlashClicked() : s.w->onReadFlashClicked(); },
                        [&] { return hid->writeCount() - writesBefore >= 4; }, 10000));
    const qint64 stall = probe.stop();
    QCOMPARE(s.outcomes.size(), 1);  // still trying
    record(write ? "write, silent HID" : "read, silent HID", stall);
    QVERIFY2(stall <= MaxStallMs, qPrintable(QString::number(stall)));

}

void TestResponsiveness::hidChannelKeepsOrderWhenSentFromWithinItsWait()
{
    // A slow unit: while the window waits for the first answer, its event
    // loop runs and a second frame is sent from there. The device sees one
    // exchange at a time, and the answers are handled in the order sent.
    SimulatedHidDevice hid(std::make_shared<EcuSimulator>());
    hid.ecu()->setCell(1, 11);
    hid.ecu()->setCell(2, 22);
    EcuSimFaults slow;
    slow.replyDelayMs = 60;
    hid.ecu()->setFaults(slow);
    QList<QByteArray> handled;
    HidLink::Channel channel(&hid, [&](const HidLink::Exchange &x) { handled << x.reply.left(3); });
    bool secondReturned = false;
    QTimer::singleShot(10, [&] {
        channel.send(Protocol::makeReadFrame(2));
        secondReturned = true;
    });
    StallProbe probe;
    probe.start();
    channel.send(Protocol::makeReadFrame(1));
    QVERIFY(waitFor([&] { return secondReturned; }, 2000));
    const qint64 stall = probe.stop();
    QCOMPARE(handled.size(), 2);
    QCOMPARE(handled[0], QByteArray::fromHex("F4 0B 01"));
    QCOMPARE(handled[1], QByteArray::fromHex("F4 16 02"));
    QCOMPARE(hid.writeCount(), 2);
    QVERIFY2(probe.tickCount() >= 10, qPrintable(QString::number(probe.tickCount())));
    QVERIFY2(stall <= MaxStallMs, qPrintable(QString::number(stall)));
}

void TestResponsiveness::cleanupTestCase()
{
    QStringList lines;
    for (auto it = figures.cbegin(); it != figures.cend(); ++it)
        lines << QStringLiteral("%1: %2 ms").arg(it.key()).arg(it.value());
    qInfo("longest GUI stalls: %s", qPrintable(lines.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestResponsiveness)
#include "test_responsiveness.moc"
