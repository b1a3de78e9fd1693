// The main window's side of the ECU link, with a real window and the
// simulated ECU: device identification, connect and disconnect, the
// transport's reply grouping, the HID channel and a pulled cable.

#include "link/cdevinfo.h"
#include "link/frmricercaporta.h"
#include "link/hidlink.h"
#include "link/protocol.h"
#include "link/serialline.h"
#include "link/serialportlist.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

#include <QAction>
#include <QComboBox>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>
#include <qwt_plot_curve.h>

#include <ctime>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

using A = TervalixTestAccess;

namespace {

// Environment of one window: the simulator variables are read by its constructor.
struct SimEnv {
    explicit SimEnv(const char *mode, const char *hw = "21", const char *cyl = "4", const char *fw = "203")
    {
        qputenv("TERVALIX_SIMULATOR", mode);
        qputenv("TERVALIX_SIM_HW", hw);
        qputenv("TERVALIX_SIM_CYL", cyl);
        qputenv("TERVALIX_SIM_FW", fw);
    }
    ~SimEnv()
    {
        for (const char *v : {"TERVALIX_SIMULATOR", "TERVALIX_SIM_HW", "TERVALIX_SIM_CYL", "TERVALIX_SIM_FW"})
            qunsetenv(v);
    }
};

CDevInfo record(uchar hw, uchar cyl, const char *fw)
{
    const uchar bytes[5] = {hw, cyl, uchar(fw[0]), uchar(fw[1]), uchar(fw[2])};
    return CDevInfo::fromBytes(bytes);
}

bool transferIdle(frmProgPannel *w) { return A::ui(*w)->btRicercaPorta->isEnabled(); }

double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

} // namespace

class TestLink : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deviceTexts();
    void valueRanges();
    void deviceWithFourCylindersLocksTheEngineType();
    void deviceWithoutCylindersChangesOnlyTheRange();
    void disconnectResetsControlsAndCurve();
    void failedTransferDisconnectKeepsTheCurve();
    void prefixStrippedForDisplayOnly();
    void searchWithoutDevice();
    void linkButtonToggles();
    void serialRepliesAreGroupedInEights();
    void hidLateAnswerIsDrainedBeforeTheNextRequest();
    void hidUnansweredFrameCostsOneBoundedWait();
    void hidSearchConnectsReadsAndMonitors();
    void serialSearchReadsTheProfile();
    void pulledCableEndsWithoutBusyLoop();

private:
    frmProgPannel *makeWindow();
    ScopedTestSettings settings;
    std::shared_ptr<PromptLog> prompts;
    frmProgPannel *window = nullptr;
};

void TestLink::initTestCase()
{
    qRegisterMetaType<QSerialPort::SerialPortError>();
}

void TestLink::init()
{
    settings.clear();
    prompts = std::make_shared<PromptLog>();
}

void TestLink::cleanup()
{
    delete window;
    window = nullptr;
}

frmProgPannel *TestLink::makeWindow()
{
    window = new frmProgPannel();
    window->setUserPrompts(new ScriptedPrompts(prompts));
    return window;
}

