// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Device arrival and removal, as udev announces them: the ECU's USB HID
// interface plugged in, a USB serial adapter plugged in, a device node gone.
// The window offers a search on arrival and takes the removal of the node it
// is linked to as a lost link. Event-driven: nothing runs while nothing is
// plugged or unplugged; without udev (or off Linux) it stays silent.

#include <QMap>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

struct DeviceEvent {
    QString action;     // "add", "remove", ...
    QString subsystem;  // "hidraw", "tty", ...
    QString devnode;    // "/dev/hidraw3"
    // The device's udev properties, plus those of its HID parent (HID_ID)
    // and the USB ids (ID_VENDOR_ID, ID_MODEL_ID) where the system has them.
    QMap<QString, QString> properties;
};

// Where the events come from: udev's monitor, or a test's hand.
class DeviceEventSource {
public:
    using Sink = std::function<void(const DeviceEvent &)>;
    virtual ~DeviceEventSource();
    // Starts delivering events to `sink` (in the thread of the caller's event
    // loop); false when no event can ever come.
    virtual bool start(Sink sink) = 0;
};

// udev's netlink monitor for the hidraw and tty subsystems; null when udev
// cannot be reached or off Linux.
std::unique_ptr<DeviceEventSource> createUdevEventSource();

class HotplugMonitor : public QObject {
    Q_OBJECT
public:
    // Watches udev.
    explicit HotplugMonitor(QObject *parent = nullptr);
    // Watches the given source (may be null: then nothing is ever reported).
    explicit HotplugMonitor(std::unique_ptr<DeviceEventSource> source, QObject *parent = nullptr);
    ~HotplugMonitor() override;

    // Whether events can arrive at all.
    bool isActive() const { return active; }

    // Whether an event announces the ECU's HID interface or a USB serial
    // adapter (ttyUSB, ttyACM).
    static bool isEcuArrival(const DeviceEvent &event);
    static bool isSerialAdapterArrival(const DeviceEvent &event);

signals:
    void ecuArrived(const QString &devnode);
    void serialAdapterArrived(const QString &devnode);
    void deviceRemoved(const QString &devnode);

private:
    void onEvent(const DeviceEvent &event);

    std::unique_ptr<DeviceEventSource> source;
    bool active = false;
};
