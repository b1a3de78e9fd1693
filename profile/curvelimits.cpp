// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/curvelimits.h"

CurveLimits CurveLimits::forHardware(unsigned char hwVersion)
{
    if (hwVersion <= 10)
        return CurveLimits{-10.0f, 25.0f, 5, 10};
    return CurveLimits{-20.0f, 50.0f, 10, 5};
}

LimitCheck checkLimits(const CurveLimits &limits, const QVector<int> &values, std::optional<int> k)
{
    LimitCheck c;
    for (int i = 0; i < values.size() && i < Curve::Points; ++i)
        if (values[i] < limits.valueMin || values[i] > limits.valueMax)
            c.points.append(i);
    c.kOutside = k && !Curve::isValidK(*k);
    return c;
}

QVector<int> clampToLimits(const CurveLimits &limits, const QVector<int> &values)
{
    QVector<int> out = values;
    for (int &v : out)
        v = qBound(int(limits.valueMin), v, int(limits.valueMax));
    return out;
}

int clampK(int k)
{
    return qBound(Curve::KMin, k, Curve::KMax);
}
