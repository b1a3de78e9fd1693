// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Switching the user-interface language while the program runs: the chosen
// catalogue goes in front of the start-up one and stays until the next
// switch, so that every text looked up later (messages, file dialogs)
// speaks the language on show too. The choice is remembered.

#include <QObject>
#include <QTranslator>
#include <memory>

class QAction;

class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    LanguageSwitch(QAction *italian, QAction *english, QObject *parent);
    ~LanguageSwitch() override;

    // Marks the entry of the stored language (neither for another value).
    void showStored();
    void switchTo(bool italian);

signals:
    // The new catalogue is in: every text must be set again.
    void switched();

private:
    QAction *italian;
    QAction *english;
    std::unique_ptr<QTranslator> translator;
};
