// The engine type: two or four cylinders. It sets the speed range of the
// curve and of the rev counter, the dial face, the logo and the checked menu
// entry, and it is remembered under "Cylinders".

#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QSettings>

#include "gauge/crpmgauge.h"
#include "gauge/enginetype.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"

void frmProgPannel::onSelect2Cylinders()
{
    selectEngineType(2);
}

void frmProgPannel::onSelect4Cylinders()
{
    selectEngineType(4);
}

void frmProgPannel::selectEngineType(int cylinders)
{
    const EngineType::Setup &setup = EngineType::setupFor(cylinders);
    const bool two = setup.cylinders == 2;

    ui->actionCentralina_2cilindri->setChecked(two);
    ui->actionCentralina_4cilindri->setChecked(!two);

    profilePathFlag = false;
    ui->lblPathProfilo->setText(CMsg::text(CMsg::NoProfile));

    QSettings().setValue(QStringLiteral("Cylinders"), QString(setup.setting));

    maxRpm = setup.maxRpm;

    if (gauge) {
        gauge->setSkin(QString::fromLatin1(setup.skin));
        gauge->setMaximum(setup.gaugeMaximum);
        gauge->setEndAngle(setup.endAngle);
    }

    setupPlot();

    ui->lblLogo->setPixmap(QPixmap(QString::fromLatin1(setup.logo)));
}