void TestLink::deviceTexts()
{
    QCOMPARE(CDevInfo::serialDefault().statusText(), QStringLiteral("Tervalix: HW10 - V1.1-R0"));
    QCOMPARE(record(21, 4, "203").statusText(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    QCOMPARE(record(11, 3, "1A0").statusText(), QStringLiteral("Tervalix: HW11 - CYL3 - V1.A-R0"));
    QCOMPARE(record(255, 0, "%1%").statusText(), QStringLiteral("Tervalix: HW255 - V%.1-R%"));
}

void TestLink::valueRanges()
{
    for (int hw : {0, 10}) {
        const CurveLimits l = CurveLimits::forHardware(uchar(hw));
        QCOMPARE(l.valueMin, -10.0f);
        QCOMPARE(l.valueMax, 25.0f);
        QCOMPARE(l.valueStep, 5);
        QCOMPARE(l.keyStep, 10);
    }
    for (int hw : {11, 21, 255}) {
        const CurveLimits l = CurveLimits::forHardware(uchar(hw));
        QCOMPARE(l.valueMin, -20.0f);
        QCOMPARE(l.valueMax, 50.0f);
        QCOMPARE(l.valueStep, 10);
        QCOMPARE(l.keyStep, 5);
    }
}

void TestLink::deviceWithFourCylindersLocksTheEngineType()
{
    frmProgPannel *w = makeWindow();
    QCOMPARE(A::maxRpm(*w), 12000.0);
    CDevInfo info = record(21, 4, "203");
    w->onGetDeviceInfo(info);
    QCOMPARE(A::deviceLabel(*w)->text(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    QCOMPARE(A::deviceLabel(*w)->frameStyle(), 49);
    QCOMPARE(A::deviceLabel(*w)->parentWidget(), static_cast<QWidget *>(w->statusBar()));
    QCOMPARE(A::maxRpm(*w), 17000.0);
    QVERIFY(!A::ui(*w)->actionCentralina_2cilindri->isEnabled());
    QVERIFY(!A::ui(*w)->actionCentralina_4cilindri->isEnabled());
    QCOMPARE(A::limits(*w).valueMax, 50.0f);
    QCOMPARE(A::devInfo(*w).hwVersion, uchar(21));

    A::connected(*w) = true;
    w->onCercaPortaClicked();  // disconnect
    QVERIFY(A::ui(*w)->actionCentralina_2cilindri->isEnabled());
    QVERIFY(A::ui(*w)->actionCentralina_4cilindri->isEnabled());
    QVERIFY(A::deviceLabel(*w)->text().isEmpty());
    QCOMPARE(A::deviceLabel(*w)->frameStyle(), int(QFrame::Plain | QFrame::NoFrame));
    QCOMPARE(A::devInfo(*w).hwVersion, uchar(21));  // the record survives
}

void TestLink::deviceWithoutCylindersChangesOnlyTheRange()
{
    frmProgPannel *w = makeWindow();
    CDevInfo info = record(11, 0, "110");
    w->onGetDeviceInfo(info);
    QCOMPARE(A::limits(*w).valueMin, -20.0f);
    QCOMPARE(A::limits(*w).valueMax, 50.0f);
    QCOMPARE(A::limits(*w).valueStep, 10);
    QCOMPARE(A::limits(*w).keyStep, 5);
    QCOMPARE(A::maxRpm(*w), 12000.0);
    QVERIFY(A::ui(*w)->actionCentralina_2cilindri->isEnabled());
    QVERIFY(A::ui(*w)->actionCentralina_4cilindri->isEnabled());

    info = record(21, 3, "203");
    w->onGetDeviceInfo(info);
    QVERIFY(A::deviceLabel(*w)->text().contains("CYL3"));
    QCOMPARE(A::maxRpm(*w), 12000.0);
    QVERIFY(A::ui(*w)->actionCentralina_4cilindri->isEnabled());

    CDevInfo serial = CDevInfo::serialDefault();
    w->onGetDeviceInfo(serial);
    QCOMPARE(A::deviceLabel(*w)->text(), QStringLiteral("Tervalix: HW10 - V1.1-R0"));
    QCOMPARE(A::limits(*w).valueMin, -10.0f);
    QCOMPARE(A::limits(*w).valueMax, 25.0f);
}

void TestLink::disconnectResetsControlsAndCurve()
{
    frmProgPannel *w = makeWindow();
    Ui::frmProgPannel *ui = A::ui(*w);
    A::connected(*w) = true;
    A::portName(*w) = "HID";
    w->onLinkClicked();
    QVERIFY(A::link(*w));
    A::setBench(*w, true);
    for (QPushButton *b : {ui->btStartLink, ui->btSaveFlash, ui->btReadFlash, ui->btBanco})
        b->setEnabled(true);
    ui->lcdRPM->display(9000);
    ui->lblAdcSonda->setText("120");
    A::setFlat(*w, 7.0);

    w->onCercaPortaClicked();

    QVERIFY(!A::connected(*w));
    QVERIFY(!A::link(*w));
    QVERIFY(!A::bench(*w));
    QCOMPARE(ui->btStartLink->text(), CMsg::text(CMsg::LinkOff));
    QVERIFY(ui->btStartLink->styleSheet().contains("LEDOFF"));
    QVERIFY(ui->btRicercaPorta->styleSheet().contains("LEDOFF"));
    QCOMPARE(ui->btBanco->text(), CMsg::text(CMsg::BancoOff));
    for (QPushButton *b : {ui->btStartLink, ui->btSaveFlash, ui->btReadFlash, ui->btBanco})
        QVERIFY(!b->isEnabled());
    QVERIFY(ui->btRicercaPorta->isEnabled());
    QCOMPARE(ui->lcdRPM->intValue(), 0);
    QCOMPARE(ui->lblAdcSonda->text(), QStringLiteral("0"));
    QCOMPARE(ui->lblVirtualPort->text(), CMsg::text(CMsg::NoPort));
    const QVector<double> ys = A::curveValues(*w);
    QCOMPARE(ys.size(), 41);
    for (double y : ys)
        QCOMPARE(y, 0.0);
    QCOMPARE(A::portName(*w), QStringLiteral("HID"));  // kept until the next outcome
    QVERIFY(!A::search(*w)->isVisible());
}

void TestLink::failedTransferDisconnectKeepsTheCurve()
{
    frmProgPannel *w = makeWindow();
    A::connected(*w) = true;
    A::setFlat(*w, 5.0);
    A::transferFailed(*w) = true;
    w->onCercaPortaClicked();
    A::transferFailed(*w) = false;
    QVERIFY(!A::connected(*w));
    for (double y : A::curveValues(*w))
        QCOMPARE(y, 5.0);
}

void TestLink::prefixStrippedForDisplayOnly()
{
    QCOMPARE(SerialPortList::displayName("\\\\.\\COM12"), QStringLiteral("COM12"));
    QCOMPARE(SerialPortList::displayName("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB0"));
    frmProgPannel *w = makeWindow();
    w->onEsitoRicercaPorta("OK", "\\\\.\\COM12");
    QCOMPARE(A::ui(*w)->lblVirtualPort->text(), QStringLiteral("COM12"));
    QCOMPARE(A::portName(*w), QStringLiteral("\\\\.\\COM12"));
    QVERIFY(A::connected(*w));
    QVERIFY(A::ui(*w)->btRicercaPorta->styleSheet().contains("LEDON"));
}

void TestLink::searchWithoutDevice()
{
    frmProgPannel *w = makeWindow();
    A::portName(*w) = "HID";
    w->onEsitoRicercaPorta("KO", QString());
    QVERIFY(!A::connected(*w));
    QVERIFY(A::portName(*w).isEmpty());
    QVERIFY(A::ui(*w)->btRicercaPorta->styleSheet().contains("LEDOFF"));
    QVERIFY(!A::ui(*w)->btStartLink->isEnabled());
}

void TestLink::linkButtonToggles()
{
    frmProgPannel *w = makeWindow();
    w->onLinkClicked();
    QVERIFY(A::link(*w));
    QCOMPARE(A::ui(*w)->btStartLink->text(), CMsg::text(CMsg::LinkOn));
    QVERIFY(A::ui(*w)->btStartLink->styleSheet().contains("LEDON"));
    w->onLinkClicked();
    QVERIFY(!A::link(*w));
    QCOMPARE(A::ui(*w)->btStartLink->text(), CMsg::text(CMsg::LinkOff));
    QVERIFY(A::ui(*w)->btStartLink->styleSheet().contains("LEDOFF"));
}

void TestLink::serialRepliesAreGroupedInEights()
{
#ifdef Q_OS_UNIX
    // The test itself plays the ECU on the master side of a pseudo-terminal.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const QString path = QString::fromLocal8Bit(::ptsname(master));
    auto send = [master](const char *hexBytes) {
        const QByteArray b = QByteArray::fromHex(hexBytes);
        QCOMPARE(::write(master, b.constData(), size_t(b.size())), ssize_t(b.size()));
    };
    frmProgPannel *w = makeWindow();
    frmRicercaPorta *d = A::search(*w);
    d->startSearch();
    QSignalSpy esito(d, &frmRicercaPorta::sgnEsito);

    // Two replies in one read: the first one is the probe's answer.
    d->onSelezionePortaClicked(path);
    QVERIFY(A::serial(*w)->isOpen());
    send("F4000000000000F4FAC8000000000000");
    QVERIFY(waitFor([&] { return !d->isWaitingReply(); }, 2000));
    QVERIFY(d->foundPort().isEmpty());  // the F4 block ended the probe
    QCOMPARE(A::pending(*w), 0);

    // Twelve bytes: one reply handed out, four waiting.
    d->onSelezionePortaClicked(path);
    send("FAC80A0031313000FD010203");
    QVERIFY(waitFor([&] { return !d->isWaitingReply(); }, 2000));
    QCOMPARE(d->foundPort(), path);
    QVERIFY(waitFor([&] { return A::pending(*w) == 4; }, 1000));

    // A broken reply does not shift the next one: a new frame starts afresh.
    d->onSelezionePortaClicked(path);  // sends the probe frame
    QCOMPARE(A::pending(*w), 0);
    send("FAC80A");
    QVERIFY(waitFor([&] { return A::pending(*w) == 3; }, 1000));
    w->onSendSerialData(Protocol::makePollFrame());
    QCOMPARE(A::pending(*w), 0);
    send("FAC80A0031313000");
    QVERIFY(waitFor([&] { return !d->isWaitingReply(); }, 2000));
    QCOMPARE(d->foundPort(), path);
    A::serial(*w)->close();
    ::close(master);
#else
    QSKIP("pseudo-terminals are a Unix facility");
#endif
}

void TestLink::hidLateAnswerIsDrainedBeforeTheNextRequest()
{
    SimulatedHidDevice dev(std::make_shared<EcuSimulator>());
    EcuSimFaults f;
    f.replyDelayMs = 150;
    dev.ecu()->setFaults(f);
    HidLink::Exchange x = HidLink::exchange(&dev, Protocol::makeHidReport(Protocol::makePollFrame()));
    QCOMPARE(x.read, 0);
    QTest::qSleep(100);  // the late poll answer is now waiting
    dev.ecu()->setFaults(EcuSimFaults());
    x = HidLink::exchange(&dev, Protocol::makeHidReport(Protocol::makeReadFrame(42)));
    QVERIFY(x.read > 0);
    QVERIFY(Protocol::isReplyOfKind(x.reply, Protocol::KindRead));
    QCOMPARE(dev.pendingReports(), 0);
}

void TestLink::hidUnansweredFrameCostsOneBoundedWait()
{
    SimEnv env("hid");
    frmProgPannel *w = makeWindow();
    SimulatedHidDevice *hid = A::hid(*w);
    QVERIFY(hid);
    EcuSimFaults f;
    f.silent = true;
    hid->ecu()->setFaults(f);
    A::portName(*w) = "HID";
    QElapsedTimer t;
    t.start();
    w->onSendSerialData(Protocol::makePollFrame());
    QVERIFY2(t.elapsed() <= 150, qPrintable(QString::number(t.elapsed())));
    QVERIFY(t.elapsed() >= 90);
    QCOMPARE(hid->writeCount(), 1);
    QCOMPARE(hid->readCount(), 2);  // the drain, then the one bounded wait
}

void TestLink::hidSearchConnectsReadsAndMonitors()
{
    SimEnv env("hid", "21", "4", "203");
    frmProgPannel *w = makeWindow();
    Ui::frmProgPannel *ui = A::ui(*w);
    SimulatedHidDevice *hid = A::hid(*w);
    QVERIFY(hid);
    for (int i = 0; i < 41; ++i)
        hid->ecu()->setCell(i, uchar(qint8(i - 20)));

    w->onCercaPortaClicked();
    frmRicercaPorta *d = A::search(*w);
    QVERIFY(d->isVisible());
    QCOMPARE(d->foundPort(), QStringLiteral("HID"));
    QCOMPARE(A::deviceLabel(*w)->text(), QStringLiteral("Tervalix: HW21 - CYL4 - V2.0-R3"));
    QCOMPARE(A::maxRpm(*w), 17000.0);
    QVERIFY(!ui->actionCentralina_2cilindri->isEnabled());

    d->close();
    QVERIFY(A::connected(*w));
    QCOMPARE(A::portName(*w), QStringLiteral("HID"));
    QCOMPARE(ui->lblVirtualPort->text(), QStringLiteral("HID"));
    QVERIFY(ui->btRicercaPorta->styleSheet().contains("LEDON"));
    // The profile is read at once.
    QVERIFY(waitFor([&] { return transferIdle(w); }, 20000));
    QVERIFY(prompts->warningTexts.isEmpty());
    const QVector<double> ys = A::curveValues(*w);
    QCOMPARE(ys.size(), 41);
    for (int i = 0; i < 41; ++i)
        QCOMPARE(ys[i], double(i - 20));
    QVERIFY(ui->btStartLink->isEnabled());

    ui->btStartLink->click();
    QVERIFY(A::link(*w));
    QVERIFY(waitFor([&] { return ui->lcdRPM->intValue() > 0; }, 3000));

    w->onCercaPortaClicked();  // disconnect
    QVERIFY(!A::connected(*w));
    QCOMPARE(A::portName(*w), QStringLiteral("HID"));
    QVERIFY(ui->actionCentralina_2cilindri->isEnabled());
    QVERIFY(ui->actionCentralina_4cilindri->isEnabled());
}

void TestLink::serialSearchReadsTheProfile()
{
    PtyEcuSimulator sim(std::make_shared<EcuSimulator>());  // hardware 21: 90 cells
    QVERIFY(sim.start());
    sim.ecu()->setCell(0, 12);
    sim.ecu()->setCell(40, uchar(-7));
    frmProgPannel *w = makeWindow();
    w->onCercaPortaClicked();
    frmRicercaPorta *d = A::search(*w);
    auto *list = d->findChild<QComboBox *>("cbPorteSeriali");
    QVERIFY(list && list->isVisible());
    list->setCurrentIndex(list->findText(sim.portPath()));
    QVERIFY(waitFor([&] { return !d->isWaitingReply(); }, 2000));
    QCOMPARE(d->foundPort(), sim.portPath());
    // A serial device yields the fixed record: 50-cell layout, range -10..25.
    QCOMPARE(A::deviceLabel(*w)->text(), QStringLiteral("Tervalix: HW10 - V1.1-R0"));
    d->close();
    QVERIFY(A::connected(*w));
    QVERIFY(waitFor([&] { return transferIdle(w); }, 20000));
    QVERIFY(prompts->warningTexts.isEmpty());
    QCOMPARE(A::curveValues(*w).value(0), 12.0);
    QCOMPARE(A::curveValues(*w).value(40), -7.0);
    QCOMPARE(sim.ecu()->requestsReceived(), 1 + 50);
}

void TestLink::pulledCableEndsWithoutBusyLoop()
{
    PtyEcuSimulator sim(std::make_shared<EcuSimulator>());
    QVERIFY(sim.start());
    frmProgPannel *w = makeWindow();
    A::setFlat(*w, 3.0);
    w->onCercaPortaClicked();
    frmRicercaPorta *d = A::search(*w);
    d->onSelezionePortaClicked(sim.portPath());
    QVERIFY(waitFor([&] { return !d->isWaitingReply(); }, 2000));
    d->close();
    QVERIFY(waitFor([&] { return transferIdle(w); }, 20000));
    w->onLinkClicked();
    QVERIFY(waitFor([&] { return A::ui(*w)->lcdRPM->intValue() > 0; }, 3000));

    QSignalSpy errors(A::serial(*w), &QSerialPort::errorOccurred);
    const double cpu0 = cpuSeconds();
    sim.unplug();
    QTest::qWait(800);
    const double cpu = cpuSeconds() - cpu0;
    int readErrors = 0;
    for (const QList<QVariant> &e : errors) {
        const auto code = e.at(0).value<QSerialPort::SerialPortError>();
        readErrors += code == QSerialPort::ReadError || code == QSerialPort::ResourceError;
    }
    QVERIFY2(readErrors >= 1 && readErrors <= 3, qPrintable(QString::number(readErrors)));
    QVERIFY(!A::serial(*w)->isOpen());
    QVERIFY2(cpu < 0.4, qPrintable(QString::number(cpu)));

    // The live link runs into its time-outs, drops the link once and warns.
    QVERIFY(waitFor([&] { return !A::connected(*w); }, 15000));
    QCOMPARE(prompts->warningTexts.size(), 1);
    QCOMPARE(prompts->warningTexts[0], CMsg::text(CMsg::CommError));
}

QTEST_MAIN(TestLink)
#include "test_link.moc"
