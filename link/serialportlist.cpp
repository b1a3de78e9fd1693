// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serialportlist.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <mutex>
namespace SerialPortList {

namespace {
std::mutex extraMutex;
QStringList &extra()
{
    static QStringList *ports = new QStringList;  // never destroyed: removed from at exit
    return *ports;
}
} // namespace

void addExtraPort(const QString &path)
{
    std::lock_guard<std::mutex> lock(extraMutex);
    if (!extra().contains(path))
        extra().append(path);
}

void removeExtraPort(const QString &path)
{
    std::lock_guard<std::mutex> lock(extraMutex);
    extra().removeAll(path);
}

QStringList extraPorts()
{
    std::lock_guard<std::mutex> lock(extraMutex);
    return extra();
}

QString openableName(const QSerialPortInfo &info)
{
#ifdef Q_OS_WIN
    return info.portName();
#else
    // QSerialPort opens a bare name as /dev/<name>; when the port lives
    // somewhere else, its full location is the name that opens it.
    const QString location = info.systemLocation();
    if (location.isEmpty() || location == QLatin1String("/dev/") + info.portName())
        return info.portName();
    return location;
#endif
}

bool isPortName(const QString &name)
{
#ifdef Q_OS_WIN
    return name.contains(QLatin1String("COM"));
#else
    // A device path, or a bare device name such as ttyUSB0.
    static const QRegularExpression bare(QStringLiteral("^[A-Za-z0-9_.+-]+$"));
    if (name.startsWith(QLatin1String("/dev/")))
        return !name.contains(QLatin1String("/../"));
    return bare.match(name).hasMatch();
#endif
}

bool isTypedPortName(const QString &name)
{
#ifdef Q_OS_WIN
    return isPortName(name);
#else
    return (name.startsWith(QLatin1Char('/')) && name.size() > 1) || isPortName(name);
#endif
}

QStringList availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString name = openableName(info);
        if (isPortName(name) && !names.contains(name))
            names.append(name);
    }
    for (const QString &path : extraPorts())
        if (isPortName(path) && !names.contains(path))
            names.append(path);
    return names;
}

} // namespace SerialPortList

namespace SerialPortList {

QString displayName(const QString &name)
{
    QString shown = name;
    return shown.remove(QStringLiteral("\\\\.\\"));
}

} // namespace SerialPortList
