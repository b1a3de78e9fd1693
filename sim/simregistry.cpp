#include "sim/simregistry.h"

#include <mutex>

namespace {
struct Registry {
    std::mutex mutex;
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
    std::lock_guard<std::mutex> lock(registry().mutex);
    if (!registry().ports.contains(path))
        registry().ports.append(path);
}

void removeSerialPort(const QString &path)
{
    std::lock_guard<std::mutex> lock(registry().mutex);
    registry().ports.removeAll(path);
}

QStringList serialPorts()
{
    std::lock_guard<std::mutex> lock(registry().mutex);
    return registry().ports;
}

} // namespace SimRegistry
