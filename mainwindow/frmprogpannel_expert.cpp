// Expert mode: the test-bench switch and the probe reading, behind a password.

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "dialogs/frmlogin.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"

void frmProgPannel::onExpertModeClicked()
{
    // The action is checkable: its mark has already been toggled.
    if (ui->actionModo_Esperto->isChecked()) {
        frmLogin *login = loginDialog();
        login->clearPassword();
        login->setVisible(true);
        login->setModal(true);
        login->activateWindow();
        return;
    }
    // Leaving expert mode only hides the controls: a bench that is on stays on.
    ui->btBanco->setVisible(false);
    ui->lblAdcSonda->setVisible(false);
    ui->lblLivelloSensore->setVisible(false);
}

void frmProgPannel::onGetPassword(QString text)
{
    if (frmLogin::isExpertPassword(text)) {
        ui->btBanco->setVisible(true);
        ui->lblAdcSonda->setVisible(true);
        ui->lblLivelloSensore->setVisible(true);
    } else {
        ui->actionModo_Esperto->setChecked(false);
    }
}
