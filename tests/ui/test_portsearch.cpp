// The port search dialog against the simulated ECU: over a real serial port on
// a pseudo-terminal, and on the in-process HID device.

#include "link/frmricercaporta.h"
#include "link/protocol.h"
#include "link/replyassembler.h"
#include "link/serialline.h"
#include "link/serialportlist.h"
#include "mainwindow/cmsg.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The main window's part in a serial search: frames out, replies in eights.
struct SerialSearch {
    QSerialPort port;
    ReplyAssembler assembler;
    frmRicercaPorta dialog;
    QSignalSpy esito;
    QSignalSpy sent;
    QList<CDevInfo> records;

    explicit SerialSearch(HidDevice *hid = nullptr)
        : dialog(nullptr, &port, hid),
          esito(&dialog, &frmRicercaPorta::sgnEsito),
          sent(&dialog, &frmRicercaPorta::sgnSndByte)
    {
        SerialLine::configure(&port);
        QObject::connect(&dialog, &frmRicercaPorta::sgnSndByte, &port, [this](const QByteArray &f) {
            assembler.reset();
            port.write(f);
        });
        QObject::connect(&port, &QSerialPort::readyRead, &port, [this] {
            for (const QByteArray &reply : assembler.feed(port.readAll()))
                dialog.checkProbeReply(reply);
        });
        QObject::connect(&dialog, &frmRicercaPorta::sgnDeviceInfo, &port,
                         [this](CDevInfo &info) { records.append(info); });
    }

    QComboBox *list() { return dialog.findChild<QComboBox *>("cbPorteSeriali"); }
    QLabel *status() { return dialog.findChild<QLabel *>("lblStatus"); }
    void choose(const QString &name)
    {
        const int i = list()->findText(name);
        QVERIFY2(i > 0, qPrintable(name));
        list()->setCurrentIndex(i);
    }
    bool settled() { return !dialog.isWaitingReply(); }
};

std::shared_ptr<EcuSimulator> ecu(unsigned char hw = 21, unsigned char cyl = 4)
{
    EcuSimConfig c;
    c.hwVersion = hw;
    c.cylinders = cyl;
    return std::make_shared<EcuSimulator>(c);
}

const QString NotFoundStyle = "background-color: rgb(255, 0, 0); color: rgb(255, 255, 0);";
const QString FoundStyle = "background-color: rgb(85, 255, 0); color: rgb(85, 0, 255);";

} // namespace

class TestPortSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void form();
    void listBeginsWithThePromptAndOffersTheSimulator();
    void portNameRules();
    void serialDeviceFound();
    void notFoundByTimeout();
    void wrongReplyEndsTheProbeAtOnce();
    void lateReplyAfterTimeoutIsIgnored();
    void onlyTheLastChoiceCounts();
    void closingWhileProbingReportsNotFound();
    void escapeReportsLikeTheCloseButton();
    void retranslateEmptiesTheStatus();
    void hidDeviceAnswers();
    void silentHidDeviceCostsFiveBoundedAttempts();
    void vanishedHidDeviceFallsBackToTheList();
};

void TestPortSearch::initTestCase()
{
    CMsg::loadTextTable();
}

void TestPortSearch::form()
{
    QSerialPort port;
    frmRicercaPorta d(nullptr, &port, nullptr);
    QCOMPARE(d.size(), QSize(309, 244));
    QVERIFY(d.isModal());
    QCOMPARE(d.windowModality(), Qt::WindowModal);
    QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(d.windowTitle(), QStringLiteral("tr(\"Ricerca porta di collegamento con la centralina\")"));
    QCOMPARE(d.findChild<QLabel *>("lblRicerca")->geometry(), QRect(40, 40, 221, 16));
    QCOMPARE(d.findChild<QComboBox *>("cbPorteSeriali")->geometry(), QRect(40, 60, 221, 21));
    auto *status = d.findChild<QLabel *>("lblStatus");
    QCOMPARE(status->geometry(), QRect(40, 110, 221, 41));
    QCOMPARE(status->font().pointSize(), 12);
    QCOMPARE(status->font().weight(), 75);
    auto *close = d.findChild<QPushButton *>("btClose");
    QCOMPARE(close->geometry(), QRect(160, 170, 111, 31));
    QCOMPARE(close->text(), QStringLiteral("tr(\"Chiudi\")"));
}

