#pragma once
// The program's only main window: a view of the ECU session and of the
// curve model. Its slots keep the names of the design and forward to the
// session (link, transfers, live data) and to the model (the curve); all its
// members live in this folder, one file per concern.

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <memory>

#include "link/cdevinfo.h"
#include "session/ecusession.h"

class CRpmGauge;
class CanvasPicker;
class CurveTableDelegate;
class LiveHistory;
class LiveRecorder;
class QDockWidget;
class QToolButton;
class QTranslator;
class CurveModel;
class QItemSelectionModel;
class QLabel;
class QwtPlotCurve;
class UserPrompts;
class HotplugMonitor;
class frmAbout;
class frmDiagnosi;
class frmLogin;
class frmRicercaPorta;

namespace Ui {
class frmProgPannel;
}

class frmProgPannel : public QMainWindow {
    Q_OBJECT
    friend class TervalixTestAccess;  // tests reach the window's inner state

public:
    // With the real ECU (hidapi and the system's serial ports).
    explicit frmProgPannel(QWidget *parent = nullptr);
    // With the ECU that `sessionConfig` reaches (a simulated one, in tests
    // and with the simulator switched on).
    explicit frmProgPannel(const EcuSession::Config &sessionConfig, QWidget *parent = nullptr);
    ~frmProgPannel() override;

    // Replaces the file dialogs, questions and warnings (tests); takes ownership.
    void setUserPrompts(UserPrompts *prompts);
    // Where backups go and profiles are looked for (default ./Profili).
    void setProfileFolder(const QString &folder);
    // Where live-data recordings go (default ./Logs).
    void setLogFolder(const QString &folder);
    QString logFolder() const;

    EcuSession *ecuSession() const { return session; }
    // Replaces the watcher of plugged and pulled devices (tests); takes it.
    void setHotplugMonitor(HotplugMonitor *monitor);
    CurveModel *curveModel() const { return model; }

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
    void onRestoreBackupClicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build(const EcuSession::Config &sessionConfig);
    void makeConnections();
    void retranslateTexts();
    void switchLanguage(const QString &catalogue, bool italian);
    void setBancoLook(bool on);
    void setLedStyle(QWidget *button, bool on);
    void restoreGeometryFitted();
    void updateTitle();
    // The dialogs are built the first time they are needed.
    frmRicercaPorta *searchDialog();
    frmAbout *aboutDialog();
    frmLogin *loginDialog();

    // The link.
    void setDisconnectedLook();
    void onLinkLost(const QString &reason, const QString &interrupted);
    void onCommandDropped(const QString &word);
    void onLineNoise(bool noisy);
    void enableTransferControls(bool enable);
    void showDecodedImage();
    void reportMismatches();
    QString hardwareName() const;

    // The curve and the files.
    void setupPlot();
    void setFlatCurve(double value);
    QwtPlotCurve *findCurve() const;
    void setCurveValues(const QVector<int> &values, const QString &what);
    void loadProfile();
    void saveProfile(const QString &word);
    void resumePolling();
    void showProfilePath(const QString &path);
    void showNoProfile();
    QString backupFolder() const;
    // Before the curve is replaced: true to go on (saved or discarded),
    // false to leave everything as it is.
    bool mayReplaceCurve();

    // The engine type.
    void selectEngineType(int cylinders);
    void onSelectEngineTypeChosen(int cylinders);

    // Finding the unit: diagnosis, hot-plug, the last port.
    void connectHotplug();
    void onUnitArrived(const QString &devnode);
    void onDiagnosiClicked();
    void rememberPort(const QString &port);
    QString lastPort() const;

    // Live data: tracer, history, recording, poll rate.
    void connectLiveData();
    void onLiveData(const Protocol::PollData &data);
    void clearTracer();
    void updateLiveControls();
    void updatePollRate();
    void showHistory(bool on);
    void onRecordClicked();
    void onRecordingStopped(const QString &error);
    void updateRecordLook();

    // Editing: undo, the clipboard, range operations, comparison.
    void connectEditing();
    void updateEditActions();
    void fitTableHeight();
    void updateValueAxis();
    QVector<int> editPoints() const;
    void onCopyValues();
    void onPasteValues();
    void onRangeOperation(QAction *action);
    void onCompareFile();
    void onCompareEcu();

    Ui::frmProgPannel *ui = nullptr;
    CRpmGauge *gauge = nullptr;
    QwtPlotCurve *curve = nullptr;
    CanvasPicker *picker = nullptr;
    bool connectedFlag = false;
    bool bancoFlag = false;
    bool linkFlag = false;
    bool profilePathFlag = false;
    QLabel *deviceLabel = nullptr;
    QLabel *profileLabel = nullptr;
    QLabel *lineLabel = nullptr;
    EcuSession *session = nullptr;
    CurveModel *model = nullptr;
    QItemSelectionModel *selection = nullptr;
    CurveTableDelegate *tableDelegate = nullptr;
    LiveRecorder *recorder = nullptr;
    LiveHistory *history = nullptr;
    QDockWidget *historyDock = nullptr;
    QToolButton *recordButton = nullptr;
    QLabel *pollLabel = nullptr;
    QTimer pollRateTimer;
    qint64 pollsAtLastTick = 0;
    QString logsFolder = QStringLiteral("./Logs");
    frmRicercaPorta *dlgRicercaPorta = nullptr;
    frmAbout *dlgAbout = nullptr;
    frmLogin *dlgLogin = nullptr;
    frmDiagnosi *dlgDiagnosi = nullptr;
    HotplugMonitor *hotplug = nullptr;
    int lastRpm = 0;
    int engineCylinders = 0;
    QString profileFolder = QStringLiteral("./Profili");
    bool transferFailedDisconnect = false;  // a failed transfer keeps the curve
    bool closeAfterTransfer = false;        // the user closed during a transfer
    bool closing = false;                   // the close was accepted
    QString writeWord;                      // the transfer that is running
    std::unique_ptr<UserPrompts> prompts;
    std::unique_ptr<QTranslator> switchedTranslator;  // the language chosen while running
};
