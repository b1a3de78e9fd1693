// SPDX-License-Identifier: GPL-3.0-or-later
// The three worker state machines, driven pass by pass on a manual clock: a
// transfer cell by cell and its time-out budget, the live-data thread's
// queue, commands and polls, the real loops; and a profile read that never
// reports success with values that are not the ECU's, whatever the line
// does (a late or forged reply taken for the next cell's would shift every
// following value by one). The session's suite runs them over real lines.

#include <QSignalSpy>
#include <QTest>

#include "support/testsupport.h"
#include "support/workerdriver.h"

using namespace Protocol;

namespace {

using Send = WorkerDriver<CGestSend>;
using Read = WorkerDriver<CGestReceive>;
using Live = WorkerDriver<CGestRT>;

// 0 when the transfer starts, then before each of `n` cells, then 100.
QList<int> percentsOf(int n)
{
    QList<int> p{0};
    for (int i = 0; i < n; ++i)
        p << i * 100 / n;
    return p << 100;
}

// The first answer the far end gives is `wrong`; the memory gives the rest.
void firstAnswerIs(ModelLine &line, const QByteArray &wrong)
{
    line.answer = [&line, wrong, first = true](const QByteArray &f) mutable {
        const bool now = first;
        first = false;
        return now ? wrong : line.ecu.answer(f);
    };
}

// Every pass asks the cells in order, each cell until it is answered.
void checkPassesInOrder(const QList<QByteArray> &frames, const char *row)
{
    int expected = 0;
    for (int i = 0; i < frames.size(); ++i) {
        const int cell = uchar(frames[i][2]);
        const bool again = i > 0 && frames[i] == frames[i - 1];
        QVERIFY2(cell == expected || again || cell == 0,
                 qPrintable(QStringLiteral("%1: frame %2 asks cell %3").arg(row).arg(i).arg(cell)));
        expected = cell + 1;
    }
}

} // namespace

class TestWorkers : public QObject {
    Q_OBJECT

private slots:
    void cleanTransfersAskEachCellOnce();
    void timeoutBudgetIsSharedByTheCells();
    void repliesOfTheWrongKindAreNotTaken();
    void readUnderLineFaultsIsNeverWrong();

    void queuedWritesGoInOrderBeforeTheNextPoll();
    void commandWaitsForTheLine();
    void pollRepliesReachTheDisplays();
    void silentUnitIsRetriedOnlyWhileSomebodyWaits();
    void pollsArePacedByThePeriod();

    void loopSleepsUntilAnEventOrADeadline();
    void runningThreadsTransferAndStopCooperatively();
};

void TestWorkers::cleanTransfersAskEachCellOnce()
{
    Send write;
    for (int i = 0; i < 41; ++i)
        write.image.append(char(i - 10));
    write.w().startSend(0);
    QVERIFY(write.runToIdle());
    QCOMPARE(write.line.frames.size(), 41);
    for (int i = 0; i < 41; ++i)
        QCOMPARE(write.line.frames[i], makeWriteFrame(i, uchar(i - 10)));
    QCOMPARE(write.percents, percentsOf(41));
    QCOMPARE(write.outcomes, QStringList{"OK_SND"});
    QCOMPARE(write.line.ecu.cells.left(41), write.image);
    // Every answer came in while its frame was going out, and was kept.
    QCOMPARE(write.w().retriesLeft(), 20);

    // A 90-cell unit, then a 50-cell one on the same reader: the image is
    // emptied first and gets every cell, the bench flag included.
    Read d;
    d.image = "stale contents";
    d.line.ecu.cells = distinctCells(90);
    for (const uchar hw : {uchar(21), uchar(10)}) {
        const int n = cellsRead(hw);
        const qint64 start = d.clock.nowMs();
        d.line.frames.clear();
        d.percents.clear();
        d.outcomes.clear();
        d.w().startReceive(0, hw);
        QVERIFY(d.runToIdle());
        QCOMPARE(d.line.frames.size(), n);
        for (int i = 0; i < n; ++i)
            QCOMPARE(d.line.frames[i], makeReadFrame(i));
        QCOMPARE(d.image, d.line.ecu.cells.left(n));
        QCOMPARE(d.outcomes, QStringList{"OK_RCV"});
        QCOMPARE(d.percents, percentsOf(n));
        QCOMPARE(d.w().retriesLeft(), 20);
        QCOMPARE(d.w().readPasses(), 1);
        // Three passes per cell; the check for a reply still on its way
        // adds two at the end, no more.
        QVERIFY2(d.clock.nowMs() - start <= n * 30 + 30, qPrintable(QString::number(d.clock.nowMs() - start)));
    }
}

