// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws one SVG picture through a raster copy: the picture is rendered once
// into a transparent pixmap of the size it is drawn at, and later draws of
// the same (rounded) size only copy that pixmap.

#include <QObject>
#include <QSize>

class QPainter;
class QPixmap;
class QRectF;
class QString;

class QtSvgPixmapCache : public QObject {
public:
    explicit QtSvgPixmapCache(QObject *parent = nullptr);
    ~QtSvgPixmapCache() override;

    // Loads the document and drops the cached pixmap, so the next draw
    // renders again (even of the same file at the same size).
    void load(const QString &fileName);
    bool isValid() const;
    QSize defaultSize() const;

    // Draws the picture at rect's corner, at rect's size rounded to whole
    // pixels, with the painter's current transformation. Nothing is drawn
    // while no valid document is loaded.
    void draw(QPainter *painter, const QRectF &rect);

    // The cached rendering (null when there is none) and how many renderings
    // this cache has made so far.
    const QPixmap &pixmap() const;
    int renderCount() const;

    // A folder where renderings are kept between runs (by the picture's
    // content and size), so that a later start copies a PNG instead of
    // rendering the SVG again. Empty (the default): none.
    static void setDiskFolder(const QString &folder);
    // The user's cache folder of this application (the window's programs).
    static void useUserCacheFolder();

private:
    void render(const QSize &size);

    struct Private;
    Private *d;
};
