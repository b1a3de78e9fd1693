// The ECU session without a window: finding the unit, reading, writing with a
// backup and a read-back, live data, and everything that can go wrong on the
// way. Most cases run on a modelled line (MockLink); the faults that live in
// the carriers run on both real ones: the pseudo-terminal serial line
// (QSerialPort) and the in-process HID device.

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <unistd.h>

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/protocol.h"
#include "profile/backupstore.h"
#include "profile/profilefile.h"
#include "profile/safefile.h"
#include "session/ecusession.h"
#include "session/liverecorder.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"
#include "support/mocklink.h"
#include "support/testsupport.h"

namespace {

enum class Carrier { Model, Serial, Hid };

QString name(Carrier c)
{
    return c == Carrier::Model ? QStringLiteral("model") : c == Carrier::Serial ? QStringLiteral("serial")
                                                                                : QStringLiteral("HID");
}

// Distinct values, so that a value in the wrong cell always shows.
QVector<int> pattern(int seed)
{
    QVector<int> v;
    for (int i = 0; i < Protocol::CurvePoints; ++i)
        v << ((i * 7 + seed) % 31) - 10;
    return v;
}

// One session and one simulated unit on one carrier. The command words come
// back through the live-data thread as in the window; the rig starts what
// they ask for.
struct Rig {
    Carrier carrier = Carrier::Model;
    std::shared_ptr<EcuSimulator> ecu;
    std::unique_ptr<PtyEcuSimulator> pty;
    QTemporaryDir dir;
    std::unique_ptr<EcuSession> session;
    MockLink *mock = nullptr;
    WriteRequest request;
    QStringList outcomes;
    QStringList lost;
    QStringList dropped;
    QList<ProbeResult> probes;

    static std::unique_ptr<Rig> make(Carrier carrier, unsigned char hw = 21,
                                     std::function<void(EcuSession::Config &)> tweak = nullptr)
    {
        auto r = std::make_unique<Rig>();
        r->carrier = carrier;
        EcuSimConfig c;
        c.hwVersion = hw;
        c.cylinders = 4;
        r->ecu = std::make_shared<EcuSimulator>(c);
        EcuSession::Config config;
        config.lockDir = r->dir.path();
        Rig *rig = r.get();
        if (carrier == Carrier::Model) {
            config.makeSerialLink = [rig](const QString &) {
                auto link = std::make_unique<MockLink>(rig->ecu);
                rig->mock = link.get();
                return std::unique_ptr<EcuLink>(std::move(link));
            };
        } else if (carrier == Carrier::Serial) {
            r->pty = std::make_unique<PtyEcuSimulator>(r->ecu);
            if (!r->pty->start())
                return nullptr;
        } else {
            std::shared_ptr<EcuSimulator> engine = r->ecu;
            config.openHid = [engine] { return std::make_unique<SimulatedHidDevice>(engine); };
        }
        if (tweak)
            tweak(config);
        r->session = std::make_unique<EcuSession>(config);
        EcuSession *s = r->session.get();
        QObject::connect(s, &EcuSession::sgnEsito, [rig](const QString &o) { rig->outcomes << o; });
        QObject::connect(s, &EcuSession::linkLost, [rig](const QString &why, const QString &what) {
            rig->lost << why + '|' + what;
        });
        QObject::connect(s, &EcuSession::commandDropped, [rig](const QString &w) { rig->dropped << w; });
        QObject::connect(s, &EcuSession::probeFinished, [rig](const ProbeResult &p) { rig->probes << p; });
        QObject::connect(s, &EcuSession::sgnExecCmd, [rig](const QString &word) {
            if (word == QLatin1String("FLASH_READ"))
                rig->session->startRead();
            else if (word == QLatin1String("FLASH_WRITE"))
                rig->session->startWrite(rig->request);
        });
        return r;
    }

