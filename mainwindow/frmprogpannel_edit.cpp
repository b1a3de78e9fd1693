// Editing the curve as a table: undo and redo, copy and paste with
// spreadsheets, operations on a range of points, and a second curve to
// compare against. Everything changes the curve through the model, so the
// plot, the table and the undo history follow by themselves.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <qwt_plot.h>

#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "plot/canvaspicker.h"
#include "plot/curvetable.h"
#include "profile/curvemodel.h"
#include "profile/curveops.h"
#include "profile/profilefile.h"

void frmProgPannel::connectEditing()
{
    ui->tblCurva->setModel(model);
    ui->tblCurva->setSelectionModel(selection);
    tableDelegate = new CurveTableDelegate(ui->tblCurva);
    ui->tblCurva->setItemDelegate(tableDelegate);

    ui->actionUndo->setShortcut(QKeySequence::Undo);
    ui->actionRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ui->actionCopia->setShortcut(QKeySequence::Copy);
    ui->actionIncolla->setShortcut(QKeySequence::Paste);

    connect(ui->actionUndo, &QAction::triggered, model, &CurveModel::undo);
    connect(ui->actionRedo, &QAction::triggered, model, &CurveModel::redo);
    connect(ui->actionCopia, &QAction::triggered, this, &frmProgPannel::onCopyValues);
    connect(ui->actionIncolla, &QAction::triggered, this, &frmProgPannel::onPasteValues);
    for (QAction *a : {ui->actionImposta, ui->actionAggiungi, ui->actionScala, ui->actionInterpola, ui->actionLiscia})
        connect(a, &QAction::triggered, this, [this, a] { onRangeOperation(a); });
    connect(ui->actionConfrontaFile, &QAction::triggered, this, &frmProgPannel::onCompareFile);
    connect(ui->actionConfrontaEcu, &QAction::triggered, this, &frmProgPannel::onCompareEcu);
    connect(ui->actionNascondiConfronto, &QAction::triggered, model, &CurveModel::clearCompare);

    connect(model, &CurveModel::undoStateChanged, this, &frmProgPannel::updateEditActions);
    connect(model, &CurveModel::compareChanged, this, [this] {
        updateEditActions();
        fitTableHeight();
        ui->qwtPlot->replot();
    });
    fitTableHeight();
    connect(model, &CurveModel::valuesChanged, this, &frmProgPannel::updateValueAxis);
    connect(model, &CurveModel::limitsChanged, this, &frmProgPannel::updateValueAxis);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &frmProgPannel::updateEditActions);
    connect(selection, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            ui->tblCurva->scrollTo(current);
    });
    updateEditActions();
}

void frmProgPannel::fitTableHeight()
{
    // Exactly the rows there are: two, or four while comparing.
    QTableView *t = ui->tblCurva;
    const int rows = model->rowCount() * t->verticalHeader()->defaultSectionSize();
    const int header = t->horizontalHeader()->sizeHint().height();
    const int bar = t->horizontalScrollBar()->sizeHint().height();
    t->setFixedHeight(rows + header + bar + 2 * t->frameWidth());
}

void frmProgPannel::updateEditActions()
{
    ui->actionUndo->setEnabled(model->canUndo());
    ui->actionRedo->setEnabled(model->canRedo());
    ui->actionUndo->setText(model->canUndo() ? tr("Annulla: %1").arg(model->undoText()) : tr("Annulla"));
    ui->actionRedo->setText(model->canRedo() ? tr("Ripeti: %1").arg(model->redoText()) : tr("Ripeti"));
    const int selected = editPoints().size();
    for (QAction *a : {ui->actionImposta, ui->actionAggiungi, ui->actionScala, ui->actionLiscia, ui->actionCopia})
        a->setEnabled(selected >= 1);
    ui->actionInterpola->setEnabled(selected >= 3);
    ui->actionConfrontaEcu->setEnabled(model->hasEcuCopy());
    ui->actionNascondiConfronto->setEnabled(model->hasCompare());
}

QVector<int> frmProgPannel::editPoints() const
{
    return picker ? picker->selectedPoints() : QVector<int>();
}

void frmProgPannel::onCopyValues()
{
    QVector<int> values;
    for (int p : editPoints())
        values.append(model->value(p));
    if (!values.isEmpty())
        QApplication::clipboard()->setText(CurveOps::toText(values));
}

void frmProgPannel::onPasteValues()
{
    QVector<int> numbers;
    QString error;
    if (!CurveOps::parseText(QApplication::clipboard()->text(), &numbers, &error)) {
        prompts->warning(this, tr("Incolla valori"), tr("Impossibile incollare: %1.").arg(error));
        return;
    }
    // From the first selected point on, one value per point.
    const QVector<int> points = editPoints();
    const int first = points.isEmpty() ? 0 : points.first();
    if (first + numbers.size() > Curve::Points) {
        prompts->warning(this, tr("Incolla valori"),
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
        statusBar()->showMessage(tr("%1 valori incollati portati entro i limiti (da %2 a %3)")
                                     .arg(clamped)
                                     .arg(int(model->limits().valueMin))
                                     .arg(int(model->limits().valueMax)),
                                 10000);
}

void frmProgPannel::onRangeOperation(QAction *action)
{
    const QVector<int> points = editPoints();
    if (points.isEmpty())
        return;
    const CurveLimits l = model->limits();
    const CurveOps::Range range{int(l.valueMin), int(l.valueMax)};
    QVector<int> result;
    if (action == ui->actionInterpola) {
        result = CurveOps::interpolate(model->values(), points, range);
    } else if (action == ui->actionLiscia) {
        result = CurveOps::smooth(model->values(), points, range);
    } else {
        double number = 0;
        if (action == ui->actionImposta) {
            if (!prompts->getNumber(this, action->text(), tr("Valore"), model->value(points.first()), range.min,
                                    range.max, 0, &number))
                return;
            result = CurveOps::setTo(model->values(), points, int(number), range);
        } else if (action == ui->actionAggiungi) {
            if (!prompts->getNumber(this, action->text(), tr("Quantità da aggiungere (anche negativa)"), 0,
                                    range.min - range.max, range.max - range.min, 0, &number))
                return;
            result = CurveOps::add(model->values(), points, int(number), range);
        } else {
            if (!prompts->getNumber(this, action->text(), tr("Percentuale (100 = invariato)"), 100, 0, 1000, 1,
                                    &number))
                return;
            result = CurveOps::scale(model->values(), points, number, range);
        }
    }
    QString what = action->text();
    what.remove(QStringLiteral("..."));
    model->applyEdit(result, what);
}

void frmProgPannel::onCompareFile()
{
    const QString path =
        prompts->getOpenFileName(this, tr("Confronta con file..."), profileFolder, tr("Profili (*.prf)"));
    if (path.isEmpty())
        return;
    ProfileFile::Profile profile;
    QString error;
    if (!ProfileFile::load(path, &profile, &error)) {
        prompts->warning(this, tr("Confronta con file..."), error);
        return;
    }
    model->setCompare(profile.values, QFileInfo(path).completeBaseName());
}

void frmProgPannel::onCompareEcu()
{
    if (model->hasEcuCopy())
        model->setCompare(model->ecuCopy(), tr("Centralina"));
}
