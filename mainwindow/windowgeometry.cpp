// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/windowgeometry.h"

#include "util/settingskeys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>

namespace WindowGeometry {

void restoreFitted(QWidget *window)
{
    const QVariant stored = QSettings().value(SettingsKeys::geometry(), QVariant());
    if (!stored.isValid()) {
        // The designed size, or less on a small screen (1024 x 600 and up).
        if (QScreen *primary = QGuiApplication::primaryScreen()) {
            const QSize avail = primary->availableGeometry().size();
            window->resize(window->size().boundedTo(avail));
        }
        return;
    }
    const QRect designed = window->geometry();
    const QSize designedSize = window->size();
    // restoreGeometry() itself refuses nothing: a window far larger than any
    // screen would be created as asked. Try it on a hidden window and keep
    // it only if it fits a screen.
    if (!window->restoreGeometry(stored.toByteArray())) {
        window->setGeometry(designed);
        return;
    }
    const QRect wanted = window->geometry();
    bool fits = false;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect avail = screen->availableGeometry();
        const QRect onScreen = wanted.intersected(avail);
        // (Not the layout's own minimum: working it out costs more than the
        // rest of the start-up; the layout enforces it anyway when shown.)
        const bool bigEnough = wanted.width() >= 400 && wanted.height() >= 300;
        const bool small = wanted.width() <= avail.width() && wanted.height() <= avail.height();
        const bool mostlyOn = qint64(onScreen.width()) * onScreen.height() * 2
                               > qint64(wanted.width()) * wanted.height();
        if (bigEnough && small && mostlyOn) {
            fits = true;
            break;
        }
    }
    if (fits)
        return;
    // The designed size, centred on the primary screen.
    window->setWindowState(Qt::WindowNoState);
    QRect r(QPoint(0, 0), designedSize);
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        const QRect avail = primary->availableGeometry();
        r.setSize(r.size().boundedTo(avail.size()));
        r.moveCenter(avail.center());
    }
    window->setGeometry(r);
}

void save(const QWidget *window)
{
    QSettings().setValue(SettingsKeys::geometry(), window->saveGeometry());
}

} // namespace WindowGeometry
