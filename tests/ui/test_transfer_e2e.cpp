// The whole window against the simulated ECU, with its real worker threads:
// over a pseudo-terminal serial line and over the in-process HID device.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <qwt_plot_curve.h>

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/frmricercaporta.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "sim/ptyecusimulator.h"
#include "sim/simregistry.h"
#include "sim/simulatedhiddevice.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

// A window with scripted prompts that records the transfer outcomes after
// the window itself has acted on them.
struct Session {
    ScopedTestSettings settings;
    std::shared_ptr<PromptLog> prompts = std::make_shared<PromptLog>();
    std::unique_ptr<frmProgPannel> w;
    QStringList outcomes;

    Session()
    {
        w = std::make_unique<frmProgPannel>();
        w->setUserPrompts(new ScriptedPrompts(prompts));
        Access::recordOutcomes(*w, outcomes);
    }
    Ui::frmProgPannel *ui() { return Access::ui(*w); }
    bool waitOutcome(int count, int ms = 20000)
    {
        return waitFor([&] { return outcomes.size() >= count; }, ms);
    }
    // The user's search: the HID device if there is one, else the chosen port.
    bool connect(const QString &serialPath = QString())
    {
        w->onCercaPortaClicked();
        frmRicercaPorta *dlg = Access::search(*w);
        if (!serialPath.isEmpty()) {
            dlg->onSelezionePortaClicked(serialPath);
            if (!waitFor([dlg] { return !dlg->isWaitingReply(); }, 3000))
                return false;
        }
        dlg->onClose();
        return Access::connected(*w);
    }
};

QVector<double> pattern(int seed)
{
    QVector<double> v;
    for (int i = 0; i < 41; ++i)
        v.append(((i * 7 + seed) % 31) - 10);
    return v;
}

QVector<double> cellsAsCurve(const QByteArray &cells)
{
    QVector<double> v;
    for (int i = 0; i < 41; ++i)
        v.append(static_cast<qint8>(cells.at(i)));
    return v;
}

void fillEcu(EcuSimulator &ecu, const QVector<double> &curve, int k, bool bench)
{
    for (int i = 0; i < 41; ++i)
        ecu.setCell(i, static_cast<unsigned char>(static_cast<int>(curve[i]) & 0xFF));
    const bool large = ecu.cellCount() == 90;
    ecu.setCell(large ? 82 : 42, static_cast<unsigned char>(k));
    ecu.setCell(large ? 89 : 49, bench ? 1 : 0);
}

// Runs the HID simulator through the environment, as the program does.
struct HidEnvironment {
    explicit HidEnvironment(int hw)
    {
        qputenv("TERVALIX_SIMULATOR", "hid");
        qputenv("TERVALIX_SIM_HW", QByteArray::number(hw));
        qputenv("TERVALIX_SIM_CYL", "4");
    }
    ~HidEnvironment()
    {
        qunsetenv("TERVALIX_SIMULATOR");
        qunsetenv("TERVALIX_SIM_HW");
        qunsetenv("TERVALIX_SIM_CYL");
    }
};

struct SerialEcu {
    std::shared_ptr<EcuSimulator> ecu;
    PtyEcuSimulator pty;
    explicit SerialEcu(int hw = 10) : ecu(makeEcu(hw)), pty(ecu) {}
    static std::shared_ptr<EcuSimulator> makeEcu(int hw)
    {
        EcuSimConfig c;
        c.hwVersion = static_cast<unsigned char>(hw);
        c.cylinders = 2;
        return std::make_shared<EcuSimulator>(c);
    }
    bool start()
    {
        if (!pty.start())
            return false;
        SimRegistry::addSerialPort(pty.portPath());
        return true;
    }
    ~SerialEcu() { SimRegistry::removeSerialPort(pty.portPath()); }
};

} // namespace

class TestTransferE2E : public QObject {
    Q_OBJECT

private slots:
    void serialConnectReadsEcuAtOnce();
    void serialWriteThenReadBack();
    void hidWriteAndReadBackWithProfileName();
    void hidMidHardwareAsksForFileFirst();
    void silentEcuMidWriteDisconnectsAndKeepsCurve();
};

