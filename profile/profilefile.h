// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile file (*.prf): exactly 42 bytes, the 41 curve points as signed
// bytes (point i at offset i) followed by the injection constant K, signed.
// No header, no checksum. Encoding, decoding, a safe save and a load that
// never blocks; no widgets.

#include <QByteArray>
#include <QString>
#include <QVector>

#include "profile/curvelimits.h"

namespace ProfileFile {


constexpr int FileSize = Curve::Points + 1;

struct Profile {
    QVector<int> values;  // 41 whole numbers, -128 to 127
    int k = 0;            // signed 8-bit as stored
};

// A curve value as the ECU and the files keep it: truncated toward zero,
// low 8 bits. Non-finite values count as 0.
char curveByte(double y);

// The 42 file bytes; missing points are written as 0, extra ones ignored.
QByteArray encode(const QVector<int> &values, int k);
// Refuses (false, with `error` set) anything that is not exactly 42 bytes.
bool decode(const QByteArray &bytes, Profile *profile, QString *error);

// Writes through a temporary file that replaces `path` only once the new
// content is on disk: on failure the old file is untouched and `error`
// says why.
bool save(const QString &path, const QVector<int> &values, int k, QString *error);
// Creates `path` as a new file; never replaces or follows whatever carries
// the name already, and says so in `taken`.
bool saveNew(const QString &path, const QVector<int> &values, int k, QString *error, bool *taken);
// Reads and decodes `path` (a regular file only); on failure `profile` is
// untouched.
bool load(const QString &path, Profile *profile, QString *error);

} // namespace ProfileFile
