// The files compiled into the program: pictures, icons, the rev counter's
// SVG layers and the two translation catalogues.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cmath>

namespace {

// Where the rev counter turns its needle: 48.6 % / 46.6 % of the 210 box.
const double kPivotX = 210 * 0.486;
const double kPivotY = 210 * 0.466;

QImage renderSvg(const QString &path, int side = 210)
{
    QSvgRenderer svg(path);
    QImage img(side, side, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    svg.render(&p);
    p.end();
    return img;
}

// A point at `radius` from the pivot in the direction that QPainter::rotate
// gives for `angle` (0 = up, positive = clockwise).
QPoint aroundPivot(double angleDeg, double radius)
{
    const double a = angleDeg * M_PI / 180.0;
    return QPoint(int(std::lround(kPivotX + radius * std::sin(a))),
                  int(std::lround(kPivotY - radius * std::cos(a))));
}

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QString tsPath(const QString &lang)
{
    const QString name = QStringLiteral("Tervalix-%1.ts").arg(lang);
#ifdef TERVALIX_SOURCE_DIR
    return QStringLiteral(TERVALIX_SOURCE_DIR "/resources/linguist/") + name;
#else
    return QFINDTESTDATA(QStringLiteral("../resources/linguist/") + name);
#endif
}

QList<TsMessage> readTs(const QString &path, QString *error)
{
    QList<TsMessage> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return out;
    }
    QXmlStreamReader xml(&f);
    QString context;
    TsMessage msg;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef tag = xml.name();
        if (tag == QLatin1String("context")) {
            context.clear();
        } else if (tag == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (tag == QLatin1String("message")) {
            msg = TsMessage();
            msg.context = context;
        } else if (tag == QLatin1String("source")) {
            msg.source = xml.readElementText();
        } else if (tag == QLatin1String("translation")) {
            msg.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            msg.translation = xml.readElementText();
            out << msg;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return out;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void resourceExists_data();
    void resourceExists();
    void jpegPictures_data();
    void jpegPictures();
    void icons_data();
    void icons();
    void svgLayers_data();
    void svgLayers();
    void needlePointsUpFromPivot();
    void shadowIsHalfTransparentNeedle();
    void dialFacesCentredOnPivot_data();
    void dialFacesCentredOnPivot();
    void overlayIsSemiTransparent();

    void catalogueTranslates_data();
    void catalogueTranslates();
    void trailingBlankIsPartOfKey();
    void translationSourcesMatch();
    void compiledCatalogueEqualsSource_data();
    void compiledCatalogueEqualsSource();
};

void TestResources::resourceExists_data()
{
    QTest::addColumn<QString>("path");
    const char *paths[] = {
        ":/linguist/Tervalix-it.qm",          ":/linguist/Tervalix-en.qm",
        ":/icons/imgs/Tervalix.ico",          ":/icons/imgs/motorcycle.ico",
        ":/led/imgs/LEDOFF.JPG",              ":/led/imgs/LEDON.JPG",
        ":/rpm/imgs/RPMbackground12000.svg",  ":/rpm/imgs/RPMbackground16000.svg",
        ":/rpm/imgs/RPMneedle.svg",           ":/rpm/imgs/RPMneedle_shadow.svg",
        ":/rpm/imgs/RPMoverlay.svg",          ":/images/imgs/brundholt2.jpg",
        ":/images/imgs/brundholt4.jpg",
    };
    for (const char *p : paths)
        QTest::newRow(p) << QString::fromLatin1(p);
}

void TestResources::resourceExists()
{
    QFETCH(QString, path);
    QFileInfo info(path);
    QVERIFY2(info.exists(), qPrintable(path));
    QVERIFY(info.size() > 0);
}

void TestResources::jpegPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("minSize");
    // The LED images tile from the button's top-left corner: they must cover
    // the widest (about 320 px) and tallest (about 40 px) button.
    QTest::newRow("LEDOFF") << ":/led/imgs/LEDOFF.JPG" << QSize(320, 40);
    QTest::newRow("LEDON") << ":/led/imgs/LEDON.JPG" << QSize(320, 40);
    // Logos: shown unscaled in the About dialog, halved into a 232 x 130 label.
    QTest::newRow("logo 2") << ":/images/imgs/brundholt2.jpg" << QSize(464, 260);
    QTest::newRow("logo 4") << ":/images/imgs/brundholt4.jpg" << QSize(464, 260);
}

void TestResources::jpegPictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, minSize);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QVERIFY(img.width() >= minSize.width());
    QVERIFY(img.height() >= minSize.height());
    QVERIFY(!QPixmap(path).isNull());
}