void TestWorkers::timeoutBudgetIsSharedByTheCells()
{
    // One budget of 20 time-outs for a whole transfer, however they are
    // spread: every cell's first try lost ends a write at cell 19...
    Send write;
    write.image = QByteArray(41, '\x05');
    write.line.loseFirstTries([](int) { return true; });
    write.w().startSend(0);
    QVERIFY(write.runToIdle());
    QCOMPARE(write.outcomes, QStringList{"KO_SND"});
    QCOMPARE(write.line.frames.size(), 19 * 2 + 1);

    // ...while 19 cells that miss once leave a read one try to spare.
    Read read;
    read.line.ecu.cells = distinctCells(90);
    read.line.loseFirstTries([](int cell) { return cell % 4 == 0 && cell < 76; });
    read.w().startReceive(0, 25);
    QVERIFY(read.runToIdle());
    QCOMPARE(read.outcomes, QStringList{"OK_RCV"});
    QCOMPARE(read.image, read.line.ecu.cells);
    QCOMPARE(read.w().retriesLeft(), 1);

    // A silent unit: the same cell asked 20 times, each just past the
    // time-out of the one before (it is tested once per pass).
    Send silent;
    silent.image = QByteArray(41, '\x01');
    silent.line.fallSilent();
    silent.w().startSend(0);
    QVERIFY(silent.runToIdle());
    QCOMPARE(silent.outcomes, QStringList{"KO_SND"});
    QCOMPARE(silent.line.frames.size(), 20);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(silent.line.frames[i], makeWriteFrame(0, 1));
        const qint64 gap = i ? silent.line.sentAt[i] - silent.line.sentAt[i - 1] : 501;
        QVERIFY2(gap > 500 && gap <= 540, qPrintable(QString::number(gap)));
    }
}

void TestWorkers::repliesOfTheWrongKindAreNotTaken()
{
    // A write's first frame gets a poll reply, a read's an acknowledgement:
    // neither is taken, and the cell is asked again after its time-out.
    Send write;
    write.image = QByteArray(41, '\x02');
    firstAnswerIs(write.line, EcuMemory::replyFrame(KindPollReply));
    write.w().startSend(0);
    write.run(60);
    QCOMPARE(write.line.frames.at(1), write.line.frames.at(0));
    QVERIFY(write.runToIdle());
    QCOMPARE(write.outcomes, QStringList{"OK_SND"});
    QCOMPARE(write.w().retriesLeft(), 19);

    Read read;
    read.line.ecu.cells = distinctCells(90);
    firstAnswerIs(read.line, ackReply());
    read.w().startReceive(0, 10);
    QVERIFY(read.runToIdle());
    QCOMPARE(read.outcomes, QStringList{"OK_RCV"});
    QCOMPARE(read.image, read.line.ecu.cells.left(50));
    QCOMPARE(read.w().retriesLeft(), 19);

    // The live thread: a poll answered by an acknowledgement, a K write by
    // a poll reply. Each is sent again after its time-out; nothing is shown.
    const auto crossed = [](const QByteArray &f) {
        return uchar(f[0]) == KindPoll ? ackReply() : EcuMemory::replyFrame(KindPollReply);
    };
    Live poll;
    poll.line.answer = crossed;
    QSignalSpy shown(&poll.w(), &CGestRT::sgnLive);
    poll.w().startPolling();
    poll.run(35);
    QCOMPARE(poll.line.frames, (QList<QByteArray>{makePollFrame(), makePollFrame()}));
    QCOMPARE(poll.w().retryCount(), 29);
    QCOMPARE(shown.size(), 0);
    Live k;
    k.line.answer = crossed;
    k.w().queueInjectionK(1, 10);
    k.run(35);
    QCOMPARE(k.line.frames, (QList<QByteArray>{makeWriteFrame(42, 1), makeWriteFrame(42, 1)}));
    QCOMPARE(k.w().retryCount(), 29);
}

