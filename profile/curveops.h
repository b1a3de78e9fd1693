// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Operations on a range of curve points, and the text form in which the
// points travel to and from spreadsheets. Plain functions on values: every
// result is clamped to the layout's limits; points outside the range given
// are never touched.

#include <QString>
#include <QVector>

namespace CurveOps {

struct Range {
    int min;
    int max;
    int clamp(int v) const { return v < min ? min : (v > max ? max : v); }
};

// Each returns the whole curve with the selected points changed.
QVector<int> setTo(QVector<int> values, const QVector<int> &points, int value, Range r);
QVector<int> add(QVector<int> values, const QVector<int> &points, int delta, Range r);
// value × percent / 100, rounded half away from zero.
QVector<int> scale(QVector<int> values, const QVector<int> &points, double percent, Range r);
// The points strictly between the first and the last selected one (by
// index) on the straight line between those two.
QVector<int> interpolate(QVector<int> values, const QVector<int> &points, Range r);
// Each selected point becomes the rounded mean of itself and its
// neighbours (the ends have one neighbour), from the values before.
QVector<int> smooth(QVector<int> values, const QVector<int> &points, Range r);

// One number as a person types it, with '.' or ',' as the decimal mark. A
// comma followed by more than one digit reads like two numbers ("10,20"
// from a list) and is refused rather than taken for 10.2, as is anything
// else that is not one number.
bool parseNumber(const QString &text, double *value);

// Tab-separated values, one line.
QString toText(const QVector<int> &values);
// Numbers separated by tabs, line breaks, semicolons or blanks; a decimal
// point or comma is allowed and rounded. False (with the offending cell in
// `error`) when a cell is not a number.
bool parseText(const QString &text, QVector<int> *numbers, QString *error);

} // namespace CurveOps
