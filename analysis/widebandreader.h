// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A wideband controller that streams its reading as ASCII text on a serial
// port, one number per line (AFR or lambda; a decimal comma is accepted),
// 9600 baud unless told otherwise. Lines that are no number are counted,
// never emitted; a line longer than any reading (a wrong baud rate, binary
// noise) is thrown away whole.

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>

#include "analysis/mixturetypes.h"

namespace Mixture {

class WidebandReader : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxLine = 32;

    explicit WidebandReader(QObject *parent = nullptr);
    ~WidebandReader() override;

    // `unit` Auto: a value below 3 is lambda, else AFR. `stoich` converts.
    bool open(const QString &port, int baud, QString *error);
    void close();
    bool isOpen() const { return port.isOpen(); }
    void setUnit(Unit u, double stoichRatio)
    {
        unit = u;
        stoich = stoichRatio;
    }

    // The latest reading as AFR (NaN before the first one).
    double lastAfr() const { return afr; }
    int badLines() const { return bad; }

    // For tests and other carriers: one chunk of bytes as they came.
    void feed(const QByteArray &bytes);

signals:
    // `afr` and `lambda` of one reading; `ms` since open().
    void reading(double afr, double lambda, qint64 ms);
    void lost(const QString &error);

private:
    void line(const QByteArray &text);

    QSerialPort port;
    QByteArray pending;
    bool skipping = false;
    Unit unit = Unit::Auto;
    double stoich = 14.7;
    double afr = NaN;
    int bad = 0;
    QElapsedTimer clock;
};

} // namespace Mixture