void TestTransferE2E::serialConnectReadsEcuAtOnce()
{
    SerialEcu sim;
    if (!sim.start())
        QSKIP(qPrintable("no pseudo-terminal: " + sim.pty.errorString()));
    const QVector<double> onEcu = pattern(3);
    fillEcu(*sim.ecu, onEcu, 3, true);

    Session s;
    QVERIFY(s.connect(sim.pty.portPath()));
    QVERIFY(s.waitOutcome(1));
    QCOMPARE(s.outcomes.at(0), QString("OK_RCV"));
    QCOMPARE(Access::curveValues(*s.w), onEcu);
    QCOMPARE(s.ui()->spKIniezione->value(), 3);
    QVERIFY(Access::bench(*s.w));  // the bench state read from the ECU
    QCOMPARE(s.ui()->btBanco->text(), CMsg::text(CMsg::BancoOn));
    QVERIFY(s.ui()->btSaveFlash->isEnabled());
    QVERIFY(s.prompts->warnings.isEmpty());
}

void TestTransferE2E::serialWriteThenReadBack()
{
    SerialEcu sim;
    if (!sim.start())
        QSKIP(qPrintable("no pseudo-terminal: " + sim.pty.errorString()));
    Session s;
    QVERIFY(s.connect(sim.pty.portPath()));
    QVERIFY(s.waitOutcome(1));

    const QVector<double> edited = pattern(11);
    Access::setCurveValues(*s.w, edited);
    s.ui()->spKIniezione->setValue(4);  // goes out as its own write while connected
    s.w->onSaveFlashClicked();          // hardware 10: no profile file needed
    QVERIFY(s.waitOutcome(2));
    QCOMPARE(s.outcomes.at(1), QString("OK_SND"));
    QCOMPARE(cellsAsCurve(sim.ecu->cells()), edited);
    QVERIFY(waitFor([&] { return sim.ecu->cell(42) == 4; }));

    // Read back after the curve was flattened by hand.
    s.w->onFlatProfileClicked();
    s.w->onReadFlashClicked();
    QVERIFY(s.waitOutcome(3));
    QCOMPARE(s.outcomes.at(2), QString("OK_RCV"));
    QCOMPARE(Access::curveValues(*s.w), edited);
    QCOMPARE(s.ui()->spKIniezione->value(), 4);
    QVERIFY(waitFor([&] { return s.ui()->progressBar->value() == 0; }, 3000));
}

void TestTransferE2E::hidWriteAndReadBackWithProfileName()
{
    HidEnvironment env(21);
    QTemporaryDir dir;
    Session s;
    std::shared_ptr<EcuSimulator> ecu = Access::hidEcu(*s.w);
    QVERIFY(ecu);
    QCOMPARE(ecu->cellCount(), 90);
    QVERIFY(s.connect());
    QCOMPARE(Access::devInfo(*s.w).hwVersion, uchar(21));
    QVERIFY(s.waitOutcome(1));
    QCOMPARE(s.outcomes.at(0), QString("OK_RCV"));

    const QVector<double> edited = pattern(5);
    Access::setCurveValues(*s.w, edited);
    s.ui()->spKIniezione->setValue(2);
    // No profile file in use: the program asks for one, saves, then writes.
    s.prompts->saveAnswers << dir.filePath("road.prf");
    s.w->onSaveFlashClicked();
    QVERIFY(s.waitOutcome(2));
    QCOMPARE(s.outcomes.at(1), QString("OK_SND"));
    QCOMPARE(s.prompts->saveAsked, 1);
    QVERIFY(QFile::exists(dir.filePath("road.prf")));
    const QByteArray cells = ecu->cells();
    QCOMPARE(cellsAsCurve(cells), edited);
    QCOMPARE(cells.mid(41, 8), QByteArray("road.prf"));
    QCOMPARE(cells.mid(49, 32), QByteArray(32, '\0'));

    s.w->onReadFlashClicked();
    QVERIFY(s.waitOutcome(3));
    QCOMPARE(s.outcomes.at(2), QString("OK_RCV"));
    QCOMPARE(Access::curveValues(*s.w), edited);
    QCOMPARE(s.ui()->spKIniezione->value(), 2);
    QCOMPARE(Access::profileLabel(*s.w)->text(), QString("road.prf"));
    QVERIFY(s.prompts->warnings.isEmpty());
}

