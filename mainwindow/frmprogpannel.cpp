#include "mainwindow/frmprogpannel.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLCDNumber>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTranslator>
#include <QVariant>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include "dialogs/frmabout.h"
#include "dialogs/frmlogin.h"
#include "dialogs/frmricercaporta.h"
#include "gauge/crpmgauge.h"
#include "uicommon/cmsg.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "uicommon/windowlook.h"
#include "plot/canvaspicker.h"
#include "profile/curvemodel.h"

frmProgPannel::frmProgPannel(QWidget *parent) : frmProgPannel(EcuSession::defaultConfig(), parent) {}

frmProgPannel::frmProgPannel(const EcuSession::Config &sessionConfig, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmProgPannel), prompts(new UserPrompts)
{
    build(sessionConfig);
}

void frmProgPannel::build(const EcuSession::Config &sessionConfig)
{
    model = new CurveModel(this);
    selection = new QItemSelectionModel(model, this);

    ui->setupUi(this);
    CMsg::loadTextTable();
    updateTitle();

    connectedFlag = bancoFlag = linkFlag = profilePathFlag = false;

    deviceLabel = new QLabel();
    deviceLabel->setFrameStyle(QFrame::Plain | QFrame::NoFrame);
    profileLabel = new QLabel();
    lineLabel = new QLabel();

    ui->spProfiloPiatto->setMinimum(-10);
    ui->spProfiloPiatto->setMaximum(int(model->limits().valueMax));
    ui->lblAdcSonda->setText(QString::number(0));

    ui->lblVirtualPort->setText(CMsg::text(CMsg::NoPort));
    showNoProfile();

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
    gauge->setMaximumSize(ui->gbRPM->size());
    gauge->setShowOverlay(false);

    session = new EcuSession(sessionConfig, this);

    ui->btBanco->setVisible(false);
    ui->lblAdcSonda->setVisible(false);
    ui->lblLivelloSensore->setVisible(false);

    setLedStyle(ui->btRicercaPorta, false);
    ui->btRicercaPorta->setEnabled(true);
    ui->btStartLink->setEnabled(false);
    setLedStyle(ui->btStartLink, false);
    ui->btSaveFlash->setEnabled(false);
    ui->btReadFlash->setEnabled(false);
    ui->btBanco->setEnabled(false);
    ui->btBanco->setStyleSheet(WindowLook::bancoStyle(false));

    {
        QSettings settings;
        const QVariant language = settings.value(QStringLiteral("Language"), QVariant());
        ui->actionItaliano->setChecked(language == QVariant(QStringLiteral("IT")));
        ui->actionInglese->setChecked(language == QVariant(QStringLiteral("EN")));
        if (!settings.value(QStringLiteral("Cylinders"), QVariant()).isValid())
            settings.setValue(QStringLiteral("Cylinders"), QStringLiteral("2"));
    }
    selectEngineType(QSettings().value(QStringLiteral("Cylinders"), QVariant()) == QVariant(QStringLiteral("2")) ? 2
                                                                                                              : 4);
    restoreGeometryFitted();

    makeConnections();
    connectEditing();
    connectLiveData();
    connectHotplug();
}

frmProgPannel::~frmProgPannel()
{
    if (switchedTranslator)
        QCoreApplication::removeTranslator(switchedTranslator.get());
    QSettings().setValue(QStringLiteral("Geometry"), saveGeometry());
    // The session stops its workers and closes its link before anything
    // they report to goes.
    delete session;
    session = nullptr;

    delete deviceLabel;
    delete profileLabel;
    delete lineLabel;
    delete dlgAbout;
    delete dlgRicercaPorta;
    delete gauge;
    delete picker;
    delete ui;
}

void frmProgPannel::setUserPrompts(UserPrompts *newPrompts)
{
    prompts.reset(newPrompts);
}

void frmProgPannel::setProfileFolder(const QString &folder)
{
    profileFolder = folder;
}

void frmProgPannel::updateTitle()
{
    // "[*]" shows the modified mark while the curve has unsaved changes.
    setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" - V.")
                   + QCoreApplication::applicationVersion() + QStringLiteral("[*]"));
}

void frmProgPannel::restoreGeometryFitted()
{
    const QVariant stored = QSettings().value(QStringLiteral("Geometry"), QVariant());
    if (!stored.isValid())
        return;
    const QRect designed = geometry();
    const QSize designedSize = size();
    // restoreGeometry() itself refuses nothing: a window far larger than any
    // screen would be created as asked. Try it on a hidden window and keep
    // it only if it fits a screen.
    if (!restoreGeometry(stored.toByteArray())) {
        setGeometry(designed);
        return;
    }
    const QRect wanted = geometry();
    bool fits = false;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect avail = screen->availableGeometry();
        const QRect onScreen = wanted.intersected(avail);
        // (Not the layout's own minimum: working it out costs more than the
        // rest of the start-up; the layout enforces it anyway when shown.)
        const bool bigEnough = wanted.width() >= 400 && wanted.height() >= 300;
        const bool small = wanted.width() <= avail.width() && wanted.height() <= avail.height();
        const bool mostlyOn = qint64(onScreen.width()) * onScreen.height() * 2
                               > qint64(wanted.width()) * wanted.height();
        if (bigEnough && small && mostlyOn) {
            fits = true;
            break;
        }
    }
    if (fits)
        return;
    // The designed size, centred on the primary screen.
    setWindowState(Qt::WindowNoState);
    QRect r(QPoint(0, 0), designedSize);
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        const QRect avail = primary->availableGeometry();
        r.setSize(r.size().boundedTo(avail.size()));
        r.moveCenter(avail.center());
    }
    setGeometry(r);
}

