// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions and warnings the main window puts to the user, behind a seam
// so that tests can answer them without a person.

#include <QString>
#include <QStringList>

class QWidget;

class UserPrompts {
public:
    enum Choice { Save, Discard, Cancel };

    virtual ~UserPrompts();
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    // Several files at once (empty: cancelled).
    virtual QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                         const QString &filter);
    // One of `items` (or a text typed in when `editable`); empty: cancelled.
    virtual QString getItem(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
                            bool editable);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    virtual void information(QWidget *parent, const QString &title, const QString &text);
    // Save / Discard / Cancel, Save being the default.
    virtual Choice askSaveDiscardCancel(QWidget *parent, const QString &title, const QString &text);
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text);
    // A number from the user; false when cancelled.
    virtual bool getNumber(QWidget *parent, const QString &title, const QString &label, double value,
                           double min, double max, int decimals, double *result);
};
