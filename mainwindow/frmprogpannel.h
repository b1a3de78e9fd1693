// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's only main window. It builds the form, the ECU session and
// the curve model, gives each group of widgets to the panel that owns its
// behaviour (link, transfer, live data, profile, editing) and wires them
// together. Its slots keep the names of the design and forward to the
// panels; it holds no state of its own beyond what closing needs.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "link/cdevinfo.h"
#include "session/ecusession.h"

class CRpmGauge;
class CanvasPicker;
class CurveModel;
class EditPanel;
class HistoryPanel;
class HotplugMonitor;
class LanguageSwitch;
class LinkPanel;
class LivePanel;
class MixturePanel;
class ProfilePanel;
class QItemSelectionModel;
class QwtPlotCurve;
class TransferPanel;
class UserPrompts;
class WindowContext;
class frmAbout;

namespace Ui {
class frmProgPannel;
}

class frmProgPannel : public QMainWindow {
    Q_OBJECT

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
    // Replaces the watcher of plugged and pulled devices (tests); takes it.
    void setHotplugMonitor(HotplugMonitor *monitor);
    // Loads a profile named on the command line (or by a file manager).
    void openProfile(const QString &path);

    // The form: every widget and action by its design name, for the tools
    // and the tests that drive the window through them.
    Ui::frmProgPannel *form() const { return ui; }
    EcuSession *ecuSession() const { return session; }
    CurveModel *curveModel() const { return model; }
    QItemSelectionModel *curveSelection() const { return selection; }
    LinkPanel *linkPanel() const { return link; }
    TransferPanel *transferPanel() const { return transfer; }
    LivePanel *livePanel() const { return live; }
    ProfilePanel *profilePanel() const { return profile; }
    EditPanel *editPanel() const { return edit; }
    MixturePanel *mixturePanel() const { return mixture; }
    HistoryPanel *historyPanel() const { return history; }
    // The design's members, reached through the panels that own them.
    CRpmGauge *rpmGauge() const { return gauge; }
    QwtPlotCurve *curve() const;
    CanvasPicker *picker() const;

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
    void makePanels();
    void makeConnections();
    void retranslateTexts();
    void updateTitle();
    void onBusyChanged(bool busy);

    Ui::frmProgPannel *ui = nullptr;
    EcuSession *session = nullptr;
    CurveModel *model = nullptr;
    QItemSelectionModel *selection = nullptr;
    std::unique_ptr<WindowContext> context;
    CRpmGauge *gauge = nullptr;
    LinkPanel *link = nullptr;
    TransferPanel *transfer = nullptr;
    LivePanel *live = nullptr;
    ProfilePanel *profile = nullptr;
    EditPanel *edit = nullptr;
    MixturePanel *mixture = nullptr;
    HistoryPanel *history = nullptr;
    LanguageSwitch *language = nullptr;
    frmAbout *dlgAbout = nullptr;
    bool closeAfterTransfer = false;  // the user closed during a transfer
    bool closing = false;             // the close was accepted
};
