// The three worker state machines, driven pass by pass with a manual clock.

#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/protocol.h"
#include "link/workerclock.h"

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(static_cast<char>(v));
    return b;
}

const QByteArray kAck = bytes({0xFD, 0, 0, 0, 0, 0, 0, 0xFD});

// A stand-in for the transport and the ECU: collects the frames that a worker
// emits and, after each pass, hands in the answer chosen by `answer` (an empty
// answer means the ECU stays silent).
template <typename Worker>
struct Harness {
    Worker &worker;
    ManualClock &clock;
    QList<QByteArray> sent;
    QList<QByteArray> outstanding;
    std::function<QByteArray(const QByteArray &)> answer;

    Harness(Worker &w, ManualClock &c) : worker(w), clock(c)
    {
        QObject::connect(&worker, &Worker::sgnSndByte, [this](const QByteArray &f) {
            sent.append(f);
            outstanding.append(f);
        });
    }
    void pass()
    {
        worker.step();
        for (const QByteArray &f : qAsConst(outstanding)) {
            const QByteArray reply = answer ? answer(f) : QByteArray();
            if (!reply.isEmpty())
                worker.setReply(reply);
        }
        outstanding.clear();
        clock.advance(CGestWorker::StepSleepMs);
    }
    // Runs until the worker is idle (or `limit` passes).
    void runToIdle(int limit = 100000)
    {
        do {
            pass();
        } while (worker.state() != 800 && --limit > 0);
    }
};

int addressOf(const QByteArray &frame)
{
    const uchar kind = static_cast<uchar>(frame[0]);
    return kind == Protocol::KindWrite ? static_cast<uchar>(frame[2]) : static_cast<uchar>(frame[2]);
}

// An ECU memory that answers writes and reads.
struct FakeCells {
    QByteArray cells = QByteArray(90, '\0');
    QByteArray answer(const QByteArray &f)
    {
        const uchar kind = static_cast<uchar>(f[0]);
        if (kind == Protocol::KindWrite) {
            cells[static_cast<uchar>(f[2])] = f[1];
            return kAck;
        }
        if (kind == Protocol::KindRead)
            return bytes({0xF4, static_cast<uchar>(cells[static_cast<uchar>(f[2])]), static_cast<uchar>(f[2]), 0, 0, 0, 0, 0});
        return {};
    }
};

QList<int> intsOf(const QSignalSpy &spy)
{
    QList<int> out;
    for (const auto &args : spy)
        out.append(args.at(0).toInt());
    return out;
}

} // namespace

class TestWorkers : public QObject {
    Q_OBJECT

private slots:
    void writeSendsEveryCellWithProgress();
    void readAsksAndStoresEveryCell();
    void twentiethTimeoutFailsTransferSpreadOverCells();
    void nineteenTimeoutsSpreadOverCellsStillSucceed();
    void silentEcuResendsSameCellAfterTimeout();
    void wrongKindReplyDoesNotStallTransfer();
    void replyHandedInDuringSendIsKept();

    void thirtySilentPollsGiveOneKo();
    void queuedFramesGoBeforeNextPoll();
    void setCmdWaitsForExchangeInProgress();
    void twoBenchPressesSendSixFramesInOrder();
    void pollReplyGivesEngineSpeed();
    void pollReplyAfterLinkOffDeliversZeros();
    void queuedFrameIsSentAgainOnTimeout();
    void wrongKindReplyDoesNotStallPoll();
    void giveUpDropsQueuedFrames();
    void replyHandedInDuringPollIsKept();

    void runningThreadsTransferAndStopCooperatively();

    void loopSleepsUntilAnEventOrADeadline();
    void pollsArePacedByThePeriod();
    void nothingIsRetriedOnceNobodyWaits();
    void failureDropsThePendingCommand();
};

