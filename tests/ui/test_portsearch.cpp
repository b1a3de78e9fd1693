// The port search dialog on a session: serial ports on modelled lines and on
// a real pseudo-terminal, typed paths, busy ports, and the HID device.

#include "dialogs/frmricercaporta.h"
#include "link/protocol.h"
#include "link/serialportlist.h"
#include "uicommon/cmsg.h"
#include "session/ecusession.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"
#include "support/mocklink.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

std::shared_ptr<EcuSimulator> ecu(unsigned char hw = 21, unsigned char cyl = 4)
{
    EcuSimConfig c;
    c.hwVersion = hw;
    c.cylinders = cyl;
    return std::make_shared<EcuSimulator>(c);
}

// A session whose serial ports are modelled lines, one unit per path, and
// (when given) a HID unit; the dialog on top, its reports recorded.
struct Search {
    QMap<QString, std::shared_ptr<EcuSimulator>> units;
    QMap<QString, EcuLink::OpenError> refusing;
    std::shared_ptr<EcuSimulator> hidUnit;
    QTemporaryDir locks;
    std::unique_ptr<EcuSession> session;
    std::unique_ptr<frmRicercaPorta> dialog;
    std::unique_ptr<QSignalSpy> esito;
    QList<CDevInfo> records;

    explicit Search(std::shared_ptr<EcuSimulator> hid = nullptr, bool realSerial = false) : hidUnit(std::move(hid))
    {
        EcuSession::Config c;
        c.lockDir = locks.path();
        c.probeTimeoutMs = 150;
        if (!realSerial)
            c.makeSerialLink = [this](const QString &path) {
                auto link = std::make_unique<MockLink>(units.value(path, ecu()));
                if (refusing.contains(path))
                    link->failOpen(refusing.value(path));
                if (!units.contains(path))
                    link->failOpen(EcuLink::OpenError::Missing);
                return std::unique_ptr<EcuLink>(std::move(link));
            };
        if (hidUnit) {
            std::shared_ptr<EcuSimulator> engine = hidUnit;
            c.openHid = [engine] { return std::make_unique<SimulatedHidDevice>(engine); };
        }
        session = std::make_unique<EcuSession>(c);
        dialog = std::make_unique<frmRicercaPorta>(nullptr, session.get());
        esito = std::make_unique<QSignalSpy>(dialog.get(), &frmRicercaPorta::sgnEsito);
        QObject::connect(dialog.get(), &frmRicercaPorta::sgnDeviceInfo, [this](CDevInfo &i) { records << i; });
    }
    QComboBox *list() { return dialog->findChild<QComboBox *>("cbPorteSeriali"); }
    QLineEdit *typed() { return dialog->findChild<QLineEdit *>("lePorta"); }
    QLabel *status() { return dialog->findChild<QLabel *>("lblStatus"); }
    bool start()
    {
        dialog->startSearch();
        return waitFor([this] { return !dialog->isProbingHid(); }, 5000);
    }
    // The user picks a list entry (the same one again counts too).
    bool choose(const QString &name)
    {
        const int i = list()->findText(name);
        if (i <= 0)
            return false;
        list()->setCurrentIndex(i);
        emit list()->activated(i);
        return waitFor([this] { return !dialog->isWaitingReply(); }, 3000);
    }
};

const QString NotFoundStyle = "background-color: rgb(255, 0, 0); color: rgb(255, 255, 0);";
const QString FoundStyle = "background-color: rgb(85, 255, 0); color: rgb(85, 0, 255);";

} // namespace

class TestPortSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void form();
    void portNameRules();
    void serialUnitFoundOrNot();
    void typedPathsAndBusyPorts();
    void onlyTheLastChoiceCountsAndTheSameOneProbesAgain();
    void closingWhileProbingReportsNotFound();
    void realSerialPort();
    void hidUnitAnswersOrFallsBackToTheList();
};

void TestPortSearch::initTestCase()
{
    CMsg::loadTextTable();
}

