#pragma once
// The questions and warnings the main window puts to the user, behind a seam
// so that tests can answer them without a person.

#include <QString>

class QWidget;

class UserPrompts {
public:
    virtual ~UserPrompts();
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
};
