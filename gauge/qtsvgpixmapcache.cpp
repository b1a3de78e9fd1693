#include "gauge/qtsvgpixmapcache.h"

#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSvgRenderer>

struct QtSvgPixmapCache::Private {
    QSvgRenderer renderer;
    QPixmap pixmap;
    int renders = 0;
};

QtSvgPixmapCache::QtSvgPixmapCache(QObject *parent)
    : QObject(parent), d(new Private)
{
}

QtSvgPixmapCache::~QtSvgPixmapCache()
{
    delete d;
}

void QtSvgPixmapCache::load(const QString &fileName)
{
    d->renderer.load(fileName);
    d->pixmap = QPixmap();
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
    painter->drawPixmap(rect.topLeft(), d->pixmap);
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
    d->pixmap = QPixmap(size);
    d->pixmap.fill(Qt::transparent);
    QPainter p(&d->pixmap);
    d->renderer.render(&p);
    p.end();
    ++d->renders;
}
