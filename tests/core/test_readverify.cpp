// A profile read never reports success with values that are not the ECU's:
// a late reply or a forged one taken for the next cell's would shift every
// following value by one cell. The reader, driven pass by pass
// against model lines (the session's suite runs it over real lines).

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/protocol.h"
#include "link/workerclock.h"
#include "support/testsupport.h"


namespace {

QByteArray readReply(uchar value, uchar address = 0)
{
    QByteArray r(Protocol::FrameSize, '\0');
    r[0] = static_cast<char>(Protocol::KindRead);
    r[1] = static_cast<char>(value);
    r[2] = static_cast<char>(address);
    return r;
}

// Distinct values, so that a shift by one cell always shows.
QByteArray ecuCells(int n)
{
    QByteArray c;
    for (int i = 0; i < n; ++i)
        c.append(static_cast<char>((i * 37 + 11) & 0xFF));
    return c;
}

// A line on which the replies queue up in order: each frame sent lets the
// oldest reply on the way come in. Normally that is the frame's own reply.
// A frame listed in `lateFrames` has its reply held back until the next
// frame goes out (the answer that misses its time-out); a frame listed in
// `forgedBefore` finds a forged read reply in front of its own. A reply
// left on the way with no frame going out comes in after `trailingMs`.
struct FifoLine {
    CGestReceive &reader;
    ManualClock &clock;
    QByteArray cells;
    QList<QByteArray> onTheWay;
    QList<QByteArray> frames;
    QSet<int> lateFrames;    // 1-based frame numbers
    QSet<int> forgedBefore;  // 1-based frame numbers
    QSet<int> lostFrames;    // their replies never come
    QMap<int, uchar> spoilt; // the value their replies carry instead
    bool holding = false;
    qint64 lastFrameAt = 0;
    int trailingMs = 30;

    FifoLine(CGestReceive &r, ManualClock &c, const QByteArray &memory) : reader(r), clock(c), cells(memory)
    {
        QObject::connect(&reader, &CGestReceive::sgnSndByte, [this](const QByteArray &f) { onFrame(f); });
    }
    void onFrame(const QByteArray &f)
    {
        frames.append(f);
        const int n = frames.size();
        lastFrameAt = clock.nowMs();
        const uchar address = static_cast<uchar>(f[2]);
        // Forged for the very cell asked: the address alone cannot unmask it.
        if (forgedBefore.contains(n))
            onTheWay.append(readReply(0xEE, address));
        if (!lostFrames.contains(n))
            onTheWay.append(readReply(spoilt.value(n, static_cast<uchar>(cells[address])), address));
        if (lateFrames.contains(n)) {
            if (holding)
                deliver();  // the reply held back before comes in now
            holding = true;
            return;
        }
        holding = false;
        deliver();
    }
    void deliver()
    {
        if (!onTheWay.isEmpty())
            reader.setReply(onTheWay.takeFirst());
    }
    void pass()
    {
        reader.step();
        if (!holding && clock.nowMs() - lastFrameAt >= trailingMs)
            deliver();
        clock.advance(CGestWorker::StepSleepMs);
    }
    void runToIdle()
    {
        int limit = 100000;
        do {
            pass();
        } while (reader.state() != CGestReceive::Idle && --limit > 0);
    }
};

// A line on which every reply takes its own time: `latencyMs`, or the delay
// listed for its frame in `delays`. Replies come in in the order they are due.
struct TimedLine {
    CGestReceive &reader;
    ManualClock &clock;
    QByteArray cells;
    int frames = 0;
    int latencyMs = 0;
    QMap<int, int> delays;  // 1-based frame number -> delay
    QMultiMap<qint64, QByteArray> due;