void TestWorkers::writeSendsEveryCellWithProgress()
{
    ManualClock clock;
    QByteArray image;
    for (int i = 0; i < 41; ++i)
        image.append(static_cast<char>(i - 10));
    CGestSend w(&image, nullptr, 500, 20, &clock, false);
    Harness<CGestSend> h(w, clock);
    FakeCells ecu;
    h.answer = [&ecu](const QByteArray &f) { return ecu.answer(f); };
    QSignalSpy percent(&w, &CGestSend::sgnPercent);
    QSignalSpy outcome(&w, &CGestSend::sgnEsito);

    w.startSend(0);
    h.runToIdle();

    QCOMPARE(h.sent.size(), 41);
    for (int i = 0; i < 41; ++i) {
        QCOMPARE(h.sent[i], Protocol::makeWriteFrame(i, static_cast<uchar>(i - 10)));
        QCOMPARE(addressOf(h.sent[i]), i);
    }
    QList<int> expected{0};
    for (int i = 0; i < 41; ++i)
        expected.append(i * 100 / 41);
    expected.append(100);
    QCOMPARE(intsOf(percent), expected);
    QCOMPARE(expected.mid(0, 6), (QList<int>{0, 0, 2, 4, 7, 9}));
    QCOMPARE(expected.at(41), 97);
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QString("OK_SND"));
    QCOMPARE(ecu.cells.left(41), image);
}

void TestWorkers::readAsksAndStoresEveryCell()
{
    ManualClock clock;
    QByteArray image("stale contents");
    CGestReceive w(&image, nullptr, 500, 20, &clock, false);
    Harness<CGestReceive> h(w, clock);
    FakeCells ecu;
    for (int i = 0; i < 90; ++i)
        ecu.cells[i] = static_cast<char>(200 - i);
    h.answer = [&ecu](const QByteArray &f) { return ecu.answer(f); };
    QSignalSpy percent(&w, &CGestReceive::sgnPercent);
    QSignalSpy outcome(&w, &CGestReceive::sgnEsito);

    w.startReceive(0, 21);
    QCOMPARE(w.cellCount(), 90);
    h.runToIdle();

    QCOMPARE(h.sent.size(), 90);
    for (int i = 0; i < 90; ++i)
        QCOMPARE(h.sent[i], Protocol::makeReadFrame(i));
    QCOMPARE(image, ecu.cells);  // all 90 cells, the bench flag cell 89 included
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QString("OK_RCV"));
    QCOMPARE(intsOf(percent).last(), 100);
    QCOMPARE(intsOf(percent).at(2), 1);  // cell 1: 1 * 100 / 90

    // A 50-cell ECU: cells 0 to 49.
    h.sent.clear();
    w.startReceive(0, 10);
    h.runToIdle();
    QCOMPARE(h.sent.size(), 50);
    QCOMPARE(h.sent.last(), Protocol::makeReadFrame(49));
    QCOMPARE(image, ecu.cells.left(50));
}

void TestWorkers::twentiethTimeoutFailsTransferSpreadOverCells()
{
    ManualClock clock;
    QByteArray image(41, '\x05');
    CGestSend w(&image, nullptr, 500, 20, &clock, false);
    Harness<CGestSend> h(w, clock);
    // Every cell's first try goes unanswered; its second try is acknowledged.
    QSet<int> triedOnce;
    h.answer = [&](const QByteArray &f) {
        const int a = addressOf(f);
        if (!triedOnce.contains(a)) {
            triedOnce.insert(a);
            return QByteArray();
        }
        return kAck;
    };
    QSignalSpy outcome(&w, &CGestSend::sgnEsito);
    w.startSend(0);
    h.runToIdle();
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QString("KO_SND"));
    QCOMPARE(triedOnce.size(), 20);  // cells 0 to 19 each timed out once
    QCOMPARE(h.sent.size(), 19 * 2 + 1);
}

void TestWorkers::nineteenTimeoutsSpreadOverCellsStillSucceed()
{
    ManualClock clock;
    QByteArray image(81, '\0');
    CGestReceive r(&image, nullptr, 500, 20, &clock, false);
    Harness<CGestReceive> h(r, clock);
    QSet<int> triedOnce;
    FakeCells ecu;
    h.answer = [&](const QByteArray &f) {
        const int a = addressOf(f);
        if (a % 4 == 0 && a < 76 && !triedOnce.contains(a)) {  // 19 cells miss once
            triedOnce.insert(a);
            return QByteArray();
        }
        return ecu.answer(f);
    };
    QSignalSpy outcome(&r, &CGestReceive::sgnEsito);
    r.startReceive(0, 25);
    h.runToIdle();
    QCOMPARE(triedOnce.size(), 19);
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QString("OK_RCV"));
    QCOMPARE(r.retriesLeft(), 1);
}

