// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place where curve values become bytes and bytes become values: the
// ECU's cells and the profile files both keep a point as a signed 8-bit
// number.

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

namespace CurveBytes {

// A value as stored: truncated toward zero, low 8 bits. Non-finite values
// count as 0.
char fromValue(double value);
inline char fromValue(int value) { return static_cast<char>(value & 0xFF); }
// A stored byte as a value: signed, -128 to 127.
inline int toValue(char byte) { return static_cast<qint8>(byte); }

// `count` bytes, one per value; missing values are 0, extra ones ignored.
QByteArray fromValues(const QVector<int> &values, int count);
// One value per byte of bytes[from, from + count); missing bytes read as 0.
QVector<int> toValues(const QByteArray &bytes, int from, int count);

} // namespace CurveBytes
