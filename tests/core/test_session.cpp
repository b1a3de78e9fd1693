// SPDX-License-Identifier: GPL-3.0-or-later
// The ECU session without a window: finding the unit, its verbs (read,
// write with a backup and a read-back, K, file actions on a quiet line),
// live data, and everything that can go wrong on the way. Most cases run on
// a modelled line; the faults that live in the carriers run on both real
// ones: the pseudo-terminal serial line and the in-process HID device.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include "link/cgestrt.h"
#include "link/protocol.h"
#include "profile/curvelimits.h"
#include "profile/profilefile.h"
#include "session/liverecorder.h"
#include "sim/simulatedhiddevice.h"
#include "support/simrig.h"
#include "support/testsupport.h"
#include "util/safefile.h"

namespace {

int countKind(const QList<QByteArray> &frames, uchar kind)
{
    int n = 0;
    for (const QByteArray &f : frames)
        n += uchar(f[0]) == kind ? 1 : 0;
    return n;
}

EcuSimFaults silentUnit()
{
    EcuSimFaults f;
    f.silent = true;
    return f;
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void probesFindTheUnitOrSayWhyNot();
    void oneProgramPerUnit();
    void writeIsBackedUpAndVerified();
    void failuresAreNamed();
    void fileActionsWaitForAQuietLine();
    void liveDataAndTheBench();
    void disconnectStopsEverything();
    void aUnitThatStopsAnsweringEndsTheVerb();
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
    auto r = SessionRig::make(SimUnit::Model);
    QVERIFY(r->link());
    QVERIFY(r->session->isLinked());
    QCOMPARE(r->session->portName(), QStringLiteral("mock"));
    QCOMPARE(r->session->deviceInfo().hwVersion, uchar(10));

    // A silent unit: not found.
    const QByteArray stale = r->unit->ecu->handleFrame(Protocol::makeReadFrame(3)).bytes;
    r->unit->ecu->setFaults(silentUnit());
    QVERIFY(!r->link());
    QCOMPARE(r->probes.last().outcome, ProbeResult::NotFound);
    QVERIFY(!r->session->isLinked());

    // A program killed mid-read leaves the unit answering its queue: that
    // reply comes before the probe's answer and is set aside. Only such
    // replies and then silence: not found, for a reply not understood.
    const int before = r->probes.size();
    r->unit->probe(*r->session);
    r->unit->mock->inject(stale);
    QVERIFY(waitFor([&] { return r->probes.size() > before; }));
    QCOMPARE(r->probes.last().message, EcuSession::tr("risposta non riconosciuta"));
    r->unit->ecu->setFaults(EcuSimFaults());
    r->unit->probe(*r->session);
    r->unit->mock->inject(stale);
    QVERIFY(waitFor([&] { return r->probes.size() > before + 1; }));
    QVERIFY(r->probes.last().found());
    r->session->disconnectLink();

    // A port that cannot be opened says why.
    auto busy = SessionRig::make(SimUnit::Model, 21, [](EcuSession::Config &c) {
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
    auto hid = SessionRig::make(SimUnit::Hid, 21, fastTimeouts);
    QVERIFY(hid->link());
    QCOMPARE(hid->session->deviceInfo().statusText(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    QCOMPARE(hid->session->portName(), QStringLiteral("HID"));
    r->session->probeHid();
    QCOMPARE(r->probes.last().outcome, ProbeResult::NoDevice);
    // A silent HID unit costs five bounded attempts.
    hid->session->disconnectLink();
    hid->unit->ecu->setFaults(silentUnit());
    const int asked = hid->unit->ecu->requestsReceived();
    QVERIFY(!hid->link());
    QCOMPARE(hid->unit->ecu->requestsReceived() - asked, 5);
}

void TestSession::oneProgramPerUnit()
{
    // Two sessions (two programs) and one unit on each carrier: the second
    // is told that the unit is taken, and gets it once the first lets go.
    for (SimUnit::Carrier carrier : {SimUnit::Serial, SimUnit::Hid}) {
        auto first = SessionRig::make(carrier);
        if (!first)
            QSKIP("no pseudo-terminal");
        QVERIFY(first->link());
        EcuSession second(first->unit->config);
        QList<ProbeResult> results;
        connect(&second, &EcuSession::probeFinished, [&](const ProbeResult &p) { results << p; });
        first->unit->probe(second);
        QVERIFY(waitFor([&] { return !results.isEmpty(); }));
        QCOMPARE(results.last().outcome, ProbeResult::Busy);
        QVERIFY2(results.last().message.contains(QString::number(QCoreApplication::applicationPid())),
                 qPrintable(results.last().message));
        first->session->disconnectLink();
        first->unit->probe(second);
        QVERIFY(waitFor([&] { return results.size() == 2; }));
        QVERIFY2(results.last().found(), qPrintable(first->unit->tag(results.last().message)));
    }
}

void TestSession::writeIsBackedUpAndVerified()
{
    auto r = SessionRig::make(SimUnit::Model, 10);
    const QVector<int> before = patternCurve(3);
    r->unit->setCurve(before);
    QVERIFY(r->link());
    QStringList words;
    connect(r->session.get(), &EcuSession::sgnEsito, [&](const QString &w) { words << w; });
    QVERIFY(r->read());
    QCOMPARE(r->last().operation, EcuResult::Read);
    QVERIFY(r->last().ok());
    QCOMPARE(r->session->content().values, before);
    // A read is only a read: not one frame that writes.
    QCOMPARE(countKind(r->unit->mock->sent, Protocol::KindWrite), 0);

    // The backup comes from that read: no frame is spent on it.
    const QVector<int> edited = patternCurve(11);
    r->unit->mock->sent.clear();
    QList<EcuPhase> phases;
    QList<int> percents;
    connect(r->session.get(), &EcuSession::progress, [&](EcuPhase p, int percent) {
        if (phases.isEmpty() || phases.last() != p)
            phases << p;
        percents << percent;
    });
    QVERIFY(r->write(edited));
    QVERIFY(r->last().ok());
    QCOMPARE(r->unit->curve(), edited);
    QCOMPARE(countKind(r->unit->mock->sent, Protocol::KindWrite), 41);
    QCOMPARE(countKind(r->unit->mock->sent, Protocol::KindRead), 41);  // every written cell read back
    QCOMPARE(phases, (QList<EcuPhase>{EcuPhase::Writing, EcuPhase::Verifying}));
    QCOMPARE(percents.last(), 100);
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));
    ProfileFile::Profile backup;
    QString error;
    QVERIFY(ProfileFile::load(r->last().backupPath, &backup, &error));
    QCOMPARE(backup.values, before);
    QVERIFY(QFileInfo(r->last().backupPath).fileName().endsWith(QStringLiteral("_HW10.prf")));
    QCOMPARE(words, (QStringList{"OK_RCV", "OK_SND"}));

    // Written since: the unit's content is known from the read-back, so the
    // next backup needs no read either, and holds the curve just written.
    // K goes with it this time, read back too.
    r->unit->mock->sent.clear();
    QVERIFY(r->write(patternCurve(17), 3));
    QVERIFY(r->last().ok());
    QCOMPARE(r->unit->mock->sent.size(), 2 * 41 + 2);  // and K: one write, one read
    QCOMPARE(r->unit->k(), 3);
    QVERIFY(ProfileFile::load(r->last().backupPath, &backup, &error));
    QCOMPARE(backup.values, edited);

    // A K write is read back, so the unit's content stays known.
    QVERIFY(r->finish([&] { r->session->writeK(4); }));
    QCOMPARE(r->last().operation, EcuResult::WriteK);
    QVERIFY(r->last().ok());
    QCOMPARE(r->unit->k(), 4);
    r->unit->mock->sent.clear();
    QVERIFY(r->write(patternCurve(5)));
    QCOMPARE(r->unit->mock->sent.size(), 2 * 41);
    QVERIFY(ProfileFile::load(r->last().backupPath, &backup, &error));
    QCOMPARE(backup.k, 4);

    // The bench's frames are not read back: the next backup reads first.
    r->session->setBench(true);
    QVERIFY(waitFor([&] { return r->session->rt()->queuedFrames() == 0; }));
    r->unit->mock->sent.clear();
    phases.clear();
    QVERIFY(r->write(patternCurve(6)));
    QVERIFY(r->last().ok());
    QCOMPARE(phases.first(), EcuPhase::BackingUp);
    QCOMPARE(r->unit->mock->sent.size(), 50 + 2 * 41);
    QVERIFY(ProfileFile::load(r->last().backupPath, &backup, &error));
    QCOMPARE(backup.values, patternCurve(5));
    QCOMPARE(backup.k, 1);  // the bench sets K to 1
}

void TestSession::failuresAreNamed()
{
    auto r = SessionRig::make(SimUnit::Model, 10);
    // Without a unit, and while another verb runs: refused, from the event loop.
    QVERIFY(r->read());
    QCOMPARE(r->last().code, EcuResult::NotLinked);
    QVERIFY(r->link());
    r->session->readCurve();
    QVERIFY(r->finish([&] { r->session->writeK(2); }));
    QCOMPARE(r->last().code, EcuResult::Busy);
    QVERIFY(waitFor([&] { return !r->session->isBusy(); }));

    // A cell the unit does not keep: named, and the link stays.
    EcuSimFaults stuck;
    stuck.stuckCell = 7;
    r->unit->ecu->setFaults(stuck);
    QVector<int> values = patternCurve(1);
    values[7] = 11;
    QVERIFY(r->write(values));
    QCOMPARE(r->last().code, EcuResult::VerifyFailed);
    QCOMPARE(r->last().mismatches.size(), 1);
    QCOMPARE(r->last().mismatches[0].cell, 7);
    QCOMPARE(r->last().mismatches[0].written, 11);
    QVERIFY(r->session->isLinked());
    QVERIFY(r->lost.isEmpty());
    // K in a stuck cell: its read-back names it as well.
    stuck.stuckCell = Protocol::injectionKCell(10);
    r->unit->ecu->setFaults(stuck);
    QVERIFY(r->finish([&] { r->session->writeK(3); }));
    QCOMPARE(r->last().code, EcuResult::VerifyFailed);
    QCOMPARE(r->last().mismatches.value(0).cell, int(Protocol::injectionKCell(10)));

    // No backup, no write: not one frame.
    r->unit->ecu->setFaults(EcuSimFaults());
    QVERIFY(r->read());
    QDir(r->backupDir()).removeRecursively();
    QFile blocker(r->backupDir());
    QVERIFY(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    r->unit->mock->sent.clear();
    QVERIFY(r->write(patternCurve(2)));
    QCOMPARE(r->last().code, EcuResult::BackupFailed);
    QVERIFY(!r->last().detail.isEmpty());
    QVERIFY(!r->last().unitChanged);
    QVERIFY(r->unit->mock->sent.isEmpty());
    QVERIFY(r->session->isLinked());
}

void TestSession::fileActionsWaitForAQuietLine()
{
    // With live data on, a file action runs only between exchanges, and
    // polling comes back after it.
    auto r = SessionRig::make(SimUnit::Model, 10);
    QVERIFY(r->link());
    r->session->startPolling();
    QVERIFY(waitFor([&] { return r->session->deliveredPolls() >= 2; }));
    bool ran = false;
    int sentDuring = -1;
    QVERIFY(r->session->whenIdle(QStringLiteral("SAVE_PROFILE"), [&] {
        ran = true;
        const int before = r->unit->mock->sent.size();
        QTest::qWait(100);  // a file dialog, say
        sentDuring = r->unit->mock->sent.size() - before;
    }));
    QVERIFY(r->session->isBusy());
    QVERIFY(!r->session->whenIdle(QStringLiteral("LOAD_PROFILE"), [] {}));  // one at a time
    QVERIFY(waitFor([&] { return ran; }));
    QCOMPARE(sentDuring, 0);
    const qint64 polls = r->session->deliveredPolls();
    QVERIFY(waitFor([&] { return r->session->deliveredPolls() > polls + 2; }));
    // Without a unit there is no line to wait for.
    r->session->disconnectLink();
    bool now = false;
    QVERIFY(r->session->whenIdle(QStringLiteral("LOAD_PROFILE"), [&] { now = true; }));
    QVERIFY(now);
}

void TestSession::liveDataAndTheBench()
{
    auto r = SessionRig::make(SimUnit::Model, 21);
    QVERIFY(r->link());
    r->unit->ecu->setCell(20, 9);
    QList<Protocol::PollData> polls;
    connect(r->session.get(), &EcuSession::liveData, [&](const Protocol::PollData &d) { polls << d; });
    QSignalSpy polling(r->session.get(), &EcuSession::pollingChanged);
    r->session->startPolling();
    QCOMPARE(polling.size(), 1);
    QVERIFY(waitFor([&] { return polls.size() >= 5; }));
    for (const Protocol::PollData &d : polls) {
        QVERIFY(d.rpm > 0 && d.rpm < 17000);
        QCOMPARE(int(d.cellValue), int(r->unit->ecu->cell(d.cellIndex)));
    }
    // The bench goes out between polls (and sets K to 1, as the unit wants).
    QSignalSpy bench(r->session.get(), &EcuSession::benchChanged);
    r->session->setBench(true);
    QVERIFY(r->session->isBenchOn());
    QCOMPARE(bench.size(), 1);
    QVERIFY(waitFor([&] { return r->unit->ecu->cell(Protocol::benchFlagCell(10)) == 1; }));
    QCOMPARE(int(r->unit->ecu->cell(Protocol::injectionKCell(10))), 1);
    QCOMPARE(int(r->unit->ecu->cell(Protocol::benchParamCell(10))), 2);
    // A verb pauses live data, which comes back by itself after it.
    QVERIFY(r->read());
    QVERIFY(r->last().ok());
    QVERIFY(r->session->isPolling());
    polls.clear();
    QVERIFY(waitFor([&] { return polls.size() >= 3; }));
    r->session->stopPolling();
    QCOMPARE(polling.size(), 2);
}

void TestSession::disconnectStopsEverything()
{
    // A unit that falls silent while live data is on: polls are being
    // retried when the user disconnects. Nothing may follow: no frame, no
    // warning, no lost link, no result.
    auto r = SessionRig::make(SimUnit::Model, 10, fastTimeouts);
    QVERIFY(r->link());
    r->session->startPolling();
    QVERIFY(waitFor([&] { return r->unit->mock->sent.size() >= 3; }));
    r->unit->ecu->setFaults(silentUnit());
    r->session->writeK(2);
    QTest::qWait(150);
    r->session->disconnectLink();
    QVERIFY(!r->session->isBusy());
    const int asked = r->unit->ecu->requestsReceived();
    QTest::qWait(60 * 35);  // longer than 30 time-outs
    QCOMPARE(r->unit->ecu->requestsReceived(), asked);
    QVERIFY(r->lost.isEmpty());
    QVERIFY(r->results.isEmpty());
    QCOMPARE(r->session->rt()->queuedFrames(), 0);
}

void TestSession::aUnitThatStopsAnsweringEndsTheVerb()
{
    // Live data on, the unit falls silent, the user asks for a read: the read
    // ends in a result, the link closes and says why.
    auto r = SessionRig::make(SimUnit::Model, 10, fastTimeouts);
    QVERIFY(r->link());
    r->session->startPolling();
    QVERIFY(waitFor([&] { return r->session->deliveredPolls() >= 2; }));
    r->unit->ecu->setFaults(silentUnit());
    QVERIFY(r->read(10000));
    QCOMPARE(r->last().code, EcuResult::NoReply);
    QVERIFY(!r->session->isLinked());
    QCOMPARE(r->lost.size(), 1);

    // K that the unit never acknowledges: the live-data thread gives up,
    // and the K write ends too.
    auto q = SessionRig::make(SimUnit::Model, 10, fastTimeouts);
    QVERIFY(q->link());
    q->unit->ecu->setFaults(silentUnit());
    QVERIFY(q->finish([&] { q->session->writeK(3); }, 10000));
    QCOMPARE(q->last().code, EcuResult::NoReply);
    QVERIFY(!q->session->isBusy());
}

void TestSession::aLostLinkIsReportedAtOnce()
{
    // The modelled cable pulled in the middle of a write: the write ends as
    // LinkLost, knowing frames went out and where the backup is; then the
    // lost link is reported, naming the write.
    auto r = SessionRig::make(SimUnit::Model, 10);
    QVERIFY(r->link());
    QVERIFY(r->read());
    WriteOptions options;
    options.backupDir = r->backupDir();
    r->session->writeCurve(patternCurve(4), options);
    QVERIFY(waitFor([&] { return r->unit->mock && r->unit->mock->sent.size() > 70; }));
    r->unit->mock->unplug();
    QVERIFY(waitFor([&] { return !r->lost.isEmpty(); }, 1000));
    QCOMPARE(r->last().code, EcuResult::LinkLost);
    QVERIFY(r->last().unitChanged);
    QVERIFY(QFileInfo::exists(r->last().backupPath));
    QVERIFY(r->lost.first().endsWith(QLatin1Char('|') + QString::number(EcuResult::Write)));
    QVERIFY(!r->session->isLinked());
    QTest::qWait(200);
    QCOMPARE(r->results.size(), 2);  // the write reports nothing more

    // A real serial port whose device goes away while idle: lost at once too.
    auto s = SessionRig::make(SimUnit::Serial, 10);
    if (!s)
        QSKIP("no pseudo-terminal");
    QVERIFY(s->link());
    s->unit->pty->unplug();
    QVERIFY(waitFor([&] { return !s->lost.isEmpty(); }, 2000));
    QVERIFY(!s->session->isLinked());
}

void TestSession::hidHonoursTheTransferBudget()
{
    // An answer that takes 120 ms is late, not lost: well within the 500 ms
    // a transfer allows, so the read takes it and asks no cell twice.
    auto r = SessionRig::make(SimUnit::Hid, 10);
    QVERIFY(r->link());
    const QVector<int> values = patternCurve(8);
    r->unit->setCurve(values);
    EcuSimFaults slow;
    slow.replyDelayMs = 120;
    slow.delayOnlyNth = 10;
    r->unit->ecu->setFaults(slow);
    const int before = r->unit->ecu->requestsReceived();
    QVERIFY(r->read());
    QVERIFY(r->last().ok());
    QCOMPARE(r->session->content().values, values);
    QCOMPARE(r->unit->ecu->requestsReceived() - before, 50);
}

void TestSession::hidReplyAtTheTimeOutIsNeverShifted()
{
    // Every answer comes just as its time-out runs out, so it arrives while
    // its cell is asked again and the answer to that arrives while the next
    // cell is awaited. Two passes shifted alike used to confirm each other.
    // The time-out is scaled down from 500 ms to keep the runs short; the
    // race is the same.
    for (const int delay : {96, 100, 104}) {
        auto r = SessionRig::make(SimUnit::Hid, 10, [](EcuSession::Config &c) { c.transferTimeoutMs = 100; });
        QVERIFY(r->link());
        r->unit->setCurve(patternCurve(delay));
        EcuSimFaults slow;
        slow.replyDelayMs = delay;
        r->unit->ecu->setFaults(slow);
        QVERIFY(r->read(60000));
        if (r->last().ok())
            QCOMPARE(r->session->readImage(), r->unit->ecu->cells());
        else
            QCOMPARE(r->last().code, EcuResult::NoReply);
    }
}

void TestSession::noiseIsNeverTakenForData()
{
    // Write-acknowledgement frames flood the line while it is read, byte by
    // byte in between the replies: the read ends with the unit's values or
    // fails, and the line is named noisy.
    for (int round = 0; round < 2; ++round) {
        auto r = SessionRig::make(SimUnit::Model, 10);
        QVERIFY(r->link());
        const QVector<int> values = patternCurve(round);
        r->unit->setCurve(values);
        QRandomGenerator random(quint32(20261208 + round));
        QTimer flood;
        connect(&flood, &QTimer::timeout, [&] {
            const QByteArray frame = Protocol::makeWriteFrame(uchar(random.bounded(90)), uchar(random.bounded(256)));
            const int cut = random.bounded(1, 8);
            r->unit->mock->inject(frame.left(cut));
            r->unit->mock->inject(frame.mid(cut));
        });
        flood.start(2);
        QVERIFY(r->read(30000));
        flood.stop();
        if (r->last().ok())
            QCOMPARE(r->session->content().values, values);
        else
            QCOMPARE(r->last().code, EcuResult::NoReply);
        QVERIFY(r->session->linkStats().skippedBytes + r->session->unexpectedReplies() > 0);
    }

    // Random bytes pouring in while live data is on: the line turns noisy,
    // and no sample reaches anyone until it is quiet again.
    auto r = SessionRig::make(SimUnit::Model, 10);
    QVERIFY(r->link());
    r->session->startPolling();
    QRandomGenerator random(7);
    QTimer flood;
    connect(&flood, &QTimer::timeout, [&] {
        QByteArray noise(256, '\0');
        for (char &c : noise)
            c = char(random.bounded(256));
        r->unit->mock->inject(noise);
    });
    flood.start(5);
    QVERIFY(waitFor([&] { return r->session->isLineNoisy(); }, 5000));
    int delivered = 0;
    QMetaObject::Connection c = connect(r->session.get(), &EcuSession::liveData, [&] { ++delivered; });
    QTest::qWait(200);
    if (r->session->isLineNoisy())
        QCOMPARE(delivered, 0);
    disconnect(c);
    flood.stop();
    QVERIFY(waitFor([&] { return !r->session->isLineNoisy(); }, 5000));
}

void TestSession::faultsOnBothCarriers()
{
    // Dropped replies, garbage before replies, wrong kinds and a unit that
    // vanishes mid-write, on the real serial port and on the HID device.
    // After each, the unit holds the old or the new curve in every cell and
    // the result says which.
    for (SimUnit::Carrier carrier : {SimUnit::Serial, SimUnit::Hid}) {
        auto r = SessionRig::make(carrier, 10, [](EcuSession::Config &c) { c.transferTimeoutMs = 150; });
        if (!r)
            QSKIP("no pseudo-terminal");
        SimUnit &u = *r->unit;
        QVERIFY(r->link());
        u.setCurve(patternCurve(3));

        // One reply in twenty lost: each is asked again, within the budget.
        EcuSimFaults f;
        f.dropRate = 0.05;
        u.ecu->setFaults(f);
        QVERIFY(r->read(40000));
        QVERIFY(r->last().ok());
        QCOMPARE(r->session->content().values, patternCurve(3));
        QVERIFY(r->write(patternCurve(11), std::nullopt, 60000));
        QVERIFY(r->last().ok());
        QCOMPARE(u.curve(), patternCurve(11));

        f = EcuSimFaults();
        f.garbageBytes = 3;
        f.garbageEveryN = 2;
        u.ecu->setFaults(f);
        QVERIFY(r->write(patternCurve(23), std::nullopt, 60000));
        QVERIFY(r->last().ok());
        QCOMPARE(u.curve(), patternCurve(23));

        f = EcuSimFaults();
        f.wrongKindEveryN = 7;
        u.ecu->setFaults(f);
        QVERIFY(r->write(patternCurve(29), std::nullopt, 60000));
        if (r->last().ok())
            QCOMPARE(u.curve(), patternCurve(29));
        else
            QVERIFY2(r->last().code == EcuResult::NoReply, qPrintable(u.tag(QString::number(r->last().code))));

        // Gone after a few cells: lost or failed, every cell old or new.
        if (!r->session->isLinked())
            QVERIFY(r->link());
        const QVector<int> old = u.curve();
        f = EcuSimFaults();
        f.vanishAfterRequests = u.ecu->requestsReceived() + 20;
        u.ecu->setFaults(f);
        QVERIFY(r->write(patternCurve(13), std::nullopt, 20000));
        QVERIFY(!r->last().ok());
        const QVector<int> now = u.curve();
        for (int i = 0; i < now.size(); ++i)
            QVERIFY2(now[i] == old[i] || now[i] == patternCurve(13)[i], qPrintable(u.tag(QString::number(i))));
        QVERIFY(!r->session->isLinked());
    }
}

void TestSession::liveDataIsRecorded()
{
    // A locale with a decimal comma changes nothing in the log.
    QLocale::setDefault(QLocale(QLocale::German));
    auto r = SessionRig::make(SimUnit::Model, 10);
    QVERIFY(r->link());
    r->session->startPolling();
    LiveRecorder recorder(r->session.get());
    QString error;
    const QString logs = r->unit->dir.filePath(QStringLiteral("Logs"));
    QVERIFY2(recorder.start(logs, &error), qPrintable(error));
    QVERIFY(QFileInfo(recorder.path()).fileName().endsWith(".csv"));
    // Flushed within a second, without being stopped.
    QVERIFY(waitFor([&] { return QFileInfo(recorder.path()).size() > 200; }, 2500));
    recorder.stop();
    QFile f(recorder.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.first(), QByteArray("time,elapsed_ms,rpm,adc,cell_index,cell_value"));
    QVERIFY(lines.size() > 5);
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
    QVERIFY(recorder.start(logs, &error));
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
