// The real ECU on USB, reached through hidapi (hidraw backend on Linux).

#include "link/hiddevice.h"

#include <hidapi.h>

#include <algorithm>

HidDevice::~HidDevice() = default;

namespace {

class HidApiDevice final : public HidDevice {
public:
    explicit HidApiDevice(hid_device *handle) : handle(handle) {}
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
};

} // namespace

std::unique_ptr<HidDevice> openHidApiDevice(unsigned short vendorId, unsigned short productId)
{
    hid_device *handle = hid_open(vendorId, productId, nullptr);
    if (!handle)
        return nullptr;
    return std::make_unique<HidApiDevice>(handle);
}

void hidApiExit()
{
    hid_exit();
}
