// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixture analysis as the window shows it: logs opened (or the current
// recording), the per-point figures with their evidence, the proposal as
// the comparison curve over the curve, and its acceptance into the editor
// as one undo step. Nothing reaches the ECU until the user writes the
// curve the usual way. With a wideband on a serial port its reading shows
// next to the engine speed, goes into the recordings, and the analysis
// follows the ride as it happens.

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "analysis/mixturetypes.h"

class LiveRecorder;
class MixturePlot;
class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class WindowContext;

namespace Mixture {
class AnalysisJob;
class LiveMixture;
class WidebandReader;
}

namespace Protocol {
struct PollData;
}

class MixturePanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QAction *analysis = nullptr;  // actionMiscela: opens the panel
        QAction *wideband = nullptr;  // actionSondaLambda: the live sensor on or off
        QLabel *afr = nullptr;        // lblAfr, next to the engine speed
    };

    MixturePanel(WindowContext &context, const Widgets &widgets, LiveRecorder *recorder, QObject *parent = nullptr);
    ~MixturePanel() override;

    void showPanel();
    // Live logs, then (optionally) the wideband's own logs.
    void openLogs();
    void useRecording();
    void analyse();
    void analyseFiles(const QStringList &live, const QStringList &wideband);
    // The proposal into the editor (all points, or those chosen in the
    // table) as one undo step.
    void accept(bool selectedOnly);
    void toggleWideband();
    void retranslate();

    QDialog *dialog() const { return panel; }
    const Mixture::Result &result() const { return current; }
    bool isAnalysing() const;
    QStringList liveLogs() const { return ecuFiles; }

signals:
    // An analysis of these files finished with this result.
    void analysed(const Mixture::Result &result, const QStringList &files);

private:
    void buildPanel();
    Mixture::Settings settings() const;
    void showResult(const Mixture::Result &result);
    void showLiveResult();
    void onSample(const Protocol::PollData &data);
    void onReading(double afr, double lambda, qint64 ms);
    void setWidebandOn(bool on);
    QVector<int> proposedCurve(const QVector<int> &points) const;

    WindowContext &ctx;
    Widgets ui;
    LiveRecorder *recorder;
    Mixture::AnalysisJob *job = nullptr;
    Mixture::Result current;
    QStringList ecuFiles;
    QStringList widebandFiles;

    QDialog *panel = nullptr;
    MixturePlot *plot = nullptr;
    QTableWidget *table = nullptr;
    QLabel *inputs = nullptr;
    QLabel *summary = nullptr;
    QComboBox *unit = nullptr;
    QDoubleSpinBox *target = nullptr;
    QDoubleSpinBox *stoich = nullptr;
    QDoubleSpinBox *gain = nullptr;
    QSpinBox *maxStep = nullptr;
    QSpinBox *minSamples = nullptr;
    QCheckBox *delayAuto = nullptr;
    QSpinBox *delayMs = nullptr;
    QPushButton *btOpen = nullptr;
    QPushButton *btRecording = nullptr;
    QPushButton *btAnalyse = nullptr;
    QPushButton *btAcceptAll = nullptr;
    QPushButton *btAcceptSelected = nullptr;

    // The live sensor and the analysis that follows the ride.
    Mixture::WidebandReader *reader = nullptr;
    std::unique_ptr<Mixture::LiveMixture> live;
    QElapsedTimer liveClock;
    QTimer liveRefresh;
};
