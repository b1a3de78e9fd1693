// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/cdevinfo.h"

CDevInfo CDevInfo::fromBytes(const unsigned char *data)
{
    CDevInfo info;
    info.hwVersion = data[0];
    info.cylinders = data[1];
    info.verMajor = data[2];
    info.verMinor = data[3];
    info.revision = data[4];
    return info;
}

QString CDevInfo::statusText() const
{
    // Version bytes are characters; the multi-argument arg() substitutes once,
    // so a '%' among them cannot be taken for a place marker.
    const QString hw = QString::number(int(hwVersion));
    const QString major(QChar::fromLatin1(static_cast<char>(verMajor)));
    const QString minor(QChar::fromLatin1(static_cast<char>(verMinor)));
    const QString rev(QChar::fromLatin1(static_cast<char>(revision)));
    if (cylinders == 0)
        return QStringLiteral("Tervalix: HW%1 - V%2.%3-R%4").arg(hw, major, minor, rev);
    return QStringLiteral("Tervalix: HW%1 - CYL%2 - V%3.%4-R%5")
        .arg(hw, QString::number(int(cylinders)), major, minor, rev);
}