    void probe()
    {
        if (carrier == Carrier::Hid)
            session->probeHid();
        else
            session->probeSerial(pty ? pty->portPath() : QStringLiteral("mock"));
    }
    bool link()
    {
        const int before = probes.size();
        probe();
        return waitFor([&] { return probes.size() > before; }, 5000) && probes.last().found();
    }
    bool run(const QString &word, int timeoutMs = 30000)
    {
        const int before = outcomes.size();
        session->setCmd(word);
        return waitFor([&] { return outcomes.size() > before; }, timeoutMs);
    }
    bool read(int timeoutMs = 30000) { return run(QStringLiteral("FLASH_READ"), timeoutMs); }
    bool write(const QVector<int> &values, int timeoutMs = 30000)
    {
        request.image = EcuImage::buildWrite(values, session->deviceInfo().hwVersion, QStringLiteral("a.prf"));
        request.backupDir = dir.filePath(QStringLiteral("backup"));
        return run(QStringLiteral("FLASH_WRITE"), timeoutMs);
    }
    QVector<int> readValues() const
    {
        return EcuImage::decodeRead(session->readImage(), ecu->config().hwVersion).values;
    }
    void setCurve(const QVector<int> &v)
    {
        for (int i = 0; i < v.size(); ++i)
            ecu->setCell(i, uchar(v[i] & 0xFF));
    }
    QVector<int> curve() const
    {
        QVector<int> v;
        for (int i = 0; i < Protocol::CurvePoints; ++i)
            v << qint8(ecu->cell(i));
        return v;
    }
    QString last() const { return outcomes.value(outcomes.size() - 1); }
    QString tag(const QString &s) const { return name(carrier) + ": " + s; }
};

void fastTimeouts(EcuSession::Config &c)
{
    c.transferTimeoutMs = 60;
    c.liveTimeoutMs = 60;
    c.probeTimeoutMs = 100;
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void probesFindTheUnitOrSayWhyNot();
    void oneProgramPerUnit();
    void writeIsBackedUpAndVerified();
    void aCellThatIsNotKeptFailsTheWrite();
    void noBackupNoWrite();
    void liveDataAndSingleCellWrites();
    void disconnectStopsEverything();
    void everyRequestEndsInAnOutcome();
    void aLostLinkIsReportedAtOnce();
    void hidHonoursTheTransferBudget();
    void hidReplyAtTheTimeOutIsNeverShifted();
    void noiseIsNeverTakenForData();
    void faultsOnBothCarriers();
    void liveDataIsRecorded();
};

void TestSession::probesFindTheUnitOrSayWhyNot()
{
    // Found on the modelled serial line: the fixed serial record.
    auto r = Rig::make(Carrier::Model);
    QVERIFY(r->link());
    QVERIFY(r->session->isLinked());
    QCOMPARE(r->session->portName(), QStringLiteral("mock"));
    QCOMPARE(r->session->deviceInfo().hwVersion, uchar(10));

    // A silent unit: not found, within the probe's time-out.
    EcuSimFaults silent;
    silent.silent = true;
    r->ecu->setFaults(silent);
    QElapsedTimer t;
    t.start();
    QVERIFY(!r->link());
    QVERIFY(t.elapsed() < 2000);
    QCOMPARE(r->probes.last().outcome, ProbeResult::NotFound);
    QVERIFY(!r->session->isLinked());

    // A port that cannot be opened says why.
    auto busy = Rig::make(Carrier::Model, 21, [](EcuSession::Config &c) {
        c.makeSerialLink = [](const QString &) {
            auto link = std::make_unique<MockLink>(std::make_shared<EcuSimulator>());
            link->failOpen(EcuLink::OpenError::Busy);
            return std::unique_ptr<EcuLink>(std::move(link));
        };
    });
    QVERIFY(!busy->link());
    QCOMPARE(busy->probes.last().outcome, ProbeResult::Busy);
    QVERIFY(!busy->probes.last().message.isEmpty());

    // HID: the unit's own record; no device at all is said as such.
    auto hid = Rig::make(Carrier::Hid, 21, fastTimeouts);
    QVERIFY(hid->link());
    QCOMPARE(hid->session->deviceInfo().statusText(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    QCOMPARE(hid->session->portName(), QStringLiteral("HID"));
    auto none = Rig::make(Carrier::Model);
    none->session->probeHid();
    QCOMPARE(none->probes.last().outcome, ProbeResult::NoDevice);
    // A silent HID unit costs five bounded attempts.
    hid->session->disconnectLink();
    hid->ecu->setFaults(silent);
    const int asked = hid->ecu->requestsReceived();
    QVERIFY(!hid->link());
    QCOMPARE(hid->ecu->requestsReceived() - asked, 5);
}

void TestSession::oneProgramPerUnit()
{
    // Two sessions (two programs) and one unit on each carrier: the second
    // is told that the unit is taken, and gets it once the first lets go.
    auto serial = Rig::make(Carrier::Serial);
    if (!serial)
        QSKIP("no pseudo-terminal");
    auto hid = Rig::make(Carrier::Hid);
    for (Rig *first : {serial.get(), hid.get()}) {
        QVERIFY(first->link());
        EcuSession::Config c;
        c.lockDir = first->dir.path();
        std::shared_ptr<EcuSimulator> engine = first->ecu;
        c.openHid = [engine] { return std::make_unique<SimulatedHidDevice>(engine); };
        EcuSession second(c);
        QList<ProbeResult> results;
        connect(&second, &EcuSession::probeFinished, [&](const ProbeResult &p) { results << p; });
        if (first->carrier == Carrier::Hid)
            second.probeHid();
        else
            second.probeSerial(first->pty->portPath());
        QVERIFY(waitFor([&] { return !results.isEmpty(); }));
        QCOMPARE(results.last().outcome, ProbeResult::Busy);
        QVERIFY2(results.last().message.contains(QString::number(QCoreApplication::applicationPid())),
                 qPrintable(results.last().message));
        first->session->disconnectLink();
        if (first->carrier == Carrier::Hid)
            second.probeHid();
        else
            second.probeSerial(first->pty->portPath());
        QVERIFY(waitFor([&] { return results.size() == 2; }));
        QVERIFY2(results.last().found(), qPrintable(first->tag(results.last().message)));
    }
}

void TestSession::writeIsBackedUpAndVerified()
{
    auto r = Rig::make(Carrier::Model, 10);
    const QVector<int> before = pattern(3);
    r->setCurve(before);
    QVERIFY(r->link());
    QVERIFY(r->read());
    QCOMPARE(r->last(), QStringLiteral("OK_RCV"));
    QCOMPARE(r->readValues(), before);

    // The backup comes from that read: no frame is spent on it.
    const QVector<int> edited = pattern(11);
    r->mock->sent.clear();
    QSignalSpy percent(r->session.get(), &EcuSession::sgnPercent);
    QVERIFY(r->write(edited));
    QCOMPARE(r->last(), QStringLiteral("OK_SND"));
    QCOMPARE(r->curve(), edited);
    int writes = 0, reads = 0;
    for (const QByteArray &f : qAsConst(r->mock->sent))
        (uchar(f[0]) == Protocol::KindWrite ? writes : reads) += 1;
    QCOMPARE(writes, 41);
    QCOMPARE(reads, 41);  // every written cell read back, nothing else
    ProfileFile::Profile backup;
    QString error;
    QVERIFY(ProfileFile::load(r->session->lastBackup(), &backup, &error));
    QCOMPARE(backup.values, before);
    QVERIFY(QFileInfo(r->session->lastBackup()).fileName().endsWith(QStringLiteral("_HW10.prf")));
    // The progress bar covers the write and the read-back, once.
    QVERIFY(percent.size() >= 2 * 41);
    QCOMPARE(percent.last().at(0).toInt(), 100);
    QVERIFY(percent.at(percent.size() / 2).at(0).toInt() >= 40);

    // Written since: the ECU's content is known from the read-back, so the
    // next backup needs no read either, and holds the curve just written.
    r->mock->sent.clear();
    QVERIFY(r->write(pattern(17)));
    QCOMPARE(r->mock->sent.size(), 2 * 41);
    QVERIFY(ProfileFile::load(r->session->lastBackup(), &backup, &error));
    QCOMPARE(backup.values, edited);

    // A K write changes the ECU behind the last read: the backup reads first.
    r->session->queueInjectionK(4);
    QVERIFY(waitFor([&] { return r->ecu->cell(Protocol::injectionKCell(10)) == 4; }));
    QVERIFY(waitFor([&] { return r->session->rt()->queuedFrames() == 0; }));
    r->mock->sent.clear();
    QVERIFY(r->write(pattern(5)));
    QCOMPARE(r->last(), QStringLiteral("OK_SND"));
    QCOMPARE(r->mock->sent.size(), 50 + 2 * 41);
    QVERIFY(ProfileFile::load(r->session->lastBackup(), &backup, &error));
    QCOMPARE(backup.k, 4);
    QCOMPARE(BackupStore(r->dir.filePath("backup")).list().size(), 3);
}

void TestSession::aCellThatIsNotKeptFailsTheWrite()
{
    auto r = Rig::make(Carrier::Model, 10);
    QVERIFY(r->link());
    EcuSimFaults stuck;
    stuck.stuckCell = 7;
    r->ecu->setFaults(stuck);
    QVector<int> values = pattern(1);
    values[7] = 11;
    QVERIFY(r->write(values));
    QCOMPARE(r->last(), QStringLiteral("KO_VERIFY"));
    const QVector<EcuImage::Mismatch> m = r->session->lastMismatches();
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].cell, 7);
    QCOMPARE(m[0].written, 11);
    QCOMPARE(m[0].read, 0);
    QVERIFY(r->session->isLinked());  // the link is fine; the unit is not
    QVERIFY(r->lost.isEmpty());
}

void TestSession::noBackupNoWrite()
{
    auto r = Rig::make(Carrier::Model, 10);
    QVERIFY(r->link());
    QVERIFY(r->read());
    QFile blocker(r->dir.filePath("backup"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    r->mock->sent.clear();
    QVERIFY(r->write(pattern(2)));
    QCOMPARE(r->last(), QStringLiteral("KO_BACKUP"));
    QVERIFY(!r->session->lastBackupError().isEmpty());
    QVERIFY(r->mock->sent.isEmpty());  // not one frame
    QVERIFY(r->session->isLinked());
}

void TestSession::liveDataAndSingleCellWrites()
{
    auto r = Rig::make(Carrier::Model, 21);
    QVERIFY(r->link());
    r->ecu->setCell(20, 9);
    QList<Protocol::PollData> polls;
    connect(r->session.get(), &EcuSession::liveData, [&](const Protocol::PollData &d) { polls << d; });
    r->session->startPolling();
    QVERIFY(waitFor([&] { return polls.size() >= 5; }));
    for (const Protocol::PollData &d : polls) {
        QVERIFY(d.rpm > 0 && d.rpm < 17000);
        QCOMPARE(int(d.cellValue), int(r->ecu->cell(d.cellIndex)));
    }
    // K and the bench go out between polls.
    r->session->queueInjectionK(3);
    r->session->queueBench(true);
    QVERIFY(waitFor([&] { return r->ecu->cell(Protocol::benchFlagCell(10)) == 1; }));
    QCOMPARE(int(r->ecu->cell(Protocol::injectionKCell(10))), 1);  // the bench sets K to 1 last
    QCOMPARE(int(r->ecu->cell(Protocol::benchParamCell(10))), 2);
    r->session->stopPolling();
}

void TestSession::disconnectStopsEverything()
{
    // A unit that falls silent while live data is on: polls are being
    // retried when the user disconnects. Nothing may follow: no frame, no
    // warning, no lost link.
    auto r = Rig::make(Carrier::Model, 10, fastTimeouts);
    QVERIFY(r->link());
    QSignalSpy errors(r->session.get(), &EcuSession::sgnError);
    r->session->startPolling();
    QVERIFY(waitFor([&] { return r->mock->sent.size() >= 3; }));
    EcuSimFaults silent;
    silent.silent = true;
    r->ecu->setFaults(silent);
    r->session->queueInjectionK(2);
    QTest::qWait(150);
    r->session->disconnectLink();
    const int asked = r->ecu->requestsReceived();
    QTest::qWait(60 * 35);  // longer than 30 time-outs
    QCOMPARE(r->ecu->requestsReceived(), asked);
    QCOMPARE(errors.size(), 0);
    QVERIFY(r->lost.isEmpty());
    QCOMPARE(r->session->rt()->queuedFrames(), 0);
}

void TestSession::everyRequestEndsInAnOutcome()
{
    // Live data on, the unit falls silent, the user asks for a read: the word
    // is handed over once the poll in flight times out, and the read ends in
    // an outcome (not in a lost word that would keep the controls locked).
    auto r = Rig::make(Carrier::Model, 10, fastTimeouts);
    QVERIFY(r->link());
    r->session->startPolling();
    QVERIFY(waitFor([&] { return r->session->deliveredPolls() >= 2; }));
    EcuSimFaults silent;
    silent.silent = true;
    r->ecu->setFaults(silent);
    QVERIFY(r->read(10000));
    QCOMPARE(r->last(), QStringLiteral("KO_RCV"));

    // A word waiting behind a K write the unit never acknowledges: when the
    // live-data thread gives up, the word is reported as dropped.
    auto q = Rig::make(Carrier::Model, 10, fastTimeouts);
    QVERIFY(q->link());
    q->ecu->setFaults(silent);
    q->session->queueInjectionK(3);
    q->session->setCmd(QStringLiteral("FLASH_WRITE"));
    QVERIFY(waitFor([&] { return !q->dropped.isEmpty(); }, 10000));
    QCOMPARE(q->dropped, QStringList{"FLASH_WRITE"});
    QVERIFY(q->outcomes.isEmpty());  // nothing was started
}

void TestSession::aLostLinkIsReportedAtOnce()
{
    // The modelled cable pulled in the middle of a write: reported as lost,
    // naming the write, within the exchange it happened in.
    auto r = Rig::make(Carrier::Model, 10);
    QVERIFY(r->link());
    QVERIFY(r->read());
    r->request.image = EcuImage::buildWrite(pattern(4), 10, QString());
    r->request.backupDir = r->dir.filePath("backup");
    r->session->setCmd(QStringLiteral("FLASH_WRITE"));
    QVERIFY(waitFor([&] { return r->mock && r->mock->sent.size() > 70; }));
    r->mock->unplug();
    QVERIFY(waitFor([&] { return !r->lost.isEmpty(); }, 1000));
    QVERIFY(r->lost.first().endsWith(QStringLiteral("|FLASH_WRITE")));
    QVERIFY(!r->session->isLinked());
    QTest::qWait(200);
    QVERIFY(r->outcomes.size() == 1);  // the write reports nothing more

    // A real serial port whose device goes away while idle: lost at once too.
    auto s = Rig::make(Carrier::Serial, 10);
    if (!s)
        QSKIP("no pseudo-terminal");
    QVERIFY(s->link());
    s->pty->unplug();
    QVERIFY(waitFor([&] { return !s->lost.isEmpty(); }, 2000));
    QVERIFY(!s->session->isLinked());
}

void TestSession::hidHonoursTheTransferBudget()
{
    // An answer that takes 120 ms is late, not lost: well within the 500 ms
    // a transfer allows, so the read takes it and asks no cell twice.
    auto r = Rig::make(Carrier::Hid, 10);
    QVERIFY(r->link());
    const QVector<int> values = pattern(8);
    r->setCurve(values);
    EcuSimFaults slow;
    slow.replyDelayMs = 120;
    slow.delayOnlyNth = 10;
    r->ecu->setFaults(slow);
    const int before = r->ecu->requestsReceived();
    QVERIFY(r->read());
    QCOMPARE(r->last(), QStringLiteral("OK_RCV"));
    QCOMPARE(r->readValues(), values);
    QCOMPARE(r->ecu->requestsReceived() - before, 50);
}

void TestSession::hidReplyAtTheTimeOutIsNeverShifted()
{
    // Every answer comes just as its time-out runs out, so it arrives while
    // its cell is asked again and the answer to that arrives while the next
    // cell is awaited. Two passes shifted alike used to confirm each other.
    // The time-out is scaled down from 500 ms to keep the runs short; the
    // race is the same.
    for (const int delay : {96, 100, 104}) {
        auto r = Rig::make(Carrier::Hid, 10, [](EcuSession::Config &c) { c.transferTimeoutMs = 100; });
        QVERIFY(r->link());
        r->setCurve(pattern(delay));
        EcuSimFaults slow;
        slow.replyDelayMs = delay;
        r->ecu->setFaults(slow);
        QVERIFY(r->read(60000));
        if (r->last() == QLatin1String("OK_RCV"))
            QCOMPARE(r->session->readImage(), r->ecu->cells());
        else
            QCOMPARE(r->last(), QStringLiteral("KO_RCV"));
        qInfo("HID replies %d ms late: %s", delay, qPrintable(r->last()));
    }
}

void TestSession::noiseIsNeverTakenForData()
{
    // Write-acknowledgement frames flood the line while it is read, byte by
    // byte in between the replies: the read ends with the unit's values or
    // fails, and the line is named noisy.
    for (int round = 0; round < 2; ++round) {
        auto r = Rig::make(Carrier::Model, 10);
        QVERIFY(r->link());
        const QVector<int> values = pattern(round);
        r->setCurve(values);
        QSignalSpy noisy(r->session.get(), &EcuSession::lineNoiseChanged);
        QRandomGenerator random(quint32(20261208 + round));
        QTimer flood;
        connect(&flood, &QTimer::timeout, [&] {
            const QByteArray frame = Protocol::makeWriteFrame(uchar(random.bounded(90)), uchar(random.bounded(256)));
            const int cut = random.bounded(1, 8);
            r->mock->inject(frame.left(cut));
            r->mock->inject(frame.mid(cut));
        });
        flood.start(2);
        QVERIFY(r->read(30000));
        flood.stop();
        if (r->last() == QLatin1String("OK_RCV"))
            QCOMPARE(r->readValues(), values);
        else
            QCOMPARE(r->last(), QStringLiteral("KO_RCV"));
        QVERIFY(r->session->linkStats().skippedBytes + r->session->unexpectedReplies() > 0);
        qInfo("flooded read %d: %s", round, qPrintable(r->last()));
    }

    // Random bytes pouring in while live data is on: the line turns noisy,
    // so the values are not to be believed; quiet again once it stops.
    auto r = Rig::make(Carrier::Model, 10);
    QVERIFY(r->link());
    r->session->startPolling();
    QRandomGenerator random(7);
    QTimer flood;
    connect(&flood, &QTimer::timeout, [&] {
        QByteArray noise(256, '\0');
        for (char &c : noise)
            c = char(random.bounded(256));
        r->mock->inject(noise);
    });
    flood.start(5);
    QVERIFY(waitFor([&] { return r->session->isLineNoisy(); }, 5000));
    flood.stop();
    QVERIFY(waitFor([&] { return !r->session->isLineNoisy(); }, 5000));
}

void TestSession::faultsOnBothCarriers()
{
    // Dropped replies, garbage before replies, wrong kinds and a unit that
    // vanishes mid-write, on the real serial port and on the HID device.
    // After each, the unit holds the old or the new curve in every cell and
    // the outcome says which.
    for (Carrier carrier : {Carrier::Serial, Carrier::Hid}) {
        // Shorter time-outs than the window's: every fault costs some, and
        // the point is what they lead to, not how long they take.
        auto r = Rig::make(carrier, 10, [](EcuSession::Config &c) { c.transferTimeoutMs = 150; });
        if (!r)
            QSKIP("no pseudo-terminal");
        QVERIFY(r->link());
        const int cells = r->ecu->cellCount();
        r->setCurve(pattern(3));

        // One reply in twenty lost: each is asked again, within the budget.
        EcuSimFaults f;
        f.dropRate = 0.05;
        r->ecu->setFaults(f);
        QVERIFY(r->read(40000));
        QCOMPARE(r->last(), QStringLiteral("OK_RCV"));
        QCOMPARE(r->readValues(), pattern(3));
        QVERIFY(r->write(pattern(11), 60000));
        QCOMPARE(r->last(), QStringLiteral("OK_SND"));
        QCOMPARE(r->curve(), pattern(11));

        f = EcuSimFaults();
        f.garbageBytes = 3;
        f.garbageEveryN = 2;
        r->ecu->setFaults(f);
        QVERIFY(r->write(pattern(23), 60000));
        QCOMPARE(r->last(), QStringLiteral("OK_SND"));
        QCOMPARE(r->curve(), pattern(23));

        f = EcuSimFaults();
        f.wrongKindEveryN = 7;
        r->ecu->setFaults(f);
        QVERIFY(r->write(pattern(29), 60000));
        if (r->last() == QLatin1String("OK_SND"))
            QCOMPARE(r->curve(), pattern(29));
        else
            QVERIFY2(r->last() == QLatin1String("KO_SND"), qPrintable(r->tag(r->last())));

        // Gone after a few cells: lost or failed, every cell old or new.
        if (!r->session->isLinked())
            QVERIFY(r->link());
        const QVector<int> old = r->curve();
        f = EcuSimFaults();
        f.vanishAfterRequests = r->ecu->requestsReceived() + 20;
        r->ecu->setFaults(f);
        r->request.image = EcuImage::buildWrite(pattern(13), r->session->deviceInfo().hwVersion, QString());
        r->session->setCmd(QStringLiteral("FLASH_WRITE"));
        QVERIFY(waitFor([&] { return !r->lost.isEmpty() || r->last() == QLatin1String("KO_SND"); }, 20000));
        const QVector<int> now = r->curve();
        for (int i = 0; i < now.size(); ++i)
            QVERIFY2(now[i] == old[i] || now[i] == pattern(13)[i], qPrintable(r->tag(QString::number(i))));
        QVERIFY(!r->session->isLinked() || r->last() == QLatin1String("KO_SND"));
        Q_UNUSED(cells);
    }
}

void TestSession::liveDataIsRecorded()
{
    // A locale with a decimal comma changes nothing in the log.
    QLocale::setDefault(QLocale(QLocale::German));
    auto r = Rig::make(Carrier::Model, 10);
    QVERIFY(r->link());
    r->session->startPolling();
    LiveRecorder recorder(r->session.get());
    QString error;
    QVERIFY2(recorder.start(r->dir.filePath("Logs"), &error), qPrintable(error));
    QVERIFY(QFileInfo(recorder.path()).fileName().endsWith(".csv"));
    // Flushed within a second, without being stopped.
    QVERIFY(waitFor([&] { return QFileInfo(recorder.path()).size() > 200; }, 2500));
    QTest::qWait(300);
    recorder.stop();
    QFile f(recorder.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.first(), QByteArray("time,elapsed_ms,rpm,adc,cell_index,cell_value"));
    QVERIFY(lines.size() > 20);  // about 33 polls a second
    qint64 previous = -1;
    for (const QByteArray &line : lines.mid(1)) {
        if (line.isEmpty())
            continue;  // the end of the file
        const QList<QByteArray> fields = line.split(',');
        QCOMPARE(fields.size(), 6);
        QVERIFY(QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODateWithMs).isValid());
        QVERIFY(fields[1].toLongLong() >= previous);
        previous = fields[1].toLongLong();
        QVERIFY(fields[2].toInt() > 0);
    }
    QLocale::setDefault(QLocale::c());

    // The disk fills up in the middle of a line: the recording stops and
    // says why, the file ends with its last whole line; live data goes on.
    QVERIFY(recorder.start(r->dir.filePath("Logs"), &error));
    QSignalSpy stopped(&recorder, &LiveRecorder::stopped);
    bool room = true;
    SafeFile::setWriteHook([&room](int fd, const char *data, std::size_t size) -> long {
        if (!room) {
            errno = ENOSPC;
            return -1;
        }
        room = false;
        return long(::write(fd, data, size / 2 + 1));
    });
    QVERIFY(waitFor([&] { return stopped.size() == 1; }, 3000));
    SafeFile::setWriteHook(nullptr);
    QVERIFY(stopped.first().first().toString().contains(QStringLiteral("disco pieno")));
    QVERIFY(!recorder.isRecording());
    QFile cut(recorder.path());
    QVERIFY(cut.open(QIODevice::ReadOnly));
    const QByteArray kept = cut.readAll();
    QVERIFY2(kept.endsWith('\n'), kept.right(40).constData());
    for (const QByteArray &line : kept.trimmed().split('\n'))
        QCOMPARE(line.count(','), 5);
    const qint64 polls = r->session->deliveredPolls();
    QVERIFY(waitFor([&] { return r->session->deliveredPolls() > polls + 3; }));
    QVERIFY(r->session->isLinked());
}

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
