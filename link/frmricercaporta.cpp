#include "link/frmricercaporta.h"

#include "link/hidlink.h"
#include "link/protocol.h"
#include "link/serialline.h"
#include "link/serialportlist.h"
#include "mainwindow/cmsg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>

namespace {
const char *const FoundStyle = "background-color: rgb(85, 255, 0); color: rgb(85, 0, 255);";
const char *const NotFoundStyle = "background-color: rgb(255, 0, 0); color: rgb(255, 255, 0);";
const QString Ok = QStringLiteral("OK");
const QString Ko = QStringLiteral("KO");
} // namespace

frmRicercaPorta::frmRicercaPorta(QWidget *parent, QSerialPort *serialPort, HidDevice *hidDevice)
    : QDialog(parent), serialPort(serialPort), hidDevice(hidDevice), timer(new QTimer)
{
    buildForm();
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    timer->setSingleShot(true);
    timer->setInterval(ProbeTimeoutMs);
    connect(this, &frmRicercaPorta::sgnClose, this, &frmRicercaPorta::onClose);
    connect(cbPorteSeriali, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { onSelezionePortaClicked(cbPorteSeriali->itemText(index)); });
    connect(timer.get(), &QTimer::timeout, this, &frmRicercaPorta::onTimeout);
}

frmRicercaPorta::~frmRicercaPorta()
{
    setWaitCursor(false);
}

void frmRicercaPorta::buildForm()
{
    setObjectName(QStringLiteral("frmRicercaPorta"));
    resize(309, 244);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setWindowIcon(QIcon(QStringLiteral(":/icons/imgs/motorcycle.ico")));

    lblRicerca = new QLabel(this);
    lblRicerca->setObjectName(QStringLiteral("lblRicerca"));
    lblRicerca->setGeometry(40, 40, 221, 16);
    lblRicerca->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    cbPorteSeriali = new QComboBox(this);
    cbPorteSeriali->setObjectName(QStringLiteral("cbPorteSeriali"));
    cbPorteSeriali->setGeometry(40, 60, 221, 21);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setGeometry(40, 110, 221, 41);
    QFont font;
    font.setPointSize(12);
    font.setBold(true);
    font.setWeight(75);
    lblStatus->setFont(font);
    lblStatus->setStyleSheet(QString());
    lblStatus->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    btClose = new QPushButton(this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setGeometry(160, 170, 111, 31);
    connect(btClose, &QPushButton::clicked, this, &QWidget::close);

    retranslate();
}

void frmRicercaPorta::retranslate()
{
    setWindowTitle(QCoreApplication::translate(
        "frmRicercaPorta", "tr(\"Ricerca porta di collegamento con la centralina\")"));
    lblRicerca->setText(QCoreApplication::translate("frmRicercaPorta", "tr(\"Porte rilevate nel sistema\")"));
    btClose->setText(QCoreApplication::translate("frmRicercaPorta", "tr(\"Chiudi\")"));
    lblStatus->setText(QString());
}

void frmRicercaPorta::startSearch()
{
    if (probingHid)  // called again while the probe waits for the device
        return;
    searchActive = true;
    timer->stop();
    waitingReply = false;
    setWaitCursor(false);

    if (hidDevice) {
        cbPorteSeriali->hide();
        lblRicerca->hide();
        // Five bounded attempts; the event loop keeps running while each one
        // waits, and the device's record arrives before the dialog is shown.
        probingHid = true;
        const std::optional<CDevInfo> info = HidLink::probe(hidDevice, HidLink::ProbeAttempts, HidLink::ReadTimeoutMs,
                                                            HidLink::exchangeKeepingEventsFlowing);
        probingHid = false;
        if (info) {
            CDevInfo record = *info;
            emit sgnDeviceInfo(record);
            portName = QStringLiteral("HID");
            showEsito(Ok);
            return;
        }
    }

    cbPorteSeriali->show();
    lblRicerca->show();
    clearStatus();
    // Rebuilding the list selects its first entry, the prompt, which empties
    // portName and probes nothing.
    cbPorteSeriali->clear();
    cbPorteSeriali->addItem(CMsg::text(CMsg::ChoosePort));
    for (const QString &name : SerialPortList::availablePortNames())
        cbPorteSeriali->addItem(name);
}

void frmRicercaPorta::onSelezionePortaClicked(const QString &text)
{
    clearStatus();
    portName.clear();
    if (waitingReply) {  // a choice while probing cannot happen through the list
        timer->stop();
        waitingReply = false;
        setWaitCursor(false);
    }
    if (!SerialPortList::isPortName(text))
        return;
    try {
        if (serialPort->isOpen())
            serialPort->close();
        portName = text;
        serialPort->setPortName(text);
        cbPorteSeriali->setEnabled(false);
        btClose->setEnabled(false);
        setWaitCursor(true);
        SerialLine::open(serialPort);
        // Waiting before the frame leaves: the answer may come at any moment.
        waitingReply = true;
        timer->start(ProbeTimeoutMs);
        emit sgnSndByte(Protocol::makeProbeFrame());
    } catch (...) {
    }
}

void frmRicercaPorta::onSendSerialData(QByteArray frame)
{
    emit sgnSndByte(frame);
}

void frmRicercaPorta::checkProbeReply(const QByteArray &reply)
{
    if (!waitingReply)
        return;
    const bool found = Protocol::isProbeOk(reply);
    showEsito(found ? Ok : Ko);
    if (found) {
        CDevInfo record = CDevInfo::serialDefault();
        emit sgnDeviceInfo(record);
    }
}

void frmRicercaPorta::onTimeout()
{
    if (waitingReply)
        showEsito(Ko);
}

void frmRicercaPorta::showEsito(const QString &result)
{
    waitingReply = false;
    setWaitCursor(false);
    if (result == Ok) {
        lblStatus->setStyleSheet(QLatin1String(FoundStyle));
        lblStatus->setText(CMsg::text(CMsg::BoardFound));
    } else {
        lblStatus->setStyleSheet(QLatin1String(NotFoundStyle));
        lblStatus->setText(CMsg::text(CMsg::BoardNotFound));
        portName.clear();
        serialPort->close();
    }
    cbPorteSeriali->setEnabled(true);
    btClose->setEnabled(true);
    timer->stop();
}

void frmRicercaPorta::clearStatus()
{
    lblStatus->setStyleSheet(QString());
    lblStatus->setText(QString());
}

void frmRicercaPorta::setWaitCursor(bool on)
{
    if (on == waitCursor)
        return;
    waitCursor = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmRicercaPorta::reportOutcome()
{
    if (!searchActive)
        return;
    searchActive = false;
    // Closing while a probe is still unanswered: that port did not answer.
    if (waitingReply)
        showEsito(Ko);
    emit sgnEsito(portName.isEmpty() ? Ko : Ok, portName);
}

void frmRicercaPorta::onClose()
{
    reportOutcome();
    close();
}

void frmRicercaPorta::reject()
{
    reportOutcome();
    QDialog::reject();
}

void frmRicercaPorta::closeEvent(QCloseEvent *event)
{
    emit sgnClose();
    QDialog::closeEvent(event);  // hides the dialog through reject()
}
