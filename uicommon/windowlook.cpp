// SPDX-License-Identifier: GPL-3.0-or-later
#include "uicommon/windowlook.h"

#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace WindowLook {

const char *const navyGroupStyle = "background-color: rgb(3, 0, 51);";
const char *const rpmValueGroupStyle = "color: rgb(255, 255, 255); background-color: rgb(3, 0, 51);";

QPalette mainPalette()
{
    QPalette p;
    const QColor white(255, 255, 255), navy(3, 0, 51), black(0, 0, 0), darkGrey(26, 33, 32);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::WindowText, white);
        p.setColor(group, QPalette::Text, white);
        p.setColor(group, QPalette::BrightText, white);
        p.setColor(group, QPalette::ButtonText, white);
        p.setColor(group, QPalette::Button, navy);
        p.setColor(group, QPalette::Window, navy);
        p.setColor(group, QPalette::Light, QColor(79, 99, 96));
        p.setColor(group, QPalette::Midlight, QColor(66, 82, 80));
        p.setColor(group, QPalette::Dark, darkGrey);
        p.setColor(group, QPalette::Mid, QColor(35, 44, 42));
        p.setColor(group, QPalette::Base, black);
        p.setColor(group, QPalette::Shadow, black);
        p.setColor(group, QPalette::AlternateBase, darkGrey);
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        p.setColor(group, QPalette::ToolTipText, black);
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, darkGrey);
    p.setColor(QPalette::Disabled, QPalette::Text, darkGrey);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, darkGrey);
    p.setColor(QPalette::Disabled, QPalette::Base, navy);
    p.setColor(QPalette::Disabled, QPalette::AlternateBase, navy);
    return p;
}

static QPalette buttonTextPalette(const QColor &normal, const QColor &disabled)
{
    // These buttons keep a light face so that their dark text reads well on
    // the dark window.
    QPalette p = mainPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Button, QColor(212, 208, 200));
        p.setColor(group, QPalette::Light, QColor(255, 255, 255));
        p.setColor(group, QPalette::Midlight, QColor(232, 230, 226));
    }
    p.setColor(QPalette::Active, QPalette::ButtonText, normal);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, normal);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    return p;
}

QPalette actionButtonPalette()
{
    return buttonTextPalette(QColor(0, 0, 127), QColor(176, 176, 176));
}

QPalette closeButtonPalette()
{
    return buttonTextPalette(QColor(255, 0, 0), QColor(159, 159, 159));
}

QString ledStyle(bool on, int textIndent)
{
    // The LED sits at the left end of the background picture and the text
    // starts after it. A style sheet replaces the button's palette, so the
    // text colours are given here as well.
    const QString image = on ? QStringLiteral("background-image: url(:/led/imgs/LEDON.JPG);")
                             : QStringLiteral("background-image: url(:/led/imgs/LEDOFF.JPG);");
    return QStringLiteral("QPushButton { %1 color: white; text-align: left; padding-left: %2px; }"
                          " QPushButton:disabled { color: rgb(110, 110, 140); }")
        .arg(image)
        .arg(textIndent);
}

QString bancoStyle(bool on)
{
    // The text needs a colour of its own: the window's palette would give
    // black on the black end of the gradient. Each colour reads on both
    // ends of its gradient.
    return on ? QStringLiteral("QPushButton { background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:0, "
                               "stop:0 rgba(165, 28, 32, 255), stop:1 rgba(255, 255, 255, 255));"
                               " color: rgb(0, 0, 127); border: 1px solid rgb(79, 99, 96); }"
                               " QPushButton:disabled { color: rgb(120, 120, 120); }")
              : QStringLiteral("QPushButton { background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:0, "
                               "stop:0 rgba(0, 0, 0, 255), stop:1 rgba(255, 255, 255, 255));"
                               " color: rgb(255, 160, 0); border: 1px solid rgb(79, 99, 96); }"
                               " QPushButton:disabled { color: rgb(120, 120, 120); }");
}

} // namespace WindowLook

namespace WindowLook {

QIcon windowIcon(const QString &path)
{
    static QHash<QString, QIcon> decoded;
    auto found = decoded.constFind(path);
    if (found != decoded.constEnd())
        return *found;
    QIcon icon;
    QImageReader reader(path);
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        if (size.isValid() && size.width() > 64)
            continue;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    if (icon.isNull())
        icon = QIcon(path);
    decoded.insert(path, icon);
    return icon;
}

} // namespace WindowLook
