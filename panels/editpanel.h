// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing the curve: the plot with its point editor and marks, the value
// table under it, the move commands, undo and redo, copy and paste with
// spreadsheets, operations on a range of points, and a second curve to
// compare against. Everything changes the curve through the model, so the
// plot, the table and the undo history follow by themselves.

#include <QObject>
#include <QPointer>
#include <QVector>

#include "plot/canvaspicker.h"

class CanvasPicker;
class CurveMarkers;
class CurveTableDelegate;
class QAction;
class QMenu;
class QTableView;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotLegendItem;
class WindowContext;

class EditPanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QwtPlot *plot = nullptr;
        QTableView *table = nullptr;
        QMenu *editMenu = nullptr;
        QAction *undo = nullptr, *redo = nullptr, *copy = nullptr, *paste = nullptr;
        QAction *set = nullptr, *add = nullptr, *scale = nullptr, *interpolate = nullptr, *smooth = nullptr;
        QAction *increase = nullptr, *decrease = nullptr;
        QAction *compareFile = nullptr, *compareEcu = nullptr, *hideCompare = nullptr;
    };

    EditPanel(WindowContext &context, const Widgets &widgets, QObject *parent = nullptr);
    ~EditPanel() override;

    // Builds the plot anew for the model's speed range and value limits.
    void setupPlot();
    // Qt::Key_Left / Right / Up / Down / PageUp / PageDown on the current point.
    void moveKey(int key);
    // The point the ECU uses now (-1: none), on the curve and in the table.
    void setTracer(int point, int value);
    void retranslate();

    QwtPlotCurve *curve() const { return plotCurve; }
    CanvasPicker *picker() const { return editor; }
    CurveMarkers *markers() const { return marks; }
    // The points an operation acts on: the selection, in order.
    QVector<int> editPoints() const;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void copyValues();
    void pasteValues();
    void rangeOperation(QAction *action);
    void stepSelection(int delta);
    void compareWithFile();
    void compareWithEcu();
    void updateActions();
    void updateEnabled();
    void updateValueAxis();
    void fitTableHeight();
    void showCompareLegend();
    void updateRpmStep();

    WindowContext &ctx;
    Widgets ui;
    QwtPlotCurve *plotCurve = nullptr;
    QwtPlotCurve *ghost = nullptr;
    QwtPlotLegendItem *legend = nullptr;
    QPointer<CanvasPicker> editor;
    CurveMarkers *marks = nullptr;
    CurveTableDelegate *tableDelegate = nullptr;
};
