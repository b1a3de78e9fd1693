// The engine type: two or four cylinders. It sets the speed range of the
// curve and of the rev counter, the dial face, the logo and the checked menu
// entry, and it is remembered under "Cylinders".

#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QSettings>

#include "gauge/crpmgauge.h"
#include "gauge/enginetype.h"
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "plot/livehistory.h"
#include "profile/curvemodel.h"

void frmProgPannel::onSelect2Cylinders()
{
    onSelectEngineTypeChosen(2);
}

void frmProgPannel::onSelect4Cylinders()
{
    onSelectEngineTypeChosen(4);
}

void frmProgPannel::onSelectEngineTypeChosen(int cylinders)
{
    // The menu's check marks were toggled by the click: the type in use
    // decides what they show until the change goes through.
    const bool two = engineCylinders == 2;
    ui->actionCentralina_2cilindri->setChecked(two);
    ui->actionCentralina_4cilindri->setChecked(!two);
    // Choosing the type in use again changes nothing.
    if (cylinders == engineCylinders)
        return;
    if (!mayReplaceCurve())
        return;
    selectEngineType(cylinders);
}

void frmProgPannel::selectEngineType(int cylinders)
{
    const EngineType::Setup &setup = EngineType::setupFor(cylinders);
    const bool two = setup.cylinders == 2;
    engineCylinders = setup.cylinders;

    ui->actionCentralina_2cilindri->setChecked(two);
    ui->actionCentralina_4cilindri->setChecked(!two);

    model->clearFile();
    showNoProfile();

    QSettings().setValue(QStringLiteral("Cylinders"), QString(setup.setting));

    model->setMaxRpm(setup.maxRpm);

    if (gauge) {
        gauge->setSkin(QString::fromLatin1(setup.skin));
        gauge->setMaximum(setup.gaugeMaximum);
        gauge->setEndAngle(setup.endAngle);
    }

    setFlatCurve(0.0);
    setupPlot();
    if (history)
        history->setMaxRpm(setup.maxRpm);

    ui->lblLogo->setPixmap(QPixmap(QString::fromLatin1(setup.logo)));
}
