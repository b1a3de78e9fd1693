// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/livepanel.h"

#include "dialogs/frmlogin.h"
#include "gauge/crpmgauge.h"
#include "panels/windowcontext.h"
#include "plot/livehistory.h"
#include "profile/curvelimits.h"
#include "session/ecusession.h"
#include "session/liverecorder.h"
#include "uicommon/cmsg.h"
#include "uicommon/windowlook.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLCDNumber>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

LivePanel::LivePanel(WindowContext &context, const Widgets &widgets, QObject *parent)
    : QObject(parent), ctx(context), ui(widgets)
{
    EcuSession *session = ctx.session();
    recorder = new LiveRecorder(session, this);
    connect(recorder, &LiveRecorder::stopped, this, &LivePanel::onRecordingStopped);
    connect(session, &EcuSession::liveData, this, &LivePanel::showSample);
    connect(session, &EcuSession::pollingChanged, this, &LivePanel::onPollingChanged);
    connect(session, &EcuSession::linkedChanged, this, &LivePanel::onLinkedChanged);
    connect(session, &EcuSession::busyChanged, this, &LivePanel::updateEnabled);
    connect(session, &EcuSession::benchChanged, this, &LivePanel::setBenchLook);
    connect(session, &EcuSession::lineNoiseChanged, this, [this](bool noisy) { ui.lcd->setEnabled(!noisy); });

    QMainWindow *window = ctx.window();
    // Not the action's own button: that would copy the action's text onto
    // itself at every change of the action (its enabled state too).
    recordButton = new QToolButton(window);
    recordButton->setObjectName(QStringLiteral("btRegistra"));
    recordButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(recordButton, &QToolButton::clicked, ui.record, &QAction::trigger);
    connect(ui.record, &QAction::changed, this, [this] { recordButton->setEnabled(ui.record->isEnabled()); });
    pollLabel = new QLabel(window);
    pollLabel->setObjectName(QStringLiteral("lblPoll"));
    ctx.statusBar()->addPermanentWidget(pollLabel);
    ctx.statusBar()->addPermanentWidget(recordButton);
    pollLabel->hide();

    connect(ui.record, &QAction::triggered, this, &LivePanel::toggleRecording);
    connect(ui.history, &QAction::toggled, this, &LivePanel::showHistory);
    pollRateTimer.setInterval(1000);
    connect(&pollRateTimer, &QTimer::timeout, this, &LivePanel::updatePollRate);

    ui.adc->setText(QString::number(0));
    setExpertVisible(false);
    setBenchLook(false);
    updateRecordLook();
    updateEnabled();
}

void LivePanel::retranslate()
{
    setBenchLook(ctx.session()->isBenchOn());
    updateRecordLook();
    if (pollRateTimer.isActive())
        updatePollRate();
    if (dlgLogin)
        dlgLogin->retranslate();
    if (history)
        history->retranslate();
}

void LivePanel::updateEnabled()
{
    const EcuSession *session = ctx.session();
    ui.bench->setEnabled(session->isLinked() && !session->isBusy());
    ui.record->setEnabled(session->isLinked() || recorder->isRecording());
}

// ---------------------------------------------------------------- samples

void LivePanel::showSample(const Protocol::PollData &data)
{
    showRpm(data.rpm);
    showAdc(data.adc);
    const int point = data.cellIndex < Curve::Points ? int(data.cellIndex) : -1;
    tracerPoint = point;
    emit tracerMoved(point, qint8(data.cellValue));
    if (history)
        history->addSample(data.rpm, data.adc);
}

void LivePanel::showRpm(int rpm)
{
    ui.lcd->display(rpm);
    ui.gauge->setValue(rpm);
}

void LivePanel::showAdc(uchar adc)
{
    ui.adc->setText(QString::number(adc));
}

void LivePanel::onPollingChanged(bool on)
{
    if (on) {
        pollsAtLastTick = ctx.session()->deliveredPolls();
        pollRateTimer.start();
        pollLabel->setText(tr("%1 letture/s, %2 perse").arg(0).arg(ctx.session()->lostPolls()));
        pollLabel->show();
    } else {
        pollRateTimer.stop();
        pollLabel->hide();
        // Without live data there is nothing to record, and nothing to trace.
        recorder->stop();
        if (tracerPoint >= 0) {
            tracerPoint = -1;
            emit tracerMoved(-1, 0);
        }
    }
    updateEnabled();
}

void LivePanel::onLinkedChanged(bool linked)
{
    if (!linked) {
        showRpm(0);
        ui.adc->setText(QStringLiteral("0"));
        ui.lcd->setEnabled(true);
        recorder->stop();
    }
    updateEnabled();
}

void LivePanel::updatePollRate()
{
    const qint64 polls = ctx.session()->deliveredPolls();
    pollLabel->setText(tr("%1 letture/s, %2 perse").arg(polls - pollsAtLastTick).arg(ctx.session()->lostPolls()));
    pollsAtLastTick = polls;
}

