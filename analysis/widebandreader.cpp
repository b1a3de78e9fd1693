// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/widebandreader.h"

#include "analysis/textfields.h"

#include <QCoreApplication>

namespace Mixture {

WidebandReader::WidebandReader(QObject *parent) : QObject(parent)
{
    clock.start();
    connect(&port, &QSerialPort::readyRead, this, [this] { feed(port.readAll()); });
    connect(&port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError) {
            const QString why = port.errorString();
            port.close();
            emit lost(why);
        }
    });
}

WidebandReader::~WidebandReader()
{
    close();
}

bool WidebandReader::open(const QString &name, int baud, QString *error)
{
    close();
    port.setPortName(name);
    port.setBaudRate(baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("Mixture", "impossibile aprire la sonda su %1: %2")
                         .arg(name, port.errorString());
        return false;
    }
    pending.clear();
    skipping = false;
    clock.restart();
    return true;
}

void WidebandReader::close()
{
    if (port.isOpen())
        port.close();
}

void WidebandReader::feed(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (c == '\n' || c == '\r') {
            if (!skipping && !pending.isEmpty())
                line(pending);
            pending.clear();
            skipping = false;
        } else if (!skipping) {
            pending += c;
            if (pending.size() > MaxLine) {
                ++bad;
                pending.clear();
                skipping = true;
            }
        }
    }
}

void WidebandReader::line(const QByteArray &text)
{
    Text::Span s{text.constData(), text.constData() + text.size()};
    // Some controllers add a unit or a label after the number.
    const char *e = s.begin;
    while (e < s.end && ((*e >= '0' && *e <= '9') || *e == '.' || *e == ',' || *e == '-' || *e == '+' || *e == ' '))
        ++e;
    double v = 0;
    if (!Text::toDouble(Text::Span{s.begin, e}, true, &v) && !Text::toDouble(s, true, &v)) {
        ++bad;
        return;
    }
    const bool isLambda = unit == Unit::Lambda || (unit == Unit::Auto && v < 3.0);
    const double lambda = isLambda ? v : v / stoich;
    afr = lambda * stoich;
    emit reading(afr, lambda, clock.elapsed());
}

} // namespace Mixture
