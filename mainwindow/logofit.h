// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the logo whole when its group box is shorter than the logo label:
// the picture is drawn scaled into the part of the label that is visible,
// keeping its proportions, instead of being cut off at the bottom.

#include <QObject>

class QLabel;

class LogoFit : public QObject {
public:
    explicit LogoFit(QLabel *label);
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The rectangle, in label coordinates, that a picture of `picture` size
    // takes when fitted into the visible part (`visibleHeight`) of a label of
    // `label` size: centred, proportions kept, never larger than the label.
    static QRect fittedRect(const QSize &picture, const QSize &label, int visibleHeight);

private:
    QLabel *label;
};