void TestPortSearch::listBeginsWithThePromptAndOffersTheSimulator()
{
    PtyEcuSimulator sim(ecu());
    QVERIFY(sim.start());
    SerialSearch s;
    s.dialog.startSearch();
    QVERIFY(s.list()->count() >= 2);
    QCOMPARE(s.list()->itemText(0), CMsg::text(CMsg::ChoosePort));
    QVERIFY(s.list()->findText(sim.portPath()) > 0);
    QVERIFY(s.list()->isVisibleTo(&s.dialog));
    // Choosing the prompt probes nothing.
    s.choose(sim.portPath());
    QVERIFY(waitFor([&] { return s.settled(); }));
    s.list()->setCurrentIndex(0);
    QCOMPARE(s.sent.size(), 1);
    QVERIFY(s.status()->text().isEmpty());
    QVERIFY(s.status()->styleSheet().isEmpty());
    QVERIFY(s.dialog.foundPort().isEmpty());
}

void TestPortSearch::portNameRules()
{
#ifndef Q_OS_WIN
    QVERIFY(SerialPortList::isPortName("/dev/ttyUSB0"));
    QVERIFY(SerialPortList::isPortName("/dev/pts/7"));
    QVERIFY(SerialPortList::isPortName("ttyS0"));
    QVERIFY(!SerialPortList::isPortName(""));
    QVERIFY(!SerialPortList::isPortName(CMsg::text(CMsg::ChoosePort)));
    QVERIFY(!SerialPortList::isPortName("<Choose a port>"));
    QVERIFY(!SerialPortList::isPortName("/dev/../etc/passwd"));
#else
    QVERIFY(SerialPortList::isPortName("COM3"));
    QVERIFY(SerialPortList::isPortName("\\\\.\\COM12"));
    QVERIFY(!SerialPortList::isPortName("ttyS0"));
#endif
    QStringList names = SerialPortList::availablePortNames();
    QCOMPARE(names.removeDuplicates(), 0);
    for (const QString &n : names)
        QVERIFY(SerialPortList::isPortName(n));
}

void TestPortSearch::serialDeviceFound()
{
    PtyEcuSimulator sim(ecu());
    QVERIFY(sim.start());
    SerialSearch s;
    s.dialog.show();
    s.dialog.startSearch();
    s.choose(sim.portPath());
    QVERIFY(s.dialog.isWaitingReply());
    QVERIFY(!s.list()->isEnabled());
    QCOMPARE(s.sent.size(), 1);
    QCOMPARE(s.sent[0][0].toByteArray(), Protocol::makeProbeFrame());
    QVERIFY(waitFor([&] { return s.settled(); }, 2000));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardFound));
    QCOMPARE(s.status()->styleSheet(), FoundStyle);
    QVERIFY(s.list()->isEnabled());
    QVERIFY(s.port.isOpen());
    // A serial device always yields the fixed record.
    QCOMPARE(s.records.size(), 1);
    QCOMPARE(s.records[0].statusText(), QStringLiteral("Tervalix: HW10 - V1.1-R0"));
    s.dialog.findChild<QPushButton *>("btClose")->click();
    QVERIFY(!s.dialog.isVisible());
    QCOMPARE(s.esito.size(), 1);
    QCOMPARE(s.esito[0][0].toString(), QStringLiteral("OK"));
    QCOMPARE(s.esito[0][1].toString(), sim.portPath());
}

