// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmricercaporta.h"

#include "link/protocol.h"
#include "link/serialportlist.h"
#include "uicommon/cmsg.h"
#include "session/ecusession.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>

#include "uicommon/windowlook.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const char *const FoundStyle = "background-color: rgb(85, 255, 0); color: rgb(85, 0, 255);";
const char *const NotFoundStyle = "background-color: rgb(255, 0, 0); color: rgb(255, 255, 0);";
const QString Ok = QStringLiteral("OK");
const QString Ko = QStringLiteral("KO");
} // namespace

frmRicercaPorta::frmRicercaPorta(QWidget *parent, EcuSession *session) : QDialog(parent), session(session)
{
    buildForm();
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    connect(this, &frmRicercaPorta::sgnClose, this, &frmRicercaPorta::onClose);
    // Every choice probes, the same entry chosen again too.
    connect(cbPorteSeriali, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { onSelezionePortaClicked(cbPorteSeriali->itemText(index)); });
    connect(lePorta, &QLineEdit::returnPressed, this, [this] {
        const QString path = lePorta->text().trimmed();
        if (!path.isEmpty())
            onSelezionePortaClicked(path);
    });
    connect(session, &EcuSession::probeFinished, this, &frmRicercaPorta::onProbeFinished);
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
    setWindowIcon(WindowLook::windowIcon(QStringLiteral(":/icons/imgs/motorcycle.ico")));

    lblRicerca = new QLabel(this);
    lblRicerca->setObjectName(QStringLiteral("lblRicerca"));
    lblRicerca->setGeometry(40, 40, 221, 16);
    lblRicerca->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    cbPorteSeriali = new QComboBox(this);
    cbPorteSeriali->setObjectName(QStringLiteral("cbPorteSeriali"));
    cbPorteSeriali->setGeometry(40, 60, 221, 21);

    // A port the system does not list (a simulator's /dev/pts/N, a
    // Bluetooth /dev/rfcomm0): typed in, probed on Enter.
    lePorta = new QLineEdit(this);
    lePorta->setObjectName(QStringLiteral("lePorta"));
    lePorta->setGeometry(40, 85, 221, 21);

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
    lblStatus->setWordWrap(true);

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
    lePorta->setPlaceholderText(tr("Altra porta (es. /dev/pts/3), Invio"));
    lblStatus->setText(QString());
}

void frmRicercaPorta::setChoosing(bool enabled)
{
    cbPorteSeriali->setEnabled(enabled);
    lePorta->setEnabled(enabled);
    btClose->setEnabled(enabled);
}

void frmRicercaPorta::startSearch()
{
    if (probingHid)  // a search is already waiting for the HID device
        return;
    searchActive = true;
    waitingReply = false;
    portName.clear();
    setWaitCursor(false);
    cbPorteSeriali->hide();
    lblRicerca->hide();
    lePorta->hide();
    clearStatus();
    lblStatus->setText(tr("Ricerca della centralina USB..."));
    probingHid = true;
    show();
    session->probeHid();
}

void frmRicercaPorta::fillPortList()
{
    cbPorteSeriali->show();
    lblRicerca->show();
    lePorta->show();
    // The list begins with the prompt, which probes nothing, and then the
    // port that found a unit last time, whether or not the system lists it.
    cbPorteSeriali->clear();
    cbPorteSeriali->addItem(CMsg::text(CMsg::ChoosePort));
    if (!lastPort.isEmpty())
        cbPorteSeriali->addItem(lastPort);
    for (const QString &name : SerialPortList::availablePortNames())
        if (name != lastPort)
            cbPorteSeriali->addItem(name);
    setChoosing(true);
}

void frmRicercaPorta::onProbeFinished(const ProbeResult &result)
{
    if (probingHid) {
        probingHid = false;
        if (result.found()) {
            CDevInfo record = result.info;
            emit sgnDeviceInfo(record);
            portName = QStringLiteral("HID");
            showEsito(true);
            return;
        }
        clearStatus();
        fillPortList();
        // A unit that is there but taken is worth saying; an absent one is not.
        if (result.outcome == ProbeResult::Busy || result.outcome == ProbeResult::PermissionDenied)
            showEsito(false, result.message);
        return;
    }
    if (!waitingReply)
        return;
    waitingReply = false;
    if (result.found()) {
        CDevInfo record = result.info;
        emit sgnDeviceInfo(record);
        showEsito(true);
        return;
    }
    portName.clear();
    showEsito(false, result.outcome == ProbeResult::NotFound ? QString() : result.message);
}

void frmRicercaPorta::onSelezionePortaClicked(const QString &text)
{
    clearStatus();
    portName.clear();
    if (waitingReply) {
        session->cancelProbe();
        waitingReply = false;
        setWaitCursor(false);
    }
    if (!SerialPortList::isPortName(text) && !SerialPortList::isTypedPortName(text))
        return;
    portName = text;
    setChoosing(false);
    setWaitCursor(true);
    // Waiting before the frame leaves: the answer may come at any moment.
    waitingReply = true;
    session->probeSerial(text);
}

void frmRicercaPorta::onSendSerialData(QByteArray frame)
{
    emit sgnSndByte(frame);
}

void frmRicercaPorta::onTimeout()
{
    if (!waitingReply)
        return;
    session->cancelProbe();
    waitingReply = false;
    portName.clear();
    showEsito(false);
}

void frmRicercaPorta::showEsito(bool found, const QString &why)
{
    setWaitCursor(false);
    if (found) {
        lblStatus->setStyleSheet(QLatin1String(FoundStyle));
        lblStatus->setText(CMsg::text(CMsg::BoardFound));
    } else {
        lblStatus->setStyleSheet(QLatin1String(NotFoundStyle));
        lblStatus->setText(why.isEmpty() ? CMsg::text(CMsg::BoardNotFound) : why);
        if (portName != QLatin1String("HID"))
            portName.clear();
    }
    setChoosing(true);
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
    if (waitingReply || probingHid) {
        session->cancelProbe();
        waitingReply = probingHid = false;
        portName.clear();
        showEsito(false);
    }
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
