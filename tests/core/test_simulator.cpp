// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated ECU: its answers, memory layouts, live engine data and fault
// switches, and both carriers (in-process HID and a real serial port on a
// pseudo-terminal).

#include "link/protocol.h"
#include "sim/ecusimulator.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"
#include "support/simrig.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace Protocol;

// Reads from the serial port until `count` bytes came or `ms` passed.
static QByteArray readBytes(QSerialPort &port, int count, int ms)
{
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (got.size() < count && t.elapsed() < ms) {
        if (port.bytesAvailable() > 0 || port.waitForReadyRead(10))
            got += port.readAll();
    }
    return got;
}

class TestSimulator : public QObject {
    Q_OBJECT
private slots:
    void probeReplyCarriesTheDeviceInformation();
    void writeStoresAndReadAnswers();
    void layoutFollowsTheHardwareVersion();
    void pollReplyMatchesTheRunningEngine();
    void engineSpeedMovesSmoothlyThroughTheRange();
    void faultModes();
    void cellMemoryIsThreadSafe();

    void hidDevice();

    void ptyAnswersARealSerialPort();
};

void TestSimulator::probeReplyCarriesTheDeviceInformation()
{
    const EcuResponse r = EcuSimulator().handleFrame(makeProbeFrame());
    QCOMPARE(r.bytes, hex("FA C8 15 04 32 30 33") + char(frameChecksum(hex("FA C8 15 04 32 30 33"))));
    QCOMPARE(r.delayMs, 0);
    // The search's own HID report: input report data, no report number.
    const QByteArray report = EcuSimulator(SimUnit::unit(11, 0)).handleHidReport(makeHidProbeReport()).bytes;
    QCOMPARE(report.size(), 64);
    QCOMPARE(report.left(7), hex("FA C8 0B 00 32 30 33"));
}

void TestSimulator::writeStoresAndReadAnswers()
{
    EcuSimulator ecu;
    EcuResponse r = ecu.handleFrame(makeWriteFrame(5, uchar(-10)));
    QCOMPARE(r.bytes.size(), 8);
    QCOMPARE(uchar(r.bytes[0]), uchar(KindWrite));
    QCOMPARE(ecu.cell(5), uchar(0xF6));
    r = ecu.handleFrame(makeReadFrame(5));
    QVERIFY(isReadReplyFor(r.bytes, 5));
    QCOMPARE(readReplyValue(r.bytes), uchar(0xF6));
    // A frame carried in a HID report answers the same way.
    r = ecu.handleHidReport(makeHidReport(makeReadFrame(5)));
    QCOMPARE(r.bytes.size(), 64);
    QCOMPARE(r.bytes.left(3), hex("F4 F6 05"));
    // Anything else, or a short frame, is not answered, but counted.
    QVERIFY(ecu.handleFrame(hex("00 01 02 03 04 05 06 07")).bytes.isEmpty());
    QVERIFY(ecu.handleFrame(makeProbeFrame().left(7)).bytes.isEmpty());
    QCOMPARE(ecu.requestsReceived(), 5);
}

void TestSimulator::layoutFollowsTheHardwareVersion()
{
    EcuSimulator small(SimUnit::unit(19, 0));
    EcuSimulator large(SimUnit::unit(20, 2));
    QCOMPARE(small.cellCount(), 50);
    QCOMPARE(large.cellCount(), 90);
    // Both bench sequences leave K = 1 and the bench parameter 2 at their cells.
    QCOMPARE(small.cell(42), uchar(1));
    QCOMPARE(small.cell(41), uchar(2));
    QCOMPARE(large.cell(82), uchar(1));
    QCOMPARE(large.cell(81), uchar(2));
    // Beyond the memory a write is acknowledged but stores nothing.
    const EcuResponse r = small.handleFrame(makeWriteFrame(89, 1));
    QCOMPARE(uchar(r.bytes[0]), uchar(KindWrite));
    QCOMPARE(small.cells().size(), 50);
    QCOMPARE(readReplyValue(small.handleFrame(makeReadFrame(89)).bytes), uchar(0));
    large.handleFrame(makeWriteFrame(89, 1));
    QCOMPARE(large.cell(89), uchar(1));
}

