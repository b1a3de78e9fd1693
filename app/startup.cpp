#include "app/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVariant>

#include "app/settingsformat.h"
#include "profile/safefile.h"

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace Startup {

namespace {

// Why the settings file cannot be used, or empty: not a regular file, not
// readable, or far too large to be the program's own.
QString whyUnusable(const QString &file)
{
    const QString why = SafeFile::whyNotReadable(file);
    if (!why.isEmpty())
        return why;
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(file).constData(), R_OK) != 0)
        return SafeFile::errnoText(errno);
#endif
    const qint64 size = QFileInfo(file).size();
    if (size > SettingsFormat::MaxFileBytes)
        return QCoreApplication::translate("Startup", "il file è di %1 byte, più di quanti ne scriva Tervalix")
            .arg(size);
    return QString();
}

// The store already sent elsewhere in this run.
QString &guarded()
{
    static QString file;
    return file;
}

} // namespace

QString guardSettingsStore(const QString &configDir)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString dir = configDir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                            : configDir;
    const QString file = QDir(dir).filePath(QCoreApplication::organizationName() + QLatin1Char('/')
                                            + QCoreApplication::applicationName() + QStringLiteral(".conf"));
    if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink())
        return QString();
    if (whyUnusable(file).isEmpty())
        return QString();
    // Lives until the process ends: the settings of this run.
    static QTemporaryDir *fallback = new QTemporaryDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, fallback->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, fallback->path());
    guarded() = file;
    return file;
#else
    Q_UNUSED(configDir);
    return QString();
#endif
}

void setApplicationIdentity()
{
    // First of all, before anything opens a file that could take the number
    // of a standard stream the caller closed.
    SafeFile::guardStandardStreams();
    // Before any setting is read or written: the store's safe writer.
    SettingsFormat::install();
    QCoreApplication::setApplicationName(QStringLiteral("Tervalix"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2.8"));
    QCoreApplication::setOrganizationName(QStringLiteral("Brundholt"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("service@brundholt.example"));
}

QString settingsProblemText(const QString &file)
{
    return QCoreApplication::translate("Startup", "Le impostazioni in %1 non si possono usare (%2): "
                                                  "questa volta non verranno ricordate.")
        .arg(QDir::toNativeSeparators(file), whyUnusable(file));
}

const char *loadStartupCatalogue(QTranslator &translator)
{
    // The window guards the store first and tells in its own way; the
    // command-line tool meets the store here first, and must not block on it.
    if (guarded().isEmpty()) {
        const QString unusable = guardSettingsStore();
        if (!unusable.isEmpty())
            std::fprintf(stderr, "Tervalix: %s\n", qPrintable(settingsProblemText(unusable)));
    }
    QSettings settings;
    if (!settings.value(QStringLiteral("Language"), QVariant()).isValid())
        settings.setValue(QStringLiteral("Language"), QStringLiteral("IT"));
    const char *file = settings.value(QStringLiteral("Language"), QVariant()) == QVariant(QStringLiteral("IT"))
        ? "Tervalix-it.qm"
        : "Tervalix-en.qm";
    // A catalogue that fails to load leaves the source texts on show.
    (void)translator.load(QString::fromLatin1(file), QStringLiteral(":/linguist"));
    return file;
}

} // namespace Startup
