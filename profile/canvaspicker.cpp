#include "profile/canvaspicker.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QVector>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_directpainter.h>
#include <qwt_symbol.h>

CanvasPicker::CanvasPicker(QwtPlot *plot)
    : QObject(plot)
{
    QWidget *canvas = plot->canvas();
    m_canvas = canvas;
    canvas->installEventFilter(this);
    canvas->setCursor(Qt::PointingHandCursor);
    if (auto *plotCanvas = qobject_cast<QwtPlotCanvas *>(canvas))
        plotCanvas->setFocusIndicator(QwtPlotCanvas::ItemFocusIndicator);
    canvas->setFocus(Qt::OtherFocusReason);
}

CanvasPicker::~CanvasPicker()
{
    // The canvas may already be gone when the plot itself is being destroyed.
    if (m_canvas)
        m_canvas->removeEventFilter(this);
}

void CanvasPicker::setLimits(float valueMin, float valueMax, int keyStep)
{
    m_valueMin = valueMin;
    m_valueMax = valueMax;
    m_keyStep = keyStep;
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

bool CanvasPicker::hasSelection() const
{
    // The curve is owned by the plot: a selection only counts while the curve
    // is still attached (a rebuilt plot deletes it) and the index is in range.
    if (!m_curve || m_index < 0)
        return false;
    if (!plot()->itemList().contains(m_curve))
        return false;
    return m_index < int(m_curve->dataSize());
}

QwtPlotCurve *CanvasPicker::selectedCurve() const
{
    return hasSelection() ? m_curve : nullptr;
}

int CanvasPicker::selectedIndex() const
{
    return hasSelection() ? m_index : -1;
}

void CanvasPicker::clearSelection()
{
    m_curve = nullptr;
    m_index = -1;
}

void CanvasPicker::paintSelection(bool highlighted)
{
    if (!hasSelection())
        return;

    // The symbol belongs to the curve; its brush is swapped for the marker's
    // only while this one point is drawn.
    auto *symbol = const_cast<QwtSymbol *>(m_curve->symbol());
    QBrush kept;
    if (symbol) {
        kept = symbol->brush();
        if (highlighted)
            symbol->setBrush(QBrush(highlightColor(), Qt::SolidPattern));
    }

    QwtPlotDirectPainter painter;
    // Inside a paint event of the canvas the direct painter draws at once.
    // Outside one it repaints the canvas behind its own event filter, which
    // takes that paint event, so it never reaches this picker's filter.
    painter.setAttribute(QwtPlotDirectPainter::AtomicPainter, true);
    painter.drawSeries(m_curve, m_index, m_index);

    if (symbol && highlighted)
        symbol->setBrush(kept);
}

void CanvasPicker::selectPointAt(const QPoint &pos)
{
    QwtPlot *p = plot();
    if (p->itemList().isEmpty()) {
        paintSelection(false);
        clearSelection();
        return;
    }

    QwtPlotCurve *bestCurve = nullptr;
    int bestIndex = -1;
    double bestDistance = kNoDistance;
    for (QwtPlotItem *item : p->itemList()) {
        if (item->rtti() != QwtPlotItem::Rtti_PlotCurve)
            continue;
        auto *c = static_cast<QwtPlotCurve *>(item);
        double distance = kNoDistance;
        const int index = c->closestPoint(pos, &distance);
        if (index >= 0 && distance < bestDistance) {
            bestCurve = c;
            bestIndex = index;
            bestDistance = distance;
        }
    }

    paintSelection(false);
    clearSelection();

    if (bestCurve && bestDistance < kMaxPickDistance) {
        m_curve = bestCurve;
        m_index = bestIndex;
        paintSelection(true);
    }
}

void CanvasPicker::dragSelectedTo(const QPoint &pos)
{
    if (!hasSelection())
        return;

    QwtPlot *p = plot();
    const int n = int(m_curve->dataSize());
    QVector<double> xs(n);
    QVector<double> ys(n);
    for (int i = 0; i < n; ++i) {
        const QPointF sample = m_curve->sample(i);
        xs[i] = sample.x();
        if (i != m_index)
            ys[i] = sample.y();
        else
            ys[i] = dragValue(p->invTransform(m_curve->yAxis(), pos.y()), m_valueMin, m_valueMax);
    }
    m_curve->setSamples(xs, ys);

    // The drag repaints at once, not later from the event loop.
    const quint64 markedBefore = m_markedPaints;
    auto *plotCanvas = qobject_cast<QwtPlotCanvas *>(p->canvas());
    if (plotCanvas)
        plotCanvas->setPaintAttribute(QwtPlotCanvas::ImmediatePaint, true);
    p->replot();
    if (plotCanvas)
        plotCanvas->setPaintAttribute(QwtPlotCanvas::ImmediatePaint, false);

    // The replot's paint event normally drew the marker already.
    if (m_markedPaints == markedBefore)
        paintSelection(true);
}

void CanvasPicker::nudgeSelected(int dy)
{
    if (dy == 0 || !hasSelection())
        return;
    QwtPlot *p = plot();
    const QPointF sample = m_curve->sample(m_index);
    const double px = p->transform(m_curve->xAxis(), sample.x());
    const double py = p->transform(m_curve->yAxis(), sample.y()) + dy;
    dragSelectedTo(QPoint(qRound(px), qRound(py)));
}

void CanvasPicker::stepSelection(bool forward)
{
    if (!hasSelection())
        return;
    const int n = int(m_curve->dataSize());
    const int next = (m_index + (forward ? 1 : -1) + n) % n;
    if (next != m_index) {
        paintSelection(false);
        m_index = next;
        paintSelection(true);
    }
}

void CanvasPicker::handleKey(int key)
{
    if (!hasSelection())
        selectPointAt(keyProbePosition());

    switch (key) {
    case Qt::Key_Right:
        stepSelection(true);
        break;
    case Qt::Key_Left:
        stepSelection(false);
        break;
    case Qt::Key_Up:
        nudgeSelected(-m_keyStep);  // up on screen is a higher value
        break;
    case Qt::Key_Down:
        nudgeSelected(m_keyStep);
        break;
    default:
        break;
    }
}

void CanvasPicker::postRedraw()
{
    if (m_redrawPending)
        return;
    m_redrawPending = true;
    QCoreApplication::postEvent(this, new QEvent(kRedrawEvent));
}

bool CanvasPicker::paintCanvasWithMarker(QEvent *event)
{
    // Let the canvas paint itself first, then put the marker on top within
    // the same paint event: the marker never needs a paint event of its own,
    // so no repaint can feed another.
    m_inCanvasPaint = true;
    static_cast<QObject *>(m_canvas.data())->event(event);
    paintSelection(true);
    m_inCanvasPaint = false;
    ++m_markedPaints;
    return true;
}

bool CanvasPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_canvas || watched != m_canvas.data())
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress:
        selectPointAt(static_cast<QMouseEvent *>(event)->pos());
        return true;
    case QEvent::MouseMove:
        dragSelectedTo(static_cast<QMouseEvent *>(event)->pos());
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        paintSelection(false);
        postRedraw();
        break;
    case QEvent::Paint:
        if (!m_inCanvasPaint && hasSelection())
            return paintCanvasWithMarker(event);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool CanvasPicker::event(QEvent *event)
{
    if (event->type() == kRedrawEvent) {
        m_redrawPending = false;
        paintSelection(true);
        return true;
    }
    return QObject::event(event);
}