void TestWorkers::readUnderLineFaultsIsNeverWrong()
{
    // Each fault on a line to a unit that answers at once. The verdict is
    // the ECU's values or a reported failure, never other values; where a
    // row names an outcome, the number of frames, passes or tries left
    // (0 or -1: not checked), it is that.
    struct Row {
        const char *name;
        uchar hw;
        std::function<void(ModelLine &)> fault;
        const char *outcome;
        int frames, passes, retriesLeft;
    };
    QList<Row> rows = {
        // Cell 10's answer misses its time-out and comes in once the cell
        // is asked again; the answer to that second request then comes in
        // while cell 11 is awaited, and so on to the last cell.
        {"late reply meets the resend", 10, [](ModelLine &l) { l.late = {11}; }, "OK_RCV", 101, 2, 19},
        // Every answer misses its time-out (a unit answering at about
        // 500 ms): each pass runs one behind alike, yet never confirms
        // itself.
        {"every reply late", 10,
         [](ModelLine &l) {
             for (int n = 1; n <= 1000; ++n)
                 l.late.insert(n);
         },
         nullptr, 0, 0, -1},
        // Noise shaped as a read reply for the very cell asked (the address
        // alone cannot unmask it) comes in just before cell 20's answer,
        // which then meets cell 21's request, and so on.
        {"forged reply in the wait", 10, [](ModelLine &l) { l.forgedBefore = {21}; }, "OK_RCV", 150, 3, 20},
        {"forged reply in every pass", 10, [](ModelLine &l) { l.forgedBefore = {21, 71, 121}; }, "KO_RCV", 150,
         3, -1},
        // While no reply is awaited: dropped, and a second pass confirms.
        {"forged reply between exchanges", 10, [](ModelLine &l) { l.strayAfter = {{30, readReply(0xEE, 0)}}; },
         "OK_RCV", 100, 2, 20},
        // The live thread's write may still be answered when a read begins:
        // an acknowledgement cannot be taken for a value, and costs nothing.
        {"stray acknowledgements", 10, [](ModelLine &l) { l.strayAfter = {{1, ackReply()}, {2, ackReply()}}; },
         "OK_RCV", 50, 1, 20},
        // A lost reply cannot shift anything; the second pass confirms the
        // first and the time-out budget is shared by both.
        {"lost reply", 10, [](ModelLine &l) { l.lost = {8}; }, "OK_RCV", 101, 2, 19},
        // The line skipped noise while cell 20 was read: its value may come
        // from the noise, so only a second, quiet pass that agrees confirms.
        {"noise skipped by the line", 10, [](ModelLine &l) { l.noisy = {21}; }, "OK_RCV", 100, 2, 20},
        // Noise that spoils a different value in every pass: no two agree.
        {"noise spoiling each pass", 10,
         [](ModelLine &l) {
             l.spoilt = {{8, 0xEE}, {60, 0xEE}, {112, 0xEE}};
             l.noisy = {8, 60, 112};
         },
         "KO_RCV", 0, CGestReceive::MaxPasses, -1},
    };
    // Replies that take their time; cell 10's first takes 1.2 s, longer
    // than its time-out and the answer to the request sent again.
    for (const int latency : {0, 25, 45})
        rows.append({"one reply 1.2 s late", 21,
                     [latency](ModelLine &l) {
                         l.latencyMs = latency;
                         l.delays = {{11, 1200}};
                     },
                     "OK_RCV", 0, 2, 19});

    for (const Row &row : rows) {
        Read d;
        d.line.ecu.cells = distinctCells(cellsRead(row.hw));
        row.fault(d.line);
        d.w().startReceive(0, row.hw);
        QVERIFY2(d.runToIdle(), row.name);
        QVERIFY2(d.outcomes.size() == 1, row.name);
        const QString outcome = d.outcomes.first();
        if (outcome == QLatin1String("OK_RCV"))
            QVERIFY2(d.image == d.line.ecu.cells, row.name);
        else
            QCOMPARE(outcome, QStringLiteral("KO_RCV"));
        if (row.outcome)
            QCOMPARE(outcome, QString(row.outcome));
        if (row.frames)
            QVERIFY2(d.line.frames.size() == row.frames,
                     qPrintable(QStringLiteral("%1: %2 frames").arg(row.name).arg(d.line.frames.size())));
        if (row.passes)
            QVERIFY2(d.w().readPasses() == row.passes, row.name);
        if (row.retriesLeft >= 0)
            QVERIFY2(d.w().retriesLeft() == row.retriesLeft, row.name);
        checkPassesInOrder(d.line.frames, row.name);
    }
}

