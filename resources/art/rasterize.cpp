// SPDX-License-Identifier: GPL-3.0-or-later
// Small helper of make-art.sh: turns the SVG sources of this folder into the
// raster files that the program loads (JPEG pictures, multi-size icons), and
// renders previews of the rev counter the way the gauge widget paints it.
//
//   rasterize image  <in.svg> <out.jpg|out.png> <width> <height> [quality]
//   rasterize ico    <out.ico> <large.svg> [small.svg]
//   rasterize gauge  <out.png> <size> <face.svg> <needle.svg> <shadow.svg>
//                    <overlay.svg|-> <angle> [<angle> ...]
//   rasterize check  <picture> <out-prefix>
//
// "check" reads a finished raster back through Qt's image plugins, prints
// every image it holds and saves each one as <out-prefix>-<n>.png, so the
// committed JPEG and icon files can be looked at as they will be loaded.
//
// Qt's own ico writer stores a single image, so the icon container is
// written here: a 6-byte header, one 16-byte directory entry per size and
// PNG-compressed images (accepted by Windows since Vista and by Qt's reader).

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

QImage renderSvg(const QString &file, int w, int h, bool opaque)
{
    QSvgRenderer svg(file);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(file));
        return QImage();
    }
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(opaque ? Qt::black : Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    svg.render(&p);
    p.end();
    return img;
}

int writeImage(const QStringList &a)
{
    if (a.size() < 4)
        return 2;
    const bool jpeg = a[1].endsWith(".jpg", Qt::CaseInsensitive);
    const QImage img = renderSvg(a[0], a[2].toInt(), a[3].toInt(), jpeg);
    if (img.isNull())
        return 1;
    const int quality = a.size() > 4 ? a[4].toInt() : (jpeg ? 92 : -1);
    // JPEG has no alpha channel: convert explicitly so nothing depends on
    // how the writer treats premultiplied pixels.
    const QImage out = jpeg ? img.convertToFormat(QImage::Format_RGB32) : img;
    if (!out.save(a[1], jpeg ? "JPEG" : "PNG", quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(a[1]));
        return 1;
    }
    return 0;
}

void putLe16(QByteArray &b, int v)
{
    char c[2];
    qToLittleEndian<quint16>(quint16(v), c);
    b.append(c, 2);
}

void putLe32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian<quint32>(v, c);
    b.append(c, 4);
}

int writeIco(const QStringList &a)
{
    if (a.size() < 2)
        return 2;
    const QString large = a[1];
    const QString small = a.size() > 2 ? a[2] : a[1];
    const int sizes[] = {16, 24, 32, 48, 64, 256};
    const int count = int(sizeof sizes / sizeof sizes[0]);

    QList<QByteArray> pngs;
    for (int s : sizes) {
        const QImage img = renderSvg(s <= 24 ? small : large, s, s, false)
                               .convertToFormat(QImage::Format_ARGB32);
        if (img.isNull())
            return 1;
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "PNG");
        pngs << png;
    }

    QByteArray ico;
    putLe16(ico, 0);     // reserved
    putLe16(ico, 1);     // type: icon
    putLe16(ico, count); // number of images
    quint32 offset = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        const int s = sizes[i];
        ico.append(char(s >= 256 ? 0 : s)); // 0 means 256
        ico.append(char(s >= 256 ? 0 : s));
        ico.append(char(0)); // no palette
        ico.append(char(0)); // reserved
        putLe16(ico, 1);     // colour planes
        putLe16(ico, 32);    // bits per pixel
        putLe32(ico, quint32(pngs[i].size()));
        putLe32(ico, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        ico += png;

    QFile f(a[0]);
    if (!f.open(QIODevice::WriteOnly) || f.write(ico) != ico.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(a[0]));
        return 1;
    }
    return 0;
}

// Paints the layers like the rev counter does: face at its square, the
// painter moved to the pivot (48.6 % / 46.6 %), shadow offset by (2, 4),
// both needle layers rotated by the angle, overlay on top.
int writeGauge(const QStringList &a)
{
    if (a.size() < 7)
        return 2;
    const int side = a[1].toInt();
    QSvgRenderer face(a[2]), needle(a[3]), shadow(a[4]), overlay;
    if (a[5] != "-")
        overlay.load(a[5]);
    if (!face.isValid() || !needle.isValid() || !shadow.isValid())
        return 1;
    const int n = a.size() - 6;
    QImage img(side * n, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(3, 0, 51));
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    const qreal ox = 0.486, oy = 0.466;
    for (int i = 0; i < n; ++i) {
        const qreal angle = a[6 + i].toDouble();
        p.save();
        p.translate(side * i, 0);
        const QRectF f(0, 0, side, side);
        face.render(&p, f);
        QRectF nr(0, 0, side, side);
        nr.moveTo(int(-nr.width() * ox), int(-nr.height() * oy));
        p.save();
        p.translate(nr.width() * ox, nr.height() * oy);
        p.save();
        p.translate(2.0, 4.0);
        p.rotate(angle);
        shadow.render(&p, nr);
        p.restore();
        p.rotate(angle);
        needle.render(&p, nr);
        p.restore();
        if (overlay.isValid())
            overlay.render(&p, f);
        p.restore();
    }
    p.end();
    return img.save(a[0], "PNG") ? 0 : 1;
}

int checkPicture(const QStringList &a)
{
    if (a.size() < 2)
        return 2;
    QImageReader reader(a[0]);
    const QByteArray format = reader.format();
    int n = 0;
    do {
        const QImage img = reader.read();
        if (img.isNull())
            break;
        std::printf("%s #%d: %d x %d (%s)\n", qPrintable(a[0]), n, img.width(), img.height(),
                    format.constData());
        img.save(QString("%1-%2.png").arg(a[1]).arg(n), "PNG");
        ++n;
    } while (reader.jumpToNextImage());
    if (n == 0)
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(a[0]), qPrintable(reader.errorString()));
    return n > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: rasterize image|ico|gauge|check ...\n");
        return 2;
    }
    const QString mode = args.takeFirst();
    int rc = 2;
    if (mode == "image")
        rc = writeImage(args);
    else if (mode == "ico")
        rc = writeIco(args);
    else if (mode == "gauge")
        rc = writeGauge(args);
    else if (mode == "check")
        rc = checkPicture(args);
    if (rc == 2)
        std::fprintf(stderr, "bad arguments for %s\n", qPrintable(mode));
    return rc;
}