void TestPortSearch::form()
{
    Search s;
    frmRicercaPorta &d = *s.dialog;
    QCOMPARE(d.size(), QSize(309, 244));
    QVERIFY(d.isModal());
    QCOMPARE(d.windowModality(), Qt::WindowModal);
    QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(d.windowTitle(), QStringLiteral("tr(\"Ricerca porta di collegamento con la centralina\")"));
    QCOMPARE(d.findChild<QLabel *>("lblRicerca")->geometry(), QRect(40, 40, 221, 16));
    QCOMPARE(s.list()->geometry(), QRect(40, 60, 221, 21));
    QCOMPARE(s.status()->geometry(), QRect(40, 110, 221, 41));
    QCOMPARE(s.status()->font().pointSize(), 12);
    QCOMPARE(s.status()->font().weight(), 75);
    auto *close = d.findChild<QPushButton *>("btClose");
    QCOMPARE(close->geometry(), QRect(160, 170, 111, 31));
    QCOMPARE(close->text(), QStringLiteral("tr(\"Chiudi\")"));
    // Between the list and the status, a field for a port the system does not list.
    QCOMPARE(s.typed()->geometry(), QRect(40, 85, 221, 21));

    // The list: the prompt first, the extra ports the program offers last;
    // choosing the prompt probes nothing.
    SerialPortList::addExtraPort("/dev/pts/99");
    QVERIFY(s.start());
    SerialPortList::removeExtraPort("/dev/pts/99");
    QCOMPARE(s.list()->itemText(0), CMsg::text(CMsg::ChoosePort));
    QCOMPARE(s.list()->itemText(s.list()->count() - 1), QStringLiteral("/dev/pts/99"));
    QVERIFY(s.list()->isVisibleTo(&d));
    emit s.list()->activated(0);
    QVERIFY(!d.isWaitingReply());
    QVERIFY(s.status()->text().isEmpty());
    // A language switch empties the status.
    s.status()->setText("x");
    d.retranslate();
    QVERIFY(s.status()->text().isEmpty());
}

void TestPortSearch::portNameRules()
{
#ifndef Q_OS_WIN
    QVERIFY(SerialPortList::isPortName("/dev/ttyUSB0"));
    QVERIFY(SerialPortList::isPortName("ttyS0"));
    QVERIFY(!SerialPortList::isPortName(""));
    QVERIFY(!SerialPortList::isPortName(CMsg::text(CMsg::ChoosePort)));
    QVERIFY(!SerialPortList::isPortName("/dev/../etc/passwd"));
    // Typed: any path, a socat link included.
    QVERIFY(SerialPortList::isTypedPortName("/dev/rfcomm0"));
    QVERIFY(SerialPortList::isTypedPortName("/tmp/ttyV0"));
    QVERIFY(!SerialPortList::isTypedPortName("<Choose a port>"));
#else
    QVERIFY(SerialPortList::isPortName("COM3"));
    QVERIFY(SerialPortList::isPortName("\\\\.\\COM12"));
    QVERIFY(!SerialPortList::isPortName("ttyS0"));
#endif
    QStringList names = SerialPortList::availablePortNames();
    QCOMPARE(names.removeDuplicates(), 0);
}

void TestPortSearch::serialUnitFoundOrNot()
{
    Search s;
    s.units["/dev/ttyA"] = ecu();
    auto silent = ecu();
    EcuSimFaults f;
    f.silent = true;
    silent->setFaults(f);
    s.units["/dev/ttyB"] = silent;
    auto wrong = ecu();
    f = EcuSimFaults();
    f.wrongKindEveryN = 1;
    wrong->setFaults(f);
    s.units["/dev/ttyC"] = wrong;
    SerialPortList::addExtraPort("/dev/ttyA");
    SerialPortList::addExtraPort("/dev/ttyB");
    SerialPortList::addExtraPort("/dev/ttyC");
    s.dialog->show();
    QVERIFY(s.start());
    for (const char *p : {"/dev/ttyA", "/dev/ttyB", "/dev/ttyC"})
        SerialPortList::removeExtraPort(p);

    // No answer in time, then a wrong answer: not found, the port closed.
    QVERIFY(s.choose("/dev/ttyB"));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardNotFound));
    QCOMPARE(s.status()->styleSheet(), NotFoundStyle);
    QVERIFY(!s.session->isLinked());
    QVERIFY(s.choose("/dev/ttyC"));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardNotFound));
    QVERIFY(s.records.isEmpty());

    // Found: the fixed serial record, the port kept, the outcome on close.
    QVERIFY(s.choose("/dev/ttyA"));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardFound));
    QCOMPARE(s.status()->styleSheet(), FoundStyle);
    QVERIFY(s.list()->isEnabled());
    QVERIFY(s.session->isLinked());
    QCOMPARE(s.records.size(), 1);
    QCOMPARE(s.records[0].statusText(), QStringLiteral("Tervalix: HW10 - V1.1-R0"));
    s.dialog->findChild<QPushButton *>("btClose")->click();
    QVERIFY(!s.dialog->isVisible());
    QCOMPARE(s.esito->size(), 1);
    QCOMPARE(s.esito->at(0).at(0).toString(), QStringLiteral("OK"));
    QCOMPARE(s.esito->at(0).at(1).toString(), QStringLiteral("/dev/ttyA"));

    // Escape reports like the close button.
    QVERIFY(s.start());
    QTest::keyClick(s.dialog.get(), Qt::Key_Escape);
    QCOMPARE(s.esito->size(), 2);
    QCOMPARE(s.esito->at(1).at(0).toString(), QStringLiteral("KO"));
}

