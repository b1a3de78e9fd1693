// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/editpanel.h"

#include "panels/windowcontext.h"
#include "plot/canvaspicker.h"
#include "plot/curvemarkers.h"
#include "plot/curveseries.h"
#include "plot/curvetable.h"
#include "plot/plotsetup.h"
#include "profile/curvemodel.h"
#include "profile/curveops.h"
#include "profile/profilefile.h"
#include "session/ecusession.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QEvent>

#include <algorithm>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_legenditem.h>
#include <qwt_scale_div.h>

EditPanel::EditPanel(WindowContext &context, const Widgets &widgets, QObject *parent)
    : QObject(parent), ctx(context), ui(widgets)
{
    CurveModel *model = ctx.model();
    QItemSelectionModel *selection = ctx.selection();
    ui.table->setModel(model);
    ui.table->setSelectionModel(selection);
    tableDelegate = new CurveTableDelegate(ui.table);
    ui.table->setItemDelegate(tableDelegate);
    connect(tableDelegate, &CurveTableDelegate::valueAdjusted, this, [this](int point, int typed, int kept) {
        ctx.showStatus(tr("Punto %1: %2 è fuori dai limiti della centralina, portato a %3").arg(point).arg(typed).arg(kept),
                       10000);
    });
    connect(tableDelegate, &CurveTableDelegate::valueRefused, this, [this](int point, const QString &text) {
        ctx.showStatus(tr("Punto %1: \"%2\" non è un numero; il valore resta com'era").arg(point).arg(text), 10000);
    });

    ui.undo->setShortcut(QKeySequence::Undo);
    ui.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ui.copy->setShortcut(QKeySequence::Copy);
    ui.paste->setShortcut(QKeySequence::Paste);
    // Single keys, in the table and on the plot, as tuners know them (the
    // keypad's too). A text field keeps them while it has the focus.
    ui.increase->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)});
    ui.decrease->setShortcuts({QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)});
    ui.set->setShortcut(QKeySequence(Qt::Key_Equal));
    ui.scale->setShortcuts({QKeySequence(Qt::Key_Asterisk), QKeySequence(Qt::KeypadModifier | Qt::Key_Asterisk)});
    ui.interpolate->setShortcut(QKeySequence(Qt::Key_I));
    ui.smooth->setShortcut(QKeySequence(Qt::Key_S));

    connect(ui.undo, &QAction::triggered, model, &CurveModel::undo);
    connect(ui.redo, &QAction::triggered, model, &CurveModel::redo);
    connect(ui.copy, &QAction::triggered, this, &EditPanel::copyValues);
    connect(ui.paste, &QAction::triggered, this, &EditPanel::pasteValues);
    for (QAction *a : {ui.set, ui.add, ui.scale, ui.interpolate, ui.smooth})
        connect(a, &QAction::triggered, this, [this, a] { rangeOperation(a); });
    connect(ui.increase, &QAction::triggered, this, [this] { stepSelection(1); });
    connect(ui.decrease, &QAction::triggered, this, [this] { stepSelection(-1); });
    connect(ui.compareFile, &QAction::triggered, this, &EditPanel::compareWithFile);
    connect(ui.compareEcu, &QAction::triggered, this, &EditPanel::compareWithEcu);
    connect(ui.hideCompare, &QAction::triggered, model, &CurveModel::clearCompare);

    connect(model, &CurveModel::undoStateChanged, this, &EditPanel::updateActions);
    connect(model, &CurveModel::compareChanged, this, [this] {
        updateActions();
        fitTableHeight();
        showCompareLegend();
        ui.plot->replot();
    });
    connect(model, &CurveModel::valuesChanged, this, &EditPanel::updateValueAxis);
    connect(model, &CurveModel::limitsChanged, this, &EditPanel::setupPlot);
    connect(model, &CurveModel::maxRpmChanged, this, &EditPanel::setupPlot);
    connect(model, &CurveModel::modifiedChanged, this, &EditPanel::updateActions);
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this] {
        updateActions();
        ui.plot->replot();
    });
    connect(selection, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            ui.table->scrollTo(current);
    });
    connect(ctx.session(), &EcuSession::busyChanged, this, &EditPanel::updateEnabled);
    ui.plot->installEventFilter(this);
    fitTableHeight();
    setupPlot();
    updateActions();
}

