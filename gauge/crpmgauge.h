// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Analogue rev counter drawn from SVG layers: a dial face, a needle with a
// drop shadow and an optional glass overlay. The needle turns linearly with
// an integer value between a start and an end angle.

#include <QString>
#include <QWidget>

class QSvgRenderer;
class QtSvgPixmapCache;

class CRpmGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString skin READ skin WRITE setSkin)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(qreal startAngle READ startAngle WRITE setStartAngle)
    Q_PROPERTY(qreal endAngle READ endAngle WRITE setEndAngle)

public:
    // The folder every layer is loaded from.
    static const char *const defaultLayerFolder;

    explicit CRpmGauge(QWidget *parent = nullptr);
    ~CRpmGauge() override;

    void setMinimum(int m);
    void setMaximum(int m);
    void setStartAngle(qreal a);
    void setEndAngle(qreal a);
    void setNeedleOrigin(qreal x, qreal y);
    void setShowOverlay(bool on);
    // Loads the dial face `name` and the needle, shadow and overlay layers
    // from the layer folder.
    void setSkin(const QString &name);
    // Where setSkin looks for the layers (":/rpm/imgs/" unless changed);
    // takes effect at the next setSkin.
    void setLayerFolder(const QString &folder);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    qreal startAngle() const { return m_startAngle; }
    qreal endAngle() const { return m_endAngle; }
    QString skin() const { return m_skin; }
    qreal needleOriginX() const { return m_originX; }
    qreal needleOriginY() const { return m_originY; }
    bool showOverlay() const { return m_showOverlay; }
    QString layerFolder() const { return m_layerFolder; }
    // The needle rotation in degrees that the current value gives.
    qreal needleAngle() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setValue(int v);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QtSvgPixmapCache *m_face;
    QtSvgPixmapCache *m_shadow;
    QSvgRenderer *m_needle;
    QtSvgPixmapCache *m_overlay;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    qreal m_startAngle = 0.0;
    qreal m_endAngle = 100.0;
    qreal m_originX = 0.5;
    qreal m_originY = 0.5;
    bool m_showOverlay = true;
    QString m_skin;
    QString m_layerFolder;
};
