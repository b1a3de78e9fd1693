// The ECU's byte protocol and the grouping of arriving bytes into replies.

#include "link/protocol.h"
#include "link/replyassembler.h"

#include <QtTest>

using namespace Protocol;

static QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

class TestProtocol : public QObject {
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void benchSequence();
    void checksum();
    void hidReports();
    void pollReply();
    void classification();
    void twoRepliesInOneRead();
    void twelveBytesLeaveFourPending();
    void resetDropsABrokenReply();
    void bytesArrivingOneByOne();
};

void TestProtocol::frames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("probe") << makeProbeFrame() << hex("FA 19 19 19 19 19 19 90");
    QTest::newRow("poll") << makePollFrame() << hex("FB FB 19 19 19 19 19 73");
    QTest::newRow("write 0,0") << makeWriteFrame(0, 0) << hex("FD 00 00 01 01 01 01 01");
    QTest::newRow("K=3, 50 cells") << makeWriteFrame(injectionKCell(10), 3) << hex("FD 03 2A 01 01 01 01 2E");
    QTest::newRow("K=3, 90 cells") << makeWriteFrame(injectionKCell(21), 3) << hex("FD 03 52 01 01 01 01 56");
    QTest::newRow("-10 to cell 5") << makeWriteFrame(5, static_cast<unsigned char>(-10))
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

void TestProtocol::benchSequence()
{
    const unsigned char hw = 10;
    const QByteArray seq = makeWriteFrame(benchParamCell(hw), 2) + makeWriteFrame(injectionKCell(hw), 1)
        + makeWriteFrame(benchFlagCell(hw), 1);
    QCOMPARE(seq.toHex(' '),
             hex("FD 02 29 01 01 01 01 2C FD 01 2A 01 01 01 01 2C FD 01 31 01 01 01 01 33").toHex(' '));
    QCOMPARE(int(benchFlagCell(19)), 49);
    QCOMPARE(int(benchFlagCell(20)), 89);
    QCOMPARE(cellsRead(19), 50);
    QCOMPARE(cellsRead(20), 90);
}

void TestProtocol::checksum()
{
    QCOMPARE(int(frameChecksum(QByteArray())), 0);
    // Plain 8-bit sum, wrapping: FF + FF + 03 = 0x201 -> 0x01.
    QCOMPARE(int(frameChecksum(hex("FF FF 03"))), 0x01);
}

void TestProtocol::hidReports()
{
    const QByteArray probe = makeHidProbeReport();
    QCOMPARE(probe.size(), 65);
    QCOMPARE(probe.left(2), hex("00 FA"));
    QCOMPARE(probe.mid(2), QByteArray(63, '\0'));

    const QByteArray report = makeHidReport(makeReadFrame(49));
    QCOMPARE(report.size(), 65);
    QCOMPARE(int(uchar(report[0])), 0);
    QCOMPARE(report.mid(1, 8), makeReadFrame(49));
    QCOMPARE(report.mid(9), QByteArray(56, '\0'));
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
}

void TestProtocol::twoRepliesInOneRead()
{
    ReplyAssembler a;
    const QList<QByteArray> replies = a.feed(hex("FD 01 02 03 04 05 06 07 F4 11 12 13 14 15 16 17"));
    QCOMPARE(replies.size(), 2);
    QCOMPARE(replies[0], hex("FD 01 02 03 04 05 06 07"));
    QCOMPARE(replies[1], hex("F4 11 12 13 14 15 16 17"));
    QCOMPARE(a.pending(), 0);
}

void TestProtocol::twelveBytesLeaveFourPending()
{
    ReplyAssembler a;
    QList<QByteArray> replies = a.feed(hex("FE 00 7F 05 10 27 0C 00 FD 01 02 03"));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(a.pending(), 4);
    replies = a.feed(hex("04 05 06 07"));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies[0], hex("FD 01 02 03 04 05 06 07"));
}

void TestProtocol::resetDropsABrokenReply()
{
    ReplyAssembler a;
    QVERIFY(a.feed(hex("FA C8 0A")).isEmpty());  // the rest of this reply never comes
    a.reset();                                     // a new request goes out
    const QList<QByteArray> replies = a.feed(hex("FD 01 02 03 04 05 06 07"));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies[0], hex("FD 01 02 03 04 05 06 07"));
}

void TestProtocol::bytesArrivingOneByOne()
{
    ReplyAssembler a;
    const QByteArray reply = hex("F4 2A 05 00 00 00 00 23");
    QList<QByteArray> all;
    for (char c : reply)
        all += a.feed(QByteArray(1, c));
    QCOMPARE(all.size(), 1);
    QCOMPARE(all[0], reply);
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "test_protocol.moc"
