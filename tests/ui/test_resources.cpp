// SPDX-License-Identifier: GPL-3.0-or-later
// The files compiled into the program: pictures, icons, the rev counter's
// layers (drawn: test_gauge) and the two translation catalogues, which must
// hold every text the code translates.
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QProcess>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct TsMessage {
    QString context;
    QString source;
    QString translation;  // a plural text: its first form
    bool unfinished = false;
    bool numerus = false;
};

QString tsPath(const QString &lang)
{
    return QStringLiteral(TERVALIX_SOURCE_DIR "/resources/linguist/Tervalix-%1.ts").arg(lang);
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
            msg.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (tag == QLatin1String("source")) {
            msg.source = xml.readElementText();
        } else if (tag == QLatin1String("translation")) {
            msg.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (msg.numerus) {
                while (xml.readNextStartElement())
                    if (xml.name() == QLatin1String("numerusform")) {
                        const QString form = xml.readElementText();
                        if (msg.translation.isEmpty())
                            msg.translation = form;
                    }
            } else {
                msg.translation = xml.readElementText();
            }
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

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void resourceLoads_data();
    void resourceLoads();
    void iconsHaveEverySizeAndClearCorners_data();
    void iconsHaveEverySizeAndClearCorners();
    void cataloguesAreWholeAndCompiled();
    void everyTextOfTheCodeIsInBothCatalogues();
};

void TestResources::resourceLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("minSize");  // pictures only
    // The LED images tile from the button's top-left corner: they must cover
    // the widest (about 320 px) and tallest (about 40 px) button.
    QTest::newRow("LEDOFF") << ":/led/imgs/LEDOFF.JPG" << QSize(320, 40);
    QTest::newRow("LEDON") << ":/led/imgs/LEDON.JPG" << QSize(320, 40);
    // Logos: shown unscaled in the About dialog, halved into a 232 x 130 label.
    QTest::newRow("logo 2") << ":/images/imgs/brundholt2.jpg" << QSize(464, 260);
    QTest::newRow("logo 4") << ":/images/imgs/brundholt4.jpg" << QSize(464, 260);
    for (const char *name : {"RPMbackground12000.svg", "RPMbackground16000.svg", "RPMneedle.svg",
                             "RPMneedle_shadow.svg", "RPMoverlay.svg"})
        QTest::newRow(name) << QStringLiteral(":/rpm/imgs/") + QLatin1String(name) << QSize(210, 210);
    QTest::newRow("it") << ":/linguist/Tervalix-it.qm" << QSize();
    QTest::newRow("en") << ":/linguist/Tervalix-en.qm" << QSize();
}

void TestResources::resourceLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, minSize);
    QVERIFY2(QFileInfo(path).size() > 0, qPrintable(path));
    if (path.endsWith(QLatin1String(".qm"))) {
        QTranslator tr;
        QVERIFY(tr.load(path));
    } else if (path.endsWith(QLatin1String(".svg"))) {
        // Every layer on the same 210 box, or the needle misses its pivot.
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.defaultSize(), minSize);
        QCOMPARE(svg.viewBoxF(), QRectF(QPointF(), minSize));
    } else {
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
        QVERIFY(img.width() >= minSize.width() && img.height() >= minSize.height());
    }
}

void TestResources::iconsHaveEverySizeAndClearCorners_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("main window") << ":/icons/imgs/Tervalix.ico";
    QTest::newRow("dialogs") << ":/icons/imgs/motorcycle.ico";
}

void TestResources::iconsHaveEverySizeAndClearCorners()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("ico"));
    QCOMPARE(reader.imageCount(), 6);
    const QIcon icon(path);
    for (int s : {16, 24, 32, 48, 64, 256}) {
        QVERIFY2(icon.availableSizes().contains(QSize(s, s)), qPrintable(QString::number(s)));
        // Something is drawn, and the corners are see-through (no square
        // box around the motif on the title bar).
        const QImage img = icon.pixmap(QSize(s, s)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(s, s));
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QVERIFY(qAlpha(img.pixel(s / 2, s / 2)) > 0 || qAlpha(img.pixel(s / 2, s * 3 / 4)) > 0);
    }
}

void TestResources::cataloguesAreWholeAndCompiled()
{
    QSet<TsKey> catalogue[2];
    const char *langs[] = {"it", "en"};
    for (int i = 0; i < 2; ++i) {
        QString err;
        const QList<TsMessage> msgs = readTs(tsPath(langs[i]), &err);
        QVERIFY2(err.isEmpty() && !msgs.isEmpty(), qPrintable(err));
        QTranslator tr;
        QVERIFY(tr.load(QStringLiteral("Tervalix-%1.qm").arg(langs[i]), ":/linguist"));
        for (const TsMessage &m : msgs) {
            const TsKey key(m.context, m.source);
            const QString where = QLatin1String(langs[i]) + QLatin1Char(' ') + describe(key);
            QVERIFY2(!m.unfinished && !m.translation.isEmpty(), qPrintable("untranslated: " + where));
            QVERIFY2(!catalogue[i].contains(key), qPrintable("twice: " + where));
            catalogue[i].insert(key);
            // The compiled catalogue holds the entry unchanged (blanks,
            // quotes and accented letters included).
            QCOMPARE(tr.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(), nullptr,
                                  m.numerus ? 1 : -1),
                     m.translation);
        }
    }
    QStringList unmatched;
    for (int i = 0; i < 2; ++i)
        for (const TsKey &key : catalogue[i])
            if (!catalogue[1 - i].contains(key))
                unmatched << QStringLiteral("only in %1: %2").arg(langs[i], describe(key));
    QVERIFY2(unmatched.isEmpty(), qPrintable(unmatched.join(QLatin1Char('\n'))));
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
    // The panels, the session's verbs and the tool's new messages came after
    // the catalogues were last brought up to date.
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 texts of the code are not in the catalogues (listed above)")
                            .arg(missing.size())));
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