// ---------------------------------------------------------------- the bench

void LivePanel::toggleBench()
{
    ctx.session()->setBench(!ctx.session()->isBenchOn());
}

void LivePanel::setBenchLook(bool on)
{
    ui.bench->setStyleSheet(WindowLook::bancoStyle(on));
    ui.bench->setText(CMsg::text(on ? CMsg::BancoOn : CMsg::BancoOff));
}

// ---------------------------------------------------------------- expert mode

frmLogin *LivePanel::loginDialog()
{
    if (!dlgLogin) {
        dlgLogin = new frmLogin(ctx.window());
        connect(dlgLogin, &frmLogin::sgnPassword, this, &LivePanel::checkPassword);
    }
    return dlgLogin;
}

void LivePanel::toggleExpertMode()
{
    // The action is checkable: its mark has already been toggled.
    if (ui.expert->isChecked()) {
        frmLogin *login = loginDialog();
        login->clearPassword();
        login->setVisible(true);
        login->setModal(true);
        login->activateWindow();
        return;
    }
    setExpertVisible(false);
}

void LivePanel::checkPassword(const QString &text)
{
    const bool right = frmLogin::isExpertPassword(text);
    setExpertVisible(right);
    if (right)
        return;
    ui.expert->setChecked(false);
    // Escape gives no password at all: nothing to complain about.
    if (!text.isEmpty())
        ctx.prompts().warning(ctx.window(), tr("Modo Esperto"), tr("Password errata: il modo esperto resta spento."));
}

void LivePanel::setExpertVisible(bool on)
{
    ui.bench->setVisible(on);
    ui.adc->setVisible(on);
    ui.adcTitle->setVisible(on);
}

// ---------------------------------------------------------------- the gauge

void LivePanel::setEngine(const EngineType::Setup &setup)
{
    maxRpm = setup.maxRpm;
    ui.gauge->setSkin(QString::fromLatin1(setup.skin));
    ui.gauge->setMaximum(setup.gaugeMaximum);
    ui.gauge->setEndAngle(setup.endAngle);
    if (history)
        history->setMaxRpm(setup.maxRpm);
}

// ---------------------------------------------------------------- history

void LivePanel::showHistory(bool on)
{
    if (on && !history) {
        // Built the first time it is asked for: nothing of it at start-up.
        // It sits under the value table, so it never covers a control.
        history = new LiveHistory(ui.historyHost);
        history->setObjectName(QStringLiteral("plotStorico"));
        history->setMinimumHeight(120);
        history->setMaximumHeight(200);
        history->setMaxRpm(maxRpm);
        ui.historyHost->layout()->addWidget(history);
    }
    ui.historyHost->setVisible(on);
    if (ui.history->isChecked() != on)
        ui.history->setChecked(on);
}

// ---------------------------------------------------------------- recording

void LivePanel::toggleRecording()
{
    if (recorder->isRecording()) {
        recorder->stop();
        return;
    }
    EcuSession *session = ctx.session();
    if (!session->isLinked()) {
        updateRecordLook();
        return;
    }
    // A recording needs live data.
    session->startPolling();
    QString error;
    if (!recorder->start(ctx.logFolder(), &error)) {
        updateRecordLook();
        ctx.prompts().warning(ctx.window(), tr("Registra dati dal vivo"),
                              tr("La registrazione non è iniziata: %1.").arg(error));
        return;
    }
    updateRecordLook();
    ctx.showStatus(tr("Registrazione in %1").arg(QDir::toNativeSeparators(recorder->path())), 5000);
}

void LivePanel::onRecordingStopped(const QString &error)
{
    updateRecordLook();
    if (!error.isEmpty())
        ctx.prompts().warning(ctx.window(), tr("Registra dati dal vivo"),
                              tr("Registrazione interrotta: %1. Il collegamento resta attivo.").arg(error));
    else
        ctx.showStatus(tr("Registrazione salvata: %1 (%2 righe)")
                           .arg(QFileInfo(recorder->path()).fileName())
                           .arg(recorder->lines()),
                       10000);
}

void LivePanel::updateRecordLook()
{
    const bool on = recorder->isRecording();
    ui.record->setChecked(on);
    ui.record->setText(on ? tr("Ferma registrazione") : tr("Registra dati dal vivo"));
    // A red mark while recording.
    recordButton->setText(on ? QStringLiteral("\u25CF ") + tr("REC") : tr("Registra"));
    recordButton->setStyleSheet(on ? QStringLiteral("color: rgb(230, 0, 0); font-weight: bold;") : QString());
    recordButton->setToolTip(on ? QDir::toNativeSeparators(recorder->path()) : tr("Registra dati dal vivo"));
    updateEnabled();
}