EditPanel::~EditPanel()
{
    // The editor is the plot's child: gone already when the plot went first.
    delete editor;
}

void EditPanel::retranslate()
{
    plotsetup::applyPlotTitles(ui.plot);
    plotCurve->setTitle(tr("Curva"));
    ctx.model()->headerDataChanged(Qt::Vertical, 0, ctx.model()->rowCount() - 1);
    updateActions();
}

void EditPanel::updateEnabled()
{
    // The curve cannot change while it is being written or read.
    const bool free = !ctx.session()->isBusy();
    ui.table->setEnabled(free);
    ui.plot->setEnabled(free);
    ui.editMenu->setEnabled(free);
}

// ---------------------------------------------------------------- the plot

void EditPanel::setupPlot()
{
    CurveModel *model = ctx.model();
    // The old editor goes first: it holds a pointer to the curve that the
    // rebuild below deletes (with the marks).
    delete editor;
    const int tracer = marks ? marks->tracer() : -1;

    plotCurve = plotsetup::buildPlot(ui.plot, model->maxRpm(), plotsetup::valueAxis(model->limits(), model->values()));
    plotCurve->setData(new CurveSeries(model));
    plotCurve->setTitle(tr("Curva"));
    ghost = plotsetup::makeGhostCurve();
    ghost->setData(new CurveSeries(model, true));
    ghost->setZ(plotCurve->z() + 0.5);
    ghost->attach(ui.plot);
    legend = new QwtPlotLegendItem();
    legend->setAlignment(Qt::AlignTop | Qt::AlignRight);
    legend->setTextPen(QPen(Qt::white));
    legend->setBorderPen(QPen(Qt::white));
    legend->setBackgroundBrush(QBrush(QColor(3, 0, 51, 200)));
    legend->setZ(plotCurve->z() + 2);
    legend->attach(ui.plot);
    showCompareLegend();
    marks = new CurveMarkers(plotCurve, ctx.selection());
    marks->attach(ui.plot);
    marks->setTracer(tracer);

    editor = new CanvasPicker(ui.plot, plotCurve, model, ctx.selection());
    updateRpmStep();
    ui.plot->replot();
}

void EditPanel::showCompareLegend()
{
    // Named only while there is a second curve to tell apart.
    const CurveModel *model = ctx.model();
    ghost->setTitle(model->compareLabel());
    ghost->setItemAttribute(QwtPlotItem::Legend, model->hasCompare());
    plotCurve->setItemAttribute(QwtPlotItem::Legend, model->hasCompare());
    legend->setVisible(model->hasCompare());
}

bool EditPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.plot && event->type() == QEvent::Resize)
        updateRpmStep();
    return QObject::eventFilter(watched, event);
}

void EditPanel::updateRpmStep()
{
    // Every 1,000 rpm while the labels fit side by side, else fewer of them.
    const double maxRpm = ctx.model()->maxRpm();
    const QFontMetrics metrics(ui.plot->axisFont(QwtPlot::xBottom));
    const int label = metrics.horizontalAdvance(QLocale().toString(int(maxRpm))) + metrics.averageCharWidth() * 2;
    const int width = ui.plot->canvas()->width();
    double step = 1000.0;
    for (double s : {1000.0, 2000.0, 5000.0}) {
        step = s;
        if (width / (maxRpm / s + 1) >= label)
            break;
    }
    if (ui.plot->axisStepSize(QwtPlot::xBottom) == step)
        return;
    ui.plot->setAxisScale(QwtPlot::xBottom, 0.0, maxRpm, step);
    ui.plot->replot();
}

void EditPanel::updateValueAxis()
{
    const CurveLimits axis = plotsetup::valueAxis(ctx.model()->limits(), ctx.model()->values());
    const QwtScaleDiv &now = ui.plot->axisScaleDiv(QwtPlot::yLeft);
    if (now.lowerBound() == axis.valueMin && now.upperBound() == axis.valueMax)
        return;
    ui.plot->setAxisScale(QwtPlot::yLeft, axis.valueMin, axis.valueMax, axis.valueStep);
    ui.plot->replot();
}

