#include "cli/cliinterrupt.h"

#include <atomic>
#include <csignal>

namespace Cli {

namespace {

static_assert(ATOMIC_INT_LOCK_FREE == 2, "the signal handler needs a lock-free counter");
std::atomic<int> received{0};

extern "C" void onSignal(int signal)
{
#ifndef Q_OS_UNIX
    // Elsewhere the handler is reset to the default before it runs.
    std::signal(signal, onSignal);
#else
    (void)signal;
#endif
    received.fetch_add(1, std::memory_order_relaxed);
}

void install(void (*handler)(int))
{
#ifdef Q_OS_UNIX
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Reads and writes of the serial line carry on after the handler.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#else
    std::signal(SIGINT, handler);
    std::signal(SIGTERM, handler);
#endif
}

} // namespace

InterruptWatch::InterruptWatch(QObject *parent) : QObject(parent)
{
    base = received.load();
    install(onSignal);
    timer.setInterval(PollMs);
    connect(&timer, &QTimer::timeout, this, &InterruptWatch::poll);
    timer.start();
}

InterruptWatch::~InterruptWatch()
{
    install(SIG_DFL);
}

void InterruptWatch::poll()
{
    const int now = received.load(std::memory_order_relaxed) - base;
    while (seen < now)
        emit interrupted(++seen);
}

} // namespace Cli
