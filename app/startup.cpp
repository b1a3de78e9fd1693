// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "app/simenvironment.h"
#include "util/catalogues.h"
#include "util/safefile.h"
#include "util/settingskeys.h"
#include "util/version.h"

#include <cstdio>
#include <cstring>

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
    QCoreApplication::setApplicationVersion(Version::text());
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
    // A first start speaks the system's language; the choice is kept.
    if (!settings.value(SettingsKeys::language(), QVariant()).isValid())
        settings.setValue(SettingsKeys::language(), Catalogues::systemLanguage());
    const bool italian = settings.value(SettingsKeys::language(), QVariant()) == QVariant(QStringLiteral("IT"));
    Catalogues::loadProgram(translator, italian);
    return italian ? "Tervalix-it.qm" : "Tervalix-en.qm";
}

bool printVersionIfAsked(int argc, char **argv, const char *program)
{
    // Among the options before the first argument: "--version" in a note's
    // text or after "--" is text.
    for (int i = 1; i < argc && argv[i][0] == '-' && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program, TERVALIX_VERSION);
            return true;
        }
    }
    return false;
}

Common::Common(QCoreApplication &app)
{
    Q_UNUSED(app);
    unusable = guardSettingsStore();
    catalogueFile = QString::fromLatin1(loadStartupCatalogue(translator));
    Catalogues::useQtLanguage(catalogueFile == QLatin1String("Tervalix-it.qm"));
    QCoreApplication::installTranslator(&translator);
}

Common::~Common()
{
    QCoreApplication::removeTranslator(&translator);
    Catalogues::useQtLanguage(false);
}

QString Common::settingsProblem() const
{
    return unusable.isEmpty() ? QString() : settingsProblemText(unusable);
}

bool haveDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt aborts without a platform to show the window on; say what to do instead.
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

EcuSession::Config sessionConfigFromEnvironment(SerialSimulator serial)
{
    EcuSession::Config config = EcuSession::defaultConfig();
    // With TERVALIX_SIMULATOR=hid the HID device is a simulated ECU; with
    // "serial" a simulated ECU joins the port list on a pseudo-terminal.
    config.openHid = SimEnvironment::hidOpenerFromEnvironment();
    if (serial == SerialSimulator::Offer)
        SimEnvironment::startSerialFromEnvironment();
    return config;
}

} // namespace Startup
