// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/simenvironment.h"

#include "link/serialportlist.h"
#include "sim/enginemodel.h"
#include "sim/ptyecusimulator.h"
#include "sim/ptywideband.h"
#include "sim/simulatedhiddevice.h"

#include <mutex>
#include <QtGlobal>

#include <cstdio>

namespace {

int envInt(const char *name, int fallback, int lo, int hi)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? qBound(lo, v, hi) : fallback;
}

double envDouble(const char *name, double fallback)
{
    bool ok = false;
    const double v = qEnvironmentVariable(name).toDouble(&ok);
    return ok ? qBound(0.0, v, 1.0) : fallback;
}

} // namespace

namespace SimEnvironment {

namespace {

void startWideband(const std::shared_ptr<EcuSimulator> &ecu)
{
    if (envInt("TERVALIX_SIM_WIDEBAND", 0, 0, 1) != 1)
        return;
    static std::mutex mutex;
    std::unique_lock<std::mutex> lock(mutex);
    // Lives until the process ends; its destructor joins the worker.
    static std::unique_ptr<PtyWidebandSimulator> wideband;
    if (wideband)
        return;
    WidebandConfig config;
    config.seed = static_cast<quint32>(envInt("TERVALIX_SIM_ENGINE_SEED", 1, 0, 0x7fffffff));
    auto sim = std::make_unique<PtyWidebandSimulator>(ecu, config, false);
    if (!sim->start()) {
        std::fprintf(stderr, "Wideband simulator: %s\n", qPrintable(sim->errorString()));
        return;
    }
    // Standard error: the tool's standard output carries only its result.
    std::fprintf(stderr, "Wideband simulator on %s\n", qPrintable(sim->portPath()));
    SerialPortList::addExtraPort(sim->portPath());
    wideband = std::move(sim);
}

} // namespace

QString mode()
{
    return qEnvironmentVariable("TERVALIX_SIMULATOR").trimmed().toLower();
}

EcuSimConfig configFromEnvironment()
{
    EcuSimConfig c;
    c.hwVersion = static_cast<unsigned char>(envInt("TERVALIX_SIM_HW", c.hwVersion, 0, 255));
    c.cylinders = static_cast<unsigned char>(envInt("TERVALIX_SIM_CYL", c.cylinders, 0, 255));
    const QByteArray fw = qgetenv("TERVALIX_SIM_FW");
    if (fw.size() == 3)
        for (int i = 0; i < 3; ++i)
            c.firmware[i] = fw[i];
    c.seed = static_cast<quint32>(envInt("TERVALIX_SIM_SEED", 1, 0, 0x7fffffff));
    return c;
}

EcuSimFaults faultsFromEnvironment()
{
    EcuSimFaults f;
    f.replyDelayMs = envInt("TERVALIX_SIM_DELAY", 0, 0, 60000);
    f.dropEveryN = envInt("TERVALIX_SIM_DROP_EVERY", 0, 0, 1000000);
    f.dropRate = envDouble("TERVALIX_SIM_DROP_RATE", 0.0);
    f.garbageBytes = envInt("TERVALIX_SIM_GARBAGE", 0, 0, 64);
    f.garbageEveryN = envInt("TERVALIX_SIM_GARBAGE_EVERY", f.garbageBytes > 0 ? 1 : 0, 0, 1000000);
    f.wrongKindEveryN = envInt("TERVALIX_SIM_WRONG_EVERY", 0, 0, 1000000);
    f.silent = envInt("TERVALIX_SIM_SILENT", 0, 0, 1) == 1;
    f.stuckCell = envInt("TERVALIX_SIM_STUCK_CELL", -1, -1, 255);
    f.vanishAfterRequests = envInt("TERVALIX_SIM_VANISH_AFTER", 0, 0, 1000000);
    return f;
}

static std::shared_ptr<EcuSimulator> makeEngine()
{
    const EcuSimConfig config = configFromEnvironment();
    auto ecu = std::make_shared<EcuSimulator>(config);
    ecu->setFaults(faultsFromEnvironment());
    // TERVALIX_SIM_ENGINE=1: the polls follow a simulated ride, and with
    // TERVALIX_SIM_WIDEBAND=1 a wideband on a pseudo-terminal reads its exhaust.
    if (envInt("TERVALIX_SIM_ENGINE", 0, 0, 1) == 1 || envInt("TERVALIX_SIM_WIDEBAND", 0, 0, 1) == 1) {
        EngineConfig engine;
        engine.seed = static_cast<quint32>(envInt("TERVALIX_SIM_ENGINE_SEED", 1, 0, 0x7fffffff));
        engine.laps = 1000;
        engine.cylinders = config.cylinders == 4 ? 4 : 2;
        ecu->setEngine(std::make_shared<EngineModel>(engine));
        startWideband(ecu);
    }
    return ecu;
}

HidOpener hidOpenerFromEnvironment()
{
    if (mode() != QLatin1String("hid"))
        return hidApiOpener();
    std::shared_ptr<EcuSimulator> engine = makeEngine();
    return [engine]() -> std::unique_ptr<HidDevice> { return std::make_unique<SimulatedHidDevice>(engine); };
}

QString startSerialFromEnvironment()
{
    if (mode() != QLatin1String("serial"))
        return QString();
    static std::mutex mutex;
    std::unique_lock<std::mutex> lock(mutex);
    // Lives until the process ends; its destructor joins the worker.
    static std::unique_ptr<PtyEcuSimulator> simulator;
    if (!simulator) {
        auto sim = std::make_unique<PtyEcuSimulator>(makeEngine());
        if (!sim->start()) {
            std::fprintf(stderr, "ECU simulator: %s\n", qPrintable(sim->errorString()));
            return QString();
        }
        std::printf("ECU simulator on %s\n", qPrintable(sim->portPath()));
        std::fflush(stdout);
        SerialPortList::addExtraPort(sim->portPath());
        simulator = std::move(sim);
    }
    return simulator->portPath();
}

} // namespace SimEnvironment