void TestSimulator::pollReplyMatchesTheRunningEngine()
{
    EcuSimulator ecu;
    for (int i = 0; i <= 40; ++i)
        ecu.setCell(i, uchar(100 + i));
    qint64 now = 0;
    ecu.setClock([&now] { return now; });
    for (now = 0; now < 20000; now += 1700) {
        const QByteArray reply = ecu.handleFrame(makePollFrame()).bytes;
        QCOMPARE(uchar(reply[0]), uchar(KindPollReply));
        const PollData d = decodePollReply(reply);
        const EcuLiveValues live = EcuSimulator::liveValuesAt(now, 4);
        QCOMPARE(d.rpm, live.rpm);
        QCOMPARE(d.adc, live.adc);
        QCOMPARE(d.cellIndex, live.cellIndex);
        QCOMPARE(int(d.cellValue), 100 + d.cellIndex);
        QVERIFY(qAbs(d.cellIndex - d.rpm * 40.0 / 17000) <= 0.5);
    }
}

void TestSimulator::engineSpeedMovesSmoothlyThroughTheRange()
{
    for (unsigned char cyl : {uchar(2), uchar(4)}) {
        const int top = EcuSimulator::topRpm(cyl);
        int lo = 1 << 30, hi = 0;
        int previous = EcuSimulator::liveValuesAt(0, cyl).rpm;
        for (qint64 ms = 10; ms <= 32000; ms += 10) {
            const EcuLiveValues v = EcuSimulator::liveValuesAt(ms, cyl);
            QVERIFY2(qAbs(v.rpm - previous) < 60, "speed jumps");
            QVERIFY(v.cellIndex <= 40);
            QVERIFY(v.adc > 0);
            previous = v.rpm;
            lo = qMin(lo, v.rpm);
            hi = qMax(hi, v.rpm);
        }
        QVERIFY(lo < 1500);
        QVERIFY(hi > top * 9 / 10);
        QVERIFY(hi <= top);
    }
}

void TestSimulator::faultModes()
{
    // Which replies are lost: 'x'.
    const auto drops = [](const EcuSimFaults &f, int n, quint32 seed = 1) {
        EcuSimConfig c;
        c.seed = seed;
        EcuSimulator ecu(c);
        ecu.setFaults(f);
        QString p;
        for (int i = 0; i < n; ++i)
            p += ecu.handleFrame(makePollFrame()).bytes.isEmpty() ? 'x' : 'o';
        return p;
    };
    EcuSimFaults f;
    f.dropEveryN = 3;
    QCOMPARE(drops(f, 9), QStringLiteral("ooxooxoox"));
    // Random drops follow the seed.
    f = EcuSimFaults();
    f.dropRate = 0.25;
    const QString a = drops(f, 400, 7);
    QCOMPARE(drops(f, 400, 7), a);
    QVERIFY(drops(f, 400, 8) != a);
    QVERIFY2(a.count('x') > 60 && a.count('x') < 140, qPrintable(QString::number(a.count('x'))));

    EcuSimulator ecu;
    f = EcuSimFaults();
    f.garbageBytes = 3;
    f.garbageEveryN = 2;
    ecu.setFaults(f);
    QCOMPARE(ecu.handleFrame(makeReadFrame(0)).bytes.size(), 8);
    const QByteArray shifted = ecu.handleFrame(makeReadFrame(0)).bytes;
    QCOMPARE(shifted.size(), 11);
    QCOMPARE(uchar(shifted[3]), uchar(KindRead));

    f = EcuSimFaults();
    f.wrongKindEveryN = 1;
    ecu.setFaults(f);
    QVERIFY(!isProbeOk(ecu.handleFrame(makeProbeFrame()).bytes));
    QVERIFY(!isReplyOfKind(ecu.handleFrame(makeWriteFrame(1, 1)).bytes, KindWrite));
    QVERIFY(!isReplyOfKind(ecu.handleFrame(makePollFrame()).bytes, KindPollReply));

    f = EcuSimFaults();
    f.replyDelayMs = 250;
    ecu.setFaults(f);
    QCOMPARE(ecu.handleFrame(makePollFrame()).delayMs, 250);

    f = EcuSimFaults();
    f.silent = true;
    ecu.setFaults(f);
    QVERIFY(ecu.handleFrame(makeProbeFrame()).bytes.isEmpty());
    // A silent unit still takes writes in.
    ecu.handleFrame(makeWriteFrame(3, 9));
    QCOMPARE(ecu.cell(3), uchar(9));
}

