// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ptywideband.h"

#include "link/protocol.h"
#include "sim/enginemodel.h"

#include <chrono>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

PtyWidebandSimulator::PtyWidebandSimulator(std::shared_ptr<EcuSimulator> e, const WidebandConfig &config, bool l)
    : ecu(std::move(e)), cfg(config), lambda(l)
{
}

PtyWidebandSimulator::~PtyWidebandSimulator()
{
    stop();
}

#ifdef Q_OS_UNIX

bool PtyWidebandSimulator::start()
{
    if (!pty.open(&error)) {
        stop();
        return false;
    }
    path = pty.path;
    stopping = false;
    worker = std::thread([this] { run(); });
    return true;
}

void PtyWidebandSimulator::stop()
{
    stopping = true;
    if (worker.joinable())
        worker.join();
    pty.close();
}

void PtyWidebandSimulator::run()
{
    WidebandSensor sensor(cfg);
    const std::shared_ptr<const EngineModel> engine = ecu->engine();
    const qint64 start = ecu->clockMs();
    const double period = 1000.0 / cfg.rateHz;
    double next = double(start);
    double fed = double(start) - cfg.delayMs - 1000;
    auto value = [this](int cell) { return int(qint8(ecu->cell(cell))); };
    while (!stopping.load()) {
        const double now = double(ecu->clockMs());
        for (; fed <= now; fed += 5)
            sensor.exhaust(fed, engine ? engine->lambdaAt(fed, value) : 0.9);
        if (now >= next) {
            const double l = sensor.reading(now, now - double(start));
            const QByteArray line = (lambda ? QByteArray::number(l, 'f', 3) : QByteArray::number(l * cfg.stoich, 'f', 2))
                                    + "\r\n";
            // A reader that does not keep up loses lines, as on a real line.
            if (::write(pty.master, line.constData(), size_t(line.size())) == line.size())
                ++sent;
            next += period;
            if (next < now)
                next = now + period;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

#else

bool PtyWidebandSimulator::start()
{
    error = QStringLiteral("pseudo-terminals exist on Unix only");
    return false;
}

void PtyWidebandSimulator::stop() {}
void PtyWidebandSimulator::run() {}

#endif
