// SPDX-License-Identifier: GPL-3.0-or-later
#include "doctor/hotplugmonitor.h"

#include "link/protocol.h"

#include <QRegularExpression>

#ifdef Q_OS_LINUX
#include <QSocketNotifier>

#include <libudev.h>
#endif

DeviceEventSource::~DeviceEventSource() = default;

#ifdef Q_OS_LINUX

namespace {

class UdevEventSource final : public DeviceEventSource {
public:
    ~UdevEventSource() override
    {
        notifier.reset();
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }

    bool start(Sink s) override
    {
        sink = std::move(s);
        context = udev_new();
        if (!context)
            return false;
        // "udev", not "kernel": the event arrives once udev has applied its
        // rules, so the node already has the rights it will keep.
        monitor = udev_monitor_new_from_netlink(context, "udev");
        if (!monitor)
            return false;
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr);
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr);
        if (udev_monitor_enable_receiving(monitor) < 0)
            return false;
        const int fd = udev_monitor_get_fd(monitor);
        if (fd < 0)
            return false;
        notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { drain(); });
        return true;
    }

private:
    void drain()
    {
        // The socket does not block: read everything that came, then sleep.
        while (udev_device *device = udev_monitor_receive_device(monitor)) {
            const DeviceEvent event = convert(device);
            udev_device_unref(device);
            sink(event);
        }
    }

    static QString text(const char *s) { return s ? QString::fromLocal8Bit(s) : QString(); }

    static DeviceEvent convert(udev_device *device)
    {
        DeviceEvent e;
        e.action = text(udev_device_get_action(device));
        e.subsystem = text(udev_device_get_subsystem(device));
        e.devnode = text(udev_device_get_devnode(device));
        for (udev_list_entry *p = udev_device_get_properties_list_entry(device); p; p = udev_list_entry_get_next(p))
            e.properties.insert(text(udev_list_entry_get_name(p)), text(udev_list_entry_get_value(p)));
        // A hidraw node carries no ids of its own; its HID and USB parents do.
        if (udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr))
            if (const char *id = udev_device_get_property_value(hid, "HID_ID"))
                e.properties.insert(QStringLiteral("HID_ID"), text(id));
        if (udev_device *usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device")) {
            if (!e.properties.contains(QStringLiteral("ID_VENDOR_ID")))
                e.properties.insert(QStringLiteral("ID_VENDOR_ID"), text(udev_device_get_sysattr_value(usb, "idVendor")));
            if (!e.properties.contains(QStringLiteral("ID_MODEL_ID")))
                e.properties.insert(QStringLiteral("ID_MODEL_ID"), text(udev_device_get_sysattr_value(usb, "idProduct")));
        }
        return e;
    }

    Sink sink;
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
};

} // namespace

std::unique_ptr<DeviceEventSource> createUdevEventSource()
{
    return std::make_unique<UdevEventSource>();
}

#else

std::unique_ptr<DeviceEventSource> createUdevEventSource()
{
    return nullptr;
}

#endif

HotplugMonitor::HotplugMonitor(QObject *parent) : HotplugMonitor(createUdevEventSource(), parent) {}

HotplugMonitor::HotplugMonitor(std::unique_ptr<DeviceEventSource> eventSource, QObject *parent)
    : QObject(parent), source(std::move(eventSource))
{
    if (source)
        active = source->start([this](const DeviceEvent &event) { onEvent(event); });
    if (!active)
        source.reset();
}

HotplugMonitor::~HotplugMonitor() = default;

bool HotplugMonitor::isEcuArrival(const DeviceEvent &event)
{
    if (event.action != QLatin1String("add") || event.subsystem != QLatin1String("hidraw") || event.devnode.isEmpty())
        return false;
    // HID_ID is bus:vendor:product in hex, each zero-padded to 8 digits.
    static const QRegularExpression hidId(QStringLiteral("^[0-9A-F]+:0*%1:0*%2$")
                                              .arg(Protocol::HidVendorId, 0, 16)
                                              .arg(Protocol::HidProductId, 0, 16),
                                          QRegularExpression::CaseInsensitiveOption);
    if (hidId.match(event.properties.value(QStringLiteral("HID_ID"))).hasMatch())
        return true;
    bool vendorOk = false, productOk = false;
    const uint vendor = event.properties.value(QStringLiteral("ID_VENDOR_ID")).toUInt(&vendorOk, 16);
    const uint product = event.properties.value(QStringLiteral("ID_MODEL_ID")).toUInt(&productOk, 16);
    return vendorOk && productOk && vendor == Protocol::HidVendorId && product == Protocol::HidProductId;
}

bool HotplugMonitor::isSerialAdapterArrival(const DeviceEvent &event)
{
    static const QRegularExpression adapter(QStringLiteral("^/dev/tty(USB|ACM)\\d+$"));
    return event.action == QLatin1String("add") && event.subsystem == QLatin1String("tty")
        && adapter.match(event.devnode).hasMatch();
}

void HotplugMonitor::onEvent(const DeviceEvent &event)
{
    if (isEcuArrival(event))
        emit ecuArrived(event.devnode);
    else if (isSerialAdapterArrival(event))
        emit serialAdapterArrived(event.devnode);
    else if (event.action == QLatin1String("remove") && !event.devnode.isEmpty()
             && (event.subsystem == QLatin1String("hidraw") || event.subsystem == QLatin1String("tty")))
        emit deviceRemoved(event.devnode);
}
