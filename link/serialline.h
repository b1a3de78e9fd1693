// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ECU's serial line: 9600 baud, 8 data bits, no parity, 1 stop bit, no
// flow control; RTS and DTR on where the port supports them.

class QSerialPort;

namespace SerialLine {

// Line settings of a port that is not open yet (they are applied on open).
void configure(QSerialPort *port);
// Opens the port for reading and writing unless it is open already, drops any
// input left in the line from an earlier conversation and raises RTS and DTR.
// Returns whether the port is open.
bool open(QSerialPort *port);

} // namespace SerialLine