void TestPortSearch::notFoundByTimeout()
{
    PtyEcuSimulator sim(ecu());
    EcuSimFaults f;
    f.silent = true;
    sim.ecu()->setFaults(f);
    QVERIFY(sim.start());
    SerialSearch s;
    s.dialog.startSearch();
    QElapsedTimer t;
    t.start();
    s.choose(sim.portPath());
    QVERIFY(waitFor([&] { return s.settled(); }, 2000));
    const qint64 took = t.elapsed();
    QVERIFY2(took >= 480 && took < 900, qPrintable(QString::number(took)));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardNotFound));
    QCOMPARE(s.status()->styleSheet(), NotFoundStyle);
    QVERIFY(!s.port.isOpen());
    QVERIFY(s.records.isEmpty());
    s.dialog.close();
    QCOMPARE(s.esito.size(), 1);
    QCOMPARE(s.esito[0][0].toString(), QStringLiteral("KO"));
    QCOMPARE(s.esito[0][1].toString(), QString());
}

void TestPortSearch::wrongReplyEndsTheProbeAtOnce()
{
    PtyEcuSimulator sim(ecu());
    EcuSimFaults f;
    f.wrongKindEveryN = 1;
    sim.ecu()->setFaults(f);
    QVERIFY(sim.start());
    SerialSearch s;
    s.dialog.startSearch();
    QElapsedTimer t;
    t.start();
    s.choose(sim.portPath());
    QVERIFY(waitFor([&] { return s.settled(); }, 2000));
    QVERIFY2(t.elapsed() < 300, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardNotFound));
    QVERIFY(!s.port.isOpen());
    QVERIFY(s.records.isEmpty());
}

void TestPortSearch::lateReplyAfterTimeoutIsIgnored()
{
    PtyEcuSimulator sim(ecu());
    EcuSimFaults f;
    f.replyDelayMs = 650;
    sim.ecu()->setFaults(f);
    QVERIFY(sim.start());
    SerialSearch s;
    s.dialog.startSearch();
    s.choose(sim.portPath());
    QVERIFY(waitFor([&] { return s.settled(); }, 2000));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardNotFound));
    QTest::qWait(400);  // the answer leaves the unit meanwhile
    QVERIFY(sim.bytesSent() >= 8);
    // Even if it reached the dialog, it would not count.
    QByteArray late = Protocol::makeProbeFrame();
    late[1] = char(Protocol::ProbeOk);
    s.dialog.checkProbeReply(late);
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardNotFound));
    QVERIFY(s.records.isEmpty());
    s.dialog.close();
    QCOMPARE(s.esito[0][0].toString(), QStringLiteral("KO"));
}

void TestPortSearch::onlyTheLastChoiceCounts()
{
    PtyEcuSimulator answering(ecu());
    PtyEcuSimulator silent(ecu());
    EcuSimFaults f;
    f.silent = true;
    silent.ecu()->setFaults(f);
    QVERIFY(answering.start());
    QVERIFY(silent.start());
    SerialSearch s;
    s.dialog.startSearch();
    s.choose(answering.portPath());
    QVERIFY(waitFor([&] { return s.settled(); }, 2000));
    QCOMPARE(s.dialog.foundPort(), answering.portPath());
    s.choose(silent.portPath());
    QVERIFY(waitFor([&] { return s.settled(); }, 2000));
    QCOMPARE(silent.ecu()->requestsReceived(), 1);
    QCOMPARE(answering.ecu()->requestsReceived(), 1);
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardNotFound));
    s.dialog.close();
    QCOMPARE(s.esito.size(), 1);
    QCOMPARE(s.esito[0][0].toString(), QStringLiteral("KO"));
    QCOMPARE(s.esito[0][1].toString(), QString());
}

void TestPortSearch::closingWhileProbingReportsNotFound()
{
    PtyEcuSimulator sim(ecu());
    EcuSimFaults f;
    f.replyDelayMs = 300;
    sim.ecu()->setFaults(f);
    QVERIFY(sim.start());
    SerialSearch s;
    s.dialog.show();
    s.dialog.startSearch();
    s.choose(sim.portPath());
    QVERIFY(s.dialog.isWaitingReply());
    s.dialog.close();  // the window's own close button stays available
    QCOMPARE(s.esito.size(), 1);
    QCOMPARE(s.esito[0][0].toString(), QStringLiteral("KO"));
    QVERIFY(!s.port.isOpen());
    QTest::qWait(600);  // neither the answer nor the timer change anything now
    QCOMPARE(s.esito.size(), 1);
    QVERIFY(s.records.isEmpty());
}

