// Switching the user-interface language at run time.

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>

#include "dialogs/frmabout.h"
#include "dialogs/frmlogin.h"
#include "dialogs/frmdiagnosi.h"
#include "dialogs/frmricercaporta.h"
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "plot/plotsetup.h"
#include "profile/curvemodel.h"

void frmProgPannel::onItalianoClicked()
{
    switchLanguage(QStringLiteral("Tervalix-it.qm"), true);
}

void frmProgPannel::onIngleseClicked()
{
    switchLanguage(QStringLiteral("Tervalix-en.qm"), false);
}

void frmProgPannel::switchLanguage(const QString &catalogue, bool italian)
{
    // The new catalogue is searched first; the start-up one stays behind it.
    // It stays installed until the next switch, so that every text looked
    // up later (messages, file dialogs) speaks the language on show too.
    auto translator = std::make_unique<QTranslator>();
    (void)translator->load(catalogue, QStringLiteral(":/linguist"));
    QCoreApplication::installTranslator(translator.get());
    if (switchedTranslator)
        QCoreApplication::removeTranslator(switchedTranslator.get());
    switchedTranslator = std::move(translator);

    retranslateTexts();
    if (dlgRicercaPorta)
        dlgRicercaPorta->retranslate();
    if (dlgAbout)
        dlgAbout->retranslate();
    if (dlgLogin)
        dlgLogin->retranslate();
    if (dlgDiagnosi)
        dlgDiagnosi->retranslate();

    ui->actionItaliano->setChecked(italian);
    ui->actionInglese->setChecked(!italian);
    updateTitle();
    QSettings().setValue(QStringLiteral("Language"), italian ? QStringLiteral("IT") : QStringLiteral("EN"));
}

void frmProgPannel::retranslateTexts()
{
    ui->retranslateUi(this);
    CMsg::loadTextTable();
    plotsetup::applyPlotTitles(ui->qwtPlot);
    if (!connectedFlag)
        ui->lblVirtualPort->setText(CMsg::text(CMsg::NoPort));
    ui->btStartLink->setText(CMsg::text(linkFlag ? CMsg::LinkOn : CMsg::LinkOff));
    ui->btBanco->setText(CMsg::text(bancoFlag ? CMsg::BancoOn : CMsg::BancoOff));
    if (!profilePathFlag)
        ui->lblPathProfilo->setText(CMsg::text(CMsg::NoProfile));
    model->headerDataChanged(Qt::Vertical, 0, model->rowCount() - 1);
    updateEditActions();
}