void frmProgPannel::makeConnections()
{
    ui->actionCercaCentralina->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ui->actionMuovi_Su->setShortcut(QKeySequence(Qt::Key_Up));
    ui->actionMuovi_Giu->setShortcut(QKeySequence(Qt::Key_Down));
    ui->actionMuovi_Sinistra->setShortcut(QKeySequence(Qt::Key_Left));
    ui->actionMuovi_Destra->setShortcut(QKeySequence(Qt::Key_Right));
    // Page Up / Page Down change the current point by five units.
    auto *pageUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    auto *pageDown = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pageUp, &QShortcut::activated, this, [this] {
        if (picker && ui->btFlatProfile->isEnabled())
            picker->handleKey(Qt::Key_PageUp);
    });
    connect(pageDown, &QShortcut::activated, this, [this] {
        if (picker && ui->btFlatProfile->isEnabled())
            picker->handleKey(Qt::Key_PageDown);
    });

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

    connect(session, &EcuSession::sgnPercent, this, &W::onPercentSndRcv);
    connect(session, &EcuSession::sgnEsito, this, &W::onEsitoSndRcv);
    connect(session, &EcuSession::sgnADC, this, &W::onUpdateValAdc);
    connect(session, &EcuSession::sgnRpm, this, &W::onUpdateRpm);
    connect(session, &EcuSession::sgnError, this, &W::onErrorRT);
    connect(session, &EcuSession::sgnExecCmd, this, &W::execCmd);
    connect(session, &EcuSession::linkLost, this, &W::onLinkLost);
    connect(session, &EcuSession::commandDropped, this, &W::onCommandDropped);
    connect(session, &EcuSession::lineNoiseChanged, this, &W::onLineNoise);

    connect(model, &CurveModel::modifiedChanged, this, &W::setWindowModified);
}

frmRicercaPorta *frmProgPannel::searchDialog()
{
    if (!dlgRicercaPorta) {
        dlgRicercaPorta = new frmRicercaPorta(this, session);
        dlgRicercaPorta->setLastPort(lastPort());
        connect(dlgRicercaPorta, &frmRicercaPorta::sgnEsito, this, &frmProgPannel::onEsitoRicercaPorta);
        connect(dlgRicercaPorta, &frmRicercaPorta::sgnDeviceInfo, this, &frmProgPannel::onGetDeviceInfo);
    }
    return dlgRicercaPorta;
}

frmAbout *frmProgPannel::aboutDialog()
{
    if (!dlgAbout)
        dlgAbout = new frmAbout(this);
    return dlgAbout;
}

frmLogin *frmProgPannel::loginDialog()
{
    if (!dlgLogin) {
        dlgLogin = new frmLogin(this);
        connect(dlgLogin, &frmLogin::sgnPassword, this, &frmProgPannel::onGetPassword);
    }
    return dlgLogin;
}

void frmProgPannel::closeEvent(QCloseEvent *event)
{
    if (closing) {
        event->accept();
        return;
    }
    // Never in the middle of a transfer: the ECU would be left half-written.
    if (session->isTransferring() || !writeWord.isEmpty()) {
        event->ignore();
        if (!closeAfterTransfer) {
            closeAfterTransfer = true;
            statusBar()->showMessage(tr("Chiusura al termine del trasferimento in corso..."));
        }
        return;
    }
    if (!mayReplaceCurve()) {
        event->ignore();
        return;
    }
    closing = true;
    emit sgnClose();
    event->accept();
}

void frmProgPannel::onCloseClicked()
{
    close();
}

void frmProgPannel::onAboutClicked()
{
    aboutDialog()->setVisible(true);
}

void frmProgPannel::onPercentSndRcv(int percent)
{
    ui->progressBar->setValue(percent);
}

void frmProgPannel::onClearUpdateBar()
{
    ui->progressBar->setValue(0);
}

void frmProgPannel::setLedStyle(QWidget *button, bool on)
{
    // The search button's text begins with blanks that clear the LED.
    button->setStyleSheet(WindowLook::ledStyle(on, button == ui->btStartLink ? 20 : 2));
}

void frmProgPannel::setBancoLook(bool on)
{
    ui->btBanco->setStyleSheet(WindowLook::bancoStyle(on));
    ui->btBanco->setText(CMsg::text(on ? CMsg::BancoOn : CMsg::BancoOff));
}
