// SPDX-License-Identifier: GPL-3.0-or-later
// The engine type: what the two- and four-cylinder selections change in the
// window, and which one the stored "Cylinders" value restores.

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include "gauge/crpmgauge.h"
#include "profile/profilefile.h"
#include "uicommon/cmsg.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

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

// Everything an engine-type selection sets, checked at once.
void verifySetUp(LinkedWindow &r, const Expected &e)
{
    Ui::frmProgPannel *ui = r.ui();
    QCOMPARE(ui->actionCentralina_2cilindri->isChecked(), e.cylinders == 2);
    QCOMPARE(ui->actionCentralina_4cilindri->isChecked(), e.cylinders == 4);
    QCOMPARE(storedCylinders(), QString::number(e.cylinders));
    QCOMPARE(r.model()->maxRpm(), e.maxRpm);
    CRpmGauge *gauge = r.w->rpmGauge();
    QCOMPARE(gauge->skin(), e.skin);
    QCOMPARE(gauge->maximum(), e.gaugeMaximum);
    QCOMPARE(gauge->endAngle(), e.endAngle);
    // The curve is flat at 0 over the whole new speed range, no file in use.
    QwtPlotCurve *curve = r.w->curve();
    QCOMPARE(int(curve->dataSize()), 41);
    for (int i = 0; i < 41; ++i)
        QCOMPARE(curve->sample(size_t(i)), QPointF(i * e.maxRpm / 40.0, 0.0));
    QCOMPARE(ui->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), e.maxRpm);
    QCOMPARE(ui->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QCOMPARE(ui->lblLogo->pixmap(Qt::ReturnByValue).toImage(), QPixmap(e.logo).toImage());
}

} // namespace

class TestEngineType : public QObject {
    Q_OBJECT

private slots:
    void init() { settings = std::make_unique<ScopedTestSettings>(); }
    void cleanup() { settings.reset(); }

    void storedValueSelectsAtStartUp_data();
    void storedValueSelectsAtStartUp();
    void switchingResetsTheCurveAndTheGauge();

private:
    std::unique_ptr<ScopedTestSettings> settings;
};

void TestEngineType::storedValueSelectsAtStartUp_data()
{
    QTest::addColumn<QString>("stored");  // null: none stored
    QTest::addColumn<int>("cylinders");
    QTest::newRow("first start") << QString() << 2;
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
    if (!stored.isNull())
        QSettings().setValue("Cylinders", stored);
    auto r = LinkedWindow::unlinked();
    verifySetUp(*r, cylinders == 2 ? kTwo : kFour);  // also: rewritten as "2" or "4"
}

void TestEngineType::switchingResetsTheCurveAndTheGauge()
{
    auto r = LinkedWindow::unlinked();
    // A saved profile in use: nothing to ask about.
    const QString path = r->folder.filePath("track.prf");
    QVERIFY(ProfileFile::save(path, patternCurve(1), 1, nullptr));
    r->prompts->openAnswers << path;
    click(r->ui()->btCaricaProfilo);
    CRpmGauge *gauge = r->w->rpmGauge();
    gauge->setValue(12000);
    QCOMPARE(gauge->needleAngle(), 133.0);

    // The type in use again changes nothing, whatever the menu entry's own mark.
    QSettings().setValue("Cylinders", "x");
    r->ui()->actionCentralina_2cilindri->trigger();
    QCOMPARE(r->model()->values(), patternCurve(1));
    QCOMPARE(storedCylinders(), QStringLiteral("x"));
    QVERIFY(r->ui()->actionCentralina_2cilindri->isChecked());
    QVERIFY(!r->ui()->actionCentralina_4cilindri->isChecked());
    QCOMPARE(r->model()->filePath(), path);

    r->ui()->actionCentralina_4cilindri->trigger();
    verifySetUp(*r, kFour);
    gauge->setValue(17000);
    QCOMPARE(gauge->needleAngle(), 149.0);
    // Back to two cylinders: the gauge's value is pulled down to the new maximum.
    r->ui()->actionCentralina_2cilindri->trigger();
    verifySetUp(*r, kTwo);
    QCOMPARE(gauge->value(), 12000);
    QCOMPARE(gauge->needleAngle(), 133.0);
}

QTEST_MAIN(TestEngineType)
#include "test_enginetype.moc"
