// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial ports the port search offers, and which chosen names it probes.
// Windows names its serial ports COMn (possibly behind the "\\.\" prefix): only
// names containing "COM" count there. Elsewhere every port the system lists
// counts, by the name that opens it, plus the extra ports registered by the
// program itself (the simulator's pseudo-terminal).

#include <QString>
#include <QStringList>

class QSerialPortInfo;

namespace SerialPortList {

// Whether a name the user typed can name a port: a path (/dev/pts/3,
// /dev/rfcomm0, a link made by socat) or a bare device name; COMn on Windows.
bool isTypedPortName(const QString &name);
// The names to list, in the system's order, extra ports last, no duplicates.
QStringList availablePortNames();
// Whether a chosen list entry is a port to probe (the same rule as the list;
// the list's leading "<...>" prompt never is).
bool isPortName(const QString &name);
// The name by which a listed port is opened.
QString openableName(const QSerialPortInfo &info);

// Ports the system does not list but this process offers (thread-safe).
void addExtraPort(const QString &path);
void removeExtraPort(const QString &path);
QStringList extraPorts();

} // namespace SerialPortList

namespace SerialPortList {
// The port name as shown to the user: every "\\.\" prefix removed (Windows
// may name a port \\.\COM12). The name used to open the port is unchanged.
QString displayName(const QString &name);
} // namespace SerialPortList