void TestSimulator::cellMemoryIsThreadSafe()
{
    auto ecu = std::make_shared<EcuSimulator>();
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        int i = 0;
        while (!stop.load()) {
            ecu->setCell(i % 90, uchar(i));
            ++i;
        }
    });
    int answered = 0;
    for (int i = 0; i < 20000; ++i)
        answered += ecu->handleFrame(i % 2 ? makePollFrame() : makeReadFrame(uchar(i % 90))).bytes.size() == 8;
    stop = true;
    writer.join();
    QCOMPARE(answered, 20000);
    QCOMPARE(ecu->cells().size(), 90);
}

void TestSimulator::hidDevice()
{
    SimulatedHidDevice dev(std::make_shared<EcuSimulator>());
    const QByteArray report = makeHidReport(makeWriteFrame(7, 33));
    QCOMPARE(dev.write(reinterpret_cast<const uchar *>(report.constData()), 65), 65);
    uchar buf[65] = {};
    QCOMPARE(dev.read(buf, 65, 100), 64);
    QCOMPARE(buf[0], uchar(KindWrite));
    QCOMPARE(dev.ecu()->cell(7), uchar(33));
    QCOMPARE(dev.read(buf, 65, 50), 0);  // nothing more to read

    // A late answer stays queued, as on a real device, until it is read.
    EcuSimFaults f;
    f.replyDelayMs = 150;
    dev.ecu()->setFaults(f);
    const QByteArray probe = makeHidProbeReport();
    dev.write(reinterpret_cast<const uchar *>(probe.constData()), 65);
    QCOMPARE(dev.read(buf, 65, 50), 0);  // too late for this wait
    QCOMPARE(dev.pendingReports(), 1);
    QTest::qSleep(120);
    QCOMPARE(dev.read(buf, 65, 0), 64);  // the stale reply is still there
    QCOMPARE(buf[0], uchar(KindProbe));
    QCOMPARE(dev.read(buf, 65, 0), 0);

    // A device that disappears fails both ways.
    f.gone = true;
    dev.ecu()->setFaults(f);
    QCOMPARE(dev.write(reinterpret_cast<const uchar *>(report.constData()), 65), -1);
    QCOMPARE(dev.read(buf, 65, 10), -1);
}

void TestSimulator::ptyAnswersARealSerialPort()
{
    PtyEcuSimulator sim(std::make_shared<EcuSimulator>());
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QVERIFY(sim.portPath().startsWith("/dev/"));
    QSerialPort port;
    port.setPortName(sim.portPath());
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    port.write(makeProbeFrame());
    QByteArray reply = readBytes(port, 8, 1000);
    QCOMPARE(reply.size(), 8);
    QCOMPARE(reply.left(7), hex("FA C8 15 04 32 30 33"));

    // Whole curves over it, and a unit that goes away under an open port,
    // are the session suite's.
    port.write(makeWriteFrame(40, 120));
    QCOMPARE(readBytes(port, 8, 1000).left(1), hex("FD"));
    port.write(makeReadFrame(40));
    QCOMPARE(readReplyValue(readBytes(port, 8, 1000)), uchar(120));

    // A frame whose bytes stop coming is dropped by the unit; the next
    // whole one is answered.
    port.write(makePollFrame().left(5));
    port.waitForBytesWritten(100);
    QVERIFY(readBytes(port, 1, PtyEcuSimulator::FrameGapMs + 100).isEmpty());
    port.write(makeProbeFrame());
    reply = readBytes(port, 8, 1000);
    QCOMPARE(reply.size(), 8);
    QCOMPARE(reply.left(2), hex("FA C8"));
    port.close();
    sim.stop();
    QVERIFY(!sim.isRunning());
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "test_simulator.moc"
