// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serialline.h"

#include <QSerialPort>

namespace SerialLine {

void configure(QSerialPort *port)
{
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
}

bool open(QSerialPort *port)
{
    if (!port->isOpen()) {
        if (!port->open(QIODevice::ReadWrite))
            return false;
        // Bytes that reached the line while nobody listened belong to no request.
        port->clear(QSerialPort::Input);
        // Not every port has modem lines (a pseudo-terminal has none); a
        // refusal here is harmless.
        port->setDataTerminalReady(true);
        port->setRequestToSend(true);
        port->clearError();
    }
    return true;
}

} // namespace SerialLine
