#pragma once
// The dialog that finds the ECU: the HID device first, then a serial port
// chosen from the list, probed with the probe frame. Its outcome and the
// port to use reach the main window when it closes.

#include "link/cdevinfo.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <memory>

class HidDevice;
class QCloseEvent;
class QComboBox;
class QLabel;
class QPushButton;
class QSerialPort;
class QTimer;

class frmRicercaPorta : public QDialog {
    Q_OBJECT

public:
    static constexpr int ProbeTimeoutMs = 500;

    // Neither the serial port nor the HID device (null when absent) is owned.
    frmRicercaPorta(QWidget *parent, QSerialPort *serialPort, HidDevice *hidDevice);
    ~frmRicercaPorta() override;

    // Tries the HID device, else fills the port list. Shown right after.
    void startSearch();
    // Every complete reply from the transport, whoever asked for it.
    void checkProbeReply(const QByteArray &reply);
    // Texts again after a language switch; the status is emptied.
    void retranslate();

    // The port on which a device answered: "HID", a serial port or empty.
    QString foundPort() const { return portName; }
    bool isWaitingReply() const { return waitingReply; }
    // The HID probe of startSearch is running (the event loop keeps running
    // while the device is waited for).
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
    void showEsito(const QString &result);
    void clearStatus();
    void reportOutcome();
    void setWaitCursor(bool on);

    QLabel *lblRicerca = nullptr;
    QComboBox *cbPorteSeriali = nullptr;
    QLabel *lblStatus = nullptr;
    QPushButton *btClose = nullptr;

    QSerialPort *serialPort;
    HidDevice *hidDevice;
    QString portName;
    std::unique_ptr<QTimer> timer;
    bool waitingReply = false;
    bool searchActive = false;   // a search runs whose outcome is not reported yet
    bool waitCursor = false;
    bool probingHid = false;
};
