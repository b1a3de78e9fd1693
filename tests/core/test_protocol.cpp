// SPDX-License-Identifier: GPL-3.0-or-later
// The ECU's byte protocol and the grouping of arriving bytes into replies.

#include "link/protocol.h"
#include "link/replyframer.h"
#include "support/testsupport.h"

#include <QtTest>

using namespace Protocol;

class TestProtocol : public QObject {
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void hidReports();
    void pollReply();
    void classification();
    void framerGroupsRepliesInEights();
    void framerSkipsAndCountsNoise();
};

void TestProtocol::frames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("probe") << makeProbeFrame() << hex("FA 19 19 19 19 19 19 90");
    QTest::newRow("poll") << makePollFrame() << hex("FB FB 19 19 19 19 19 73");
    QTest::newRow("write 0,0") << makeWriteFrame(0, 0) << hex("FD 00 00 01 01 01 01 01");
    // Hardware 19 is the last of the 50-cell layout.
    QTest::newRow("K=3, hw 19") << makeWriteFrame(injectionKCell(19), 3) << hex("FD 03 2A 01 01 01 01 2E");
    QTest::newRow("K=3, hw 20") << makeWriteFrame(injectionKCell(20), 3) << hex("FD 03 52 01 01 01 01 56");
    QTest::newRow("-10 to cell 5, the sum wrapping") << makeWriteFrame(5, static_cast<unsigned char>(-10))
                                   << hex("FD F6 05 01 01 01 01 FC");
    QTest::newRow("read 0") << makeReadFrame(0) << hex("F4 F4 00 19 19 19 19 4C");
    QTest::newRow("read 49") << makeReadFrame(49) << hex("F4 F4 31 19 19 19 19 7D");
}

void TestProtocol::frames()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, expected);
    QCOMPARE(frame.toHex(' '), expected.toHex(' '));
}

void TestProtocol::hidReports()
{
    QCOMPARE(makeHidProbeReport(), hex("00 FA") + QByteArray(63, '\0'));
    QCOMPARE(makeHidReport(makeReadFrame(49)), QByteArray(1, '\0') + makeReadFrame(49) + QByteArray(56, '\0'));
}

void TestProtocol::pollReply()
{
    const PollData d = decodePollReply(hex("FE 00 7F 05 10 27 0C 00"));
    QCOMPARE(d.adc, uchar(127));
    QCOMPARE(d.cellValue, uchar(5));
    QCOMPARE(d.rpm, 10000);
    QCOMPARE(d.cellIndex, uchar(12));
    QCOMPARE(decodePollReply(hex("FE 00 00 00 FF FF 00 00")).rpm, 65535);
}

void TestProtocol::classification()
{
    QVERIFY(isProbeOk(hex("FA C8 00 00 00 00 00 00")));
    QVERIFY(!isProbeOk(hex("FA C7 00 00 00 00 00 00")));
    QVERIFY(!isProbeOk(hex("FA")));
    QVERIFY(!isReplyOfKind(QByteArray(), KindWrite));
    QVERIFY(isReplyOfKind(hex("FD"), KindWrite));
    QCOMPARE(int(readReplyValue(hex("F4"))), 0);
    QCOMPARE(int(readReplyValue(hex("F4 F6 00"))), 0xF6);
    // A read reply names its cell in byte 2.
    QVERIFY(isReadReplyFor(hex("F4 F6 31 00 00 00 00 00"), 49));
    QVERIFY(!isReadReplyFor(hex("F4 F6 30 00 00 00 00 00"), 49));
    QVERIFY(!isReadReplyFor(hex("FD F6 31 00 00 00 00 00"), 49));
    QVERIFY(!isReadReplyFor(hex("F4 F6"), 0));
}

void TestProtocol::framerGroupsRepliesInEights()
{
    ReplyFramer f;
    // Two replies in one read, then one split over reads.
    ReplyFramer::Result r = f.feed(hex("FD 01 02 03 04 05 06 07 F4 11 12 13 14 15 16 17 FE 00 7F"), 0);
    QCOMPARE(r.replies, (QList<QByteArray>{hex("FD 01 02 03 04 05 06 07"), hex("F4 11 12 13 14 15 16 17")}));
    QCOMPARE(f.pending(), 3);
    r = f.feed(hex("05 10 27 0C 00"), 5);
    QCOMPARE(r.replies, QList<QByteArray>{hex("FE 00 7F 05 10 27 0C 00")});
    QCOMPARE(r.skipped + r.resyncs, 0);
    // Byte by byte.
    QList<QByteArray> all;
    for (char c : hex("F4 2A 05 00 00 00 00 23"))
        all += f.feed(QByteArray(1, c), 6).replies;
    QCOMPARE(all, QList<QByteArray>{hex("F4 2A 05 00 00 00 00 23")});
}

void TestProtocol::framerSkipsAndCountsNoise()
{
    ReplyFramer f;
    // Noise between replies never begins a reply; it is skipped and counted.
    ReplyFramer::Result r = f.feed(hex("00 13 37 F4 2A 05 00 00 00 00 23 55 AA"), 0);
    QCOMPARE(r.replies, QList<QByteArray>{hex("F4 2A 05 00 00 00 00 23")});
    QCOMPARE(r.skipped, 5);
    QCOMPARE(r.resyncs, 0);
    QCOMPARE(f.pending(), 0);
    // Noise that holds a kind byte starts a partial reply; the real reply's
    // bytes arrive long after it: the stale part is dropped (a resync).
    r = f.feed(hex("11 FD 22"), 10);
    QCOMPARE(r.skipped, 1);
    QCOMPARE(f.pending(), 2);
    r = f.feed(hex("F4 07 03 00 00 00 00 FE"), 10 + ReplyFramer::StaleAfterMs + 1);
    QCOMPARE(r.resyncs, 1);
    QCOMPARE(r.replies, QList<QByteArray>{hex("F4 07 03 00 00 00 00 FE")});
    // A new request drops a partial reply and says so; an empty framer has
    // nothing to drop.
    f.feed(hex("FA C8 0A"), 200);
    QCOMPARE(f.reset(), 1);
    QCOMPARE(f.reset(), 0);
    QCOMPARE(f.pending(), 0);
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "test_protocol.moc"
