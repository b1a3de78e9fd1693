// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/signalwatch.h"

#include <atomic>
#include <csignal>

namespace {

static_assert(ATOMIC_INT_LOCK_FREE == 2, "the signal handler needs lock-free counters");
std::atomic<int> counts[SignalWatch::KindCount];

int numberOf(SignalWatch::Kind kind)
{
    switch (kind) {
    case SignalWatch::Interrupt:
        return SIGINT;
    case SignalWatch::Terminate:
        return SIGTERM;
#ifdef Q_OS_UNIX
    case SignalWatch::HangUp:
        return SIGHUP;
#endif
    default:
        return 0;
    }
}

extern "C" void onSignal(int signal)
{
#ifndef Q_OS_UNIX
    // Elsewhere the handler is reset to the default before it runs.
    std::signal(signal, onSignal);
#endif
    for (int k = 0; k < SignalWatch::KindCount; ++k)
        if (numberOf(SignalWatch::Kind(k)) == signal)
            counts[k].fetch_add(1, std::memory_order_relaxed);
}

void install(void (*handler)(int))
{
    for (int k = 0; k < SignalWatch::KindCount; ++k) {
        const int number = numberOf(SignalWatch::Kind(k));
        if (number == 0)
            continue;
#ifdef Q_OS_UNIX
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        // Reads and writes of the serial line carry on after the handler.
        action.sa_flags = SA_RESTART;
        sigaction(number, &action, nullptr);
#else
        std::signal(number, handler);
#endif
    }
}

} // namespace

SignalWatch::SignalWatch(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<SignalWatch::Kind>();
    for (int k = 0; k < KindCount; ++k)
        base[k] = counts[k].load();
    install(onSignal);
    timer.setInterval(PollMs);
    connect(&timer, &QTimer::timeout, this, &SignalWatch::poll);
    timer.start();
}

SignalWatch::~SignalWatch()
{
    install(SIG_DFL);
}

int SignalWatch::exitStatus(Kind kind)
{
    return 128 + numberOf(kind);
}

void SignalWatch::poll()
{
    for (int k = 0; k < KindCount; ++k) {
        const int now = counts[k].load(std::memory_order_relaxed) - base[k];
        while (seen[k] < now)
            emit received(Kind(k), ++seen[k]);
    }
}
