// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's icon for the desktop's hicolor theme at every size a
// desktop looks for, each drawn from the vector source at that size rather
// than scaled from one raster, so that the small ones stay sharp.
//
//   tervalix-export-icon <theme folder> <large.svg> <small.svg> <n>...
//
// writes <theme folder>/<n>x<n>/apps/tervalix.png for each size n. The small
// source has less detail and is used up to 24 px, as in the window's own icon.

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    // Fonts, for the icon's lettering, need a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: tervalix-export-icon <theme folder> <large.svg> <small.svg> <size>...\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer large(QString::fromLocal8Bit(argv[2]));
    QSvgRenderer small(QString::fromLocal8Bit(argv[3]));
    if (!large.isValid() || !small.isValid()) {
        std::fprintf(stderr, "tervalix-export-icon: cannot read %s\n", large.isValid() ? argv[3] : argv[2]);
        return 1;
    }
    for (int arg = 4; arg < argc; ++arg) {
        const int size = QByteArray(argv[arg]).toInt();
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "tervalix-export-icon: not a size: %s\n", argv[arg]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        (size <= 24 ? small : large).render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = dir + QStringLiteral("/tervalix.png");
        if (!QDir().mkpath(dir) || !image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
            std::fprintf(stderr, "tervalix-export-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
