// The engine type: what the two- and four-cylinder selections change in the
// main window, and which one the stored "Cylinders" value restores.

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSettings>
#include <QTest>
#include <memory>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include "gauge/crpmgauge.h"
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

struct Expected {
    int cylinders;
    double maxRpm;
    QString skin;
    int gaugeMaximum;
    double endAngle;
    QString logo;
};

const Expected kTwo{2, 12000.0, "RPMbackground12000.svg", 12000, 133.0, ":/images/imgs/brundholt2.jpg"};
const Expected kFour{4, 17000.0, "RPMbackground16000.svg", 17000, 149.0, ":/images/imgs/brundholt4.jpg"};

QString storedCylinders()
{
    return QSettings().value("Cylinders").toString();
}

}  // namespace

class TestEngineType : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartSelectsTwoCylinders();
    void storedValueSelectsAtStartUp_data();
    void storedValueSelectsAtStartUp();
    void fourCylindersAfterEditing();
    void twoCylindersAfterFour();
    void sameTypeAgainChangesNothing();
    void gaugeShowsFullRangeAfterSwitch();

private:
    std::unique_ptr<frmProgPannel> makeWindow();
    // Everything an engine-type selection sets, checked at once.
    void verifySetUp(frmProgPannel &w, const Expected &e);
    // Bends the curve and marks a loaded profile, as after user edits.
    void dirty(frmProgPannel &w);

    std::unique_ptr<ScopedTestSettings> settings;
};

void TestEngineType::init()
{
    settings.reset(new ScopedTestSettings);
}

void TestEngineType::cleanup()
{
    settings.reset();
}

std::unique_ptr<frmProgPannel> TestEngineType::makeWindow()
{
    return std::unique_ptr<frmProgPannel>(new frmProgPannel);
}

void TestEngineType::verifySetUp(frmProgPannel &w, const Expected &e)
{
    Ui::frmProgPannel *ui = Access::ui(w);
    const bool two = e.cylinders == 2;
    QCOMPARE(ui->actionCentralina_2cilindri->isChecked(), two);
    QCOMPARE(ui->actionCentralina_4cilindri->isChecked(), !two);
    QCOMPARE(storedCylinders(), QString::number(e.cylinders));
    QCOMPARE(Access::maxRpm(w), e.maxRpm);

    CRpmGauge *gauge = Access::gauge(w);
    QVERIFY(gauge);
    QCOMPARE(gauge->skin(), e.skin);
    QCOMPARE(gauge->maximum(), e.gaugeMaximum);
    QCOMPARE(gauge->endAngle(), e.endAngle);
    QCOMPARE(gauge->minimum(), 0);
    QCOMPARE(gauge->startAngle(), -130.0);

    // The curve is flat at 0 over the whole new speed range.
    QwtPlotCurve *curve = Access::curve(w);
    QVERIFY(curve);
    QCOMPARE(int(curve->dataSize()), 41);
    for (int i = 0; i < 41; ++i) {
        const QPointF p = curve->sample(size_t(i));
        QCOMPARE(p.x(), i * e.maxRpm / 40.0);
        QCOMPARE(p.y(), 0.0);
    }
    QCOMPARE(ui->qwtPlot->axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0.0);
    QCOMPARE(ui->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), e.maxRpm);

    QVERIFY(!Access::pathFlag(w));
    QCOMPARE(ui->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QVERIFY(ui->lblPathProfilo->text().contains('<'));

    QVERIFY(QFile::exists(e.logo));
    const QPixmap logo = ui->lblLogo->pixmap(Qt::ReturnByValue);
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.toImage(), QPixmap(e.logo).toImage());
}

void TestEngineType::dirty(frmProgPannel &w)
{
    QVector<int> bent;
    for (int i = 0; i < 41; ++i)
        bent << (i % 7) - 3;
    Access::model(w)->setValues(bent, "edit");
    Access::model(w)->setFile("/home/rider/Profili/track.prf");  // saved: nothing to ask about
    Access::pathFlag(w) = true;
    Access::ui(w)->lblPathProfilo->setText("/home/rider/Profili/track.prf");
    Access::ui(w)->lblLogo->clear();
}

void TestEngineType::firstStartSelectsTwoCylinders()
{
    QVERIFY(!QSettings().contains("Cylinders"));
    auto w = makeWindow();
    verifySetUp(*w, kTwo);
}

void TestEngineType::storedValueSelectsAtStartUp_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("cylinders");
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("4") << "4" << 4;
    QTest::newRow("3") << "3" << 4;
    QTest::newRow("empty") << "" << 4;
    QTest::newRow("2 with space") << "2 " << 4;
}

void TestEngineType::storedValueSelectsAtStartUp()
{
    QFETCH(QString, stored);
    QFETCH(int, cylinders);
    QSettings().setValue("Cylinders", stored);
    auto w = makeWindow();
    verifySetUp(*w, cylinders == 2 ? kTwo : kFour);  // also: rewritten as "2" or "4"
}

void TestEngineType::fourCylindersAfterEditing()
{
    auto w = makeWindow();
    dirty(*w);
    Access::ui(*w)->actionCentralina_4cilindri->trigger();
    verifySetUp(*w, kFour);
}

void TestEngineType::twoCylindersAfterFour()
{
    QSettings().setValue("Cylinders", "4");
    auto w = makeWindow();
    dirty(*w);
    Access::ui(*w)->actionCentralina_2cilindri->trigger();
    verifySetUp(*w, kTwo);
}

void TestEngineType::sameTypeAgainChangesNothing()
{
    auto w = makeWindow();
    dirty(*w);
    const QVector<int> before = Access::curveValues(*w);
    QSettings().setValue("Cylinders", "x");
    // The menu entry toggles its own mark when triggered.
    Access::ui(*w)->actionCentralina_2cilindri->trigger();
    QCOMPARE(Access::curveValues(*w), before);
    QCOMPARE(storedCylinders(), QStringLiteral("x"));
    QVERIFY(Access::ui(*w)->actionCentralina_2cilindri->isChecked());
    QVERIFY(!Access::ui(*w)->actionCentralina_4cilindri->isChecked());
    QCOMPARE(Access::model(*w)->filePath(), QStringLiteral("/home/rider/Profili/track.prf"));
}

void TestEngineType::gaugeShowsFullRangeAfterSwitch()
{
    auto w = makeWindow();
    CRpmGauge *gauge = Access::gauge(*w);
    gauge->setValue(12000);
    QCOMPARE(gauge->needleAngle(), 133.0);
    w->onSelect4Cylinders();
    gauge->setValue(17000);
    QCOMPARE(gauge->value(), 17000);
    QCOMPARE(gauge->needleAngle(), 149.0);
    // Back to two cylinders: the value is pulled down to the new maximum.
    w->onSelect2Cylinders();
    QCOMPARE(gauge->value(), 12000);
    QCOMPARE(gauge->needleAngle(), 133.0);
}

QTEST_MAIN(TestEngineType)
#include "test_enginetype.moc"