void TestWorkers::silentEcuResendsSameCellAfterTimeout()
{
    ManualClock clock;
    QByteArray image(41, '\x01');
    CGestSend w(&image, nullptr, 500, 20, &clock, false);
    Harness<CGestSend> h(w, clock);
    QList<qint64> sentAt;
    QObject::connect(&w, &CGestSend::sgnSndByte, [&](const QByteArray &) { sentAt.append(clock.nowMs()); });
    QSignalSpy outcome(&w, &CGestSend::sgnEsito);
    w.startSend(0);
    h.runToIdle();
    QCOMPARE(h.sent.size(), 20);
    for (const QByteArray &f : qAsConst(h.sent))
        QCOMPARE(f, Protocol::makeWriteFrame(0, 1));
    // A little over 500 ms apart: the time-out is tested once per pass.
    for (int i = 1; i < sentAt.size(); ++i) {
        QVERIFY(sentAt[i] - sentAt[i - 1] > 500);
        QVERIFY(sentAt[i] - sentAt[i - 1] <= 540);
    }
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QString("KO_SND"));
    QCOMPARE(w.state(), 800);
}

void TestWorkers::wrongKindReplyDoesNotStallTransfer()
{
    ManualClock clock;
    QByteArray image(41, '\x02');
    CGestSend w(&image, nullptr, 500, 20, &clock, false);
    Harness<CGestSend> h(w, clock);
    const QByteArray pollReply = bytes({0xFE, 0, 1, 2, 3, 4, 5, 6});
    int answered = 0;
    // The first try of cell 0 gets a poll reply; everything after is acknowledged.
    h.answer = [&](const QByteArray &) { return answered++ == 0 ? pollReply : kAck; };
    QSignalSpy outcome(&w, &CGestSend::sgnEsito);
    w.startSend(0);
    for (int i = 0; i < 60; ++i)  // 600 ms: past the time-out
        h.pass();
    QVERIFY(h.sent.size() >= 2);
    QCOMPARE(h.sent.at(0), h.sent.at(1));  // cell 0 asked again after its time-out
    QCOMPARE(w.retriesLeft(), 19);
    h.runToIdle();
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QString("OK_SND"));

    // The same for a read waiting for 0xF4 and getting an acknowledgement.
    CGestReceive r(&image, nullptr, 500, 20, &clock, false);
    Harness<CGestReceive> hr(r, clock);
    answered = 0;
    hr.answer = [&](const QByteArray &f) {
        return answered++ == 0 ? kAck : bytes({0xF4, addressOf(f), addressOf(f), 0, 0, 0, 0, 0});
    };
    QSignalSpy rout(&r, &CGestReceive::sgnEsito);
    r.startReceive(0, 10);
    hr.runToIdle();
    QCOMPARE(rout.at(0).at(0).toString(), QString("OK_RCV"));
    QCOMPARE(r.retriesLeft(), 19);
    QCOMPARE(static_cast<uchar>(image.at(0)), uchar(0));
    QCOMPARE(static_cast<uchar>(image.at(49)), uchar(49));
}

void TestWorkers::replyHandedInDuringSendIsKept()
{
    // The transport may answer before the worker's step has even returned
    // (a HID exchange is synchronous): that answer must not be wiped.
    ManualClock clock;
    QByteArray image(41, '\x03');
    CGestSend w(&image, nullptr, 500, 20, &clock, false);
    QObject::connect(&w, &CGestSend::sgnSndByte, [&w](const QByteArray &) { w.setReply(kAck); });
    QSignalSpy outcome(&w, &CGestSend::sgnEsito);
    w.startSend(0);
    int passes = 0;
    do {
        w.step();
        clock.advance(10);
    } while (w.state() != 800 && ++passes < 10000);
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QString("OK_SND"));
    QCOMPARE(w.retriesLeft(), 20);

    QByteArray readImage;
    CGestReceive r(&readImage, nullptr, 500, 20, &clock, false);
    QObject::connect(&r, &CGestReceive::sgnSndByte, [&r](const QByteArray &f) {
        r.setReply(bytes({0xF4, 0x40 + static_cast<uchar>(f[2]), static_cast<uchar>(f[2]), 0, 0, 0, 0, 0}));
    });
    r.startReceive(0, 10);
    passes = 0;
    do {
        r.step();
        clock.advance(10);
    } while (r.state() != 800 && ++passes < 10000);
    QCOMPARE(r.retriesLeft(), 20);
    QCOMPARE(readImage.size(), 50);
    QCOMPARE(static_cast<uchar>(readImage.at(49)), uchar(0x40 + 49));
}

