// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/mixturepanel.h"

#include "analysis/analysisjob.h"
#include "analysis/livemixture.h"
#include "analysis/widebandreader.h"
#include "link/protocol.h"
#include "link/serialportlist.h"
#include "panels/windowcontext.h"
#include "plot/mixtureplot.h"
#include "profile/curvemodel.h"
#include "session/ecusession.h"
#include "session/liverecorder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum Column { ColPoint, ColRpm, ColSamples, ColMeasured, ColInterval, ColTarget, ColError, ColApplied, ColProposed,
              ColNote, ColumnCount };

constexpr double DefaultTargetLambda = 0.90;
constexpr int LiveRefreshMs = 1000;

} // namespace

MixturePanel::MixturePanel(WindowContext &context, const Widgets &widgets, LiveRecorder *liveRecorder,
                           QObject *parent)
    : QObject(parent), ctx(context), ui(widgets), recorder(liveRecorder)
{
    job = new Mixture::AnalysisJob(this);
    connect(job, &Mixture::AnalysisJob::finished, this, &MixturePanel::showResult);
    reader = new Mixture::WidebandReader(this);
    connect(reader, &Mixture::WidebandReader::reading, this, &MixturePanel::onReading);
    connect(reader, &Mixture::WidebandReader::lost, this, [this](const QString &error) {
        setWidebandOn(false);
        ctx.prompts().warning(ctx.window(), tr("Sonda lambda"), tr("La sonda lambda non risponde più: %1.").arg(error));
    });
    connect(ctx.session(), &EcuSession::liveData, this, &MixturePanel::onSample);
    connect(ui.analysis, &QAction::triggered, this, &MixturePanel::showPanel);
    connect(ui.wideband, &QAction::triggered, this, &MixturePanel::toggleWideband);
    liveRefresh.setInterval(LiveRefreshMs);
    connect(&liveRefresh, &QTimer::timeout, this, &MixturePanel::showLiveResult);
    ui.afr->hide();
    retranslate();
}

MixturePanel::~MixturePanel()
{
    // The recorder asks the reader for every line it writes.
    if (recorder)
        recorder->setAfrSource(nullptr);
}

bool MixturePanel::isAnalysing() const
{
    return job->isRunning();
}

// ---------------------------------------------------------------- the panel

