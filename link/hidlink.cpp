#include "link/hidlink.h"

#include "link/hiddevice.h"
#include "link/protocol.h"

#include <cstdio>

namespace HidLink {

int drainInput(HidDevice *device)
{
    // Bounded, in case a device floods us with reports.
    constexpr int maxDrained = 64;
    unsigned char buffer[Protocol::HidReportSize];
    int drained = 0;
    while (drained < maxDrained && device->read(buffer, sizeof buffer, 0) > 0)
        ++drained;
    return drained;
}

Exchange exchange(HidDevice *device, const QByteArray &report, int timeoutMs)
{
    Exchange x;
    drainInput(device);
    x.written = device->write(reinterpret_cast<const unsigned char *>(report.constData()),
                              static_cast<size_t>(report.size()));
    if (x.written < 0) {
        x.read = -1;
        return x;
    }
    unsigned char buffer[Protocol::HidReportSize] = {};
    x.read = device->read(buffer, sizeof buffer, qBound(0, timeoutMs, ReadTimeoutMs));
    if (x.read > 0)
        x.reply = QByteArray(reinterpret_cast<const char *>(buffer), x.read);
    return x;
}

std::optional<CDevInfo> probe(HidDevice *device, int attempts, int timeoutMs)
{
    if (!device)
        return std::nullopt;
    const QByteArray report = Protocol::makeHidProbeReport();
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const Exchange x = exchange(device, report, timeoutMs);
        std::printf("bytes written=%d\n", x.written);
        if (x.read < 0)
            std::puts("Unable to read()");
        std::printf("bytes read=%d\n", x.read);
        QByteArray shown = x.reply.left(8);
        shown.append(QByteArray(8 - shown.size(), '\0'));
        for (int i = 0; i < 8; ++i)
            std::printf("buf[%d]=%02X\r\n", i, static_cast<unsigned char>(shown[i]));
        std::fflush(stdout);
        if (x.read >= 7 && Protocol::isProbeOk(x.reply))
            return CDevInfo::fromBytes(reinterpret_cast<const unsigned char *>(x.reply.constData()) + 2);
    }
    return std::nullopt;
}

} // namespace HidLink
