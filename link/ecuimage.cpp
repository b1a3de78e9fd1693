#include "link/ecuimage.h"

#include "link/protocol.h"
#include "profile/profilefile.h"

namespace EcuImage {

QByteArray buildWrite(const QVector<double> &values, unsigned char hwVersion,
                      const QString &profilePath)
{
    QByteArray image;
    for (int i = 0; i < Protocol::CurvePoints; ++i)
        image.append(i < values.size() ? ProfileFile::curveByte(values.at(i)) : '\0');
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
    auto at = [&image](int i) -> qint8 { return i < image.size() ? static_cast<qint8>(image.at(i)) : 0; };
    Decoded d;
    for (int i = 0; i < Protocol::CurvePoints; ++i)
        d.values.append(at(i));
    d.k = at(Protocol::injectionKCell(hwVersion));
    d.bench = at(Protocol::benchFlagCell(hwVersion)) != 0;
    if (Protocol::isLargeLayout(hwVersion)) {
        // Bytes 41 to 79; the 40th name byte (cell 80) is not shown.
        for (int i = Protocol::profileNameCell; i < Protocol::profileNameCell + Protocol::profileNameLength - 1; ++i) {
            const QChar c = QChar::fromLatin1(static_cast<char>(at(i)));
            if (c.isPrint())
                d.profileName.append(c);
        }
    }
    return d;
}

} // namespace EcuImage
