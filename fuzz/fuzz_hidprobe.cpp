// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary HID input reports as answers to the port search's probe:
// recognition and the decoding of the device-information record.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "link/cdevinfo.h"
#include "profile/curvelimits.h"
#include "link/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // hid_read fills at most a 65-byte buffer; shorter reads leave the rest as
    // it was (zeros here).
    unsigned char buffer[Protocol::HidReportSize] = {};
    memcpy(buffer, data, size < sizeof buffer ? size : sizeof buffer);
    const QByteArray reply(reinterpret_cast<const char *>(buffer), Protocol::FrameSize);
    if (!Protocol::isProbeOk(reply))
        return 0;
    const CDevInfo info = CDevInfo::fromBytes(buffer + 2);
    const QString text = info.statusText();
    if (!text.startsWith(QLatin1String("Tervalix: HW")))
        abort();
    if (text.contains(QLatin1String("CYL")) != (info.cylinders != 0))
        abort();
    // The three version characters close the text, whatever they are.
    const QString tail = QString(QChar::fromLatin1(char(info.verMajor))) + QLatin1Char('.')
        + QChar::fromLatin1(char(info.verMinor)) + QStringLiteral("-R") + QChar::fromLatin1(char(info.revision));
    if (!text.endsWith(tail))
        abort();
    const CurveLimits limits = CurveLimits::forHardware(info.hwVersion);
    if (!(limits.valueMin < limits.valueMax) || limits.valueStep <= 0 || limits.keyStep <= 0)
        abort();
    return 0;
}
