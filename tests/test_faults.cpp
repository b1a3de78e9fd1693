// The whole window and its real worker threads against a misbehaving ECU,
// each case over both carriers at once: a pseudo-terminal serial line (real
// QSerialPort) and the in-process HID device. Every case checks what the
// unit's cell memory holds afterwards, not only the outcome reported.

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <memory>
#include <qwt_plot_curve.h>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/frmricercaporta.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

constexpr int TransferTimeoutMs = 500;  // the window's per-reply time-out
constexpr int TransferRetries = 20;     // time-outs per transfer

qint64 cpuMs()
{
#ifdef Q_OS_UNIX
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return qint64(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000 + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1000;
#else
    return qint64(std::clock()) * 1000 / CLOCKS_PER_SEC;
#endif
}

QVector<double> pattern(int seed)
{
    QVector<double> v;
    for (int i = 0; i < 41; ++i)
        v.append(((i * 7 + seed) % 31) - 10);
    return v;
}

unsigned char asCell(double value) { return static_cast<unsigned char>(static_cast<int>(value) & 0xFF); }

// One window linked to one simulated unit over one carrier.
struct Rig {
    QString carrier;  // "serial" or "HID"
    std::shared_ptr<EcuSimulator> ecu;
    std::unique_ptr<PtyEcuSimulator> pty;
    std::shared_ptr<PromptLog> prompts = std::make_shared<PromptLog>();
    std::unique_ptr<frmProgPannel> w;
    QStringList outcomes;

    static std::unique_ptr<Rig> serial(quint32 seed)
    {
        auto r = std::make_unique<Rig>();
        r->carrier = QStringLiteral("serial");
        EcuSimConfig c;
        c.hwVersion = 10;  // a serial unit is taken for the 50-cell layout
        c.cylinders = 2;
        c.seed = seed;
        r->ecu = std::make_shared<EcuSimulator>(c);
        r->pty = std::make_unique<PtyEcuSimulator>(r->ecu);
        if (!r->pty->start())
            return nullptr;
        r->makeWindow();
        return r;
    }
    static std::unique_ptr<Rig> hid(int hw, quint32 seed, bool silent = false)
    {
        auto r = std::make_unique<Rig>();
        r->carrier = QStringLiteral("HID");
        // The window's constructor reads these.
        qputenv("TERVALIX_SIMULATOR", "hid");
        qputenv("TERVALIX_SIM_HW", QByteArray::number(hw));
        qputenv("TERVALIX_SIM_CYL", "4");
        qputenv("TERVALIX_SIM_SEED", QByteArray::number(seed));
        qputenv("TERVALIX_SIM_SILENT", silent ? "1" : "0");
        r->makeWindow();
        for (const char *v : {"TERVALIX_SIMULATOR", "TERVALIX_SIM_HW", "TERVALIX_SIM_CYL", "TERVALIX_SIM_SEED",
                              "TERVALIX_SIM_SILENT"})
            qunsetenv(v);
        r->ecu = Access::hid(*r->w) ? Access::hid(*r->w)->ecu() : nullptr;
        return r;
    }
    void makeWindow()
    {
        w = std::make_unique<frmProgPannel>();
        w->setUserPrompts(new ScriptedPrompts(prompts));
        Access::recordOutcomes(*w, outcomes);
    }
    Ui::frmProgPannel *ui() { return Access::ui(*w); }
    frmRicercaPorta *dialog() { return Access::search(*w); }

    // The user's search, up to the dialog showing that the unit was found.
    bool find()
    {
        w->onCercaPortaClicked();
        if (pty) {
            dialog()->onSelezionePortaClicked(pty->portPath());
            waitFor([this] { return !dialog()->isWaitingReply(); }, 3000);
        }
        return !dialog()->foundPort().isEmpty();
    }
    // Closing the dialog links the window, which reads the unit at once.
    void closeSearch() { dialog()->onClose(); }
    bool rtIdle()
    {
        CGestRT *rt = Access::rt(*w);
        return rt->queuedFrames() == 0 && rt->state() == CGestRT::Idle;
    }
    bool hasOutcomes(int n) const { return outcomes.size() >= n; }
    QString lastOutcome() const { return outcomes.value(outcomes.size() - 1); }
    QString tag(const QString &what) const { return carrier + ": " + what; }
};

using Rigs = std::vector<std::unique_ptr<Rig>>;

bool waitAll(Rigs &rigs, int outcomes, int timeoutMs)
{
    return waitFor([&] {
        for (auto &r : rigs)
            if (!r->hasOutcomes(outcomes))
                return false;
        return true;
    }, timeoutMs);
}

// Finds both units, switches the faults on, then links (the read runs under
// the faults) and waits for the reads and for the live-data thread to settle.
bool linkAll(Rigs &rigs, const EcuSimFaults &faults, int readTimeoutMs = 30000)
{
    for (auto &r : rigs) {
        if (!r->ecu || !r->find())
            return false;
        r->ecu->setFaults(faults);
    }
    for (auto &r : rigs)
        r->closeSearch();
    if (!waitAll(rigs, 1, readTimeoutMs))
        return false;
    return waitFor([&] {
        for (auto &r : rigs)
            if (!r->rtIdle())
                return false;
        return true;
    }, 15000);
}

// Every cell of the unit holds either its value from before or the value
// written; the cells past the written range are untouched.
void checkOldOrNew(const Rig &r, const QByteArray &before, const QByteArray &written)
{
    const QByteArray after = r.ecu->cells();
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i) {
        if (i < written.size()) {
            QVERIFY2(after[i] == before[i] || after[i] == written[i],
                     qPrintable(r.tag(QStringLiteral("cell %1 holds %2, neither %3 nor %4")
                                          .arg(i).arg(uchar(after[i])).arg(uchar(before[i])).arg(uchar(written[i])))));
        } else {
            QVERIFY2(after[i] == before[i], qPrintable(r.tag(QStringLiteral("cell %1 beyond the write changed").arg(i))));
        }
    }
}

