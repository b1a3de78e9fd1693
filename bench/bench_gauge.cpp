// SPDX-License-Identifier: GPL-3.0-or-later
// One repaint of the rev counter at its size in the main window (237 x 237),
// as the live monitor triggers it for every engine speed: the gauge with its
// pixmap caches against a gauge that renders every layer from SVG each time.
//
//   QT_QPA_PLATFORM=offscreen ./bench_gauge
//
// The real dial layers are used when compiled in; otherwise comparable
// stand-ins are written to a temporary folder.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "gauge/crpmgauge.h"
#include "gauge/gaugegeometry.h"

namespace {

const char *const kFace = "RPMbackground12000.svg";

// The same paint sequence as CRpmGauge, with the face, shadow and overlay
// rendered through QSvgRenderer on every paint instead of copied from a cache.
class UncachedGauge : public QWidget {
public:
    explicit UncachedGauge(const QString &folder)
    {
        face.load(folder + kFace);
        shadow.load(folder + "RPMneedle_shadow.svg");
        needle.load(folder + "RPMneedle.svg");
        overlay.load(folder + "RPMoverlay.svg");
        resize(237, 237);
    }
    bool isValid() const { return face.isValid() && shadow.isValid() && needle.isValid() && overlay.isValid(); }

    qreal angle = 0.0;
    qreal originX = 0.486, originY = 0.466;
    bool showOverlay = true;

protected:
    void paintEvent(QPaintEvent *) override
    {
        using namespace GaugeGeometry;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF f = layerRect(face.defaultSize(), size());
        painter.translate(centringOffset(f.size(), size()));
        painter.save();
        face.render(&painter, f);
        const QRectF layer = layerRect(needle.defaultSize(), size());
        const QRectF n = needleRect(layer, originX, originY);
        painter.translate(pivotOffset(layer, originX, originY));
        painter.save();
        painter.translate(2.0, 4.0);
        painter.rotate(angle);
        shadow.render(&painter, n);
        painter.restore();
        painter.rotate(angle);
        needle.render(&painter, n);
        painter.restore();
        if (showOverlay)
            overlay.render(&painter, layerRect(overlay.defaultSize(), size()));
    }

private:
    QSvgRenderer face, shadow, needle, overlay;
};

// Stand-ins of a similar weight to the real artwork: a face with gradients,
// 61 ticks and 7 labels, a needle, its blurred-looking shadow and a glass.
void writeStandIns(const QString &folder)
{
    auto write = [&](const char *name, const QString &body) {
        QFile f(folder + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"210\" height=\"210\" "
                                   "viewBox=\"0 0 210 210\">%1</svg>")
                        .arg(body)
                        .toUtf8());
    };
    QString face = QStringLiteral(
        "<defs><radialGradient id=\"g\"><stop offset=\"0\" stop-color=\"#223\"/>"
        "<stop offset=\"1\" stop-color=\"#001\"/></radialGradient></defs>"
        "<circle cx=\"105\" cy=\"105\" r=\"103\" fill=\"url(#g)\" stroke=\"#999\" stroke-width=\"3\"/>");
    for (int i = 0; i <= 60; ++i) {
        const qreal a = -130.0 + 263.0 * i / 60.0;
        face += QStringLiteral("<line x1=\"105\" y1=\"12\" x2=\"105\" y2=\"%1\" stroke=\"#fff\" "
                               "stroke-width=\"%2\" transform=\"rotate(%3 105 105)\"/>")
                    .arg(i % 10 == 0 ? 26 : 18)
                    .arg(i % 10 == 0 ? 3 : 1)
                    .arg(a);
    }
    for (int i = 0; i <= 6; ++i)
        face += QStringLiteral("<text x=\"105\" y=\"44\" fill=\"#fff\" font-size=\"14\" text-anchor=\"middle\" "
                               "transform=\"rotate(%1 105 105)\">%2</text>")
                    .arg(-130.0 + 263.0 * i / 6.0)
                    .arg(i * 2);
    face += "<text x=\"105\" y=\"150\" fill=\"#ccc\" font-size=\"10\" text-anchor=\"middle\">x 1000</text>";
    write(kFace, face);
    const QString needle = "<path d=\"M100 98 L102 20 L104 98 Z\" fill=\"#d00\"/><circle cx=\"102\" cy=\"98\" r=\"6\" fill=\"#333\"/>";
    write("RPMneedle.svg", needle);
    write("RPMneedle_shadow.svg", "<g opacity=\"0.5\">" + QString(needle).replace("#d00", "#000").replace("#333", "#000") + "</g>");
    write("RPMoverlay.svg",
          "<defs><linearGradient id=\"o\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\"><stop offset=\"0\" stop-color=\"#fff\" "
          "stop-opacity=\"0.35\"/><stop offset=\"1\" stop-color=\"#fff\" stop-opacity=\"0\"/></linearGradient></defs>"
          "<ellipse cx=\"105\" cy=\"70\" rx=\"90\" ry=\"60\" fill=\"url(#o)\"/>");
}

}  // namespace

class BenchGauge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void repaintCached_data() { rows(); }
    void repaintCached();
    void repaintUncached_data() { rows(); }
    void repaintUncached();

private:
    void rows()
    {
        QTest::addColumn<bool>("overlay");
        QTest::newRow("overlay shown") << true;
        QTest::newRow("overlay hidden (main window)") << false;
    }

    QTemporaryDir standIns;
    QString folder;
};

void BenchGauge::initTestCase()
{
    folder = QString::fromLatin1(CRpmGauge::defaultLayerFolder);
    if (!QFile::exists(folder + kFace)) {
        QVERIFY(standIns.isValid());
        folder = standIns.path() + QLatin1Char('/');
        writeStandIns(folder);
        qInfo("compiled-in dial layers missing: using stand-ins in %s", qPrintable(folder));
    } else {
        qInfo("using the compiled-in dial layers from %s", qPrintable(folder));
    }
}

void BenchGauge::repaintCached()
{
    QFETCH(bool, overlay);
    CRpmGauge gauge;
    gauge.setLayerFolder(folder);
    gauge.setNeedleOrigin(0.486, 0.466);
    gauge.setMinimum(0);
    gauge.setStartAngle(-130.0);
    gauge.setSkin(kFace);
    gauge.setMaximum(12000);
    gauge.setEndAngle(133.0);
    gauge.setShowOverlay(overlay);
    QCOMPARE(gauge.size(), QSize(237, 237));

    QImage image(gauge.size(), QImage::Format_ARGB32_Premultiplied);
    gauge.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // first paint fills the caches
    int rpm = 0;
    QBENCHMARK {
        rpm = (rpm + 137) % 12000;
        gauge.setValue(rpm);
        gauge.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    }
}

void BenchGauge::repaintUncached()
{
    QFETCH(bool, overlay);
    UncachedGauge gauge(folder);
    QVERIFY(gauge.isValid());
    gauge.showOverlay = overlay;
    QImage image(gauge.size(), QImage::Format_ARGB32_Premultiplied);
    gauge.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int rpm = 0;
    QBENCHMARK {
        rpm = (rpm + 137) % 12000;
        gauge.angle = GaugeGeometry::needleAngle(rpm, 0, 12000, -130.0, 133.0);
        gauge.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    }
}

QTEST_MAIN(BenchGauge)
#include "bench_gauge.moc"
