// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/frmprogpannel.h"

#include "dialogs/frmabout.h"
#include "gauge/crpmgauge.h"
#include "mainwindow/fieldkeyguard.h"
#include "mainwindow/languageswitch.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/windowgeometry.h"
#include "panels/editpanel.h"
#include "panels/linkpanel.h"
#include "panels/livepanel.h"
#include "panels/historypanel.h"
#include "panels/mixturepanel.h"
#include "panels/profilepanel.h"
#include "panels/curveguard.h"
#include "panels/transferpanel.h"
#include "panels/windowcontext.h"
#include "plot/canvaspicker.h"
#include "profile/curvemodel.h"
#include "uicommon/cmsg.h"
#include "uicommon/windowlook.h"
#include "util/settingskeys.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QVBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QVariant>
#include <qwt_plot.h>

frmProgPannel::frmProgPannel(QWidget *parent) : frmProgPannel(EcuSession::defaultConfig(), parent) {}

frmProgPannel::frmProgPannel(const EcuSession::Config &sessionConfig, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmProgPannel)
{
    build(sessionConfig);
}

frmProgPannel::~frmProgPannel()
{
    WindowGeometry::save(this);
    // The panels go before the session they watch; the session stops its
    // workers and closes its link before anything they report to goes.
    delete mixture;
    delete history;
    delete edit;
    delete link;
    delete transfer;
    delete live;
    delete profile;
    delete session;
    session = nullptr;
    delete dlgAbout;
    delete ui;
}

void frmProgPannel::build(const EcuSession::Config &sessionConfig)
{
    model = new CurveModel(this);
    selection = new QItemSelectionModel(model, this);

    ui->setupUi(this);
    CMsg::loadTextTable();
    updateTitle();

    ui->gbRPM->setStyleSheet(QString::fromLatin1(WindowLook::navyGroupStyle));
    ui->gbGiri->setStyleSheet(QString::fromLatin1(WindowLook::navyGroupStyle));
    ui->gbRPMValue->setStyleSheet(QString::fromLatin1(WindowLook::rpmValueGroupStyle));
    ui->spKIniezione->setFocusPolicy(Qt::NoFocus);
    ui->spProfiloPiatto->setFocusPolicy(Qt::NoFocus);

    gauge = new CRpmGauge(ui->gbRPM);
    gauge->setNeedleOrigin(0.486, 0.466);
    gauge->setMinimum(0);
    gauge->setStartAngle(-130.0);
    gauge->setValue(0);
    gauge->setShowOverlay(false);
    ui->verticalLayoutRPM->addWidget(gauge);

    session = new EcuSession(sessionConfig, this);
    context = std::make_unique<WindowContext>(this, session, model, selection);
    makePanels();

    new FieldKeyGuard(this);
    language = new LanguageSwitch(ui->actionItaliano, ui->actionInglese, this);
    language->showStored();
    makeConnections();
    {
        QSettings settings;
        if (!settings.value(SettingsKeys::cylinders(), QVariant()).isValid())
            settings.setValue(SettingsKeys::cylinders(), QStringLiteral("2"));
    }
    profile->selectEngineType(QSettings().value(SettingsKeys::cylinders(), QVariant()) == QVariant(QStringLiteral("2"))
                                  ? 2
                                  : 4);
    model->setPristine();
    WindowGeometry::restoreFitted(this);
}