// The cells a 41-point write sends (no profile name).
QByteArray curveCells(const QVector<double> &curve)
{
    QByteArray b;
    for (double v : curve)
        b.append(static_cast<char>(asCell(v)));
    return b;
}

// After a write: success with every written cell equal, or a reported failure.
void checkWriteOutcome(const Rig &r, const QByteArray &before, const QByteArray &written)
{
    checkOldOrNew(r, before, written);
    const QString outcome = r.lastOutcome();
    if (outcome == QLatin1String("OK_SND")) {
        QCOMPARE(r.ecu->cells().left(written.size()), written);
        QVERIFY2(r.prompts->warnings.isEmpty(), qPrintable(r.tag(r.prompts->warnings.join(';'))));
    } else {
        QCOMPARE(outcome, QStringLiteral("KO_SND"));
        QCOMPARE(r.prompts->warnings,
                 QStringList{CMsg::text(CMsg::FlashWrite) + '|' + CMsg::text(CMsg::CommError)});
    }
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void droppedRepliesAreRetried();
    void garbageBetweenReplies();
    void wrongKindReplies();
    void deviceVanishesMidWrite();
    void silentHidDeviceKeepsTheWindowServing();
    void hidLinkLostThenSerialSearchFindsTheSerialUnit();

private:
    std::unique_ptr<ScopedTestSettings> settings;
};

void TestFaults::initTestCase()
{
    settings = std::make_unique<ScopedTestSettings>();
    qunsetenv("TERVALIX_SIMULATOR");
}

