// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The point editor of the injection curve. It watches the plot's canvas and
// changes the curve only through the curve model:
// - a press picks the nearest point (closer than 10 pixels); Ctrl adds or
//   removes it from the selection, Shift selects the range up to it;
// - a drag with the button held changes the picked point's value (one undo
//   step per drag);
// - Left/Right step the current point (wrapping), Up/Down change its value
//   by one unit and Page Up/Page Down by five, within the layout's limits;
//   with nothing selected, the first key selects the point nearest to the
//   key probe position, however far.
// Only the value (y) of a point ever changes, never its engine speed (x).
//
// The selection is shared with the value table through a selection model
// over the curve model (one column per point); the marks on the selected
// points are a plot item of their own (CurveMarkers), so the editor handles
// input only.

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QVector>

class CurveModel;
class QItemSelectionModel;
class QwtPlot;
class QwtPlotCurve;

class CanvasPicker : public QObject {
    Q_OBJECT

public:
    // A point is picked only when strictly nearer than this (canvas pixels).
    static constexpr double kMaxPickDistance = 10.0;
    // Starting best distance of the nearest-point search.
    static constexpr double kNoDistance = 100000000000.0;
    // Canvas position whose nearest point a key selects when none is.
    static QPoint keyProbePosition() { return QPoint(330, 168); }
    // Value change of Page Up / Page Down.
    static constexpr int kPageStep = 5;

    // `curve` shows `model` on `plot`; `selection` (shared with the table)
    // may be null, then the picker keeps its own.
    CanvasPicker(QwtPlot *plot, QwtPlotCurve *curve, CurveModel *model, QItemSelectionModel *selection = nullptr);
    ~CanvasPicker() override;

    // Qt::Key_Left / Key_Right move the current point, Key_Up / Key_Down
    // change its value by 1, Key_PageUp / Key_PageDown by kPageStep.
    void handleKey(int key);

    // The current point (-1 when none) and all selected points, in order.
    int selectedIndex() const;
    QVector<int> selectedPoints() const;
    QwtPlotCurve *selectedCurve() const;
    void selectPoint(int index);

    // The value a drag gives for a position that maps to `mapped` on the y
    // axis: rounded (halves up) and kept within [valueMin, valueMax].
    static double dragValue(double mapped, float valueMin, float valueMax);

    QItemSelectionModel *selectionModel() const { return m_selection; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QwtPlot *plot() const;
    int nearestPoint(const QPoint &pos, double *distance) const;
    void press(const QPoint &pos, Qt::KeyboardModifiers modifiers);
    void dragTo(const QPoint &pos);
    void release();
    void changeValue(int delta);
    void stepSelection(bool forward);
    void repaintNow();

    QPointer<QWidget> m_canvas;
    QwtPlotCurve *m_curve;
    CurveModel *m_model;
    QItemSelectionModel *m_selection;
    int m_dragging = -1;  // the point a held button drags
};