void TestResources::icons_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("main window") << ":/icons/imgs/Tervalix.ico";
    QTest::newRow("dialogs") << ":/icons/imgs/motorcycle.ico";
}

void TestResources::icons()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("ico"));
    QCOMPARE(reader.imageCount(), 6);

    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int s : {16, 24, 32, 48, 64, 256}) {
        QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
        const QPixmap pm = icon.pixmap(QSize(s, s));
        QCOMPARE(pm.size(), QSize(s, s));
        // Something is drawn, and the corners are see-through (no square
        // box around the motif on the title bar).
        const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QVERIFY(qAlpha(img.pixel(s / 2, s / 2)) > 0 || qAlpha(img.pixel(s / 2, s * 3 / 4)) > 0);
    }
}

void TestResources::svgLayers_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : {"RPMbackground12000.svg", "RPMbackground16000.svg", "RPMneedle.svg",
                             "RPMneedle_shadow.svg", "RPMoverlay.svg"})
        QTest::newRow(name) << QStringLiteral(":/rpm/imgs/") + QLatin1String(name);
}

void TestResources::svgLayers()
{
    QFETCH(QString, path);
    QSvgRenderer svg(path);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.defaultSize(), QSize(210, 210));
    QCOMPARE(svg.viewBoxF(), QRectF(0, 0, 210, 210));
}

void TestResources::needlePointsUpFromPivot()
{
    const QImage img = renderSvg(":/rpm/imgs/RPMneedle.svg");
    // Hub over the pivot, red blade straight above it up to the scale.
    QCOMPARE(qAlpha(img.pixel(aroundPivot(0, 0))), 255);
    for (double r : {20.0, 45.0, 70.0}) {
        const QRgb c = img.pixel(aroundPivot(0, r));
        QVERIFY2(qAlpha(c) > 200, qPrintable(QString::number(r)));
        QVERIFY(qRed(c) > 2 * qGreen(c) && qRed(c) > 2 * qBlue(c));
    }
    // Nothing to the sides or beyond the tip.
    for (double a : {-90.0, 90.0, 45.0, -45.0})
        QCOMPARE(qAlpha(img.pixel(aroundPivot(a, 40))), 0);
    QCOMPARE(qAlpha(img.pixel(aroundPivot(0, 90))), 0);
}

void TestResources::shadowIsHalfTransparentNeedle()
{
    const QImage shadow = renderSvg(":/rpm/imgs/RPMneedle_shadow.svg");
    const QImage needle = renderSvg(":/rpm/imgs/RPMneedle.svg");
    for (double r : {0.0, 30.0, 60.0}) {
        const QRgb c = shadow.pixel(aroundPivot(0, r));
        QVERIFY2(qAbs(qAlpha(c) - 128) <= 8, qPrintable(QString::number(qAlpha(c))));
        QVERIFY(qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40);
    }
    // Same outline as the needle: sample a grid and compare coverage.
    int differ = 0;
    for (int y = 0; y < 210; y += 3)
        for (int x = 0; x < 210; x += 3)
            if ((qAlpha(shadow.pixel(x, y)) > 60) != (qAlpha(needle.pixel(x, y)) > 120))
                ++differ;
    QVERIFY2(differ < 12, qPrintable(QString::number(differ)));
}

