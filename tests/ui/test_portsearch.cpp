// SPDX-License-Identifier: GPL-3.0-or-later
// The port search dialog on a session: serial ports on modelled lines and on
// a real pseudo-terminal, typed paths, busy ports, and the HID device.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/frmricercaporta.h"
#include "link/serialportlist.h"
#include "uicommon/cmsg.h"
#include "support/simrig.h"
#include "support/testsupport.h"

namespace {

std::shared_ptr<EcuSimulator> ecu(const EcuSimFaults &faults = EcuSimFaults())
{
    auto unit = std::make_shared<EcuSimulator>(SimUnit::unit(21, 4));
    unit->setFaults(faults);
    return unit;
}

EcuSimFaults silent()
{
    EcuSimFaults f;
    f.silent = true;
    return f;
}

// A session whose serial ports are modelled lines, one unit per path (or, on
// a SimUnit, that unit's own carrier); the dialog on top, its
// reports recorded.
struct Search {
    QMap<QString, std::shared_ptr<EcuSimulator>> units;
    QMap<QString, EcuLink::OpenError> refusing;
    std::unique_ptr<SimUnit> unit;
    QTemporaryDir locks;
    std::unique_ptr<EcuSession> session;
    std::unique_ptr<frmRicercaPorta> dialog;
    std::unique_ptr<QSignalSpy> esito;
    QList<CDevInfo> records;

    explicit Search(std::unique_ptr<SimUnit> simUnit = nullptr) : unit(std::move(simUnit))
    {
        EcuSession::Config c;
        if (unit) {
            c = unit->config;
        } else {
            c.lockDir = locks.path();
            c.makeSerialLink = [this](const QString &path) {
                auto link = std::make_unique<MockLink>(units.value(path, ecu()));
                if (refusing.contains(path))
                    link->failOpen(refusing.value(path));
                if (!units.contains(path))
                    link->failOpen(EcuLink::OpenError::Missing);
                return std::unique_ptr<EcuLink>(std::move(link));
            };
        }
        c.probeTimeoutMs = 150;
        session = std::make_unique<EcuSession>(c);
        dialog = std::make_unique<frmRicercaPorta>(nullptr, session.get());
        esito = std::make_unique<QSignalSpy>(dialog.get(), &frmRicercaPorta::sgnEsito);
        QObject::connect(dialog.get(), &frmRicercaPorta::sgnDeviceInfo, [this](CDevInfo &i) { records << i; });
    }
    QComboBox *list() { return dialog->findChild<QComboBox *>("cbPorteSeriali"); }
    QLineEdit *typed() { return dialog->findChild<QLineEdit *>("lePorta"); }
    QString status() { return dialog->findChild<QLabel *>("lblStatus")->text(); }
    // The search with these extra ports offered in the list.
    bool start(const QStringList &extra = {})
    {
        for (const QString &p : extra)
            SerialPortList::addExtraPort(p);
        dialog->startSearch();
        const bool done = waitFor([this] { return !dialog->isProbingHid(); });
        for (const QString &p : extra)
            SerialPortList::removeExtraPort(p);
        return done;
    }
    // The user picks a list entry (the same one again counts too).
    bool choose(const QString &name)
    {
        const int i = list()->findText(name);
        if (i <= 0)
            return false;
        list()->setCurrentIndex(i);
        emit list()->activated(i);
        return waitFor([this] { return !dialog->isWaitingReply(); });
    }
    bool type(const QString &path)
    {
        typed()->setText(path);
        QTest::keyClick(typed(), Qt::Key_Return);
        return waitFor([this] { return !dialog->isWaitingReply(); });
    }
    QString outcome(int i) { return esito->value(i).value(0).toString(); }
};

} // namespace

class TestPortSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CMsg::loadTextTable(); }
    void theListOffersThePortsAfterAPrompt();
    void portNameRules();
    void serialUnitFoundOrNot();
    void typedPathsAndBusyPorts();
    void theSameChoiceProbesAgainAndClosingWhileProbingIsNotFound();
    void realSerialPort();
    void hidUnitAnswersOrFallsBackToTheList();
};

void TestPortSearch::theListOffersThePortsAfterAPrompt()
{
    Search s;
    QVERIFY(s.start({"/dev/pts/99"}));
    QCOMPARE(s.list()->itemText(0), CMsg::text(CMsg::ChoosePort));
    QCOMPARE(s.list()->itemText(s.list()->count() - 1), QStringLiteral("/dev/pts/99"));
    QVERIFY(s.list()->isVisibleTo(s.dialog.get()));
    // Choosing the prompt probes nothing; a language switch empties the status.
    emit s.list()->activated(0);
    QVERIFY(!s.dialog->isWaitingReply());
    QVERIFY(s.status().isEmpty());
    s.dialog->findChild<QLabel *>("lblStatus")->setText("x");
    s.dialog->retranslate();
    QVERIFY(s.status().isEmpty());
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
#endif
    QStringList names = SerialPortList::availablePortNames();
    QCOMPARE(names.removeDuplicates(), 0);
}

