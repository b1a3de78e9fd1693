// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/textfields.h"

#include <cmath>

namespace Mixture {
namespace Text {

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

Span trim(const char *b, const char *e, char sep)
{
    // A tab is a blank only when it does not separate the fields.
    while (b < e && blank(*b) && !(sep == '\t' && *b == '\t'))
        ++b;
    while (e > b && blank(e[-1]) && !(sep == '\t' && e[-1] == '\t'))
        --e;
    if (e - b >= 2 && *b == '"' && e[-1] == '"') {
        ++b;
        --e;
    }
    return Span{b, e};
}

// 10^k, exact as doubles up to 10^22.
const double pow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool digits(const char *&p, const char *e, int n, int *v)
{
    int r = 0;
    for (int i = 0; i < n; ++i, ++p) {
        if (p >= e || *p < '0' || *p > '9')
            return false;
        r = r * 10 + (*p - '0');
    }
    *v = r;
    return true;
}

// Days from 1970-01-01 of a proleptic Gregorian date.
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return qint64(era) * 146097 + doe - 719468;
}

} // namespace

void split(const char *begin, const char *end, char sep, QVector<Span> *fields)
{
    fields->clear();
    const char *p = begin;
    while (true) {
        const char *q = p;
        // A quoted field may hold the separator.
        const char *s = p;
        while (s < end && blank(*s) && *s != sep)
            ++s;
        if (s < end && *s == '"') {
            q = s + 1;
            while (q < end && *q != '"')
                ++q;
        }
        while (q < end && *q != sep)
            ++q;
        fields->append(trim(p, q, sep));
        if (q >= end)
            break;
        p = q + 1;
    }
}

bool toDouble(Span s, bool comma, double *value)
{
    const char *p = s.begin;
    const char *e = s.end;
    if (p == e)
        return false;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
    }

    quint64 mantissa = 0;
    int scale = 0;
    int seen = 0;
    bool exact = true;
    for (; p < e && *p >= '0' && *p <= '9'; ++p, ++seen) {
        if (mantissa < 100000000000000000ULL)
            mantissa = mantissa * 10 + quint64(*p - '0');
        else
            ++scale, exact = false;
    }
    if (p < e && (*p == '.' || (comma && *p == ','))) {
        for (++p; p < e && *p >= '0' && *p <= '9'; ++p, ++seen) {
            if (mantissa < 100000000000000000ULL) {
                mantissa = mantissa * 10 + quint64(*p - '0');
                --scale;
            }
        }
    }
    if (seen == 0)
        return false;
    if (p < e && (*p == 'e' || *p == 'E')) {
        ++p;
        bool eneg = false;
        if (p < e && (*p == '-' || *p == '+'))
            eneg = *p++ == '-';
        int ex = 0;
        int n = 0;
        for (; p < e && *p >= '0' && *p <= '9'; ++p, ++n)
            ex = ex < 10000 ? ex * 10 + (*p - '0') : ex;
        if (n == 0)
            return false;
        scale += eneg ? -ex : ex;
    }
    if (p != e)
        return false;
    double v = double(mantissa);
    if (scale < 0 && scale >= -22 && exact && mantissa < (1ULL << 53))
        v /= pow10[-scale];  // one correctly rounded division
    else if (scale != 0)
        v *= std::pow(10.0, scale);
    if (!std::isfinite(v))
        return false;
    *value = negative ? -v : v;
    return true;
}

bool toInt(Span s, int *value)
{
    const char *p = s.begin;
    if (p == s.end)
        return false;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    if (p == s.end)
        return false;
    qint64 v = 0;
    for (; p < s.end; ++p) {
        if (*p < '0' || *p > '9' || v > 1000000000000LL)
            return false;
        v = v * 10 + (*p - '0');
    }
    v = negative ? -v : v;
    if (v < -2147483647LL || v > 2147483647LL)
        return false;
    *value = int(v);
    return true;
}

bool looksLikeDateTime(Span s)
{
    bool dash = false;
    for (const char *p = s.begin; p < s.end; ++p) {
        if (*p == '-' && p != s.begin)
            dash = true;
        if (*p == ':')
            return dash;
    }
    return false;
}

bool toDateTimeMs(Span s, double *ms)
{
    const char *p = s.begin;
    const char *e = s.end;
    int y, mo, d, h, mi, sec = 0;
    if (!digits(p, e, 4, &y) || p >= e || *p++ != '-' || !digits(p, e, 2, &mo) || p >= e || *p++ != '-'
        || !digits(p, e, 2, &d) || p >= e || (*p != 'T' && *p != ' '))
        return false;
    ++p;
    if (!digits(p, e, 2, &h) || p >= e || *p++ != ':' || !digits(p, e, 2, &mi))
        return false;
    double fraction = 0;
    if (p < e && *p == ':') {
        ++p;
        if (!digits(p, e, 2, &sec))
            return false;
        if (p < e && (*p == '.' || *p == ',')) {
            ++p;
            double scale = 0.1;
            int n = 0;
            for (; p < e && *p >= '0' && *p <= '9'; ++p, ++n, scale /= 10)
                fraction += (*p - '0') * scale;
            if (n == 0)
                return false;
        }
    }
    if (p < e && *p == 'Z')
        ++p;
    else if (p < e && (*p == '+' || *p == '-')) {
        ++p;
        int zh, zm = 0;
        if (!digits(p, e, 2, &zh))
            return false;
        if (p < e && *p == ':')
            ++p;
        if (p < e && !digits(p, e, 2, &zm))
            return false;
    }
    if (p != e || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || sec > 60)
        return false;
    const qint64 whole = ((daysFromCivil(y, mo, d) * 24 + h) * 60 + mi) * 60 + sec;
    *ms = double(whole) * 1000.0 + std::round(fraction * 1e6) / 1e3;
    return true;
}

} // namespace Text
} // namespace Mixture
