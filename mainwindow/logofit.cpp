// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/logofit.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

LogoFit::LogoFit(QLabel *watchedLabel)
    : QObject(watchedLabel)
    , label(watchedLabel)
{
    label->installEventFilter(this);
}

QRect LogoFit::fittedRect(const QSize &picture, const QSize &labelSize, int visibleHeight)
{
    if (picture.isEmpty() || labelSize.isEmpty())
        return QRect();
    const QSize area(labelSize.width(), qBound(0, visibleHeight, labelSize.height()));
    const QSize fitted = picture.scaled(area, Qt::KeepAspectRatio);
    return QRect(QPoint((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2), fitted);
}

bool LogoFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != label || event->type() != QEvent::Paint)
        return false;
    const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
    if (pixmap.isNull())
        return false;
    const QWidget *box = label->parentWidget();
    const int visible = box ? box->height() - label->y() * 2 : label->height();
    QPainter painter(label);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(fittedRect(pixmap.size(), label->size(), visible), pixmap);
    return true;
}