void EditPanel::moveKey(int key)
{
    // Only while the curve may change.
    if (editor && ui.plot->isEnabled())
        editor->handleKey(key);
}

void EditPanel::setTracer(int point, int value)
{
    if (marks)
        marks->setTracer(point, value);
    if (tableDelegate->tracer() != point) {
        tableDelegate->setTracer(point);
        ui.table->viewport()->update();
    }
}

// ---------------------------------------------------------------- the table

void EditPanel::fitTableHeight()
{
    // Columns and rows as large as their text in the font on show (which
    // grows with the screen's resolution), at least the designed 38 x 20.
    const QFontMetrics metrics(ui.table->font());
    const int text = std::max(metrics.horizontalAdvance(QStringLiteral("10,2k")),
                              metrics.horizontalAdvance(QStringLiteral("-100")));
    const int column = std::max(38, text + 2 * metrics.averageCharWidth());
    ui.table->horizontalHeader()->setDefaultSectionSize(column);
    ui.table->verticalHeader()->setDefaultSectionSize(std::max(20, metrics.height() + 6));
    // Exactly the rows there are: two, or four while comparing.
    QTableView *t = ui.table;
    const int rows = ctx.model()->rowCount() * t->verticalHeader()->defaultSectionSize();
    const int header = t->horizontalHeader()->sizeHint().height();
    const int bar = t->horizontalScrollBar()->sizeHint().height();
    t->setFixedHeight(rows + header + bar + 2 * t->frameWidth());
}

void EditPanel::updateActions()
{
    CurveModel *model = ctx.model();
    ui.undo->setEnabled(model->canUndo());
    ui.redo->setEnabled(model->canRedo());
    ui.undo->setText(model->canUndo() ? tr("Annulla: %1").arg(model->undoText()) : tr("Annulla"));
    ui.redo->setText(model->canRedo() ? tr("Ripeti: %1").arg(model->redoText()) : tr("Ripeti"));
    const int selected = editPoints().size();
    for (QAction *a : {ui.set, ui.add, ui.scale, ui.smooth, ui.copy, ui.increase, ui.decrease})
        a->setEnabled(selected >= 1);
    ui.interpolate->setEnabled(selected >= 3);
    ui.compareEcu->setEnabled(model->hasEcuCopy());
    ui.hideCompare->setEnabled(model->hasCompare());
}

QVector<int> EditPanel::editPoints() const
{
    return editor ? editor->selectedPoints() : QVector<int>();
}

void EditPanel::copyValues()
{
    QVector<int> values;
    for (int p : editPoints())
        values.append(ctx.model()->value(p));
    if (!values.isEmpty())
        QApplication::clipboard()->setText(CurveOps::toText(values));
}

void EditPanel::pasteValues()
{
    CurveModel *model = ctx.model();
    // 41 numbers fit in a few hundred bytes: far more is not a curve, and
    // parsing it would keep the window busy for seconds.
    constexpr int MaxPasteChars = 64 * 1024;
    const QString text = QApplication::clipboard()->text();
    if (text.size() > MaxPasteChars) {
        ctx.prompts().warning(ctx.window(), tr("Incolla valori"),
                              tr("Impossibile incollare: gli appunti contengono %1 caratteri, troppi per una curva.")
                                  .arg(text.size()));
        return;
    }
    QVector<int> numbers;
    QString error;
    if (!CurveOps::parseText(text, &numbers, &error)) {
        ctx.prompts().warning(ctx.window(), tr("Incolla valori"), tr("Impossibile incollare: %1.").arg(error));
        return;
    }
    // From the first selected point on, one value per point.
    const QVector<int> points = editPoints();
    const int first = points.isEmpty() ? 0 : points.first();
    if (first + numbers.size() > Curve::Points) {
        ctx.prompts().warning(ctx.window(), tr("Incolla valori"),
                              tr("Impossibile incollare: %1 valori dal punto %2 superano l'ultimo punto (40).")
                                  .arg(numbers.size())
                                  .arg(first));
        return;
    }
    QVector<int> values = model->values();
    int clamped = 0;
    for (int i = 0; i < numbers.size(); ++i) {
        values[first + i] = model->clamp(numbers[i]);
        clamped += values[first + i] != numbers[i] ? 1 : 0;
    }
    model->applyEdit(values, tr("Incolla"));
    if (clamped > 0)
        ctx.showStatus(tr("%1 valori incollati portati entro i limiti (da %2 a %3)")
                           .arg(clamped)
                           .arg(int(model->limits().valueMin))
                           .arg(int(model->limits().valueMax)),
                       10000);
}