void TestWorkers::thirtySilentPollsGiveOneKo()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    QSignalSpy error(&rt, &CGestRT::sgnError);
    QList<qint64> sentAt;
    QObject::connect(&rt, &CGestRT::sgnSndByte, [&](const QByteArray &) { sentAt.append(clock.nowMs()); });
    rt.startPolling();
    int passes = 0;
    while (error.isEmpty() && ++passes < 100000)
        h.pass();
    QCOMPARE(error.size(), 1);
    QCOMPARE(error.at(0).at(0).toString(), QString("KO"));
    QCOMPARE(h.sent.size(), 30);
    for (const QByteArray &f : qAsConst(h.sent))
        QCOMPARE(f, Protocol::makePollFrame());
    for (int i = 1; i < sentAt.size(); ++i)
        QVERIFY(sentAt[i] - sentAt[i - 1] > 300);
    // The main window switches polling off on "KO"; nothing more then.
    rt.stopPolling();
    for (int i = 0; i < 100; ++i)
        h.pass();
    QCOMPARE(error.size(), 1);
    QCOMPARE(h.sent.size(), 30);
    QCOMPARE(rt.state(), 800);
}

void TestWorkers::queuedFramesGoBeforeNextPoll()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    h.answer = [](const QByteArray &f) {
        return static_cast<uchar>(f[0]) == Protocol::KindPoll ? bytes({0xFE, 0, 0, 0, 0, 0, 0, 0}) : kAck;
    };
    rt.startPolling();
    h.pass();  // idle -> send poll
    h.pass();  // poll sent, answered
    QCOMPARE(h.sent.size(), 1);
    rt.queueInjectionK(3, 10);
    rt.queueInjectionK(4, 25);
    for (int i = 0; i < 20; ++i)
        h.pass();
    QVERIFY(h.sent.size() >= 4);
    QCOMPARE(h.sent.at(0), Protocol::makePollFrame());
    QCOMPARE(h.sent.at(1), bytes({0xFD, 0x03, 0x2A, 1, 1, 1, 1, 0x2E}));
    QCOMPARE(h.sent.at(2), bytes({0xFD, 0x04, 0x52, 1, 1, 1, 1, 0x57}));
    QCOMPARE(h.sent.at(3), Protocol::makePollFrame());
}

void TestWorkers::setCmdWaitsForExchangeInProgress()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    QSignalSpy cmd(&rt, &CGestRT::sgnExecCmd);
    rt.startPolling();
    h.pass();
    h.pass();  // the poll is out, no answer yet
    QCOMPARE(h.sent.size(), 1);
    rt.setCmd("FLASH_READ");
    QVERIFY(!rt.isPolling());
    for (int i = 0; i < 10; ++i)
        h.pass();
    QCOMPARE(cmd.size(), 0);
    rt.setReply(bytes({0xFE, 0, 0, 0, 0, 0, 0, 0}));
    for (int i = 0; i < 10; ++i)
        h.pass();
    QCOMPARE(cmd.size(), 1);
    QCOMPARE(cmd.at(0).at(0).toString(), QString("FLASH_READ"));
    QCOMPARE(h.sent.size(), 1);  // no further poll: the thread stays idle
    QCOMPARE(rt.state(), 800);

    // Without a link the word comes back from the idle state within one pass.
    rt.setCmd("LOAD_PROFILE");
    h.pass();
    QCOMPARE(cmd.size(), 2);
    QCOMPARE(cmd.at(1).at(0).toString(), QString("LOAD_PROFILE"));

    // A queued K write goes out first; the command follows its acknowledgement
    // and nothing is sent after it, so the transfer has the line to itself.
    rt.queueInjectionK(3, 10);
    rt.setCmd("FLASH_READ");
    h.pass();
    h.pass();
    QCOMPARE(cmd.size(), 2);
    QCOMPARE(h.sent.size(), 2);
    QCOMPARE(h.sent.last(), Protocol::makeWriteFrame(42, 3));
    h.pass();
    QCOMPARE(cmd.size(), 2);
    rt.setReply(bytes({0xFD, 0, 0, 0, 0, 0, 0, 0}));
    for (int i = 0; i < 5; ++i)
        h.pass();
    QCOMPARE(cmd.size(), 3);
    QCOMPARE(h.sent.size(), 2);
}

