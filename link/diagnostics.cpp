// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/diagnostics.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {
std::atomic<bool> on{true};
}

namespace Diagnostics {

void setEnabled(bool enable)
{
    on = enable;
}

bool enabled()
{
    return on;
}

void print(const char *format, ...)
{
    if (!on)
        return;
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}

} // namespace Diagnostics