void TestWorkers::queuedWritesGoInOrderBeforeTheNextPoll()
{
    Live d;
    d.w().startPolling();
    d.run(2);  // a poll out and answered
    QCOMPARE(d.line.frames.size(), 1);
    d.w().queueInjectionK(3, 10);
    d.w().queueInjectionK(4, 25);
    d.run(20);
    QCOMPARE(d.line.frames.mid(0, 4),
             (QList<QByteArray>{makePollFrame(), makeWriteFrame(42, 3), makeWriteFrame(82, 4), makePollFrame()}));

    // Two presses of the bench button: six frames, and no poll since
    // polling is off.
    Live bench;
    bench.w().queueBenchOn(10);
    bench.w().queueBenchOff(10);
    QCOMPARE(bench.w().queuedFrames(), 6);
    bench.run(40);
    const QList<QByteArray> on{makeWriteFrame(41, 2), makeWriteFrame(42, 1), makeWriteFrame(49, 1)};
    QCOMPARE(bench.line.frames, on + (QList<QByteArray>{on[0], on[1], makeWriteFrame(49, 0)}));
    QCOMPARE(bench.w().state(), 800);
    QCOMPARE(bench.w().queuedFrames(), 0);
    // Each frame waits for the acknowledgement of the one before.
    bench.line.fallSilent();
    bench.w().queueBenchOn(25);
    bench.run(10);
    QCOMPARE(bench.line.frames.size(), 7);
    QCOMPARE(bench.line.frames.last(), makeWriteFrame(81, 2));

    // A write whose acknowledgement is lost is sent again as it is, never
    // replaced by a poll; the exchange that completes reloads the budget.
    Live k;
    k.line.loseFirstTries([](int) { return true; }, 2);
    k.w().queueInjectionK(2, 10);
    k.run(100);
    const QByteArray k2 = makeWriteFrame(42, 2);
    QCOMPARE(k.line.frames, (QList<QByteArray>{k2, k2, k2}));
    QCOMPARE(k.w().state(), 800);
    QCOMPARE(k.w().queuedFrames(), 0);
    QCOMPARE(k.w().retryCount(), 30);
}

void TestWorkers::commandWaitsForTheLine()
{
    Live d;
    d.line.fallSilent();
    QSignalSpy cmd(&d.w(), &CGestRT::sgnExecCmd);
    d.w().startPolling();
    d.run(2);  // the poll is out, no answer yet
    QCOMPARE(d.line.frames.size(), 1);
    d.w().setCmd("FLASH_READ");
    QVERIFY(!d.w().isPolling());
    d.run(10);
    QCOMPARE(cmd.size(), 0);
    d.w().setReply(EcuMemory::replyFrame(KindPollReply));
    d.run(10);
    QCOMPARE(cmd.size(), 1);
    QCOMPARE(cmd.at(0).at(0).toString(), QString("FLASH_READ"));
    QCOMPARE(d.line.frames.size(), 1);  // no further poll: the thread stays idle
    QCOMPARE(d.w().state(), 800);

    // Without a link the word comes back from the idle state within one pass.
    d.w().setCmd("LOAD_PROFILE");
    d.pass();
    QCOMPARE(cmd.size(), 2);
    QCOMPARE(cmd.at(1).at(0).toString(), QString("LOAD_PROFILE"));

    // A queued K write goes out first; the command follows its acknowledgement
    // and nothing is sent after it, so the transfer has the line to itself.
    d.w().queueInjectionK(3, 10);
    d.w().setCmd("FLASH_READ");
    d.run(3);
    QCOMPARE(d.line.frames.size(), 2);
    QCOMPARE(d.line.frames.last(), makeWriteFrame(42, 3));
    QCOMPARE(cmd.size(), 2);
    d.w().setReply(ackReply());
    d.run(5);
    QCOMPARE(cmd.size(), 3);
    QCOMPARE(d.line.frames.size(), 2);
}

