#include "link/serialportlist.h"

#include "sim/simregistry.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

namespace SerialPortList {

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

QStringList availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString name = openableName(info);
        if (isPortName(name) && !names.contains(name))
            names.append(name);
    }
    for (const QString &path : SimRegistry::serialPorts())
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
