#pragma once
// The program's only main window and the hub of the whole system. Its members
// are defined in the folder of the subsystem they serve: transport, link and
// transfer slots in link/, plot, curve, files and execCmd in profile/, the
// engine type in gauge/, expert mode in dialogs/, the rest here.

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <memory>

#include "link/cdevinfo.h"
#include "link/replyassembler.h"

class CGestRT;
class CGestReceive;
class CGestSend;
class CRpmGauge;
class CanvasPicker;
class HidDevice;
class QLabel;
class QSerialPort;
class QwtPlotCurve;
class UserPrompts;
class frmAbout;
class frmLogin;
class frmRicercaPorta;

namespace Ui {
class frmProgPannel;
}

class frmProgPannel : public QMainWindow {
    Q_OBJECT
    friend class TervalixTestAccess;  // tests reach the window's inner state

public:
    explicit frmProgPannel(QWidget *parent = nullptr);
    ~frmProgPannel() override;

    // Replaces the file dialogs and warning boxes (tests); takes ownership.
    void setUserPrompts(UserPrompts *prompts);

signals:
    void sgnClose();

public slots:
    void onCercaPortaClicked();
    void onLinkClicked();
    void onBancoClicked();
    void onIniezioneChanged(int value);
    void onSaveFlashClicked();
    void onReadFlashClicked();
    void onFlatProfileClicked();
    void onLoadProfileClicked();
    void onSaveProfileClicked();
    void onMuoviDestra();
    void onMuoviSinistra();
    void onMuoviSu();
    void onMuoviGiu();
    void onItalianoClicked();
    void onIngleseClicked();
    void onSelect2Cylinders();
    void onSelect4Cylinders();
    void onCloseClicked();
    void onAboutClicked();
    void onExpertModeClicked();
    void onReceiveSerialData();
    void onSendSerialData(QByteArray frame);
    void onPercentSndRcv(int percent);
    void onClearUpdateBar();
    void onEsitoSndRcv(QString outcome);
    void onEsitoRicercaPorta(QString result, QString name);
    void onUpdateValAdc(uchar adc);
    void onUpdateRpm(int rpm);
    void onErrorRT(QString msg);
    void execCmd(QString word);
    void onGetPassword(QString text);
    void onGetDeviceInfo(CDevInfo &info);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // mainwindow/
    void makeConnections();
    void retranslateTexts();
    void switchLanguage(const QString &catalogue, bool italian);
    void setBancoLook(bool on);
    void setLedStyle(QWidget *button, bool on);

    // link/
    void openHidDevice();
    void createSerialPort();
    void handOutReply(const QByteArray &reply);
    void onSerialError(int error);
    void enableTransferControls(bool enable);
    void showDecodedImage();

    // profile/
    void setupPlot();
    void setFlatCurve(double value);
    QwtPlotCurve *findCurve() const;
    void setCurveValues(const QVector<double> &values);
    void loadProfile();
    void saveProfile(const QString &word);
    void resumePolling();

    // gauge/
    void selectEngineType(int cylinders);

    Ui::frmProgPannel *ui = nullptr;
    CRpmGauge *gauge = nullptr;
    QwtPlotCurve *curve = nullptr;
    CanvasPicker *picker = nullptr;
    bool connectedFlag = false;
    bool bancoFlag = false;
    bool linkFlag = false;
    bool profilePathFlag = false;
    QLabel *deviceLabel = nullptr;
    CDevInfo devInfo;
    QLabel *profileLabel = nullptr;
    QString portName;
    double maxRpm = 12000.0;
    QByteArray ecuImage;
    ReplyAssembler rxAssembler;  // the reply being assembled (rxBuffer, rxCount)
    QSerialPort *serialPort = nullptr;
    std::unique_ptr<HidDevice> hidDevice;
    CGestSend *sendThread = nullptr;
    CGestReceive *receiveThread = nullptr;
    CGestRT *rtThread = nullptr;
    frmRicercaPorta *dlgRicercaPorta = nullptr;
    frmAbout *dlgAbout = nullptr;
    frmLogin *dlgLogin = nullptr;
    int lastRpm = 0;
    float valueMin = -10.0f;
    float valueMax = 25.0f;
    int valueStep = 5;
    int keyStep = 10;
    bool transferFailedDisconnect = false;  // a failed transfer keeps the curve
    std::unique_ptr<UserPrompts> prompts;
};
