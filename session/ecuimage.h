// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ECU image as the profile transfer sees it: the bytes a write sends
// (cell i at position i) and what a read brings back. Plain data handling.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace EcuImage {

// The cells of a profile write: the 41 curve values as signed bytes; on a
// 90-cell ECU followed by the profile's file name (the part of
// `profilePath` after its last '/', Latin-1, cut or padded with 0x00 to 40
// bytes). 41 or 81 bytes.
QByteArray buildWrite(const QVector<int> &values, unsigned char hwVersion, const QString &profilePath);

struct Decoded {
    QVector<int> values;  // 41 signed values
    int k = 0;            // signed
    bool bench = false;   // the test-bench flag cell is nonzero
    QString profileName;  // 90-cell ECU only: printable name bytes 41 to 79
};
// Decodes the cells of a profile read; a missing cell counts as 0.
Decoded decodeRead(const QByteArray &image, unsigned char hwVersion);

// Cells whose read-back differs from what was written: (cell, written, read).
struct Mismatch {
    int cell;
    int written;  // unsigned byte values, as on the wire
    int read;
};
QVector<Mismatch> compare(const QByteArray &written, const QByteArray &readBack);

} // namespace EcuImage