void TestTransferE2E::hidMidHardwareAsksForFileFirst()
{
    HidEnvironment env(15);
    QTemporaryDir dir;
    Session s;
    std::shared_ptr<EcuSimulator> ecu = Access::hidEcu(*s.w);
    QVERIFY(ecu);
    ecu->setCell(42, 3);
    QVERIFY(s.connect());
    QVERIFY(s.waitOutcome(1));
    QCOMPARE(s.ui()->spKIniezione->value(), 3);

    // The K read from the ECU went back to it as its own write; let it finish.
    CGestRT *rt = Access::rt(*s.w);
    QVERIFY(waitFor([rt] { return rt->queuedFrames() == 0 && rt->state() == 800; }));
    // Cancelled: nothing goes to the ECU.
    const int before = ecu->requestsReceived();
    s.w->onSaveFlashClicked();
    QVERIFY(waitFor([&] { return s.prompts->saveAsked == 1; }));
    QTest::qWait(200);
    QCOMPARE(ecu->requestsReceived(), before);
    QCOMPARE(s.outcomes.size(), 1);
    QVERIFY(s.ui()->btSaveFlash->isEnabled());

    // Answered: saved, then written as 41 cells (no name on this layout).
    const QVector<double> edited = pattern(8);
    Access::setCurveValues(*s.w, edited);
    s.prompts->saveAnswers << dir.filePath("mid.prf");
    s.w->onSaveFlashClicked();
    QVERIFY(s.waitOutcome(2));
    QCOMPARE(s.outcomes.at(1), QString("OK_SND"));
    QCOMPARE(s.prompts->saveAsked, 2);
    QCOMPARE(QFileInfo(dir.filePath("mid.prf")).size(), qint64(42));
    QCOMPARE(cellsAsCurve(ecu->cells()), edited);
    QCOMPARE(ecu->cell(42), uchar(3));  // K untouched by the write
    QCOMPARE(s.ui()->lblPathProfilo->text(), dir.filePath("mid.prf"));
}

void TestTransferE2E::silentEcuMidWriteDisconnectsAndKeepsCurve()
{
    SerialEcu sim;
    if (!sim.start())
        QSKIP(qPrintable("no pseudo-terminal: " + sim.pty.errorString()));
    Session s;
    QVERIFY(s.connect(sim.pty.portPath()));
    QVERIFY(s.waitOutcome(1));

    const QVector<double> edited = pattern(17);
    Access::setCurveValues(*s.w, edited);
    s.w->onSaveFlashClicked();
    QVERIFY(waitFor([&] { return s.ui()->progressBar->value() >= 20; }));
    EcuSimFaults silent;
    silent.silent = true;
    sim.ecu->setFaults(silent);
    QVERIFY(s.waitOutcome(2, 30000));  // 20 time-outs of 500 ms
    QCOMPARE(s.outcomes.at(1), QString("KO_SND"));
    QCOMPARE(s.prompts->warnings,
             QStringList{CMsg::text(CMsg::FlashWrite) + '|' + CMsg::text(CMsg::CommError)});
    QVERIFY(!Access::connected(*s.w));
    QCOMPARE(s.ui()->progressBar->value(), 0);
    QCOMPARE(Access::curveValues(*s.w), edited);  // the user's work is still on screen
    QVERIFY(s.ui()->btClose->isEnabled());
    QVERIFY(!s.ui()->btSaveFlash->isEnabled());
}

QTEST_MAIN(TestTransferE2E)
#include "test_transfer_e2e.moc"