    TimedLine(CGestReceive &r, ManualClock &c, const QByteArray &memory) : reader(r), clock(c), cells(memory)
    {
        QObject::connect(&reader, &CGestReceive::sgnSndByte, [this](const QByteArray &f) {
            ++frames;
            due.insert(clock.nowMs() + delays.value(frames, latencyMs),
                       readReply(static_cast<uchar>(cells[static_cast<uchar>(f[2])]), static_cast<uchar>(f[2])));
        });
    }
    void pass()
    {
        reader.step();
        while (!due.isEmpty() && due.firstKey() <= clock.nowMs())
            reader.setReply(due.take(due.firstKey()));
        clock.advance(CGestWorker::StepSleepMs);
    }
    void runToIdle()
    {
        int limit = 100000;
        do {
            pass();
        } while (reader.state() != CGestReceive::Idle && --limit > 0);
    }
};

QList<int> intsOf(const QSignalSpy &spy)
{
    QList<int> out;
    for (const auto &args : spy)
        out.append(args.at(0).toInt());
    return out;
}

// The verdict of a read under faults: the ECU's values, or a reported failure.
// A reader on a manual clock, the line it talks to and the outcome it reports.
template <typename Line>
struct ReadRig {
    ManualClock clock;
    QByteArray image;
    CGestReceive r{&image, nullptr, 500, 20, &clock, false};
    Line line;
    QSignalSpy outcome{&r, &CGestReceive::sgnEsito};
    explicit ReadRig(const QByteArray &cells) : line(r, clock, cells) {}
};

void checkNeverWrong(const QSignalSpy &outcome, const QByteArray &image, const QByteArray &cells)
{
    QCOMPARE(outcome.size(), 1);
    const QString o = outcome.at(0).at(0).toString();
    if (o == QLatin1String("OK_RCV"))
        QCOMPARE(image, cells);
    else
        QCOMPARE(o, QStringLiteral("KO_RCV"));
}

// Every pass asks the cells in order, each cell until it is answered.
void checkPassesInOrder(const QList<QByteArray> &frames)
{
    int expected = 0;
    for (int i = 0; i < frames.size(); ++i) {
        const int cell = static_cast<uchar>(frames[i][2]);
        const bool again = i > 0 && frames[i] == frames[i - 1];
        QVERIFY2(cell == expected || again || cell == 0,
                 qPrintable(QStringLiteral("frame %1 asks cell %2").arg(i).arg(cell)));
        expected = cell + 1;
    }
}

} // namespace

class TestReadVerify : public QObject {
    Q_OBJECT

private slots:
    void cleanReadSendsEachCellOnce();
    void lateReplyAnsweringTheResendShiftsNothing();
    void replyLaterThanTheResendShiftsNothing();
    void forgedReplyInTheWaitShiftsNothing();
    void forgedReplyBetweenExchangesCostsOnePass();
    void lostReplyIsConfirmedBySecondPass();
    void strayAcknowledgementCostsNoPass();
    void noiseInEveryPassFails();
    void lineNoiseLeavesAPassUnconfirmed();
};

void TestReadVerify::cleanReadSendsEachCellOnce()
{
    for (const uchar hw : {uchar(10), uchar(21)}) {
        const int n = Protocol::cellsRead(hw);
        ReadRig<FifoLine> rig(ecuCells(n));
        auto &[clock, image, r, line, outcome] = rig;
        QSignalSpy percent(&r, &CGestReceive::sgnPercent);
        r.startReceive(0, hw);
        line.runToIdle();

        QCOMPARE(line.frames.size(), n);
        for (int i = 0; i < n; ++i)
            QCOMPARE(line.frames[i], Protocol::makeReadFrame(i));
        QCOMPARE(outcome.size(), 1);
        QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("OK_RCV"));
        QCOMPARE(image, line.cells);
        QList<int> expected{0};
        for (int i = 0; i < n; ++i)
            expected.append(i * 100 / n);
        expected.append(100);
        QCOMPARE(intsOf(percent), expected);
        QCOMPARE(r.retriesLeft(), 20);
        QCOMPARE(r.readPasses(), 1);
        // Three passes of 10 ms per cell; the check for a reply still on its
        // way adds two passes at the end, no more.
        QVERIFY2(clock.nowMs() <= n * 30 + 30, qPrintable(QString::number(clock.nowMs())));
        qInfo("clean read of %d cells: %d frames, %lld ms", n, int(line.frames.size()), clock.nowMs());
    }
}

