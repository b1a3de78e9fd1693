#include "app/startup.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <QVariant>

namespace Startup {

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tervalix"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2.8"));
    QCoreApplication::setOrganizationName(QStringLiteral("Brundholt"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("service@brundholt.example"));
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
