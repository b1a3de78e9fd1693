// SPDX-License-Identifier: GPL-3.0-or-later
// The real ECU on USB, reached through hidapi (hidraw backend on Linux).

#include "link/hiddevice.h"
#include "link/protocol.h"

#include <hidapi.h>

#include <algorithm>

HidDevice::~HidDevice() = default;

namespace {

class HidApiDevice final : public HidDevice {
public:
    HidApiDevice(hid_device *handle, const QString &path) : handle(handle), devicePath(path) {}
    ~HidApiDevice() override { hid_close(handle); }
    HidApiDevice(const HidApiDevice &) = delete;
    HidApiDevice &operator=(const HidApiDevice &) = delete;

    int write(const unsigned char *data, size_t length) override
    {
        return hid_write(handle, data, length);
    }

    int read(unsigned char *buffer, size_t length, int timeoutMs) override
    {
        // Never wait without a bound: a device that stops answering must not
        // freeze the caller.
        return hid_read_timeout(handle, buffer, length, std::max(0, timeoutMs));
    }

    QString manufacturer() const override { return text(&hid_get_manufacturer_string); }
    QString product() const override { return text(&hid_get_product_string); }
    QString serialNumber() const override { return text(&hid_get_serial_number_string); }
    QString path() const override { return devicePath; }

private:
    using StringGetter = int (*)(hid_device *, wchar_t *, size_t);
    QString text(StringGetter getter) const
    {
        constexpr size_t capacity = 255;
        wchar_t buffer[capacity + 1] = {};
        if (getter(handle, buffer, capacity) < 0)
            return QString();
        buffer[capacity] = L'\0';
        return QString::fromWCharArray(buffer);
    }

    hid_device *handle;
    QString devicePath;
};

} // namespace

std::unique_ptr<HidDevice> openHidApiDevice(unsigned short vendorId, unsigned short productId)
{
    // The first matching device, by its path, so that the path can name it.
    hid_device_info *list = hid_enumerate(vendorId, productId);
    QString path;
    hid_device *handle = nullptr;
    for (hid_device_info *d = list; d && !handle; d = d->next) {
        if (!d->path)
            continue;
        handle = hid_open_path(d->path);
        if (handle)
            path = QString::fromLocal8Bit(d->path);
    }
    hid_free_enumeration(list);
    if (!handle)
        return nullptr;
    return std::make_unique<HidApiDevice>(handle, path);
}

HidOpener hidApiOpener()
{
    return [] { return openHidApiDevice(Protocol::HidVendorId, Protocol::HidProductId); };
}

void hidApiExit()
{
    hid_exit();
}
