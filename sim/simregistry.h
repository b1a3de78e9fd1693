#pragma once
// The serial ports of the simulators running in this process, so that the
// port search can offer them next to the system's own ports.

#include <QString>
#include <QStringList>

namespace SimRegistry {
void addSerialPort(const QString &path);
void removeSerialPort(const QString &path);
QStringList serialPorts();
} // namespace SimRegistry