void TestResources::dialFacesCentredOnPivot_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("12000") << ":/rpm/imgs/RPMbackground12000.svg";
    QTest::newRow("16000") << ":/rpm/imgs/RPMbackground16000.svg";
}

void TestResources::dialFacesCentredOnPivot()
{
    QFETCH(QString, path);
    const QImage img = renderSvg(path);
    // The round face (with its bezel) is centred on the needle's pivot: it
    // covers every direction at the same distance and leaves the corners
    // of the square free.
    for (int a = 0; a < 360; a += 15)
        QVERIFY2(qAlpha(img.pixel(aroundPivot(a, 94))) == 255, qPrintable(QString::number(a)));
    for (QPoint corner : {QPoint(2, 2), QPoint(207, 2), QPoint(2, 207), QPoint(207, 207)})
        QCOMPARE(qAlpha(img.pixel(corner)), 0);
    // Dark face around the hub.
    const QRgb centre = img.pixel(aroundPivot(90, 20));
    QVERIFY(qGray(centre) < 80);
}

void TestResources::overlayIsSemiTransparent()
{
    const QImage img = renderSvg(":/rpm/imgs/RPMoverlay.svg");
    int maxAlpha = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            maxAlpha = qMax(maxAlpha, qAlpha(img.pixel(x, y)));
    QVERIFY(maxAlpha > 20);
    QVERIFY(maxAlpha < 160);
    QCOMPARE(qAlpha(img.pixel(2, 2)), 0);
}

void TestResources::catalogueTranslates_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const struct {
        const char *context, *key, *it, *en;
    } rows[] = {
        {"frmProgPannel", "tr(\"     Ricerca Porta\")", "     Cerca Tervalix", "     Search for Tervalix"},
        {"frmProgPannel", "MainWindow", "MainWindow", "MainWindow"},
        {"frmProgPannel", "Profili (*.prf)", "Mappe (*.prf)", "Profiles (*.prf)"},
        {"frmProgPannel", "Salva File di Profilo", "Salva file di Mappa", "Save profile"},
        {"frmProgPannel", "tr(\"Salva File di Profilo\")", "Salva Mappa", "Save Profile"},
        {"frmProgPannel", "tr(\"Giri/min\")", "Giri/min", "RPM"},
        {"frmProgPannel", "tr(\"Muovi Giù: Ctrl+Dn\")", "Muovi Giù", "Move Down"},
        {"frmProgPannel", "tr(\"Imposta/Rimuove Modalita' Banco di Prova\")",
         "Imposta/Rimuove la Modalità Banco Prova", "Set/Reset Test Mode"},
        {"frmProgPannel", "tr(\"Attiva/Blocca l'aggiornamento della velocita' e dell'analogica sonda temperatura\")",
         "Attiva/Blocca l'aggiornamento dei giri", "Start/Stop the update of RPM"},
        {"CMsg", "Aggiornamento FLASH", "Aggiornamento mappa su Tervalix", " Updating profile on Tervalix"},
        {"CMsg", "<Nessun profilo>", "<Nessuna mappa caricata>", "<No profile loaded>"},
        {"CMsg", "%1 Giri/min", "%1 Giri/min", "%1 RPM"},
        {"CMsg", "Link ON", "Monitor n.ro giri", "RPM Monitor"},
        {"CMsg", "Link OFF", "Monitor n.ro giri", "RPM Monitor"},
        {"frmLogin", "tr(\"Digitare la password\")", "Digitare la password", "Enter the  password"},
        {"frmLogin", "tr(\"Accesso modo esperto\")", "Modalità esperto", "Expert Mode"},
        {"frmRicercaPorta", "tr(\"Porte rilevate nel sistema\")", "Porte seriali rilevate nel sistema",
         "Communication Ports Found on your System"},
        {"frmRicercaPorta", "tr(\"Chiudi\")", "Chiudi", "Close"},
        {"frmAbout", "tr(\"Informazioni\")", "Informazioni", "Info"},
        {"frmAbout", "tr(\"Chiudi\")", "Chiudi", "Close"},
    };
    for (const auto &r : rows) {
        const QString tag = QString::fromLatin1(r.context) + QLatin1Char(' ') + QString::fromUtf8(r.key);
        QTest::newRow(qPrintable("it " + tag)) << "Tervalix-it.qm" << r.context << QString::fromUtf8(r.key)
                                               << QString::fromUtf8(r.it);
        QTest::newRow(qPrintable("en " + tag)) << "Tervalix-en.qm" << r.context << QString::fromUtf8(r.key)
                                               << QString::fromUtf8(r.en);
    }
}

