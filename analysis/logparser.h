// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the two kinds of log into plain data. A log that cannot be read
// is refused as a whole, with the file, the line and the reason; nothing is
// guessed past a bad line.
//
// Live log (the window's recorder, tervalix-cli monitor --csv): the header
// names the columns time, elapsed_ms, rpm, adc, cell_index, cell_value and
// optionally afr, in any order. A last line cut short by a crash is left
// out and said (Log notes).
//
// Wideband log, from any logger: a header line (lines before it that name
// no known column are skipped), separator ',' ';' or tab (the one the
// header uses most), a decimal comma accepted with ';' or tab. Columns by
// name, case-insensitive, units in brackets ignored for the match:
// time: time, timestamp, seconds, sec, ms, time_ms; mixture: afr, lambda,
// λ, o2, wideband; rpm: rpm. Times are seconds unless the name or the unit
// says ms; a date-time (ISO 8601) makes the log absolute. The mixture is
// AFR or lambda by the column's name or unit, else by its values (a median
// above 3 is AFR). A mixture field without a number (a logger's "---"
// during warm-up) is kept as no reading; a time without one is refused.

#include "analysis/mixturetypes.h"

namespace Mixture {

struct ParseError {
    QString file;
    int line = 0;       // 1-based; 0: the file as a whole
    QString reason;
    // "giro.csv:12: ..." (or "giro.csv: ..." without a line).
    QString text() const;
};

bool parseEcuLog(const QByteArray &bytes, const QString &name, EcuLog *log, ParseError *error,
                 QStringList *notes = nullptr);
bool parseWidebandLog(const QByteArray &bytes, const QString &name, const WidebandFormat &format,
                      WidebandLog *log, ParseError *error, QStringList *notes = nullptr);

// The same from a file (a regular file, at most MaxFileBytes).
constexpr qint64 MaxFileBytes = 512LL * 1024 * 1024;
bool loadEcuLog(const QString &path, EcuLog *log, ParseError *error, QStringList *notes = nullptr);
bool loadWidebandLog(const QString &path, const WidebandFormat &format, WidebandLog *log,
                     ParseError *error, QStringList *notes = nullptr);

// Hex SHA-256 of `bytes`, as the result names its inputs.
QByteArray sha256Hex(const QByteArray &bytes);

} // namespace Mixture