void frmProgPannel::makePanels()
{
    link = new LinkPanel(*context, {ui->btRicercaPorta, ui->lblVirtualPort, ui->btStartLink, ui->actionCercaCentralina,
                                    ui->actionDiagnosi, ui->actionRicercaAutomatica});
    transfer = new TransferPanel(*context, {ui->btSaveFlash, ui->btReadFlash, ui->progressBar, ui->btClose});
    live = new LivePanel(*context, {ui->lcdRPM, gauge, ui->lblAdcSonda, ui->lblLivelloSensore, ui->btBanco,
                                    ui->actionRegistra, ui->actionStorico, ui->actionModo_Esperto, ui->wgStorico});
    profile = new ProfilePanel(*context, {ui->btCaricaProfilo, ui->btSalvaProfilo, ui->lblPathProfilo,
                                          ui->spKIniezione, ui->spProfiloPiatto, ui->btFlatProfile, ui->lblLogo,
                                          ui->actionCarica_Profilo, ui->actionSalva_Profilo,
                                          ui->actionRipristina_Backup, ui->actionCentralina_2cilindri,
                                          ui->actionCentralina_4cilindri, ui->qwtPlot});
    EditPanel::Widgets e;
    e.plot = ui->qwtPlot;
    e.table = ui->tblCurva;
    e.editMenu = ui->menuModifica;
    e.undo = ui->actionUndo;
    e.redo = ui->actionRedo;
    e.copy = ui->actionCopia;
    e.paste = ui->actionIncolla;
    e.set = ui->actionImposta;
    e.add = ui->actionAggiungi;
    e.scale = ui->actionScala;
    e.interpolate = ui->actionInterpola;
    e.smooth = ui->actionLiscia;
    e.increase = ui->actionAumenta;
    e.decrease = ui->actionDiminuisci;
    e.compareFile = ui->actionConfrontaFile;
    e.compareEcu = ui->actionConfrontaEcu;
    e.hideCompare = ui->actionNascondiConfronto;
    edit = new EditPanel(*context, e);
    mixture = new MixturePanel(*context, {ui->actionMiscela, ui->actionSondaLambda, ui->lblAfr}, live->liveRecorder());
    history = new HistoryPanel(*context, {ui->actionCronologia, ui->actionMoto}, live->liveRecorder());
    transfer->setWriteNotes([this](const QVector<int> &values) { return history->writeNote(values); });
}

