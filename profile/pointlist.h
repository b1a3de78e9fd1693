// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list of curve points as a tuner types it: "0-10,14,38-40", and "K" for
// the injection constant where it may be chosen too. Blanks around the
// parts are allowed; every point is 0..40, ranges run upwards.

#include <QString>
#include <QVector>

namespace PointList {

struct Parsed {
    QVector<int> points;  // ascending, each once
    bool k = false;       // "K" (any case) was among the parts
    bool ok = false;
    QString wrongPart;    // the first part that is neither a point, a range nor (allowed) K
};

Parsed parse(const QString &text, bool allowK);

} // namespace PointList
