// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ptyecusimulator.h"

#include "link/replyassembler.h"

#include <QtGlobal>

#include <chrono>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#endif

PtyEcuSimulator::PtyEcuSimulator(std::shared_ptr<EcuSimulator> ecu) : engine(std::move(ecu)) {}

PtyEcuSimulator::~PtyEcuSimulator()
{
    stop();
}

#ifdef Q_OS_UNIX

bool PtyEcuSimulator::start()
{
    if (running.load())
        return true;
    error.clear();
    if (!pty.open(&error))
        return false;
    path = pty.path;

    stopping = false;
    running = true;
    worker = std::thread([this] { run(); });
    return true;
}

void PtyEcuSimulator::stop()
{
    stopping = true;
    if (worker.joinable())
        worker.join();
    closeTerminal();
}

void PtyEcuSimulator::unplug()
{
    EcuSimFaults f = engine->faults();
    f.gone = true;
    engine->setFaults(f);
    if (worker.joinable())
        worker.join();
    closeTerminal();
}

void PtyEcuSimulator::closeTerminal()
{
    pty.close();
    running = false;
}

void PtyEcuSimulator::run()
{
    using Clock = std::chrono::steady_clock;
    ReplyAssembler frames;
    Clock::time_point lastByte = Clock::now();
    Clock::time_point inLineFree = lastByte;
    while (!stopping.load()) {
        if (engine->isGone()) {
            closeTerminal();  // the port's owner sees the line vanish
            return;
        }
        pollfd p{pty.master, POLLIN, 0};
        const int ready = ::poll(&p, 1, 20);
        if (ready <= 0 || !(p.revents & POLLIN)) {
            if (ready > 0)  // hang-up or error: nobody on the line, wait
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        char in[256];
        const ssize_t n = ::read(pty.master, in, sizeof in);
        if (n <= 0)
            continue;
        const Clock::time_point now = Clock::now();
        if (frames.pending() > 0 && now - lastByte > std::chrono::milliseconds(FrameGapMs))
            frames.reset();  // the rest of that frame never came
        lastByte = now;
        // The request crosses the line at 9600 baud too: its last byte
        // reaches the unit ByteMicros after the one before it.
        Clock::time_point onLine = std::max(inLineFree, now);
        for (ssize_t i = 0; i < n; ++i) {
            onLine += std::chrono::microseconds(ByteMicros);
            const QList<QByteArray> done = frames.feed(QByteArray(1, in[i]));
            if (done.isEmpty())
                continue;
            const EcuResponse r = engine->handleFrame(done.first());
            if (r.bytes.isEmpty())
                continue;
            const Clock::time_point due = onLine + std::chrono::milliseconds(r.delayMs);
            while (Clock::now() < due && !stopping.load() && !engine->isGone())
                std::this_thread::sleep_for(std::min<Clock::duration>(due - Clock::now(),
                                                                      std::chrono::milliseconds(10)));
            if (!sendPaced(r.bytes))
                break;
            onLine = std::max(onLine, Clock::now());
        }
        inLineFree = onLine;
    }
}

bool PtyEcuSimulator::sendPaced(const QByteArray &bytes)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point t0 = Clock::now();
    for (int i = 0; i < bytes.size(); ++i) {
        if (stopping.load() || engine->isGone())
            return false;
        std::this_thread::sleep_until(t0 + std::chrono::microseconds(ByteMicros) * (i + 1));
        // Non-blocking: with nobody reading the line the bytes are simply lost.
        if (::write(pty.master, bytes.constData() + i, 1) == 1)
            ++sent;
    }
    return true;
}

#else

bool PtyEcuSimulator::start()
{
    error = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
}

void PtyEcuSimulator::stop() {}
void PtyEcuSimulator::unplug() {}
void PtyEcuSimulator::closeTerminal() {}
void PtyEcuSimulator::run() {}
bool PtyEcuSimulator::sendPaced(const QByteArray &) { return false; }

#endif