void frmProgPannel::makeConnections()
{
    ui->actionCercaCentralina->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ui->actionCronologia->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    ui->actionMuovi_Su->setShortcut(QKeySequence(Qt::Key_Up));
    ui->actionMuovi_Giu->setShortcut(QKeySequence(Qt::Key_Down));
    ui->actionMuovi_Sinistra->setShortcut(QKeySequence(Qt::Key_Left));
    ui->actionMuovi_Destra->setShortcut(QKeySequence(Qt::Key_Right));
    // Page Up / Page Down change the current point by five units.
    auto *pageUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    auto *pageDown = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pageUp, &QShortcut::activated, this, [this] { edit->moveKey(Qt::Key_PageUp); });
    connect(pageDown, &QShortcut::activated, this, [this] { edit->moveKey(Qt::Key_PageDown); });

    using W = frmProgPannel;
    connect(ui->btStartLink, &QPushButton::pressed, this, &W::onLinkClicked);
    connect(ui->btRicercaPorta, &QPushButton::pressed, this, &W::onCercaPortaClicked);
    connect(ui->btSaveFlash, &QPushButton::pressed, this, &W::onSaveFlashClicked);
    connect(ui->btReadFlash, &QPushButton::pressed, this, &W::onReadFlashClicked);
    connect(ui->btBanco, &QPushButton::pressed, this, &W::onBancoClicked);
    connect(ui->spKIniezione, QOverload<int>::of(&QSpinBox::valueChanged), this, &W::onIniezioneChanged);
    connect(ui->btFlatProfile, &QPushButton::pressed, this, &W::onFlatProfileClicked);
    connect(ui->btCaricaProfilo, &QPushButton::pressed, this, &W::onLoadProfileClicked);
    connect(ui->btSalvaProfilo, &QPushButton::pressed, this, &W::onSaveProfileClicked);
    connect(ui->actionModo_Esperto, &QAction::triggered, this, &W::onExpertModeClicked);
    connect(ui->actionUscita_Programma, &QAction::triggered, this, &W::onCloseClicked);
    connect(ui->btClose, &QPushButton::pressed, this, &W::onCloseClicked);
    connect(this, &W::sgnClose, this, &W::onCloseClicked);
    connect(ui->actionCarica_Profilo, &QAction::triggered, this, &W::onLoadProfileClicked);
    connect(ui->actionSalva_Profilo, &QAction::triggered, this, &W::onSaveProfileClicked);
    connect(ui->actionRipristina_Backup, &QAction::triggered, this, &W::onRestoreBackupClicked);
    connect(ui->actionItaliano, &QAction::triggered, this, &W::onItalianoClicked);
    connect(ui->actionInglese, &QAction::triggered, this, &W::onIngleseClicked);
    connect(ui->actionCercaCentralina, &QAction::triggered, this, &W::onCercaPortaClicked);
    connect(ui->actionInformazioni, &QAction::triggered, this, &W::onAboutClicked);
    connect(ui->actionMuovi_Destra, &QAction::triggered, this, &W::onMuoviDestra);
    connect(ui->actionMuovi_Sinistra, &QAction::triggered, this, &W::onMuoviSinistra);
    connect(ui->actionMuovi_Su, &QAction::triggered, this, &W::onMuoviSu);
    connect(ui->actionMuovi_Giu, &QAction::triggered, this, &W::onMuoviGiu);
    connect(ui->actionCentralina_2cilindri, &QAction::triggered, this, &W::onSelect2Cylinders);
    connect(ui->actionCentralina_4cilindri, &QAction::triggered, this, &W::onSelect4Cylinders);

    // Between the panels.
    connect(link, &LinkPanel::connected, this, &W::onReadFlashClicked);
    connect(link, &LinkPanel::disconnectedByUser, profile, &ProfilePanel::resetAfterDisconnect);
    connect(session, &EcuSession::deviceInfoChanged, this, [this](const CDevInfo &info) {
        CDevInfo copy = info;
        onGetDeviceInfo(copy);
    });
    connect(live, &LivePanel::tracerMoved, edit, &EditPanel::setTracer);
    connect(profile, &ProfilePanel::engineTypeChanged, live, &LivePanel::setEngine);
    connect(transfer, &TransferPanel::fileNeededForWrite, profile, &ProfilePanel::saveAndSend);
    connect(profile, &ProfilePanel::savedForWrite, transfer, &TransferPanel::write);
    connect(history, &HistoryPanel::writeRequested, this, &W::onSaveFlashClicked);
    connect(mixture, &MixturePanel::analysed, history, &HistoryPanel::attachAnalysis);
    connect(language, &LanguageSwitch::switched, this, &W::retranslateTexts);
    connect(session, &EcuSession::busyChanged, this, &W::onBusyChanged);
    connect(model, &CurveModel::modifiedChanged, this, &W::setWindowModified);
}

void frmProgPannel::updateTitle()
{
    // "[*]" shows the modified mark while the curve has unsaved changes.
    setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" - V.")
                   + QCoreApplication::applicationVersion() + QStringLiteral("[*]"));
}

void frmProgPannel::retranslateTexts()
{
    ui->retranslateUi(this);
    CMsg::loadTextTable();
    updateTitle();
    link->retranslate();
    transfer->retranslate();
    live->retranslate();
    profile->retranslate();
    edit->retranslate();
    mixture->retranslate();
    history->retranslate();
    if (dlgAbout)
        dlgAbout->retranslate();
}

void frmProgPannel::closeEvent(QCloseEvent *event)
{
    if (closing) {
        event->accept();
        return;
    }
    // Never in the middle of a transfer: the ECU would be left half-written.
    if (session->isBusy()) {
        event->ignore();
        if (!closeAfterTransfer) {
            closeAfterTransfer = true;
            statusBar()->showMessage(tr("Chiusura al termine del trasferimento in corso..."));
        }
        return;
    }
    if (!CurveGuard::mayReplaceCurve(*context)) {
        event->ignore();
        return;
    }
    closing = true;
    emit sgnClose();
    event->accept();
}

void frmProgPannel::onBusyChanged(bool busy)
{
    if (!busy && closeAfterTransfer)
        close();
}

// ---------------------------------------------------------------- settings of the window

void frmProgPannel::setUserPrompts(UserPrompts *prompts)
{
    context->setPrompts(prompts);
}