void TestWorkers::twoBenchPressesSendSixFramesInOrder()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    h.answer = [](const QByteArray &) { return kAck; };
    rt.queueBenchOn(10);
    rt.queueBenchOff(10);
    QCOMPARE(rt.queuedFrames(), 6);
    for (int i = 0; i < 40; ++i)
        h.pass();
    const QList<QByteArray> expected{
        bytes({0xFD, 0x02, 0x29, 1, 1, 1, 1, 0x2C}), bytes({0xFD, 0x01, 0x2A, 1, 1, 1, 1, 0x2C}),
        bytes({0xFD, 0x01, 0x31, 1, 1, 1, 1, 0x33}), bytes({0xFD, 0x02, 0x29, 1, 1, 1, 1, 0x2C}),
        bytes({0xFD, 0x01, 0x2A, 1, 1, 1, 1, 0x2C}), bytes({0xFD, 0x00, 0x31, 1, 1, 1, 1, 0x32})};
    QCOMPARE(h.sent, expected);  // and no poll, since polling is off
    QCOMPARE(rt.state(), 800);
    QCOMPARE(rt.queuedFrames(), 0);

    // Each frame waits for the previous acknowledgement.
    Harness<CGestRT> silent(rt, clock);
    rt.queueBenchOn(25);
    for (int i = 0; i < 10; ++i)
        silent.pass();
    QCOMPARE(silent.sent.size(), 1);
    QCOMPARE(silent.sent.at(0), Protocol::makeWriteFrame(81, 2));
}

void TestWorkers::pollReplyGivesEngineSpeed()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    h.answer = [](const QByteArray &) { return bytes({0xFE, 0x11, 0x7F, 0x05, 0xB8, 0x0B, 0x0C, 0x22}); };
    QSignalSpy live(&rt, &CGestRT::sgnLive);
    rt.startPolling();
    for (int i = 0; i < 4; ++i)
        h.pass();
    QCOMPARE(live.size(), 1);
    const Protocol::PollData d = live.at(0).at(0).value<Protocol::PollData>();
    QCOMPARE(d.rpm, 3000);
    QCOMPARE(d.adc, uchar(127));
    QCOMPARE(d.cellIndex, uchar(12));
    QCOMPARE(d.cellValue, uchar(5));
}

void TestWorkers::pollReplyAfterLinkOffDeliversZeros()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    QSignalSpy rpm(&rt, &CGestRT::sgnLive);
    rt.startPolling();
    h.pass();
    h.pass();  // the poll is out
    rt.stopPolling();
    rt.setReply(bytes({0xFE, 0, 0x7F, 0, 0xB8, 0x0B, 0, 0}));
    for (int i = 0; i < 5; ++i)
        h.pass();
    QCOMPARE(rpm.size(), 1);
    QCOMPARE(rpm.at(0).at(0).value<Protocol::PollData>().rpm, 0);
    QCOMPARE(h.sent.size(), 1);
}

void TestWorkers::queuedFrameIsSentAgainOnTimeout()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    int tries = 0;
    h.answer = [&](const QByteArray &) { return ++tries < 3 ? QByteArray() : kAck; };
    rt.queueInjectionK(2, 10);
    for (int i = 0; i < 100; ++i)
        h.pass();
    const QByteArray k2 = Protocol::makeWriteFrame(42, 2);
    QCOMPARE(h.sent, (QList<QByteArray>{k2, k2, k2}));  // never replaced by a poll
    QCOMPARE(rt.state(), 800);
    QCOMPARE(rt.queuedFrames(), 0);
    QCOMPARE(rt.retryCount(), 30);  // reloaded by the completed exchange
}

