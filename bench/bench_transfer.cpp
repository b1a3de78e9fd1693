// Profile transfer throughput: a full 81-cell write and a 90-cell read through
// the whole window (worker threads, transport, reply hand-out) against the
// simulated ECU, over the 9600-baud serial line of a pseudo-terminal and over
// the in-process HID device. Prints milliseconds per cell next to the serial
// wire's own floor: 8 bytes out and 8 back, 10 bits each at 9600 baud.
//
//   QT_QPA_PLATFORM=offscreen ./bench/bench_transfer > /dev/null
// (the figures go to standard error; the transport's diagnostic lines to
// standard output)

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "link/cgestreceive.h"
#include "link/cgestsend.h"
#include "link/frmricercaporta.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "sim/ptyecusimulator.h"
#include "sim/simregistry.h"
#include "sim/simulatedhiddevice.h"

class TervalixTestAccess {
public:
    static frmRicercaPorta *search(frmProgPannel &w) { return w.dlgRicercaPorta; }
    static CGestSend *sender(frmProgPannel &w) { return w.sendThread; }
    static CGestReceive *receiver(frmProgPannel &w) { return w.receiveThread; }
    static bool connected(frmProgPannel &w) { return w.connectedFlag; }
    static void setHardware(frmProgPannel &w, unsigned char hw) { w.devInfo.hwVersion = hw; }
    static void useProfileFile(frmProgPannel &w, const QString &path) { w.ui->lblPathProfilo->setText(path); }
    static std::shared_ptr<EcuSimulator> hidEcu(frmProgPannel &w)
    {
        auto *sim = dynamic_cast<SimulatedHidDevice *>(w.hidDevice.get());
        return sim ? sim->ecu() : nullptr;
    }
};
using Access = TervalixTestAccess;

namespace {

constexpr double WireMsPerExchange = 16 * 10 * 1000.0 / 9600.0;

template <typename Pred>
bool waitFor(Pred pred, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < timeoutMs)
        QTest::qWait(1);
    return pred();
}

struct Result {
    bool ok = false;
    qint64 ms = 0;
    int cells = 0;
    int requests = 0;
};

// Runs one transfer started by `start` and waits for its outcome.
template <typename Thread, typename Start>
Result timeTransfer(frmProgPannel &w, Thread *thread, int cells, const EcuSimulator &ecu, Start start)
{
    QString outcome;
    QMetaObject::Connection c = QObject::connect(thread, &Thread::sgnEsito, &w,
                                                 [&outcome](const QString &o) { outcome = o; });
    const int before = ecu.requestsReceived();
    QElapsedTimer t;
    t.start();
    start();
    waitFor([&] { return !outcome.isEmpty(); }, 120000);
    Result r;
    r.ms = t.elapsed();
    r.ok = outcome.startsWith("OK");
    r.cells = cells;
    r.requests = ecu.requestsReceived() - before;
    QObject::disconnect(c);
    QTest::qWait(50);
    return r;
}

void report(const char *channel, const char *what, const Result &r)
{
    std::fprintf(stderr, "%-7s %-12s %-3s %3d cells %6lld ms  %6.1f ms/cell  (%d requests)  wire floor %.1f ms/exchange\n",
                 channel, what, r.ok ? "OK" : "KO", r.cells, static_cast<long long>(r.ms),
                 double(r.ms) / r.cells, r.requests, WireMsPerExchange);
}

void runOn(const char *channel, frmProgPannel &w, EcuSimulator &ecu)
{
    // A 90-cell ECU with a profile file in use: an 81-cell write, a 90-cell read.
    Access::setHardware(w, 21);
    Access::useProfileFile(w, "/bench/Profili/bench.prf");
    for (int round = 0; round < 2; ++round) {
        report(channel, "write 81", timeTransfer(w, Access::sender(w), 81, ecu, [&w] { w.onSaveFlashClicked(); }));
        report(channel, "read 90", timeTransfer(w, Access::receiver(w), 90, ecu, [&w] { w.onReadFlashClicked(); }));
        Access::useProfileFile(w, "/bench/Profili/bench.prf");
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QCoreApplication::setOrganizationName("TervalixBench");
    QCoreApplication::setApplicationName("bench_transfer");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    qunsetenv("TERVALIX_SIMULATOR");

    {  // Serial: a simulated ECU on a pseudo-terminal, paced like 9600 baud.
        EcuSimConfig cfg;
        cfg.hwVersion = 21;
        auto ecu = std::make_shared<EcuSimulator>(cfg);
        PtyEcuSimulator pty(ecu);
        if (!pty.start()) {
            std::fprintf(stderr, "serial: no pseudo-terminal (%s)\n", qPrintable(pty.errorString()));
        } else {
            SimRegistry::addSerialPort(pty.portPath());
            frmProgPannel w;
            w.onCercaPortaClicked();
            frmRicercaPorta *dlg = Access::search(w);
            dlg->onSelezionePortaClicked(pty.portPath());
            waitFor([dlg] { return !dlg->isWaitingReply(); }, 3000);
            dlg->onClose();
            // The connection's own read of the (50-cell) profile first.
            QString first;
            QObject::connect(Access::receiver(w), &CGestReceive::sgnEsito, &w,
                             [&first](const QString &o) { first = o; });
            waitFor([&] { return !first.isEmpty(); }, 30000);
            if (Access::connected(w))
                runOn("serial", w, *ecu);
            else
                std::fprintf(stderr, "serial: the simulated ECU was not found\n");
            SimRegistry::removeSerialPort(pty.portPath());
        }
    }
    {  // HID: the in-process simulated device.
        qputenv("TERVALIX_SIMULATOR", "hid");
        qputenv("TERVALIX_SIM_HW", "21");
        frmProgPannel w;
        std::shared_ptr<EcuSimulator> ecu = Access::hidEcu(w);
        QString first;
        QObject::connect(Access::receiver(w), &CGestReceive::sgnEsito, &w,
                         [&first](const QString &o) { first = o; });
        w.onCercaPortaClicked();
        Access::search(w)->onClose();
        waitFor([&] { return !first.isEmpty(); }, 30000);
        if (ecu && Access::connected(w))
            runOn("HID", w, *ecu);
        else
            std::fprintf(stderr, "HID: the simulated ECU was not found\n");
        qunsetenv("TERVALIX_SIMULATOR");
    }
    std::fprintf(stderr, "step loop floor: 3 passes of %d ms per cell (send, wait, advance)\n",
                 CGestWorker::StepSleepMs);
    return 0;
}