void TestPortSearch::serialUnitFoundOrNot()
{
    Search s;
    s.units["/dev/ttyA"] = ecu();
    s.units["/dev/ttyB"] = ecu(silent());
    EcuSimFaults wrongKind;
    wrongKind.wrongKindEveryN = 1;
    s.units["/dev/ttyC"] = ecu(wrongKind);
    QVERIFY(s.start({"/dev/ttyA", "/dev/ttyB", "/dev/ttyC"}));

    // No answer in time, then a wrong answer: not found, the port closed.
    for (const char *port : {"/dev/ttyB", "/dev/ttyC"}) {
        QVERIFY(s.choose(port));
        QCOMPARE(s.status(), CMsg::text(CMsg::BoardNotFound));
        QVERIFY(!s.session->isLinked());
    }
    QVERIFY(s.records.isEmpty());

    // Found: the fixed serial record, the port kept, the outcome on close.
    QVERIFY(s.choose("/dev/ttyA"));
    QCOMPARE(s.status(), CMsg::text(CMsg::BoardFound));
    QVERIFY(s.session->isLinked());
    QCOMPARE(s.records.size(), 1);
    QCOMPARE(s.records[0].statusText(), QStringLiteral("Tervalix: HW10 - V1.1-R0"));
    s.dialog->findChild<QPushButton *>("btClose")->click();
    QVERIFY(!s.dialog->isVisible());
    QCOMPARE(s.esito->size(), 1);
    QCOMPARE(s.outcome(0), QStringLiteral("OK"));
    QCOMPARE(s.esito->at(0).at(1).toString(), QStringLiteral("/dev/ttyA"));

    // Escape reports like the close button.
    QVERIFY(s.start());
    QTest::keyClick(s.dialog.get(), Qt::Key_Escape);
    QCOMPARE(s.esito->size(), 2);
    QCOMPARE(s.outcome(1), QStringLiteral("KO"));
}

void TestPortSearch::typedPathsAndBusyPorts()
{
    Search s;
    s.units["/dev/pts/42"] = ecu();
    s.units["/dev/rfcomm0"] = ecu();
    s.refusing["/dev/rfcomm0"] = EcuLink::OpenError::Busy;
    QVERIFY(s.start());
    // A port the system does not list, typed in and confirmed with Enter.
    QVERIFY(s.type("/dev/pts/42"));
    QCOMPARE(s.dialog->foundPort(), QStringLiteral("/dev/pts/42"));
    QVERIFY(s.session->isLinked());
    // A busy port says so, not merely "not found"; a missing one likewise.
    QVERIFY(s.type("/dev/rfcomm0"));
    QCOMPARE(s.dialog->foundPort(), QString());
    QCOMPARE(s.status(), QStringLiteral("mock: refused"));
    QVERIFY(s.type("/dev/none"));
    QVERIFY(s.status() != CMsg::text(CMsg::BoardFound));
}

void TestPortSearch::theSameChoiceProbesAgainAndClosingWhileProbingIsNotFound()
{
    Search s;
    auto unit = ecu();
    s.units["/dev/ttyA"] = unit;
    QVERIFY(s.start({"/dev/ttyA"}));
    QVERIFY(s.choose("/dev/ttyA"));
    QCOMPARE(s.dialog->foundPort(), QStringLiteral("/dev/ttyA"));
    const int asked = unit->requestsReceived();
    // The unit falls silent; choosing the same entry again probes again.
    unit->setFaults(silent());
    QVERIFY(s.choose("/dev/ttyA"));
    QCOMPARE(unit->requestsReceived(), asked + 1);
    QCOMPARE(s.dialog->foundPort(), QString());
    // Closed while a probe waits: not found, and the probe ends.
    s.dialog->onSelezionePortaClicked("/dev/ttyA");
    QVERIFY(s.dialog->isWaitingReply());
    s.dialog->close();
    QCOMPARE(s.esito->size(), 1);
    QCOMPARE(s.outcome(0), QStringLiteral("KO"));
    QVERIFY(!s.session->isProbing());
    QVERIFY(!s.session->isLinked());
}

void TestPortSearch::realSerialPort()
{
    auto unit = SimUnit::make(SimUnit::Serial, SimUnit::unit(10, 2));
    if (!unit)
        QSKIP("no pseudo-terminal");
    Search s(std::move(unit));
    QVERIFY(s.start());
    QVERIFY(s.type(s.unit->port()));
    QCOMPARE(s.status(), CMsg::text(CMsg::BoardFound));
    QCOMPARE(s.session->portName(), s.unit->port());
}

void TestPortSearch::hidUnitAnswersOrFallsBackToTheList()
{
    // An answering unit: its own record, the list never shown.
    Search s(SimUnit::make(SimUnit::Hid, SimUnit::unit(21, 4)));
    QVERIFY(s.start());
    QCOMPARE(s.status(), CMsg::text(CMsg::BoardFound));
    QVERIFY(!s.list()->isVisibleTo(s.dialog.get()));
    QCOMPARE(s.records.size(), 1);
    QCOMPARE(s.records[0].statusText(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    s.dialog->close();
    QCOMPARE(s.outcome(0), QStringLiteral("OK"));
    QCOMPARE(s.esito->at(0).at(1).toString(), QStringLiteral("HID"));

    // A silent one: five attempts, then the list.
    Search q(SimUnit::make(SimUnit::Hid));
    q.unit->ecu->setFaults(silent());
    q.dialog->startSearch();
    QVERIFY(q.dialog->isVisible());  // shown at once, while the unit is waited for
    QVERIFY(waitFor([&] { return !q.dialog->isProbingHid(); }));
    QCOMPARE(q.unit->ecu->requestsReceived(), 5);
    QVERIFY(q.list()->isVisibleTo(q.dialog.get()));
    QVERIFY(q.records.isEmpty());
}

QTEST_MAIN(TestPortSearch)
#include "test_portsearch.moc"
