#include "mainwindow/languageswitch.h"

#include "util/settingskeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

LanguageSwitch::LanguageSwitch(QAction *italianAction, QAction *englishAction, QObject *parent)
    : QObject(parent), italian(italianAction), english(englishAction)
{
}

LanguageSwitch::~LanguageSwitch()
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
}

void LanguageSwitch::showStored()
{
    const QVariant stored = QSettings().value(SettingsKeys::language(), QVariant());
    italian->setChecked(stored == QVariant(QStringLiteral("IT")));
    english->setChecked(stored == QVariant(QStringLiteral("EN")));
}

void LanguageSwitch::switchTo(bool toItalian)
{
    auto next = std::make_unique<QTranslator>();
    (void)next->load(toItalian ? QStringLiteral("Tervalix-it.qm") : QStringLiteral("Tervalix-en.qm"),
                     QStringLiteral(":/linguist"));
    QCoreApplication::installTranslator(next.get());
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator = std::move(next);
    italian->setChecked(toItalian);
    english->setChecked(!toItalian);
    QSettings().setValue(SettingsKeys::language(), toItalian ? QStringLiteral("IT") : QStringLiteral("EN"));
    emit switched();
}
