// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog that finds the ECU: the HID device first, then a serial port
// chosen from the list (or typed in), probed with the probe frame. The
// probes run in the session, so the window keeps working while a unit is
// waited for. The outcome and the port to use reach the main window when
// the dialog closes.

#include "link/cdevinfo.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

class EcuSession;
class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct ProbeResult;

class frmRicercaPorta : public QDialog {
    Q_OBJECT

public:
    static constexpr int ProbeTimeoutMs = 500;

    // The session is not owned.
    frmRicercaPorta(QWidget *parent, EcuSession *session);
    ~frmRicercaPorta() override;

    // Shows the dialog and tries the HID device; without an answer there,
    // fills the port list.
    void startSearch();
    // Texts again after a language switch; the status is emptied.
    void retranslate();
    // The port that last found a unit: offered first in the list.
    void setLastPort(const QString &path) { lastPort = path; }

    // The port on which a device answered: "HID", a serial port or empty.
    QString foundPort() const { return portName; }
    bool isWaitingReply() const { return waitingReply; }
    bool isProbingHid() const { return probingHid; }

signals:
    void sgnSndByte(QByteArray frame);
    void sgnEsito(QString result, QString port);
    void sgnClose();
    void sgnDeviceInfo(CDevInfo &info);

public slots:
    void onSelezionePortaClicked(const QString &text);
    void onSendSerialData(QByteArray frame);
    void onTimeout();
    void onClose();
    // Escape ends the search like the close button: the outcome is reported.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildForm();
    void fillPortList();
    void onProbeFinished(const ProbeResult &result);
    void showEsito(bool found, const QString &why = QString());
    void clearStatus();
    void reportOutcome();
    void setWaitCursor(bool on);
    void setChoosing(bool enabled);

    QLabel *lblRicerca = nullptr;
    QComboBox *cbPorteSeriali = nullptr;
    QLineEdit *lePorta = nullptr;
    QLabel *lblStatus = nullptr;
    QPushButton *btClose = nullptr;

    EcuSession *session;
    QString portName;
    QString lastPort;
    bool waitingReply = false;
    bool searchActive = false;   // a search runs whose outcome is not reported yet
    bool waitCursor = false;
    bool probingHid = false;
};
