// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/profilefile.h"

#include "profile/curvebytes.h"
#include "util/safefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ProfileFile {

static QString tr(const char *text)
{
    return QCoreApplication::translate("ProfileFile", text);
}

char curveByte(double y)
{
    return CurveBytes::fromValue(y);
}

QByteArray encode(const QVector<int> &values, int k)
{
    QByteArray bytes = CurveBytes::fromValues(values, Curve::Points);
    bytes.append(CurveBytes::fromValue(k));
    return bytes;
}

static QString wrongSize(qint64 size)
{
    return tr("Il file non è un profilo valido: %1 byte invece di %2.").arg(size).arg(FileSize);
}

bool decode(const QByteArray &bytes, Profile *profile, QString *error)
{
    if (bytes.size() != FileSize) {
        if (error)
            *error = wrongSize(bytes.size());
        return false;
    }
    Profile p;
    p.values = CurveBytes::toValues(bytes, 0, Curve::Points);
    p.k = CurveBytes::toValue(bytes.at(Curve::Points));
    *profile = p;
    return true;
}

bool save(const QString &path, const QVector<int> &values, int k, QString *error)
{
    QString why;
    if (!SafeFile::write(path, encode(values, k), &why)) {
        if (error)
            *error = tr("Impossibile salvare il profilo %1: %2").arg(path, why);
        return false;
    }
    return true;
}

bool saveNew(const QString &path, const QVector<int> &values, int k, QString *error, bool *taken)
{
    QString why;
    if (!SafeFile::create(path, encode(values, k), &why, taken)) {
        if (error)
            *error = tr("Impossibile salvare il profilo %1: %2").arg(path, why);
        return false;
    }
    return true;
}

bool load(const QString &path, Profile *profile, QString *error)
{
    const QString why = SafeFile::whyNotReadable(path);
    if (!why.isEmpty()) {
        if (error)
            *error = tr("Impossibile aprire il profilo %1: %2").arg(path, why);
        return false;
    }
    // The size is known before anything is read: a huge file is refused
    // with its real size, without reading it.
    const qint64 size = QFileInfo(path).size();
    if (size != FileSize) {
        if (error)
            *error = QStringLiteral("%1\n%2").arg(QFileInfo(path).fileName(), wrongSize(size));
        return false;
    }
    QByteArray bytes;
    QString readError;
    if (!SafeFile::read(path, FileSize, &bytes, &readError)) {
        if (error)
            *error = tr("Impossibile leggere il profilo %1: %2").arg(path, readError);
        return false;
    }
    QString bad;
    if (!decode(bytes, profile, &bad)) {
        if (error)
            *error = QStringLiteral("%1\n%2").arg(QFileInfo(path).fileName(), bad);
        return false;
    }
    return true;
}

} // namespace ProfileFile