void TestFaults::droppedRepliesAreRetried()
{
    QTemporaryDir dir;
    Rigs rigs;
    rigs.push_back(Rig::serial(7));
    if (!rigs.back())
        QSKIP("no pseudo-terminal");
    rigs.push_back(Rig::hid(21, 7));  // 90 cells: the write carries the profile's name
    const QVector<double> onEcu = pattern(3);
    for (auto &r : rigs) {
        QVERIFY(r->ecu);
        for (int i = 0; i < 41; ++i)
            r->ecu->setCell(i, asCell(onEcu[i]));
        r->ecu->setCell(r->ecu->cellCount() == 90 ? 82 : 42, 3);
    }
    EcuSimFaults drop;
    drop.dropRate = 0.10;
    int before[2] = {0, 0};
    for (int i = 0; i < 2; ++i)
        before[i] = rigs[i]->ecu->requestsReceived();

    // The read under the faults gives the unit's values.
    QVERIFY(linkAll(rigs, drop, 40000));
    for (int i = 0; i < 2; ++i) {
        Rig &r = *rigs[i];
        QCOMPARE(r.outcomes.value(0), QStringLiteral("OK_RCV"));
        QCOMPARE(Access::curveValues(*r.w), onEcu);
        QCOMPARE(r.ui()->spKIniezione->value(), 3);
        // Some replies were really lost, and their cells asked again.
        const int asked = r.ecu->requestsReceived() - before[i];
        QVERIFY2(asked > r.ecu->cellCount(), qPrintable(r.tag(QString::number(asked))));
        qInfo("%s: read of %d cells took %d requests", qPrintable(r.carrier), r.ecu->cellCount(), asked);
    }

    // The write under the faults succeeds within its retry budget.
    const QVector<double> edited = pattern(11);
    rigs[1]->prompts->saveAnswers << dir.filePath("gust.prf");
    QByteArray cellsBefore[2];
    for (int i = 0; i < 2; ++i) {
        cellsBefore[i] = rigs[i]->ecu->cells();
        before[i] = rigs[i]->ecu->requestsReceived();
        Access::setCurveValues(*rigs[i]->w, edited);
        rigs[i]->w->onSaveFlashClicked();
    }
    QVERIFY(waitAll(rigs, 2, 40000));
    for (int i = 0; i < 2; ++i) {
        Rig &r = *rigs[i];
        QCOMPARE(r.outcomes.value(1), QStringLiteral("OK_SND"));
        QByteArray written = curveCells(edited);
        if (r.ecu->cellCount() == 90) {
            QByteArray name("gust.prf");
            written += name + QByteArray(40 - name.size(), '\0');
        }
        QCOMPARE(r.ecu->cells().left(written.size()), written);
        QCOMPARE(r.ecu->cells().mid(written.size()), cellsBefore[i].mid(written.size()));
        QVERIFY(r.prompts->warnings.isEmpty());
        qInfo("%s: write of %d cells took %d requests", qPrintable(r.carrier), int(written.size()),
              r.ecu->requestsReceived() - before[i]);
    }
}

void TestFaults::garbageBetweenReplies()
{
    Rigs rigs;
    rigs.push_back(Rig::serial(11));
    if (!rigs.back())
        QSKIP("no pseudo-terminal");
    rigs.push_back(Rig::hid(10, 11));
    QVERIFY(linkAll(rigs, EcuSimFaults()));

    // Three random bytes in front of every other reply.
    EcuSimFaults garbage;
    garbage.garbageBytes = 3;
    garbage.garbageEveryN = 2;
    const QVector<double> edited = pattern(23);
    const QByteArray written = curveCells(edited);
    QByteArray cellsBefore[2];
    int before[2];
    for (int i = 0; i < 2; ++i) {
        rigs[i]->ecu->setFaults(garbage);
        cellsBefore[i] = rigs[i]->ecu->cells();
        before[i] = rigs[i]->ecu->requestsReceived();
        Access::setCurveValues(*rigs[i]->w, edited);
        rigs[i]->w->onSaveFlashClicked();
    }
    QVERIFY(waitAll(rigs, 2, 40000));
    for (int i = 0; i < 2; ++i) {
        Rig &r = *rigs[i];
        checkWriteOutcome(r, cellsBefore[i], written);
        // The link falls back in step with the replies at once: the noise
        // costs (almost) no time-outs, so the write goes through.
        const int asked = r.ecu->requestsReceived() - before[i];
        qInfo("%s: write of 41 cells with noise took %d requests, outcome %s", qPrintable(r.carrier), asked,
              qPrintable(r.lastOutcome()));
        QCOMPARE(r.lastOutcome(), QStringLiteral("OK_SND"));
        QVERIFY2(asked <= 41 + 4, qPrintable(r.tag(QString::number(asked))));
    }
}

void TestFaults::wrongKindReplies()
{
    Rigs rigs;
    rigs.push_back(Rig::serial(5));
    if (!rigs.back())
        QSKIP("no pseudo-terminal");
    rigs.push_back(Rig::hid(10, 5));
    QVERIFY(linkAll(rigs, EcuSimFaults()));

    EcuSimFaults wrong;
    wrong.wrongKindEveryN = 7;
    const QVector<double> edited = pattern(29);
    const QByteArray written = curveCells(edited);
    QByteArray cellsBefore[2];
    for (int i = 0; i < 2; ++i) {
        rigs[i]->ecu->setFaults(wrong);
        cellsBefore[i] = rigs[i]->ecu->cells();
        Access::setCurveValues(*rigs[i]->w, edited);
        rigs[i]->w->onSaveFlashClicked();
    }
    // No stall: each cell costs at most a few steps plus the time-outs of
    // the whole transfer's budget.
    QElapsedTimer t;
    t.start();
    QVERIFY(waitAll(rigs, 2, 41 * 200 + TransferRetries * TransferTimeoutMs + 10000));
    qInfo("wrong-kind write: both carriers done after %lld ms", t.elapsed());
    for (int i = 0; i < 2; ++i) {
        checkWriteOutcome(*rigs[i], cellsBefore[i], written);
        QVERIFY(rigs[i]->ui()->btRicercaPorta->isEnabled());
    }
}

