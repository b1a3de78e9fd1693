// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testsupport.h"

#include <QFile>

#include "profile/curvelimits.h"

ScopedTestSettings::ScopedTestSettings()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tervalix"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2.8"));
    QCoreApplication::setOrganizationName(QStringLiteral("Brundholt"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("service@brundholt.example"));
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    clear();
}

ScopedTestSettings::~ScopedTestSettings()
{
    clear();
}

void ScopedTestSettings::clear()
{
    QSettings s;
    s.clear();
    s.sync();
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QList<int> intsOf(const QSignalSpy &spy)
{
    QList<int> out;
    for (const QList<QVariant> &args : spy)
        out.append(args.at(0).toInt());
    return out;
}

QVector<int> ramp(int from)
{
    QVector<int> v;
    for (int i = 0; i < Curve::Points; ++i)
        v << from + i;
    return v;
}
