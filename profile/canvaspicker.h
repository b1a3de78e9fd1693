#pragma once
// The point editor of the injection curve. It watches the plot's canvas: a
// press picks the nearest curve point (closer than 10 pixels), a drag with the
// button held changes that point's value, and the main window's move commands
// step the selection left and right or nudge its value up and down. Only the
// value (y) of a point ever changes, never its engine speed (x).
//
// The selected point carries a green marker. The marker is drawn straight onto
// the canvas with a direct painter, and drawn again inside every paint event of
// the canvas, so that a repaint never wipes it and never needs a second paint.

#include <QColor>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QwtPlot;
class QwtPlotCurve;

class CanvasPicker : public QObject {
    Q_OBJECT

public:
    // A point is picked only when strictly nearer than this (canvas pixels).
    static constexpr double kMaxPickDistance = 10.0;
    // Starting best distance of the nearest-point search.
    static constexpr double kNoDistance = 100000000000.0;
    // Canvas position tried when a key arrives with nothing selected.
    static QPoint keyProbePosition() { return QPoint(330, 168); }
    // Brush colour of the selected point's marker.
    static QColor highlightColor() { return QColor(128, 255, 0, 255); }
    // The deferred redraw of the marker (after a focus change).
    static constexpr QEvent::Type kRedrawEvent = QEvent::User;

    explicit CanvasPicker(QwtPlot *plot);
    ~CanvasPicker() override;

    // Value range a drag or nudge may give, and the pixels of one nudge.
    void setLimits(float valueMin, float valueMax, int keyStep);
    // Qt::Key_Left / Key_Right move the selection, Key_Up / Key_Down nudge it.
    void handleKey(int key);

    // The selected point (null / -1 when nothing is selected, or when the
    // selected curve is no longer on the plot).
    QwtPlotCurve *selectedCurve() const;
    int selectedIndex() const;
    float valueMin() const { return m_valueMin; }
    float valueMax() const { return m_valueMax; }
    int keyStep() const { return m_keyStep; }

    // The value a drag gives for a position that maps to `mapped` on the y
    // axis: rounded (halves up) and kept within [valueMin, valueMax].
    static double dragValue(double mapped, float valueMin, float valueMax);

    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    QwtPlot *plot() const;
    bool hasSelection() const;
    void clearSelection();
    void selectPointAt(const QPoint &pos);
    void dragSelectedTo(const QPoint &pos);
    void nudgeSelected(int dy);
    void stepSelection(bool forward);
    void paintSelection(bool highlighted);
    void postRedraw();
    bool paintCanvasWithMarker(QEvent *event);

    QPointer<QWidget> m_canvas;
    QwtPlotCurve *m_curve = nullptr;
    int m_index = -1;
    float m_valueMin = -10.0f;
    float m_valueMax = 25.0f;
    int m_keyStep = 10;
    bool m_redrawPending = false;
    bool m_inCanvasPaint = false;
    quint64 m_markedPaints = 0;  // paint events that ended with the marker drawn
};
