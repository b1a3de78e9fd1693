// The files compiled into the program: pictures, icons, the rev counter's
// SVG layers and the two translation catalogues.
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
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

using TsKey = QPair<QString, QString>;  // context, source

QString describe(const TsKey &key)
{
    return key.first + QStringLiteral(" \"") + key.second + QLatin1Char('"');
}

// The entries the two catalogues were first made with, in both languages:
// texts added later go beside them and leave them as they are.
struct DesignedEntry {
    const char *context, *key, *it, *en;
};
const DesignedEntry kDesigned[] = {
    {"frmProgPannel", "Apre File di Profilo", "Apre file di Mappa", "Load Profile"},
    {"frmProgPannel", "MainWindow", "MainWindow", "MainWindow"},
    {"frmProgPannel", "Profili (*.prf)", "Mappe (*.prf)", "Profiles (*.prf)"},
    {"frmProgPannel", "Salva File di Profilo", "Salva file di Mappa", "Save profile"},
    {"frmProgPannel", "tr(\"     Ricerca Porta\")", "     Cerca Tervalix", "     Search for Tervalix"},
    {"frmProgPannel", "tr(\"About\")", "Informazioni", "About"},
    {"frmProgPannel", "tr(\"Aggiorna ROM Centralina\")", "Invia Mappa a Tervalix", "Update Profile on Tervalix"},
    {"frmProgPannel", "tr(\"Attiva/Blocca l'aggiornamento della velocita' e dell'analogica sonda temperatura\")",
     "Attiva/Blocca l'aggiornamento dei giri", "Start/Stop the update of RPM"},
    {"frmProgPannel", "tr(\"Banco OFF\")", "Banco OFF", "Test Mode OFF"},
    {"frmProgPannel", "tr(\"Carica File di Profilo\")", "Carica Mappa", "Load Profile"},
    {"frmProgPannel", "tr(\"Carica la curva profilo da file\") ",
     "Carica Mappa da file", "Load from file a profile plot"},
    {"frmProgPannel", "tr(\"Carica Profilo\")", "Carica Mappa", "Load Profile"},
    {"frmProgPannel", "tr(\"Centralina 2 cilindri\")",
     "Tervalix per moto a 2 cilindri", "Tervalix for 2 cylinder bikes"},
    {"frmProgPannel", "tr(\"Centralina 4 cilindri\")",
     "Tervalix per moto a 4 cilindri", "Tervalix for 4 cylinder bikes"},
    {"frmProgPannel", "tr(\"Cerca Centralina: Ctrl+P\")", "Cerca Tervalix", "Search for Tervalix"},
    {"frmProgPannel",
     "tr(\"Cerca la porta seriale ove e' collegata la centralina e ne attiva/disattiva la connessione\")",
     "Cerca la connessione con Tervalix e ne attiva/disattiva il link",
     "Look for Tervalix connection and enable/disable a link"},
    {"frmProgPannel", "tr(\"Chiude l'applicazione\")", "Chiude l'applicazione", "Close application"},
    {"frmProgPannel", "tr(\"Close\")", "Chiudi", "Close"},
    {"frmProgPannel", "tr(\"Configurazione\")", "Configurazione", "Configuration"},
    {"frmProgPannel", "tr(\"Divisore numero di giri\")",
     "Fattore di divisione del numero di giri", "RPM factor divider"},
    {"frmProgPannel", "tr(\"Exit program Alt+F4\")", "Termina programma", "Exit program"},
    {"frmProgPannel", "tr(\"File\")", "File", "File"},
    {"frmProgPannel", "tr(\"Genera Profilo Piatto\")", "Genera Mappa Piatta", "Generate Flat Profile"},
    {"frmProgPannel", "tr(\"Genera un Profilo Piatto\")", "Genera una Mappa Piatta", "Generate a Flat Plot"},
    {"frmProgPannel", "tr(\"Giri/min\")", "Giri/min", "RPM"},
    {"frmProgPannel", "tr(\"Imposta/Rimuove Modalita' Banco di Prova\")",
     "Imposta/Rimuove la Modalità Banco Prova", "Set/Reset Test Mode"},
    {"frmProgPannel", "tr(\"Inglese\")", "Inglese", "English"},
    {"frmProgPannel", "tr(\"Invia la curva profilo alla centralina\")",
     "Invia la mappa alla Tervalix", "Send the profile plot to Tervalix"},
    {"frmProgPannel", "tr(\"Italiano\")", "Italiano", "Italian"},
    {"frmProgPannel", "tr(\"K Iniezione\")", "Divisore n.Giri", "RPM Divider"},
    {"frmProgPannel", "tr(\"Legge la curva profilo dalla centralina\")",
     "Legge la mappa iniezione da Tervalix", "Read the profile plot from Tervalix"},
    {"frmProgPannel", "tr(\"Leggi ROM Centralina\")", "Leggi Mappa da Tervalix", "Read Profile from Tervalix"},
    {"frmProgPannel", "tr(\"Link OFF\")", "Monitor n.ro giri", "RPM Monitor"},
    {"frmProgPannel", "tr(\"Livello Sensore\")", "Analog. Sonda", "TEMP Sensor"},
    {"frmProgPannel", "tr(\"Modo Esperto\")", "Modo Esperto", "Expert Mode"},
    {"frmProgPannel", "tr(\"Muovi Cursore\")", "Muovi Cursore", "Move Cursor"},
    {"frmProgPannel", "tr(\"Muovi Destra: Ctrl+Right\")", "Muovi Destra", "Move Right"},
    {"frmProgPannel", "tr(\"Muovi Giù: Ctrl+Dn\")", "Muovi Giù", "Move Down"},
    {"frmProgPannel", "tr(\"Muovi Sinistra: Ctrl+Left\")", "Muovi Sinistra", "Move Left"},
    {"frmProgPannel", "tr(\"Muovi Sù: Ctrl+Up\")", "Muovi Sù", "Move Up"},
    {"frmProgPannel", "tr(\"Profilo Piatto\")", "Val. Mappa Piatta", "Flat Profile Value"},
    {"frmProgPannel", "tr(\"Profilo utilizzato\")", "Mappa utilizzata", "Profile in use"},
    {"frmProgPannel", "tr(\"Salva File di Profilo\")", "Salva Mappa", "Save Profile"},
    {"frmProgPannel", "tr(\"Salva la curva profilo su file\")",
     "Salva Mappa in uso su file", "Save on file the current profile plot"},
    {"frmProgPannel", "tr(\"Salva Profilo\")", "Salva Mappa", "Save Profile"},
    {"frmProgPannel", "tr(\"Seleziona Centralina\")", "Seleziona versione Tervalix", "Select version of Tervalix"},
    {"frmProgPannel", "tr(\"Seleziona Lingua\")", "Seleziona Lingua", "Choose your language"},
    {"frmProgPannel", "tr(\"Valore analogico sonda temperatura\")",
     "Valore analogico della sonda temperatura", "Analogic value of temperature probe"},
    {"frmProgPannel", "tr(\"Valore del profilo piatto\")", "Valore per la Mappa Piatta", "Value for Flat Profile"},
    {"frmProgPannel", "tr(\"Virtual Port\")", "Porta Virtuale", "Virtual Comm"},
    {"CMsg", "%1 Giri/min", "%1 Giri/min", "%1 RPM"},
    {"CMsg", "<Nessun profilo>", "<Nessuna mappa caricata>", "<No profile loaded>"},
    {"CMsg", "<Nessuna>", "<Nessuna>", "<None>"},
    {"CMsg", "<Selezionare una porta>", "<Selezionare una porta>", "<Choose a port>"},
    {"CMsg", "Aggiornamento FLASH", "Aggiornamento mappa su Tervalix", " Updating profile on Tervalix"},
    {"CMsg", "Banco OFF", "Banco OFF", "Test Mode OFF"},
    {"CMsg", "Banco ON", "Banco ON", "Test Mode ON"},
    {"CMsg", "Curva iniezione", "Mappa Iniezione", "Injection Plot"},
    {"CMsg", "Errore di comunicazione con la scheda",
     "Errore di comunicazione con Tervalix", "Failure to communicate with Tervalix"},
    {"CMsg", "Giri al Minuto", "Giri al minuto", "RPM"},
    {"CMsg", "Lettura FLASH", "Lettura mappa da Tervalix", "Reading profile from Tervalix"},
    {"CMsg", "Link OFF", "Monitor n.ro giri", "RPM Monitor"},
    {"CMsg", "Link ON", "Monitor n.ro giri", "RPM Monitor"},
    {"CMsg", "Punti", "Punti", "Points"},
    {"CMsg", "Scheda non trovata", "Tervalix non trovato", "Tervalix not found"},
    {"CMsg", "Scheda trovata", "Tervalix trovato", "Tervalix found"},
    {"frmLogin", "tr(\"Accesso modo esperto\")", "Modalità esperto", "Expert Mode"},
    {"frmLogin", "tr(\"Conferma\")", "Conferma", "Confirm"},
    {"frmLogin", "tr(\"Digitare la password\")", "Digitare la password", "Enter the  password"},
    {"frmRicercaPorta", "tr(\"Chiudi\")", "Chiudi", "Close"},
    {"frmRicercaPorta", "tr(\"Porte rilevate nel sistema\")",
     "Porte seriali rilevate nel sistema", "Communication Ports Found on your System"},
    {"frmRicercaPorta", "tr(\"Ricerca porta di collegamento con la centralina\")",
     "Cerca Tervalix", "Search for Tervalix"},
    {"frmAbout", "tr(\"Chiudi\")", "Chiudi", "Close"},
    {"frmAbout", "tr(\"Informazioni\")", "Informazioni", "Info"},
};

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
    void everyTextOfTheCodeIsInBothCatalogues();
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

    for (const DesignedEntry &r : kDesigned) {
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
    QSet<TsKey> catalogue[2];
    const char *langs[] = {"it", "en"};
    for (int i = 0; i < 2; ++i) {
        QString err;
        const QList<TsMessage> msgs = readTs(tsPath(langs[i]), &err);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        for (const TsMessage &m : msgs) {
            const TsKey key(m.context, m.source);
            const QString where = QLatin1String(langs[i]) + QLatin1Char(' ') + describe(key);
            QVERIFY2(!m.unfinished && !m.translation.isEmpty(), qPrintable("untranslated: " + where));
            QVERIFY2(!catalogue[i].contains(key), qPrintable("twice: " + where));
            catalogue[i].insert(key);
        }
    }
    QStringList unmatched;
    for (int i = 0; i < 2; ++i)
        for (const TsKey &key : catalogue[i])
            if (!catalogue[1 - i].contains(key))
                unmatched << QStringLiteral("only in %1: %2").arg(langs[i], describe(key));
    QVERIFY2(unmatched.isEmpty(), qPrintable(unmatched.join(QLatin1Char('\n'))));

    // Their wording is checked through the compiled catalogues (catalogueTranslates).
    for (const DesignedEntry &d : kDesigned) {
        const TsKey key(QString::fromLatin1(d.context), QString::fromUtf8(d.key));
        QVERIFY2(catalogue[0].contains(key), qPrintable("designed entry gone: " + describe(key)));
    }
}

