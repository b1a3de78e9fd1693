// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsformat.h"

#include "util/safefile.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SettingsFormat {

namespace {

// Qt's INI text for `map`, made by Qt itself in a scratch file.
bool iniText(const QSettings::SettingsMap &map, QByteArray *text)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString path = scratch.filePath(QStringLiteral("s.ini"));
    {
        QSettings ini(path, QSettings::IniFormat);
        for (auto it = map.constBegin(); it != map.constEnd(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return map.isEmpty();
    *text = f.readAll();
    return true;
}

bool readSettings(QIODevice &device, QSettings::SettingsMap &map)
{
    if (device.size() > MaxFileBytes)
        return false;
    const QByteArray text = device.read(MaxFileBytes + 1);
    if (text.size() > MaxFileBytes)
        return false;
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString path = scratch.filePath(QStringLiteral("s.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        return false;
    f.close();
    QSettings ini(path, QSettings::IniFormat);
    for (const QString &key : ini.allKeys())
        map.insert(key, ini.value(key));
    return ini.status() == QSettings::NoError;
}

bool writeSettings(QIODevice &device, const QSettings::SettingsMap &map)
{
    QByteArray text;
    if (!iniText(map, &text))
        return false;
    auto *file = qobject_cast<QFileDevice *>(&device);
    // Qt's writer replaces the target of a link (a copy of /etc/passwd, any
    // file the user may write). The link is refused instead: the store
    // reports an error and this run's settings stay in memory, the link and
    // its target as they were.
    if (file && QFileInfo(file->fileName()).isSymLink())
        return false;
#ifdef Q_OS_UNIX
    if (!file || file->handle() < 0)
        return device.write(text) == text.size();
    // Straight to the file, past the device's buffer, so that every error
    // is seen here and not lost in a later flush.
    int err = 0;
    if (!SafeFile::writeAll(file->handle(), text, &err) || ::fsync(file->handle()) != 0)
        return false;
    struct stat st {};
    return ::fstat(file->handle(), &st) == 0 && st.st_size == text.size();
#else
    return device.write(text) == text.size();
#endif
}

} // namespace

QSettings::Format install()
{
#ifdef Q_OS_LINUX
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("conf"), readSettings,
                                                                      writeSettings, Qt::CaseSensitive);
    if (format != QSettings::InvalidFormat)
        QSettings::setDefaultFormat(format);
    return format;
#else
    return QSettings::NativeFormat;
#endif
}

} // namespace SettingsFormat
