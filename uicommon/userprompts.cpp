// SPDX-License-Identifier: GPL-3.0-or-later
#include "uicommon/userprompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

UserPrompts::~UserPrompts() = default;

QString UserPrompts::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString UserPrompts::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QStringList UserPrompts::getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                          const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString UserPrompts::getItem(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
                             bool editable)
{
    bool ok = false;
    const QString item = QInputDialog::getItem(parent, title, label, items, 0, editable, &ok);
    return ok ? item.trimmed() : QString();
}

void UserPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void UserPrompts::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

UserPrompts::Choice UserPrompts::askSaveDiscardCancel(QWidget *parent, const QString &title, const QString &text)
{
    switch (QMessageBox::question(parent, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                  QMessageBox::Save)) {
    case QMessageBox::Save:
        return Save;
    case QMessageBox::Discard:
        return Discard;
    default:
        return Cancel;
    }
}

bool UserPrompts::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool UserPrompts::getNumber(QWidget *parent, const QString &title, const QString &label, double value,
                            double min, double max, int decimals, double *result)
{
    bool ok = false;
    const double v = QInputDialog::getDouble(parent, title, label, value, min, max, decimals, &ok);
    if (ok && result)
        *result = v;
    return ok;
}
