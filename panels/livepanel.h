// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Live data as the window shows it: the rev counter and the digital display,
// the probe's level and the test-bench switch (expert mode, behind a
// password), the point the ECU is using (tracerMoved, for the curve and the
// table), the strip chart of the last minute, the recording of a run and
// the poll rate. Every sample reaches all of them by one route: the
// session's liveData, which carries only samples worth showing.

#include <QObject>
#include <QString>
#include <QTimer>

#include "gauge/enginetype.h"
#include "link/protocol.h"

class CRpmGauge;
class LiveHistory;
class LiveRecorder;
class QAction;
class QLCDNumber;
class QLabel;
class QPushButton;
class QToolButton;
class WindowContext;
class frmLogin;

class LivePanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QLCDNumber *lcd = nullptr;      // lcdRPM
        CRpmGauge *gauge = nullptr;
        QLabel *adc = nullptr;          // lblAdcSonda
        QLabel *adcTitle = nullptr;     // lblLivelloSensore
        QPushButton *bench = nullptr;   // btBanco
        QAction *record = nullptr;      // actionRegistra
        QAction *history = nullptr;     // actionStorico
        QAction *expert = nullptr;      // actionModo_Esperto
        QWidget *historyHost = nullptr; // wgStorico, under the value table
    };

    LivePanel(WindowContext &context, const Widgets &widgets, QObject *parent = nullptr);

    void showSample(const Protocol::PollData &data);
    void showRpm(int rpm);
    void showAdc(uchar adc);
    void toggleBench();
    void toggleRecording();
    void showHistory(bool on);
    // The expert-mode menu entry: asks for the password, or hides the
    // expert controls again (a bench that is on stays on).
    void toggleExpertMode();
    void checkPassword(const QString &text);
    frmLogin *loginDialog();
    void setEngine(const EngineType::Setup &setup);
    void retranslate();

    LiveRecorder *liveRecorder() const { return recorder; }
    LiveHistory *liveHistory() const { return history; }

signals:
    // The point the ECU is using now and the value it applies there; -1
    // when live data stops.
    void tracerMoved(int point, int value);

private:
    void onPollingChanged(bool on);
    void onLinkedChanged(bool linked);
    void onRecordingStopped(const QString &error);
    void updatePollRate();
    void updateRecordLook();
    void setBenchLook(bool on);
    void setExpertVisible(bool on);
    void updateEnabled();

    WindowContext &ctx;
    Widgets ui;
    LiveRecorder *recorder = nullptr;
    LiveHistory *history = nullptr;
    QToolButton *recordButton = nullptr;
    QLabel *pollLabel = nullptr;
    frmLogin *dlgLogin = nullptr;
    QTimer pollRateTimer;
    qint64 pollsAtLastTick = 0;
    int tracerPoint = -1;
    double maxRpm = 12000.0;
};