void MixturePanel::buildPanel()
{
    panel = new QDialog(ctx.window());
    panel->setObjectName(QStringLiteral("frmMiscela"));
    panel->resize(900, 640);
    auto *layout = new QVBoxLayout(panel);

    auto *sources = new QHBoxLayout;
    btOpen = new QPushButton(panel);
    btOpen->setObjectName(QStringLiteral("btApriLog"));
    btRecording = new QPushButton(panel);
    btRecording->setObjectName(QStringLiteral("btUsaRegistrazione"));
    inputs = new QLabel(panel);
    inputs->setObjectName(QStringLiteral("lblLog"));
    inputs->setWordWrap(true);
    sources->addWidget(btOpen);
    sources->addWidget(btRecording);
    sources->addWidget(inputs, 1);
    layout->addLayout(sources);

    auto *form = new QHBoxLayout;
    unit = new QComboBox(panel);
    unit->setObjectName(QStringLiteral("cbUnita"));
    unit->addItems({QStringLiteral("AFR"), QStringLiteral("Lambda")});
    target = new QDoubleSpinBox(panel);
    target->setObjectName(QStringLiteral("spObiettivo"));
    target->setDecimals(2);
    target->setRange(5.0, 25.0);
    target->setSingleStep(0.1);
    target->setValue(DefaultTargetLambda * 14.7);
    stoich = new QDoubleSpinBox(panel);
    stoich->setObjectName(QStringLiteral("spStechiometrico"));
    stoich->setDecimals(2);
    stoich->setRange(5.0, 20.0);
    stoich->setValue(14.7);
    gain = new QDoubleSpinBox(panel);
    gain->setObjectName(QStringLiteral("spGuadagno"));
    gain->setDecimals(2);
    gain->setRange(0.1, 10.0);
    gain->setSingleStep(0.1);
    gain->setValue(1.0);
    maxStep = new QSpinBox(panel);
    maxStep->setObjectName(QStringLiteral("spPassoMassimo"));
    maxStep->setRange(1, 40);
    maxStep->setValue(5);
    minSamples = new QSpinBox(panel);
    minSamples->setObjectName(QStringLiteral("spLettureMinime"));
    minSamples->setRange(1, 10000);
    minSamples->setValue(20);
    delayAuto = new QCheckBox(panel);
    delayAuto->setObjectName(QStringLiteral("cbRitardoAuto"));
    delayAuto->setChecked(true);
    delayMs = new QSpinBox(panel);
    delayMs->setObjectName(QStringLiteral("spRitardo"));
    delayMs->setRange(0, 3000);
    delayMs->setSingleStep(50);
    delayMs->setValue(600);
    delayMs->setSuffix(QStringLiteral(" ms"));
    for (QWidget *w : {static_cast<QWidget *>(unit), static_cast<QWidget *>(target), static_cast<QWidget *>(stoich),
                       static_cast<QWidget *>(gain), static_cast<QWidget *>(maxStep),
                       static_cast<QWidget *>(minSamples), static_cast<QWidget *>(delayAuto),
                       static_cast<QWidget *>(delayMs)}) {
        auto *label = new QLabel(panel);
        label->setObjectName(w->objectName() + QStringLiteral("_label"));
        label->setBuddy(w);
        form->addWidget(label);
        form->addWidget(w);
    }
    form->addStretch(1);
    btAnalyse = new QPushButton(panel);
    btAnalyse->setObjectName(QStringLiteral("btAnalizza"));
    form->addWidget(btAnalyse);
    layout->addLayout(form);

    auto *split = new QSplitter(Qt::Vertical, panel);
    plot = new MixturePlot(split);
    plot->setObjectName(QStringLiteral("plotMiscela"));
    table = new QTableWidget(Curve::Points, ColumnCount, split);
    table->setObjectName(QStringLiteral("tblMiscela"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    split->addWidget(plot);
    split->addWidget(table);
    layout->addWidget(split, 1);

    summary = new QLabel(panel);
    summary->setObjectName(QStringLiteral("lblRiepilogo"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary);

    auto *actions = new QHBoxLayout;
    actions->addStretch(1);
    btAcceptSelected = new QPushButton(panel);
    btAcceptSelected->setObjectName(QStringLiteral("btAccettaSelezione"));
    btAcceptAll = new QPushButton(panel);
    btAcceptAll->setObjectName(QStringLiteral("btAccettaTutto"));
    actions->addWidget(btAcceptSelected);
    actions->addWidget(btAcceptAll);
    layout->addLayout(actions);

    connect(btOpen, &QPushButton::clicked, this, &MixturePanel::openLogs);
    connect(btRecording, &QPushButton::clicked, this, &MixturePanel::useRecording);
    connect(btAnalyse, &QPushButton::clicked, this, &MixturePanel::analyse);
    connect(btAcceptAll, &QPushButton::clicked, this, [this] { accept(false); });
    connect(btAcceptSelected, &QPushButton::clicked, this, [this] { accept(true); });
    connect(delayAuto, &QCheckBox::toggled, this, [this](bool on) { delayMs->setEnabled(!on || reader->isOpen()); });
    connect(unit, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        // The same target in the other unit.
        const double lambda = index == 0 ? target->value() / stoich->value() : target->value();
        if (index == 0) {
            target->setRange(5.0, 25.0);
            target->setValue(lambda * stoich->value());
        } else {
            target->setRange(0.5, 1.5);
            target->setValue(lambda / stoich->value());
        }
        showResult(current);
    });
    delayMs->setEnabled(false);
    retranslate();
    showResult(current);
}

void MixturePanel::retranslate()
{
    ui.wideband->setText(reader->isOpen() ? tr("Spegni la sonda lambda") : tr("Sonda lambda su porta seriale..."));
    if (!panel)
        return;
    panel->setWindowTitle(tr("Analisi della miscela"));
    btOpen->setText(tr("Apri log..."));
    btRecording->setText(tr("Usa la registrazione"));
    btAnalyse->setText(tr("Analizza"));
    btAcceptAll->setText(tr("Accetta tutti i punti"));
    btAcceptSelected->setText(tr("Accetta i punti scelti"));
    delayAuto->setText(tr("stimato dai log"));
    const QList<QPair<QWidget *, QString>> labels{{unit, tr("Miscela")},      {target, tr("Obiettivo")},
                                                  {stoich, tr("Stechiometrico")}, {gain, tr("% per punto")},
                                                  {maxStep, tr("Passo massimo")}, {minSamples, tr("Letture minime")},
                                                  {delayAuto, tr("Ritardo sonda")}, {delayMs, QString()}};
    for (const auto &l : labels)
        if (auto *label = panel->findChild<QLabel *>(l.first->objectName() + QStringLiteral("_label")))
            label->setText(l.second);
    gain->setToolTip(tr("Quanto carburante aggiunge un punto della curva, in %: un'ipotesi da tarare (un punto "
                        "positivo aggiunge carburante)"));
    table->setHorizontalHeaderLabels({tr("Punto"), tr("Giri/min"), tr("Letture"), tr("Misurata"), tr("Intervallo 95%"),
                                      tr("Obiettivo"), tr("Errore %"), tr("In uso"), tr("Proposta"), tr("Nota")});
    plot->retranslate();
    showResult(current);
}

void MixturePanel::showPanel()
{
    if (!panel)
        buildPanel();
    panel->show();
    panel->raise();
    panel->activateWindow();
}

Mixture::Settings MixturePanel::settings() const
{
    Mixture::Settings s;
    const CurveModel *model = ctx.model();
    s.stoich = stoich ? stoich->value() : 14.7;
    const double t = target ? target->value() : DefaultTargetLambda * s.stoich;
    s.targetLambda = {unit && unit->currentIndex() == 1 ? t : t / s.stoich};
    s.gainPctPerPoint = gain ? gain->value() : 1.0;
    s.maxStep = maxStep ? maxStep->value() : 5;
    s.minSamples = minSamples ? minSamples->value() : 20;
    s.valueMin = int(model->limits().valueMin);
    s.valueMax = int(model->limits().valueMax);
    s.maxRpm = int(model->maxRpm());
    // The live form cannot estimate the delay: it takes the one given.
    s.delayFixed = (delayAuto && !delayAuto->isChecked()) || reader->isOpen();
    s.delayMs = delayMs ? delayMs->value() : 600;
    return s;
}

void MixturePanel::openLogs()
{
    const QStringList live = ctx.prompts().getOpenFileNames(
        ctx.window(), tr("Log dal vivo di Tervalix"), ctx.logFolder(), tr("Log dal vivo (*.csv)"));
    if (live.isEmpty())
        return;
    // A live log recorded with the wideband on carries its readings.
    const QStringList wideband = ctx.prompts().getOpenFileNames(
        ctx.window(), tr("Log della sonda lambda (nessuno se i log dal vivo hanno la colonna afr)"), ctx.logFolder(),
        tr("Log di testo (*.csv *.txt *.log);;Tutti i file (*)"));
    analyseFiles(live, wideband);
}

void MixturePanel::analyseFiles(const QStringList &live, const QStringList &wideband)
{
    ecuFiles = live;
    widebandFiles = wideband;
    analyse();
}

void MixturePanel::useRecording()
{
    const QString path = recorder ? recorder->path() : QString();
    if (path.isEmpty()) {
        ctx.prompts().information(ctx.window(), tr("Analisi della miscela"),
                                  tr("Nessuna registrazione in questa sessione: registra un giro con la sonda lambda "
                                     "collegata, o apri dei log."));
        return;
    }
    ecuFiles = QStringList{path};
    widebandFiles.clear();
    analyse();
}

void MixturePanel::analyse()
{
    if (ecuFiles.isEmpty()) {
        openLogs();
        return;
    }
    if (!panel)
        buildPanel();
    showPanel();
    liveRefresh.stop();
    Mixture::WidebandFormat format;
    // Off the GUI thread: an hour of logs takes a good part of a second.
    if (!job->startFiles(ecuFiles, widebandFiles, format, settings()))
        return;
    btAnalyse->setEnabled(false);
    summary->setText(tr("Analisi in corso..."));
}

void MixturePanel::showResult(const Mixture::Result &result)
{
    current = result;
    if (result.ok)
        emit analysed(result, ecuFiles + widebandFiles);
    if (!panel)
        return;
    btAnalyse->setEnabled(!job->isRunning());
    QStringList names;
    for (const QString &f : ecuFiles + widebandFiles)
        names << QFileInfo(f).fileName();
    inputs->setText(names.isEmpty() ? tr("Nessun log") : names.join(QStringLiteral(", ")));
    const bool afr = unit->currentIndex() == 0;
    const double scale = afr ? stoich->value() : 1.0;
    plot->setResult(result, afr, stoich->value());
    const QLocale locale;
    const auto number = [&](double v, int decimals) {
        return std::isfinite(v) ? locale.toString(v, 'f', decimals) : QString();
    };
    for (int i = 0; i < Curve::Points; ++i) {
        const Mixture::PointRow row = i < result.points.size() ? result.points[i] : Mixture::PointRow();
        QString note;
        switch (row.flag) {
        case Mixture::Flag::Ok:
            break;
        case Mixture::Flag::NoData:
            note = tr("nessun dato");
            break;
        case Mixture::Flag::FewSamples:
            note = tr("poche letture: nessuna proposta");
            break;
        case Mixture::Flag::ClosedLoop:
            note = tr("anello chiuso della centralina: nessuna proposta");
            break;
        case Mixture::Flag::Excluded:
            note = tr("escluso");
            break;
        case Mixture::Flag::Limited:
            note = tr("limitato a %1 punti per passata").arg(maxStep->value());
            break;
        case Mixture::Flag::Clamped:
            note = tr("entro i limiti della centralina");
            break;
        }
        const QStringList cells{
            QString::number(i),
            locale.toString(qRound(ctx.model()->rpmAt(i))),
            row.samples > 0 ? QString::number(row.samples) : QString(),
            number(row.lambda * scale, afr ? 2 : 3),
            std::isfinite(row.lambdaLo) ? QStringLiteral("%1 - %2").arg(number(row.lambdaLo * scale, afr ? 2 : 3),
                                                                       number(row.lambdaHi * scale, afr ? 2 : 3))
                                        : QString(),
            number(row.targetLambda * scale, afr ? 2 : 3),
            number(row.errorPct, 1),
            row.hasApplied ? QString::number(row.applied) : QString(),
            row.hasProposal ? QString::number(row.proposed) : QString(),
            note,
        };
        for (int c = 0; c < ColumnCount; ++c) {
            QTableWidgetItem *item = table->item(i, c);
            if (!item) {
                item = new QTableWidgetItem;
                table->setItem(i, c, item);
            }
            item->setText(cells[c]);
            item->setTextAlignment(c == ColNote ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        }
    }
    table->resizeColumnsToContents();

    QStringList lines;
    if (!result.ok && !result.error.isEmpty()) {
        lines << result.error;
    } else if (result.ok) {
        const Mixture::DelayEstimate &d = result.delay;
        lines << (d.fixed ? tr("Ritardo della sonda: %1 ms (dato)").arg(qRound(d.ms))
                          : tr("Ritardo della sonda: %1 ms (stimato, 95%: da %2 a %3 ms)")
                                .arg(qRound(d.ms))
                                .arg(qRound(d.lo))
                                .arg(qRound(d.hi)));
        lines << tr("Letture: %1, usate %2; proposte per %3 punti").arg(result.readings).arg(result.used).arg(result.proposals());
        static const char *const reasons[] = {
            QT_TR_NOOP("fuori scala o sonda fredda"), QT_TR_NOOP("senza dati della centralina"),
            QT_TR_NOOP("fuori dalla curva"),          QT_TR_NOOP("taglio del carburante"),
            QT_TR_NOOP("transitorio"),                QT_TR_NOOP("anello chiuso"),
        };
        QStringList rejected;
        for (int r = 0; r < Mixture::ReasonCount; ++r)
            if (result.rejected[r] > 0)
                rejected << QStringLiteral("%1 %2").arg(result.rejected[r]).arg(tr(reasons[r]));
        if (!rejected.isEmpty())
            lines << tr("Scartate: %1").arg(rejected.join(QStringLiteral(", ")));
        lines << result.messages;
        // The proposal over the curve, as a second curve to compare with.
        ctx.model()->setCompare(proposedCurve(QVector<int>()), tr("Proposta"));
    }
    summary->setText(lines.join(QLatin1Char('\n')));
    btAcceptAll->setEnabled(result.ok && result.proposals() > 0);
    btAcceptSelected->setEnabled(result.ok && result.proposals() > 0);
}

QVector<int> MixturePanel::proposedCurve(const QVector<int> &points) const
{
    // Points without a proposal (or not chosen) keep the editor's value.
    QVector<int> values = ctx.model()->values();
    for (const Mixture::PointRow &row : current.points)
        if (row.hasProposal && row.point >= 0 && row.point < values.size()
            && (points.isEmpty() || points.contains(row.point)))
            values[row.point] = row.proposed;
    return values;
}

void MixturePanel::accept(bool selectedOnly)
{
    if (!current.ok)
        return;
    QVector<int> points;
    if (selectedOnly) {
        for (const QModelIndex &i : table->selectionModel()->selectedRows())
            points << i.row();
        if (points.isEmpty())
            return;
    }
    int changed = 0;
    const QVector<int> values = proposedCurve(points);
    for (int i = 0; i < values.size(); ++i)
        changed += values[i] != ctx.model()->value(i) ? 1 : 0;
    ctx.model()->applyEdit(values, tr("Proposta della miscela"));
    ctx.showStatus(tr("%1 punti cambiati dalla proposta: scrivi la curva nella centralina per usarla.").arg(changed),
                   15000);
}

// ---------------------------------------------------------------- the live sensor

void MixturePanel::toggleWideband()
{
    if (reader->isOpen()) {
        setWidebandOn(false);
        return;
    }
    const QString port = ctx.prompts().getItem(ctx.window(), tr("Sonda lambda"),
                                                tr("Porta seriale della sonda lambda (9600 baud):"),
                                                SerialPortList::availablePortNames(), true);
    if (port.isEmpty())
        return;
    QString error;
    if (!reader->open(port, 9600, &error)) {
        ctx.prompts().warning(ctx.window(), tr("Sonda lambda"), tr("Impossibile aprire %1: %2.").arg(port, error));
        return;
    }
    setWidebandOn(true);
}

void MixturePanel::setWidebandOn(bool on)
{
    if (!on) {
        reader->close();
        if (recorder)
            recorder->setAfrSource(nullptr);
        live.reset();
        liveRefresh.stop();
        ui.afr->hide();
    } else {
        // The recordings started from now on carry the sensor's reading.
        if (recorder)
            recorder->setAfrSource([this] { return reader->lastAfr(); });
        live = std::make_unique<Mixture::LiveMixture>(settings());
        liveClock.start();
        liveRefresh.start();
        ui.afr->setText(tr("AFR ---"));
        ui.afr->show();
    }
    retranslate();
}

void MixturePanel::onSample(const Protocol::PollData &data)
{
    if (!live)
        return;
    Mixture::EcuSample s;
    s.ms = double(liveClock.elapsed());
    s.rpm = data.rpm;
    s.cellIndex = data.cellIndex;
    s.cellValue = qint8(data.cellValue);
    live->addEcuSample(s);
}

void MixturePanel::onReading(double afr, double lambda, qint64)
{
    const bool showAfr = !unit || unit->currentIndex() == 0;
    ui.afr->setText(showAfr ? tr("AFR %1").arg(QLocale().toString(afr, 'f', 1))
                            : tr("\u03BB %1").arg(QLocale().toString(lambda, 'f', 2)));
    if (live)
        live->addReading(double(liveClock.elapsed()), lambda);
}

void MixturePanel::showLiveResult()
{
    // The figures fill in as the ride goes on, while the panel is open.
    if (!live || !panel || !panel->isVisible() || job->isRunning())
        return;
    showResult(live->result());
}