void TestFaults::deviceVanishesMidWrite()
{
    Rigs rigs;
    rigs.push_back(Rig::serial(3));
    if (!rigs.back())
        QSKIP("no pseudo-terminal");
    rigs.push_back(Rig::hid(10, 3));
    QVERIFY(linkAll(rigs, EcuSimFaults()));

    // The cell at which each unit disappears, seeded.
    QRandomGenerator random(20261208);
    const QVector<double> edited = pattern(13);
    const QByteArray written = curveCells(edited);
    QByteArray cellsBefore[2];
    int vanishAt[2];
    for (int i = 0; i < 2; ++i) {
        Rig &r = *rigs[i];
        vanishAt[i] = random.bounded(1, 41);
        cellsBefore[i] = r.ecu->cells();
        EcuSimFaults f;
        f.vanishAfterRequests = r.ecu->requestsReceived() + vanishAt[i];
        r.ecu->setFaults(f);
        Access::setCurveValues(*r.w, edited);
    }
    QElapsedTimer wall;
    wall.start();
    const qint64 cpu0 = cpuMs();
    for (auto &r : rigs)
        r->w->onSaveFlashClicked();
    // Reported within the time-outs: cells before the loss plus 20 time-outs.
    const int bound = 41 * 100 + TransferRetries * TransferTimeoutMs + 5000;
    QVERIFY(waitAll(rigs, 2, bound));
    const qint64 took = wall.elapsed();
    const qint64 cpu = cpuMs() - cpu0;
    qInfo("device lost mid-write (cells %d, %d): reported after %lld ms, %lld ms of CPU", vanishAt[0], vanishAt[1],
          took, cpu);
    QVERIFY2(took < bound, qPrintable(QString::number(took)));
    // Waiting is not spinning: the process sleeps through the time-outs.
    QVERIFY2(cpu < took / 4, qPrintable(QStringLiteral("%1 ms CPU in %2 ms").arg(cpu).arg(took)));

    for (int i = 0; i < 2; ++i) {
        Rig &r = *rigs[i];
        QCOMPARE(r.lastOutcome(), QStringLiteral("KO_SND"));
        QCOMPARE(r.prompts->warnings, QStringList{CMsg::text(CMsg::FlashWrite) + '|' + CMsg::text(CMsg::CommError)});
        QVERIFY(!Access::connected(*r.w));
        // The user's curve stays on screen; the controls are usable again.
        QCOMPARE(Access::curveValues(*r.w), edited);
        for (QWidget *c : {static_cast<QWidget *>(r.ui()->btRicercaPorta), static_cast<QWidget *>(r.ui()->btCaricaProfilo),
                           static_cast<QWidget *>(r.ui()->btSalvaProfilo), static_cast<QWidget *>(r.ui()->btFlatProfile),
                           static_cast<QWidget *>(r.ui()->spKIniezione), static_cast<QWidget *>(r.ui()->spProfiloPiatto),
                           static_cast<QWidget *>(r.ui()->btClose)})
            QVERIFY2(c->isEnabled(), qPrintable(r.tag(c->objectName())));
        QCOMPARE(r.ui()->progressBar->value(), 0);
        // The unit holds the new values up to the cell where it went, the old
        // ones from there on, and nothing else changed.
        const QByteArray after = r.ecu->cells();
        QCOMPARE(after.left(vanishAt[i]), written.left(vanishAt[i]));
        QCOMPARE(after.mid(vanishAt[i]), cellsBefore[i].mid(vanishAt[i]));
    }
}