void TestPortSearch::typedPathsAndBusyPorts()
{
    Search s;
    s.units["/dev/pts/42"] = ecu();
    s.units["/dev/rfcomm0"] = ecu();
    s.refusing["/dev/rfcomm0"] = EcuLink::OpenError::Busy;
    QVERIFY(s.start());
    // A port the system does not list, typed in and confirmed with Enter.
    s.typed()->setText("/dev/pts/42");
    QTest::keyClick(s.typed(), Qt::Key_Return);
    QVERIFY(waitFor([&] { return !s.dialog->isWaitingReply(); }));
    QCOMPARE(s.dialog->foundPort(), QStringLiteral("/dev/pts/42"));
    QVERIFY(s.session->isLinked());
    // A busy port says so, not merely "not found"; a missing one likewise.
    s.typed()->setText("/dev/rfcomm0");
    QTest::keyClick(s.typed(), Qt::Key_Return);
    QVERIFY(waitFor([&] { return !s.dialog->isWaitingReply(); }));
    QCOMPARE(s.dialog->foundPort(), QString());
    QCOMPARE(s.status()->text(), QStringLiteral("mock: refused"));
    s.typed()->setText("/dev/none");
    QTest::keyClick(s.typed(), Qt::Key_Return);
    QVERIFY(waitFor([&] { return !s.dialog->isWaitingReply(); }));
    QVERIFY(s.status()->text() != CMsg::text(CMsg::BoardFound));
}

void TestPortSearch::onlyTheLastChoiceCountsAndTheSameOneProbesAgain()
{
    Search s;
    auto unit = ecu();
    s.units["/dev/ttyA"] = unit;
    SerialPortList::addExtraPort("/dev/ttyA");
    QVERIFY(s.start());
    SerialPortList::removeExtraPort("/dev/ttyA");
    QVERIFY(s.choose("/dev/ttyA"));
    QCOMPARE(s.dialog->foundPort(), QStringLiteral("/dev/ttyA"));
    const int asked = unit->requestsReceived();
    // The unit falls silent; choosing the same entry again probes again.
    EcuSimFaults f;
    f.silent = true;
    unit->setFaults(f);
    QVERIFY(s.choose("/dev/ttyA"));
    QCOMPARE(unit->requestsReceived(), asked + 1);
    QCOMPARE(s.dialog->foundPort(), QString());
    s.dialog->close();
    QCOMPARE(s.esito->at(0).at(0).toString(), QStringLiteral("KO"));
    QVERIFY(!s.session->isLinked());
}

void TestPortSearch::closingWhileProbingReportsNotFound()
{
    Search s;
    auto silent = ecu();
    EcuSimFaults f;
    f.silent = true;
    silent->setFaults(f);
    s.units["/dev/ttyB"] = silent;
    QVERIFY(s.start());
    s.dialog->onSelezionePortaClicked("/dev/ttyB");
    QVERIFY(s.dialog->isWaitingReply());
    s.dialog->close();
    QCOMPARE(s.esito->size(), 1);
    QCOMPARE(s.esito->at(0).at(0).toString(), QStringLiteral("KO"));
    QVERIFY(!s.session->isProbing());
}

void TestPortSearch::realSerialPort()
{
    PtyEcuSimulator sim(ecu());
    if (!sim.start())
        QSKIP("no pseudo-terminal");
    Search s(nullptr, true);
    QVERIFY(s.start());
    s.dialog->onSelezionePortaClicked(sim.portPath());
    QVERIFY(waitFor([&] { return !s.dialog->isWaitingReply(); }, 3000));
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardFound));
    QCOMPARE(s.session->portName(), sim.portPath());
}

void TestPortSearch::hidUnitAnswersOrFallsBackToTheList()
{
    // An answering unit: its own record, the list never shown.
    Search s(ecu(21, 4));
    QVERIFY(s.start());
    QCOMPARE(s.status()->text(), CMsg::text(CMsg::BoardFound));
    QVERIFY(!s.list()->isVisibleTo(s.dialog.get()));
    QCOMPARE(s.records.size(), 1);
    QCOMPARE(s.records[0].statusText(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    s.dialog->close();
    QCOMPARE(s.esito->at(0).at(0).toString(), QStringLiteral("OK"));
    QCOMPARE(s.esito->at(0).at(1).toString(), QStringLiteral("HID"));

    // A silent one: five attempts, then the list.
    auto silent = ecu();
    EcuSimFaults f;
    f.silent = true;
    silent->setFaults(f);
    Search q(silent);
    q.dialog->startSearch();
    QVERIFY(q.dialog->isVisible());  // shown at once, while the unit is waited for
    QVERIFY(waitFor([&] { return !q.dialog->isProbingHid(); }, 5000));
    QCOMPARE(silent->requestsReceived(), 5);
    QVERIFY(q.list()->isVisibleTo(q.dialog.get()));
    QVERIFY(q.records.isEmpty());
}

QTEST_MAIN(TestPortSearch)
#include "test_portsearch.moc"
