// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link as the window shows it: the search button with its LED, the port
// in use, the live-data switch, the unit's record in the status bar, a noisy
// line, the search and diagnosis dialogs, and units noticed as they are
// plugged in or pulled out. The link itself belongs to the session; this
// panel shows its state and asks for its changes.

#include <QObject>
#include <QString>

#include "link/cdevinfo.h"
#include "session/ecuresult.h"

class HotplugMonitor;
class QAction;
class QLabel;
class QPushButton;
class WindowContext;
class frmDiagnosi;
class frmRicercaPorta;

class LinkPanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QPushButton *search = nullptr;  // btRicercaPorta
        QLabel *port = nullptr;         // lblVirtualPort
        QPushButton *live = nullptr;    // btStartLink
        QAction *searchAction = nullptr;
        QAction *diagnosisAction = nullptr;
        QAction *autoSearchAction = nullptr;
    };

    LinkPanel(WindowContext &context, const Widgets &widgets, QObject *parent = nullptr);
    ~LinkPanel() override;

    // Searches when nothing is linked, else closes the link (the user's
    // choice: the ECU is told nothing).
    void searchOrDisconnect();
    // Live data on or off.
    void toggleLive();
    // The search dialog's outcome: "OK" with the port, or "KO".
    void onSearchOutcome(const QString &result, const QString &port);
    // The record the found unit reported.
    void showDeviceInfo(const CDevInfo &info);

    // The dialogs are built the first time they are needed.
    frmRicercaPorta *searchDialog();
    frmDiagnosi *diagnosisDialog() const { return dlgDiagnosi; }
    void showDiagnosis();
    // Replaces the watcher of plugged and pulled devices (tests); takes it.
    void setHotplugMonitor(HotplugMonitor *monitor);
    void retranslate();

signals:
    // A search found a unit and the link stands.
    void connected();
    // The user closed the link.
    void disconnectedByUser();

private:
    void onLinkedChanged(bool linked);
    void onPollingChanged(bool on);
    void onLinkLost(const QString &reason, const EcuResult &interrupted);
    void onLineNoise(bool noisy);
    void onUnitArrived(const QString &devnode);
    void updateEnabled();
    void setLed(QPushButton *button, bool on);
    void rememberPort(const QString &port);
    QString lastPort() const;

    WindowContext &ctx;
    Widgets ui;
    QLabel *deviceLabel = nullptr;
    QLabel *lineLabel = nullptr;
    frmRicercaPorta *dlgRicercaPorta = nullptr;
    frmDiagnosi *dlgDiagnosi = nullptr;
    HotplugMonitor *hotplug = nullptr;
};
