// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/curveops.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace CurveOps {

namespace {

QVector<int> sorted(QVector<int> points, int size)
{
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    points.erase(std::remove_if(points.begin(), points.end(), [size](int p) { return p < 0 || p >= size; }),
                 points.end());
    return points;
}

int roundHalfAway(double v)
{
    return int(v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5));
}

} // namespace

QVector<int> setTo(QVector<int> values, const QVector<int> &points, int value, Range r)
{
    for (int p : sorted(points, values.size()))
        values[p] = r.clamp(value);
    return values;
}

QVector<int> add(QVector<int> values, const QVector<int> &points, int delta, Range r)
{
    for (int p : sorted(points, values.size()))
        values[p] = r.clamp(values[p] + delta);
    return values;
}

QVector<int> scale(QVector<int> values, const QVector<int> &points, double percent, Range r)
{
    if (!std::isfinite(percent))
        return values;
    for (int p : sorted(points, values.size()))
        values[p] = r.clamp(roundHalfAway(qBound(-1.0e6, values[p] * percent / 100.0, 1.0e6)));
    return values;
}

QVector<int> interpolate(QVector<int> values, const QVector<int> &points, Range r)
{
    const QVector<int> sel = sorted(points, values.size());
    if (sel.size() < 2)
        return values;
    const int a = sel.first();
    const int b = sel.last();
    const double va = values[a];
    const double vb = values[b];
    for (int p : sel)
        if (p > a && p < b)
            values[p] = r.clamp(roundHalfAway(va + (vb - va) * (p - a) / double(b - a)));
    return values;
}

QVector<int> smooth(QVector<int> values, const QVector<int> &points, Range r)
{
    const QVector<int> before = values;
    const int n = values.size();
    for (int p : sorted(points, n)) {
        double sum = before[p];
        int count = 1;
        if (p > 0) {
            sum += before[p - 1];
            ++count;
        }
        if (p < n - 1) {
            sum += before[p + 1];
            ++count;
        }
        values[p] = r.clamp(roundHalfAway(sum / count));
    }
    return values;
}

QString toText(const QVector<int> &values)
{
    QStringList cells;
    for (int v : values)
        cells << QString::number(v);
    return cells.join(QLatin1Char('\t'));
}

bool parseNumber(const QString &text, double *value)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:(?:\\d+(?:\\.\\d*)?|\\.\\d+)(?:[eE][+-]?\\d+)?|\\d*,\\d)$"));
    QString t = text.trimmed();
    if (!number.match(t).hasMatch())
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

bool parseText(const QString &text, QVector<int> *numbers, QString *error)
{
    static const QRegularExpression separators(QStringLiteral("[\\t\\r\\n; ]+"));
    QVector<int> out;
    for (const QString &cell : text.split(separators, Qt::SkipEmptyParts)) {
        double v = 0;
        if (!parseNumber(cell, &v) || std::fabs(v) > 1.0e6) {
            if (error)
                *error = QCoreApplication::translate("CurveOps", "\"%1\" non è un numero").arg(cell.left(40));
            return false;
        }
        out.append(roundHalfAway(v));
    }
    if (out.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("CurveOps", "nessun numero da incollare");
        return false;
    }
    *numbers = out;
    return true;
}

} // namespace CurveOps