void frmProgPannel::setProfileFolder(const QString &folder)
{
    context->setProfileFolder(folder);
    history->setFolders();
}

void frmProgPannel::setLogFolder(const QString &folder)
{
    context->setLogFolder(folder);
}

QString frmProgPannel::logFolder() const
{
    return context->logFolder();
}

void frmProgPannel::setHotplugMonitor(HotplugMonitor *monitor)
{
    link->setHotplugMonitor(monitor);
}

void frmProgPannel::openProfile(const QString &path)
{
    profile->open(path);
}

QwtPlotCurve *frmProgPannel::curve() const
{
    return edit->curve();
}

CanvasPicker *frmProgPannel::picker() const
{
    return edit->picker();
}

// ---------------------------------------------------------------- the design's slots

void frmProgPannel::onCercaPortaClicked() { link->searchOrDisconnect(); }
void frmProgPannel::onLinkClicked() { link->toggleLive(); }
void frmProgPannel::onBancoClicked() { live->toggleBench(); }
void frmProgPannel::onIniezioneChanged(int value) { profile->editK(value); }
void frmProgPannel::onSaveFlashClicked() { transfer->write(); }
void frmProgPannel::onReadFlashClicked() { transfer->read(); }
void frmProgPannel::onFlatProfileClicked() { profile->setFlatProfile(); }
void frmProgPannel::onLoadProfileClicked() { profile->load(); }
void frmProgPannel::onSaveProfileClicked() { profile->save(); }
void frmProgPannel::onRestoreBackupClicked() { profile->restoreLastBackup(); }
void frmProgPannel::onMuoviDestra() { edit->moveKey(Qt::Key_Right); }
void frmProgPannel::onMuoviSinistra() { edit->moveKey(Qt::Key_Left); }
void frmProgPannel::onMuoviSu() { edit->moveKey(Qt::Key_Up); }
void frmProgPannel::onMuoviGiu() { edit->moveKey(Qt::Key_Down); }
void frmProgPannel::onItalianoClicked() { language->switchTo(true); }
void frmProgPannel::onIngleseClicked() { language->switchTo(false); }
void frmProgPannel::onSelect2Cylinders() { profile->chooseEngineType(2); }
void frmProgPannel::onSelect4Cylinders() { profile->chooseEngineType(4); }
void frmProgPannel::onCloseClicked() { close(); }
void frmProgPannel::onExpertModeClicked() { live->toggleExpertMode(); }
void frmProgPannel::onGetPassword(QString text) { live->checkPassword(text); }
void frmProgPannel::onPercentSndRcv(int percent) { transfer->setPercent(percent); }
void frmProgPannel::onClearUpdateBar() { transfer->clearProgress(); }
void frmProgPannel::onEsitoSndRcv(QString outcome) { transfer->showResult(EcuOutcome::fromWord(outcome)); }
void frmProgPannel::onEsitoRicercaPorta(QString result, QString name) { link->onSearchOutcome(result, name); }
void frmProgPannel::onUpdateValAdc(uchar adc) { live->showAdc(adc); }
void frmProgPannel::onUpdateRpm(int rpm) { live->showRpm(rpm); }
void frmProgPannel::execCmd(QString word) { profile->runFileWord(word); }

void frmProgPannel::onAboutClicked()
{
    if (!dlgAbout)
        dlgAbout = new frmAbout(this);
    dlgAbout->setVisible(true);
}

void frmProgPannel::onErrorRT(QString msg)
{
    // The live-data thread's word for a unit that stopped answering: the
    // session closes the link itself and says so.
    Q_UNUSED(msg);
}

void frmProgPannel::onGetDeviceInfo(CDevInfo &info)
{
    link->showDeviceInfo(info);
    profile->applyDeviceInfo(info);
}

void frmProgPannel::onSendSerialData(QByteArray frame)
{
    if (session->isLinked() && session->link())
        session->link()->send(frame);
}

void frmProgPannel::onReceiveSerialData()
{
    if (session->link())
        session->link()->readPending();
}
