// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/canvaspicker.h"

#include "profile/curvemodel.h"

#include <QItemSelectionModel>
#include <QMouseEvent>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>

#include <algorithm>

CanvasPicker::CanvasPicker(QwtPlot *plot, QwtPlotCurve *curve, CurveModel *model, QItemSelectionModel *selection)
    : QObject(plot), m_curve(curve), m_model(model),
      m_selection(selection ? selection : new QItemSelectionModel(model, this))
{
    QWidget *canvas = plot->canvas();
    m_canvas = canvas;
    canvas->installEventFilter(this);
    canvas->setCursor(Qt::PointingHandCursor);
    if (auto *plotCanvas = qobject_cast<QwtPlotCanvas *>(canvas))
        plotCanvas->setFocusIndicator(QwtPlotCanvas::ItemFocusIndicator);
    canvas->setFocus(Qt::OtherFocusReason);

    connect(m_model, &CurveModel::valuesChanged, this, [this] { repaintNow(); });
}

CanvasPicker::~CanvasPicker()
{
    // The canvas may already be gone when the plot itself is being destroyed.
    if (m_canvas)
        m_canvas->removeEventFilter(this);
}

QwtPlot *CanvasPicker::plot() const
{
    return static_cast<QwtPlot *>(parent());
}

double CanvasPicker::dragValue(double mapped, float valueMin, float valueMax)
{
    // Far-off positions (and a degenerate scale giving NaN) are brought near
    // the range first, so that the rounding below cannot overflow an int.
    const double lo = double(valueMin) - 1.0;
    const double hi = double(valueMax) + 1.0;
    if (!(mapped >= lo))
        mapped = lo;
    else if (mapped > hi)
        mapped = hi;
    double v = qRound(mapped);  // halves go up: 2.5 -> 3, -2.5 -> -2
    if (v > valueMax)
        v = valueMax;
    if (!(v > valueMin))
        v = valueMin;
    return v;
}

int CanvasPicker::selectedIndex() const
{
    const QModelIndex current = m_selection->currentIndex();
    if (!current.isValid())
        return -1;
    if (!m_selection->isSelected(current) && !m_selection->isColumnSelected(current.column(), QModelIndex()))
        return -1;
    return current.column();
}

QVector<int> CanvasPicker::selectedPoints() const
{
    QVector<int> points;
    for (const QModelIndex &i : m_selection->selectedIndexes())
        if (!points.contains(i.column()))
            points.append(i.column());
    std::sort(points.begin(), points.end());
    return points;
}

QwtPlotCurve *CanvasPicker::selectedCurve() const
{
    return selectedIndex() >= 0 ? m_curve : nullptr;
}

void CanvasPicker::selectPoint(int index)
{
    if (index < 0 || index >= Curve::Points) {
        m_selection->clear();
        return;
    }
    m_selection->setCurrentIndex(m_model->index(CurveModel::ValueRow, index),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Columns);
}

int CanvasPicker::nearestPoint(const QPoint &pos, double *distance) const
{
    double best = kNoDistance;
    int index = -1;
    if (plot()->itemList().contains(m_curve))
        index = m_curve->closestPoint(pos, &best);
    if (distance)
        *distance = index >= 0 ? best : kNoDistance;
    return index;
}

void CanvasPicker::press(const QPoint &pos, Qt::KeyboardModifiers modifiers)
{
    double distance = kNoDistance;
    const int index = nearestPoint(pos, &distance);
    m_dragging = -1;
    if (index < 0 || distance >= kMaxPickDistance) {
        if (!(modifiers & (Qt::ControlModifier | Qt::ShiftModifier)))
            m_selection->clear();
        return;
    }
    const QModelIndex at = m_model->index(CurveModel::ValueRow, index);
    if (modifiers & Qt::ShiftModifier) {
        const int from = qMax(0, selectedIndex());
        QItemSelection range(m_model->index(CurveModel::ValueRow, qMin(from, index)),
                             m_model->index(CurveModel::ValueRow, qMax(from, index)));
        m_selection->select(range, QItemSelectionModel::Select | QItemSelectionModel::Columns);
        m_selection->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
        return;
    }
    if (modifiers & Qt::ControlModifier) {
        m_selection->setCurrentIndex(at, QItemSelectionModel::Toggle | QItemSelectionModel::Columns);
        return;
    }
    selectPoint(index);
    m_dragging = index;
    m_model->beginGroup(tr("Trascinamento punto %1").arg(index));
}

void CanvasPicker::dragTo(const QPoint &pos)
{
    if (m_dragging < 0)
        return;
    const CurveLimits l = m_model->limits();
    const double v = dragValue(plot()->invTransform(m_curve->yAxis(), pos.y()), l.valueMin, l.valueMax);
    m_model->setValue(m_dragging, int(v));
}

void CanvasPicker::release()
{
    if (m_dragging >= 0)
        m_model->endGroup();
    m_dragging = -1;
}

void CanvasPicker::changeValue(int delta)
{
    const int i = selectedIndex();
    if (i < 0 || delta == 0)
        return;
    m_model->setValue(i, m_model->clamp(m_model->value(i) + delta));
}

void CanvasPicker::stepSelection(bool forward)
{
    const int i = selectedIndex();
    if (i < 0)
        return;
    const int n = Curve::Points;
    selectPoint((i + (forward ? 1 : -1) + n) % n);
}

void CanvasPicker::handleKey(int key)
{
    if (selectedIndex() < 0) {
        // Whatever the distance: the key must do something.
        const int index = nearestPoint(keyProbePosition(), nullptr);
        if (index < 0)
            return;
        selectPoint(index);
    }
    switch (key) {
    case Qt::Key_Right:
        stepSelection(true);
        break;
    case Qt::Key_Left:
        stepSelection(false);
        break;
    case Qt::Key_Up:
        changeValue(1);
        break;
    case Qt::Key_Down:
        changeValue(-1);
        break;
    case Qt::Key_PageUp:
        changeValue(kPageStep);
        break;
    case Qt::Key_PageDown:
        changeValue(-kPageStep);
        break;
    default:
        break;
    }
}

void CanvasPicker::repaintNow()
{
    // The curve changed: the plot shows it at once, not later from the
    // event loop, so that a drag follows the mouse.
    QwtPlot *p = plot();
    auto *plotCanvas = qobject_cast<QwtPlotCanvas *>(p->canvas());
    if (plotCanvas)
        plotCanvas->setPaintAttribute(QwtPlotCanvas::ImmediatePaint, true);
    p->replot();
    if (plotCanvas)
        plotCanvas->setPaintAttribute(QwtPlotCanvas::ImmediatePaint, false);
}

bool CanvasPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_canvas || watched != m_canvas.data())
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(event);
        press(me->pos(), me->modifiers());
        return true;
    }
    case QEvent::MouseMove:
        dragTo(static_cast<QMouseEvent *>(event)->pos());
        return true;
    case QEvent::MouseButtonRelease:
        release();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
