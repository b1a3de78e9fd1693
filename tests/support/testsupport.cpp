#include "support/testsupport.h"

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
