#include "support/testsupport.h"

#include "app/startup.h"

ScopedTestSettings::ScopedTestSettings()
{
    Startup::setApplicationIdentity();
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
