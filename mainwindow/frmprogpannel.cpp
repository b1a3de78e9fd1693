#include "mainwindow/frmprogpannel.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLCDNumber>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QSettings>
#include <QSpinBox>
#include <QVariant>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include "dialogs/frmabout.h"
#include "dialogs/frmlogin.h"
#include "gauge/crpmgauge.h"
#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/frmricercaporta.h"
#include "link/hiddevice.h"
#include "link/protocol.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "mainwindow/windowlook.h"
#include "profile/canvaspicker.h"

frmProgPannel::frmProgPannel(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::frmProgPannel)
    , prompts(new UserPrompts)
{
    devInfo = CDevInfo();
    portName.clear();
    ecuImage.clear();
    rxAssembler.reset();

    ui->setupUi(this);
    CMsg::loadTextTable();
    setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" - V.")
                   + QCoreApplication::applicationVersion());

    connectedFlag = bancoFlag = linkFlag = profilePathFlag = false;

    deviceLabel = new QLabel();
    deviceLabel->setFrameStyle(QFrame::Plain | QFrame::NoFrame);
    profileLabel = new QLabel();

    valueMin = -10.0f;
    valueMax = 25.0f;
    valueStep = 5;
    keyStep = 10;
    ui->spProfiloPiatto->setMinimum(-10);
    ui->spProfiloPiatto->setMaximum(int(valueMax));

    picker = nullptr;
    lastRpm = 0;
    ui->lblAdcSonda->setText(QString::number(0));

    openHidDevice();

    ui->lblVirtualPort->setText(CMsg::text(CMsg::NoPort));
    ui->lblPathProfilo->setText(CMsg::text(CMsg::NoProfile));

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

    ecuImage.clear();
    ecuImage.resize(Protocol::isLargeLayout(devInfo.hwVersion) ? 89 : 49);

    createSerialPort();

    sendThread = new CGestSend(&ecuImage, this, 500, 20);
    receiveThread = new CGestReceive(&ecuImage, this, 500, 20);
    rtThread = new CGestRT(this, 300, 30);

    rxAssembler.reset();

    dlgAbout = new frmAbout(this);
    dlgRicercaPorta = new frmRicercaPorta(this, serialPort, hidDevice.get());
    dlgLogin = new frmLogin(this);

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
    if (QSettings().value(QStringLiteral("Cylinders"), QVariant()) == QVariant(QStringLiteral("2")))
        onSelect2Cylinders();
    else
        onSelect4Cylinders();
    const QVariant geometry = QSettings().value(QStringLiteral("Geometry"), QVariant());
    if (geometry.isValid())
        restoreGeometry(geometry.toByteArray());

    makeConnections();
}

frmProgPannel::~frmProgPannel()
{
    QSettings().setValue(QStringLiteral("Geometry"), saveGeometry());
    if (serialPort->isOpen())
        serialPort->close();
    hidDevice.reset();
    hidApiExit();

    delete deviceLabel;
    delete profileLabel;
    // The workers stop before the port they talk to goes.
    delete sendThread;
    delete receiveThread;
    delete rtThread;
    delete serialPort;
    delete dlgAbout;
    delete dlgRicercaPorta;
    delete gauge;
    delete picker;
    delete curve;
    delete ui;
}

void frmProgPannel::setUserPrompts(UserPrompts *newPrompts)
{
    prompts.reset(newPrompts);
}

void frmProgPannel::makeConnections()
{
    ui->actionCercaCentralina->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ui->actionMuovi_Su->setShortcut(QKeySequence(Qt::Key_Up));
    ui->actionMuovi_Giu->setShortcut(QKeySequence(Qt::Key_Down));
    ui->actionMuovi_Sinistra->setShortcut(QKeySequence(Qt::Key_Left));
    ui->actionMuovi_Destra->setShortcut(QKeySequence(Qt::Key_Right));

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
    connect(serialPort, &QSerialPort::readyRead, this, &W::onReceiveSerialData);
    connect(sendThread, &CGestSend::sgnSndByte, this, &W::onSendSerialData);
    connect(sendThread, &CGestSend::sgnPercent, this, &W::onPercentSndRcv);
    connect(sendThread, &CGestSend::sgnEsito, this, &W::onEsitoSndRcv);
    connect(receiveThread, &CGestReceive::sgnSndByte, this, &W::onSendSerialData);
    connect(receiveThread, &CGestReceive::sgnPercent, this, &W::onPercentSndRcv);
    connect(receiveThread, &CGestReceive::sgnEsito, this, &W::onEsitoSndRcv);
    connect(rtThread, &CGestRT::sgnSndByte, this, &W::onSendSerialData);
    connect(rtThread, &CGestRT::sgnADC, this, &W::onUpdateValAdc);
    connect(rtThread, &CGestRT::sgnRpm, this, &W::onUpdateRpm);
    connect(rtThread, &CGestRT::sgnError, this, &W::onErrorRT);
    connect(rtThread, &CGestRT::sgnExecCmd, this, &W::execCmd);
    connect(dlgRicercaPorta, &frmRicercaPorta::sgnSndByte, this, &W::onSendSerialData);
    connect(dlgRicercaPorta, &frmRicercaPorta::sgnEsito, this, &W::onEsitoRicercaPorta);
    connect(dlgRicercaPorta, &frmRicercaPorta::sgnDeviceInfo, this, &W::onGetDeviceInfo);
    connect(dlgLogin, &frmLogin::sgnPassword, this, &W::onGetPassword);
}

void frmProgPannel::closeEvent(QCloseEvent *event)
{
    emit sgnClose();
    event->accept();
}

void frmProgPannel::onCloseClicked()
{
    close();
}

void frmProgPannel::onAboutClicked()
{
    dlgAbout->setVisible(true);
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
