// SPDX-License-Identifier: GPL-3.0-or-later
// The rev counter: how it looks (reference images of the real layers, set
// up as the window sets it up: they also cover the layers' placing and the
// cache's turned copy of the shadow), the value range and the needle's
// angle, and when the pixmap cache behind the layers renders.
//
// TERVALIX_UPDATE_REFERENCES=1 writes the reference images anew (look at
// them before committing them).

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <climits>

#include "gauge/crpmgauge.h"
#include "gauge/gaugegeometry.h"
#include "gauge/qtsvgpixmapcache.h"

namespace {

QString referencePath(const QString &name)
{
    return QStringLiteral(TERVALIX_SOURCE_DIR "/tests/ui/reference/") + name + QStringLiteral(".png");
}

QImage transparentImage(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QImage renderGauge(CRpmGauge &gauge)
{
    QImage img = transparentImage(gauge.width(), gauge.height());
    gauge.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

// Pixels whose channels differ by more than `tolerance`.
int differingPixels(const QImage &a, const QImage &b, int tolerance)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = qMax(qMax(qAbs(qAlpha(p) - qAlpha(q)), qAbs(qRed(p) - qRed(q))),
                               qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))));
            n += d > tolerance ? 1 : 0;
        }
    return n;
}

bool writeSvg(const QString &path, int w, int h, const QString &body)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly)
        && f.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                  "viewBox=\"0 0 %1 %2\">%3</svg>")
                       .arg(w)
                       .arg(h)
                       .arg(body)
                       .toUtf8())
               > 0;
}

} // namespace

class TestGauge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void looksAsItDid_data();
    void looksAsItDid();
    void valueStaysWithinTheRange_data();
    void valueStaysWithinTheRange();
    void needleAngle_data();
    void needleAngle();
    void cacheRendersOncePerRoundedSize();
    void nothingToDrawDrawsNothing_data();
    void nothingToDrawDrawsNothing();

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

void TestGauge::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(writeSvg(path("face.svg"), 210, 210, "<rect width=\"210\" height=\"210\" fill=\"#ff0000\"/>"));
    QVERIFY(writeSvg(path("corner.svg"), 210, 210, "<rect width=\"20\" height=\"20\" fill=\"#ffff00\"/>"));
    QVERIFY(writeSvg(path("clear.svg"), 50, 50, "<rect width=\"50\" height=\"50\" fill=\"none\"/>"));
    QFile broken(path("broken.svg"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("<svg this is not xml") > 0);
}

void TestGauge::looksAsItDid_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<double>("endAngle");
    QTest::addColumn<int>("value");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("overlay");
    QTest::newRow("gauge-12000-at-0") << "RPMbackground12000.svg" << 12000 << 133.0 << 0 << QSize(237, 237) << false;
    QTest::newRow("gauge-12000-at-7345") << "RPMbackground12000.svg" << 12000 << 133.0 << 7345 << QSize(237, 237)
                                         << false;
    QTest::newRow("gauge-16000-full") << "RPMbackground16000.svg" << 17000 << 149.0 << 17000 << QSize(237, 237)
                                      << false;
    // Centred in a wide widget, under the glass.
    QTest::newRow("gauge-16000-wide-overlay") << "RPMbackground16000.svg" << 17000 << 149.0 << 8500
                                              << QSize(300, 200) << true;
}

void TestGauge::looksAsItDid()
{
    QFETCH(QString, skin);
    QFETCH(int, maximum);
    QFETCH(double, endAngle);
    QFETCH(int, value);
    QFETCH(QSize, size);
    QFETCH(bool, overlay);
    // As the window sets it up.
    CRpmGauge g;
    g.setNeedleOrigin(0.486, 0.466);
    g.setMinimum(0);
    g.setStartAngle(-130.0);
    g.setSkin(skin);
    g.setMaximum(maximum);
    g.setEndAngle(endAngle);
    g.setShowOverlay(overlay);
    g.resize(size);
    g.setValue(value);
    const QImage actual = renderGauge(g);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    if (qEnvironmentVariableIntValue("TERVALIX_UPDATE_REFERENCES") == 1) {
        QVERIFY(QDir().mkpath(QFileInfo(referencePath(name)).path()));
        QVERIFY(actual.save(referencePath(name)));
        qInfo("wrote %s", qPrintable(referencePath(name)));
        return;
    }
    const QImage reference = QImage(referencePath(name)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!reference.isNull(), qPrintable("no reference image " + referencePath(name)));
    QCOMPARE(actual.size(), reference.size());
    // Antialiased edges may round differently; a needle a step off moves
    // hundreds of pixels.
    const int off = differingPixels(actual, reference, 8);
    if (off > 20)
        actual.save(QDir::current().filePath(name + QStringLiteral("-actual.png")));
    QVERIFY2(off <= 20, qPrintable(QStringLiteral("%1 pixels differ (this image: %2-actual.png)").arg(off).arg(name)));
}

void TestGauge::valueStaysWithinTheRange_data()
{
    // A gauge from 0 to 12000 at `value`, then given a new minimum and maximum.
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("expected");
    QTest::newRow("above the maximum") << 20000 << 0 << 12000 << 12000;
    QTest::newRow("below the minimum") << -5 << 0 << 12000 << 0;
    QTest::newRow("within") << 7345 << 0 << 12000 << 7345;
    QTest::newRow("maximum lowered") << 8000 << 0 << 5000 << 5000;
    QTest::newRow("maximum raised") << 8000 << 0 << 17000 << 8000;
    QTest::newRow("minimum raised") << 10 << 40 << 12000 << 40;
    QTest::newRow("minimum lowered") << 10 << -20 << 12000 << 10;
}

