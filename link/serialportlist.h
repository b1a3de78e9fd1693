#pragma once
// The serial ports the port search offers, and which chosen names it probes.
// Windows names its serial ports COMn (possibly behind the "\\.\" prefix): only
// names containing "COM" count there. Elsewhere every port the system lists
// counts, by the name that opens it, plus the ports of running simulators.

#include <QString>
#include <QStringList>

class QSerialPortInfo;

namespace SerialPortList {

// The names to list, in the system's order, simulators last, no duplicates.
QStringList availablePortNames();
// Whether a chosen list entry is a port to probe (the same rule as the list;
// the list's leading "<...>" prompt never is).
bool isPortName(const QString &name);
// The name by which a listed port is opened.
QString openableName(const QSerialPortInfo &info);

} // namespace SerialPortList

namespace SerialPortList {
// The port name as shown to the user: every "\\.\" prefix removed (Windows
// may name a port \\.\COM12). The name used to open the port is unchanged.
QString displayName(const QString &name);
} // namespace SerialPortList
