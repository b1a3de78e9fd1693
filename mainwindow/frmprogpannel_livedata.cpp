// Live data beyond the rev counter: the tracer that marks on the curve (and
// in the table) the point the ECU is using, the strip chart of the last
// minute, the recording of a run into a CSV log, and the poll rate.

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "plot/canvaspicker.h"
#include "plot/curvetable.h"
#include "plot/livehistory.h"
#include "profile/curvemodel.h"
#include "session/liverecorder.h"

void frmProgPannel::connectLiveData()
{
    recorder = new LiveRecorder(session, this);
    connect(recorder, &LiveRecorder::stopped, this, &frmProgPannel::onRecordingStopped);
    connect(session, &EcuSession::liveData, this, &frmProgPannel::onLiveData);

    recordButton = new QToolButton(this);
    recordButton->setObjectName(QStringLiteral("btRegistra"));
    recordButton->setDefaultAction(ui->actionRegistra);
    recordButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    pollLabel = new QLabel(this);
    pollLabel->setObjectName(QStringLiteral("lblPoll"));
    statusBar()->addPermanentWidget(pollLabel);
    statusBar()->addPermanentWidget(recordButton);
    pollLabel->hide();
    ui->actionRegistra->setEnabled(false);

    connect(ui->actionRegistra, &QAction::triggered, this, &frmProgPannel::onRecordClicked);
    connect(ui->actionStorico, &QAction::toggled, this, &frmProgPannel::showHistory);
    pollRateTimer.setInterval(1000);
    connect(&pollRateTimer, &QTimer::timeout, this, &frmProgPannel::updatePollRate);
    updateRecordLook();
}

void frmProgPannel::onLiveData(const Protocol::PollData &data)
{
    // Values from a noisy line are not data: nothing follows them.
    if (!linkFlag || session->isLineNoisy())
        return;
    const int point = data.cellIndex < Curve::Points ? int(data.cellIndex) : -1;
    if (picker)
        picker->setTracer(point, qint8(data.cellValue));
    if (tableDelegate && tableDelegate->tracer() != point) {
        tableDelegate->setTracer(point);
        ui->tblCurva->viewport()->update();
    }
    if (history)
        history->addSample(data.rpm, data.adc);
}

void frmProgPannel::clearTracer()
{
    if (picker)
        picker->setTracer(-1);
    if (tableDelegate && tableDelegate->tracer() >= 0) {
        tableDelegate->setTracer(-1);
        ui->tblCurva->viewport()->update();
    }
}

void frmProgPannel::updateLiveControls()
{
    ui->actionRegistra->setEnabled(connectedFlag || recorder->isRecording());
    if (linkFlag && !pollRateTimer.isActive()) {
        pollsAtLastTick = session->deliveredPolls();
        pollRateTimer.start();
        pollLabel->setText(tr("%1 letture/s, %2 perse").arg(0).arg(session->lostPolls()));
        pollLabel->show();
    } else if (!linkFlag) {
        pollRateTimer.stop();
        pollLabel->hide();
        clearTracer();
    }
}

void frmProgPannel::updatePollRate()
{
    const qint64 polls = session->deliveredPolls();
    pollLabel->setText(tr("%1 letture/s, %2 perse").arg(polls - pollsAtLastTick).arg(session->lostPolls()));
    pollsAtLastTick = polls;
}

void frmProgPannel::showHistory(bool on)
{
    if (on && !historyDock) {
        // Built the first time it is asked for: nothing of it at start-up.
        historyDock = new QDockWidget(tr("Storico giri e sonda"), this);
        historyDock->setObjectName(QStringLiteral("dockStorico"));
        history = new LiveHistory(historyDock);
        history->setMaxRpm(model->maxRpm());
        historyDock->setWidget(history);
        addDockWidget(Qt::BottomDockWidgetArea, historyDock);
        // Floating at first, under the window where the screen has room:
        // docked, it would squeeze the plot on a small screen. It can be
        // docked at the bottom by a double click on its title.
        historyDock->setFloating(true);
        QRect place(frameGeometry().bottomLeft() + QPoint(0, 4), QSize(width(), 220));
        if (const QScreen *screen = this->screen()) {
            const QRect avail = screen->availableGeometry();
            if (!avail.contains(place))
                place.moveBottom(avail.bottom());
            place = place.intersected(avail);
        }
        historyDock->setGeometry(place);
        connect(historyDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
            if (!visible && !isMinimized())
                ui->actionStorico->setChecked(false);
        });
    }
    if (historyDock)
        historyDock->setVisible(on);
}

QString frmProgPannel::logFolder() const
{
    return logsFolder;
}

void frmProgPannel::setLogFolder(const QString &folder)
{
    logsFolder = folder;
}

void frmProgPannel::onRecordClicked()
{
    if (recorder->isRecording()) {
        recorder->stop();
        return;
    }
    if (!connectedFlag) {
        updateRecordLook();
        return;
    }
    if (!linkFlag)
        onLinkClicked();  // a recording needs live data
    QString error;
    if (!recorder->start(logsFolder, &error)) {
        updateRecordLook();
        prompts->warning(this, tr("Registra dati dal vivo"), tr("La registrazione non è iniziata: %1.").arg(error));
        return;
    }
    updateRecordLook();
    statusBar()->showMessage(tr("Registrazione in %1").arg(QDir::toNativeSeparators(recorder->path())), 5000);
}

void frmProgPannel::onRecordingStopped(const QString &error)
{
    updateRecordLook();
    if (!error.isEmpty())
        prompts->warning(this, tr("Registra dati dal vivo"),
                         tr("Registrazione interrotta: %1. Il collegamento resta attivo.").arg(error));
    else
        statusBar()->showMessage(tr("Registrazione salvata: %1 (%2 righe)")
                                     .arg(QFileInfo(recorder->path()).fileName())
                                     .arg(recorder->lines()),
                                 10000);
}

void frmProgPannel::updateRecordLook()
{
    const bool on = recorder->isRecording();
    ui->actionRegistra->setChecked(on);
    ui->actionRegistra->setText(on ? tr("Ferma registrazione") : tr("Registra dati dal vivo"));
    // A red mark while recording.
    recordButton->setText(on ? QStringLiteral("\u25CF ") + tr("REC") : tr("Registra"));
    recordButton->setStyleSheet(on ? QStringLiteral("color: rgb(230, 0, 0); font-weight: bold;") : QString());
    recordButton->setToolTip(on ? QDir::toNativeSeparators(recorder->path()) : tr("Registra dati dal vivo"));
    ui->actionRegistra->setEnabled(connectedFlag || on);
}