void TestWorkers::pollRepliesReachTheDisplays()
{
    Live d;
    d.line.ecu.poll = hex("FE 11 7F 05 B8 0B 0C 22");
    QSignalSpy shown(&d.w(), &CGestRT::sgnLive);
    d.w().startPolling();
    d.run(4);
    QCOMPARE(shown.size(), 1);
    const PollData p = shown.at(0).at(0).value<PollData>();
    QCOMPARE(p.rpm, 3000);
    QCOMPARE(p.adc, uchar(127));
    QCOMPARE(p.cellIndex, uchar(12));
    QCOMPARE(p.cellValue, uchar(5));

    // A reply that comes in after live data went off shows zeros.
    Live off;
    off.line.fallSilent();
    QSignalSpy zeros(&off.w(), &CGestRT::sgnLive);
    off.w().startPolling();
    off.run(2);
    off.w().stopPolling();
    off.w().setReply(hex("FE 00 7F 00 B8 0B 00 00"));
    off.run(5);
    QCOMPARE(zeros.size(), 1);
    QCOMPARE(zeros.at(0).at(0).value<PollData>().rpm, 0);
    QCOMPARE(off.line.frames.size(), 1);
}

void TestWorkers::silentUnitIsRetriedOnlyWhileSomebodyWaits()
{
    // A silent unit while live data is on: the poll is retried...
    Live d;
    d.line.fallSilent();
    d.w().startPolling();
    QVERIFY(d.runUntil([&] { return d.line.frames.size() == 2; }));
    // ...until live data goes off: the poll on the wire is not sent again.
    d.w().stopPolling();
    d.run(2000);
    QCOMPARE(d.line.frames.size(), 2);
    QCOMPARE(d.w().state(), 800);
    // K frames being retried go with a reset (a disconnect): no frame, no
    // warning afterwards.
    d.w().queueInjectionK(3, 10);
    QVERIFY(d.runUntil([&] { return d.line.frames.size() == 4; }));
    QCOMPARE(d.w().reset(), QString());
    d.run(2000);
    QCOMPARE(d.line.frames.size(), 4);
    QCOMPARE(d.w().queuedFrames(), 0);
    QCOMPARE(d.outcomes.size(), 0);

    // Live data on for good: 30 polls, each after the time-out of the one
    // before, then one KO...
    d.line.frames.clear();
    d.line.sentAt.clear();
    d.w().startPolling();
    QVERIFY(d.runUntil([&] { return !d.outcomes.isEmpty(); }));
    QCOMPARE(d.outcomes, QStringList{"KO"});
    QCOMPARE(d.line.frames.size(), 30);
    for (int i = 0; i < 30; ++i) {
        QCOMPARE(d.line.frames[i], makePollFrame());
        QVERIFY(i == 0 || d.line.sentAt[i] - d.line.sentAt[i - 1] > 300);
    }
    // ...on which the window switches polling off: nothing more then.
    d.w().stopPolling();
    d.run(100);
    QCOMPARE(d.outcomes.size(), 1);
    QCOMPARE(d.line.frames.size(), 30);
    QCOMPARE(d.w().state(), 800);

    // Bench frames to a silent unit, and a read asked for meanwhile: the
    // first frame is tried until the budget is spent; the other frames and
    // the word are dropped, the word is said so and never handed over.
    Live bench;
    bench.line.fallSilent();
    QSignalSpy dropped(&bench.w(), &CGestRT::sgnCmdDropped);
    QSignalSpy handed(&bench.w(), &CGestRT::sgnExecCmd);
    bench.w().queueBenchOn(10);
    bench.pass();
    bench.w().setCmd(QStringLiteral("FLASH_READ"));
    QVERIFY(bench.runUntil([&] { return !bench.outcomes.isEmpty(); }));
    bench.run(100);
    QCOMPARE(bench.outcomes, QStringList{"KO"});
    QCOMPARE(bench.line.frames.size(), 30);
    QCOMPARE(bench.line.frames.last(), makeWriteFrame(41, 2));
    QCOMPARE(bench.w().queuedFrames(), 0);
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.at(0).at(0).toString(), QStringLiteral("FLASH_READ"));
    QCOMPARE(handed.size(), 0);
    QCOMPARE(bench.w().pendingCommand(), QString());

    // The pending word is also what reset() hands back.
    bench.w().queueInjectionK(2, 10);
    bench.w().setCmd(QStringLiteral("LOAD_PROFILE"));
    QCOMPARE(bench.w().reset(), QStringLiteral("LOAD_PROFILE"));
}

