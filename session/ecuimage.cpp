// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ecuimage.h"

#include "link/protocol.h"
#include "profile/curvebytes.h"
#include "profile/curvelimits.h"

namespace EcuImage {

QByteArray buildWrite(const QVector<int> &values, unsigned char hwVersion, const QString &profilePath)
{
    QByteArray image = CurveBytes::fromValues(values, Curve::Points);
    if (Protocol::isLargeLayout(hwVersion)) {
        QByteArray name = profilePath.mid(profilePath.lastIndexOf('/') + 1).toLatin1();
        name = name.left(Protocol::profileNameLength);
        name.append(QByteArray(Protocol::profileNameLength - name.size(), '\0'));
        image.append(name);
    }
    image.resize(Protocol::cellsWritten(hwVersion));
    return image;
}

Decoded decodeRead(const QByteArray &image, unsigned char hwVersion)
{
    auto at = [&image](int i) -> char { return i < image.size() ? image.at(i) : '\0'; };
    Decoded d;
    d.values = CurveBytes::toValues(image, 0, Curve::Points);
    d.k = CurveBytes::toValue(at(Protocol::injectionKCell(hwVersion)));
    d.bench = at(Protocol::benchFlagCell(hwVersion)) != 0;
    if (Protocol::isLargeLayout(hwVersion)) {
        // Bytes 41 to 79; the 40th name byte (cell 80) is not shown.
        for (int i = Protocol::profileNameCell; i < Protocol::profileNameCell + Protocol::profileNameLength - 1; ++i) {
            const QChar c = QChar::fromLatin1(at(i));
            if (c.isPrint())
                d.profileName.append(c);
        }
    }
    return d;
}

QVector<Mismatch> compare(const QByteArray &written, const QByteArray &readBack)
{
    QVector<Mismatch> out;
    for (int i = 0; i < written.size(); ++i) {
        const int w = static_cast<unsigned char>(written.at(i));
        const int r = i < readBack.size() ? static_cast<unsigned char>(readBack.at(i)) : -1;
        if (w != r)
            out.append(Mismatch{i, w, r});
    }
    return out;
}

} // namespace EcuImage
