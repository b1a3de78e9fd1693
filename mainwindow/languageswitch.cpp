// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/languageswitch.h"

#include "util/catalogues.h"
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
    Catalogues::useQtLanguage(toItalian);
    auto next = std::make_unique<QTranslator>();
    Catalogues::loadProgram(*next, toItalian);
    QCoreApplication::installTranslator(next.get());
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator = std::move(next);
    italian->setChecked(toItalian);
    english->setChecked(!toItalian);
    QSettings().setValue(SettingsKeys::language(), toItalian ? QStringLiteral("IT") : QStringLiteral("EN"));
    emit switched();
}
