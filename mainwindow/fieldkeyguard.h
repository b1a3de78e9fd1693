// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys typed into a text field or a spin box belong to it: the window's
// curve shortcuts (arrows, Page Up/Down, + - = * I S) act on the curve only
// when no such field has the keyboard focus. Installed on the application,
// it claims those keys for the field before Qt looks for a shortcut.

#include <QObject>

class FieldKeyGuard : public QObject {
public:
    explicit FieldKeyGuard(QObject *parent);
    ~FieldKeyGuard() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The keys the window binds to curve edits.
    static bool isCurveKey(int key);
    // A widget that takes typed text or numbers.
    static bool isField(const QObject *widget);
};