void TestResources::everyTextOfTheCodeIsInBothCatalogues()
{
    // What lupdate finds in the programs' folders is what the code looks up
    // at run time: a text a catalogue lacks is shown untranslated.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString extracted = dir.filePath(QStringLiteral("code.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(TERVALIX_LUPDATE),
                  QStringList{"-silent", "-no-obsolete", "-locations", "none"}
                      + QStringLiteral(TERVALIX_CODE_FOLDERS).split(QLatin1Char('|'))
                      + QStringList{"-ts", extracted});
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    const QByteArray log = lupdate.readAll();
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, log.constData());
    QString err;
    const QList<TsMessage> code = readTs(extracted, &err);
    QVERIFY2(err.isEmpty(), qPrintable(err + QLatin1Char('\n') + QString::fromLocal8Bit(log)));
    QVERIFY2(!code.isEmpty(), qPrintable(QString::fromLocal8Bit(log)));

    QSet<TsKey> catalogue[2];
    const char *langs[] = {"it", "en"};
    for (int i = 0; i < 2; ++i) {
        for (const TsMessage &m : readTs(tsPath(langs[i]), &err))
            catalogue[i].insert(TsKey(m.context, m.source));
        QVERIFY2(err.isEmpty(), qPrintable(err));
    }
    QStringList missing;
    for (const TsMessage &m : code) {
        TsKey key(m.context, m.source);
        // The forms' own Ui classes look their texts up under the form's
        // name, but lupdate may file them under Ui::.
        if (key.first.startsWith(QLatin1String("Ui::")))
            key.first.remove(0, 4);
        QStringList lacking;
        for (int i = 0; i < 2; ++i)
            if (!catalogue[i].contains(key))
                lacking << QLatin1String(langs[i]);
        if (!lacking.isEmpty())
            missing << describe(key) + QStringLiteral(" (missing in ") + lacking.join(QStringLiteral(", "))
                    + QLatin1Char(')');
    }
    // One line each: a failure message would be cut short.
    for (const QString &line : missing)
        qWarning().noquote() << line;
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 texts of the code are not in the catalogues (listed above)")
                            .arg(missing.size())));
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
