#include "mainwindow/userprompts.h"

#include <QFileDialog>
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

void UserPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}