void TestPortSearch::escapeReportsLikeTheCloseButton()
{
    PtyEcuSimulator sim(ecu());
    QVERIFY(sim.start());
    SerialSearch s;
    s.dialog.show();
    s.dialog.startSearch();
    s.choose(sim.portPath());
    QVERIFY(waitFor([&] { return s.settled(); }, 2000));
    QTest::keyClick(&s.dialog, Qt::Key_Escape);
    QVERIFY(!s.dialog.isVisible());
    QCOMPARE(s.esito.size(), 1);
    QCOMPARE(s.esito[0][0].toString(), QStringLiteral("OK"));
    QCOMPARE(s.esito[0][1].toString(), sim.portPath());
    s.dialog.close();  // a later close reports nothing more
    QCOMPARE(s.esito.size(), 1);
}

void TestPortSearch::retranslateEmptiesTheStatus()
{
    SerialSearch s;
    s.dialog.startSearch();
    s.dialog.checkProbeReply(QByteArray(8, '\0'));  // not waiting: ignored
    QVERIFY(s.status()->text().isEmpty());
    s.dialog.onTimeout();
    QVERIFY(s.status()->text().isEmpty());
    s.status()->setText("x");
    s.dialog.retranslate();
    QVERIFY(s.status()->text().isEmpty());
}

void TestPortSearch::hidDeviceAnswers()
{
    SimulatedHidDevice hid(ecu(21, 4));
    SerialSearch s(&hid);
    bool shownBeforeRecord = false;
    QObject::connect(&s.dialog, &frmRicercaPorta::sgnDeviceInfo, &s.port,
                     [&](CDevInfo &) { shownBeforeRecord = s.dialog.isVisible(); });
    s.dialog.startSearch();
    QCOMPARE(s.records.size(), 1);
    QVERIFY(!shownBeforeRecord);
    QCOMPARE(s.records[0].statusText(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    QCOMPARE(hid.writeCount(), 1);
    s.dialog.show();
    QVERIFY(!s.list()->isVisible());
    QVERIFY(!s.dialog.findChild<QLabel *>("lblRicerca")->isVisible());
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardFound));
    QCOMPARE(s.status()->styleSheet(), FoundStyle);
    s.dialog.close();
    QCOMPARE(s.esito.size(), 1);
    QCOMPARE(s.esito[0][0].toString(), QStringLiteral("OK"));
    QCOMPARE(s.esito[0][1].toString(), QStringLiteral("HID"));
}

void TestPortSearch::silentHidDeviceCostsFiveBoundedAttempts()
{
    SimulatedHidDevice hid(ecu());
    EcuSimFaults f;
    f.replyDelayMs = 5000;  // answers only long after every wait ended
    hid.ecu()->setFaults(f);
    SerialSearch s(&hid);
    QElapsedTimer t;
    t.start();
    s.dialog.startSearch();
    const qint64 took = t.elapsed();
    QCOMPARE(hid.writeCount(), 5);
    QVERIFY2(took >= 450 && took < 1000, qPrintable(QString::number(took)));
    QVERIFY(s.records.isEmpty());
    s.dialog.show();
    QVERIFY(s.list()->isVisible());
    QCOMPARE(s.list()->itemText(0), CMsg::text(CMsg::ChoosePort));
}

void TestPortSearch::vanishedHidDeviceFallsBackToTheList()
{
    SimulatedHidDevice hid(ecu());
    EcuSimFaults f;
    f.gone = true;
    hid.ecu()->setFaults(f);
    SerialSearch s(&hid);
    QElapsedTimer t;
    t.start();
    s.dialog.startSearch();
    QVERIFY(t.elapsed() < 200);
    QVERIFY(s.records.isEmpty());
    s.dialog.show();
    QVERIFY(s.list()->isVisible());
}

QTEST_MAIN(TestPortSearch)
#include "test_portsearch.moc"