void TestWorkers::pollsArePacedByThePeriod()
{
    // One millisecond per pass, every poll answered at once: the line is
    // far faster than the period.
    Live d;
    d.w().startPolling();
    for (int i = 0; i < 1000; ++i) {
        d.w().step();
        d.clock.advance(1);
    }
    QVERIFY(d.line.frames.size() >= 30);  // at least 30 polls a second...
    for (int i = 1; i < d.line.sentAt.size(); ++i)
        QCOMPARE(d.line.sentAt[i] - d.line.sentAt[i - 1], qint64(CGestRT::PollPeriodMs));  // ...never faster
}

void TestWorkers::loopSleepsUntilAnEventOrADeadline()
{
    Send d;
    d.image = QByteArray(41, '\x01');
    d.line.fallSilent();
    QCOMPARE(d.w().nextStep(), CGestWorker::Never);  // idle: nothing to wake up for
    d.clock.set(1000);
    d.w().startSend(0);
    QCOMPARE(d.w().nextStep(), qint64(1000));  // at once
    d.w().step();                              // the frame leaves; now waiting
    QCOMPARE(d.w().state(), int(CGestSend::Wait));
    QCOMPARE(d.w().nextStep(), qint64(1000 + 500 + 1));  // just past the time-out
    d.w().setReply(ackReply());                          // a reply: due at once
    d.w().step();
    QCOMPARE(d.w().state(), int(CGestSend::Advance));
    QCOMPARE(d.w().nextStep(), qint64(1000));

    Live rt;
    QCOMPARE(rt.w().nextStep(), CGestWorker::Never);
    rt.w().queueInjectionK(2, 10);
    QCOMPARE(rt.w().nextStep(), qint64(0));

    // The real loops: idle workers do not spin. Counted by the loop itself,
    // so that a thread stepping without a reason shows however it steps.
    QByteArray image(41, '\x01');
    CGestSend sending(&image, nullptr, 500, 20);
    CGestReceive reading(&image, nullptr, 500, 20);
    CGestRT polling(nullptr, 300, 30);
    QTest::qWait(200);
    for (const CGestWorker *idle : std::initializer_list<const CGestWorker *>{&sending, &reading, &polling})
        QVERIFY2(idle->passes() <= 2, qPrintable(QString::number(idle->passes())));
}

void TestWorkers::runningThreadsTransferAndStopCooperatively()
{
    // Real threads and the monotonic clock: the transport answers from the
    // worker's own thread at once.
    QByteArray image(41, '\x07');
    auto *w = new CGestSend(&image, nullptr, 500, 20);
    QObject::connect(w, &CGestSend::sgnSndByte, w, [w](const QByteArray &) { w->setReply(ackReply()); },
                     Qt::DirectConnection);
    QStringList outcomes;  // filled in this thread: the signal arrives queued
    QObject receiver;
    QObject::connect(w, &CGestSend::sgnEsito, &receiver, [&outcomes](const QString &o) { outcomes << o; });
    QVERIFY(w->isRunning());
    w->startSend(0);
    QTRY_VERIFY_WITH_TIMEOUT(!outcomes.isEmpty(), 10000);
    QCOMPARE(outcomes, QStringList{"OK_SND"});
    delete w;  // must return: the loop ends on its own

    // Polling a silent ECU while being destroyed: the loop is woken and
    // ends (a hang is CTest's to catch).
    auto *rt = new CGestRT(nullptr, 300, 30);
    rt->startPolling();
    QTest::qWait(50);
    delete rt;
}

QTEST_GUILESS_MAIN(TestWorkers)
#include "test_workers.moc"
