// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's programs, before their QApplication: layouts, fonts and
// pictures scale with the screen (192 DPI draws everything twice as big,
// rather than doubling the fonts inside a window of the same size), and a
// factor of 1.5 stays 1.5 (rounded to 1, the fonts would again grow inside
// a layout of the same pixels).

#include <QCoreApplication>
#include <QGuiApplication>

namespace HighDpi {

inline void enable()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

} // namespace HighDpi