void EditPanel::rangeOperation(QAction *action)
{
    const QVector<int> points = editPoints();
    if (points.isEmpty())
        return;
    CurveModel *model = ctx.model();
    UserPrompts &prompts = ctx.prompts();
    QWidget *window = ctx.window();
    const CurveLimits l = model->limits();
    const CurveOps::Range range{int(l.valueMin), int(l.valueMax)};
    QVector<int> result;
    if (action == ui.interpolate) {
        result = CurveOps::interpolate(model->values(), points, range);
    } else if (action == ui.smooth) {
        result = CurveOps::smooth(model->values(), points, range);
    } else {
        double number = 0;
        // The prompt takes any number as typed; one beyond the range is
        // brought within it, and the user is told (a spin box limited to
        // the range would turn a typed 60 into 6 without a word).
        const auto within = [&](double v, double lo, double hi) {
            const double kept = qBound(lo, v, hi);
            if (kept != v)
                ctx.showStatus(tr("%1 è fuori dall'intervallo da %2 a %3: usato %4")
                                   .arg(QLocale().toString(v))
                                   .arg(QLocale().toString(lo))
                                   .arg(QLocale().toString(hi))
                                   .arg(QLocale().toString(kept)),
                               10000);
            return kept;
        };
        constexpr double wide = 1.0e6;
        if (action == ui.set) {
            if (!prompts.getNumber(window, action->text(), tr("Valore (da %1 a %2)").arg(range.min).arg(range.max),
                                   model->value(points.first()), -wide, wide, 0, &number))
                return;
            result = CurveOps::setTo(model->values(), points, int(within(qRound(number), range.min, range.max)), range);
        } else if (action == ui.add) {
            if (!prompts.getNumber(window, action->text(), tr("Quantità da aggiungere (anche negativa)"), 0, -wide, wide,
                                   0, &number))
                return;
            result = CurveOps::add(model->values(), points,
                                   int(within(qRound(number), range.min - range.max, range.max - range.min)), range);
        } else {
            if (!prompts.getNumber(window, action->text(), tr("Percentuale (100 = invariato)"), 100, -wide, wide, 1,
                                   &number))
                return;
            result = CurveOps::scale(model->values(), points, within(number, 0, 1000), range);
        }
    }
    QString what = action->text();
    what.remove(QStringLiteral("..."));
    model->applyEdit(result, what);
}

void EditPanel::stepSelection(int delta)
{
    const QVector<int> points = editPoints();
    if (points.isEmpty())
        return;
    CurveModel *model = ctx.model();
    const CurveLimits l = model->limits();
    QString what = (delta > 0 ? ui.increase : ui.decrease)->text();
    model->applyEdit(CurveOps::add(model->values(), points, delta, CurveOps::Range{int(l.valueMin), int(l.valueMax)}),
                     what);
}

void EditPanel::compareWithFile()
{
    const QString path = ctx.prompts().getOpenFileName(ctx.window(), tr("Confronta con file..."),
                                                       ctx.profileFolder(), tr("Profili (*.prf)"));
    if (path.isEmpty())
        return;
    ProfileFile::Profile profile;
    QString error;
    if (!ProfileFile::load(path, &profile, &error)) {
        ctx.prompts().warning(ctx.window(), tr("Confronta con file..."), error);
        return;
    }
    ctx.model()->setCompare(profile.values, QFileInfo(path).completeBaseName());
}

void EditPanel::compareWithEcu()
{
    CurveModel *model = ctx.model();
    if (model->hasEcuCopy())
        model->setCompare(model->ecuCopy(), tr("Centralina"));
}