void TestWorkers::wrongKindReplyDoesNotStallPoll()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    // A poll gets an acknowledgement, a write gets a poll reply: neither is taken.
    h.answer = [](const QByteArray &f) {
        return static_cast<uchar>(f[0]) == Protocol::KindPoll ? kAck : bytes({0xFE, 0, 0, 0, 0, 0, 0, 0});
    };
    QSignalSpy rpm(&rt, &CGestRT::sgnLive);
    rt.startPolling();
    for (int i = 0; i < 35; ++i)  // 350 ms
        h.pass();
    QCOMPARE(h.sent.size(), 2);  // the poll was repeated after its time-out
    QCOMPARE(rt.retryCount(), 29);
    QCOMPARE(rpm.size(), 0);


    // A queued write answered with a poll reply is sent again after its time-out.
    CGestRT idle(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> hi(idle, clock);
    hi.answer = h.answer;
    idle.queueInjectionK(1, 10);
    for (int i = 0; i < 35; ++i)
        hi.pass();
    const QByteArray k1 = Protocol::makeWriteFrame(42, 1);
    QCOMPARE(hi.sent, (QList<QByteArray>{k1, k1}));
    QCOMPARE(idle.retryCount(), 29);
}

void TestWorkers::giveUpDropsQueuedFrames()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 3, &clock, false);
    Harness<CGestRT> h(rt, clock);
    QSignalSpy error(&rt, &CGestRT::sgnError);
    rt.queueBenchOn(10);
    for (int i = 0; i < 400; ++i)
        h.pass();
    QCOMPARE(error.size(), 1);
    QCOMPARE(h.sent.size(), 3);  // the first frame three times, the rest dropped
    QCOMPARE(rt.queuedFrames(), 0);
    QCOMPARE(rt.state(), 800);
}

void TestWorkers::replyHandedInDuringPollIsKept()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    QObject::connect(&rt, &CGestRT::sgnSndByte,
                     [&rt](const QByteArray &) { rt.setReply(bytes({0xFE, 0, 0, 0, 0x10, 0x27, 0, 0})); });
    QSignalSpy rpm(&rt, &CGestRT::sgnLive);
    rt.startPolling();
    for (int i = 0; i < 4; ++i) {
        rt.step();
        clock.advance(10);
    }
    QCOMPARE(rpm.size(), 1);
    QCOMPARE(rpm.at(0).at(0).value<Protocol::PollData>().rpm, 10000);
}

void TestWorkers::runningThreadsTransferAndStopCooperatively()
{
    // Real threads and the monotonic clock: the transport answers from the
    // worker's own thread at once.
    QByteArray image(41, '\x07');
    auto *w = new CGestSend(&image, nullptr, 500, 20);
    QObject::connect(w, &CGestSend::sgnSndByte, w, [w](const QByteArray &) { w->setReply(kAck); },
                     Qt::DirectConnection);
    QStringList outcomes;  // filled in this thread: the signal arrives queued
    QObject receiver;
    QObject::connect(w, &CGestSend::sgnEsito, &receiver, [&outcomes](const QString &o) { outcomes << o; });
    QVERIFY(w->isRunning());
    w->startSend(0);
    QTRY_VERIFY_WITH_TIMEOUT(!outcomes.isEmpty(), 10000);
    QCOMPARE(outcomes, QStringList{"OK_SND"});
    delete w;  // must return: the loop ends on its own

    auto *rt = new CGestRT(nullptr, 300, 30);
    rt->startPolling();  // polling a silent ECU while being destroyed
    QTest::qWait(50);
    QElapsedTimer t;
    t.start();
    delete rt;
    QVERIFY(t.elapsed() < 1000);
}

