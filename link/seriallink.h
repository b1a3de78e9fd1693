// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ECU on a serial port (a USB-serial adapter, a Bluetooth port, the
// simulator's pseudo-terminal): 9600 8N1, replies assembled by ReplyFramer.

#include "link/devicelock.h"
#include "link/eculink.h"
#include "link/replyframer.h"

#include <QElapsedTimer>
#include <QSerialPort>

class SerialLink : public EcuLink {
    Q_OBJECT
public:
    SerialLink(const QString &path, const QString &lockDir = QString(), QObject *parent = nullptr);
    ~SerialLink() override;

    bool open() override;
    void close() override;
    bool isOpen() const override;
    void send(const QByteArray &frame) override;
    QString name() const override { return path; }
    bool isHid() const override { return false; }
    void readPending() override { onReadyRead(); }

    QSerialPort *port() { return &serial; }

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void account(const ReplyFramer::Result &r);

    QString path;
    QSerialPort serial;
    ReplyFramer framer;
    DeviceLock lock;
    QElapsedTimer clock;
};
