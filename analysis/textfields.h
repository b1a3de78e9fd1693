// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Field splitting and number and date-time reading for text logs, without
// allocations per field and without the C locale (a process whose locale
// writes "3,5" must still read "3.5").

#include <QByteArray>
#include <QVector>

namespace Mixture {
namespace Text {

struct Span {
    const char *begin = nullptr;
    const char *end = nullptr;
    bool empty() const { return begin == end; }
    QByteArray bytes() const { return QByteArray(begin, int(end - begin)); }
};

// Splits one line (no line end) at `sep`; surrounding blanks and a pair of
// double quotes are taken off each field.
void split(const char *begin, const char *end, char sep, QVector<Span> *fields);

// A decimal number ("-12", "3.25", "1e-3"); with `comma` a ',' is taken
// as the decimal mark as well as '.'. False for anything else, the whole field
// being the number.
bool toDouble(Span s, bool comma, double *value);
bool toInt(Span s, int *value);

// "2026-12-08T21:04:33.125" (or a blank for the T, seconds optional
// fraction of any length, a trailing Z or +hh:mm ignored): milliseconds
// since 1970-01-01 as written, no time zone applied.
bool toDateTimeMs(Span s, double *ms);
// Looks like a date-time (a '-' before a ':'), as opposed to a number.
bool looksLikeDateTime(Span s);

} // namespace Text
} // namespace Mixture