void TestWorkers::loopSleepsUntilAnEventOrADeadline()
{
    ManualClock clock;
    QByteArray image(41, '\x01');
    CGestSend w(&image, nullptr, 500, 20, &clock, false);
    // Idle: nothing to wake up for.
    QCOMPARE(w.nextStep(), CGestWorker::Never);
    clock.set(1000);
    w.startSend(0);
    QCOMPARE(w.nextStep(), qint64(1000));  // at once
    w.step();                              // the frame leaves; now waiting
    QCOMPARE(w.state(), int(CGestSend::Wait));
    QCOMPARE(w.nextStep(), qint64(1000 + 500 + 1));  // just past the time-out
    w.setReply(kAck);                                // a reply: due at once
    w.step();
    QCOMPARE(w.state(), int(CGestSend::Advance));
    QCOMPARE(w.nextStep(), qint64(1000));

    CGestRT rt(nullptr, 300, 30, &clock, false);
    QCOMPARE(rt.nextStep(), CGestWorker::Never);
    rt.queueInjectionK(2, 10);
    QCOMPARE(rt.nextStep(), qint64(1000));

    // The real loops: idle workers do not spin. Counted by the loop itself,
    // so that a thread stepping without a reason shows however it steps.
    CGestSend sending(&image, nullptr, 500, 20);
    CGestReceive reading(&image, nullptr, 500, 20);
    CGestRT polling(nullptr, 300, 30);
    QTest::qWait(200);
    for (const CGestWorker *idle : {static_cast<CGestWorker *>(&sending), static_cast<CGestWorker *>(&reading),
                                    static_cast<CGestWorker *>(&polling)})
        QVERIFY2(idle->passes() <= 2, qPrintable(QString::number(idle->passes())));
}

void TestWorkers::pollsArePacedByThePeriod()
{
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    QList<qint64> sentAt;
    QObject::connect(&rt, &CGestRT::sgnSndByte, [&](const QByteArray &) {
        sentAt.append(clock.nowMs());
        rt.setReply(bytes({0xFE, 0, 0, 0, 0, 0, 0, 0}));  // answered at once
    });
    rt.startPolling();
    // One millisecond per pass: the line answers far faster than the period.
    for (int i = 0; i < 1000; ++i) {
        rt.step();
        clock.advance(1);
    }
    QVERIFY(sentAt.size() >= 30);  // at least 30 polls a second...
    for (int i = 1; i < sentAt.size(); ++i)
        QCOMPARE(sentAt[i] - sentAt[i - 1], qint64(CGestRT::PollPeriodMs));  // ...never faster
}

void TestWorkers::nothingIsRetriedOnceNobodyWaits()
{
    // A silent unit while live data is on: the poll is retried...
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    QSignalSpy error(&rt, &CGestRT::sgnError);
    rt.startPolling();
    while (h.sent.size() < 2)
        h.pass();
    // ...until live data goes off: the poll on the wire is not sent again.
    rt.stopPolling();
    for (int i = 0; i < 2000; ++i)
        h.pass();
    QCOMPARE(h.sent.size(), 2);
    QCOMPARE(error.size(), 0);
    QCOMPARE(rt.state(), 800);

    // K frames being retried go with a reset (a disconnect): no frame, no
    // warning afterwards.
    rt.queueInjectionK(3, 10);
    while (h.sent.size() < 4)
        h.pass();
    QCOMPARE(rt.reset(), QString());
    for (int i = 0; i < 2000; ++i)
        h.pass();
    QCOMPARE(h.sent.size(), 4);
    QCOMPARE(error.size(), 0);
    QCOMPARE(rt.queuedFrames(), 0);
}

void TestWorkers::failureDropsThePendingCommand()
{
    // A K write to a silent unit, and a read asked for meanwhile: the word
    // waits for the queue. When the thread gives up, the word is dropped and
    // said so, and never handed over later.
    ManualClock clock;
    CGestRT rt(nullptr, 300, 30, &clock, false);
    Harness<CGestRT> h(rt, clock);
    QSignalSpy error(&rt, &CGestRT::sgnError);
    QSignalSpy dropped(&rt, &CGestRT::sgnCmdDropped);
    QSignalSpy handed(&rt, &CGestRT::sgnExecCmd);
    rt.queueInjectionK(3, 10);
    h.pass();
    rt.setCmd(QStringLiteral("FLASH_READ"));
    while (error.isEmpty())
        h.pass();
    for (int i = 0; i < 100; ++i)
        h.pass();
    QCOMPARE(error.size(), 1);
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.at(0).at(0).toString(), QStringLiteral("FLASH_READ"));
    QCOMPARE(handed.size(), 0);
    QCOMPARE(rt.pendingCommand(), QString());

    // The pending word is also what reset() hands back.
    rt.queueInjectionK(2, 10);
    rt.setCmd(QStringLiteral("LOAD_PROFILE"));
    QCOMPARE(rt.reset(), QStringLiteral("LOAD_PROFILE"));
}

QTEST_GUILESS_MAIN(TestWorkers)
#include "test_workers.moc"
