// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/pointlist.h"

#include "profile/curvelimits.h"

#include <QRegularExpression>

#include <algorithm>

namespace PointList {

Parsed parse(const QString &text, bool allowK)
{
    static const QRegularExpression range(QStringLiteral("^(\\d{1,3})(?:\\s*-\\s*(\\d{1,3}))?$"));
    Parsed r;
    for (const QString &raw : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString part = raw.trimmed();
        if (allowK && part.compare(QLatin1String("K"), Qt::CaseInsensitive) == 0) {
            r.k = true;
            continue;
        }
        const QRegularExpressionMatch m = range.match(part);
        const int from = m.captured(1).toInt();
        const int to = m.captured(2).isEmpty() ? from : m.captured(2).toInt();
        if (!m.hasMatch() || from > to || to >= Curve::Points) {
            r.wrongPart = part;
            return r;
        }
        for (int i = from; i <= to; ++i)
            r.points.append(i);
    }
    std::sort(r.points.begin(), r.points.end());
    r.points.erase(std::unique(r.points.begin(), r.points.end()), r.points.end());
    r.ok = !r.points.isEmpty() || r.k;
    return r;
}

} // namespace PointList
