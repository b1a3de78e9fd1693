#include "profile/profilefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>

namespace ProfileFile {

static QString tr(const char *text)
{
    return QCoreApplication::translate("ProfileFile", text);
}

char curveByte(double y)
{
    if (!std::isfinite(y))
        return 0;
    // Bounded first so that the conversion to an integer is always defined.
    const qint64 whole = static_cast<qint64>(std::trunc(qBound(-1.0e9, y, 1.0e9)));
    return static_cast<char>(whole & 0xFF);
}

QByteArray encode(const QVector<double> &values, int k)
{
    QByteArray bytes(FileSize, '\0');
    for (int i = 0; i < Points && i < values.size(); ++i)
        bytes[i] = curveByte(values.at(i));
    bytes[Points] = static_cast<char>(k & 0xFF);
    return bytes;
}

bool decode(const QByteArray &bytes, Profile *profile, QString *error)
{
    if (bytes.size() != FileSize) {
        if (error)
            *error = tr("Il file non è un profilo valido: %1 byte invece di %2.")
                         .arg(bytes.size())
                         .arg(FileSize);
        return false;
    }
    Profile p;
    p.values.reserve(Points);
    for (int i = 0; i < Points; ++i)
        p.values.append(static_cast<qint8>(bytes.at(i)));
    p.k = static_cast<qint8>(bytes.at(Points));
    *profile = p;
    return true;
}

bool save(const QString &path, const QVector<double> &values, int k, QString *error)
{
    const QByteArray bytes = encode(values, k);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = tr("Impossibile salvare il profilo %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = tr("Impossibile salvare il profilo %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool load(const QString &path, Profile *profile, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Impossibile aprire il profilo %1: %2").arg(path, file.errorString());
        return false;
    }
    // One byte more than a profile, to tell a longer file from a good one.
    const QByteArray bytes = file.read(FileSize + 1);
    if (bytes.size() <= FileSize && file.error() != QFileDevice::NoError) {
        if (error)
            *error = tr("Impossibile leggere il profilo %1: %2").arg(path, file.errorString());
        return false;
    }
    QString why;
    if (!decode(bytes, profile, &why)) {
        if (error)
            *error = QStringLiteral("%1\n%2").arg(QFileInfo(path).fileName(), why);
        return false;
    }
    return true;
}

} // namespace ProfileFile
