// The rev counter: value range, needle geometry, the layers it paints and
// the pixmap cache behind its face, shadow and overlay.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include "gauge/crpmgauge.h"
#include "gauge/gaugegeometry.h"
#include "gauge/qtsvgpixmapcache.h"

namespace {

QString svgRect(int w, int h, const QString &body)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\">%3</svg>")
        .arg(w)
        .arg(h)
        .arg(body);
}

bool writeFile(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(text.toUtf8()) >= 0;
}

QImage transparentImage(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

enum class Ink { None, Red, Green, Blue, Yellow, Other };

Ink inkAt(const QImage &img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    if (qAlpha(p) < 40)
        return Ink::None;
    const bool r = qRed(p) > 200, g = qGreen(p) > 200, b = qBlue(p) > 200;
    const bool lr = qRed(p) < 60, lg = qGreen(p) < 60, lb = qBlue(p) < 60;
    if (r && lg && lb)
        return Ink::Red;
    if (lr && g && lb)
        return Ink::Green;
    if (lr && lg && b)
        return Ink::Blue;
    if (r && g && lb)
        return Ink::Yellow;
    return Ink::Other;
}

QImage renderGauge(CRpmGauge &gauge)
{
    QImage img = transparentImage(gauge.width(), gauge.height());
    gauge.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

}  // namespace

class TestGauge : public QObject {
    Q_OBJECT

private slots:
    void init();

    // Value range and set-up
    void constructedState();
    void setValueClampsToRange();
    void setMaximumLowersValue();
    void setMinimumRaisesValue();
    void needleOriginIsClamped();
    void propertiesAndSlotThroughMetaObject();
    void setSkinLoadsFromLayerFolder();

    // Geometry
    void needleAngles_data();
    void needleAngles();
    void emptyRangeShowsStartAngle();
    void layerRectKeepsAspect();
    void needleRectTruncatesCorner();

    // Painting
    void faceCentredInWideWidget();
    void needleAndShadowFollowAngle();
    void overlayOnlyWhenShown();
    void emptyRangePaints();
    void missingLayersPaintNothing();

    // Pixmap cache
    void cacheRoundsSizeAndRendersOnce();
    void cacheRendersAgainOnNewSize();
    void cacheLoadForcesNewRendering();
    void cacheDrawsAtCornerAtOwnSize();
    void cacheTurnedDrawMatchesWholePixmap();
    void cacheTransparentPictureDrawsNothing();
    void cacheInvalidFileDrawsNothing_data();
    void cacheInvalidFileDrawsNothing();
    void cacheEmptyTargetDrawsNothing();

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    QString folder() const { return dir.path() + QLatin1Char('/'); }
    QTemporaryDir dir;
};

void TestGauge::init()
{
    QVERIFY(dir.isValid());
    // Face: solid red. Needle: a blue bar pointing up from the centre of its
    // picture. Shadow: the same bar in green. Overlay: a yellow corner.
    QVERIFY(writeFile(path("face.svg"), svgRect(210, 210, "<rect width=\"210\" height=\"210\" fill=\"#ff0000\"/>")));
    QVERIFY(writeFile(path("RPMneedle.svg"),
                      svgRect(210, 210, "<rect x=\"103\" y=\"10\" width=\"4\" height=\"95\" fill=\"#0000ff\"/>")));
    QVERIFY(writeFile(path("RPMneedle_shadow.svg"),
                      svgRect(210, 210, "<rect x=\"103\" y=\"10\" width=\"4\" height=\"95\" fill=\"#00ff00\"/>")));
    QVERIFY(writeFile(path("RPMoverlay.svg"),
                      svgRect(210, 210, "<rect width=\"20\" height=\"20\" fill=\"#ffff00\"/>")));
    QVERIFY(writeFile(path("broken.svg"), "<svg this is not xml"));
}

void TestGauge::constructedState()
{
    CRpmGauge g;
    QCOMPARE(g.geometry(), QRect(2, 8, 237, 237));
    QCOMPARE(g.sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(g.sizePolicy().verticalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(g.sizeHint(), QSize(400, 400));
    QCOMPARE(g.minimumSizeHint(), QSize(100, 100));
    QCOMPARE(g.minimum(), 0);
    QCOMPARE(g.maximum(), 100);
    QCOMPARE(g.value(), 0);
    QCOMPARE(g.startAngle(), 0.0);
    QCOMPARE(g.endAngle(), 100.0);
    QCOMPARE(g.needleOriginX(), 0.5);
    QCOMPARE(g.needleOriginY(), 0.5);
    QVERIFY(g.showOverlay());
    QVERIFY(g.skin().isEmpty());
    QCOMPARE(g.layerFolder(), QStringLiteral(":/rpm/imgs/"));
}

void TestGauge::setValueClampsToRange()
{
    CRpmGauge g;
    g.setMinimum(0);
    g.setMaximum(12000);
    g.setValue(20000);
    QCOMPARE(g.value(), 12000);
    g.setValue(-5);
    QCOMPARE(g.value(), 0);
    g.setValue(7345);
    QCOMPARE(g.value(), 7345);
}

void TestGauge::setMaximumLowersValue()
{
    CRpmGauge g;
    g.setMaximum(12000);
    g.setValue(8000);
    g.setMaximum(5000);
    QCOMPARE(g.value(), 5000);
    g.setMaximum(9000);  // raising the maximum leaves the value alone
    QCOMPARE(g.value(), 5000);
}

void TestGauge::setMinimumRaisesValue()
{
    CRpmGauge g;
    g.setValue(10);
    g.setMinimum(40);
    QCOMPARE(g.value(), 40);
    g.setMinimum(-20);  // lowering the minimum leaves the value alone
    QCOMPARE(g.value(), 40);
}

void TestGauge::needleOriginIsClamped()
{
    CRpmGauge g;
    g.setNeedleOrigin(1.5, -0.2);
    QCOMPARE(g.needleOriginX(), 1.0);
    QCOMPARE(g.needleOriginY(), 0.0);
    g.setNeedleOrigin(0.486, 0.466);
    QCOMPARE(g.needleOriginX(), 0.486);
    QCOMPARE(g.needleOriginY(), 0.466);
    g.setNeedleOrigin(0.0, 1.0);
    QCOMPARE(g.needleOriginX(), 0.0);
    QCOMPARE(g.needleOriginY(), 1.0);
}

void TestGauge::propertiesAndSlotThroughMetaObject()
{
    CRpmGauge g;
    QVERIFY(g.setProperty("maximum", 17000));
    QVERIFY(g.setProperty("minimum", 100));
    QVERIFY(g.setProperty("startAngle", -130.0));
    QVERIFY(g.setProperty("endAngle", 149.0));
    QCOMPARE(g.maximum(), 17000);
    QCOMPARE(g.minimum(), 100);
    QCOMPARE(g.property("startAngle").toDouble(), -130.0);
    QCOMPARE(g.property("endAngle").toDouble(), 149.0);
    QVERIFY(g.metaObject()->indexOfProperty("skin") >= 0);
    QCOMPARE(g.metaObject()->indexOfProperty("value"), -1);

    QVERIFY(QMetaObject::invokeMethod(&g, "setValue", Q_ARG(int, 50)));
    QCOMPARE(g.value(), 100);  // clamped to the minimum set above
    QVERIFY(QMetaObject::invokeMethod(&g, "setValue", Q_ARG(int, 16000)));
    QCOMPARE(g.value(), 16000);
}

void TestGauge::setSkinLoadsFromLayerFolder()
{
    CRpmGauge g;
    g.setLayerFolder(folder());
    g.setSkin("face.svg");
    QCOMPARE(g.skin(), QStringLiteral("face.svg"));
    QCOMPARE(g.property("skin").toString(), QStringLiteral("face.svg"));
    const QImage img = renderGauge(g);
    QCOMPARE(inkAt(img, 2, 230), Ink::Red);  // the face filled the widget
}

void TestGauge::needleAngles_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<double>("endAngle");
    QTest::addColumn<double>("expected");
    QTest::newRow("2 cyl, 0") << 0 << 12000 << 133.0 << -130.0;
    QTest::newRow("2 cyl, 6000") << 6000 << 12000 << 133.0 << 1.5;
    QTest::newRow("2 cyl, 12000") << 12000 << 12000 << 133.0 << 133.0;
    QTest::newRow("4 cyl, 16000") << 16000 << 17000 << 149.0 << -130.0 + 279.0 * 16.0 / 17.0;
    QTest::newRow("4 cyl, 17000") << 17000 << 17000 << 149.0 << 149.0;
}

void TestGauge::needleAngles()
{
    QFETCH(int, value);
    QFETCH(int, maximum);
    QFETCH(double, endAngle);
    QFETCH(double, expected);
    QCOMPARE(GaugeGeometry::needleAngle(value, 0, maximum, -130.0, endAngle), expected);

    // The same set-up as the main window gives the gauge.
    CRpmGauge g;
    g.setNeedleOrigin(0.486, 0.466);
    g.setMinimum(0);
    g.setStartAngle(-130.0);
    g.setValue(0);
    g.setMaximum(maximum);
    g.setEndAngle(endAngle);
    g.setValue(value);
    QCOMPARE(g.needleAngle(), expected);
}

void TestGauge::emptyRangeShowsStartAngle()
{
    QCOMPARE(GaugeGeometry::needleAngle(0, 0, 0, -130.0, 133.0), -130.0);
    QCOMPARE(GaugeGeometry::needleAngle(500, 500, 500, 20.0, 90.0), 20.0);
    // Extreme ranges do not overflow in integer arithmetic.
    QCOMPARE(GaugeGeometry::needleAngle(INT_MAX, INT_MIN, INT_MAX, 0.0, 100.0), 100.0);
}

void TestGauge::layerRectKeepsAspect()
{
    using GaugeGeometry::layerRect;
    QCOMPARE(layerRect(QSize(210, 210), QSize(300, 200)), QRectF(0, 0, 200, 200));
    QCOMPARE(layerRect(QSize(210, 210), QSize(237, 237)), QRectF(0, 0, 237, 237));
    QCOMPARE(layerRect(QSize(100, 50), QSize(300, 300)), QRectF(0, 0, 300, 150));
    QCOMPARE(layerRect(QSize(50, 100), QSize(300, 300)), QRectF(0, 0, 150, 300));
    QVERIFY(layerRect(QSize(), QSize(300, 300)).isEmpty());
    QVERIFY(layerRect(QSize(210, 210), QSize(0, 0)).isEmpty());

    QCOMPARE(GaugeGeometry::centringOffset(QSizeF(200, 200), QSize(300, 200)), QPointF(50, 0));
    QCOMPARE(GaugeGeometry::centringOffset(QSizeF(300, 150), QSize(300, 300)), QPointF(0, 75));
}

void TestGauge::needleRectTruncatesCorner()
{
    const QRectF layer(0, 0, 237, 237);
    const QRectF n = GaugeGeometry::needleRect(layer, 0.486, 0.466);
    // -115.182 and -110.442 truncate towards zero; the size stays the same.
    QCOMPARE(n, QRectF(-115, -110, 237, 237));
    QCOMPARE(GaugeGeometry::pivotOffset(layer, 0.486, 0.466), QPointF(237 * 0.486, 237 * 0.466));
    QCOMPARE(GaugeGeometry::needleRect(layer, 0.0, 1.0), QRectF(0, -237, 237, 237));
}

void TestGauge::faceCentredInWideWidget()
{
    QTemporaryDir faceOnly;
    QVERIFY(QFile::copy(path("face.svg"), faceOnly.filePath("face.svg")));
    CRpmGauge g;
    g.setLayerFolder(faceOnly.path() + QLatin1Char('/'));
    g.setSkin("face.svg");
    g.resize(300, 200);
    const QImage img = renderGauge(g);
    QCOMPARE(inkAt(img, 49, 100), Ink::None);
    QCOMPARE(inkAt(img, 50, 0), Ink::Red);
    QCOMPARE(inkAt(img, 50, 199), Ink::Red);
    QCOMPARE(inkAt(img, 249, 100), Ink::Red);
    QCOMPARE(inkAt(img, 250, 100), Ink::None);
    QCOMPARE(inkAt(img, 299, 0), Ink::None);
}

void TestGauge::needleAndShadowFollowAngle()
{
    CRpmGauge g;
    g.setLayerFolder(folder());
    g.setSkin("face.svg");
    g.resize(210, 210);
    g.setMinimum(0);
    g.setMaximum(100);
    g.setStartAngle(0.0);
    g.setEndAngle(90.0);
    g.setShowOverlay(false);

    g.setValue(0);  // straight up
    QImage img = renderGauge(g);
    QCOMPARE(inkAt(img, 105, 50), Ink::Blue);
    QCOMPARE(inkAt(img, 160, 105), Ink::Red);
    // The shadow lies 2 px right and 4 px down of the needle.
    QCOMPARE(inkAt(img, 108, 60), Ink::Green);
    QCOMPARE(inkAt(img, 106, 107), Ink::Green);
    QCOMPARE(inkAt(img, 104, 60), Ink::Blue);

    g.setValue(100);  // a quarter turn clockwise: pointing right
    img = renderGauge(g);
    QCOMPARE(inkAt(img, 105, 50), Ink::Red);
    QCOMPARE(inkAt(img, 160, 105), Ink::Blue);
    QCOMPARE(inkAt(img, 160, 110), Ink::Green);

    // A new end angle shows at the next repaint.
    g.setEndAngle(180.0);
    img = renderGauge(g);
    QCOMPARE(inkAt(img, 160, 105), Ink::Red);
    QCOMPARE(inkAt(img, 105, 160), Ink::Blue);
}

void TestGauge::overlayOnlyWhenShown()
{
    CRpmGauge g;
    g.setLayerFolder(folder());
    g.setSkin("face.svg");
    g.resize(210, 210);
    QCOMPARE(inkAt(renderGauge(g), 5, 5), Ink::Yellow);  // over the face
    g.setShowOverlay(false);
    QCOMPARE(inkAt(renderGauge(g), 5, 5), Ink::Red);
}

void TestGauge::emptyRangePaints()
{
    CRpmGauge g;
    g.setLayerFolder(folder());
    g.setSkin("face.svg");
    g.resize(210, 210);
    g.setStartAngle(90.0);
    g.setEndAngle(180.0);
    g.setMinimum(0);
    g.setMaximum(0);
    g.setValue(3000);
    QCOMPARE(g.value(), 0);
    QCOMPARE(g.needleAngle(), 90.0);
    const QImage img = renderGauge(g);
    QCOMPARE(inkAt(img, 160, 105), Ink::Blue);  // needle at the start angle
}

void TestGauge::missingLayersPaintNothing()
{
    QTemporaryDir empty;
    CRpmGauge g;
    g.setLayerFolder(empty.path() + QLatin1Char('/'));
    g.setSkin("nothing.svg");
    g.setValue(50);
    const QImage img = renderGauge(g);
    QCOMPARE(img, transparentImage(g.width(), g.height()));

    CRpmGauge unskinned;
    QCOMPARE(renderGauge(unskinned), transparentImage(237, 237));
}

void TestGauge::cacheRoundsSizeAndRendersOnce()
{
    QtSvgPixmapCache cache;
    cache.load(path("face.svg"));
    QVERIFY(cache.isValid());
    QCOMPARE(cache.defaultSize(), QSize(210, 210));
    QImage img = transparentImage(220, 220);
    QPainter p(&img);
    cache.draw(&p, QRectF(0, 0, 209.6, 209.4));
    const qint64 key = cache.pixmap().cacheKey();
    cache.draw(&p, QRectF(0, 0, 210.4, 208.6));
    p.end();
    QCOMPARE(cache.renderCount(), 1);
    QCOMPARE(cache.pixmap().size(), QSize(210, 209));
    QCOMPARE(cache.pixmap().cacheKey(), key);
}

void TestGauge::cacheRendersAgainOnNewSize()
{
    QtSvgPixmapCache cache;
    cache.load(path("face.svg"));
    QImage img = transparentImage(220, 220);
    QPainter p(&img);
    cache.draw(&p, QRectF(0, 0, 100, 100));
    cache.draw(&p, QRectF(0, 0, 120, 100));
    QCOMPARE(cache.renderCount(), 2);
    QCOMPARE(cache.pixmap().size(), QSize(120, 100));
    cache.draw(&p, QRectF(0, 0, 100, 100));  // only one pixmap is kept
    QCOMPARE(cache.renderCount(), 3);
}

void TestGauge::cacheLoadForcesNewRendering()
{
    QtSvgPixmapCache cache;
    cache.load(path("face.svg"));
    QImage img = transparentImage(100, 100);
    QPainter p(&img);
    cache.draw(&p, QRectF(0, 0, 50, 50));
    QCOMPARE(cache.renderCount(), 1);

    cache.load(path("face.svg"));
    QVERIFY(cache.pixmap().isNull());
    cache.draw(&p, QRectF(0, 0, 50, 50));
    QCOMPARE(cache.renderCount(), 2);

    // A new file at the same size shows the new picture.
    cache.load(path("RPMoverlay.svg"));
    img.fill(Qt::transparent);
    cache.draw(&p, QRectF(0, 0, 50, 50));
    p.end();
    QCOMPARE(cache.renderCount(), 3);
    QCOMPARE(inkAt(img, 2, 2), Ink::Yellow);
    QCOMPARE(inkAt(img, 40, 40), Ink::None);
}

void TestGauge::cacheDrawsAtCornerAtOwnSize()
{
    QtSvgPixmapCache cache;
    cache.load(path("face.svg"));
    QImage img = transparentImage(100, 100);
    QPainter p(&img);
    cache.draw(&p, QRectF(10, 20, 50, 40));
    p.end();
    QCOMPARE(inkAt(img, 9, 30), Ink::None);
    QCOMPARE(inkAt(img, 10, 20), Ink::Red);
    QCOMPARE(inkAt(img, 59, 59), Ink::Red);
    QCOMPARE(inkAt(img, 60, 40), Ink::None);
    QCOMPARE(inkAt(img, 30, 60), Ink::None);
}

void TestGauge::cacheTurnedDrawMatchesWholePixmap()
{
    // The cache copies only the inked part of its pixmap; turned and smoothed
    // as the needle shadow is, that must look exactly like the whole pixmap.
    QtSvgPixmapCache cache;
    cache.load(path("RPMneedle.svg"));
    const QRectF rect(-55.0, -52.0, 113.0, 113.0);
    auto paint = [&](bool throughCache) {
        QImage img = transparentImage(120, 120);
        QPainter p(&img);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(57.3, 55.8);
        p.rotate(-37.5);
        if (throughCache)
            cache.draw(&p, rect);
        else
            p.drawPixmap(rect.topLeft(), cache.pixmap());
        return img;
    };
    const QImage viaCache = paint(true);
    const QImage whole = paint(false);
    QCOMPARE(cache.renderCount(), 1);
    QVERIFY(viaCache != transparentImage(120, 120));
    int diffs = 0, worst = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb a = viaCache.pixel(x, y), b = whole.pixel(x, y);
            const int d = qMax(qMax(qAbs(qAlpha(a) - qAlpha(b)), qAbs(qRed(a) - qRed(b))),
                               qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
            if (d) {
                ++diffs;
                worst = qMax(worst, d);
            }
        }
    // Rounding in the two drawing paths may differ by one level in a few pixels.
    QVERIFY2(worst <= 2, qPrintable(QStringLiteral("%1 pixels differ, by up to %2").arg(diffs).arg(worst)));
}

void TestGauge::cacheTransparentPictureDrawsNothing()
{
    QVERIFY(writeFile(path("clear.svg"), svgRect(50, 50, "<rect width=\"50\" height=\"50\" fill=\"none\"/>")));
    QtSvgPixmapCache cache;
    cache.load(path("clear.svg"));
    QVERIFY(cache.isValid());
    QImage img = transparentImage(60, 60);
    QPainter p(&img);
    cache.draw(&p, QRectF(0, 0, 50, 50));
    cache.draw(&p, QRectF(0, 0, 50, 50));
    p.end();
    QCOMPARE(cache.renderCount(), 1);
    QCOMPARE(img, transparentImage(60, 60));
}

void TestGauge::cacheInvalidFileDrawsNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << "no-such-file.svg";
    QTest::newRow("broken") << "broken.svg";
    QTest::newRow("never loaded") << QString();
}

void TestGauge::cacheInvalidFileDrawsNothing()
{
    QFETCH(QString, file);
    QtSvgPixmapCache cache;
    if (!file.isEmpty()) {
        cache.load(path("face.svg"));
        cache.load(path(file));  // a bad file replaces a good one
    }
    QVERIFY(!cache.isValid());
    QImage img = transparentImage(100, 100);
    QPainter p(&img);
    cache.draw(&p, QRectF(0, 0, 100, 100));
    p.end();
    QCOMPARE(img, transparentImage(100, 100));
    QVERIFY(cache.pixmap().isNull());
    QCOMPARE(cache.renderCount(), 0);
}

void TestGauge::cacheEmptyTargetDrawsNothing()
{
    QtSvgPixmapCache cache;
    cache.load(path("face.svg"));
    QImage img = transparentImage(10, 10);
    QPainter p(&img);
    cache.draw(&p, QRectF(0, 0, 0.4, 80));
    cache.draw(&p, QRectF(0, 0, 0.4, 80));
    p.end();
    QCOMPARE(cache.renderCount(), 0);
    QVERIFY(cache.pixmap().isNull());
}

QTEST_MAIN(TestGauge)
#include "test_gauge.moc"
