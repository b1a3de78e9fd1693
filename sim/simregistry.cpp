#include "sim/simregistry.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
struct Registry {
    QMutex mutex;
    QStringList ports;
};
// Never destroyed: simulators may unregister while the process exits.
Registry &registry()
{
    static Registry *r = new Registry;
    return *r;
}
} // namespace

namespace SimRegistry {

void addSerialPort(const QString &path)
{
    QMutexLocker lock(&registry().mutex);
    if (!registry().ports.contains(path))
        registry().ports.append(path);
}

void removeSerialPort(const QString &path)
{
    QMutexLocker lock(&registry().mutex);
    registry().ports.removeAll(path);
}

QStringList serialPorts()
{
    QMutexLocker lock(&registry().mutex);
    return registry().ports;
}

} // namespace SimRegistry