void TestReadVerify::lateReplyAnsweringTheResendShiftsNothing()
{
    // Cell 10's answer misses its time-out and comes in once the cell is
    // asked again; the answer to that second request then comes in while
    // cell 11 is awaited, and so on to the last cell.
    ReadRig<FifoLine> rig(ecuCells(50));
    auto &[clock, image, r, line, outcome] = rig;
    line.lateFrames = {11};
    QSignalSpy percent(&r, &CGestReceive::sgnPercent);
    r.startReceive(0, 10);
    line.runToIdle();

    checkNeverWrong(outcome, image, line.cells);
    QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("OK_RCV"));
    QCOMPARE(line.frames.at(10), line.frames.at(11));  // cell 10 asked again
    checkPassesInOrder(line.frames);
    QCOMPARE(intsOf(percent).last(), 100);
    QCOMPARE(r.retriesLeft(), 19);
    qInfo("read with a late reply: %d frames", int(line.frames.size()));

    // Every answer misses its time-out (a unit answering at about 500 ms):
    // each pass runs one behind in the same way, yet never confirms itself.
    ReadRig<FifoLine> behind(ecuCells(50));
    for (int n = 1; n <= 1000; ++n)
        behind.line.lateFrames.insert(n);
    behind.r.startReceive(0, 10);
    behind.line.runToIdle();
    checkNeverWrong(behind.outcome, behind.image, behind.line.cells);
}

void TestReadVerify::replyLaterThanTheResendShiftsNothing()
{
    // The replies take 25 ms; cell 10's first one takes 1.2 s, longer than
    // its time-out and the answer to the request sent again.
    for (const int latency : {0, 25, 45}) {
        ReadRig<TimedLine> rig(ecuCells(90));
        auto &[clock, image, r, line, outcome] = rig;
        line.latencyMs = latency;
        line.delays[11] = 1200;
        r.startReceive(0, 21);
        line.runToIdle();
        checkNeverWrong(outcome, image, line.cells);
        qInfo("latency %d ms, one reply 1.2 s late: %s after %d frames", latency,
              qPrintable(outcome.at(0).at(0).toString()), line.frames);
    }
}

void TestReadVerify::forgedReplyInTheWaitShiftsNothing()
{
    // Noise that looks like a read reply comes in just before cell 20's own
    // answer, which is then taken for cell 21's, and so on.
    ReadRig<FifoLine> rig(ecuCells(50));
    auto &[clock, image, r, line, outcome] = rig;
    line.forgedBefore = {21};
    r.startReceive(0, 10);
    line.runToIdle();
    checkNeverWrong(outcome, image, line.cells);
    QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("OK_RCV"));
    QVERIFY(line.frames.size() > 50);
    checkPassesInOrder(line.frames);
    QCOMPARE(r.retriesLeft(), 20);
    qInfo("read with a forged reply in step: %d frames", int(line.frames.size()));
}

void TestReadVerify::forgedReplyBetweenExchangesCostsOnePass()
{
    // A forged read reply while no reply is awaited is dropped; the read
    // is taken once a second pass gives the same values.
    ReadRig<FifoLine> rig(ecuCells(50));
    auto &[clock, image, r, line, outcome] = rig;
    r.startReceive(0, 10);
    bool forged = false;
    int limit = 100000;
    do {
        line.pass();
        if (!forged && line.frames.size() == 30 && r.state() == CGestReceive::Advance) {
            r.setReply(readReply(0xEE));
            forged = true;
        }
    } while (r.state() != CGestReceive::Idle && --limit > 0);
    QVERIFY(forged);
    checkNeverWrong(outcome, image, line.cells);
    QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("OK_RCV"));
    QCOMPARE(line.frames.size(), 100);
}

