// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/curvebytes.h"

#include <cmath>

namespace CurveBytes {

char fromValue(double y)
{
    if (!std::isfinite(y))
        return 0;
    // Bounded first so that the conversion to an integer is always defined.
    const qint64 whole = static_cast<qint64>(std::trunc(qBound(-1.0e9, y, 1.0e9)));
    return static_cast<char>(whole & 0xFF);
}

QByteArray fromValues(const QVector<int> &values, int count)
{
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count && i < values.size(); ++i)
        bytes[i] = fromValue(values.at(i));
    return bytes;
}

QVector<int> toValues(const QByteArray &bytes, int from, int count)
{
    QVector<int> values;
    values.reserve(count);
    for (int i = from; i < from + count; ++i)
        values.append(i >= 0 && i < bytes.size() ? toValue(bytes.at(i)) : 0);
    return values;
}

} // namespace CurveBytes