void TestFaults::silentHidDeviceKeepsTheWindowServing()
{
    int ticks = 0;
    qint64 longest = 0;
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = qMax(longest, now - last);
        last = now;
        ++ticks;
    });
    auto startTicking = [&] {
        ticks = 0;
        longest = 0;
        clock.start();
        last = 0;
        ticker.start();
    };
    // A stall may still be going on when the measurement ends: it counts too.
    auto stopTicking = [&] {
        ticker.stop();
        longest = qMax(longest, clock.elapsed() - last);
        return clock.elapsed();
    };

    // The search: five unanswered probes, the timer keeps ticking.
    {
        std::unique_ptr<Rig> r = Rig::hid(10, 1, true);
        QVERIFY(r->ecu);
        startTicking();
        QTimer::singleShot(0, r->w.get(), [&] { r->w->onCercaPortaClicked(); });
        QVERIFY(waitFor([&] { return r->dialog()->isVisible(); }, 10000));
        const qint64 took = stopTicking();
        qInfo("silent HID search: %lld ms, %d ticks, longest gap %lld ms", took, ticks, longest);
        QCOMPARE(Access::hid(*r->w)->writeCount(), 5);
        QVERIFY(r->dialog()->foundPort().isEmpty());
        QVERIFY2(longest <= 100, qPrintable(QString::number(longest)));
        QVERIFY2(ticks >= took / 10 / 2, qPrintable(QString::number(ticks)));
    }

    // A transfer: every frame goes unanswered, the timer keeps ticking.
    Rigs rigs;
    rigs.push_back(Rig::hid(10, 1));
    QVERIFY(linkAll(rigs, EcuSimFaults()));
    Rig &r = *rigs[0];
    EcuSimFaults silent;
    silent.silent = true;
    r.ecu->setFaults(silent);
    const QByteArray cellsBefore = r.ecu->cells();
    const int writes = Access::hid(*r.w)->writeCount();
    Access::setCurveValues(*r.w, pattern(5));
    startTicking();
    QTimer::singleShot(0, r.w.get(), [&] { r.w->onSaveFlashClicked(); });
    QVERIFY(waitFor([&] { return Access::hid(*r.w)->writeCount() - writes >= 4; }, 10000));
    const qint64 took = stopTicking();
    qInfo("silent HID write: %lld ms, %d ticks, longest gap %lld ms", took, ticks, longest);
    QVERIFY2(longest <= 100, qPrintable(QString::number(longest)));
    QVERIFY2(ticks >= took / 10 / 2, qPrintable(QString::number(ticks)));
    // The unit, silent but powered, took the frames it was sent: the same cell again and again.
    const QByteArray after = r.ecu->cells();
    QCOMPARE(after.mid(1), cellsBefore.mid(1));
    QVERIFY(after[0] == cellsBefore[0] || after[0] == char(asCell(pattern(5)[0])));
    QCOMPARE(r.outcomes.size(), 1);  // still within the retry budget
}

void TestFaults::hidLinkLostThenSerialSearchFindsTheSerialUnit()
{
    // A window linked over HID loses its device; the user then tries the
    // serial unit. The serial probe must reach the serial port, not the HID
    // channel that the old link used.
    std::unique_ptr<Rig> serial = Rig::serial(2);
    if (!serial)
        QSKIP("no pseudo-terminal");
    Rigs rigs;
    rigs.push_back(Rig::hid(10, 2));
    QVERIFY(linkAll(rigs, EcuSimFaults()));
    Rig &r = *rigs[0];
    EcuSimFaults gone;
    gone.gone = true;
    r.ecu->setFaults(gone);
    r.w->onCercaPortaClicked();  // the user disconnects
    QVERIFY(!Access::connected(*r.w));

    r.w->onCercaPortaClicked();  // and searches again: no HID answer, the list
    frmRicercaPorta *d = r.dialog();
    QVERIFY(d->isVisible());
    const int asked = serial->ecu->requestsReceived();
    d->onSelezionePortaClicked(serial->pty->portPath());
    QVERIFY(waitFor([d] { return !d->isWaitingReply(); }, 3000));
    QCOMPARE(serial->ecu->requestsReceived(), asked + 1);
    QCOMPARE(d->foundPort(), serial->pty->portPath());
    d->onClose();
    QVERIFY(Access::connected(*r.w));
    // The read that follows goes to the serial unit too.
    QVERIFY(waitFor([&] { return r.hasOutcomes(2); }, 20000));
    QCOMPARE(r.lastOutcome(), QStringLiteral("OK_RCV"));
    QCOMPARE(serial->ecu->requestsReceived(), asked + 1 + 50);
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
