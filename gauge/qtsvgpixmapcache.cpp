// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauge/qtsvgpixmapcache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <utility>

#include "util/safefile.h"

struct QtSvgPixmapCache::Private {
    QSvgRenderer renderer;
    QByteArray contentKey;  // names the picture in the disk folder
    QPixmap pixmap;
    QRect inked;  // the part of the pixmap that is not fully transparent
    int renders = 0;
};

namespace {

// The bounding box of the pixels with any coverage, grown by one pixel so
// that smooth (bilinear) drawing still fades into transparency at its edges.
QRect inkedRect(const QImage &img)
{
    int left = img.width(), right = -1, top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    if (right < 0)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-1, -1, 1, 1) & img.rect();
}

}  // namespace

QtSvgPixmapCache::QtSvgPixmapCache(QObject *parent)
    : QObject(parent), d(new Private)
{
}

QtSvgPixmapCache::~QtSvgPixmapCache()
{
    delete d;
}

namespace {
QString &diskFolder()
{
    static QString folder;
    return folder;
}
} // namespace

void QtSvgPixmapCache::useUserCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        setDiskFolder(QDir(cache).filePath(QStringLiteral("dial")));
}

void QtSvgPixmapCache::setDiskFolder(const QString &folder)
{
    diskFolder() = folder;
}

void QtSvgPixmapCache::load(const QString &fileName)
{
    QFile file(fileName);
    const QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    d->renderer.load(svg);
    d->contentKey = QCryptographicHash::hash(svg, QCryptographicHash::Sha1).toHex().left(16);
    d->pixmap = QPixmap();
    d->inked = QRect();
}

bool QtSvgPixmapCache::isValid() const
{
    return d->renderer.isValid();
}

QSize QtSvgPixmapCache::defaultSize() const
{
    return d->renderer.defaultSize();
}

void QtSvgPixmapCache::draw(QPainter *painter, const QRectF &rect)
{
    if (!d->renderer.isValid() || !painter)
        return;
    const QSize target(qRound(rect.width()), qRound(rect.height()));
    // A rectangle that rounds to no pixels shows nothing; rendering into an
    // empty pixmap would only fail again on every draw.
    if (target.isEmpty())
        return;
    if (d->pixmap.isNull() || d->pixmap.size() != target)
        render(target);
    // Only the inked part is copied: the same picture, but a slim needle's
    // shadow turned with the painter costs a fraction of the whole square.
    if (!d->inked.isEmpty())
        painter->drawPixmap(rect.topLeft() + QPointF(d->inked.topLeft()), d->pixmap, QRectF(d->inked));
}

const QPixmap &QtSvgPixmapCache::pixmap() const
{
    return d->pixmap;
}

int QtSvgPixmapCache::renderCount() const
{
    return d->renders;
}

void QtSvgPixmapCache::render(const QSize &size)
{
    const QString kept = diskFolder().isEmpty()
        ? QString()
        : QDir(diskFolder()).filePath(QStringLiteral("%1-%2x%3.png")
                                          .arg(QString::fromLatin1(d->contentKey))
                                          .arg(size.width())
                                          .arg(size.height()));
    QImage image;
    if (!kept.isEmpty())
        image = QImage(kept).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != size) {
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        d->renderer.render(&p);
        p.end();
        if (!kept.isEmpty() && QDir().mkpath(diskFolder())) {
            // Best effort: a start without the copy only renders again.
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (image.save(&buffer, "PNG"))
                SafeFile::write(kept, png, nullptr);
        }
    }
    d->inked = inkedRect(image);
    d->pixmap = QPixmap::fromImage(std::move(image));
    ++d->renders;
}