void TestReadVerify::lostReplyIsConfirmedBySecondPass()
{
    // A reply lost on the line cannot shift anything; the second pass
    // confirms the first and the time-out budget is shared by both.
    ReadRig<FifoLine> rig(ecuCells(50));
    auto &[clock, image, r, line, outcome] = rig;
    line.lostFrames = {8};
    r.startReceive(0, 10);
    line.runToIdle();
    QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("OK_RCV"));
    QCOMPARE(image, line.cells);
    QCOMPARE(line.frames.size(), 101);
    QCOMPARE(r.readPasses(), 2);
    QCOMPARE(r.retriesLeft(), 19);
}

void TestReadVerify::strayAcknowledgementCostsNoPass()
{
    // The live-data thread's write may still be answered when a read begins:
    // an acknowledgement between two exchanges cannot be taken for a value.
    ReadRig<FifoLine> rig(ecuCells(50));
    auto &[clock, image, r, line, outcome] = rig;
    r.startReceive(0, 10);
    QByteArray ack(Protocol::FrameSize, '\0');
    ack[0] = static_cast<char>(Protocol::KindWrite);
    int handed = 0;
    int limit = 100000;
    do {
        line.pass();
        if (r.state() == CGestReceive::Advance && line.frames.size() < 3) {
            r.setReply(ack);
            ++handed;
        }
    } while (r.state() != CGestReceive::Idle && --limit > 0);
    QVERIFY(handed > 0);
    QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("OK_RCV"));
    QCOMPARE(image, line.cells);
    QCOMPARE(line.frames.size(), 50);
}

void TestReadVerify::noiseInEveryPassFails()
{
    // The same forged reply in front of cell 20 in every pass: each pass is
    // shifted alike, yet none of them may confirm the other.
    ReadRig<FifoLine> rig(ecuCells(50));
    auto &[clock, image, r, line, outcome] = rig;
    line.forgedBefore = {21, 71, 121};
    r.startReceive(0, 10);
    line.runToIdle();
    QCOMPARE(outcome.size(), 1);
    QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("KO_RCV"));
    QCOMPARE(line.frames.size(), 150);  // three passes at most
}

void TestReadVerify::lineNoiseLeavesAPassUnconfirmed()
{
    // The line skipped noise while cell 20 was read: its value may come from
    // the noise, so only a second, quiet pass that agrees may confirm it.
    {
        ReadRig<FifoLine> rig(ecuCells(50));
        auto &[clock, image, r, line, outcome] = rig;
        QObject::connect(&r, &CGestReceive::sgnSndByte, [&rig](const QByteArray &) {
            if (rig.line.frames.size() == 21)
                rig.r.markIrregular();
        });
        r.startReceive(0, 10);
        line.runToIdle();
        checkNeverWrong(outcome, image, line.cells);
        QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("OK_RCV"));
        QCOMPARE(r.readPasses(), 2);
        QCOMPARE(line.frames.size(), 100);
    }
    // Noise in every pass that spoils a different value each time: no two
    // passes agree, so nothing is confirmed. An honest failure.
    {
        ReadRig<FifoLine> rig(ecuCells(50));
        auto &[clock, image, r, line, outcome] = rig;
        line.spoilt = {{8, 0xEE}, {60, 0xEE}, {112, 0xEE}};
        QObject::connect(&r, &CGestReceive::sgnSndByte, [&rig](const QByteArray &) {
            if (rig.line.spoilt.contains(rig.line.frames.size()))
                rig.r.markIrregular();
        });
        r.startReceive(0, 10);
        line.runToIdle();
        QCOMPARE(outcome.size(), 1);
        QCOMPARE(outcome.at(0).at(0).toString(), QStringLiteral("KO_RCV"));
        QCOMPARE(r.readPasses(), CGestReceive::MaxPasses);
    }
}

QTEST_GUILESS_MAIN(TestReadVerify)
#include "test_readverify.moc"