void TestResources::catalogueTranslates()
{
    QFETCH(QString, file);
    QFETCH(QString, context);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTranslator tr;
    QVERIFY(tr.load(file, ":/linguist"));
    QCOMPARE(tr.translate(qPrintable(context), key.toUtf8().constData()), expected);
}

void TestResources::trailingBlankIsPartOfKey()
{
    const QByteArray withBlank = "tr(\"Carica la curva profilo da file\") ";
    const QByteArray without = withBlank.trimmed();
    QTranslator it, en;
    QVERIFY(it.load("Tervalix-it.qm", ":/linguist"));
    QVERIFY(en.load("Tervalix-en.qm", ":/linguist"));
    QCOMPARE(it.translate("frmProgPannel", withBlank.constData()), QStringLiteral("Carica Mappa da file"));
    QCOMPARE(en.translate("frmProgPannel", withBlank.constData()), QStringLiteral("Load from file a profile plot"));
    QVERIFY(it.translate("frmProgPannel", without.constData()).isEmpty());
    QVERIFY(en.translate("frmProgPannel", without.constData()).isEmpty());
    // A key of one context is not found in another.
    QVERIFY(en.translate("frmProgPannel", "Aggiornamento FLASH").isEmpty());
}

void TestResources::translationSourcesMatch()
{
    QString err;
    const QList<TsMessage> it = readTs(tsPath("it"), &err);
    QVERIFY2(err.isEmpty(), qPrintable(err));
    const QList<TsMessage> en = readTs(tsPath("en"), &err);
    QVERIFY2(err.isEmpty(), qPrintable(err));
    QCOMPARE(it.size(), 74);
    QCOMPARE(en.size(), 74);

    QSet<QPair<QString, QString>> itKeys, enKeys;
    QSet<QString> contexts;
    for (const TsMessage &m : it) {
        itKeys.insert(qMakePair(m.context, m.source));
        contexts.insert(m.context);
        QVERIFY2(!m.unfinished, qPrintable(m.source));
        QVERIFY2(!m.translation.isEmpty(), qPrintable(m.source));
    }
    for (const TsMessage &m : en) {
        enKeys.insert(qMakePair(m.context, m.source));
        QVERIFY2(!m.unfinished, qPrintable(m.source));
        QVERIFY2(!m.translation.isEmpty(), qPrintable(m.source));
    }
    QCOMPARE(itKeys.size(), 74); // no duplicate keys
    QCOMPARE(itKeys, enKeys);
    QCOMPARE(contexts, (QSet<QString>{"frmProgPannel", "CMsg", "frmLogin", "frmRicercaPorta", "frmAbout"}));
}

void TestResources::compiledCatalogueEqualsSource_data()
{
    QTest::addColumn<QString>("lang");
    QTest::newRow("it") << "it";
    QTest::newRow("en") << "en";
}

void TestResources::compiledCatalogueEqualsSource()
{
    // Every entry of the translation source reaches the compiled catalogue
    // unchanged (blanks, quotes and accented letters included).
    QFETCH(QString, lang);
    QString err;
    const QList<TsMessage> msgs = readTs(tsPath(lang), &err);
    QVERIFY2(err.isEmpty(), qPrintable(err));
    QVERIFY(!msgs.isEmpty());
    QTranslator tr;
    QVERIFY(tr.load(QStringLiteral("Tervalix-%1.qm").arg(lang), ":/linguist"));
    for (const TsMessage &m : msgs)
        QCOMPARE(tr.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()), m.translation);
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