void TestGauge::valueStaysWithinTheRange()
{
    QFETCH(int, value);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, expected);
    CRpmGauge g;
    g.setMaximum(12000);
    g.setValue(value);
    g.setMinimum(minimum);
    g.setMaximum(maximum);
    QCOMPARE(g.value(), expected);
    // The needle's pivot is a share of the layer, never outside it.
    g.setNeedleOrigin(1.5, -0.2);
    QCOMPARE(QPointF(g.needleOriginX(), g.needleOriginY()), QPointF(1.0, 0.0));
}

void TestGauge::needleAngle_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<double>("endAngle");
    QTest::addColumn<double>("expected");
    QTest::newRow("2 cyl, 0") << 0 << 0 << 12000 << 133.0 << -130.0;
    QTest::newRow("2 cyl, 6000") << 6000 << 0 << 12000 << 133.0 << 1.5;
    QTest::newRow("2 cyl, 12000") << 12000 << 0 << 12000 << 133.0 << 133.0;
    QTest::newRow("4 cyl, 16000") << 16000 << 0 << 17000 << 149.0 << -130.0 + 279.0 * 16.0 / 17.0;
    QTest::newRow("4 cyl, 17000") << 17000 << 0 << 17000 << 149.0 << 149.0;
    // An empty range shows the start angle rather than dividing by zero.
    QTest::newRow("empty range") << 0 << 0 << 0 << 133.0 << -130.0;
    // Extreme ranges do not overflow in integer arithmetic.
    QTest::newRow("whole int range") << INT_MAX << INT_MIN << INT_MAX << 100.0 << 100.0;
}

void TestGauge::needleAngle()
{
    QFETCH(int, value);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(double, endAngle);
    QFETCH(double, expected);
    QCOMPARE(GaugeGeometry::needleAngle(value, minimum, maximum, -130.0, endAngle), expected);
    CRpmGauge g;
    g.setStartAngle(-130.0);
    g.setEndAngle(endAngle);
    g.setMinimum(minimum);
    g.setMaximum(maximum);
    g.setValue(value);
    QCOMPARE(g.needleAngle(), expected);
}

void TestGauge::cacheRendersOncePerRoundedSize()
{
    QtSvgPixmapCache cache;
    cache.load(path("face.svg"));
    QCOMPARE(cache.defaultSize(), QSize(210, 210));
    QImage img = transparentImage(220, 220);
    QPainter p(&img);
    cache.draw(&p, QRectF(0, 0, 209.6, 209.4));
    const qint64 key = cache.pixmap().cacheKey();
    cache.draw(&p, QRectF(0, 0, 210.4, 208.6));
    QCOMPARE(cache.renderCount(), 1);
    QCOMPARE(cache.pixmap().size(), QSize(210, 209));
    QCOMPARE(cache.pixmap().cacheKey(), key);
    // A new size renders again, and only one pixmap is kept.
    cache.draw(&p, QRectF(10, 20, 50, 40));
    cache.draw(&p, QRectF(0, 0, 210, 209));
    QCOMPARE(cache.renderCount(), 3);
    // A load renders again, the same file too; a new file shows the new picture.
    cache.load(path("face.svg"));
    QVERIFY(cache.pixmap().isNull());
    cache.load(path("corner.svg"));
    img.fill(Qt::transparent);
    cache.draw(&p, QRectF(0, 0, 210, 209));
    p.end();
    QCOMPARE(cache.renderCount(), 4);
    QCOMPARE(img.pixel(2, 2), qRgb(255, 255, 0));
    QCOMPARE(qAlpha(img.pixel(40, 40)), 0);
}

void TestGauge::nothingToDrawDrawsNothing_data()
{
    QTest::addColumn<QString>("file");  // empty: never loaded
    QTest::addColumn<QRectF>("target");
    QTest::addColumn<int>("renders");
    QTest::newRow("missing") << "no-such-file.svg" << QRectF(0, 0, 100, 100) << 0;
    QTest::newRow("broken") << "broken.svg" << QRectF(0, 0, 100, 100) << 0;
    QTest::newRow("never loaded") << QString() << QRectF(0, 0, 100, 100) << 0;
    QTest::newRow("empty target") << "face.svg" << QRectF(0, 0, 0.4, 80) << 0;
    QTest::newRow("transparent picture") << "clear.svg" << QRectF(0, 0, 50, 50) << 1;
}

void TestGauge::nothingToDrawDrawsNothing()
{
    QFETCH(QString, file);
    QFETCH(QRectF, target);
    QFETCH(int, renders);
    QtSvgPixmapCache cache;
    if (!file.isEmpty()) {
        cache.load(path("face.svg"));
        cache.load(path(file));  // a bad file replaces a good one
    }
    QImage img = transparentImage(100, 100);
    QPainter p(&img);
    cache.draw(&p, target);
    cache.draw(&p, target);
    p.end();
    QCOMPARE(img, transparentImage(100, 100));
    QCOMPARE(cache.renderCount(), renders);
    // Nor does a gauge whose layers are missing.
    CRpmGauge g;
    g.setLayerFolder(dir.path() + QStringLiteral("/none/"));
    g.setSkin(QStringLiteral("face.svg"));
    g.setValue(50);
    QCOMPARE(renderGauge(g), transparentImage(g.width(), g.height()));
}

QTEST_MAIN(TestGauge)
#include "test_gauge.moc"
