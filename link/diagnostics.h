// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Diagnostic lines about the link (HID strings, bytes written and read). The
// window prints them on standard output; the command-line tool keeps its
// standard output for results and switches them off.

namespace Diagnostics {
void setEnabled(bool on);
bool enabled();
// printf-style; one call, one or more whole lines.
void print(const char *format, ...) __attribute__((format(printf, 1, 2)));
} // namespace Diagnostics
