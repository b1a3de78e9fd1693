#include "app/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVariant>

#include "app/settingsformat.h"
#include "profile/safefile.h"

namespace Startup {

QString guardSettingsStore(const QString &configDir)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString dir = configDir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                            : configDir;
    const QString file = QDir(dir).filePath(QCoreApplication::organizationName() + QLatin1Char('/')
                                            + QCoreApplication::applicationName() + QStringLiteral(".conf"));
    if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink())
        return QString();
    if (SafeFile::whyNotReadable(file).isEmpty())
        return QString();
    // Lives until the process ends: the settings of this run.
    static QTemporaryDir *fallback = new QTemporaryDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, fallback->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, fallback->path());
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
        .arg(QDir::toNativeSeparators(file), SafeFile::whyNotReadable(file));
}

const char *loadStartupCatalogue(QTranslator &translator)
{
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
