// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/fieldkeyguard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

FieldKeyGuard::FieldKeyGuard(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

FieldKeyGuard::~FieldKeyGuard()
{
    qApp->removeEventFilter(this);
}

bool FieldKeyGuard::isCurveKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Equal:
    case Qt::Key_Asterisk:
    case Qt::Key_I:
    case Qt::Key_S:
        return true;
    default:
        return false;
    }
}

bool FieldKeyGuard::isField(const QObject *widget)
{
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget))
        return true;
    const auto *combo = qobject_cast<const QComboBox *>(widget);
    return combo && combo->isEditable();
}

bool FieldKeyGuard::eventFilter(QObject *watched, QEvent *event)
{
    // An accepted override sends the key to the field as a key press
    // instead of to a shortcut.
    if (event->type() == QEvent::ShortcutOverride && isField(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isCurveKey(key->key()) && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
